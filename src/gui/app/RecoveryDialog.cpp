#include "gui/app/RecoveryDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zf {

RecoveryDialog::RecoveryDialog(const std::vector<RecoveredForm> &forms, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("RecoveryDialog"));
    setWindowTitle(QStringLiteral("Recover forms"));

    auto *text = new QLabel(
        QStringLiteral("Zentiform did not close normally. These forms had changes that were "
                       "not saved; their last recovery copies can be opened again."),
        this);
    text->setWordWrap(true);

    auto *list = new QTreeWidget(this);
    list->setObjectName(QStringLiteral("RecoveredForms"));
    list->setRootIsDecorated(false);
    list->setHeaderLabels(
        {QStringLiteral("Form"), QStringLiteral("File"), QStringLiteral("Copy made")});
    for (const RecoveredForm &form : forms) {
        auto *item = new QTreeWidgetItem(list);
        item->setText(0, form.formName);
        item->setText(1, form.fileName.isEmpty() ? QStringLiteral("(never saved)") : form.fileName);
        item->setText(2, QLocale().toString(form.written, QLocale::ShortFormat));
    }
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *recover =
        buttons->addButton(QStringLiteral("Recover"), QDialogButtonBox::AcceptRole);
    recover->setObjectName(QStringLiteral("butRecover"));
    recover->setDefault(true);
    QPushButton *discard =
        buttons->addButton(QStringLiteral("Discard"), QDialogButtonBox::DestructiveRole);
    discard->setObjectName(QStringLiteral("butDiscard"));
    connect(recover, &QPushButton::clicked, this, [this] {
        m_choice = Recover;
        accept();
    });
    connect(discard, &QPushButton::clicked, this, [this] {
        m_choice = Discard;
        accept();
    });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(list);
    layout->addWidget(buttons);
    resize(520, 260);
}

} // namespace zf
