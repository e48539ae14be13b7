#include "gui/app/RecoveryDialog.h"

#include "core/model/LibrarySupport.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace zf {

namespace {

QString libraryText(int library)
{
    const QString name = LibrarySupport::forLibrary(library).statusText();
    return name.isEmpty() ? QStringLiteral("(not known)") : name;
}

} // namespace

RecoveryDialog::RecoveryDialog(const std::vector<RecoveredForm> &forms,
                               const std::vector<int> &libraries, QWidget *parent)
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
    list->setHeaderLabels({QStringLiteral("Form"), QStringLiteral("Library"),
                           QStringLiteral("File"), QStringLiteral("Copy made")});
    for (const RecoveredForm &form : forms) {
        auto *item = new QTreeWidgetItem(list);
        item->setText(0, form.formName);
        item->setText(1, libraryText(form.library));
        item->setText(2, form.fileName.isEmpty() ? QStringLiteral("(never saved)") : form.fileName);
        item->setText(3, QLocale().toString(form.written, QLocale::ShortFormat));
    }
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    m_library = new QComboBox(this);
    m_library->setObjectName(QStringLiteral("cmbLibrary"));
    for (int library : libraries)
        m_library->addItem(libraryText(library), library);
    // A form is only ever opened with its own library; the others wait.
    const bool oneLibrary =
        libraries.size() == 1 && std::all_of(forms.begin(), forms.end(), [&](const auto &form) {
            return form.library == libraries.front() ||
                   LibrarySupport::forLibrary(form.library).statusText().isEmpty();
        });
    auto *note = new QLabel(
        libraries.empty()
            ? QStringLiteral("These forms were made with another library than the forms open "
                             "now. They are kept and offered again at the next start.")
            : QStringLiteral("Forms of another library than the one recovered are kept and "
                             "offered again at the next start."),
        this);
    note->setObjectName(QStringLiteral("LibraryNote"));
    note->setWordWrap(true);
    note->setVisible(!oneLibrary);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *recover =
        buttons->addButton(QStringLiteral("Recover"), QDialogButtonBox::AcceptRole);
    recover->setObjectName(QStringLiteral("butRecover"));
    recover->setDefault(true);
    recover->setEnabled(!libraries.empty());
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
    if (libraries.size() > 1) {
        auto *choice = new QFormLayout;
        choice->addRow(QStringLiteral("Recover the forms of &library"), m_library);
        layout->addLayout(choice);
    } else {
        m_library->hide();
    }
    layout->addWidget(note);
    layout->addWidget(buttons);
    resize(600, 280);
}

int RecoveryDialog::library() const
{
    return m_library->currentData().toInt();
}

} // namespace zf
