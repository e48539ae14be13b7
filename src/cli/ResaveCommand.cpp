#include "BatchUserInterface.h"
#include "CliCommands.h"
#include "CliMessages.h"
#include "core/files/FormFile.h"
#include "core/files/FormFileCheck.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignProject.h"

// zentiform-cli resave FORM.zsc [-o OUT.zsc]: loads a form with its own
// library and writes it exactly as Save Form would, in place or to OUT. A
// way to bring a hand-edited file into the form the designer writes. A form
// that lost records on loading is not written: that would drop them from
// the file.

namespace zf::cli {

int resaveCommand(const QStringList &arguments, QTextStream &, QTextStream &err)
{
    QString input;
    QString output;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("-o")) {
            if (++i == arguments.size() || !output.isEmpty())
                return kExitUsage;
            output = arguments.at(i);
        } else if (input.isEmpty() && !argument.startsWith(QLatin1Char('-'))) {
            input = argument;
        } else {
            return kExitUsage;
        }
    }
    if (input.isEmpty())
        return kExitUsage;
    if (output.isEmpty())
        output = input;

    BatchUserInterface ui(err);
    DesignProject project(ui);
    const FormFileCheck check = checkFormFile(project, input);
    if (!check.readable) {
        printError(err, input, QStringLiteral("cannot be read: ") + check.error);
        return kExitFileError;
    }
    printProblems(err, input, check.problems);
    if (!check.form) {
        printError(err, input, QStringLiteral("not resaved: the file holds no form of a known library"));
        return kExitProblems;
    }
    if (dropsRecords(check.problems)) {
        printError(err, input, QStringLiteral("not resaved: saving would drop the records above"));
        return kExitProblems;
    }
    // The clashes are among the problems above.
    if (!recordSectionClashes(*check.form).isEmpty()) {
        printError(err, input, QStringLiteral("not resaved: records would share a section"));
        return kExitProblems;
    }
    QString error;
    if (!writeFormFile(*check.form, output, &error)) {
        printError(err, output, QStringLiteral("cannot be written: ") + error);
        return kExitFileError;
    }
    return kExitOk;
}

} // namespace zf::cli
