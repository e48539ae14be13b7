#include "core/app/TerminationSignals.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

namespace zf {

namespace {

constexpr std::array kSignals{SIGTERM, SIGHUP, SIGINT};

// The pipe between the handler and the event loop: read end, write end.
int g_pipe[2] = {-1, -1};

void forwardSignal(int signal)
{
    // Only async-signal-safe calls here, and errno as the interrupted code
    // left it.
    const int saved = errno;
    const unsigned char number = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &number, 1);
    errno = saved;
}

void setHandler(void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    // Interrupted reads and writes of the program go on as if nothing
    // happened; the request waits in the pipe.
    action.sa_flags = SA_RESTART;
    for (int signal : kSignals)
        sigaction(signal, &action, nullptr);
}

} // namespace

TerminationSignals::TerminationSignals(QObject *parent) : QObject(parent)
{
    Q_ASSERT(g_pipe[0] < 0);
    if (g_pipe[0] >= 0 || ::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readPipe);
    setHandler(forwardSignal);
}

TerminationSignals::~TerminationSignals()
{
    if (!m_notifier)
        return;
    setHandler(SIG_DFL);
    delete m_notifier;
    for (int &end : g_pipe) {
        ::close(end);
        end = -1;
    }
}

void TerminationSignals::readPipe()
{
    unsigned char number = 0;
    while (::read(g_pipe[0], &number, 1) == 1)
        Q_EMIT received(number);
}

} // namespace zf
