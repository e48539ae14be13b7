#include "core/designer/Nudging.h"
#include "DesignWindowFixture.h"
#include "core/ccontrols/CCMenuBar.h"
#include "core/ccontrols/ccontrols.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace zf;
using namespace zf::test;

namespace {

class NudgingTest : public DesignWindowFixture
{
protected:
    DesignObject *labelAt(int left, int top)
    {
        DesignObject *label = placeKind(ControlKind::Label, 10, 10);
        label->setLeft(left);
        label->setTop(top);
        click(label);
        return label;
    }

    bool press(NudgeKey key) { return NudgeKeyPressed(project, key); }
};

} // namespace

TEST_F(NudgingTest, TheGridStepMovesByFourAndSpaceSwitchesToOne)
{
    DesignObject *label = labelAt(3, 20);
    EXPECT_TRUE(project.cursorKeysActive());
    EXPECT_TRUE(project.gridStep());
    EXPECT_TRUE(press(NudgeKey::Right));
    EXPECT_EQ(label->left(), 7);
    EXPECT_EQ(CursorKeysStatusText(project), QStringLiteral("Cursor keys activated - Grid Step"));

    QSignalSpy announced(&project, &DesignProject::cursorKeysChanged);
    EXPECT_TRUE(press(NudgeKey::Space));
    EXPECT_EQ(announced.count(), 1);
    EXPECT_EQ(CursorKeysStatusText(project), QStringLiteral("Cursor keys activated - Single Step"));
    press(NudgeKey::Right);
    EXPECT_EQ(label->left(), 8);
    press(NudgeKey::Down);
    press(NudgeKey::Down);
    press(NudgeKey::Up);
    EXPECT_EQ(label->top(), 21);

    press(NudgeKey::Space);
    press(NudgeKey::Left);
    press(NudgeKey::Up);
    // Not brought to the grid: off it by the same amount.
    EXPECT_EQ(label->bounds().topLeft(), QPoint(4, 17));
}

TEST_F(NudgingTest, ConsecutiveNudgesOfOneControlAreOneUndoStep)
{
    DesignObject *first = labelAt(10, 10);
    DesignObject *second = labelAt(40, 40);
    const int steps = form->undoStack().count();
    press(NudgeKey::Right);
    press(NudgeKey::Right);
    press(NudgeKey::Down);
    EXPECT_EQ(form->undoStack().count(), steps + 1);
    click(first);
    press(NudgeKey::Left);
    EXPECT_EQ(form->undoStack().count(), steps + 2);
    form->undoStack().undo();
    form->undoStack().undo();
    EXPECT_EQ(second->bounds().topLeft(), QPoint(40, 40));
    EXPECT_EQ(first->bounds().topLeft(), QPoint(10, 10));
}

TEST_F(NudgingTest, KeysSwitchedOffDoNothing)
{
    DesignObject *label = labelAt(10, 10);
    QSignalSpy announced(&project, &DesignProject::cursorKeysChanged);
    SwitchCursorKeysOff(project);
    EXPECT_EQ(CursorKeysStatusText(project), QString());
    EXPECT_FALSE(press(NudgeKey::Right));
    EXPECT_FALSE(press(NudgeKey::Space));
    EXPECT_FALSE(press(NudgeKey::Delete));
    EXPECT_EQ(label->left(), 10);
    EXPECT_TRUE(project.gridStep());
    EXPECT_EQ(form->screen()->children().size(), 1);

    // A click on a control hands them back, announced even when already on.
    click(label);
    EXPECT_TRUE(press(NudgeKey::Down));
    EXPECT_EQ(label->top(), 14);
    SwitchCursorKeysOn(project);
    EXPECT_EQ(announced.count(), 3);
}

TEST_F(NudgingTest, OnlyControlsMove)
{
    DesignObject *label = labelAt(10, 10);
    rules.screenPressed(*form);
    ASSERT_EQ(project.selectedObject(), form->screen());
    EXPECT_FALSE(press(NudgeKey::Right));
    EXPECT_EQ(form->screen()->left(), 4);

    DesignObject *menu = placeKind(ControlKind::Menu, 0, 0);
    ASSERT_EQ(project.selectedObject(), menu);
    const int left = menu->left();
    EXPECT_FALSE(press(NudgeKey::Left));
    project.setSelectedObject(menuBarOf(*form));
    EXPECT_FALSE(press(NudgeKey::Left));
    EXPECT_EQ(menu->left(), left);
    EXPECT_EQ(label->left(), 10);

    project.setSelectedObject(nullptr);
    EXPECT_FALSE(press(NudgeKey::Up));
}

TEST_F(NudgingTest, DeleteActsOnTheCurrentWindow)
{
    labelAt(10, 10);
    EXPECT_TRUE(press(NudgeKey::Delete));
    EXPECT_TRUE(form->screen()->children().isEmpty());
    EXPECT_EQ(project.selectedObject(), form->screen());

    project.setCurrentDesignWindow(nullptr);
    EXPECT_FALSE(press(NudgeKey::Delete));
}

class GridOffNudging : public NudgingTest
{
protected:
    GridOffNudging() { project.setGridOn(false); }
};

TEST_F(GridOffNudging, WithoutTheGridArrowsMoveByOne)
{
    DesignObject *label = labelAt(10, 10);
    ASSERT_TRUE(project.gridStep());
    EXPECT_EQ(NudgeStep(project), 1);
    press(NudgeKey::Right);
    EXPECT_EQ(label->left(), 11);
    press(NudgeKey::Space);
    press(NudgeKey::Right);
    EXPECT_EQ(label->left(), 12);
}

TEST_F(NudgingTest, ShiftWithTheArrowsSizesByTheSameStepInOneUndoStep)
{
    DesignObject *other = labelAt(10, 60);
    DesignObject *button = placeKind(ControlKind::Button, 10, 10);
    click(other);
    click(button, MouseButton::Left, ShiftKey::Shift);
    ASSERT_TRUE(other->isSelected());
    const QRect start = button->bounds();
    const int steps = form->undoStack().count();
    const auto size = [this](NudgeKey key) { return NudgeKeyPressed(project, key, true); };

    EXPECT_TRUE(size(NudgeKey::Right));
    EXPECT_TRUE(size(NudgeKey::Down));
    EXPECT_EQ(button->bounds(), start.adjusted(0, 0, 4, 4));
    press(NudgeKey::Space); // single pixels
    size(NudgeKey::Left);
    size(NudgeKey::Up);
    EXPECT_EQ(button->bounds(), start.adjusted(0, 0, 3, 3));
    // Sized as by its edge: the resize handler leaves it selected alone.
    EXPECT_FALSE(other->isSelected());
    EXPECT_EQ(form->undoStack().count(), steps + 1);
    form->undoStack().undo();
    EXPECT_EQ(button->bounds(), start);

    // Shrinking stops at one pixel; a label keeps its fixed height.
    press(NudgeKey::Space);
    for (int i = 0; i < 30; ++i)
        size(NudgeKey::Left);
    EXPECT_EQ(button->width(), 1);
    click(other);
    size(NudgeKey::Down);
    EXPECT_EQ(other->height(), 13);
}
