#include "ChildProcess.h"

#include <cerrno>
#include <csignal>

#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zf::test {

ChildProcess::Result ChildProcess::run(const std::function<QByteArray()> &body)
{
    int fds[2];
    if (pipe(fds) != 0)
        return {true, -1, {}};
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        const QByteArray report = body();
        for (qsizetype written = 0, n = 0; written < report.size(); written += n) {
            n = write(fds[1], report.constData() + written, size_t(report.size() - written));
            if (n <= 0)
                break;
        }
        _exit(0); // leaves the test process's state alone: no destructors, no atexit
    }
    close(fds[1]);
    Result result{true, -1, {}};
    // Read before reaping: a report larger than the pipe holds would
    // otherwise keep the child from ending.
    char buffer[4096];
    for (ssize_t n; pid > 0 && (n = read(fds[0], buffer, sizeof buffer)) > 0;)
        result.report.append(buffer, n);
    close(fds[0]);
    int status = 0;
    while (pid > 0 && waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (pid < 0)
        return result;
    result.killed = WIFSIGNALED(status);
    result.code = result.killed ? WTERMSIG(status) : WEXITSTATUS(status);
    if (result.killed)
        result.report.clear();
    return result;
}

bool becomeNobodyIfRoot()
{
    return geteuid() != 0 || (setgroups(0, nullptr) == 0 && setgid(kNobody) == 0 && setuid(kNobody) == 0);
}

void limitFileSize(long bytes)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = rlim_t(bytes);
    setrlimit(RLIMIT_FSIZE, &limit);
}

} // namespace zf::test
