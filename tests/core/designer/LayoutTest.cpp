#include "core/designer/Layout.h"
#include "LayoutFixture.h"
#include "core/ccontrols/CCCheckbox.h"
#include "core/model/PTDialog.h"
#include "core/ptoolbox/PTEdit.h"
#include "core/ptoolbox/PTList.h"

using namespace zf;
using namespace zf::test;

namespace {

using PToolBoxAlign = PToolBoxLayoutFixture;
using CControlsAlign = LayoutFixture;

TEST_F(PToolBoxAlign, LabelLinesUpWithTheButtonsPalmEdgeNotItsFrame)
{
    DesignObject *button = placeAt(ControlKind::Button, 0, 30, 46, 17);
    button->setUserLeft(20);
    DesignObject *label = placeAt(ControlKind::Label, 50, 60, 0, 0);
    click(button);
    click(label, true);

    AlignSelected(*form, AlignMode::Left);
    EXPECT_EQ(label->left(), 20);
    EXPECT_EQ(button->left(), 18); // the reference keeps its place
    EXPECT_EQ(button->userLeft(), 20);
}

TEST_F(PToolBoxAlign, AlignRightSubtractsTheFieldsDesignWidthFromThePalmRightEdge)
{
    auto *button = placeAt(ControlKind::Button, 0, 30, 46, 17);
    button->setUserLeft(20);
    button->setUserWidth(40);
    ASSERT_EQ(button->userLeft() + button->userWidth(), 60);
    auto *field = placeAt<TPTEdit>(ControlKind::Field, 90, 60, 32, 12);
    click(button);
    click(field, true);

    AlignSelected(*form, AlignMode::Right);
    EXPECT_EQ(field->left(), 28);
    EXPECT_EQ(field->width(), 32);
    EXPECT_EQ(button->userLeft(), 20);
}

TEST_F(PToolBoxAlign, TheReferenceIsTheControlSelectedFirstWhateverTheChildOrder)
{
    DesignObject *a = placeAt(ControlKind::Button, 0, 5, 46, 17);
    DesignObject *b = placeAt(ControlKind::Button, 50, 40, 46, 17);
    DesignObject *c = placeAt(ControlKind::Button, 100, 70, 46, 17);
    click(b);
    click(a, true);
    click(c, true);

    AlignSelected(*form, AlignMode::Top);
    EXPECT_EQ(a->top(), 40);
    EXPECT_EQ(b->top(), 40);
    EXPECT_EQ(c->top(), 40);
    EXPECT_EQ(a->left(), 0);
}

TEST_F(PToolBoxAlign, AlignBottomUsesTheListsPalmTopAndDesignHeight)
{
    auto *list = place<TPTList>(ControlKind::List, 10, 20);
    const int bottom = list->userTop() + list->height();
    DesignObject *button = placeAt(ControlKind::Button, 60, 90, 46, 17);
    click(list);
    click(button, true);

    AlignSelected(*form, AlignMode::Bottom);
    EXPECT_EQ(button->userTop() + button->userHeight(), bottom);
}

TEST_F(PToolBoxAlign, SameWidthSizesAListByItsPalmWidthAndKeepsItsHeight)
{
    DesignObject *button = placeAt(ControlKind::Button, 0, 5, 46, 17); // Palm width 42
    auto *list = place<TPTList>(ControlKind::List, 10, 40);
    const int height = list->height();
    click(button);
    click(list, true);

    AlignSelected(*form, AlignMode::Width);
    EXPECT_EQ(list->userWidth(), 42);
    EXPECT_EQ(list->width(), 45);
    EXPECT_EQ(list->height(), height);

    // Same Height passes the list by.
    AlignSelected(*form, AlignMode::Height);
    EXPECT_EQ(list->height(), height);
}

TEST_F(PToolBoxAlign, AKindOutsideSameWidthAsReferenceMakesTheCommandDoNothing)
{
    DesignObject *label = placeAt(ControlKind::Label, 0, 5, 0, 0);
    DesignObject *button = placeAt(ControlKind::Button, 0, 40, 46, 17);
    click(label);
    click(button, true);
    const int before = undoSteps();

    AlignSelected(*form, AlignMode::Width);
    AlignSelected(*form, AlignMode::Height);
    EXPECT_EQ(button->width(), 46);
    EXPECT_EQ(button->height(), 17);
    EXPECT_EQ(undoSteps(), before);

    // As a target it is passed by while the others are sized.
    DesignObject *other = placeAt(ControlKind::Button, 0, 80, 30, 20);
    click(button);
    click(label, true);
    click(other, true);
    const QRect labelBounds = label->bounds();
    AlignSelected(*form, AlignMode::Width);
    EXPECT_EQ(other->width(), 46);
    EXPECT_EQ(label->bounds(), labelBounds);
}

TEST_F(PToolBoxAlign, ControlsOfTheDialogAreAlignedAmongThemselves)
{
    auto *dialog = place<TPTDialog>(ControlKind::Dialog);
    DesignObject *outside = placeAt(ControlKind::Button, 70, 5, 46, 17);
    DesignObject *first = placeAt(ControlKind::Button, 30, 10, 46, 17, dialog);
    DesignObject *second = placeAt(ControlKind::Button, 5, 40, 46, 17, dialog);
    click(outside);
    click(first, true);
    click(second, true);
    ASSERT_EQ(first->selectColor(), 0x0000FFu);
    ASSERT_EQ(outside->selectColor(), 0xFF0000u);

    // The dialog comes before the screen's button in child order, so its
    // primary control is met first.
    AlignSelected(*form, AlignMode::Left);
    EXPECT_EQ(second->left(), 30);
    EXPECT_EQ(outside->left(), 70);
}

TEST_F(PToolBoxAlign, NothingOrOneSelectedChangesNothing)
{
    DesignObject *button = placeAt(ControlKind::Button, 7, 9, 46, 17);
    const int before = undoSteps();
    for (AlignMode mode : {AlignMode::Left, AlignMode::Right, AlignMode::Top, AlignMode::Bottom,
                           AlignMode::Width, AlignMode::Height})
        AlignSelected(*form, mode);
    click(button);
    for (AlignMode mode : {AlignMode::Left, AlignMode::Right, AlignMode::Top, AlignMode::Bottom,
                           AlignMode::Width, AlignMode::Height})
        AlignSelected(*form, mode);
    EXPECT_EQ(button->bounds(), QRect(7, 9, 46, 17));
    EXPECT_EQ(undoSteps(), before);
}

TEST_F(CControlsAlign, CheckBoxAlignsLeftByPalmAndRightByDesign)
{
    DesignObject *button = placeAt(ControlKind::Button, 30, 5, 40, 16); // Palm 31..69
    auto *box = placeAt<TCCCheckbox>(ControlKind::CheckBox, 80, 40, 50, 13);
    click(button);
    click(box, true);

    AlignSelected(*form, AlignMode::Left);
    EXPECT_EQ(box->userLeft(), 31);
    EXPECT_EQ(box->left(), 30);

    AlignSelected(*form, AlignMode::Right);
    EXPECT_EQ(box->left() + box->width(), 31 + 38);
    EXPECT_EQ(box->left(), 19);
}

TEST_F(CControlsAlign, LabelsKeepTheirHeightUnderSameHeightButAlignTheirBottom)
{
    DesignObject *button = placeAt(ControlKind::Button, 10, 5, 40, 30);
    DesignObject *label = placeAt(ControlKind::Label, 60, 50, 40, 13);
    DesignObject *other = placeAt(ControlKind::Button, 100, 50, 40, 16);
    click(button);
    click(label, true);
    click(other, true);

    AlignSelected(*form, AlignMode::Height);
    EXPECT_EQ(label->height(), 13);
    EXPECT_EQ(other->height(), 30);

    AlignSelected(*form, AlignMode::Bottom);
    // Palm bottom edge of the button: top 6 + Palm height 28.
    EXPECT_EQ(label->userTop() + label->height(), 34);
    EXPECT_EQ(other->userTop() + other->userHeight(), 34);
}

TEST_F(CControlsAlign, EachCommandIsOneUndoStepAndKeepsTheSelection)
{
    DesignObject *a = placeAt(ControlKind::Button, 10, 5, 40, 16);
    DesignObject *b = placeAt(ControlKind::Button, 60, 50, 50, 20);
    DesignObject *c = placeAt(ControlKind::Switch, 20, 90, 30, 12);
    click(a);
    click(b, true);
    click(c, true);
    const int before = undoSteps();

    AlignSelected(*form, AlignMode::Width); // sizes change, yet the selection stays whole
    AlignSelected(*form, AlignMode::Left);
    EXPECT_EQ(undoSteps(), before + 2);
    for (DesignObject *o : {a, b, c})
        EXPECT_TRUE(o->isSelected());
    EXPECT_EQ(a->selectColor(), 0xFF0000u);
    EXPECT_EQ(b->selectColor(), 0x800000u);
    EXPECT_EQ(c->selectColor(), 0x800000u);
    EXPECT_EQ(b->bounds(), QRect(10, 50, 40, 20));

    form->undoStack().undo();
    EXPECT_EQ(b->bounds(), QRect(60, 50, 40, 20));
    form->undoStack().undo();
    EXPECT_EQ(b->bounds(), QRect(60, 50, 50, 20));
    EXPECT_EQ(c->bounds(), QRect(20, 90, 30, 12));
}

TEST_F(CControlsAlign, AnotherLibraryValueDoesNothing)
{
    DesignObject *a = placeAt(ControlKind::Button, 10, 5, 40, 16);
    DesignObject *b = placeAt(ControlKind::Button, 60, 50, 50, 20);
    click(a);
    click(b, true);
    project.setLibrary(3);
    AlignSelected(*form, AlignMode::Left);
    CenterSelected(*form, LayoutDirection::Horizontal);
    SpaceSelected(*form, LayoutDirection::Vertical);
    EXPECT_EQ(b->bounds(), QRect(60, 50, 50, 20));
    EXPECT_EQ(a->bounds(), QRect(10, 5, 40, 16));
}

using Center = PToolBoxLayoutFixture;

TEST_F(Center, HalvesTheFreeSpaceTruncatingTowardZero)
{
    DesignObject *even = placeAt(ControlKind::Button, 3, 4, 46, 14);
    DesignObject *odd = placeAt(ControlKind::Button, 90, 40, 45, 13);
    DesignObject *wide = placeAt(ControlKind::Button, 0, 70, 201, 14);
    DesignObject *idle = placeAt(ControlKind::Button, 9, 100, 40, 14);
    click(even);
    click(odd, true);
    click(wide, true);
    const int before = undoSteps();

    CenterSelected(*form, LayoutDirection::Horizontal);
    EXPECT_EQ(even->left(), 57);
    EXPECT_EQ(odd->left(), 57);
    EXPECT_EQ(wide->left(), -20);
    EXPECT_EQ(idle->left(), 9);
    EXPECT_EQ(even->top(), 4);

    CenterSelected(*form, LayoutDirection::Vertical);
    EXPECT_EQ(even->top(), 73);
    EXPECT_EQ(odd->top(), 73);
    EXPECT_EQ(undoSteps(), before + 2);
}

TEST_F(Center, ASelectedDialogAndItsSelectedControlsMoveInOneCommand)
{
    auto *dialog = place<TPTDialog>(ControlKind::Dialog);
    dialog->setBounds(0, 20, 152, 80);
    DesignObject *inside = placeAt(ControlKind::Button, 2, 3, 46, 14, dialog);
    DesignObject *still = placeAt(ControlKind::Button, 60, 40, 30, 14, dialog);
    click(inside);
    click(dialog, true);
    ASSERT_TRUE(inside->isSelected());
    const int before = undoSteps();

    CenterSelected(*form, LayoutDirection::Horizontal);
    EXPECT_EQ(dialog->left(), 4);
    EXPECT_EQ(inside->left(), 53);
    EXPECT_EQ(still->left(), 60);
    EXPECT_EQ(undoSteps(), before + 1);
}

TEST_F(Center, ControlsOfAnUnselectedDialogAreCentredInTheDialog)
{
    auto *dialog = place<TPTDialog>(ControlKind::Dialog);
    dialog->setBounds(5, 60, 152, 80);
    DesignObject *inside = placeAt(ControlKind::Button, 2, 3, 46, 14, dialog);
    click(inside);
    CenterSelected(*form, LayoutDirection::Vertical);
    EXPECT_EQ(inside->top(), 33);
    EXPECT_EQ(dialog->top(), 60);
}

using Space = PToolBoxLayoutFixture;

TEST_F(Space, MiddleButtonGoesWhereTheGapsAreEqual)
{
    DesignObject *a = placeAt(ControlKind::Button, 0, 5, 46, 17);
    DesignObject *b = placeAt(ControlKind::Button, 10, 30, 46, 17);
    DesignObject *c = placeAt(ControlKind::Button, 100, 60, 46, 17);
    click(c);
    click(a, true);
    click(b, true);

    SpaceSelected(*form, LayoutDirection::Horizontal);
    EXPECT_EQ(a->left(), 0);
    EXPECT_EQ(b->left(), 50);
    EXPECT_EQ(c->left(), 100);
    EXPECT_EQ(b->top(), 30);
}

TEST_F(Space, ANegativeGapIsTruncatedTowardZeroAndControlsOverlap)
{
    // Combined height 120 over a span of 115: the gap is -2.5, taken as -2.
    DesignObject *a = placeAt(ControlKind::Button, 0, 0, 46, 40);
    DesignObject *b = placeAt(ControlKind::Button, 0, 20, 46, 40);
    DesignObject *c = placeAt(ControlKind::Button, 0, 75, 46, 40);
    click(a);
    click(b, true);
    click(c, true);

    SpaceSelected(*form, LayoutDirection::Vertical);
    EXPECT_EQ(a->top(), 0);
    EXPECT_EQ(b->top(), 38);
    EXPECT_EQ(c->top(), 76); // the last moves by the truncation
}

TEST_F(Space, TwoControlsStayAndOneOrNoneDoNothing)
{
    DesignObject *a = placeAt(ControlKind::Button, 0, 0, 46, 40);
    DesignObject *b = placeAt(ControlKind::Button, 73, 20, 46, 40);
    const int before = undoSteps();
    SpaceSelected(*form, LayoutDirection::Horizontal);
    click(a);
    SpaceSelected(*form, LayoutDirection::Horizontal);
    click(b, true);
    SpaceSelected(*form, LayoutDirection::Horizontal);
    EXPECT_EQ(a->left(), 0);
    EXPECT_EQ(b->left(), 73);
    EXPECT_EQ(undoSteps(), before);
}

TEST_F(Space, NegativePositionsSortFirstAndTiesKeepChildOrder)
{
    DesignObject *tieFirst = placeAt(ControlKind::Button, 30, 0, 10, 14);
    DesignObject *tieSecond = placeAt(ControlKind::Button, 30, 20, 30, 14);
    DesignObject *leftmost = placeAt(ControlKind::Button, -10, 40, 20, 14);
    click(tieFirst);
    click(tieSecond, true);
    click(leftmost, true);

    // Total 60 over the span -10 .. 60: gaps of 5.
    SpaceSelected(*form, LayoutDirection::Horizontal);
    EXPECT_EQ(leftmost->left(), -10);
    EXPECT_EQ(tieFirst->left(), 15);
    EXPECT_EQ(tieSecond->left(), 30);
}

TEST_F(Space, EachGroupIsSpacedOnItsOwn)
{
    DesignObject *s1 = placeAt(ControlKind::Button, 0, 0, 20, 14);
    DesignObject *s2 = placeAt(ControlKind::Button, 5, 20, 20, 14);
    DesignObject *s3 = placeAt(ControlKind::Button, 100, 40, 20, 14);
    auto *dialog = place<TPTDialog>(ControlKind::Dialog);
    DesignObject *d1 = placeAt(ControlKind::Button, 0, 0, 20, 10, dialog);
    DesignObject *d2 = placeAt(ControlKind::Button, 0, 3, 20, 10, dialog);
    DesignObject *d3 = placeAt(ControlKind::Button, 0, 50, 20, 10, dialog);
    for (DesignObject *o : {s1, s2, s3, d1, d2, d3})
        click(o, true);

    SpaceSelected(*form, LayoutDirection::Horizontal);
    EXPECT_EQ(s2->left(), 50);
    EXPECT_EQ(d2->left(), 0); // all at 0 in the dialog: they stay
    SpaceSelected(*form, LayoutDirection::Vertical);
    EXPECT_EQ(d2->top(), 25);
    EXPECT_EQ(s2->top(), 20);
}

} // namespace
