#include "core/designer/FormHitTest.h"
#include "core/designer/FormRenderer.h"
#include "core/model/CCForm.h"
#include "core/model/DesignForm.h"

namespace zf {

namespace {

// The topmost drawn child of `list` under `point`, in the list's coordinates.
DesignObject *topmostAt(const ChildList &list, QPoint point)
{
    for (int i = list.size() - 1; i >= 0; --i) {
        DesignObject *object = list.at(i);
        if (isDrawn(*object) && object->bounds().contains(point))
            return object;
    }
    return nullptr;
}

} // namespace

DesignObject *objectAt(const DesignForm &form, QPoint point)
{
    if (DesignObject *own = topmostAt(form.windowChildren(), point))
        return own;
    TCCForm *screen = form.screen();
    if (!screen->bounds().contains(point))
        return nullptr;
    const QPoint onScreen = point - screen->bounds().topLeft();
    DesignObject *object = topmostAt(screen->children(), onScreen);
    if (!object)
        return screen;
    if (object->isContainer()) {
        const QPoint inside = onScreen - object->bounds().topLeft();
        if (DesignObject *child =
                topmostAt(static_cast<DesignContainer *>(object)->children(), inside))
            return child;
    }
    return object;
}

QPoint windowOrigin(const DesignObject &object)
{
    QPoint origin = object.bounds().topLeft();
    for (const DesignObject *container = object.parent(); container;
         container = container->parent())
        origin += container->bounds().topLeft();
    return origin;
}

} // namespace zf
