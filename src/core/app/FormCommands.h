#pragma once

#include "core/base/FileProblem.h"

#include <QString>

namespace zf {

class DesignForm;
class DesignProject;
class IniDocument;
class Workspace;

// The form commands of the File menu and the routines behind them: making,
// loading, saving and closing design windows. Every question goes through
// the project's UserInterface; the windows mirror the model and the
// Workspace.
class FormCommands
{
public:
    // How a save ended; only Saved means the file now holds the form.
    enum class SaveResult {
        Saved,
        Cancelled, // the save dialog was cancelled
        Declined,  // the user would not replace the existing file
        Failed,    // the file system refused the write
    };

    FormCommands(DesignProject &project, Workspace &workspace);

    // NuevoForm: a new form named `name` (the next default name when empty)
    // in a new design window, with the grid of View Grid, placed, shown,
    // showing the form's properties, and current.
    DesignForm &nuevoForm(const QString &name = QString());

    // Load: fills a form just made by nuevoForm() from `doc`, tells the user
    // about records that had to be left out, and makes the window current.
    // Returns what reading worked around.
    FileProblems load(DesignForm &form, const IniDocument &doc);

    // Reads the form file at `path` into a new window; with `checkLibrary`
    // a file of another library is refused with a message. Null when nothing
    // was opened: a file without a form name opens nothing, silently.
    DesignForm *loadFormFile(const QString &path, bool checkLibrary);

    // Save: writes the form to its file, asking for a name when `ask` is
    // true or it has none, and whether to replace an existing file. The
    // form takes the file's name only once the file holds it. A cancelled
    // dialog leaves the zoom view paused for the caller to resume.
    SaveResult save(DesignForm &form, bool ask);

    // Makes a design window the current one: its control list is rebuilt
    // and its last selected object (the form at first) is selected.
    void makeCurrent(DesignForm &form);

    // The commands. Save Form, Save Form As and Close Form do nothing
    // without a window.
    void newForm();
    // Returns the window opened or shown again, or null.
    DesignForm *openForm();
    void saveForm();
    void saveFormAs();
    // The save question of one form, asked only when it has changes its
    // file lacks: true when the command that asks may go on. A Yes whose
    // save does not complete answers false, as Cancel does.
    bool confirmFormSaved(DesignForm &form);

    // Close Form on the window that holds the keyboard focus, and the close
    // box of a design window: asks to save, then hides the window. When it
    // was the current one, the shown window activated last becomes current,
    // or none is. True when it was closed.
    bool closeForm(DesignForm *form);

private:
    void saveCurrent(bool ask);
    void leaveClosedForm(DesignForm &form);

    DesignProject &m_project;
    Workspace &m_workspace;
};

} // namespace zf
