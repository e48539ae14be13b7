#include "core/app/ProjectCommands.h"
#include "core/app/FormCommands.h"
#include "core/app/Prompts.h"
#include "core/app/RecentProjects.h"
#include "core/app/Workspace.h"
#include "core/base/IniDocument.h"
#include "core/files/ProjectFile.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignProject.h"

#include <QFileInfo>

#include <algorithm>

namespace zf {

namespace {

using Button = UserInterface::Button;

const QString kNewProjectName = QStringLiteral("Project1");

} // namespace

ProjectCommands::ProjectCommands(DesignProject &project, Workspace &workspace,
                                 FormCommands &forms, RecentProjects &recent)
    : m_project(project), m_workspace(workspace), m_forms(forms), m_recent(recent)
{
}

QString ProjectCommands::projectNameOf(const QString &path)
{
    const QString file = QFileInfo(path).fileName();
    return file.size() > 4 ? file.chopped(4) : QString();
}

ProjectCommands::SaveResult ProjectCommands::guardaProyecto(const QString &path)
{
    UserInterface &ui = m_project.ui();
    IniDocument doc;
    // The file is updated in place; one that cannot be read would lose the
    // keys it holds that are not ours.
    if (!doc.open(path)) {
        reportWriteFailure(ui, path, doc.errorString());
        return SaveResult::NotWritten;
    }
    ProjectFileState state;
    state.library = m_project.library();
    state.propertiesShown = m_workspace.propertiesShown();
    state.propertiesBounds = m_workspace.propertiesBounds();
    state.zoomShown = m_workspace.zoomShown();
    state.zoomPosition = m_workspace.zoomPosition();
    writeProjectHead(doc, path, state);

    std::vector<std::pair<int, QString>> listed;
    bool allSaved = true;
    const auto &forms = m_project.forms();
    for (std::size_t i = 0; i < forms.size(); ++i) {
        DesignForm &form = *forms[i];
        if (!form.isShown())
            continue;
        if (m_forms.save(form, false) != FormCommands::SaveResult::Saved)
            allSaved = false;
        listed.emplace_back(int(i), form.fileName());
    }
    writeProjectForms(doc, listed);

    if (!doc.save()) {
        reportWriteFailure(ui, path, doc.errorString());
        return SaveResult::NotWritten;
    }
    m_savedForms = listedForms();
    m_workspace.setProjectTitle(QFileInfo(path).fileName());
    return allSaved ? SaveResult::Saved : SaveResult::FormsUnsaved;
}

void ProjectCommands::abrirProyecto(const QString &path)
{
    IniDocument doc;
    if (!doc.open(path)) {
        m_project.ui().error(QStringLiteral("Unable to read ") + path + QLatin1Char('\n')
                             + doc.errorString());
        cerrarTodo();
        return;
    }
    m_project.setProjectName(projectNameOf(path));
    m_workspace.setProjectTitle(m_project.projectName());

    const ProjectFileState state = readProject(doc, m_workspace.zoomPosition());
    m_project.setLibrary(state.library);
    if (state.zoomShown) {
        m_workspace.setZoomShown(true);
        m_workspace.setZoomPosition(state.zoomPosition);
    }
    // No library check here: a form of the other library is read with this
    // one's records, and the kinds it does not know are passed over.
    for (const QString &file : state.formFiles) {
        if (QFileInfo(file).isFile())
            m_forms.loadFormFile(file, false);
    }
    if (state.propertiesShown) {
        m_workspace.setPropertiesShown(true);
        m_workspace.setPropertiesBounds(state.propertiesBounds);
    }
    m_workspace.setGenerateCodeEnabled(true);
    m_savedForms = listedForms();
}

void ProjectCommands::cerrarTodo()
{
    m_project.setFormCounter(0);
    m_project.destroyAllForms();
    m_workspace.setZoomShown(false);
    m_workspace.clearPropertySheet();
    m_workspace.setPropertiesShown(false);
    m_workspace.setGenerateCodeEnabled(false);
    m_workspace.setNoProjectTitle();
    m_project.setProjectName(QString());
    m_project.setProjectFile(QString());
    m_savedForms.clear();
}

QStringList ProjectCommands::listedForms() const
{
    QStringList files;
    for (const auto &form : m_project.forms()) {
        if (form->isShown() && !form->fileName().isEmpty())
            files << form->fileName();
    }
    return files;
}

bool ProjectCommands::hasUnsavedWork() const
{
    const auto &forms = m_project.forms();
    return std::any_of(forms.begin(), forms.end(),
                       [](const auto &form) { return form->isShown() && form->isModified(); }) ||
           listedForms() != m_savedForms;
}

bool ProjectCommands::confirmWorkSaved()
{
    if (m_project.isOpen()) {
        if (!hasUnsavedWork())
            return true;
        switch (askSaveChanges(m_project.ui(), QStringLiteral("project ") + m_project.projectName())) {
        case Button::Yes: return saveProject();
        case Button::No: return true;
        default: return false;
        }
    }
    // Saving one form changes no other, so the list stays valid.
    for (const auto &form : m_project.forms()) {
        if (form->isShown() && !m_forms.confirmFormSaved(*form))
            return false;
    }
    return true;
}

void ProjectCommands::newProject()
{
    UserInterface &ui = m_project.ui();
    {
        const ZoomPause pause(ui);
        if (!confirmWorkSaved())
            return;
    }
    const ZoomPause pause(ui);
    const std::optional<int> library = ui.chooseLibrary(m_project.library());
    if (!library)
        return;
    m_project.setLibrary(*library);
    cerrarTodo();
    m_project.setFormCounter(0);
    m_project.setProjectName(kNewProjectName);
    m_workspace.setProjectTitle(kNewProjectName);
    m_workspace.setPropertiesBounds(Workspace::kDefaultPropertiesBounds);
    m_workspace.setPropertiesShown(true);
    m_workspace.setGenerateCodeEnabled(true);
    m_forms.nuevoForm();
}

void ProjectCommands::openProject()
{
    UserInterface &ui = m_project.ui();
    const ZoomPause pause(ui);
    if (!confirmWorkSaved())
        return;
    const std::optional<QString> path = ui.openFileName(
        {QStringLiteral("Open Project"), QStringLiteral("Zentiform Project (*.zpj)|*.zpj"),
         QStringLiteral("zpj"), QString()});
    if (!path)
        return;
    cerrarTodo();
    m_project.setProjectFile(*path);
    m_recent.add(*path);
    abrirProyecto(*path);
}

bool ProjectCommands::saveProject()
{
    if (!m_project.isOpen())
        return false;
    if (m_project.projectFile().isEmpty())
        return saveProjectAs();
    const ZoomPause pause(m_project.ui());
    return guardaProyecto(m_project.projectFile()) == SaveResult::Saved;
}

bool ProjectCommands::saveProjectAs()
{
    if (!m_project.isOpen())
        return false;
    UserInterface &ui = m_project.ui();
    const ZoomPause pause(ui);
    const std::optional<QString> path = ui.saveFileName(
        {QStringLiteral("Save project"), QStringLiteral("Zentiform project (*.zpj)|*.zpj"),
         QStringLiteral("zpj"), m_project.projectName()});
    if (!path)
        return false;
    if (QFileInfo::exists(*path) && !confirmReplace(ui, QStringLiteral("New project"), *path))
        return false;
    const SaveResult saved = guardaProyecto(*path);
    // The project takes the new file only once the file holds it.
    if (saved == SaveResult::NotWritten)
        return false;
    m_project.setProjectFile(*path);
    m_recent.add(*path);
    m_project.setProjectName(projectNameOf(*path));
    m_workspace.setProjectTitle(m_project.projectName());
    return saved == SaveResult::Saved;
}

void ProjectCommands::closeAll()
{
    {
        const ZoomPause pause(m_project.ui());
        if (!confirmWorkSaved())
            return;
    }
    cerrarTodo();
}

void ProjectCommands::openRecentProject(const QString &path)
{
    const ZoomPause pause(m_project.ui());
    if (!confirmWorkSaved())
        return;
    cerrarTodo();
    m_project.setProjectFile(path);
    abrirProyecto(path);
}

} // namespace zf
