#include "BatchUserInterface.h"
#include "CliCommands.h"
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
// Exit codes: 0 all written, 1 written with warnings, 2 errors.

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

// Nobody to ask: every message is printed as a warning or an error, files
// that exist are replaced, and any other question takes its default.
class GenerateUserInterface : public BatchUserInterface
{
public:
    explicit GenerateUserInterface(QTextStream &err) : BatchUserInterface(err), m_err(err) {}

    Button ask(const Message &message) override
    {
        // Saying where the files went is no problem to report.
        if (message.icon == Icon::Information)
            return Button::Ok;
        const bool error = message.icon == Icon::Error;
        report(error ? "error" : "warning", message.text);
        if (message.buttons.testFlag(Button::Yes))
            return Button::Yes;
        return BatchUserInterface::answer(message);
    }

    void report(const char *level, const QString &text)
    {
        // A replace question is no problem here: the answer is always yes.
        if (!text.endsWith(QLatin1String(" already exists. Do you want to replace it?"))) {
            m_err << "zentiform-cli generate: " << level << ": " << text << Qt::endl;
            (qstrcmp(level, "error") == 0 ? m_errors : m_warnings) += 1;
        }
    }

    int exitCode() const
    {
        return m_errors ? kExitUnreadable : m_warnings ? kExitProblems : kExitOk;
    }

private:
    QTextStream &m_err;
    int m_warnings = 0;
    int m_errors = 0;
};

} // namespace

int generateCommand(const QStringList &arguments, QTextStream &, QTextStream &err)
{
    GenerateArguments parsed;
    if (!parseArguments(arguments, &parsed))
        return kExitUsage;
    GenerateUserInterface ui(err);
    const QString projectFile = QFileInfo(parsed.project).absoluteFilePath();

    IniDocument doc;
    if (!QFileInfo(projectFile).isFile() || !doc.open(projectFile)) {
        ui.report("error",
                  QStringLiteral("Unable to read ") + parsed.project +
                      (doc.errorString().isEmpty() ? QString()
                                                   : QStringLiteral(": ") + doc.errorString()));
        return ui.exitCode();
    }
    for (const FileProblem &problem : checkProject(doc))
        ui.report("warning", parsed.project + QStringLiteral(": ") + problem.text());

    // Open the project as the designer does: its library, then its forms.
    DesignProject project(ui);
    Workspace workspace;
    FormCommands forms(project, workspace);
    RecentProjects recent;
    ProjectCommands(project, workspace, forms, recent).abrirProyecto(projectFile);
    if (!project.isOpen()) {
        ui.report("error",
                  parsed.project + QStringLiteral(": the file name gives no project name"));
        return ui.exitCode();
    }
    const CodeGenerator *generator = CodeGenerator::forLibrary(project.library());
    if (!generator) {
        ui.report("error",
                  parsed.project + QStringLiteral(": the project's library is neither CControls "
                                                  "nor PToolBox"));
        return ui.exitCode();
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
            ui.report("error",
                      QStringLiteral("The project has no form named ") + *parsed.firstForm);
            return ui.exitCode();
        }
        settings.firstForm = *parsed.firstForm;
    }
    const QString folder = parsed.output.isEmpty() ? outputFolder(settings.output, projectFile)
                                                   : QFileInfo(parsed.output).absoluteFilePath();

    for (const QString &warning : generator->warnings(formList))
        ui.report("warning", warning);
    SourceOutput output;
    if (!generateCode(*generator, formList, project.projectName(), settings, output.code, ui))
        return ui.exitCode();

    AppIcons icons;
    if (!settings.memo) {
        for (const QString &problem : icons.loadFrom(settings))
            ui.report("warning", problem);
        output.icons = &icons;
        output.library = generator;
    }
    output.folder = folder;
    output.projectName = project.projectName();
    if (parsed.doc)
        saveDocFiles(output.code, output.projectName, folder, ui);
    else
        saveSourceFiles(output, ui);
    return ui.exitCode();
}

} // namespace zf::cli
