#include "core/base/FileProblem.h"

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

} // namespace zf
