#include "CliMessages.h"

namespace zf::cli {

void printMessage(QTextStream &stream, const QString &file, int line, const char *level,
                  const QString &text)
{
    QString flat = text;
    flat.replace(QLatin1Char('\n'), QStringLiteral(": "));
    stream << file;
    if (line > 0)
        stream << ':' << line;
    stream << ": " << level << ": " << flat << Qt::endl;
}

void printWarning(QTextStream &stream, const QString &file, const QString &text)
{
    printMessage(stream, file, 0, "warning", text);
}

void printError(QTextStream &stream, const QString &file, const QString &text)
{
    printMessage(stream, file, 0, "error", text);
}

void printProblems(QTextStream &stream, const QString &file, const FileProblems &problems)
{
    for (const FileProblem &problem : problems)
        printMessage(stream, file, problem.line, "warning", problem.text());
}

} // namespace zf::cli
