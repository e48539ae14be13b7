#pragma once

#include "core/model/ChildList.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <functional>
#include <memory>
#include <vector>

namespace zf {

class DesignContainer;
class DesignObject;
class DesignProject;
class FormChange;
class TCCForm;
class TPTDialog;

// One line of a form's control list: "Name: Kind" and the object it names.
// The form's own line carries the screen, which stands for the form.
struct ControlListLine
{
    QString text;
    DesignObject *object = nullptr;
};
using ControlList = std::vector<ControlListLine>;

// Whether `text` may name a component: a letter or "_", then letters, digits
// and "_". Generated code uses the names as identifiers.
bool isValidIdentifier(const QString &text);

// Which consecutive changes fold into one undo step: changes with the same
// kind and session merge (the moves of one drag, the keystrokes of one cell).
struct MergeKey
{
    int kind = -1; // -1: never merges
    quint64 session = 0;
};

// One form: its screen with the controls and dialogs on it, the menu bar and
// menus of CControls, the dialog it shows, and the state a design window
// shows and keeps. It is a document of its own; windows only show it. Every
// user change runs through perform(), which records it as one undo step; the
// form then announces it through changed().
class DesignForm : public QObject
{
    Q_OBJECT

public:
    DesignForm(DesignProject &project, const QString &name);
    ~DesignForm() override;

    DesignProject &project() const { return m_project; }

    const QString &name() const { return m_name; }
    void setName(const QString &name);
    const QString &fileName() const { return m_fileName; }
    void setFileName(const QString &fileName) { m_fileName = fileName; }
    // The design window's caption: the file-name part of FileName, or the
    // form's name + ".zsc" for a form never saved.
    const QString &caption() const { return m_caption; }
    void setCaption(const QString &caption);

    // Place of the design window in the main window's client area.
    int left() const { return m_left; }
    int top() const { return m_top; }
    void setPosition(int left, int top);
    // A closed design window is hidden, not destroyed.
    bool isShown() const { return m_shown; }
    void setShown(bool shown);

    TCCForm *screen() const { return m_screen.get(); }
    // The objects of the window itself, beside the screen: menu bar and menus.
    ChildList &windowChildren() { return m_windowChildren; }
    const ChildList &windowChildren() const { return m_windowChildren; }

    TPTDialog *currentDialog() const { return m_currentDialog; }
    void setCurrentDialog(TPTDialog *dialog);
    std::vector<TPTDialog *> dialogs() const;

    // The object last selected here: a control, a dialog or the screen (the
    // form); restored as the property sheet's subject when the window becomes
    // current.
    DesignObject *lastSelected() const { return m_lastSelected; }
    void setLastSelected(DesignObject *object) { m_lastSelected = object; }

    // The snap steps of the two mouse editors: one for the screen's controls,
    // one for those in the shown dialog.
    int snapGridSize() const { return m_snapGridSize; }
    int snapDialogGridSize() const { return m_snapDialogGridSize; }
    void setSnapGridSize(int size) { m_snapGridSize = size; }
    void setSnapDialogGridSize(int size) { m_snapDialogGridSize = size; }

    // Every object of the form: the screen's children in child order, each
    // dialog's controls right after the dialog, then the window's own objects.
    void forEachObject(const std::function<void(DesignObject *)> &visit) const;
    // Any object owned by the window, compared without regard to letter case,
    // the way component names are, including the window's own parts.
    DesignObject *findOwned(const QString &name) const;
    bool isNameTaken(const QString &name, const DesignObject *except = nullptr) const;
    // The text refusing `name` for `object`, or an empty text when it is fine.
    QString renameError(const DesignObject *object, const QString &name) const;
    // The container a loaded control goes into: "panScreen", or the first
    // object on the screen of that name, else the screen.
    DesignContainer *findContainer(const QString &parentName) const;

    // Selection marks, in the colours of the container the object lies in.
    void selectControl(DesignObject *object, bool selected, bool multi);
    void deselectAll();

    // Dialogs: at most one is shown, the current one.
    TPTDialog *newDialog(const QString &name);
    void showDialog(TPTDialog *dialog);
    void hideDialog(TPTDialog *dialog);

    // Inserts a new object on top of `container`'s children.
    DesignObject *addObject(std::unique_ptr<DesignObject> object, DesignContainer *container);
    // Removes an object from the form (a dialog with its controls). Menus and
    // the menu bar are removed from the window. An open change keeps it for
    // undo; otherwise it is destroyed.
    void removeObject(DesignObject *object);
    void bringToFront(DesignObject *object);
    void sendToBack(DesignObject *object);

    const ControlList &controlList() const { return m_controlList; }
    // Rebuilds the control list with the library in force.
    void refreshControlList();
    const ControlListLine *controlListLine(const DesignObject *object) const;

    QUndoStack &undoStack() { return m_undoStack; }

    // Runs `change` as one undoable step. Nested calls join the open step.
    template <typename F>
    void perform(const QString &text, F &&change, MergeKey merge = {})
    {
        if (m_change) {
            change();
            return;
        }
        beginChange();
        change();
        endChange(text, merge);
    }
    // Runs `change` as one undoable step, or, when it returns false, takes
    // back everything it did and records nothing: an edit of several objects
    // that one of them refuses changes none. Nested in an open step it joins
    // that step, which then decides for it.
    template <typename F>
    bool performOrRevert(const QString &text, F &&change, MergeKey merge = {})
    {
        if (m_change)
            return change();
        beginChange();
        if (!change()) {
            revertChange();
            return false;
        }
        endChange(text, merge);
        return true;
    }
    bool isChanging() const { return m_change != nullptr; }
    static quint64 newMergeSession();

    // Announces a change that is not an undo step (selection, loading).
    void notifyChanged() { Q_EMIT changed(); }

    // Called by objects and child lists before they change.
    void recordObject(DesignObject *object);
    void recordChildren(ChildList *list);

Q_SIGNALS:
    // Anything shown of the form may have changed.
    void changed();
    // The design window's caption, position or visibility changed.
    void windowChanged();

private:
    friend class FormChange;
    void beginChange();
    void endChange(const QString &text, MergeKey merge);
    void revertChange();
    void keepRemoved(std::unique_ptr<DesignObject> object);

    DesignProject &m_project;
    QString m_name;
    QString m_fileName;
    QString m_caption;
    int m_left = 0;
    int m_top = 0;
    bool m_shown = true;
    std::unique_ptr<TCCForm> m_screen;
    ChildList m_windowChildren;
    TPTDialog *m_currentDialog = nullptr;
    DesignObject *m_lastSelected = nullptr;
    int m_snapGridSize = 1;
    int m_snapDialogGridSize = 1;
    ControlList m_controlList;
    QUndoStack m_undoStack;
    std::unique_ptr<FormChange> m_change;
};

} // namespace zf
