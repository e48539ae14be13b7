#include "core/designer/cSnapToGrid.h"
#include "core/base/Saturating.h"
#include "core/designer/DesignCommands.h"
#include "core/designer/SelectionDisplay.h"
#include "core/model/CCForm.h"
#include "core/model/PTDialog.h"
#include "core/ptoolbox/PTList.h"

namespace zf {

namespace {

// The moves of one drag fold into one undo step.
constexpr int kDragMerge = 3;

// Whether the object still lies on its form: a shortcut such as Undo may
// take it away while the mouse holds it.
bool isPlaced(DesignForm &form, DesignObject *object)
{
    const ChildList &list = object->parent() ? object->parent()->children() : form.windowChildren();
    return list.contains(object);
}

} // namespace

int snapToGrid(int value, int step)
{
    if (step < 2)
        return value;
    // Floor division keeps the remainder in [0, step) for negative values too.
    const qint64 v = value;
    qint64 quotient = v / step;
    if (v % step < 0)
        --quotient;
    const qint64 twice = 2 * (v - quotient * step);
    if (twice > step || (twice == step && (quotient & 1) != 0))
        ++quotient;
    return saturate(quotient * step);
}

int gridSizeFor(int requested)
{
    if (requested < 1)
        return 0;
    int size = 1;
    while (size <= requested / 2)
        size *= 2;
    return size;
}

ResizeEdges edgesAt(QPoint position, QSize size)
{
    const int x = position.x();
    const int y = position.y();
    const int w = size.width();
    const int h = size.height();
    ResizeEdges edges;
    if (x < w - x) {
        if (x < kEdgeZone)
            edges |= ResizeEdge::Left;
    } else if (w < x + kEdgeZone) {
        edges |= ResizeEdge::Right;
    }
    if (y < h - y) {
        if (y < kEdgeZone)
            edges |= ResizeEdge::Top;
    } else if (h < y + kEdgeZone) {
        edges |= ResizeEdge::Bottom;
    }
    return edges;
}

SnapCursor cursorFor(ResizeEdges edges)
{
    const bool horizontal = edges.testAnyFlags(ResizeEdge::Left | ResizeEdge::Right);
    const bool vertical = edges.testAnyFlags(ResizeEdge::Top | ResizeEdge::Bottom);
    if (horizontal && vertical) {
        const bool falling = edges.testFlag(ResizeEdge::Left) == edges.testFlag(ResizeEdge::Top);
        return falling ? SnapCursor::SizeTopLeft : SnapCursor::SizeTopRight;
    }
    if (horizontal)
        return SnapCursor::SizeHorizontal;
    if (vertical)
        return SnapCursor::SizeVertical;
    return SnapCursor::Normal;
}

QRect draggedBounds(const QRect &start, ResizeEdges edges, QPoint delta, int gridSize,
                    bool moveable)
{
    int dLeft = 0;
    int dTop = 0;
    int dWidth = 0;
    int dHeight = 0;
    if (edges) {
        if (edges.testFlag(ResizeEdge::Left)) {
            dLeft = delta.x();
            dWidth = -delta.x();
        } else if (edges.testFlag(ResizeEdge::Right)) {
            dWidth = delta.x();
        }
        if (edges.testFlag(ResizeEdge::Top)) {
            dTop = delta.y();
            dHeight = -delta.y();
        } else if (edges.testFlag(ResizeEdge::Bottom)) {
            dHeight = delta.y();
        }
    } else if (moveable) {
        dLeft = delta.x();
        dTop = delta.y();
    }
    const auto add = [gridSize](int value, int change) {
        return saturate(qint64(value) + snapToGrid(change, gridSize));
    };
    return {add(start.x(), dLeft), add(start.y(), dTop), add(start.width(), dWidth),
            add(start.height(), dHeight)};
}

TSnapToGrid::TSnapToGrid(DesignForm &form, Container container)
    : m_form(form), m_container(container)
{
}

DesignContainer *TSnapToGrid::snapToGridWindow() const
{
    if (m_container == Container::Screen)
        return m_form.screen();
    return m_form.currentDialog();
}

int TSnapToGrid::gridSize() const
{
    return m_container == Container::Screen ? m_form.snapGridSize() : m_form.snapDialogGridSize();
}

void TSnapToGrid::setGridSize(int size)
{
    if (m_container == Container::Screen)
        m_form.setSnapGridSize(gridSizeFor(size));
    else
        m_form.setSnapDialogGridSize(gridSizeFor(size));
}

void TSnapToGrid::mouseDown(DesignObject &control, MouseButton button, ShiftState shift,
                            QPoint position, QPoint global)
{
    if (button == MouseButton::Middle)
        return;
    if (onMouseDown)
        onMouseDown({&control, button, shift, position});
    // Recorded after the report, which may have changed the control.
    m_dragging = true;
    m_control = &control;
    m_start = global;
    m_startBounds = control.bounds();
    m_merge = {kDragMerge, DesignForm::newMergeSession()};
}

SnapCursor TSnapToGrid::mouseMove(DesignObject &control, ShiftState shift, QPoint position,
                                  QPoint global)
{
    if (onMouseMove)
        onMouseMove({m_dragging ? m_control : &control, MouseButton::Left, shift, position});
    if (m_dragging) {
        drag(global, shift);
        return m_cursor;
    }
    m_edges = {};
    if (!shift.testFlag(ShiftKey::Shift) && isResizeable)
        m_edges = edgesAt(position, control.bounds().size());
    m_cursor = cursorFor(m_edges);
    return m_cursor;
}

void TSnapToGrid::drag(QPoint global, ShiftState shift)
{
    const int step = shift.testFlag(ShiftKey::Ctrl) ? 1 : gridSize();
    const QRect bounds = draggedBounds(m_startBounds, m_edges, global - m_start, step, isMoveable);
    DesignObject *control = m_control;
    if (!isPlaced(m_form, control) || bounds == control->bounds())
        return;
    EditWithResizeHandler(m_form, *control,
                          [&] { SetObjectBounds(m_form, control, bounds, m_merge); });
}

void TSnapToGrid::mouseUp(DesignObject &control, MouseButton button, ShiftState shift,
                          QPoint position)
{
    fitListRows(control);
    if (button == MouseButton::Middle)
        return;
    if (onMouseUp)
        onMouseUp({&control, button, shift, position});
    cancelDrag();
}

void TSnapToGrid::fitListRows(DesignObject &control)
{
    // A list shows whole rows, so the height a drag leaves becomes the rows
    // that fit; it joins the drag's undo step, or else makes one of its own.
    auto *list = objectCast<TPTList>(&control);
    if (!list || !isPlaced(m_form, list))
        return;
    const MergeKey merge = m_dragging && m_control == list ? m_merge : MergeKey{};
    EditWithResizeHandler(m_form, *list, [&] {
        m_form.perform(
            QStringLiteral("Resize ") + list->name(), [&] { list->fitMaxItemsToHeight(); }, merge);
    });
}

void TSnapToGrid::cancelDrag()
{
    m_dragging = false;
    m_control = nullptr;
}

} // namespace zf
