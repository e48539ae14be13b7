#include "LayoutFixture.h"

using namespace zf;
using namespace zf::test;

namespace {

using SelectionDisplay = LayoutFixture;

TEST_F(SelectionDisplay, ShiftClickAddsInTheSecondColourAndAPlainClickStartsAgain)
{
    DesignObject *a = place(ControlKind::Button);
    DesignObject *b = place(ControlKind::Button);
    DesignObject *c = place(ControlKind::Button);
    click(a);
    click(b, true);
    EXPECT_EQ(a->selectColor(), 0xFF0000u);
    EXPECT_EQ(b->selectColor(), 0x800000u);
    click(a, true); // already selected: nothing changes
    EXPECT_EQ(a->selectColor(), 0xFF0000u);
    EXPECT_TRUE(b->isSelected());

    click(c);
    EXPECT_FALSE(a->isSelected());
    EXPECT_FALSE(b->isSelected());
    EXPECT_EQ(c->selectColor(), 0xFF0000u);
    EXPECT_EQ(form->lastSelected(), c);

    // The form itself carries no mark.
    click(form->screen());
    EXPECT_FALSE(c->isSelected());
    EXPECT_FALSE(form->screen()->isSelected());
    EXPECT_EQ(form->lastSelected(), form->screen());
}

TEST_F(SelectionDisplay, AResizeLeavesTheSelectedObjectAloneAMoveLeavesAll)
{
    DesignObject *a = place(ControlKind::Button);
    DesignObject *b = place(ControlKind::Button);
    DesignObject *c = place(ControlKind::Button);
    click(a);
    click(b, true);
    click(c, true);

    EditWithResizeHandler(*form, *b, [&] { b->setLeft(b->left() + 4); });
    for (DesignObject *o : {a, b, c})
        EXPECT_TRUE(o->isSelected());

    EditWithResizeHandler(*form, *b, [&] { b->setWidth(b->width() + 4); });
    EXPECT_FALSE(a->isSelected());
    EXPECT_FALSE(b->isSelected());
    EXPECT_TRUE(c->isSelected());
    EXPECT_EQ(c->selectColor(), 0xFF0000u);
}

} // namespace
