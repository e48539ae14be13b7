#include "ModelFixture.h"
#include "core/controls/CCButton.h"
#include "core/model/PTDialog.h"

using namespace zf;
using namespace zf::test;

using Dialogs = ModelFixture;

TEST_F(Dialogs, NewDialogLiesAtOnePlaceTakesTheScreensGridAndIsShown)
{
    form->screen()->setGridVisible(1);
    form->screen()->setGridSpace(6);
    form->setSnapGridSize(4);
    auto *dialog = place<TPTDialog>(ControlKind::Dialog, 120, 7);
    EXPECT_EQ(dialog->bounds(), QRect(3, 58, 156, 84)); // wherever clicked
    EXPECT_EQ(dialog->parent(), form->screen());
    EXPECT_EQ(dialog->tag(), 1);
    EXPECT_EQ(form->currentDialog(), dialog);
    EXPECT_EQ(dialog->gridSpace(), 6);
    EXPECT_EQ(dialog->gridVisible(), 1);
    EXPECT_EQ(form->snapDialogGridSize(), 4);
}

TEST_F(Dialogs, ControlsClickedIntoTheDialogStayInItWhenHidden)
{
    for (int library : {kLibraryCControls, kLibraryPToolBox}) {
        project.setLibrary(library);
        auto *dialog = place<TPTDialog>(ControlKind::Dialog);
        auto *button = place(ControlKind::Button, 10, 12, dialog);
        EXPECT_EQ(button->parent(), dialog) << library;
        EXPECT_EQ(button->userLeft(), 10) << library; // relative to the dialog
        EXPECT_EQ(button->palmForm(), library == kLibraryPToolBox ? dialog : nullptr) << library;
        EXPECT_FALSE(form->screen()->children().contains(button)) << library;
        form->hideDialog(dialog);
        EXPECT_TRUE(dialog->children().contains(button)) << library;
    }
}
