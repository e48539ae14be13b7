#include "CliCommands.h"
#include "core/base/DataPaths.h"
#include "core/canvas/PalmFonts.h"
#include "core/libraries/Libraries.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

using zf::cli::CommandFunction;

struct Subcommand
{
    const char *name;
    CommandFunction run;
    const char *arguments;
    const char *summary;
};

// One line per subcommand.
const Subcommand kSubcommands[] = {
    {"check", zf::cli::checkCommand, "FILE...",
     "report what is wrong in form (.zsc) and project (.zpj) files"},
    {"generate", zf::cli::generateCommand,
     "PROJECT.zpj [-o DIR] [--first FORM] [--memo [--doc]|--pde] [--color|--no-color]",
     "write the project's PocketC files as the generate window's Save does, or its Palm DOC "
     "files (--doc) as Save DOC does"},
    {"resave", zf::cli::resaveCommand, "FORM.zsc [-o OUT.zsc]",
     "load a form and write it back as Save Form does"},
    {"render", zf::cli::renderCommand, "FORM.zsc -o OUT.png [--scale N | --size N] [--screen-only]",
     "draw a form as its design window shows it, as PNG, enlarged or fitted inside N x N"},
};

void printUsage(QTextStream &stream)
{
    stream << "usage: zentiform-cli COMMAND [ARGUMENTS]\n\ncommands:\n";
    for (const Subcommand &command : kSubcommands) {
        stream << "  " << command.name << ' ' << command.arguments << "\n      " << command.summary
               << '\n';
    }
    stream.flush();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    zf::installLibraries();
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.isEmpty()) {
        printUsage(err);
        return 2;
    }
    const QString &name = arguments.first();
    if (name == QLatin1String("help") || name == QLatin1String("--help") || name == QLatin1String("-h")) {
        printUsage(out);
        return 0;
    }
    for (const Subcommand &command : kSubcommands) {
        if (name != QLatin1String(command.name))
            continue;
        // Label and list sizes follow from the fonts' metrics.
        for (const QString &missing : zf::loadPalmFonts(zf::dataPath(QStringLiteral("fonts"))))
            err << "zentiform-cli: warning: font " << missing << " not found" << Qt::endl;
        const int code = command.run(arguments.mid(1), out, err);
        out.flush();
        if (code == zf::cli::kExitUsage) {
            err << "usage: zentiform-cli " << command.name << ' ' << command.arguments << Qt::endl;
            return 2;
        }
        return code;
    }
    err << "zentiform-cli: unknown command '" << name << "'\n";
    printUsage(err);
    return 2;
}
