#include "ModelFixture.h"
#include "core/ptoolbox/PTCheckBox.h"
#include "core/ptoolbox/PTList.h"

using namespace zf;
using namespace zf::test;

using PToolBoxCatalogue = PToolBoxFixture;

namespace {

FontValue fontNamed(const char *name)
{
    FontValue font;
    font.setName(QLatin1String(name));
    return font;
}

} // namespace

TEST_F(PToolBoxCatalogue, ListHeightFollowsRowsOfItsFont)
{
    auto *list = place<TPTList>(ControlKind::List);
    list->setFont(fontNamed("PilotStandard"));
    EXPECT_EQ(list->height(), 25); // fitted to rows after a drag: SnapToGridList
}

TEST_F(PToolBoxCatalogue, TriggerDecidesTheListStyleAndGroupNumbersKeepOneByte)
{
    TPTList list;
    list.setStyle(TPTList::PopupList);
    list.setTrigger(QStringLiteral("Pt3"));
    EXPECT_EQ(list.style(), TPTList::PopTriggered);
    list.setStyle(TPTList::PopupList);
    list.setTrigger(QStringLiteral("(None)"));
    EXPECT_EQ(list.style(), TPTList::StandAlone);

    TPTCheckbox box;
    box.setGroupNumber(300);
    EXPECT_EQ(box.groupNumber(), 44);
    box.setGroupNumber(-1);
    EXPECT_EQ(box.groupNumber(), 255);
}
