#pragma once

#include "core/model/DesignObject.h"

#include <QRect>

namespace zf {

class DesignContainer;
class DesignForm;

// Shows the project's selected object as the selection of `form`. Without
// `multi` every other mark of the window is cleared first; with it the object
// joins the selection (in the added colour when others are selected). The
// window then remembers the object as its last selected one. The form itself
// (its screen) carries no mark.
void MostrarSeleccionado(DesignForm &form, bool multi);

// A selection rectangle let go over `container` (the screen or the shown
// dialog), `band` in its coordinates: the children it touches become the
// selection, the first in reading order the reference of the layout
// commands and the selected object. With `add` they join the selection
// instead, which keeps its reference. Returns the selected object, or null
// when the rectangle touched nothing (and then nothing changed).
DesignObject *SelectTouching(DesignForm &form, DesignContainer &container, const QRect &band,
                             bool add);

// The resize handler of every control: once a control's width or height has
// changed (a resize drag, an edited property), the selection falls back to
// the selected object alone. A change of position alone does not run it, and
// the layout commands never do, so that the controls they size stay selected.
void ControlaResize(DesignForm &form);

// Runs `edit`, a change of `control` such as one step of a resize drag or an
// applied property value, and then the resize handler when the edit changed
// the control's width or height.
template <typename Edit>
void EditWithResizeHandler(DesignForm &form, const DesignObject &control, Edit &&edit)
{
    const QSize before = control.bounds().size();
    edit();
    if (control.bounds().size() != before)
        ControlaResize(form);
}

} // namespace zf
