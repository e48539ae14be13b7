#pragma once

#include <QPoint>

namespace zf {

class DesignForm;
class DesignObject;

// What the pointer is over in a design window. Controls are drawn, not
// windows of their own, so the window finds the object the way the desktop
// would find a child window: the menus over the screen first, then the
// screen's children from the top of the child order down, looking into a
// shown dialog for its controls. Hidden objects and objects of no size are
// not found, and a child only where it lies inside its container.
//
// `point` is in the window's picture (167 x 226 form pixels). The result is
// a control, a dialog, a menu or the menu bar, the screen itself when the
// point is on its empty area, or null outside the screen.
DesignObject *objectAt(const DesignForm &form, QPoint point);

// Where `object` has its top-left corner in the window's picture.
QPoint windowOrigin(const DesignObject &object);

} // namespace zf
