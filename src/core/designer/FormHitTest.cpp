#include "core/designer/FormHitTest.h"
#include "core/designer/FormRenderer.h"
#include "core/designer/cSnapToGrid.h"
#include "core/model/CCForm.h"
#include "core/model/DesignForm.h"
#include "core/model/PTDialog.h"

#include <algorithm>

namespace zf {

namespace {

// A dialog's title bar fills its top rows down to y = 13.
constexpr int kDialogTitleHeight = 14;

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

QRect bandBetween(QPoint from, QPoint to)
{
    return QRect(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y())),
                 QPoint(std::max(from.x(), to.x()), std::max(from.y(), to.y())));
}

std::vector<DesignObject *> objectsTouching(const DesignContainer &container, const QRect &band)
{
    std::vector<DesignObject *> touched;
    for (DesignObject *object : container.children()) {
        if (isDrawn(*object) && object->bounds().intersects(band))
            touched.push_back(object);
    }
    std::stable_sort(touched.begin(), touched.end(),
                     [](const DesignObject *a, const DesignObject *b) {
                         return std::pair(a->top(), a->left()) < std::pair(b->top(), b->left());
                     });
    return touched;
}

bool startsRubberBand(const DesignForm &form, const DesignObject &target, QPoint point)
{
    if (&target == form.screen())
        return true;
    const auto *dialog = objectCast<TPTDialog>(&target);
    if (!dialog || dialog != form.currentDialog() || !isDrawn(*dialog))
        return false;
    return point.y() >= kDialogTitleHeight && !edgesAt(point, dialog->bounds().size());
}

} // namespace zf
