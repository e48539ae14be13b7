#pragma once

#include <QPoint>
#include <QRect>

#include <vector>

namespace zf {

class DesignContainer;
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

// The rectangle a drag from `from` to `to` spans, both corner pixels
// included, whichever way the mouse went.
QRect bandBetween(QPoint from, QPoint to);

// The children of `container` that a selection rectangle touches: the drawn
// ones that share at least one pixel with `band` (in the container's
// coordinates), in reading order, top to bottom and then left to right, so
// the first is the one a reader meets first, whatever the child order.
std::vector<DesignObject *> objectsTouching(const DesignContainer &container, const QRect &band);

// Whether a left-button drag that starts at `point` of `target` (in its own
// coordinates) draws a selection rectangle: from anywhere on the empty
// screen, and from the body of the shown dialog, below its title bar and
// clear of the edges that resize it. The title bar and the frame still move
// the dialog, and the edges size it.
bool startsRubberBand(const DesignForm &form, const DesignObject &target, QPoint point);

} // namespace zf
