#include "ModelFixture.h"
#include "core/ccontrols/CCCheckbox.h"
#include "core/ccontrols/CCDropDown.h"
#include "core/ccontrols/CCEdit.h"
#include "core/ccontrols/CCLabel.h"
#include "core/ccontrols/CCListBox.h"
#include "core/ccontrols/CCMenu.h"
#include "core/ccontrols/CCMenuBar.h"
#include "core/ccontrols/CCPopUp.h"
#include "core/ccontrols/CCTable.h"
#include "core/ccontrols/ccontrols.h"
#include "core/controls/CCBitmap.h"
#include "core/controls/CCButton.h"
#include "core/controls/CCRadio.h"
#include "core/controls/CCSwitch.h"

#include <limits>

using namespace zf;
using namespace zf::test;

using CControlsCatalogue = ModelFixture;

TEST_F(CControlsCatalogue, PlacesButtonsByTheirPalmCornerAndLabelsByTheirOwn)
{
    auto *button = place<TCCButton>(ControlKind::Button, 20, 30);
    ASSERT_TRUE(button);
    EXPECT_EQ(button->bounds(), QRect(19, 29, 40, 14));
    EXPECT_EQ(button->userLeft(), 20);
    EXPECT_EQ(button->userTop(), 30);
    EXPECT_EQ(button->userWidth(), 38);
    EXPECT_EQ(button->userHeight(), 12);
    EXPECT_EQ(button->content(), QStringLiteral("Button1"));
    EXPECT_EQ(button->showForm(), QStringLiteral("(None)"));
    button->setUserWidth(38 + 5);
    EXPECT_EQ(button->width(), 45);

    auto *label = place<TCCLabel>(ControlKind::Label, 20, 30);
    EXPECT_EQ(label->bounds(), QRect(20, 30, 32, 13));
    EXPECT_EQ(label->userLeft(), 21);
    EXPECT_EQ(label->userWidth(), 30);
    EXPECT_EQ(label->line(), 0);
    EXPECT_EQ(label->style(), 0);
}

TEST_F(CControlsCatalogue, NewControlsTakeTheirKindsSettings)
{
    auto *list = place<TCCListBox>(ControlKind::ListBox);
    EXPECT_EQ(list->items(), QStringList({"One", "Two", "Three"}));
    EXPECT_EQ(list->visibleItems(), 2);
    EXPECT_EQ(list->height(), 24);
    EXPECT_EQ(list->selectedItem(), -1);

    auto *drop = place<TCCDropDown>(ControlKind::DropDown);
    EXPECT_EQ(drop->width(), 39);
    EXPECT_EQ(drop->userWidth(), 36);
    EXPECT_EQ(drop->height(), 12); // closed
    EXPECT_EQ(drop->selectedItem(), 0);

    auto *table = place<TCCTable>(ControlKind::Table);
    EXPECT_EQ(table->width(), 77);
    EXPECT_EQ(table->height(), 46);
    EXPECT_EQ(table->items(), QStringList({"~~"}));
    EXPECT_EQ(table->colWidths(), QStringList({"25", "25", "25"}));
    EXPECT_EQ(table->colAlign(), QStringList({"0", "0", "0"}));
    EXPECT_EQ(table->cols(), 3);

    auto *sw = place<TCCSwitch>(ControlKind::Switch);
    EXPECT_EQ(sw->width(), 38);
    EXPECT_EQ(sw->radius(), 0);

    auto *popup = place<TCCPopUp>(ControlKind::PopUp);
    EXPECT_EQ(popup->height(), 25);
    EXPECT_EQ(popup->visibleItems(), 2);
    EXPECT_TRUE(popup->isVisible());

    auto *edit = place<TCCEdit>(ControlKind::Edit);
    EXPECT_FALSE(edit->isEditLine());
    EXPECT_EQ(edit->topic(), QStringLiteral("Topic"));
    EXPECT_TRUE(place<TCCEdit>(ControlKind::EditLine)->isEditLine());

    auto *image = place<TCCBitmap>(ControlKind::Image);
    EXPECT_EQ(image->tag(), 1);
    EXPECT_EQ(image->width(), 20);
    EXPECT_EQ(project.pressedTool(), std::nullopt);
}

TEST_F(CControlsCatalogue, TableDoesNotClearTheSelection)
{
    DesignObject *button = place(ControlKind::Button);
    form->selectControl(button, true, false);
    place(ControlKind::Table);
    EXPECT_TRUE(button->isSelected());
    place(ControlKind::Label);
    EXPECT_FALSE(button->isSelected());
}

TEST_F(CControlsCatalogue, TextLinesAndCheckBoxesKeepTheirHeight)
{
    auto *label = place<TCCLabel>(ControlKind::Label);
    label->setHeight(20);
    EXPECT_EQ(label->height(), 13);
    auto *box = place<TCCCheckbox>(ControlKind::CheckBox);
    box->setBounds(1, 2, 70, 30);
    EXPECT_EQ(box->bounds(), QRect(1, 2, 70, 13));
    EXPECT_EQ(box->userLeft(), 2);
    EXPECT_EQ(box->userWidth(), 70); // no Palm width: the design value
}

TEST_F(CControlsCatalogue, ListRowsFollowTheHeight)
{
    TCCListBox list;
    list.setHeight(35);
    EXPECT_EQ(list.visibleItems(), 3);
    list.setVisibleItems(4);
    EXPECT_EQ(list.height(), 46);

    TCCPopUp popup;
    popup.setHeight(30);
    EXPECT_EQ(popup.visibleItems(), 2);

    TCCTable table;
    table.setVisibleRows(1);
    EXPECT_EQ(table.height(), 13);

    TCCDropDown drop;
    drop.setVisibleItems(5);
    EXPECT_EQ(drop.height(), 12);
    EXPECT_EQ(drop.visibleItems(), 5);
    drop.setTestItems(1);
    EXPECT_EQ(drop.height(), 58);
    drop.setVisibleItems(2);
    EXPECT_EQ(drop.height(), 25);
}

TEST_F(CControlsCatalogue, RadioWidthCountsWholeCells)
{
    TCCRadio radio;
    radio.setItems({"A", "B", "C"});
    EXPECT_EQ(radio.width(), 31);
    EXPECT_EQ(radio.userWidth(), 28);
    radio.setUserWidth(40);
    EXPECT_EQ(radio.width(), 41);

    TCCRadio empty;
    EXPECT_EQ(empty.userWidth(), 29);
    empty.setUserWidth(40);
    EXPECT_EQ(empty.width(), 42);
}

TEST_F(CControlsCatalogue, RadioOrientationReshapesTheCells)
{
    TCCRadio radio;
    radio.setItems({"A", "B", "C"});
    radio.setBounds(0, 0, 46, 14);
    radio.setOrientation(1);
    EXPECT_EQ(radio.height(), 3 * 14 - 2);
    EXPECT_EQ(radio.width(), (46 - 4) / 3 + 2);
    radio.setOrientation(1); // the same value changes nothing
    EXPECT_EQ(radio.width(), 16);
    radio.setOrientation(0);
    EXPECT_EQ(radio.height(), (40 - 4) / 3 + 2);
    EXPECT_EQ(radio.width(), 3 * 16 - 2);

    TCCRadio none;
    none.setBounds(0, 0, 31, 14);
    none.setOrientation(1);
    EXPECT_EQ(none.height(), 1); // 0 × 14 − (0 − 1)
    EXPECT_EQ(none.width(), 31);
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
    ASSERT_TRUE(first);
    TCCMenuBar *bar = menuBarOf(*form);
    ASSERT_TRUE(bar);
    EXPECT_EQ(bar->name(), QStringLiteral("MenuBarForm1"));
    EXPECT_EQ(bar->bounds(), QRect(4, 2, 160, 15));
    EXPECT_EQ(first->name(), QStringLiteral("Menu1"));
    EXPECT_EQ(first->userLeft(), 9);
    EXPECT_EQ(first->left(), 8);
    EXPECT_EQ(first->top(), 2);
    EXPECT_EQ(first->topicWidth(), 36);
    EXPECT_EQ(first->userWidth(), 38);
    EXPECT_EQ(first->width(), 41);
    EXPECT_EQ(first->items(), QStringList({"Item1"}));
    EXPECT_TRUE(first->isOpen());
    EXPECT_EQ(first->height(), 26);

    auto *second = place<TCCMenu>(ControlKind::Menu);
    EXPECT_EQ(menusOf(*form).size(), 2u);
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

TEST_F(CControlsCatalogue, MenuTitleAndListWidensTheMenu)
{
    TCCMenu menu; // UserWidth 32, TopicWidth 31
    menu.setTopicWidth(30);
    EXPECT_EQ(menu.width(), 35);
    menu.setTopicWidth(50);
    EXPECT_EQ(menu.width(), 54);
    menu.setUserWidth(40); // not above the title
    EXPECT_EQ(menu.width(), 54);
    menu.setUserWidth(60);
    EXPECT_EQ(menu.width(), 63);
    menu.setTest(0);
    EXPECT_EQ(menu.height(), 15);
}

TEST_F(CControlsCatalogue, MenuBarNameTakenRefusesTheMenu)
{
    DesignObject *label = place(ControlKind::Label);
    label->setName(QStringLiteral("MenuBarForm1"));
    project.setPressedTool(ControlKind::Menu);
    EXPECT_FALSE(project.librarySupport().createControlAt(*form, 0, 0, form->screen()));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("Duplicate name"));
    EXPECT_EQ(ui.messages[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(ui.messages[0].icon, UserInterface::Icon::Error);
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
    form->refreshControlList();
    EXPECT_TRUE(form->controlList().empty());
    EXPECT_TRUE(form->screen()->children().isEmpty());
}
