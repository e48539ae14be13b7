#pragma once

#include "core/designer/DesignCommands.h"
#include "core/designer/cSnapToGrid.h"
#include "core/model/ControlKind.h"

#include <QPoint>
#include <QRect>

namespace zf {

class DesignContainer;
class DesignForm;
class DesignObject;
class DesignProject;
class FormCommands;
class Workspace;

// What the mouse does in a design window, apart from moving and resizing
// (TSnapToGrid): making the window current, placing controls, and selecting
// them, singly or with Shift. Every rule here reads and writes the model and
// the project's state only; the window adds the keyboard focus, the caption
// and the repaint.
class DesignWindowRules
{
public:
    DesignWindowRules(FormCommands &forms, Workspace &workspace);

    // The window becomes the current one, its control list is rebuilt and its
    // last selected object (the form at first) is shown in the sheet.
    void makeCurrent(DesignForm &form);

    // A button pressed on the empty screen: the form is selected.
    void screenPressed(DesignForm &form);
    // A button released on the screen or on the shown dialog `clicked`, at
    // `point` in its coordinates: with the left button, the control of the
    // pressed toolbox kind is placed there (on the grid while the screen
    // shows it), or else the form or the dialog is shown.
    void screenReleased(DesignForm &form, DesignContainer &clicked, MouseButton button,
                        QPoint point);

    // A press on a control (both editors). The right button alone leaves the
    // selection as it is; Shift with the left button adds the control to it.
    void controlPressed(DesignForm &form, DesignObject &control, ShiftState shift);
    // A release on a control, a menu or the menu bar.
    void controlReleased(DesignForm &form, DesignObject &control, ShiftState shift);

    // A selection rectangle let go over `container`, the screen or the
    // shown dialog: what it touches is selected, or joins the selection with
    // Shift. A rectangle that touches nothing selects as a click on the
    // container does, or leaves the selection alone with Shift.
    void bandReleased(DesignForm &form, DesignContainer &container, const QRect &band,
                      ShiftState shift);

    // The release of a double click: the editor of the selected object's
    // items, table or bitmap is asked for, when the object has one. False
    // otherwise; the window then opens the object's text in place.
    bool doubleClicked(DesignForm &form);

    // A kind dragged from the toolbox and let go at `point` of the window's
    // picture: placed as a click with its tool pressed would place it, on the
    // screen or in the dialog under the point (a control there stands for
    // its container); a menu's topic goes where it is let go. Returns false,
    // changing nothing, when the point is off the screen or the library's
    // toolbox has no such kind (a drag from a program open on the other
    // library).
    bool kindDropped(DesignForm &form, ControlKind kind, QPoint point);

    // An object picked outside the window, in the project tree: its form is
    // shown (again, when it was closed) and made current, and the object
    // becomes the only one selected; the screen stands for the form.
    void chooseObject(DesignObject &object);

private:
    FormCommands &m_forms;
    Workspace &m_workspace;
};

} // namespace zf
