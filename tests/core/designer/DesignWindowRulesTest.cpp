#include "DesignWindowFixture.h"
#include "core/ccontrols/CCMenu.h"
#include "core/ccontrols/CCMenuBar.h"
#include "core/ccontrols/ccontrols.h"
#include "core/designer/Nudging.h"
#include "core/model/PTDialog.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace zf;
using namespace zf::test;

namespace {

constexpr PalmColor kScreenPrimary = 0xFF0000;
constexpr PalmColor kScreenAdded = 0x800000;
constexpr PalmColor kDialogPrimary = 0x0000FF;
constexpr PalmColor kDialogAdded = 0x000080;

class DesignWindowRulesTest : public DesignWindowFixture
{
protected:
    explicit DesignWindowRulesTest(bool grid = true) : DesignWindowFixture(kLibraryCControls, grid)
    {
    }

    // The left button released on the screen or a dialog at (x, y).
    void releaseOn(DesignContainer *clicked, int x, int y, MouseButton button = MouseButton::Left)
    {
        rules.screenReleased(*form, *clicked, button, {x, y});
    }

    QStringList listTexts() const
    {
        QStringList texts;
        for (const ControlListLine &line : form->controlList())
            texts << line.text;
        return texts;
    }
};

class GridOffRules : public DesignWindowRulesTest
{
protected:
    GridOffRules() : DesignWindowRulesTest(false) {}
};

} // namespace

TEST_F(DesignWindowRulesTest, AClickWithAKindPlacesItAtTheSnappedPoint)
{
    project.setPressedTool(ControlKind::Button);
    releaseOn(form->screen(), 6, 10);
    DesignObject *button = project.selectedObject();
    ASSERT_NE(button, form->screen());
    EXPECT_EQ(button->userLeft(), 8);
    EXPECT_EQ(button->userTop(), 8);
    EXPECT_EQ(project.pressedTool(), std::nullopt);
    EXPECT_TRUE(button->isSelected());
    EXPECT_EQ(button->selectColor(), kScreenPrimary);
    EXPECT_TRUE(listTexts().contains(button->name() + QStringLiteral(": Button")));
}

TEST_F(GridOffRules, AClickWithAKindPlacesItWhereReleased)
{
    project.setPressedTool(ControlKind::Button);
    releaseOn(form->screen(), 6, 10);
    EXPECT_EQ(project.selectedObject()->userLeft(), 6);
    EXPECT_EQ(project.selectedObject()->userTop(), 10);
}

TEST_F(DesignWindowRulesTest, OnlyTheLeftButtonPlaces)
{
    SwitchCursorKeysOff(project);
    project.setPressedTool(ControlKind::Label);
    releaseOn(form->screen(), 20, 20, MouseButton::Right);
    EXPECT_TRUE(form->screen()->children().isEmpty());
    EXPECT_EQ(project.pressedTool(), ControlKind::Label);
    // Every release hands the keys to the form.
    EXPECT_TRUE(project.cursorKeysActive());
}

TEST_F(DesignWindowRulesTest, TheEmptyScreenSelectsTheForm)
{
    DesignObject *first = placeKind(ControlKind::Label, 10, 10);
    click(first);
    ASSERT_TRUE(first->isSelected());

    ui.pauseZoom();
    rules.screenPressed(*form);
    EXPECT_EQ(form->lastSelected(), form->screen());
    EXPECT_TRUE(zoomRunning());
    EXPECT_EQ(project.selectedObject(), form->screen());
    EXPECT_FALSE(first->isSelected());

    click(first);
    releaseOn(form->screen(), 50, 50); // no kind pressed
    EXPECT_EQ(project.selectedObject(), form->screen());
    EXPECT_FALSE(first->isSelected());
    EXPECT_EQ(form->screen()->children().size(), 1);
}

TEST_F(DesignWindowRulesTest, ADialogTakesTheControlsReleasedOnIt)
{
    auto *dialog = objectCast<TPTDialog>(placeKind(ControlKind::Dialog, 0, 0));
    ASSERT_NE(dialog, nullptr);
    project.setPressedTool(ControlKind::CheckBox);
    releaseOn(dialog, 13, 6);
    ASSERT_EQ(dialog->children().size(), 1);
    DesignObject *box = dialog->children().at(0);
    EXPECT_EQ(box->bounds().topLeft(), QPoint(12, 8));
    EXPECT_EQ(box->selectColor(), kDialogPrimary);

    // Without a kind, the dialog's selection is shown again.
    project.setSelectedObject(dialog);
    releaseOn(dialog, 30, 30);
    EXPECT_EQ(project.selectedObject(), dialog);
    EXPECT_TRUE(dialog->isSelected());
    EXPECT_FALSE(box->isSelected());
}

TEST_F(DesignWindowRulesTest, ShiftClicksAddAndAPlainClickStartsAgain)
{
    DesignObject *first = placeKind(ControlKind::Button, 10, 10);
    DesignObject *second = placeKind(ControlKind::Button, 10, 40);
    DesignObject *third = placeKind(ControlKind::Button, 10, 70);
    click(first);
    click(second, MouseButton::Left, ShiftKey::Shift);
    EXPECT_EQ(first->selectColor(), kScreenPrimary);
    EXPECT_TRUE(second->isSelected());
    EXPECT_EQ(second->selectColor(), kScreenAdded);
    EXPECT_EQ(project.selectedObject(), second);

    // Shift with the selected one changes nothing; Ctrl+Shift is no
    // multi-selection.
    click(first, MouseButton::Left, ShiftKey::Shift);
    EXPECT_TRUE(second->isSelected());
    EXPECT_EQ(first->selectColor(), kScreenPrimary);
    click(third, MouseButton::Left, ShiftKey::Shift | ShiftKey::Ctrl);
    EXPECT_FALSE(first->isSelected());
    EXPECT_FALSE(second->isSelected());
    EXPECT_EQ(third->selectColor(), kScreenPrimary);

    click(second, MouseButton::Left, ShiftKey::Shift);
    click(first);
    EXPECT_TRUE(first->isSelected());
    EXPECT_FALSE(second->isSelected());
    EXPECT_FALSE(third->isSelected());
    EXPECT_EQ(first->selectColor(), kScreenPrimary);
}

TEST_F(DesignWindowRulesTest, TheRightButtonAloneKeepsTheSelection)
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
    EXPECT_TRUE(first->isSelected());
    EXPECT_FALSE(second->isSelected());

    // The right button is up in its release: the control is shown, the marks
    // stay, and the popup menu then acts on it.
    snap.mouseUp(*second, MouseButton::Right, {}, {});
    EXPECT_EQ(editorsHidden.count(), 2);
    EXPECT_EQ(project.selectedObject(), second);
    EXPECT_TRUE(first->isSelected());
    EXPECT_FALSE(second->isSelected());

    // With the left button still held the release is {Right}: nothing shown.
    project.setSelectedObject(first);
    snap.mouseUp(*second, MouseButton::Left, ShiftKey::Right, {});
    EXPECT_EQ(project.selectedObject(), first);
}

TEST_F(DesignWindowRulesTest, ControlsOfTheDialogTakeTheDialogColours)
{
    auto *dialog = objectCast<TPTDialog>(placeKind(ControlKind::Dialog, 0, 0));
    DesignObject *a = place(*form, ControlKind::Button, 5, 5);
    project.setPressedTool(ControlKind::Button);
    ASSERT_TRUE(project.librarySupport().createControlAt(*form, 5, 5, dialog));
    DesignObject *inDialog = project.selectedObject();
    project.setPressedTool(ControlKind::Button);
    ASSERT_TRUE(project.librarySupport().createControlAt(*form, 5, 30, dialog));
    DesignObject *alsoInDialog = project.selectedObject();
    ASSERT_EQ(a->parent(), form->screen());

    click(inDialog);
    click(alsoInDialog, MouseButton::Left, ShiftKey::Shift);
    EXPECT_EQ(inDialog->selectColor(), kDialogPrimary);
    EXPECT_EQ(alsoInDialog->selectColor(), kDialogAdded);
    EXPECT_EQ(project.selectedObject(), alsoInDialog);
}

TEST_F(DesignWindowRulesTest, ReleasingOnAMenuShowsItAloneAndOpen)
{
    DesignObject *label = placeKind(ControlKind::Label, 10, 40);
    DesignObject *made = placeKind(ControlKind::Menu, 0, 0);
    auto *menu = objectCast<TCCMenu>(made);
    ASSERT_NE(menu, nullptr);
    ASSERT_NE(menuBarOf(*form), nullptr);
    menu->setTest(0);
    click(label);

    QSignalSpy editorsHidden(&workspace, &Workspace::propertyEditorsHidden);
    rules.controlReleased(*form, *menu, {});
    EXPECT_EQ(editorsHidden.count(), 1);
    EXPECT_EQ(project.currentDesignWindow(), form);
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
    EXPECT_EQ(project.selectedObject(), button);
    EXPECT_TRUE(button->isSelected());

    rules.makeCurrent(other);
    form->setLastSelected(nullptr);
    rules.makeCurrent(*form);
    EXPECT_EQ(form->lastSelected(), form->screen());
    EXPECT_EQ(project.selectedObject(), form->screen());
    EXPECT_FALSE(button->isSelected());
}

TEST_F(DesignWindowRulesTest, DeletingTheMenuBarAsksFirst)
{
    placeKind(ControlKind::Menu, 0, 0);
    placeKind(ControlKind::Menu, 0, 0);
    TCCMenuBar *bar = menuBarOf(*form);
    ASSERT_NE(bar, nullptr);
    project.setSelectedObject(bar);

    ui.answers.push_back(Button::No);
    DeleteSelectedControl(*form);
    const UserInterface::Message &question = ui.messages.back();
    EXPECT_EQ(question.caption, QStringLiteral("Warning"));
    EXPECT_EQ(question.text, QStringLiteral("Are you sure? All menus wil be deleted"));
    EXPECT_EQ(question.buttons, Button::Yes | Button::No);
    EXPECT_EQ(question.icon, Icon::Warning);
    EXPECT_EQ(question.defaultButton, Button::No);
    EXPECT_EQ(menuBarOf(*form), bar);
    EXPECT_EQ(menusOf(*form).size(), 2u);
    EXPECT_TRUE(listTexts().contains(bar->name() + QStringLiteral(": MenuBar")));
    EXPECT_EQ(project.selectedObject(), form->screen());

    project.setSelectedObject(bar);
    ui.answers.push_back(Button::Yes);
    DeleteSelectedControl(*form);
    EXPECT_EQ(menuBarOf(*form), nullptr);
    EXPECT_TRUE(menusOf(*form).empty());
    EXPECT_EQ(listTexts(), QStringList{form->name() + QStringLiteral(": Form")});
    EXPECT_TRUE(ui.unexpected.isEmpty());
}

TEST_F(DesignWindowRulesTest, DeleteRemovesTheControlAndShowsTheForm)
{
    DesignObject *label = placeKind(ControlKind::Label, 10, 10);
    auto *dialog = objectCast<TPTDialog>(placeKind(ControlKind::Dialog, 0, 0));
    click(label);
    const std::size_t asked = ui.messages.size();
    DeleteSelectedControl(*form);
    EXPECT_EQ(ui.messages.size(), asked);
    EXPECT_EQ(form->screen()->children().size(), 1);
    EXPECT_EQ(form->lastSelected(), nullptr);
    EXPECT_EQ(project.selectedObject(), form->screen());

    // The form itself is never deleted; a deleted dialog is no longer shown.
    DeleteSelectedControl(*form);
    EXPECT_EQ(form->screen()->children().size(), 1);
    project.setSelectedObject(dialog);
    ASSERT_EQ(form->currentDialog(), dialog);
    DeleteSelectedControl(*form);
    EXPECT_EQ(form->currentDialog(), nullptr);
    EXPECT_TRUE(form->screen()->children().isEmpty());
    form->undoStack().undo();
    EXPECT_EQ(form->screen()->children().size(), 1);
}
