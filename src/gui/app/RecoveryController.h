#pragma once

#include "core/app/RecoverySession.h"

#include <QObject>

namespace zf {

class TMainForm;

// Crash recovery for the main window: this run's recovery copies, and the
// offer of the forms an earlier run left when it crashed, made once the
// event loop runs (so after the window is shown and files named on the
// command line are open). Destroyed with the window at a normal end, which
// removes this run's copies.
class RecoveryController : public QObject
{
    Q_OBJECT

public:
    RecoveryController(TMainForm &window, int minutes,
                       const QString &folder = RecoverySession::defaultFolder());

    RecoverySession &session() { return m_session; }

    // Asks what to do with the forms crashed runs left, if there are any.
    void offer();

private:
    TMainForm &m_window;
    QString m_folder;
    RecoverySession m_session;
};

} // namespace zf
