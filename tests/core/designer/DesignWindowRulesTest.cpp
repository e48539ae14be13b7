#include "DesignWindowFixture.h"
#include "core/ccontrols/CCMenu.h"
#include "core/ccontrols/CCMenuBar.h"
#include "core/ccontrols/ccontrols.h"
#include "core/designer/DesignCommands.h"
#include "core/designer/Nudging.h"
#include "core/designer/SelectionDisplay.h"
#include "core/model/PTDialog.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

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
    EXPECT_EQ(project.pressedTool(), ControlKind::Label);
    EXPECT_TRUE(project.cursorKeysActive());
}

TEST_F(DesignWindowRulesTest, TheEmptyScreenSelectsTheForm)
{
    DesignObject *first = placeKind(ControlKind::Label, 10, 10);
    click(first);
    ui.pauseZoom();
    rules.screenPressed(*form);
    EXPECT_EQ(form->lastSelected(), form->screen());
    EXPECT_TRUE(zoomRunning());
    EXPECT_FALSE(first->isSelected());
    click(first);
    rules.screenReleased(*form, *form->screen(), MouseButton::Left, {50, 50}); // no kind
    EXPECT_EQ(project.selectedObject(), form->screen());
    EXPECT_FALSE(first->isSelected());
    EXPECT_EQ(form->screen()->children().size(), 1);
}

TEST_F(DesignWindowRulesTest, ADialogTakesTheControlsReleasedOnIt)
{
    auto *dialog = objectCast<TPTDialog>(placeKind(ControlKind::Dialog, 0, 0));
    for (const QPoint at : {QPoint(13, 6), QPoint(13, 30)}) {
        project.setPressedTool(ControlKind::CheckBox);
        rules.screenReleased(*form, *dialog, MouseButton::Left, at);
    }
    ASSERT_EQ(dialog->children().size(), 2);
    DesignObject *box = dialog->children().at(0);
    EXPECT_EQ(box->bounds().topLeft(), QPoint(12, 8));

    // Without a kind, the dialog's selection is shown again.
    project.setSelectedObject(dialog);
    rules.screenReleased(*form, *dialog, MouseButton::Left, {30, 30});
    EXPECT_EQ(project.selectedObject(), dialog);
    EXPECT_TRUE(dialog->isSelected() && !box->isSelected());
}

// Shift adds (nothing changes for one already selected); a plain click, or
// Ctrl+Shift, starts again; the form itself carries no mark.
TEST_F(DesignWindowRulesTest, ShiftClicksAddAndAPlainClickStartsAgain)
{
    DesignObject *first = placeKind(ControlKind::Button, 10, 10);
    DesignObject *second = placeKind(ControlKind::Button, 10, 40);
    click(first);
    click(second, MouseButton::Left, ShiftKey::Shift);
    click(first, MouseButton::Left, ShiftKey::Shift);
    EXPECT_TRUE(first->isSelected() && second->isSelected());
    EXPECT_EQ(project.selectedObject(), first);
    click(second, MouseButton::Left, ShiftKey::Shift | ShiftKey::Ctrl);
    EXPECT_FALSE(first->isSelected());
    click(first);
    EXPECT_FALSE(second->isSelected());
    project.setSelectedObject(form->screen());
    MostrarSeleccionado(*form, false);
    EXPECT_FALSE(first->isSelected() || form->screen()->isSelected());
    EXPECT_EQ(form->lastSelected(), form->screen());
}

TEST_F(DesignWindowRulesTest, TheRightButtonShowsTheControlAndKeepsTheMarks)
{
    DesignObject *first = placeKind(ControlKind::Button, 10, 10);
    DesignObject *second = placeKind(ControlKind::Button, 10, 40);
    click(first);
    SwitchCursorKeysOff(project);
    QSignalSpy editorsHidden(&workspace, &Workspace::propertyEditorsHidden);

    snap.mouseDown(*second, MouseButton::Right, ShiftKey::Right, {}, {});
    EXPECT_EQ(editorsHidden.count(), 1);
    EXPECT_TRUE(project.cursorKeysActive());
    EXPECT_EQ(form->lastSelected(), second);
    EXPECT_EQ(project.selectedObject(), first);

    // The button is up in its release: the control is shown, the marks stay,
    // and the popup menu then acts on it.
    snap.mouseUp(*second, MouseButton::Right, {}, {});
    EXPECT_EQ(editorsHidden.count(), 2);
    EXPECT_EQ(project.selectedObject(), second);
    EXPECT_TRUE(first->isSelected() && !second->isSelected());

    // With the left button still held the release is {Right}: nothing shown.
    project.setSelectedObject(first);
    snap.mouseUp(*second, MouseButton::Left, ShiftKey::Right, {});
    EXPECT_EQ(project.selectedObject(), first);
}

TEST_F(DesignWindowRulesTest, ReleasingOnAMenuShowsItAloneAndOpen)
{
    DesignObject *label = placeKind(ControlKind::Label, 10, 40);
    auto *menu = objectCast<TCCMenu>(placeKind(ControlKind::Menu, 0, 0));
    menu->setTest(0);
    click(label);
    QSignalSpy editorsHidden(&workspace, &Workspace::propertyEditorsHidden);
    rules.controlReleased(*form, *menu, {});
    EXPECT_EQ(editorsHidden.count(), 1);
    EXPECT_FALSE(label->isSelected());
    EXPECT_EQ(project.selectedObject(), menu);
    EXPECT_EQ(menu->test(), 1);
}

TEST_F(DesignWindowRulesTest, MakingAWindowCurrentShowsWhatWasSelectedThere)
{
    DesignObject *button = placeKind(ControlKind::Button, 10, 10);
    click(button);
    DesignForm &other = forms.nuevoForm();
    EXPECT_EQ(project.selectedObject(), other.screen());
    rules.makeCurrent(*form);
    EXPECT_EQ(project.currentDesignWindow(), form);
    EXPECT_TRUE(project.selectedObject() == button && button->isSelected());

    rules.makeCurrent(other);
    form->setLastSelected(nullptr);
    rules.makeCurrent(*form);
    EXPECT_EQ(project.selectedObject(), form->screen());
    EXPECT_FALSE(button->isSelected());
}

// Also after a No to the menu bar question the form is shown; the form
// itself is never deleted, and a deleted dialog is no longer shown.
TEST_F(DesignWindowRulesTest, DeleteShowsTheFormWhateverItDid)
{
    DesignObject *label = placeKind(ControlKind::Label, 10, 10);
    auto *dialog = objectCast<TPTDialog>(placeKind(ControlKind::Dialog, 0, 0));
    placeKind(ControlKind::Menu, 0, 0);
    project.setSelectedObject(menuBarOf(*form));
    ui.answers.push_back(Button::No);
    DeleteSelectedControl(*form);
    EXPECT_NE(menuBarOf(*form), nullptr);
    EXPECT_EQ(project.selectedObject(), form->screen());

    click(label);
    DeleteSelectedControl(*form);
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(form->lastSelected(), nullptr);
    EXPECT_EQ(project.selectedObject(), form->screen());
    DeleteSelectedControl(*form);
    EXPECT_EQ(form->screen()->children().size(), 1);
    project.setSelectedObject(dialog);
    DeleteSelectedControl(*form);
    EXPECT_EQ(form->currentDialog(), nullptr);
    EXPECT_TRUE(form->screen()->children().isEmpty());
}
