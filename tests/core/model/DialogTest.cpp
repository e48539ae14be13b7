#include "ModelFixture.h"
#include "core/ccontrols/CCLabel.h"
#include "core/controls/CCButton.h"
#include "core/model/PTDialog.h"

using namespace zf;
using namespace zf::test;

using Dialogs = ModelFixture;

TEST_F(Dialogs, NewDialogLiesAtTheSamePlaceWhereverClicked)
{
    form->screen()->setGridVisible(1);
    form->screen()->setGridSpace(6);
    form->setSnapGridSize(4);
    auto *dialog = place<TPTDialog>(ControlKind::Dialog, 120, 7);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->bounds(), QRect(3, 58, 156, 84));
    EXPECT_EQ(dialog->userLeft(), 5);
    EXPECT_EQ(dialog->userTop(), 60);
    EXPECT_EQ(dialog->userWidth(), 152);
    EXPECT_EQ(dialog->userHeight(), 80);
    EXPECT_EQ(dialog->title(), QStringLiteral("Dialog"));
    EXPECT_EQ(dialog->parent(), form->screen());
    EXPECT_EQ(dialog->tag(), 1);
    EXPECT_EQ(form->currentDialog(), dialog);
    EXPECT_EQ(dialog->gridSpace(), 6);
    EXPECT_EQ(dialog->gridVisible(), 1);
    EXPECT_EQ(form->snapDialogGridSize(), 4);
}

TEST_F(Dialogs, OnlyOneDialogIsShown)
{
    auto *first = place<TPTDialog>(ControlKind::Dialog);
    auto *second = place<TPTDialog>(ControlKind::Dialog);
    EXPECT_EQ(first->tag(), 0);
    EXPECT_FALSE(first->isVisible());
    EXPECT_EQ(second->tag(), 1);
    EXPECT_EQ(form->currentDialog(), second);

    form->showDialog(first);
    EXPECT_EQ(second->tag(), 0);
    EXPECT_FALSE(second->isVisible());
    EXPECT_EQ(form->currentDialog(), first);

    form->hideDialog(second); // not the current one
    EXPECT_EQ(form->currentDialog(), first);
    form->hideDialog(first);
    EXPECT_EQ(form->currentDialog(), nullptr);
    EXPECT_EQ(first->tag(), 0);
}

TEST_F(Dialogs, ControlsClickedIntoTheDialogStayInItWhenHidden)
{
    auto *dialog = place<TPTDialog>(ControlKind::Dialog);
    auto *button = place<TCCButton>(ControlKind::Button, 10, 12, dialog);
    EXPECT_EQ(button->parent(), dialog);
    EXPECT_EQ(button->bounds().topLeft(), QPoint(9, 11)); // relative to the dialog
    EXPECT_EQ(button->palmForm(), nullptr); // CControls keeps no container
    form->hideDialog(dialog);
    EXPECT_TRUE(dialog->children().contains(button));
}

TEST_F(Dialogs, FindContainerFallsBackToTheScreen)
{
    auto *dialog = place<TPTDialog>(ControlKind::Dialog);
    DesignObject *label = place(ControlKind::Label);
    EXPECT_EQ(form->findContainer(QStringLiteral("panScreen")), form->screen());
    EXPECT_EQ(form->findContainer(dialog->name()), dialog);
    EXPECT_EQ(form->findContainer(QStringLiteral("Nowhere")), form->screen());
    EXPECT_EQ(form->findContainer(QString()), form->screen());
    // A control is no container.
    EXPECT_EQ(form->findContainer(label->name()), form->screen());
}
