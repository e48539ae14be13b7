#include "core/designer/FormOutline.h"
#include "LayoutFixture.h"
#include "core/model/PTDialog.h"

using namespace zf;
using namespace zf::test;

namespace {

QStringList linesOf(const DesignForm &form)
{
    QStringList lines;
    for (const OutlineEntry &entry : formOutline(form))
        lines << QString(entry.depth * 2, u' ') + entry.name + QLatin1Char(':') + entry.kind;
    return lines;
}

} // namespace

TEST_F(LayoutFixture, TheOutlineListsTheFormInChildOrderWithDialogsHoldingTheirControls)
{
    place(ControlKind::Label);
    auto *dialog = place<TPTDialog>(ControlKind::Dialog);
    place(ControlKind::Button, 5, 20, dialog);
    place(ControlKind::Menu);
    place(ControlKind::EditLine);
    EXPECT_EQ(linesOf(*form),
              (QStringList{"Label1:Label", "Dialog2:Dialog", "  Button3:Button",
                           "EditLine5:EditLine", "MenuBarForm1:MenuBar", "Menu4:Menu"}));
    form->sendToBack(dialog);
    EXPECT_EQ(linesOf(*form).first(), QStringLiteral("Dialog2:Dialog"));
}
