#include "gui/app/RecoveryController.h"

#include "core/app/Prompts.h"
#include "core/app/RecoveryCopies.h"
#include "gui/app/Main.h"
#include "gui/app/RecoveryDialog.h"

#include <QTimer>

namespace zf {

RecoveryController::RecoveryController(TMainForm &window, int delay, const QString &folder)
    : QObject(&window), m_window(window), m_folder(folder),
      m_session(window.project(), folder, this)
{
    m_session.setDelay(delay);
    QTimer::singleShot(0, this, &RecoveryController::offer);
}

void RecoveryController::offer()
{
    // Runs that crashed before they had anything to keep leave nothing
    // to offer, and their folders go with `copies`.
    RecoveryCopies copies(m_folder);
    if (copies.isEmpty())
        return;
    ZoomPause pause(m_window.userInterface());
    DesignProject &project = m_window.project();
    for (;;) {
        RecoveryDialog dialog(copies.forms(), copies.recoverableLibraries(project), &m_window);
        dialog.exec();
        switch (dialog.choice()) {
        case RecoveryDialog::Recover:
            copies.recover(project, m_window.formCommands(), dialog.library());
            // The forms are this run's unsaved work now: the old copies go
            // only once this run keeps its own, so that no moment passes
            // without a copy.
            if (m_session.writeCopies())
                copies.removeRecovered();
            return;
        case RecoveryDialog::Discard:
            if (!confirmDiscard())
                continue;
            copies.discard();
            return;
        case RecoveryDialog::Undecided:
            return;
        }
    }
}

bool RecoveryController::confirmDiscard()
{
    using Button = UserInterface::Button;
    return m_window.userInterface().ask(
               {QStringLiteral("Confirm"),
                QStringLiteral("Discard the recovered forms? Their unsaved changes will be lost."),
                Button::Yes | Button::No, UserInterface::Icon::Warning, Button::No}) ==
           Button::Yes;
}

} // namespace zf
