#include "BatchUserInterface.h"
#include "CliCommands.h"
#include "CliMessages.h"
#include "core/app/FormCommands.h"
#include "core/app/ProjectCommands.h"
#include "core/app/RecentProjects.h"
#include "core/app/Workspace.h"
#include "core/base/FileProblem.h"
#include "core/base/IniDocument.h"
#include "core/codegen/AppIcons.h"
#include "core/codegen/CodeOutputs.h"
#include "core/codegen/DocFiles.h"
#include "core/codegen/GenerateSettings.h"
#include "core/files/ProjectFile.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignProject.h"
#include "core/model/LibrarySupport.h"
#include "core/model/UserInterface.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

// zentiform-cli generate PROJECT.zpj [-o DIR] [--first FORM] [--memo [--doc]|--pde]
// [--color|--no-color]: writes the project's four PocketC files (and, for
// the PDE target, its icons) exactly as the generate window's Save does, with
// the settings the project keeps unless the options say otherwise; with
// --doc, the four Palm DOC files of the memo target as Save DOC does
// instead. Existing files are replaced. The project file itself is left as
// it is.
//
// Exit codes: 0 all written (warnings allowed), 1 nothing to generate or a
// text the handheld's code page cannot hold, 2 the project could not be read
// or a file could not be written.

namespace zf::cli {

namespace {

struct GenerateArguments
{
    QString project;
    QString output;
    std::optional<QString> firstForm;
    std::optional<bool> memo;
    std::optional<bool> color;
    bool doc = false;
};

bool parseArguments(const QStringList &arguments, GenerateArguments *parsed)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        const auto value = [&](QString *target) {
            if (++i == arguments.size() || !target->isEmpty())
                return false;
            *target = arguments.at(i);
            return !target->isEmpty();
        };
        if (argument == QLatin1String("-o")) {
            if (!value(&parsed->output))
                return false;
        } else if (argument == QLatin1String("--first")) {
            QString name;
            if (parsed->firstForm || !value(&name))
                return false;
            parsed->firstForm = name;
        } else if (argument == QLatin1String("--memo") || argument == QLatin1String("--pde")) {
            parsed->memo = argument == QLatin1String("--memo");
        } else if (argument == QLatin1String("--color") ||
                   argument == QLatin1String("--no-color")) {
            parsed->color = argument == QLatin1String("--color");
        } else if (argument == QLatin1String("--doc")) {
            parsed->doc = true;
        } else if (parsed->project.isEmpty() && !argument.startsWith(QLatin1Char('-'))) {
            parsed->project = argument;
        } else {
            return false;
        }
    }
    // DOC files hold the texts of the memo target.
    if (parsed->doc && parsed->memo == false)
        return false;
    if (parsed->doc)
        parsed->memo = true;
    return !parsed->project.isEmpty();
}

// Nobody to ask: every message is printed as a warning or an error of the
// project, files that exist are replaced, and any other question takes its
// default.
class GenerateUserInterface : public BatchUserInterface
{
public:
    GenerateUserInterface(QTextStream &err, const QString &project)
        : BatchUserInterface(err), m_err(err), m_project(project)
    {
    }

    Button ask(const Message &message) override
    {
        // Saying where the files went is no problem to report, and a
        // replace question none either: the answer is always yes.
        if (message.icon != Icon::Information
            && !message.text.endsWith(QLatin1String(" already exists. Do you want to replace it?")))
            printMessage(m_err, m_project, 0, message.icon == Icon::Error ? "error" : "warning",
                         message.text);
        if (message.buttons.testFlag(Button::Yes))
            return Button::Yes;
        return BatchUserInterface::answer(message);
    }

private:
    QTextStream &m_err;
    QString m_project;
};

} // namespace

int generateCommand(const QStringList &arguments, QTextStream &, QTextStream &err)
{
    GenerateArguments parsed;
    if (!parseArguments(arguments, &parsed))
        return kExitUsage;
    GenerateUserInterface ui(err, parsed.project);
    const QString projectFile = QFileInfo(parsed.project).absoluteFilePath();

    IniDocument doc;
    QString unreadable = pathProblem(projectFile, QStringLiteral("project file"));
    if (unreadable.isEmpty() && !QFileInfo(projectFile).isFile())
        unreadable = QStringLiteral("No such file");
    if (unreadable.isEmpty() && !doc.open(projectFile))
        unreadable = doc.errorString();
    if (!unreadable.isEmpty()) {
        printError(err, parsed.project, QStringLiteral("cannot be read: ") + unreadable);
        return kExitFileError;
    }
    FileProblems problems = checkProject(doc);
    locateProblems(problems, doc);
    printProblems(err, parsed.project, problems);

    // Open the project as the designer does: its library, then its forms.
    DesignProject project(ui);
    Workspace workspace;
    FormCommands forms(project, workspace);
    RecentProjects recent;
    ProjectCommands(project, workspace, forms, recent).abrirProyecto(projectFile);
    if (!project.isOpen()) {
        printError(err, parsed.project, QStringLiteral("the file name gives no project name"));
        return kExitProblems;
    }
    const CodeGenerator *generator = CodeGenerator::forLibrary(project.library());
    if (!generator) {
        printError(err, parsed.project,
                   QStringLiteral("the project's library is neither CControls nor PToolBox"));
        return kExitProblems;
    }

    // Right after opening, the form loaded last is the one activated last:
    // the generate window lists it first.
    FormList formList;
    for (auto it = project.forms().rbegin(); it != project.forms().rend(); ++it)
        formList.push_back(it->get());

    GenerateSettings settings;
    GenerateSettings::load(projectFile, generator->hasColorOption(), QString(), &settings, nullptr);
    if (parsed.memo)
        settings.memo = *parsed.memo;
    if (parsed.color)
        settings.color = *parsed.color;
    if (parsed.firstForm) {
        if (std::none_of(formList.begin(), formList.end(),
                         [&](const DesignForm *f) { return f->name() == *parsed.firstForm; })) {
            printError(err, parsed.project,
                       QStringLiteral("The project has no form named ") + *parsed.firstForm);
            return kExitProblems;
        }
        settings.firstForm = *parsed.firstForm;
    }
    const QString folder = parsed.output.isEmpty() ? outputFolder(settings.output, projectFile)
                                                   : QFileInfo(parsed.output).absoluteFilePath();

    for (const QString &warning : generator->warnings(formList))
        printWarning(err, parsed.project, warning);
    SourceOutput output;
    if (!generateCode(*generator, formList, project.projectName(), settings, output.code, ui))
        return kExitProblems;
    AppIcons icons;
    if (!settings.memo) {
        for (const QString &problem : icons.loadFrom(settings))
            printWarning(err, parsed.project, problem);
        output.icons = &icons;
        output.library = generator;
    }
    output.folder = folder;
    output.projectName = project.projectName();
    // A text the handheld's code page cannot hold is refused before anything
    // is written; what can fail after that is the writing.
    const QStringList names = sourceFileNames(output.projectName);
    const QStringList *texts[] = {&output.code.main, &output.code.forms, &output.code.events,
                                  &output.code.header};
    for (int i = 0; i < 4; ++i) {
        const QString refused = encodeSource(*texts[i], QDir(folder).filePath(names[i])).error;
        if (!refused.isEmpty()) {
            printError(err, parsed.project, refused);
            return kExitProblems;
        }
    }
    const bool saved = parsed.doc ? saveDocFiles(output.code, output.projectName, folder, ui)
                                  : saveSourceFiles(output, ui) == SaveOutcome::Completed;
    return saved ? kExitOk : kExitFileError;
}

} // namespace zf::cli
