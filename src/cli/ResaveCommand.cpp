#include "BatchUserInterface.h"
#include "CliCommands.h"
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
        err << input << ": cannot be read: " << check.error << Qt::endl;
        return kExitUnreadable;
    }
    for (const FileProblem &problem : check.problems)
        err << input << ": " << problem.text() << Qt::endl;
    if (!check.form) {
        err << input << ": not resaved: the file holds no form of a known library" << Qt::endl;
        return kExitProblems;
    }
    if (dropsRecords(check.problems)) {
        err << input << ": not resaved: saving would drop the records above" << Qt::endl;
        return kExitProblems;
    }
    QString error;
    if (!writeFormFile(*check.form, output, &error)) {
        err << "Unable to write to " << output << ": " << error << Qt::endl;
        return kExitProblems;
    }
    return kExitOk;
}

} // namespace zf::cli
