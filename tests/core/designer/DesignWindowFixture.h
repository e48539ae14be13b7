#pragma once

#include "app/CommandsFixture.h"
#include "core/app/DesignWindowRules.h"
#include "core/designer/cSnapToGrid.h"

namespace zf::test {

// A new current form with the design window's rules and its two mouse
// editors, clicked and dragged as the window does.
class DesignWindowFixture : public CommandsFixture
{
protected:
    explicit DesignWindowFixture(int library = kLibraryCControls, bool grid = true)
        : form(newForm(library, grid))
    {
        for (TSnapToGrid *editor : {&snap, &snapDialog}) {
            editor->onMouseDown = [this](const SnapMouseEvent &event) {
                rules.controlPressed(*form, *event.control, event.shift);
            };
            editor->onMouseUp = [this](const SnapMouseEvent &event) {
                rules.controlReleased(*form, *event.control, event.shift);
            };
        }
    }

    // A press and release without moving; `keys` are Shift and Ctrl.
    void click(DesignObject *control, MouseButton button = MouseButton::Left, ShiftState keys = {})
    {
        const ShiftState held =
            button == MouseButton::Left ? ShiftState(ShiftKey::Left) : ShiftState(ShiftKey::Right);
        TSnapToGrid &editor = control->parent() == form->screen() ? snap : snapDialog;
        editor.mouseDown(*control, button, keys | held, {1, 1}, {1, 1});
        editor.mouseUp(*control, button, keys, {1, 1});
    }

    // A left-button drag from `at` through each of `moves`.
    void drag(DesignObject *control, QPoint at, std::initializer_list<QPoint> moves,
              ShiftState keys = {})
    {
        snap.mouseMove(*control, keys, at, at);
        snap.mouseDown(*control, MouseButton::Left, keys | ShiftKey::Left, at, at);
        for (QPoint move : moves)
            snap.mouseMove(*control, keys | ShiftKey::Left, at + move, at + move);
        snap.mouseUp(*control, MouseButton::Left, keys, at);
    }

    DesignObject *placeKind(ControlKind kind, int x, int y) { return place(*form, kind, x, y); }

    // A button (or `kind`) in `container` (null: the screen) at `bounds`.
    DesignObject *placeAt(const QRect &bounds, DesignContainer *container = nullptr,
                          ControlKind kind = ControlKind::Button)
    {
        DesignObject *object = place(*form, kind, 10, 10, container);
        object->setBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
        return object;
    }

    DesignForm *newForm(int library, bool grid)
    {
        project.setLibrary(library);
        project.setGridOn(grid);
        return &forms.nuevoForm();
    }

    DesignWindowRules rules{forms, workspace};
    DesignForm *form;
    TSnapToGrid snap{*form, TSnapToGrid::Container::Screen};
    TSnapToGrid snapDialog{*form, TSnapToGrid::Container::Dialog};
};

} // namespace zf::test
