#include "DesignWindowFixture.h"
#include "core/ptoolbox/PTList.h"

using namespace zf;
using namespace zf::test;

TEST(SnapToGridRules, HalvesGoToTheEvenMultipleAndGridSizesArePowersOfTwo)
{
    const std::tuple<int, int, int> snaps[] = {{2, 4, 0},   {3, 4, 4}, {6, 4, 8},   {10, 4, 8},
                                               {-6, 4, -8}, {9, 1, 9}, {-7, 0, -7}, {12, 8, 16}};
    for (const auto &[value, step, expected] : snaps)
        EXPECT_EQ(snapToGrid(value, step), expected) << value << " by " << step;
    const std::pair<int, int> sizes[] = {{6, 4}, {1, 1}, {8, 8}, {31, 16}, {-5, 0}};
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
        {{3, 15}, size, E::Left, C::SizeHorizontal},
        {{4, 15}, size, {}, C::Normal},
        {{10, 27}, size, E::Bottom, C::SizeVertical},
        {{0, 29}, size, E::Left | E::Bottom, C::SizeTopRight},
        {{19, 29}, size, E::Right | E::Bottom, C::SizeTopLeft}};
    for (const auto &[point, extent, edges, cursor] : cases)
        EXPECT_EQ(std::pair(edgesAt(point, extent), cursorFor(edges)), std::pair(edges, cursor))
            << point.x() << ',' << point.y();
}

// Deltas, not positions, are rounded to the grid.
TEST(SnapToGridRules, DraggedBoundsRoundTheDelta)
{
    using E = ResizeEdge;
    const QRect start{3, 21, 40, 15};
    const std::tuple<ResizeEdges, QPoint, int, QRect> cases[] = {
        {{}, {6, -5}, 4, {11, 17, 40, 15}},
        {{}, {2, 2}, 4, start},
        {E::Right, {9, 3}, 4, {3, 21, 48, 15}},
        {E::Left, {5, 0}, 4, {7, 21, 36, 15}},
        {E::Right | E::Bottom, {-50, -20}, 1, {3, 21, -10, -5}}};
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
    // Ctrl drops the grid; 2 rounds to 0.
    const std::tuple<QPoint, ShiftState, QPoint> moves[] = {{{42, 30}, {}, {3, 21}},
                                                            {{43, 31}, {}, {7, 21}},
                                                            {{46, 36}, {}, {11, 29}},
                                                            {{41, 29}, ShiftKey::Ctrl, {4, 20}}};
    for (const auto &[at, keys, expected] : moves) {
        snap.mouseMove(*control, keys | ShiftKey::Left, {}, at);
        EXPECT_EQ(control->bounds(), QRect(expected, QSize(40, 15))) << at.x();
    }
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
}

namespace {
struct SnapToGridList : DesignWindowFixture
{
    SnapToGridList() : DesignWindowFixture(kLibraryPToolBox) {}
};
} // namespace

// The drag and the fit are one step; a click without a drag adds none.
TEST_F(SnapToGridList, AReleaseFitsTheRowsInTheSameUndoStep)
{
    auto *list = objectCast<TPTList>(placeKind(ControlKind::List, 8, 8));
    ASSERT_EQ(list->height(), 29); // rows of the screen's font, 13 high
    const int stepsBefore = form->undoStack().count();
    drag(list, {10, 28}, {{0, 4}, {0, 12}});
    EXPECT_EQ(std::tuple(list->maxItems(), list->height()), std::tuple(3, 42));
    form->undoStack().undo();
    EXPECT_EQ(std::tuple(list->maxItems(), list->height()), std::tuple(2, 29));
    click(list);
    click(list, MouseButton::Right);
    EXPECT_EQ(form->undoStack().count(), stepsBefore + 1);
}
