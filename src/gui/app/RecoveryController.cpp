#include "gui/app/RecoveryController.h"

#include "core/app/Prompts.h"
#include "core/app/RecoveryCopies.h"
#include "gui/app/Main.h"
#include "gui/app/RecoveryDialog.h"

#include <QTimer>

namespace zf {

RecoveryController::RecoveryController(TMainForm &window, int minutes, const QString &folder)
    : QObject(&window), m_window(window), m_folder(folder),
      m_session(window.project(), folder, this)
{
    m_session.setInterval(minutes);
    QTimer::singleShot(0, this, &RecoveryController::offer);
}

void RecoveryController::offer()
{
    RecoveryCopies copies(m_folder);
    if (copies.isEmpty()) {
        // Runs that crashed before they had anything to keep.
        copies.discard();
        return;
    }
    ZoomPause pause(m_window.userInterface());
    RecoveryDialog dialog(copies.forms(), &m_window);
    dialog.exec();
    switch (dialog.choice()) {
    case RecoveryDialog::Recover:
        copies.recover(m_window.project(), m_window.formCommands());
        // The forms are this run's unsaved work now: kept before the old
        // copies go, so that no moment passes without a copy.
        if (m_session.writeCopies())
            copies.discard();
        break;
    case RecoveryDialog::Discard:
        copies.discard();
        break;
    case RecoveryDialog::Undecided:
        break;
    }
}

} // namespace zf
