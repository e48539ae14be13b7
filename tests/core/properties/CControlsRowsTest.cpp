#include "SheetFixture.h"
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
#include "core/model/PTDialog.h"

using namespace zf;
using namespace zf::test;

namespace {

class CControlsRows : public SheetFixture
{
protected:
    QStringList shown(ControlKind kind)
    {
        sheet.showObject(place(kind, 20, 30));
        return rowTexts();
    }
};

} // namespace

TEST_F(CControlsRows, ButtonsAndTextControlsShowTheirPalmValuesAndWords)
{
    EXPECT_EQ(shown(ControlKind::Button),
              QStringList({"Content=Button1", "Edge=4", "Font=Standard", "Height=12", "Left=20",
                           "Line=Black", "Name=Button1", "ShowForm=(None)", "Top=30", "Width=38"}));
    EXPECT_EQ(shown(ControlKind::Label),
              QStringList({"Alignment=Left", "Content=Label2", "Font=Standard", "Left=21",
                           "Line=White", "Name=Label2", "Style=Plain", "Top=31", "Width=30"}));
    EXPECT_EQ(shown(ControlKind::CheckBox),
              QStringList({"Content=CheckBox3", "Font=Standard", "Left=21", "Name=CheckBox3",
                           "State=False", "Top=31", "Width=58"}));
    EXPECT_EQ(shown(ControlKind::Switch),
              QStringList({"Content=Switch4", "Edge=0", "Font=Standard", "Height=12", "Left=21",
                           "Line=Black", "Name=Switch4", "State=False", "Top=31", "Width=36"}));
    // An Edit has no "Font"; an EditLine has neither "Alignment" nor "Topic".
    EXPECT_EQ(shown(ControlKind::Edit),
              QStringList({"Alignment=Left", "Content=Edit5", "Left=21", "Line=Gray", "Name=Edit5",
                           "Style=Underlined", "Top=31", "Topic=Topic", "Width=30"}));
    EXPECT_EQ(shown(ControlKind::EditLine),
              QStringList({"Content=EditLine6", "Left=21", "Line=Gray", "Name=EditLine6",
                           "Style=Underlined", "Top=31", "Width=30"}));
}

TEST_F(CControlsRows, ListsTablesAndImagesShowTheirRows)
{
    EXPECT_EQ(shown(ControlKind::ListBox),
              QStringList({"Items=(Items)", "Left=21", "Name=ListBox1", "SelectedItem=-1", "Top=31",
                           "VisibleItems=2", "Width=33"}));
    EXPECT_EQ(shown(ControlKind::Radio),
              QStringList({"Height=12", "Items=(Items)", "Left=21", "Name=Radio2", "SelectedItem=0",
                           "Top=31", "Width=28"}));
    EXPECT_EQ(shown(ControlKind::DropDown),
              QStringList({"Items=(Items)", "Left=21", "Name=DropDown3", "SelectedItem=0",
                           "TestItems=No", "Top=31", "VisibleItems=2", "Width=36"}));
    EXPECT_EQ(shown(ControlKind::PopUp),
              QStringList({"Items=(Items)", "Left=21", "Name=PopUp4", "SelectedItem=-1", "Test=Yes",
                           "Top=31", "VisibleItems=2", "Width=32"}));
    EXPECT_EQ(shown(ControlKind::Table),
              QStringList({"Items=(Items)", "Left=21", "Name=Table5", "SelectedRow=0", "Top=31",
                           "VisibleRows=4", "Width=75"}));
    // An Image shows its design values.
    EXPECT_EQ(shown(ControlKind::Image),
              QStringList({"Bitmap=(Bitmap)", "Clickable=Yes", "Height=20", "Left=20",
                           "Name=Image6", "Top=30", "Width=20"}));
}

TEST_F(CControlsRows, DialogsMenusAndTheFormShowTheirRows)
{
    // A dialog shows its design rectangle, not its Palm one.
    EXPECT_EQ(shown(ControlKind::Dialog),
              QStringList({"Content=Dialog", "Height=84", "Left=3", "Name=Dialog1", "Test=Yes",
                           "Top=58", "Width=156"}));
    EXPECT_EQ(shown(ControlKind::Menu),
              QStringList({"Items=(Items)", "Left=9", "Name=Menu2", "Test=Yes", "Topic=Topic",
                           "TopicWidth=36", "Width=38"}));
    sheet.showObject(menuBarOf(*form));
    EXPECT_EQ(rowTexts(), QStringList({"Name=MenuBarForm1", "Test=Yes"}));
    sheet.showObject(form->screen());
    EXPECT_EQ(rowTexts(), QStringList({"Name=Form1", "Title=Form1"}));
}

TEST_F(CControlsRows, NumberRowsSetThePropertyTheyShow)
{
    auto *button = place<TCCButton>(ControlKind::Button, 20, 30);
    enter(button, "Left", "25");
    EXPECT_EQ(button->left(), 24); // UserLeft 25
    enter(button, "Height", "20");
    EXPECT_EQ(button->height(), 22);
    enter(button, "Edge", "7");
    EXPECT_EQ(button->radius(), 7);

    // A check box's width is its design width.
    auto *box = place<TCCCheckbox>(ControlKind::CheckBox, 20, 30);
    enter(box, "Width", "70");
    EXPECT_EQ(box->width(), 70);

    auto *radio = place<TCCRadio>(ControlKind::Radio, 20, 30);
    enter(radio, "Width", "40"); // three cells of 13
    EXPECT_EQ(radio->width(), 41);
    EXPECT_EQ(sheet.value("Width"), "37");

    auto *list = place<TCCListBox>(ControlKind::ListBox, 20, 30);
    enter(list, "VisibleItems", "4");
    EXPECT_EQ(list->height(), 46);
    enter(list, "SelectedItem", "7"); // past the last item, stored as it is
    EXPECT_EQ(list->selectedItem(), 7);

    auto *popup = place<TCCPopUp>(ControlKind::PopUp, 20, 30);
    enter(popup, "VisibleItems", "3");
    EXPECT_EQ(popup->height(), 36);

    auto *table = place<TCCTable>(ControlKind::Table, 20, 30);
    enter(table, "VisibleRows", "-2"); // out of range, stored as it is
    EXPECT_EQ(table->height(), -20);
    enter(table, "SelectedRow", "3");
    EXPECT_EQ(table->selectedRow(), 3);
}

TEST_F(CControlsRows, DialogAndMenuGeometry)
{
    auto *dialog = place<TPTDialog>(ControlKind::Dialog);
    enter(dialog, "Left", "10");
    enter(dialog, "Height", "90");
    EXPECT_EQ(dialog->left(), 10);
    EXPECT_EQ(dialog->height(), 90);
    enter(dialog, "Content", "Settings");
    EXPECT_EQ(dialog->title(), "Settings");

    auto *menu = place<TCCMenu>(ControlKind::Menu);
    enter(menu, "Left", "30");
    EXPECT_EQ(menu->userLeft(), 30);
    EXPECT_EQ(menu->left(), 29);
    enter(menu, "Width", "60");
    EXPECT_EQ(menu->userWidth(), 60);
    EXPECT_EQ(menu->width(), 63);
    enter(menu, "TopicWidth", "70");
    EXPECT_EQ(menu->topicWidth(), 70);
    EXPECT_EQ(menu->width(), 74);
    enter(menu, "Topic", "File");
    EXPECT_EQ(menu->topic(), "File");
}

TEST_F(CControlsRows, WordRowsTakeTheirWordsOnly)
{
    auto *label = place<TCCLabel>(ControlKind::Label);
    enter(label, "Line", "Gray");
    enter(label, "Style", "Boxed");
    enter(label, "Alignment", "Right");
    enter(label, "Font", "LargeBold");
    EXPECT_EQ(label->line(), 2);
    EXPECT_EQ(label->style(), 2);
    EXPECT_EQ(label->alignment(), TextAlignment::Right);
    EXPECT_EQ(label->font().name(), "PilotBold12");
    EXPECT_EQ(sheet.value("Alignment"), "Right");

    // A word outside the list changes nothing and the old word stays.
    enter(label, "Line", "Red");
    enter(label, "Style", "Bold");
    enter(label, "Alignment", "Middle");
    EXPECT_EQ(label->line(), 2);
    EXPECT_EQ(label->style(), 2);
    EXPECT_EQ(label->alignment(), TextAlignment::Right);
    sheet.refill();
    EXPECT_EQ(sheet.value("Line"), "Gray");

    enter(label, "Alignment", "Center");
    EXPECT_EQ(label->alignment(), TextAlignment::Center);
    EXPECT_EQ(sheet.value("Alignment"), "Center");
}

TEST_F(CControlsRows, TwoStateRows)
{
    auto *sw = place<TCCSwitch>(ControlKind::Switch);
    enter(sw, "State", "True");
    EXPECT_EQ(sw->state(), 1);
    enter(sw, "State", "Yes"); // only "True" sets it
    EXPECT_EQ(sw->state(), 0);

    auto *drop = place<TCCDropDown>(ControlKind::DropDown);
    enter(drop, "TestItems", "Yes");
    EXPECT_EQ(drop->testItems(), 1);
    EXPECT_EQ(drop->height(), 25); // opened: two rows
    enter(drop, "TestItems", "No");
    EXPECT_EQ(drop->testItems(), 0);
    enter(drop, "TestItems", "Maybe"); // only "No" closes it
    EXPECT_EQ(drop->testItems(), 1);

    auto *image = place<TCCBitmap>(ControlKind::Image);
    enter(image, "Clickable", "No");
    EXPECT_EQ(image->tag(), 0);
    EXPECT_EQ(sheet.value("Clickable"), "No");
    enter(image, "Clickable", "Yes");
    EXPECT_EQ(image->tag(), 1);
    enter(image, "Clickable", "True"); // only "Yes" makes it clickable
    EXPECT_EQ(image->tag(), 0);
}

TEST_F(CControlsRows, PopUpTestNoHidesItButKeepsItsLine)
{
    auto *popup = place<TCCPopUp>(ControlKind::PopUp);
    enter(popup, "Test", "No");
    EXPECT_EQ(popup->test(), 0);
    EXPECT_FALSE(popup->isVisible());
    EXPECT_TRUE(controlListTexts().contains("PopUp1: PopUp"));
    enter(popup, "Test", "yes"); // only "No" hides it
    EXPECT_EQ(popup->test(), 1);
    EXPECT_TRUE(popup->isVisible());
}

TEST_F(CControlsRows, AnImageIsLimitedTo40Pixels)
{
    auto *image = place<TCCBitmap>(ControlKind::Image);
    // Whatever sizes it (a drag, a layout command, a paste) keeps it within
    // 40, in the same undo step; showing it then changes nothing.
    form->perform(QStringLiteral("Drag"), [&] { image->setBounds(0, 0, 41, 99); });
    EXPECT_EQ(image->bounds(), QRect(0, 0, 40, 40));
    const int steps = form->undoStack().count();
    sheet.showObject(image);
    EXPECT_EQ(form->undoStack().count(), steps);
    EXPECT_TRUE(ui.messages.empty());
    form->undoStack().undo();
    form->undoStack().redo();
    EXPECT_EQ(image->bounds(), QRect(0, 0, 40, 40));

    // Typed: limited at once, reported when the cell edit ends.
    ui.messages.clear();
    sheet.beginEdit("Height");
    sheet.editText("4");
    sheet.editText("45");
    EXPECT_EQ(image->height(), 40);
    EXPECT_TRUE(ui.messages.empty());
    sheet.endEdit();
    EXPECT_EQ(ui.texts(), QStringList({"The maximum height of a Image control is 40"}));
    EXPECT_EQ(sheet.value("Height"), "40");
}

TEST_F(CControlsRows, DialogTestShowsOneDialogAtATime)
{
    auto *first = place<TPTDialog>(ControlKind::Dialog);
    auto *second = place<TPTDialog>(ControlKind::Dialog);
    place(ControlKind::Button); // on the screen, above the dialogs
    EXPECT_EQ(first->tag(), 0);

    enter(first, "Test", "Yes");
    EXPECT_EQ(form->currentDialog(), first);
    EXPECT_EQ(first->tag(), 1);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(second->tag(), 0);
    EXPECT_FALSE(second->isVisible());
    EXPECT_EQ(form->screen()->children().at(2), first); // brought to the front

    // Any other word hides it, the window then shows none.
    enter(first, "Test", "No");
    EXPECT_EQ(first->tag(), 0);
    EXPECT_FALSE(first->isVisible());
    EXPECT_EQ(form->currentDialog(), nullptr);
    EXPECT_EQ(sheet.value("Test"), "No");
}

TEST_F(CControlsRows, MenuBarTestClosesTheMenus)
{
    auto *file = place<TCCMenu>(ControlKind::Menu);
    auto *edit = place<TCCMenu>(ControlKind::Menu);
    TCCMenuBar *bar = menuBarOf(*form);
    enter(bar, "Test", "No");
    EXPECT_EQ(bar->test(), 0);
    EXPECT_FALSE(bar->isVisible());
    for (TCCMenu *menu : {file, edit}) {
        EXPECT_EQ(menu->test(), 0);
        EXPECT_FALSE(menu->isVisible());
    }
    enter(bar, "Test", "Yes");
    EXPECT_EQ(bar->test(), 1);
    EXPECT_TRUE(bar->isVisible());
}

TEST_F(CControlsRows, MenuTestOpensItAndBringsItToTheFront)
{
    auto *file = place<TCCMenu>(ControlKind::Menu);
    auto *edit = place<TCCMenu>(ControlKind::Menu);
    EXPECT_EQ(file->test(), 0);

    sheet.showObject(edit);
    sheet.setCurrentRow(rowNames().indexOf("Test"));
    sheet.chooseValue("Test", "No");
    EXPECT_EQ(edit->test(), 0); // the sheet is on "Test": it stays closed

    sheet.showObject(file);
    EXPECT_EQ(sheet.currentRowName(), "Test");
    EXPECT_EQ(file->test(), 0);
    sheet.chooseValue("Test", "Yes");
    EXPECT_EQ(file->test(), 1);
    EXPECT_EQ(edit->test(), 0);
    EXPECT_TRUE(edit->isVisible());
    EXPECT_EQ(form->windowChildren().at(form->windowChildren().size() - 1), file);
}

TEST_F(CControlsRows, SelectingAClosedMenuOpensItUnlessTheSheetIsOnTest)
{
    auto *file = place<TCCMenu>(ControlKind::Menu);
    auto *edit = place<TCCMenu>(ControlKind::Menu);
    EXPECT_EQ(file->test(), 0);

    sheet.setCurrentRow(rowNames().indexOf("Topic"));
    sheet.showObject(file);
    EXPECT_EQ(file->test(), 1);
    EXPECT_EQ(edit->test(), 0); // one open menu at a time

    sheet.setCurrentRow(rowNames().indexOf("Test"));
    sheet.showObject(edit);
    EXPECT_EQ(edit->test(), 0);
    EXPECT_EQ(file->test(), 1);
}

TEST_F(CControlsRows, FormRowsNameTheFormAndTitleItsScreen)
{
    enter(form->screen(), "Title", "Main menu");
    EXPECT_EQ(form->screen()->title(), "Main menu");
    enter(form->screen(), "Name", "Main");
    EXPECT_EQ(form->name(), "Main");
    EXPECT_TRUE(controlListTexts().contains("Main: Form"));

    // An empty form name would leave a file that cannot be opened again.
    sheet.beginEdit("Name");
    sheet.editText("");
    sheet.endEdit();
    EXPECT_EQ(form->name(), "Main");
    EXPECT_EQ(ui.texts(), QStringList({"'' is not a valid component name"}));
}

TEST_F(CControlsRows, RowsAKindLacksDoNothing)
{
    auto *edit = place<TCCEdit>(ControlKind::EditLine);
    const FontValue font = edit->font();
    const int undoSteps = form->undoStack().count();
    enter(edit, "Font", "Bold");
    enter(edit, "Topic", "Help");
    enter(edit, "Alignment", "Right");
    EXPECT_EQ(edit->font(), font);
    EXPECT_TRUE(edit->topic().isEmpty());
    EXPECT_EQ(edit->alignment(), TextAlignment::Left);
    EXPECT_EQ(form->undoStack().count(), undoSteps); // and no empty undo steps
}

TEST_F(CControlsRows, ItemsRowsOpenTheirEditors)
{
    sheet.showObject(place(ControlKind::Table));
    EXPECT_EQ(sheet.ellipsis("Items"), PropertySheet::Ellipsis::TableEditor);
    for (ControlKind kind : {ControlKind::ListBox, ControlKind::Radio, ControlKind::DropDown,
                             ControlKind::PopUp, ControlKind::Menu}) {
        sheet.showObject(place(kind));
        EXPECT_EQ(sheet.ellipsis("Items"), PropertySheet::Ellipsis::ItemsEditor)
            << kindWord(kind).toStdString();
    }
    sheet.showObject(place(ControlKind::Image));
    EXPECT_EQ(sheet.ellipsis("Bitmap"), PropertySheet::Ellipsis::BitmapEditor);
    EXPECT_EQ(sheet.ellipsis("Name"), PropertySheet::Ellipsis::None);
}
