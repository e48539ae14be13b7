#include "ModelFixture.h"
#include "core/ccontrols/CCListBox.h"
#include "core/ccontrols/CCMenu.h"
#include "core/ccontrols/CCMenuBar.h"
#include "core/ccontrols/ccontrols.h"
#include "core/controls/CCButton.h"
#include "core/controls/CCRadio.h"

#include <limits>

using namespace zf;
using namespace zf::test;

using CControlsCatalogue = ModelFixture;

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

    auto *second = place<TCCMenu>(ControlKind::Menu);
    EXPECT_EQ(form->windowChildren().size(), 3);
    EXPECT_TRUE(second->isOpen());
    EXPECT_FALSE(first->isOpen());
    EXPECT_TRUE(first->isVisible());

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
