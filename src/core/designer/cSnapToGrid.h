#pragma once

#include "core/model/DesignForm.h"

#include <QFlags>
#include <QPoint>
#include <QRect>

#include <functional>

namespace zf {

class DesignContainer;
class DesignObject;

enum class MouseButton { Left, Right, Middle };

// The keys and buttons held, as a mouse message carries them: a button that
// is being released is no longer in it, and Alt never is.
enum class ShiftKey { Shift = 0x1, Ctrl = 0x2, Left = 0x4, Right = 0x8, Middle = 0x10 };
Q_DECLARE_FLAGS(ShiftState, ShiftKey)
Q_DECLARE_OPERATORS_FOR_FLAGS(ShiftState)

// The edges of a control that a drag resizes; none means the drag moves it.
enum class ResizeEdge { Left = 0x1, Right = 0x2, Top = 0x4, Bottom = 0x8 };
Q_DECLARE_FLAGS(ResizeEdges, ResizeEdge)
Q_DECLARE_OPERATORS_FOR_FLAGS(ResizeEdges)

// The pointer shapes the editor shows over a control.
enum class SnapCursor {
    Normal,
    SizeHorizontal, // left or right edge
    SizeVertical,   // top or bottom edge
    SizeTopLeft,    // top-left or bottom-right corner: the "\" diagonal
    SizeTopRight,   // top-right or bottom-left corner: the "/" diagonal
};

// How close to an edge, in form pixels, the pointer resizes instead of moving.
inline constexpr int kEdgeZone = 4;

// `value` brought to the nearest multiple of `step`; a value halfway between
// two goes to the even multiple, so with a step of 4, 2 gives 0, 6 gives 8
// and 10 gives 8. A step below 2 changes nothing.
int snapToGrid(int value, int step);

// What the editor stores for a requested grid size: the largest power of two
// not above it (6 stores 4), or 0 for a value below 1.
int gridSizeFor(int requested);

// The edges found at `position` inside a control of `size`: an edge counts
// when the pointer is in its half of the control and within the edge zone.
ResizeEdges edgesAt(QPoint position, QSize size);
SnapCursor cursorFor(ResizeEdges edges);

// Where a drag that has gone `delta` from the press puts a control that had
// `start` at the press. With edges, left wins over right and top over bottom;
// without, the control moves when `moveable`. Each of the four changes is
// brought to the grid on its own unless `gridSize` is 1, so a control keeps
// its offset from the grid. Nothing keeps the control inside its container or
// its size above zero.
QRect draggedBounds(const QRect &start, ResizeEdges edges, QPoint delta, int gridSize,
                    bool moveable = true);

// What the editor reports to the design window about one mouse message:
// the control under the mouse, the button, the shift state and the position in
// the control's coordinates.
struct SnapMouseEvent
{
    DesignObject *control = nullptr;
    MouseButton button = MouseButton::Left;
    ShiftState shift;
    QPoint position;
};

// The mouse editor of one container of a form: it moves and resizes the
// container's direct children with the mouse, on the grid. `snap` edits the
// controls lying on the screen, `snapDialog` those inside the shown dialog.
//
// The design window feeds it the mouse messages of the controls, in form
// pixels: `position` in the control's own coordinates and `global` in any
// fixed frame (the window's picture), which measures the drag. The editor
// reports each message first, then hovers or drags; the reports may change
// the selection or the control itself before the drag records its start.
// Every drag is one undo step.
class TSnapToGrid
{
public:
    enum class Container { Screen, Dialog };

    TSnapToGrid(DesignForm &form, Container container);

    // The container whose children it edits: the screen, or the shown dialog
    // (none while no dialog is shown).
    DesignContainer *snapToGridWindow() const;

    // The snap step, kept by the form so that View Grid reaches every window.
    int gridSize() const;
    void setGridSize(int size);

    bool isMoveable = true;
    bool isResizeable = true;

    std::function<void(const SnapMouseEvent &)> onMouseDown;
    std::function<void(const SnapMouseEvent &)> onMouseUp;
    std::function<void(const SnapMouseEvent &)> onMouseMove;

    // Left or right button pressed on a control: starts a drag. Other
    // buttons are not the editor's.
    void mouseDown(DesignObject &control, MouseButton button, ShiftState shift, QPoint position,
                   QPoint global);
    // While dragging, `control` is the one pressed, which holds the mouse.
    // Returns the pointer shape to show.
    SnapCursor mouseMove(DesignObject &control, ShiftState shift, QPoint position, QPoint global);
    // Any button released over a PToolBox list first fits its rows to its
    // height.
    void mouseUp(DesignObject &control, MouseButton button, ShiftState shift, QPoint position);
    // Forgets the drag without a report, when its control left the form
    // while the mouse held it.
    void cancelDrag();

    bool isDragging() const { return m_dragging; }
    DesignObject *draggedControl() const { return m_dragging ? m_control : nullptr; }
    // The edges the last hover found; they decide what the next drag does.
    ResizeEdges edges() const { return m_edges; }
    SnapCursor cursor() const { return m_cursor; }

private:
    void drag(QPoint global, ShiftState shift);
    void fitListRows(DesignObject &control);

    DesignForm &m_form;
    Container m_container;
    ResizeEdges m_edges;
    SnapCursor m_cursor = SnapCursor::Normal;
    bool m_dragging = false;
    DesignObject *m_control = nullptr;
    QPoint m_start;
    QRect m_startBounds;
    MergeKey m_merge;
};

} // namespace zf
