// What undo restores beyond the file (the random edit sequences of the
// invariant tests check the file): the selection, the name counter, the
// step count of merged edits and questions.
#include "ModelFixture.h"
#include "core/ccontrols/CCMenuBar.h"
#include "core/ccontrols/ccontrols.h"
#include "core/controls/CCButton.h"
#include "core/designer/DesignCommands.h"
#include "core/model/PTDialog.h"

using namespace zf;
using namespace zf::test;

using Undo = ModelFixture;

TEST_F(Undo, CreatingAControlIsOneStepAndTheCounterGoesOn)
{
    DesignObject *first = place(ControlKind::Button);
    form->selectControl(first, true, false);
    form->setLastSelected(first);
    DesignObject *second = place(ControlKind::Label);
    form->selectControl(second, true, false);

    form->undoStack().undo();
    EXPECT_TRUE(first->isSelected()); // as it was before the step
    EXPECT_EQ(project.selectedObject(), first);
    EXPECT_EQ(second->form(), nullptr);
    EXPECT_EQ(controlListTexts(), QStringList({"Button1: Button", "Form1: Form"}));
    form->undoStack().redo();
    EXPECT_EQ(project.selectedObject(), second);
    EXPECT_EQ(second->form(), form);

    form->undoStack().undo();
    form->undoStack().undo();
    EXPECT_EQ(place(ControlKind::Button)->name(), QStringLiteral("Button3"));
    EXPECT_EQ(form->undoStack().count(), 1); // the undone steps are gone
}

TEST_F(Undo, DeletingADialogSelectsTheFormAndUndoSelectsTheDialogAgain)
{
    auto *dialog = place<TPTDialog>(ControlKind::Dialog);
    DesignObject *inside = place(ControlKind::Label, 5, 5, dialog);
    project.setSelectedObject(dialog);
    EXPECT_TRUE(DeleteControl(*form));
    EXPECT_EQ(form->currentDialog(), nullptr);
    EXPECT_EQ(project.selectedObject(), form->screen());
    EXPECT_EQ(inside->form(), nullptr);
    form->undoStack().undo();
    EXPECT_EQ(form->currentDialog(), dialog);
    EXPECT_EQ(project.selectedObject(), dialog);
    EXPECT_EQ(inside->form(), form);
    // The form itself, or nothing, is no control to delete.
    for (DesignObject *none : std::initializer_list<DesignObject *>{form->screen(), nullptr}) {
        project.setSelectedObject(none);
        EXPECT_FALSE(DeleteControl(*form));
    }
}

TEST_F(Undo, DeletingTheMenuBarAsksAndTakesEveryMenu)
{
    place(ControlKind::Menu);
    place(ControlKind::Menu);
    project.setSelectedObject(menuBarOf(*form));
    ui.answers = {UserInterface::Button::No, UserInterface::Button::Yes};
    EXPECT_FALSE(DeleteControl(*form));
    EXPECT_EQ(ui.messages.back(),
              warningQuestion("Warning", "Are you sure? All menus wil be deleted"));
    EXPECT_EQ(form->windowChildren().size(), 3);
    EXPECT_TRUE(DeleteControl(*form));
    EXPECT_TRUE(form->windowChildren().isEmpty());
}

TEST_F(Undo, OneDragOrOneEditIsOneStepAndSideEffectsUndoWithIt)
{
    auto *button = place<TCCButton>(ControlKind::Button, 20, 30);
    const QRect start = button->bounds();
    const MergeKey drag{1, DesignForm::newMergeSession()};
    for (int dx : {4, 8, 12})
        SetObjectBounds(*form, button, start.translated(dx, 0), drag);
    SetObjectBounds(*form, button, start, {1, DesignForm::newMergeSession()});
    const MergeKey typing{2, DesignForm::newMergeSession()};
    for (const char *text : {"O", "Ok", "OkB"})
        form->perform(
            QStringLiteral("Content"), [&] { button->setContent(QLatin1String(text)); }, typing);
    EXPECT_EQ(form->undoStack().count(), 4);
    form->undoStack().undo();
    form->undoStack().undo();
    EXPECT_EQ(button->bounds(), start.translated(12, 0));

    // Showing a hidden dialog hides the shown one: both undo together.
    auto *first = place<TPTDialog>(ControlKind::Dialog);
    auto *second = place<TPTDialog>(ControlKind::Dialog);
    form->perform(QStringLiteral("Test"), [&] { form->showDialog(first); });
    form->undoStack().undo();
    EXPECT_EQ(second->tag(), 1);
    EXPECT_EQ(first->tag(), 0);
    EXPECT_EQ(form->currentDialog(), second);
}
