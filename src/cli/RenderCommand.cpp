#include "BatchUserInterface.h"
#include "CliCommands.h"
#include "CliMessages.h"
#include "core/designer/FormRenderer.h"
#include "core/files/FormFileCheck.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignProject.h"

#include <QSaveFile>

// zentiform-cli render FORM.zsc -o OUT.png [--scale N] [--screen-only]:
// draws a form as its design window shows it, the device around the screen
// or the screen alone, in the handheld's own pixels or enlarged N times
// without smoothing, and writes it as PNG.

namespace zf::cli {

namespace {

// Past this a picture of the 167 x 226 device outgrows any use.
constexpr int kMaxScale = 16;

struct RenderArguments
{
    QString input;
    QString output;
    int scale = 1;
    RenderArea area = RenderArea::Device;
};

bool parseArguments(const QStringList &arguments, RenderArguments *parsed, QTextStream &err)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("-o")) {
            if (++i == arguments.size() || !parsed->output.isEmpty())
                return false;
            parsed->output = arguments.at(i);
        } else if (argument == QLatin1String("--scale")) {
            if (++i == arguments.size())
                return false;
            bool ok = false;
            parsed->scale = arguments.at(i).toInt(&ok);
            if (!ok || parsed->scale < 1 || parsed->scale > kMaxScale) {
                err << "zentiform-cli render: the scale must be a whole number from 1 to "
                    << kMaxScale << Qt::endl;
                return false;
            }
        } else if (argument == QLatin1String("--screen-only")) {
            parsed->area = RenderArea::Screen;
        } else if (parsed->input.isEmpty() && !argument.startsWith(QLatin1Char('-'))) {
            parsed->input = argument;
        } else {
            return false;
        }
    }
    return !parsed->input.isEmpty() && !parsed->output.isEmpty();
}

// Written whole or not at all.
bool writePng(const QImage &image, const QString &path, QString *error)
{
    *error = pathProblem(path, QStringLiteral("picture file"));
    if (!error->isEmpty())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    if (!image.save(&file, "PNG")) {
        file.cancelWriting();
        *error = QStringLiteral("the picture could not be encoded");
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace

int renderCommand(const QStringList &arguments, QTextStream &, QTextStream &err)
{
    RenderArguments parsed;
    if (!parseArguments(arguments, &parsed, err))
        return kExitUsage;

    BatchUserInterface ui(err);
    DesignProject project(ui);
    const FormFileCheck check = checkFormFile(project, parsed.input);
    if (!check.readable) {
        printError(err, parsed.input, QStringLiteral("cannot be read: ") + check.error);
        return kExitFileError;
    }
    printProblems(err, parsed.input, check.problems);
    if (!check.form) {
        printError(err, parsed.input,
                   QStringLiteral("not rendered: the file holds no form of a known library"));
        return kExitProblems;
    }

    QImage picture = renderForm(*check.form, parsed.area);
    if (parsed.scale > 1)
        picture = picture.scaled(picture.size() * parsed.scale, Qt::IgnoreAspectRatio,
                                 Qt::FastTransformation);
    QString error;
    if (!writePng(picture, parsed.output, &error)) {
        printError(err, parsed.output, QStringLiteral("cannot be written: ") + error);
        return kExitFileError;
    }
    return kExitOk;
}

} // namespace zf::cli
