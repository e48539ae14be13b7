#include "core/base/FileProblem.h"
#include "core/base/IniDocument.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace zf {

QString FileProblem::text() const
{
    QString result;
    if (!section.isEmpty())
        result += QLatin1Char('[') + section + QLatin1Char(']');
    if (!key.isEmpty())
        result += (result.isEmpty() ? QString() : QStringLiteral(" ")) + key;
    if (!result.isEmpty())
        result += QStringLiteral(": ");
    return result + message;
}

bool dropsRecords(const FileProblems &problems)
{
    return std::any_of(problems.begin(), problems.end(),
                       [](const FileProblem &p) { return p.dropsRecord(); });
}

void locateProblems(FileProblems &problems, const IniDocument &doc)
{
    for (FileProblem &problem : problems) {
        if (problem.section.isEmpty())
            continue;
        if (!problem.key.isEmpty())
            problem.line = doc.lineNumber(problem.section, problem.key);
        if (problem.line == 0)
            problem.line = doc.lineNumber(problem.section);
    }
}

QString pathProblem(const QString &path, const QString &kind)
{
    // The limits of Linux file systems: a name of 255 bytes, a path of 4096.
    constexpr qsizetype kMaxName = 255;
    constexpr qsizetype kMaxPath = 4095;
    const QByteArray encoded = QFile::encodeName(path);
    const QList<QByteArray> names = encoded.split('/');
    if (encoded.size() > kMaxPath
        || std::any_of(names.begin(), names.end(),
                       [](const QByteArray &name) { return name.size() > kMaxName; })) {
        return QStringLiteral("the path is too long");
    }
    const QFileInfo info(path);
    if (info.isDir())
        return QStringLiteral("is a folder, not a ") + kind;
    if (info.exists() && !info.isFile())
        return QStringLiteral("is a device, not a ") + kind;
    return {};
}

} // namespace zf
