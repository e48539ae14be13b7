#pragma once

#include "core/base/PalmColor.h"
#include "core/model/ControlKind.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace zf {

class DesignForm;
class DesignObject;
class LibrarySupport;
class UserInterface;

inline constexpr int kLibraryCControls = 1;
inline constexpr int kLibraryPToolBox = 2;

// The one open project and the designer's process-wide state: the library in
// force, the naming counters, the forms (open or closed) in the application's
// window order, the current form and the selected object. There is never
// more than one; the application creates it at start-up.
class DesignProject : public QObject
{
    Q_OBJECT

public:
    explicit DesignProject(UserInterface &ui);
    ~DesignProject() override;

    UserInterface &ui() const { return m_ui; }

    const QString &projectName() const { return m_projectName; }
    const QString &projectFile() const { return m_projectFile; }
    void setProjectName(const QString &name) { m_projectName = name; }
    void setProjectFile(const QString &file) { m_projectFile = file; }
    bool isOpen() const { return !m_projectName.isEmpty(); }

    // The library every per-library operation reads when it runs: 1
    // CControls, 2 PToolBox; any other value makes them do nothing.
    int library() const { return m_library; }
    void setLibrary(int library);
    const LibrarySupport &librarySupport() const;

    int formCounter() const { return m_formCounter; }
    void setFormCounter(int counter) { m_formCounter = counter; }
    // One counter for the new control names of every kind, form and project;
    // never reset.
    qint64 controlCounter() const { return m_controlCounter; }
    bool shortNames() const { return m_shortNames; }
    void setShortNames(bool on) { m_shortNames = on; }
    // View Grid: new forms start with the grid shown.
    bool gridOn() const { return m_gridOn; }
    void setGridOn(bool on) { m_gridOn = on; }
    PalmColor newControlColor() const { return m_newControlColor; }

    // The toolbox button that is down, if any: the kind the next click on a
    // form creates.
    std::optional<ControlKind> pressedTool() const { return m_pressedTool; }
    void setPressedTool(std::optional<ControlKind> kind);

    // "Form" + n, or "Fm" + n with short names.
    QString nextFormName();
    // A fresh control name: prefix + the next counter value that no object
    // of the form bears.
    QString uniqueControlName(const QString &prefix, const DesignForm &form);

    const std::vector<std::unique_ptr<DesignForm>> &forms() const { return m_forms; }
    // The forms as the desktop stacks their windows: the most recently
    // activated first.
    const std::vector<DesignForm *> &formsInWindowOrder() const { return m_windowOrder; }
    DesignForm *addForm(const QString &name);
    // Destroys every form, the last first.
    void destroyAllForms();

    DesignForm *currentDesignWindow() const { return m_currentForm; }
    void setCurrentDesignWindow(DesignForm *form);

    // The control, dialog or screen (standing for its form) last selected;
    // the subject of the property sheet, Cut, Copy, Delete and the arrow keys.
    DesignObject *selectedObject() const { return m_selectedObject; }
    void setSelectedObject(DesignObject *object);

    // Arrow-key nudging (core/designer/Nudging.h): whether the keys act on
    // the design surface, and whether they move by the grid step. Every call
    // announces itself, even without a change, because each switch rewrites
    // the status text.
    bool cursorKeysActive() const { return m_cursorKeysActive; }
    void setCursorKeysActive(bool active);
    bool gridStep() const { return m_gridStep; }
    void setGridStep(bool on);

Q_SIGNALS:
    void formAdded(DesignForm *form);
    void formAboutToBeRemoved(DesignForm *form);
    void currentDesignWindowChanged(DesignForm *form);
    void selectedObjectChanged(DesignObject *object);
    void libraryChanged(int library);
    void pressedToolChanged(std::optional<ControlKind> kind);
    void cursorKeysChanged();

private:
    UserInterface &m_ui;
    QString m_projectName;
    QString m_projectFile;
    int m_library = kLibraryPToolBox;
    int m_formCounter = 0;
    qint64 m_controlCounter = 0;
    bool m_shortNames = false;
    bool m_gridOn = false;
    PalmColor m_newControlColor = kPalmWhite;
    std::optional<ControlKind> m_pressedTool;
    std::vector<std::unique_ptr<DesignForm>> m_forms;
    std::vector<DesignForm *> m_windowOrder;
    DesignForm *m_currentForm = nullptr;
    DesignObject *m_selectedObject = nullptr;
    bool m_cursorKeysActive = true;
    bool m_gridStep = true;
};

} // namespace zf
