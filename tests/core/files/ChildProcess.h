#pragma once

#include <QByteArray>

#include <functional>

namespace zf::test {

// A copy of the test process, made by fork(), that runs one function and
// hands back the bytes it returns. For what the test process itself must
// not go through: lower privileges, a file-size limit, a crash.
struct ChildProcess
{
    struct Result
    {
        bool killed = false; // ended by a signal
        int code = 0;        // exit code, or the signal
        QByteArray report;   // what the function returned; empty when killed
    };

    static Result run(const std::function<QByteArray()> &body);
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
