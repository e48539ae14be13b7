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

// In a child: gives up root, so that file permissions hold; the files it
// writes must belong to `nobody` (uid and gid kNobody).
inline constexpr int kNobody = 65534;
bool becomeNobodyIfRoot();

// In a child: a write beyond `bytes` fails (EFBIG), as on a full disk.
void limitFileSize(long bytes);

} // namespace zf::test
