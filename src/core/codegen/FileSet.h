#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace zf {

// Files that belong together, written as one set: every file goes to a
// temporary file beside its target first, and only when all of them are
// complete are they put in place. A file that cannot be written (a folder
// or a read-only file in its place, a full disk) leaves every old file as it
// was. Should putting one in place fail after others were, those are given
// their old contents back.
class FileSet
{
public:
    void add(const QString &path, const QByteArray &bytes);
    bool isEmpty() const { return m_files.empty(); }

    // False with error() when the set could not be written.
    bool write();
    // "Unable to write to " + the file, and the reason on a line of its own.
    const QString &error() const { return m_error; }

private:
    bool fail(const QString &path, const QString &reason);
    // Puts the old contents of the first `count` files back.
    void restore(std::size_t count);

    struct File
    {
        QString path;
        QByteArray bytes;
        bool existed = false;
        QByteArray old;
    };
    std::vector<File> m_files;
    QString m_error;
};

} // namespace zf
