#pragma once

#include <QObject>

class QSocketNotifier;

namespace zf {

// The requests to end that the system sends a process: SIGTERM (a shutdown,
// a logout, kill), SIGHUP (the terminal or the session went away) and SIGINT
// (Ctrl+C). While an object of this class lives they no longer end the
// process on the spot: each one reaches the event loop as received(), so
// that the program can keep what it holds before it goes. A handler may do
// next to nothing safely, so it only writes the signal's number into a pipe
// that the event loop watches.
//
// One object at a time per process; the destructor gives the signals back
// their default effect.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals &) = delete;
    TerminationSignals &operator=(const TerminationSignals &) = delete;

    // False when the pipe could not be made: the signals then keep their
    // default effect.
    bool isActive() const { return m_notifier != nullptr; }

Q_SIGNALS:
    void received(int signal);

private:
    void readPipe();

    QSocketNotifier *m_notifier = nullptr;
};

} // namespace zf
