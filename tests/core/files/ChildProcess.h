#pragma once

#include <QByteArray>

#include <functional>

#include <sys/types.h>

namespace zf::test {

// A copy of the test process, made by fork(), that runs one function and
// hands back the bytes it returns. For what the test process itself must
// not go through: lower privileges, a file-size limit, being killed.
class ChildProcess
{
public:
    struct Result
    {
        bool killed = false; // ended by a signal
        int code = 0;        // exit code, or the signal
        QByteArray report;   // what the function returned; empty when killed
    };

    // Starts the child at once.
    explicit ChildProcess(const std::function<QByteArray()> &body);
    // A child still running is killed and reaped.
    ~ChildProcess();
    ChildProcess(const ChildProcess &) = delete;
    ChildProcess &operator=(const ChildProcess &) = delete;

    // SIGKILL, which nothing in the child can catch or delay.
    void kill();
    // Waits for the child to end.
    Result wait();

    // Runs `body` in a child and waits for it.
    static Result run(const std::function<QByteArray()> &body) { return ChildProcess(body).wait(); }

private:
    pid_t m_pid = -1;
    int m_pipe = -1;
};

// In a child: gives up root, so that file permissions hold for it as for
// any user. The files the child must write have to belong to `nobody` (uid
// and gid kNobody). Does nothing for a user who is not root.
inline constexpr int kNobody = 65534;
bool becomeNobodyIfRoot();

// In a child: files may grow to `bytes` at most, and a write beyond fails
// (EFBIG) instead of ending the process, as on a full disk.
void limitFileSize(long bytes);

} // namespace zf::test
