#pragma once

#include "core/base/FileProblem.h"

#include <QString>
#include <QTextStream>

namespace zf::cli {

// Every message names its file, and the line where there is one, in the form
// editors and compilers use, so that an editor can jump to the spot:
//   FILE:LINE: warning: [Section] Key: text
//   FILE: error: cannot be read: reason
// A warning is something the command worked around; an error stopped it.
// A message of several lines is printed as one.
void printMessage(QTextStream &stream, const QString &file, int line, const char *level,
                  const QString &text);
void printWarning(QTextStream &stream, const QString &file, const QString &text);
void printError(QTextStream &stream, const QString &file, const QString &text);
// One warning per problem, at its line.
void printProblems(QTextStream &stream, const QString &file, const FileProblems &problems);

} // namespace zf::cli
