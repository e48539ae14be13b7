#include "core/designer/Layout.h"
#include "core/base/Saturating.h"
#include "core/model/CCForm.h"
#include "core/model/DesignProject.h"
#include "core/model/LibrarySupport.h"
#include "core/model/PTDialog.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace zf {

namespace {

// The colours that mark the control selected first (the reference).
constexpr PalmColor kScreenPrimary = 0xFF0000;
constexpr PalmColor kDialogPrimary = 0x0000FF;

enum class Axis { Left, Top, Width, Height };

int valueOf(const DesignObject &o, Axis axis, LayoutSource source)
{
    const bool palm = source == LayoutSource::Palm;
    switch (axis) {
    case Axis::Left:
        return palm ? o.userLeft() : o.left();
    case Axis::Top:
        return palm ? o.userTop() : o.top();
    case Axis::Width:
        return palm ? o.userWidth() : o.width();
    case Axis::Height:
        return palm ? o.userHeight() : o.height();
    }
    return 0;
}

void setValue(DesignObject &o, Axis axis, LayoutSource source, qint64 wide)
{
    const int value = saturate(wide);
    const bool palm = source == LayoutSource::Palm;
    switch (axis) {
    case Axis::Left:
        palm ? o.setUserLeft(value) : o.setLeft(value);
        break;
    case Axis::Top:
        palm ? o.setUserTop(value) : o.setTop(value);
        break;
    case Axis::Width:
        palm ? o.setUserWidth(value) : o.setWidth(value);
        break;
    case Axis::Height:
        palm ? o.setUserHeight(value) : o.setHeight(value);
        break;
    }
}

std::optional<LayoutValues> valuesOf(const LibrarySupport &library, const DesignObject &object)
{
    const KindSpec *spec = library.specOf(object);
    return spec ? spec->layout : std::nullopt;
}

// What a mode reads from the reference.
qint64 readValue(const DesignObject &o, const LayoutValues &v, AlignMode mode)
{
    switch (mode) {
    case AlignMode::Left:
        return valueOf(o, Axis::Left, v.position);
    case AlignMode::Top:
        return valueOf(o, Axis::Top, v.position);
    case AlignMode::Right:
        return qint64(valueOf(o, Axis::Left, v.rightPosition)) + valueOf(o, Axis::Width, v.width);
    case AlignMode::Bottom:
        return qint64(valueOf(o, Axis::Top, v.position)) + valueOf(o, Axis::Height, v.height);
    case AlignMode::Width:
        return valueOf(o, Axis::Width, v.width);
    case AlignMode::Height:
        return valueOf(o, Axis::Height, v.height);
    }
    return 0;
}

bool takesPart(const LayoutValues &v, AlignMode mode)
{
    return (mode != AlignMode::Width || v.sameWidth) && (mode != AlignMode::Height || v.sameHeight);
}

void applyValue(DesignObject &o, const LayoutValues &v, AlignMode mode, qint64 value)
{
    switch (mode) {
    case AlignMode::Left:
        setValue(o, Axis::Left, v.position, value);
        break;
    case AlignMode::Top:
        setValue(o, Axis::Top, v.position, value);
        break;
    case AlignMode::Right:
        setValue(o, Axis::Left, v.rightPosition, value - valueOf(o, Axis::Width, v.width));
        break;
    case AlignMode::Bottom:
        setValue(o, Axis::Top, v.position, value - valueOf(o, Axis::Height, v.height));
        break;
    case AlignMode::Width:
        setValue(o, Axis::Width, v.width, value);
        break;
    case AlignMode::Height:
        setValue(o, Axis::Height, v.height, value);
        break;
    }
}

QString alignText(AlignMode mode)
{
    switch (mode) {
    case AlignMode::Left:
        return QStringLiteral("Align Left");
    case AlignMode::Right:
        return QStringLiteral("Align Right");
    case AlignMode::Top:
        return QStringLiteral("Align Top");
    case AlignMode::Bottom:
        return QStringLiteral("Align Bottom");
    case AlignMode::Width:
        return QStringLiteral("Same Width");
    case AlignMode::Height:
        return QStringLiteral("Same Height");
    }
    return {};
}

struct Reference
{
    DesignContainer *group = nullptr;
    DesignObject *control = nullptr;
};

// The screen's children are searched first in child order, each dialog's
// controls when the search reaches the dialog.
std::optional<Reference> findReference(const DesignForm &form)
{
    TCCForm *screen = form.screen();
    for (DesignObject *child : screen->children()) {
        if (child->isSelected() && child->selectColor() == kScreenPrimary)
            return Reference{screen, child};
        if (auto *dialog = objectCast<TPTDialog>(child)) {
            for (DesignObject *inner : dialog->children()) {
                if (inner->isSelected() && inner->selectColor() == kDialogPrimary)
                    return Reference{dialog, inner};
            }
        }
    }
    return std::nullopt;
}

bool hasLibrary(const DesignForm &form)
{
    return form.project().librarySupport().library() != 0;
}

QString directionText(const char *verb, LayoutDirection direction)
{
    return QLatin1String(verb) + (direction == LayoutDirection::Horizontal
                                      ? QStringLiteral(" Horizontally")
                                      : QStringLiteral(" Vertically"));
}

void centreIn(DesignObject &o, const DesignContainer &container, LayoutDirection direction)
{
    // Integer division truncates toward zero, as halving and truncating does.
    if (direction == LayoutDirection::Horizontal)
        o.setLeft(saturate((qint64(container.width()) - o.width()) / 2));
    else
        o.setTop(saturate((qint64(container.height()) - o.height()) / 2));
}

int positionOf(const DesignObject &o, LayoutDirection direction)
{
    return direction == LayoutDirection::Horizontal ? o.left() : o.top();
}

int sizeOf(const DesignObject &o, LayoutDirection direction)
{
    return direction == LayoutDirection::Horizontal ? o.width() : o.height();
}

// Controls are ordered by their position as numbers, so negative positions
// take their place before zero; controls that share a position keep their
// child order, and every one of them is moved like the others.
void spaceGroup(const DesignContainer &container, LayoutDirection direction)
{
    std::vector<DesignObject *> controls;
    qint64 total = 0;
    for (DesignObject *child : container.children()) {
        if (child->isSelected()) {
            controls.push_back(child);
            total += sizeOf(*child, direction);
        }
    }
    if (controls.size() < 2)
        return;
    std::stable_sort(controls.begin(), controls.end(), [direction](auto *a, auto *b) {
        return positionOf(*a, direction) < positionOf(*b, direction);
    });

    const qint64 first = positionOf(*controls.front(), direction);
    const qint64 span = positionOf(*controls.back(), direction) +
                        qint64(sizeOf(*controls.back(), direction)) - first;
    const auto gap = qint64(std::trunc(double(span - total) / double(controls.size() - 1)));
    qint64 next = first + sizeOf(*controls.front(), direction) + gap;
    for (size_t i = 1; i < controls.size(); ++i) {
        DesignObject &control = *controls[i];
        if (direction == LayoutDirection::Horizontal)
            control.setLeft(saturate(next));
        else
            control.setTop(saturate(next));
        next += sizeOf(control, direction) + gap;
    }
}

} // namespace

void AlignSelected(DesignForm &form, AlignMode mode)
{
    const LibrarySupport &library = form.project().librarySupport();
    const std::optional<Reference> reference = findReference(form);
    if (!reference)
        return;
    const std::optional<LayoutValues> referenceValues = valuesOf(library, *reference->control);
    if (!referenceValues || !takesPart(*referenceValues, mode))
        return;
    const qint64 value = readValue(*reference->control, *referenceValues, mode);

    form.perform(alignText(mode), [&] {
        for (DesignObject *child : reference->group->children()) {
            if (!child->isSelected())
                continue;
            const std::optional<LayoutValues> values = valuesOf(library, *child);
            if (values && takesPart(*values, mode))
                applyValue(*child, *values, mode, value);
        }
    });
}

void CenterSelected(DesignForm &form, LayoutDirection direction)
{
    if (!hasLibrary(form))
        return;
    form.perform(directionText("Center", direction), [&] {
        TCCForm *screen = form.screen();
        for (DesignObject *child : screen->children()) {
            if (child->isSelected())
                centreIn(*child, *screen, direction);
            if (auto *dialog = objectCast<TPTDialog>(child)) {
                for (DesignObject *inner : dialog->children()) {
                    if (inner->isSelected())
                        centreIn(*inner, *dialog, direction);
                }
            }
        }
    });
}

std::vector<DesignObject *> FormatTargets(DesignForm &form)
{
    std::vector<DesignObject *> targets;
    const auto consider = [&](DesignObject *object) {
        if (std::find(targets.begin(), targets.end(), object) == targets.end())
            targets.push_back(object);
    };
    for (DesignObject *child : form.screen()->children()) {
        if (child->isSelected())
            consider(child);
        if (auto *dialog = objectCast<TPTDialog>(child)) {
            for (DesignObject *inner : dialog->children()) {
                if (inner->isSelected())
                    consider(inner);
            }
        }
    }
    // Menus and the menu bar carry no lasting mark: the selected object
    // stands for them.
    DesignObject *subject = form.project().selectedObject();
    if (subject && subject->form() == &form && subject != form.screen())
        consider(subject);
    return targets;
}

void FitSelectedToText(DesignForm &form)
{
    const LibrarySupport &library = form.project().librarySupport();
    std::vector<std::pair<DesignObject *, KindSpec::Fit>> fitted;
    for (DesignObject *object : FormatTargets(form)) {
        if (const KindSpec *spec = library.specOf(*object); spec && spec->fitToText)
            fitted.emplace_back(object, spec->fitToText);
    }
    if (fitted.empty())
        return;
    form.perform(QStringLiteral("Fit to Text"), [&] {
        for (auto &[object, fit] : fitted)
            fit(*object);
    });
}

void SpaceSelected(DesignForm &form, LayoutDirection direction)
{
    if (!hasLibrary(form))
        return;
    form.perform(directionText("Space", direction), [&] {
        spaceGroup(*form.screen(), direction);
        for (TPTDialog *dialog : form.dialogs())
            spaceGroup(*dialog, direction);
    });
}

} // namespace zf
