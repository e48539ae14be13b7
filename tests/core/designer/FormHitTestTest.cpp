#include "core/designer/FormHitTest.h"
#include "DesignWindowFixture.h"
#include "core/ccontrols/ccontrols.h"
#include "core/model/PTDialog.h"

using namespace zf;
using namespace zf::test;

class FormHitTest : public DesignWindowFixture
{
protected:
    // The screen lies at (4, 2) of the window's picture.
    DesignObject *at(int x, int y) const { return objectAt(*form, QPoint(4 + x, 2 + y)); }
};

// The topmost drawn control, else the shown dialog or the screen, else the
// device picture (none). A control covers its last row and column only.
TEST_F(FormHitTest, TheTopmostControlIsFoundInsideItsContainer)
{
    DesignObject *below = placeAt({10, 10, 40, 20});
    DesignObject *above = placeAt({30, 20, 40, 20});
    DesignObject *wide = placeAt({150, 100, 40, 20});
    auto *dialog = objectCast<TPTDialog>(placeKind(ControlKind::Dialog, 0, 0));
    dialog->setBounds(3, 58, 100, 30);
    DesignObject *inside = placeAt({10, 10, 30, 15}, dialog);
    DesignObject *sticking = placeAt({90, 20, 30, 15}, dialog);
    const DesignObject *screen = form->screen();
    const std::tuple<QPoint, const DesignObject *> cases[] = {
        {{35, 25}, above},          {{49, 29}, above},
        {{10, 30}, screen},         {{155, 105}, wide},
        {{165, 105}, nullptr},      {{3 + 12, 58 + 12}, inside},
        {{3 + 40, 58 + 5}, dialog}, {{3 + 92, 58 + 22}, sticking}};
    for (const auto &[point, expected] : cases)
        EXPECT_EQ(at(point.x(), point.y()), expected) << point.x() << ',' << point.y();
    EXPECT_EQ(windowOrigin(*inside), QPoint(4 + 3 + 10, 2 + 58 + 10));

    form->hideDialog(dialog);
    EXPECT_EQ(at(3 + 12, 58 + 12), screen);
    below->setVisible(false);
    above->setWidth(0);
    EXPECT_EQ(at(35, 25), screen);
}

TEST_F(FormHitTest, ABandTouchesTheDrawnControlsItSharesAPixelWithInReadingOrder)
{
    DesignObject *low = placeAt({10, 60, 40, 14});
    DesignObject *right = placeAt({60, 10, 40, 14});
    DesignObject *left = placeAt({0, 10, 20, 14});
    placeAt({100, 100, 0, 14});                     // of no width
    placeAt({120, 120, 20, 14})->setVisible(false); // hidden
    form->hideDialog(objectCast<TPTDialog>(placeKind(ControlKind::Dialog, 0, 0)));
    const std::pair<QRect, std::vector<DesignObject *>> cases[] = {
        {{0, 0, 160, 160}, {left, right, low}}, // top to bottom, then left to right
        {{50, 74, 60, 40}, {}},                 // one pixel past the last
        {{19, 23, 42, 1}, {left, right}},
    };
    for (const auto &[band, touched] : cases)
        EXPECT_EQ(objectsTouching(*form->screen(), band), touched) << band.x() << ',' << band.y();
    EXPECT_EQ(bandBetween({5, 3}, {2, 8}), QRect(2, 3, 4, 6));

    // Where a band may start: the empty screen and the shown dialog's body,
    // not its title bar or the edges that size it, nor a control.
    auto *dialog = objectCast<TPTDialog>(placeKind(ControlKind::Dialog, 0, 0));
    dialog->setBounds(10, 40, 100, 80);
    const std::tuple<const DesignObject *, QPoint, bool> origins[] = {
        {form->screen(), {150, 150}, true},
        {dialog, {50, 75}, true},
        {dialog, {50, 13}, false},
        {low, {5, 5}, false}};
    for (const auto &[target, point, starts] : origins)
        EXPECT_EQ(startsRubberBand(*form, *target, point), starts) << point.x() << ',' << point.y();
}

TEST_F(FormHitTest, ALetGoBandSelectsWhatItTouchesOrAddsItWithShift)
{
    DesignObject *third = placeAt({10, 70, 40, 14});
    DesignObject *first = placeAt({10, 10, 40, 14});
    DesignObject *second = placeAt({10, 40, 40, 14});
    rules.bandReleased(*form, *form->screen(), {0, 0, 20, 60}, ShiftKey::Left);
    EXPECT_EQ(project.selectedObject(), first); // the first in reading order is the reference
    EXPECT_TRUE(second->isSelected() && !third->isSelected());
    rules.bandReleased(*form, *form->screen(), {0, 80, 20, 20}, ShiftKey::Shift | ShiftKey::Left);
    EXPECT_TRUE(first->isSelected() && third->isSelected());
    // Touching nothing selects the form.
    rules.bandReleased(*form, *form->screen(), {100, 100, 10, 10}, ShiftKey::Left);
    EXPECT_TRUE(project.selectedObject() == form->screen() && !first->isSelected());
    // In the dialog, touching nothing selects it.
    auto *dialog = objectCast<TPTDialog>(placeKind(ControlKind::Dialog, 0, 0));
    rules.bandReleased(*form, *dialog, {60, 50, 5, 5}, ShiftKey::Left);
    EXPECT_EQ(project.selectedObject(), dialog);
}
