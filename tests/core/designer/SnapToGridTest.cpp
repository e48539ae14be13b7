#include "DesignWindowFixture.h"
#include "core/designer/SelectionDisplay.h"
#include "core/ptoolbox/PTList.h"

#include <gtest/gtest.h>

using namespace zf;
using namespace zf::test;

TEST(SnapToGridRules, HalvesGoToTheEvenMultipleAndGridSizesArePowersOfTwo)
{
    const std::tuple<int, int, int> snaps[] = {
        {0, 4, 0},   {1, 4, 0},    {2, 4, 0},   {3, 4, 4},   {5, 4, 4},   {6, 4, 8},
        {7, 4, 8},   {10, 4, 8},   {14, 4, 16}, {-1, 4, 0},  {-2, 4, 0},  {-3, 4, -4},
        {-6, 4, -8}, {-10, 4, -8}, {9, 1, 9},   {-7, 0, -7}, {12, 8, 16}, {4, 8, 0}};
    for (const auto &[value, step, expected] : snaps)
        EXPECT_EQ(snapToGrid(value, step), expected) << value << " by " << step;
    const std::pair<int, int> sizes[] = {{6, 4}, {1, 1}, {2, 2},   {3, 2}, {4, 4},
                                         {7, 4}, {8, 8}, {31, 16}, {0, 0}, {-5, 0}};
    for (const auto &[requested, stored] : sizes)
        EXPECT_EQ(gridSizeFor(requested), stored) << requested;
}

// An edge lies within four pixels in its half of the control; each set of
// edges has its cursor.
TEST(SnapToGridRules, EdgesAndTheirCursors)
{
    using E = ResizeEdge;
    using C = SnapCursor;
    const QSize size{20, 30};
    const std::tuple<QPoint, QSize, ResizeEdges, SnapCursor> cases[] = {
        {{3, 5}, {6, 10}, E::Right, C::SizeHorizontal}, // the middle column is the right half's
        {{2, 5}, {6, 10}, E::Left, C::SizeHorizontal},
        {{3, 15}, size, E::Left, C::SizeHorizontal},
        {{4, 15}, size, {}, C::Normal},
        {{16, 15}, size, {}, C::Normal},
        {{17, 15}, size, E::Right, C::SizeHorizontal},
        {{10, 0}, size, E::Top, C::SizeVertical},
        {{10, 4}, size, {}, C::Normal},
        {{10, 26}, size, {}, C::Normal},
        {{10, 27}, size, E::Bottom, C::SizeVertical},
        {{0, 29}, size, E::Left | E::Bottom, C::SizeTopRight},
        {{19, 0}, size, E::Right | E::Top, C::SizeTopRight},
        {{0, 0}, size, E::Left | E::Top, C::SizeTopLeft},
        {{19, 29}, size, E::Right | E::Bottom, C::SizeTopLeft},
    };
    for (const auto &[point, extent, edges, cursor] : cases) {
        EXPECT_EQ(edgesAt(point, extent), edges) << point.x() << ',' << point.y();
        EXPECT_EQ(cursorFor(edges), cursor) << point.x() << ',' << point.y();
    }
}

// Deltas, not positions, are rounded to the grid.
TEST(SnapToGridRules, DraggedBoundsRoundTheDelta)
{
    using E = ResizeEdge;
    const QRect start{3, 21, 40, 15};
    const std::tuple<ResizeEdges, QPoint, int, QRect> cases[] = {
        {{}, {4, 0}, 4, {7, 21, 40, 15}},
        {{}, {6, -5}, 4, {11, 17, 40, 15}},
        {{}, {2, 2}, 4, start},
        {{}, {1, 2}, 1, {4, 23, 40, 15}},
        {E::Right, {9, 3}, 4, {3, 21, 48, 15}},
        {E::Right, {9, 3}, 1, {3, 21, 49, 15}},
        {E::Left, {5, 0}, 4, {7, 21, 36, 15}},
        {E::Top | E::Bottom, {0, 3}, 1, {3, 24, 40, 12}},
        {E::Left | E::Right, {-2, 0}, 1, {1, 21, 42, 15}},
        {E::Right | E::Bottom, {-50, -20}, 1, {3, 21, -10, -5}},
    };
    for (const auto &[edges, delta, grid, expected] : cases)
        EXPECT_EQ(draggedBounds(start, edges, delta, grid), expected)
            << delta.x() << ',' << delta.y() << " grid " << grid;
    EXPECT_EQ(draggedBounds(start, {}, {9, 9}, 4, false), start);
}

using SnapToGridDrag = DesignWindowFixture;

TEST_F(SnapToGridDrag, AMoveFollowsTheGridFromThePressWithoutDrift)
{
    DesignObject *control = placeAt({3, 21, 40, 15});
    const int stepsBefore = form->undoStack().count();
    snap.mouseMove(*control, {}, {20, 7}, {40, 30});
    snap.mouseDown(*control, MouseButton::Left, ShiftKey::Left, {20, 7}, {40, 30});
    const ShiftState held = ShiftKey::Left;
    snap.mouseMove(*control, held, {}, {42, 30});
    EXPECT_EQ(control->left(), 3); // 2 rounds to 0
    snap.mouseMove(*control, held, {}, {43, 31});
    EXPECT_EQ(control->bounds(), QRect(7, 21, 40, 15));
    snap.mouseMove(*control, held, {}, {46, 36});
    EXPECT_EQ(control->bounds(), QRect(11, 29, 40, 15));
    snap.mouseMove(*control, held | ShiftKey::Ctrl, {}, {41, 29});
    EXPECT_EQ(control->bounds(), QRect(4, 20, 40, 15));
    snap.mouseUp(*control, MouseButton::Left, {}, {});
    EXPECT_EQ(form->undoStack().count(), stepsBefore + 1);
    EXPECT_EQ(form->undoStack().text(stepsBefore), QStringLiteral("Move ") + control->name());
}

// Moving keeps the selection whole; sizing by an edge leaves only the
// selected object selected.
TEST_F(SnapToGridDrag, AResizeByTheEdgeLeavesOnlyTheSelectedObjectSelected)
{
    DesignObject *first = placeAt({10, 10, 40, 15});
    DesignObject *second = placeAt({10, 30, 40, 15});
    click(first);
    click(second, MouseButton::Left, ShiftKey::Shift);
    drag(second, {20, 7}, {{0, 8}}, ShiftKey::Shift);
    EXPECT_TRUE(first->isSelected());
    EXPECT_EQ(second->top(), 38);

    // The bottom edge found, a press with Shift keeps both selected until
    // the size changes.
    snap.mouseMove(*second, {}, {20, 14}, {20, 14});
    snap.mouseDown(*second, MouseButton::Left, ShiftKey::Shift | ShiftKey::Left, {20, 14},
                   {20, 14});
    EXPECT_TRUE(first->isSelected());
    snap.mouseMove(*second, ShiftKey::Shift | ShiftKey::Left, {}, {20, 18});
    snap.mouseUp(*second, MouseButton::Left, ShiftKey::Shift, {});
    EXPECT_EQ(second->bounds(), QRect(10, 38, 40, 19));
    EXPECT_EQ(form->undoStack().undoText(), QStringLiteral("Resize ") + second->name());
    EXPECT_FALSE(first->isSelected());
    EXPECT_EQ(second->selectColor(), 0xFF0000u);
}

TEST_F(SnapToGridDrag, ShiftOrAFixedSizeHoverFindsNoEdge)
{
    DesignObject *control = placeAt({10, 30, 40, 15});
    EXPECT_EQ(snap.mouseMove(*control, {}, {39, 14}, {}), SnapCursor::SizeTopLeft);
    EXPECT_EQ(snap.edges(), ResizeEdge::Right | ResizeEdge::Bottom);
    EXPECT_EQ(snap.mouseMove(*control, ShiftKey::Shift, {39, 14}, {}), SnapCursor::Normal);
    EXPECT_EQ(snap.edges(), ResizeEdges());

    // The last hover decides: a drag from the edge with Shift held moves.
    drag(control, {39, 14}, {{8, 4}}, ShiftKey::Shift);
    EXPECT_EQ(control->bounds(), QRect(18, 34, 40, 15));

    snap.isResizeable = false;
    EXPECT_EQ(snap.mouseMove(*control, {}, {0, 7}, {}), SnapCursor::Normal);
    snap.isMoveable = false;
    drag(control, {20, 7}, {{8, 8}});
    EXPECT_EQ(control->bounds(), QRect(18, 34, 40, 15));
}

TEST_F(SnapToGridDrag, ThePressIsReportedBeforeTheDragRecordsItsStart)
{
    DesignObject *control = placeAt({10, 10, 40, 15});
    QStringList reports;
    snap.onMouseDown = [&](const SnapMouseEvent &event) {
        reports << QStringLiteral("down %1,%2").arg(event.position.x()).arg(event.position.y());
        event.control->setLeft(30); // what showing a control may do
    };
    snap.onMouseMove = [&](const SnapMouseEvent &) { reports << QStringLiteral("move"); };
    snap.onMouseUp = [&](const SnapMouseEvent &event) {
        reports << (event.button == MouseButton::Right ? "up right" : "up");
    };
    snap.mouseDown(*control, MouseButton::Right, ShiftKey::Right, {5, 6}, {0, 0});
    EXPECT_TRUE(snap.isDragging());
    snap.mouseMove(*control, ShiftKey::Right, {}, {4, 0});
    EXPECT_EQ(control->left(), 34);
    snap.mouseUp(*control, MouseButton::Right, {}, {});
    EXPECT_FALSE(snap.isDragging());
    snap.mouseDown(*control, MouseButton::Middle, ShiftKey::Middle, {}, {});
    EXPECT_FALSE(snap.isDragging());
    EXPECT_EQ(reports, QStringList({"down 5,6", "move", "up right"}));
}

TEST_F(SnapToGridDrag, EachEditorKeepsItsStepInTheForm)
{
    snap.setGridSize(6);
    EXPECT_EQ(form->snapGridSize(), 4);
    EXPECT_EQ(snap.gridSize(), 4);
    snapDialog.setGridSize(1);
    EXPECT_EQ(form->snapDialogGridSize(), 1);
    EXPECT_EQ(snap.snapToGridWindow(), form->screen());
    EXPECT_EQ(snapDialog.snapToGridWindow(), nullptr);
    DesignObject *dialog = placeKind(ControlKind::Dialog, 0, 0);
    EXPECT_EQ(snapDialog.snapToGridWindow(), dialog);
    // A new dialog takes the screen's step.
    EXPECT_EQ(snapDialog.gridSize(), 4);
}

namespace {
class SnapToGridList : public DesignWindowFixture
{
protected:
    SnapToGridList() : DesignWindowFixture(kLibraryPToolBox) {}
};
} // namespace

// The drag and the fit are one step; a click without a drag adds none.
TEST_F(SnapToGridList, AReleaseFitsTheRowsInTheSameUndoStep)
{
    auto *list = objectCast<TPTList>(placeKind(ControlKind::List, 8, 8));
    ASSERT_TRUE(list);
    ASSERT_EQ(list->rowHeight(), 13); // the screen's font
    ASSERT_EQ(list->height(), 29);
    const int stepsBefore = form->undoStack().count();
    drag(list, {10, 28}, {{0, 4}, {0, 12}});
    EXPECT_EQ(list->maxItems(), 3);
    EXPECT_EQ(list->height(), 42);
    EXPECT_EQ(form->undoStack().count(), stepsBefore + 1);
    form->undoStack().undo();
    EXPECT_EQ(list->maxItems(), 2);
    EXPECT_EQ(list->height(), 29);
    click(list);
    click(list, MouseButton::Right);
    EXPECT_EQ(form->undoStack().count(), stepsBefore + 1);
    EXPECT_EQ(list->height(), 29);
}
