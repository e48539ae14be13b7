#pragma once

#include "core/model/DesignForm.h"

#include <QRect>

namespace zf {

class DesignObject;

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

} // namespace zf
