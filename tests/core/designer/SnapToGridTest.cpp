#include "DesignWindowFixture.h"
#include "core/designer/SelectionDisplay.h"
#include "core/ptoolbox/PTList.h"

#include <gtest/gtest.h>

using namespace zf;
using namespace zf::test;

TEST(SnapToGridRules, HalvesGoToTheEvenMultiple)
{
    const std::pair<int, int> cases[] = {{0, 0},  {1, 0},   {2, 0},   {3, 4},   {5, 4},
                                         {6, 8},  {7, 8},   {10, 8},  {14, 16}, {-1, 0},
                                         {-2, 0}, {-3, -4}, {-6, -8}, {-10, -8}};
    for (const auto &[value, expected] : cases)
        EXPECT_EQ(snapToGrid(value, 4), expected) << value;
    EXPECT_EQ(snapToGrid(9, 1), 9);
    EXPECT_EQ(snapToGrid(-7, 0), -7);
    EXPECT_EQ(snapToGrid(12, 8), 16);
    EXPECT_EQ(snapToGrid(4, 8), 0);
}

TEST(SnapToGridRules, GridSizeKeepsThePowerOfTwoNotAbove)
{
    const std::pair<int, int> cases[] = {{6, 4}, {1, 1}, {2, 2},   {3, 2}, {4, 4},
                                         {7, 4}, {8, 8}, {31, 16}, {0, 0}, {-5, 0}};
    for (const auto &[requested, stored] : cases)
        EXPECT_EQ(gridSizeFor(requested), stored) << requested;
}

TEST(SnapToGridRules, EdgesLieInTheirHalfWithinFourPixels)
{
    // Six wide: the middle column x = 3 is in the right half.
    EXPECT_EQ(edgesAt({3, 5}, {6, 10}), ResizeEdges(ResizeEdge::Right));
    EXPECT_EQ(edgesAt({2, 5}, {6, 10}), ResizeEdges(ResizeEdge::Left));

    // Twenty wide: the left zone is x 0 to 3, the right zone x 17 to 19.
    const QSize size{20, 30};
    EXPECT_EQ(edgesAt({3, 15}, size), ResizeEdges(ResizeEdge::Left));
    EXPECT_EQ(edgesAt({4, 15}, size), ResizeEdges());
    EXPECT_EQ(edgesAt({16, 15}, size), ResizeEdges());
    EXPECT_EQ(edgesAt({17, 15}, size), ResizeEdges(ResizeEdge::Right));
    EXPECT_EQ(edgesAt({10, 0}, size), ResizeEdges(ResizeEdge::Top));
    EXPECT_EQ(edgesAt({10, 4}, size), ResizeEdges());
    EXPECT_EQ(edgesAt({10, 26}, size), ResizeEdges());
    EXPECT_EQ(edgesAt({10, 27}, size), ResizeEdges(ResizeEdge::Bottom));
    EXPECT_EQ(edgesAt({0, 29}, size), ResizeEdge::Left | ResizeEdge::Bottom);
    EXPECT_EQ(edgesAt({19, 0}, size), ResizeEdge::Right | ResizeEdge::Top);
}

TEST(SnapToGridRules, EachEdgeSetHasItsCursor)
{
    EXPECT_EQ(cursorFor({}), SnapCursor::Normal);
    EXPECT_EQ(cursorFor(ResizeEdge::Left), SnapCursor::SizeHorizontal);
    EXPECT_EQ(cursorFor(ResizeEdge::Right), SnapCursor::SizeHorizontal);
    EXPECT_EQ(cursorFor(ResizeEdge::Top), SnapCursor::SizeVertical);
    EXPECT_EQ(cursorFor(ResizeEdge::Bottom), SnapCursor::SizeVertical);
    EXPECT_EQ(cursorFor(ResizeEdge::Left | ResizeEdge::Top), SnapCursor::SizeTopLeft);
    EXPECT_EQ(cursorFor(ResizeEdge::Right | ResizeEdge::Bottom), SnapCursor::SizeTopLeft);
    EXPECT_EQ(cursorFor(ResizeEdge::Right | ResizeEdge::Top), SnapCursor::SizeTopRight);
    EXPECT_EQ(cursorFor(ResizeEdge::Left | ResizeEdge::Bottom), SnapCursor::SizeTopRight);
}

TEST(SnapToGridRules, DeltasNotPositionsAreRounded)
{
    const QRect start{3, 21, 40, 15};
    EXPECT_EQ(draggedBounds(start, {}, {4, 0}, 4), QRect(7, 21, 40, 15));
    EXPECT_EQ(draggedBounds(start, {}, {6, -5}, 4), QRect(11, 17, 40, 15));
    EXPECT_EQ(draggedBounds(start, {}, {2, 2}, 4), start);
    EXPECT_EQ(draggedBounds(start, {}, {1, 2}, 1), QRect(4, 23, 40, 15));
    EXPECT_EQ(draggedBounds(start, {}, {9, 9}, 4, false), start);

    EXPECT_EQ(draggedBounds(start, ResizeEdge::Right, {9, 3}, 4), QRect(3, 21, 48, 15));
    EXPECT_EQ(draggedBounds(start, ResizeEdge::Right, {9, 3}, 1), QRect(3, 21, 49, 15));
    EXPECT_EQ(draggedBounds(start, ResizeEdge::Left, {5, 0}, 4), QRect(7, 21, 36, 15));
    EXPECT_EQ(draggedBounds(start, ResizeEdge::Top | ResizeEdge::Bottom, {0, 3}, 1),
              QRect(3, 24, 40, 12));
    EXPECT_EQ(draggedBounds(start, ResizeEdge::Left | ResizeEdge::Right, {-2, 0}, 1),
              QRect(1, 21, 42, 15));
    EXPECT_EQ(draggedBounds(start, ResizeEdge::Right | ResizeEdge::Bottom, {-50, -20}, 1),
              QRect(3, 21, -10, -5));
}

class SnapToGridDrag : public DesignWindowFixture
{
protected:
    DesignObject *button(int left, int top, int width = 40, int height = 15)
    {
        DesignObject *object = placeKind(ControlKind::Button, 20, 20);
        object->setBounds(left, top, width, height);
        return object;
    }
};

TEST_F(SnapToGridDrag, AMoveFollowsTheGridFromThePressWithoutDrift)
{
    DesignObject *control = button(3, 21);
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
    form->undoStack().undo();
    EXPECT_EQ(control->bounds(), QRect(3, 21, 40, 15));
}

TEST_F(SnapToGridDrag, TheRightEdgeWidensByTheGridOrByThePixel)
{
    DesignObject *control = button(10, 30, 40, 15);
    drag(control, {38, 7}, {{9, 0}});
    EXPECT_EQ(control->bounds(), QRect(10, 30, 48, 15));
    EXPECT_EQ(form->undoStack().undoText(), QStringLiteral("Resize ") + control->name());
    drag(control, {46, 7}, {{9, 0}}, ShiftKey::Ctrl);
    EXPECT_EQ(control->bounds(), QRect(10, 30, 57, 15));

    // Off the grid the same drag gives the same nine pixels.
    form->setSnapGridSize(1);
    drag(control, {55, 7}, {{-9, 0}});
    EXPECT_EQ(control->bounds(), QRect(10, 30, 48, 15));
}

TEST_F(SnapToGridDrag, ShiftOrAFixedSizeHoverFindsNoEdge)
{
    DesignObject *control = button(10, 30, 40, 15);
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

TEST_F(SnapToGridDrag, AResizeLeavesOnlyTheSelectedObjectSelected)
{
    DesignObject *first = button(10, 10);
    DesignObject *second = button(10, 50);
    click(first);
    click(second, MouseButton::Left, ShiftKey::Shift);
    ASSERT_TRUE(first->isSelected() && second->isSelected());

    // Moving keeps the selection whole.
    drag(second, {20, 7}, {{0, 8}}, ShiftKey::Shift);
    EXPECT_TRUE(first->isSelected());
    EXPECT_EQ(second->top(), 58);

    // The bottom edge found, a press with Shift keeps both selected until
    // the size changes; then only the selected object stays.
    snap.mouseMove(*second, {}, {20, 14}, {20, 14});
    snap.mouseDown(*second, MouseButton::Left, ShiftKey::Shift | ShiftKey::Left, {20, 14},
                   {20, 14});
    EXPECT_TRUE(first->isSelected());
    snap.mouseMove(*second, ShiftKey::Shift | ShiftKey::Left, {}, {20, 18});
    snap.mouseUp(*second, MouseButton::Left, ShiftKey::Shift, {});
    EXPECT_EQ(second->bounds(), QRect(10, 58, 40, 19));
    EXPECT_FALSE(first->isSelected());
    EXPECT_TRUE(second->isSelected());
    EXPECT_EQ(second->selectColor(), 0xFF0000u);
}

TEST_F(SnapToGridDrag, ThePressIsReportedBeforeTheDragRecordsItsStart)
{
    DesignObject *control = button(10, 10);
    std::vector<QString> reports;
    snap.onMouseDown = [&](const SnapMouseEvent &event) {
        reports.push_back(
            QStringLiteral("down %1,%2").arg(event.position.x()).arg(event.position.y()));
        event.control->setLeft(30); // what showing a control may do
    };
    snap.onMouseMove = [&](const SnapMouseEvent &) { reports.push_back(QStringLiteral("move")); };
    snap.onMouseUp = [&](const SnapMouseEvent &event) {
        reports.push_back(event.button == MouseButton::Right ? QStringLiteral("up right")
                                                             : QStringLiteral("up"));
    };
    snap.mouseDown(*control, MouseButton::Right, ShiftKey::Right, {5, 6}, {0, 0});
    EXPECT_TRUE(snap.isDragging());
    snap.mouseMove(*control, ShiftKey::Right, {}, {4, 0});
    EXPECT_EQ(control->left(), 34);
    snap.mouseUp(*control, MouseButton::Right, {}, {});
    EXPECT_FALSE(snap.isDragging());
    snap.mouseDown(*control, MouseButton::Middle, ShiftKey::Middle, {}, {});
    EXPECT_FALSE(snap.isDragging());
    EXPECT_EQ(reports, (std::vector<QString>{QStringLiteral("down 5,6"), QStringLiteral("move"),
                                             QStringLiteral("up right")}));
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

class SnapToGridList : public DesignWindowFixture
{
protected:
    SnapToGridList() : DesignWindowFixture(kLibraryPToolBox) {}
};

TEST_F(SnapToGridList, AReleaseFitsTheRowsAndTheFileKeepsTheResize)
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
    EXPECT_EQ(form->undoStack().text(stepsBefore), QStringLiteral("Resize ") + list->name());

    const QString file = path(QStringLiteral("list.zsc"));
    form->setFileName(file);
    ASSERT_EQ(forms.save(*form, false), FormCommands::SaveResult::Saved);
    DesignForm *reopened = forms.loadFormFile(file, true);
    ASSERT_TRUE(reopened);
    auto *kept = objectCast<TPTList>(reopened->findOwned(list->name()));
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->maxItems(), 3);
    EXPECT_EQ(kept->height(), 42);

    // Undo takes back the drag and the fit as one; a click without a drag
    // changes nothing and adds no step.
    form->undoStack().undo();
    EXPECT_EQ(list->maxItems(), 2);
    EXPECT_EQ(list->height(), 29);
    click(list);
    click(list, MouseButton::Right);
    EXPECT_EQ(form->undoStack().count(), stepsBefore + 1);
    EXPECT_EQ(list->height(), 29);
}
