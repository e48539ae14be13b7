#include "ModelFixture.h"
#include "core/ccontrols/CCMenu.h"
#include "core/ccontrols/CCMenuBar.h"
#include "core/ccontrols/ccontrols.h"
#include "core/controls/CCButton.h"
#include "core/designer/DesignCommands.h"
#include "core/model/PTDialog.h"

using namespace zf;
using namespace zf::test;

using Undo = ModelFixture;

namespace {

std::vector<DesignObject *> order(const ChildList &list)
{
    return list.order();
}

} // namespace

TEST_F(Undo, CreatingAControlIsOneStepAndTheCounterGoesOn)
{
    DesignObject *first = place(ControlKind::Button);
    form->selectControl(first, true, false);
    form->setLastSelected(first);
    DesignObject *second = place(ControlKind::Label);
    form->selectControl(second, true, false);
    EXPECT_EQ(form->undoStack().count(), 2);

    form->undoStack().undo();
    EXPECT_EQ(order(form->screen()->children()), std::vector<DesignObject *>({first}));
    EXPECT_TRUE(first->isSelected()); // as it was before the step
    EXPECT_EQ(project.selectedObject(), first);
    EXPECT_EQ(second->form(), nullptr);

    form->undoStack().redo();
    EXPECT_EQ(order(form->screen()->children()), std::vector<DesignObject *>({first, second}));
    EXPECT_EQ(second->name(), QStringLiteral("Label2"));
    EXPECT_EQ(project.selectedObject(), second);
    EXPECT_EQ(second->form(), form);

    form->undoStack().undo();
    form->undoStack().undo();
    EXPECT_TRUE(form->screen()->children().isEmpty());
    EXPECT_EQ(place(ControlKind::Button)->name(), QStringLiteral("Button3"));
    EXPECT_EQ(form->undoStack().count(), 1); // the undone steps are gone
}

TEST_F(Undo, CreatingADialogRestoresTheOneShownBefore)
{
    auto *first = place<TPTDialog>(ControlKind::Dialog);
    DesignObject *inside = place(ControlKind::Button, 5, 5, first);
    auto *second = place<TPTDialog>(ControlKind::Dialog);
    EXPECT_EQ(first->tag(), 0);

    form->undoStack().undo();
    EXPECT_EQ(first->tag(), 1);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(form->currentDialog(), first);
    EXPECT_FALSE(form->screen()->children().contains(second));
    EXPECT_TRUE(first->children().contains(inside));

    form->undoStack().redo();
    EXPECT_EQ(form->currentDialog(), second);
    EXPECT_EQ(first->tag(), 0);
}

TEST_F(Undo, DeletingADialogTakesItsControlsAndUndoBringsThemBack)
{
    DesignObject *button = place(ControlKind::Button);
    auto *dialog = place<TPTDialog>(ControlKind::Dialog);
    DesignObject *a = place(ControlKind::Label, 5, 5, dialog);
    DesignObject *b = place(ControlKind::Label, 5, 25, dialog);
    project.setSelectedObject(dialog);

    EXPECT_TRUE(DeleteControl(*form));
    EXPECT_EQ(order(form->screen()->children()), std::vector<DesignObject *>({button}));
    EXPECT_EQ(form->currentDialog(), nullptr);
    EXPECT_EQ(project.selectedObject(), form->screen());
    EXPECT_EQ(form->controlList().size(), 2u);

    form->undoStack().undo();
    EXPECT_EQ(order(form->screen()->children()), std::vector<DesignObject *>({button, dialog}));
    EXPECT_EQ(order(dialog->children()), std::vector<DesignObject *>({a, b}));
    EXPECT_EQ(a->form(), form);
    EXPECT_EQ(form->currentDialog(), dialog);
    EXPECT_EQ(project.selectedObject(), dialog);

    form->undoStack().redo();
    EXPECT_EQ(form->screen()->children().size(), 1);
    EXPECT_EQ(a->form(), nullptr);
}

TEST_F(Undo, DeletingTheMenuBarAsksAndTakesEveryMenu)
{
    place(ControlKind::Menu);
    place(ControlKind::Menu);
    TCCMenuBar *bar = menuBarOf(*form);
    project.setSelectedObject(bar);

    ui.answers.push_back(UserInterface::Button::No);
    EXPECT_FALSE(DeleteControl(*form));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], test::warningQuestion(QStringLiteral("Warning"),
                                                   QStringLiteral("Are you sure? All menus wil be deleted")));
    EXPECT_EQ(form->windowChildren().size(), 3);

    ui.answers.push_back(UserInterface::Button::Yes);
    EXPECT_TRUE(DeleteControl(*form));
    EXPECT_TRUE(form->windowChildren().isEmpty());
    form->undoStack().undo();
    EXPECT_EQ(form->windowChildren().size(), 3);
    EXPECT_EQ(menuBarOf(*form), bar);
}

TEST_F(Undo, DeleteWithTheFormSelectedDoesNothing)
{
    place(ControlKind::Button);
    project.setSelectedObject(form->screen());
    EXPECT_FALSE(DeleteControl(*form));
    project.setSelectedObject(nullptr);
    EXPECT_FALSE(DeleteControl(*form));
    EXPECT_EQ(form->screen()->children().size(), 1);
}

TEST_F(Undo, OneDragIsOneStep)
{
    DesignObject *button = place(ControlKind::Button, 20, 30);
    const QRect start = button->bounds();
    const MergeKey drag{1, DesignForm::newMergeSession()};
    SetObjectBounds(*form, button, start.translated(4, 0), drag);
    SetObjectBounds(*form, button, start.translated(8, 4), drag);
    SetObjectBounds(*form, button, QRect(27, 33, 50, 14), drag);
    EXPECT_EQ(form->undoStack().count(), 2);

    const MergeKey nextDrag{1, DesignForm::newMergeSession()};
    SetObjectBounds(*form, button, QRect(0, 0, 50, 14), nextDrag);
    EXPECT_EQ(form->undoStack().count(), 3);

    form->undoStack().undo();
    EXPECT_EQ(button->bounds(), QRect(27, 33, 50, 14));
    form->undoStack().undo();
    EXPECT_EQ(button->bounds(), start);
    form->undoStack().redo();
    EXPECT_EQ(button->bounds(), QRect(27, 33, 50, 14));
}

TEST_F(Undo, KeystrokesOfOneEditMergeAndSideEffectsUndoWithThem)
{
    auto *first = place<TPTDialog>(ControlKind::Dialog);
    auto *button = place<TCCButton>(ControlKind::Button);
    const MergeKey typing{2, DesignForm::newMergeSession()};
    for (const char *text : {"O", "Ok", "OkB"})
        form->perform(QStringLiteral("Content"), [&] { button->setContent(QLatin1String(text)); }, typing);
    EXPECT_EQ(form->undoStack().count(), 3);
    form->undoStack().undo();
    EXPECT_EQ(button->content(), QStringLiteral("Button2"));

    // Showing a hidden dialog hides the shown one: both undo together.
    auto *second = place<TPTDialog>(ControlKind::Dialog);
    form->perform(QStringLiteral("Test"), [&] { form->showDialog(first); });
    EXPECT_EQ(second->tag(), 0);
    form->undoStack().undo();
    EXPECT_EQ(second->tag(), 1);
    EXPECT_EQ(first->tag(), 0);
    EXPECT_EQ(form->currentDialog(), second);
}

TEST_F(Undo, StackingOrderChangesAreUndone)
{
    DesignObject *a = place(ControlKind::Button);
    DesignObject *b = place(ControlKind::Label);
    DesignObject *c = place(ControlKind::CheckBox);
    project.setSelectedObject(a);
    BringToFront(*form);
    EXPECT_EQ(order(form->screen()->children()), std::vector<DesignObject *>({b, c, a}));
    project.setSelectedObject(c);
    SendToBack(*form);
    EXPECT_EQ(order(form->screen()->children()), std::vector<DesignObject *>({c, b, a}));
    form->undoStack().undo();
    form->undoStack().undo();
    EXPECT_EQ(order(form->screen()->children()), std::vector<DesignObject *>({a, b, c}));

    // Already at the front: no step.
    const int steps = form->undoStack().count();
    project.setSelectedObject(c);
    BringToFront(*form);
    EXPECT_EQ(form->undoStack().count(), steps);
}

TEST_F(Undo, ControlListFollowsUndoAndRedo)
{
    place(ControlKind::Button);
    place(ControlKind::Label);
    EXPECT_EQ(controlListTexts(), QStringList({"Button1: Button", "Label2: Label", "Form1: Form"}));
    form->undoStack().undo();
    EXPECT_EQ(controlListTexts(), QStringList({"Button1: Button", "Form1: Form"}));
    form->undoStack().redo();
    EXPECT_EQ(controlListTexts().size(), 3);
}

TEST_F(Undo, ChangedIsAnnouncedForEveryStepUndoAndRedo)
{
    int announcements = 0;
    QObject::connect(form, &DesignForm::changed, [&] { ++announcements; });
    place(ControlKind::Button);
    form->undoStack().undo();
    form->undoStack().redo();
    EXPECT_EQ(announcements, 3);
}
