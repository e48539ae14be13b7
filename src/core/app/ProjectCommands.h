#pragma once

#include <QString>
#include <QStringList>

namespace zf {

class DesignProject;
class FormCommands;
class RecentProjects;
class Workspace;

// The project commands of the File menu and the routines behind them:
// saving, opening and closing a project with its forms.
class ProjectCommands
{
public:
    // How a project save ended.
    enum class SaveResult {
        Saved,        // the project file and every open form were written
        FormsUnsaved, // the project file was written, some open form was not
        NotWritten,   // the project file was not written
    };

    ProjectCommands(DesignProject &project, Workspace &workspace, FormCommands &forms,
                    RecentProjects &recent);

    // GuardaProyecto: saves every open form (asking as Save Form does) and
    // updates the project file at `path` in place.
    SaveResult guardaProyecto(const QString &path);
    // AbrirProyecto: the library first, then the windows and the forms the
    // file lists. A file that does not exist opens as an empty project.
    void abrirProyecto(const QString &path);
    // CerrarTodo: destroys every form and leaves no project open.
    void cerrarTodo();

    // The save questions of the commands that end the work in memory (New
    // Project, Open Project, a recent project, Close All) and of quitting:
    // true when the command may go on. An open project is asked about once,
    // when it has unsaved work; without a project every shown form with
    // changes is asked about on its own, so that no form belonging to no
    // project (a recovered one, say) is dropped unasked. A Yes whose save
    // does not complete stops the command, as Cancel does: going on would
    // throw away work the user meant to keep.
    bool confirmWorkSaved();

    // Whether the open project holds work its files lack: a shown form with
    // changes, or shown forms other than those its file lists.
    bool hasUnsavedWork() const;

    // The commands. Save Project and Save Project As return true when the
    // project was saved completely.
    void newProject();
    void openProject();
    bool saveProject();
    bool saveProjectAs();
    void closeAll();
    void openRecentProject(const QString &path);

private:
    // The project's name from its file: the file name without its last four
    // characters (the extension and its dot).
    static QString projectNameOf(const QString &path);
    // The form files the project file would list now.
    QStringList listedForms() const;

    DesignProject &m_project;
    Workspace &m_workspace;
    FormCommands &m_forms;
    RecentProjects &m_recent;
    // The form files the project file listed when it was last opened or
    // saved.
    QStringList m_savedForms;
};

} // namespace zf
