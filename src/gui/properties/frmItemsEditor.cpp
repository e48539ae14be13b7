#include "gui/properties/frmItemsEditor.h"
#include "core/app/Prompts.h"
#include "core/model/DesignProject.h"
#include "core/properties/ItemText.h"
#include "core/properties/PropertySheet.h"

#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>

namespace zf {

namespace {

constexpr QSize kClientSize{198, 224};

// The memo of the items: pasted text loses its control characters on the
// way in, so the form never draws one as a box.
class ItemsMemo : public QPlainTextEdit
{
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void insertFromMimeData(const QMimeData *source) override
    {
        if (source->hasText())
            insertPlainText(printableText(source->text(), true));
    }
};

} // namespace

TfrmItemsEd::TfrmItemsEd(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmItemsEd"));
    setWindowTitle(QStringLiteral("Items editor"));
    setFixedSize(kClientSize);

    m_lblLineas = new QLabel(QStringLiteral("0 items"), this);
    m_lblLineas->setObjectName(QStringLiteral("lblLineas"));
    m_lblLineas->setGeometry(8, 4, 182, 16);

    m_memItems = new ItemsMemo(this);
    m_memItems->setObjectName(QStringLiteral("memItems"));
    m_memItems->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Tab moves on to the buttons, as in every dialog; it is no text.
    m_memItems->setTabChangesFocus(true);
    m_memItems->setGeometry(8, 22, 182, 162);

    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("BitBtn1"));
    cancel->setGeometry(16, 192, 75, 25);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("BitBtn2"));
    ok->setGeometry(107, 192, 75, 25);
    // Enter belongs to the memo, which takes one item per line.
    cancel->setAutoDefault(false);
    ok->setAutoDefault(false);

    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_memItems, &QPlainTextEdit::textChanged, this, &TfrmItemsEd::countLines);
}

void TfrmItemsEd::setItems(const QStringList &items)
{
    m_memItems->clear();
    m_memItems->setPlainText(items.join(QLatin1Char('\n')));
    countLines();
}

QStringList TfrmItemsEd::items() const
{
    const QString text = printableText(m_memItems->toPlainText(), true);
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void TfrmItemsEd::countLines()
{
    m_lblLineas->setText(QString::number(items().size()) + QStringLiteral(" items"));
}

bool EditItemList(QStringList &sthItems, UserInterface &ui, QWidget *parent)
{
    const ZoomPause pause(ui);
    TfrmItemsEd editor(parent);
    editor.setItems(sthItems);
    if (editor.exec() != QDialog::Accepted)
        return false;
    sthItems = editor.items();
    return true;
}

void EditSubjectItems(PropertySheet &sheet, QWidget *parent)
{
    QStringList sthItems = sheet.itemsToEdit();
    if (EditItemList(sthItems, sheet.project().ui(), parent))
        sheet.replaceItems(sthItems);
}

} // namespace zf
