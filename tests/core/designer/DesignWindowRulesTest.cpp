#include "DesignWindowFixture.h"
#include "core/ccontrols/ccontrols.h"
#include "core/designer/DesignCommands.h"
#include "core/designer/FormHitTest.h"
#include "core/designer/Nudging.h"
#include "core/model/PTDialog.h"

using namespace zf;
using namespace zf::test;

using DesignWindowRulesTest = DesignWindowFixture;

// With the grid on, the snapped point; without it, where released. Only the
// left button places, and every release hands the arrow keys to the form.
TEST_F(DesignWindowRulesTest, AClickWithAKindPlacesItAndSelectsIt)
{
    for (const bool grid : {true, false}) {
        DesignForm &target = grid ? *form : *newForm(kLibraryCControls, false);
        project.setPressedTool(ControlKind::Button);
        rules.screenReleased(target, *target.screen(), MouseButton::Left, {6, 10});
        DesignObject *button = project.selectedObject();
        EXPECT_EQ(QPoint(button->userLeft(), button->userTop()),
                  grid ? QPoint(8, 8) : QPoint(6, 10));
        EXPECT_TRUE(button->isSelected() && !project.pressedTool());
    }
    SwitchCursorKeysOff(project);
    project.setPressedTool(ControlKind::Label);
    rules.screenReleased(*form, *form->screen(), MouseButton::Right, {20, 20});
    EXPECT_EQ(form->screen()->children().size(), 1);
    EXPECT_TRUE(project.pressedTool() == ControlKind::Label && project.cursorKeysActive());
}

TEST_F(DesignWindowRulesTest, ADialogTakesTheControlsReleasedOnIt)
{
    auto *dialog = objectCast<TPTDialog>(placeKind(ControlKind::Dialog, 0, 0));
    project.setPressedTool(ControlKind::CheckBox);
    rules.screenReleased(*form, *dialog, MouseButton::Left, {13, 6});
    ASSERT_EQ(dialog->children().size(), 1);
    EXPECT_EQ(dialog->children().at(0)->bounds().topLeft(), QPoint(12, 8));
}

// A kind let go over the picture lands as a click with its tool would
// place it; a control under the point stands for its container, and off the
// screen nothing happens.
TEST_F(DesignWindowRulesTest, AKindDroppedLandsInTheContainerUnderThePoint)
{
    auto *dialog = objectCast<TPTDialog>(placeKind(ControlKind::Dialog, 0, 0));
    DesignObject *inside = placeAt({4, 8, 40, 14}, dialog);
    const int steps = form->undoStack().count();
    const QPoint overInside = windowOrigin(*inside) + QPoint(9, 5);
    ASSERT_TRUE(rules.kindDropped(*form, ControlKind::Label, overInside));
    ASSERT_EQ(dialog->children().size(), 2);
    DesignObject *label = dialog->children().at(1);
    EXPECT_EQ(label->bounds().topLeft(), QPoint(12, 12));
    EXPECT_TRUE(project.selectedObject() == label && !project.pressedTool());
    EXPECT_EQ(form->undoStack().count(), steps + 1);
    EXPECT_FALSE(rules.kindDropped(*form, ControlKind::Label, {0, 0})); // the device's frame
    EXPECT_FALSE(rules.kindDropped(*form, ControlKind::Field, overInside)); // a PToolBox kind
    EXPECT_FALSE(project.pressedTool());
    EXPECT_EQ(form->undoStack().count(), steps + 1);
    for (const int x : {60, 100}) {
        const QPoint at = windowOrigin(*form->screen()) + QPoint(x, 5);
        ASSERT_TRUE(rules.kindDropped(*form, ControlKind::Menu, at));
        EXPECT_EQ(project.selectedObject()->userLeft(), at.x());
    }
    EXPECT_EQ(form->undoStack().count(), steps + 3);
}

// Shift adds (nothing changes for one already selected); a plain click, or
// Ctrl+Shift, starts again; the empty screen selects the form, which carries no mark.
TEST_F(DesignWindowRulesTest, ShiftClicksAddAndAPlainClickOrTheScreenStartsAgain)
{
    DesignObject *first = placeKind(ControlKind::Button, 10, 10);
    DesignObject *second = placeKind(ControlKind::Button, 10, 40);
    click(first);
    click(second, MouseButton::Left, ShiftKey::Shift);
    click(first, MouseButton::Left, ShiftKey::Shift);
    EXPECT_TRUE(first->isSelected() && second->isSelected() && project.selectedObject() == first);
    click(second, MouseButton::Left, ShiftKey::Shift | ShiftKey::Ctrl);
    EXPECT_FALSE(first->isSelected());
    click(first);
    EXPECT_FALSE(second->isSelected());
    rules.screenReleased(*form, *form->screen(), MouseButton::Left, {50, 50}); // no kind
    EXPECT_FALSE(first->isSelected() || form->screen()->isSelected());
    EXPECT_EQ(project.selectedObject(), form->screen());
    EXPECT_EQ(form->screen()->children().size(), 2);
}

TEST_F(DesignWindowRulesTest, TheRightButtonShowsTheControlAndKeepsTheMarks)
{
    DesignObject *first = placeKind(ControlKind::Button, 10, 10);
    DesignObject *second = placeKind(ControlKind::Button, 10, 40);
    click(first);
    // Released, the control is shown for the popup menu; the marks stay.
    snap.mouseDown(*second, MouseButton::Right, ShiftKey::Right, {}, {});
    snap.mouseUp(*second, MouseButton::Right, {}, {});
    EXPECT_EQ(project.selectedObject(), second);
    EXPECT_TRUE(first->isSelected() && !second->isSelected());

    // With the left button still held the release is {Right}: nothing shown.
    project.setSelectedObject(first);
    snap.mouseUp(*second, MouseButton::Left, ShiftKey::Right, {});
    EXPECT_EQ(project.selectedObject(), first);
}

// The form itself is never deleted, and a deleted dialog is no longer shown.
TEST_F(DesignWindowRulesTest, DeleteShowsTheFormWhateverItDid)
{
    DesignObject *label = placeKind(ControlKind::Label, 10, 10);
    auto *dialog = objectCast<TPTDialog>(placeKind(ControlKind::Dialog, 0, 0));
    click(label);
    DeleteSelectedControl(*form);
    EXPECT_TRUE(form->lastSelected() == nullptr && project.selectedObject() == form->screen());
    DeleteSelectedControl(*form);
    EXPECT_EQ(form->screen()->children().size(), 1);
    project.setSelectedObject(dialog);
    DeleteSelectedControl(*form);
    EXPECT_TRUE(form->currentDialog() == nullptr && form->screen()->children().isEmpty());
}
