#include "BatchUserInterface.h"
#include "CliCommands.h"
#include "CliMessages.h"
#include "core/designer/FormPicture.h"
#include "core/designer/FormRenderer.h"
#include "core/files/FormFileCheck.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignProject.h"

// zentiform-cli render FORM.zsc -o OUT.png [--scale N | --size N]
// [--screen-only]: draws a form as its design window shows it, the device
// around the screen or the screen alone, in the handheld's own pixels,
// enlarged N times without smoothing, or fitted inside N x N pixels (the
// freedesktop thumbnailer's call), and writes it as PNG. On any failure
// nothing is written and the exit code is not 0.

namespace zf::cli {

namespace {

// Past these a picture of the 167 x 226 device outgrows any use.
constexpr int kMaxScale = 16;
constexpr int kMaxSize = 4096;

struct RenderArguments
{
    QString input;
    QString output;
    int scale = 1;
    int size = 0; // fit inside size x size when set
    RenderArea area = RenderArea::Device;
};

bool parseArguments(const QStringList &arguments, RenderArguments *parsed, QTextStream &err)
{
    bool scaled = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        // A whole number from 1 to `max` after an option, said once.
        const auto number = [&](const char *what, int max, int *target) {
            bool ok = false;
            *target = ++i < arguments.size() ? arguments.at(i).toInt(&ok) : 0;
            if (!ok || *target < 1 || *target > max) {
                err << "zentiform-cli render: the " << what
                    << " must be a whole number from 1 to " << max << Qt::endl;
                return false;
            }
            if (scaled) {
                err << "zentiform-cli render: give either --scale or --size" << Qt::endl;
                return false;
            }
            scaled = true;
            return true;
        };
        if (argument == QLatin1String("-o")) {
            if (++i == arguments.size() || !parsed->output.isEmpty())
                return false;
            parsed->output = arguments.at(i);
        } else if (argument == QLatin1String("--scale")) {
            if (!number("scale", kMaxScale, &parsed->scale))
                return false;
        } else if (argument == QLatin1String("--size")) {
            if (!number("size", kMaxSize, &parsed->size))
                return false;
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

    const QImage drawn = renderForm(*check.form, parsed.area);
    const QImage picture = parsed.size ? fittedPicture(drawn, parsed.size)
                                       : enlargedPicture(drawn, parsed.scale);
    QString error;
    if (!writePng(picture, parsed.output, &error)) {
        printError(err, parsed.output, QStringLiteral("cannot be written: ") + error);
        return kExitFileError;
    }
    return kExitOk;
}

} // namespace zf::cli
