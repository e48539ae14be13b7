#include "ModelFixture.h"
#include "core/model/PTDialog.h"

using namespace zf;
using namespace zf::test;

using Selection = ModelFixture;

TEST_F(Selection, ColoursTellTheContainerAndThePrimaryControl)
{
    DesignObject *a = place(ControlKind::Button);
    DesignObject *b = place(ControlKind::Label);
    form->selectControl(a, true, false);
    form->selectControl(b, true, true);
    EXPECT_EQ(a->selectColor(), 0xFF0000u);
    EXPECT_EQ(b->selectColor(), 0x800000u);

    auto *dialog = place<TPTDialog>(ControlKind::Dialog);
    DesignObject *c = place(ControlKind::Button, 5, 5, dialog);
    DesignObject *d = place(ControlKind::Button, 50, 5, dialog);
    form->selectControl(dialog, true, false);
    EXPECT_TRUE(dialog->isSelected());
    form->selectControl(c, true, false);
    EXPECT_FALSE(dialog->isSelected()); // selecting inside clears the dialog's mark
    form->selectControl(d, true, true);
    EXPECT_EQ(c->selectColor(), 0x0000FFu);
    EXPECT_EQ(d->selectColor(), 0x000080u);
}

TEST_F(Selection, ControlListPutsDialogControlsBeforeTheirDialog)
{
    place(ControlKind::Button);                        // Button1
    auto *dialog = place<TPTDialog>(ControlKind::Dialog); // Dialog2
    place(ControlKind::Label, 5, 5, dialog);            // Label3
    place(ControlKind::Menu);                           // MenuBarForm1, Menu4
    place(ControlKind::EditLine);                       // EditLine5
    EXPECT_EQ(controlListTexts(),
              QStringList({"Button1: Button", "Label3: Label", "Dialog2: Dialog",
                           "EditLine5: EditLine", "Form1: Form", "MenuBarForm1: MenuBar",
                           "Menu4: Menu"}));
    EXPECT_EQ(form->controlList()[4].object, form->screen());
    EXPECT_EQ(form->controlList()[2].object, dialog);
}
