#include "ModelFixture.h"
#include "core/ccontrols/CCCheckbox.h"
#include "core/ccontrols/CCDropDown.h"
#include "core/ccontrols/CCLabel.h"
#include "core/ccontrols/CCListBox.h"
#include "core/ccontrols/CCMenu.h"
#include "core/ccontrols/CCMenuBar.h"
#include "core/ccontrols/CCTable.h"
#include "core/ccontrols/ccontrols.h"
#include "core/controls/CCButton.h"
#include "core/controls/CCRadio.h"

#include <limits>

using namespace zf;
using namespace zf::test;

using CControlsCatalogue = ModelFixture;

TEST_F(CControlsCatalogue, TableKeepsTheSelectionOtherKindsClearIt)
{
    DesignObject *button = place(ControlKind::Button);
    form->selectControl(button, true, false);
    place(ControlKind::Table);
    EXPECT_TRUE(button->isSelected());
    place(ControlKind::Label);
    EXPECT_FALSE(button->isSelected());
    EXPECT_EQ(project.pressedTool(), std::nullopt);
}

TEST_F(CControlsCatalogue, TextLinesAndCheckBoxesKeepTheirHeight)
{
    auto *label = place<TCCLabel>(ControlKind::Label);
    label->setHeight(20);
    EXPECT_EQ(label->height(), 13);
    auto *box = place<TCCCheckbox>(ControlKind::CheckBox);
    box->setBounds(1, 2, 70, 30);
    EXPECT_EQ(box->bounds(), QRect(1, 2, 70, 13));
    EXPECT_EQ(box->userWidth(), 70); // no Palm width: the design value
}

// List boxes and pop-ups show their rows in the golden pictures.
TEST_F(CControlsCatalogue, ListRowsFollowTheHeight)
{
    TCCTable table;
    table.setVisibleRows(1);
    EXPECT_EQ(table.height(), 13);

    // A closed drop-down stays one row high; opened, it shows its rows.
    TCCDropDown drop;
    drop.setVisibleItems(5);
    EXPECT_EQ(drop.height(), 12);
    drop.setTestItems(1);
    EXPECT_EQ(drop.height(), 58);
    drop.setVisibleItems(2);
    EXPECT_EQ(drop.height(), 25);
}

TEST_F(CControlsCatalogue, RadioCellsAreWholeAndOrientationReshapesThem)
{
    TCCRadio radio;
    radio.setItems({"A", "B", "C"});
    EXPECT_EQ(radio.width(), 31);
    EXPECT_EQ(radio.userWidth(), 28);
    radio.setUserWidth(40);
    EXPECT_EQ(radio.width(), 41);
    TCCRadio empty;
    empty.setUserWidth(40);
    EXPECT_EQ(empty.width(), 42);

    radio.setBounds(0, 0, 46, 14);
    radio.setOrientation(1);
    EXPECT_EQ(radio.bounds().size(), QSize(16, 40));
    radio.setOrientation(1); // the same value changes nothing
    EXPECT_EQ(radio.width(), 16);
    radio.setOrientation(0);
    EXPECT_EQ(radio.bounds().size(), QSize(46, 14));

    TCCRadio none;
    none.setBounds(0, 0, 31, 14);
    none.setOrientation(1);
    EXPECT_EQ(none.bounds().size(), QSize(31, 1)); // 0 × 14 − (0 − 1)
}

TEST_F(CControlsCatalogue, HugeAndNegativeValuesAreStoredWithoutOverflow)
{
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    TCCListBox list;
    list.setVisibleItems(kMax);
    EXPECT_EQ(list.height(), kMax);
    list.setVisibleItems(-3);
    EXPECT_EQ(list.height(), -31);
    EXPECT_EQ(list.visibleItems(), -3); // rounded down: -3 rows give -31 back

    TCCButton button;
    button.setUserLeft(kMin);
    EXPECT_EQ(button.left(), kMin);
    EXPECT_EQ(button.userLeft(), kMin + 1);
    button.setWidth(kMax);
    EXPECT_EQ(button.userWidth(), kMax - 2);
    button.setUserWidth(kMax);
    EXPECT_EQ(button.width(), kMax);

    TCCRadio radio;
    radio.setItems({"A", "B"});
    radio.setUserWidth(kMax);
    EXPECT_EQ(radio.width(), kMax);
    radio.setHeight(kMax);
    radio.setOrientation(1);
    EXPECT_EQ(radio.height(), kMax);

    TCCMenu menu;
    menu.setUserLeft(kMin);
    EXPECT_EQ(menu.left(), kMin);
    EXPECT_EQ(menu.userLeft(), kMin);
}

TEST_F(CControlsCatalogue, FirstMenuBringsTheBarAndOnlyOneMenuIsOpen)
{
    auto *first = place<TCCMenu>(ControlKind::Menu);
    TCCMenuBar *bar = menuBarOf(*form);
    ASSERT_TRUE(bar);
    EXPECT_EQ(bar->name(), QStringLiteral("MenuBarForm1"));
    EXPECT_TRUE(first->isOpen());
    EXPECT_EQ(first->height(), 26);

    auto *second = place<TCCMenu>(ControlKind::Menu);
    EXPECT_EQ(form->windowChildren().size(), 3);
    EXPECT_TRUE(second->isOpen());
    EXPECT_FALSE(first->isOpen());
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->height(), 15);
    second->setItems({"Cut", "Copy", "Paste"});
    EXPECT_EQ(second->height(), 48);

    bar->setTest(0);
    CloseMenus(*form, *bar);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_FALSE(second->isVisible());
    EXPECT_FALSE(second->isOpen());
}

TEST_F(CControlsCatalogue, MenuTitleAndListWidenTheMenu)
{
    TCCMenu menu; // UserWidth 32, TopicWidth 31
    menu.setTopicWidth(30);
    EXPECT_EQ(menu.width(), 35);
    menu.setTopicWidth(50);
    EXPECT_EQ(menu.width(), 54);
    menu.setUserWidth(50); // not above the title
    EXPECT_EQ(menu.width(), 54);
    menu.setUserWidth(60);
    EXPECT_EQ(menu.width(), 63);
}

TEST_F(CControlsCatalogue, MenuBarNameTakenRefusesTheMenu)
{
    place(ControlKind::Label)->setName(QStringLiteral("MenuBarForm1"));
    project.setPressedTool(ControlKind::Menu);
    EXPECT_FALSE(project.librarySupport().createControlAt(*form, 0, 0, form->screen()));
    using B = UserInterface::Button;
    EXPECT_EQ(ui.messages,
              std::vector<UserInterface::Message>(
                  {{"Error", "Duplicate name", B::Ok, UserInterface::Icon::Error, B::Ok}}));
    EXPECT_TRUE(form->windowChildren().isEmpty());
}

TEST_F(CControlsCatalogue, NoPressedKindCreatesNothing)
{
    EXPECT_FALSE(project.librarySupport().createControlAt(*form, 5, 5, form->screen()));
    project.setPressedTool(ControlKind::Gsi); // not a CControls kind
    EXPECT_FALSE(project.librarySupport().createControlAt(*form, 5, 5, form->screen()));
    project.setLibrary(7);
    project.setPressedTool(ControlKind::Button);
    EXPECT_FALSE(project.librarySupport().createControlAt(*form, 5, 5, form->screen()));
    EXPECT_TRUE(form->screen()->children().isEmpty());
}
