#include "core/designer/Nudging.h"
#include "DesignWindowFixture.h"
#include "core/ccontrols/CCMenuBar.h"
#include "core/ccontrols/ccontrols.h"

#include <cctype>
#include <string_view>

using namespace zf;
using namespace zf::test;

namespace {

// Keys as letters: L U R D move, l u r d size (Shift), ' ' switches between
// the grid step and single pixels.
struct NudgeCase
{
    bool grid;
    const char *keys;
    QRect expected;
};

struct Nudging : DesignWindowFixture, ::testing::WithParamInterface<NudgeCase>
{
    Nudging() : DesignWindowFixture(kLibraryCControls, GetParam().grid) {}

    bool press(char key)
    {
        const NudgeKey keys[] = {NudgeKey::Space, NudgeKey::Left, NudgeKey::Up, NudgeKey::Right,
                                 NudgeKey::Down};
        const auto index = std::string_view(" LURD").find(char(std::toupper(key)));
        return NudgeKeyPressed(project, keys[index], std::islower(key));
    }
};

const QRect kStart(3, 20, 40, 16);

} // namespace

// Arrows move by the grid step (never onto the grid) or by single pixels;
// Shift sizes instead. A run of them on one control is one undo step.
TEST_P(Nudging, ArrowsMoveOrSizeTheControlInOneUndoStep)
{
    const NudgeCase &c = GetParam();
    DesignObject *other = placeKind(ControlKind::Button, 10, 80);
    DesignObject *button = placeKind(ControlKind::Button, 10, 10);
    button->setBounds(kStart.x(), kStart.y(), kStart.width(), kStart.height());
    click(other);
    click(button, MouseButton::Left, ShiftKey::Shift);
    const int steps = form->undoStack().count();
    for (const char *key = c.keys; *key; ++key)
        EXPECT_TRUE(press(*key)) << *key;
    EXPECT_EQ(std::pair(button->bounds(), form->undoStack().count()),
              std::pair(c.expected, steps + 1))
        << c.keys;
    // Sized as by its edge, the resize handler leaves it selected alone.
    EXPECT_EQ(other->isSelected(), c.expected.size() == kStart.size()) << c.keys;
}

INSTANTIATE_TEST_SUITE_P(
    GridOnAndOff, Nudging,
    ::testing::Values(NudgeCase{true, "R", {7, 20, 40, 16}},
                      NudgeCase{true, " R LU", {0, 16, 40, 16}},
                      // Shrinking stops at one pixel.
                      NudgeCase{
                          true, " llllllllllllllllllllllllllllllllllllllllllll", {3, 20, 1, 16}},
                      NudgeCase{false, " RR", {5, 20, 40, 16}}));

using NudgingRules = DesignWindowFixture;

TEST_F(NudgingRules, StatusTextsSwitchingTheKeysAndWhatTheyActOn)
{
    DesignObject *label = placeAt({10, 10, 40, 13}, nullptr, ControlKind::Label);
    click(label);
    NudgeKeyPressed(project, NudgeKey::Space);
    EXPECT_EQ(CursorKeysStatusText(project), QStringLiteral("Cursor keys activated - Single Step"));
    NudgeKeyPressed(project, NudgeKey::Space);
    SwitchCursorKeysOff(project);
    EXPECT_EQ(CursorKeysStatusText(project), QString());
    for (NudgeKey key : {NudgeKey::Right, NudgeKey::Delete})
        EXPECT_FALSE(NudgeKeyPressed(project, key));
    EXPECT_EQ(form->screen()->children().size(), 1);
    // A click on a control hands them back.
    click(label);
    EXPECT_TRUE(project.cursorKeysActive());
    // A label keeps its fixed height.
    NudgeKeyPressed(project, NudgeKey::Down, true);
    EXPECT_EQ(label->height(), 13);

    DesignObject *menu = placeKind(ControlKind::Menu, 0, 0);
    const int left = menu->left();
    for (DesignObject *object :
         std::initializer_list<DesignObject *>{menu, menuBarOf(*form), form->screen(), nullptr}) {
        project.setSelectedObject(object);
        EXPECT_FALSE(NudgeKeyPressed(project, NudgeKey::Left));
    }
    EXPECT_EQ(std::pair(menu->left(), form->screen()->left()), std::pair(left, 4));
    click(label);
    EXPECT_TRUE(NudgeKeyPressed(project, NudgeKey::Delete));
    EXPECT_EQ(project.selectedObject(), form->screen());
    project.setCurrentDesignWindow(nullptr);
    EXPECT_FALSE(NudgeKeyPressed(project, NudgeKey::Delete));
}
