#pragma once

#include "core/model/DesignForm.h"

#include <QRect>

namespace zf {

class DesignObject;
class DesignProject;

// The edits of a design window that act on the selected object or on one
// control, each one undo step.

// "&Delete control": removes the selected object (a dialog with its controls;
// after a question, the menu bar with every menu). Nothing happens for the
// form itself. The form becomes the selected object. Returns true when
// something was deleted.
bool DeleteControl(DesignForm &form);

// Move the selected object to the top or the bottom of its container's child
// order, which is also the order of saving and generating.
void BringToFront(DesignForm &form);
void SendToBack(DesignForm &form);

// Moves and sizes one object; the changes of one drag share `merge`. The
// step reads "Resize" and the name when the size changes, else "Move".
void SetObjectBounds(DesignForm &form, DesignObject *object, const QRect &bounds,
                     MergeKey merge = {});

// Rebuilds the window's control list, then shows its selection alone (the
// selected object without the others).
void RefreshControlList(DesignForm &form);

// Shows the current design window's form in the property sheet: no control
// of the window stays selected and the form becomes the selected object. The
// window takes the keyboard focus; that is the window's part.
void PresentarPropiedadesForm(DesignProject &project);

// "&Delete control" and the Delete key: deletes the selected object of
// `form` (after a question for the menu bar), then shows the form. Nothing
// happens while the form itself is selected.
void DeleteSelectedControl(DesignForm &form);

} // namespace zf
