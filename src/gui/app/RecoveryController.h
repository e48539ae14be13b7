#pragma once

#include "core/app/RecoverySession.h"

#include <QObject>

namespace zf {

class TMainForm;

// Crash recovery for the main window: this run's recovery copies, and the
// offer of the forms an earlier run left when it crashed, made once the
// event loop runs (so after the window is shown and files named on the
// command line are open).
class RecoveryController : public QObject
{
    Q_OBJECT

public:
    // `delay`: how long a change may wait for its copy, in milliseconds.
    RecoveryController(TMainForm &window, int delay,
                       const QString &folder = RecoverySession::defaultFolder());

    RecoverySession &session() { return m_session; }

    // Asks what to do with the forms crashed runs left, if there are any.
    void offer();

private:
    bool confirmDiscard();

    TMainForm &m_window;
    QString m_folder;
    RecoverySession m_session;
};

} // namespace zf
