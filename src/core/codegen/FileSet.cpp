#include "core/codegen/FileSet.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <memory>

namespace zf {

namespace {

// The mode bits, not QFileInfo::isWritable(): that one asks whether we may
// write, which is always yes for the superuser, and a read-only file is the
// user's word that it must stay as it is.
bool isMarkedReadOnly(const QFileInfo &info)
{
    constexpr auto kAnyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return !(info.permissions() & kAnyWrite) || !info.isWritable();
}

// Whole or not at all; false when the file could not be written.
bool writeWhole(QSaveFile &file, const QByteArray &bytes)
{
    // Flushed here: commit() misses a write that fails while it flushes.
    file.setDirectWriteFallback(false);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

} // namespace

void FileSet::add(const QString &path, const QByteArray &bytes)
{
    m_files.push_back({path, bytes, false, {}});
}

bool FileSet::fail(const QString &path, const QString &reason)
{
    m_error = QStringLiteral("Unable to write to ") + path;
    if (!reason.isEmpty())
        m_error += QLatin1Char('\n') + reason;
    return false;
}

bool FileSet::write()
{
    m_error.clear();
    for (File &file : m_files) {
        const QFileInfo info(file.path);
        if (!info.exists())
            continue;
        if (!info.isFile())
            return fail(file.path, QStringLiteral("Not a regular file"));
        if (isMarkedReadOnly(info))
            return fail(file.path, QStringLiteral("The file is read-only"));
        // A file alone has nothing to be given back for.
        if (m_files.size() == 1)
            continue;
        QFile old(file.path);
        if (!old.open(QIODevice::ReadOnly))
            return fail(file.path, old.errorString());
        file.existed = true;
        file.old = old.readAll();
    }
    // Until committed, a save file is a temporary file beside its target;
    // one left uncommitted is removed with it.
    std::vector<std::unique_ptr<QSaveFile>> temporary;
    for (const File &file : m_files) {
        temporary.push_back(std::make_unique<QSaveFile>(file.path));
        if (!writeWhole(*temporary.back(), file.bytes))
            return fail(file.path, temporary.back()->errorString());
    }
    for (std::size_t i = 0; i < m_files.size(); ++i) {
        if (!temporary[i]->commit()) {
            restore(i);
            return fail(m_files[i].path, temporary[i]->errorString());
        }
    }
    return true;
}

void FileSet::restore(std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        const File &file = m_files[i];
        if (!file.existed) {
            QFile::remove(file.path);
            continue;
        }
        QSaveFile old(file.path);
        if (writeWhole(old, file.old))
            old.commit();
    }
}

} // namespace zf
