#include "gui/codegen/DirectoryEdit.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>

namespace zf {

DirectoryEdit::DirectoryEdit(const QString &dialogTitle, QWidget *parent)
    : QWidget(parent), m_dialogTitle(dialogTitle)
{
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("edtDirectory"));
    m_browse = new QToolButton(this);
    m_browse->setObjectName(QStringLiteral("butBrowse"));
    m_browse->setText(QStringLiteral("..."));
    m_browse->setToolTip(dialogTitle);
    setFocusProxy(m_edit);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_edit, 1);
    layout->addWidget(m_browse);

    connect(m_browse, &QToolButton::clicked, this, &DirectoryEdit::browse);
}

QString DirectoryEdit::text() const
{
    return m_edit->text();
}

void DirectoryEdit::setText(const QString &text)
{
    m_edit->setText(text);
}

void DirectoryEdit::browse()
{
    QFileDialog dialog(this, m_dialogTitle, text());
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    setText(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
}

} // namespace zf
