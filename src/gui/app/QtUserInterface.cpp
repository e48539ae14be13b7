#include "gui/app/QtUserInterface.h"
#include "gui/app/frmNuevoProy.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace zf {

namespace {

QMessageBox::StandardButton toQt(UserInterface::Button button)
{
    switch (button) {
    case UserInterface::Button::Ok: return QMessageBox::Ok;
    case UserInterface::Button::Yes: return QMessageBox::Yes;
    case UserInterface::Button::No: return QMessageBox::No;
    case UserInterface::Button::Cancel: return QMessageBox::Cancel;
    case UserInterface::Button::None: break;
    }
    return QMessageBox::NoButton;
}

QMessageBox::Icon toQt(UserInterface::Icon icon)
{
    switch (icon) {
    case UserInterface::Icon::Information: return QMessageBox::Information;
    case UserInterface::Icon::Question: return QMessageBox::Question;
    case UserInterface::Icon::Warning: return QMessageBox::Warning;
    case UserInterface::Icon::Error: return QMessageBox::Critical;
    case UserInterface::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

UserInterface::Button QtUserInterface::ask(const Message &message)
{
    QMessageBox box(toQt(message.icon), message.caption, message.text, QMessageBox::NoButton,
                    m_parent);
    // Offered in the order users know from Windows: Yes, No, Cancel.
    for (Button button : {Button::Ok, Button::Yes, Button::No, Button::Cancel}) {
        if (message.buttons.testFlag(button))
            box.addButton(toQt(button));
    }
    if (message.defaultButton != Button::None)
        box.setDefaultButton(toQt(message.defaultButton));
    if (message.buttons.testFlag(Button::Cancel))
        box.setEscapeButton(QMessageBox::Cancel);
    else if (message.buttons.testFlag(Button::No))
        box.setEscapeButton(QMessageBox::No);

    pauseZoom();
    const int answer = box.exec();
    resumeZoom();
    switch (answer) {
    case QMessageBox::Yes: return Button::Yes;
    case QMessageBox::No: return Button::No;
    case QMessageBox::Ok: return Button::Ok;
    default: return message.buttons.testFlag(Button::Cancel) ? Button::Cancel : Button::None;
    }
}

QString QtUserInterface::qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i];
    return filters.join(QStringLiteral(";;"));
}

std::optional<QString> QtUserInterface::openFileName(const FileRequest &request)
{
    QFileDialog dialog(m_parent, request.title, request.proposedName, qtFilter(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultExtension);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtUserInterface::saveFileName(const FileRequest &request)
{
    QFileDialog dialog(m_parent, request.title, QString(), qtFilter(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(request.defaultExtension);
    // The replace question is the command's own, asked on every save.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QFileInfo proposed(request.proposedName);
    if (proposed.isAbsolute())
        dialog.selectFile(request.proposedName);
    else
        dialog.selectFile(proposed.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<int> QtUserInterface::chooseLibrary(int current)
{
    TfrmNuevoProy dialog(current, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.library();
}

void QtUserInterface::pauseZoom()
{
    if (m_pauseZoom)
        m_pauseZoom();
}

void QtUserInterface::resumeZoom()
{
    if (m_resumeZoom)
        m_resumeZoom();
}

void QtUserInterface::setZoomControl(std::function<void()> pause, std::function<void()> resume)
{
    m_pauseZoom = std::move(pause);
    m_resumeZoom = std::move(resume);
}

} // namespace zf
