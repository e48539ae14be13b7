#include "SheetFixture.h"
#include "core/controls/CCBitmap.h"
#include "core/controls/CCButton.h"
#include "core/controls/CCRadio.h"
#include "core/controls/CCSwitch.h"
#include "core/model/CCForm.h"
#include "core/model/PTDialog.h"
#include "core/ptoolbox/PTButton.h"
#include "core/ptoolbox/PTCheckBox.h"
#include "core/ptoolbox/PTEdit.h"
#include "core/ptoolbox/PTLabel.h"
#include "core/ptoolbox/PTList.h"
#include "core/ptoolbox/PTPopTrigger.h"

#include <QSignalSpy>

using namespace zf;
using namespace zf::test;

namespace {

class PToolBoxRows : public PToolBoxSheetFixture
{
protected:
    QStringList shown(ControlKind kind)
    {
        sheet.showObject(place(kind, 20, 30));
        return rowTexts();
    }
};

} // namespace

TEST_F(PToolBoxRows, ButtonsShowTheirRows)
{
    EXPECT_EQ(shown(ControlKind::Button),
              QStringList({"Font=Standard", "Frame=Standard", "Height=13", "Left=20",
                           "Name=Button1", "ShowForm=(None)", "Text=Button1", "Top=30",
                           "Type=Standard", "Width=42", "FillColor=White", "TextColor=Black"}));
    EXPECT_EQ(shown(ControlKind::Push),
              QStringList({"Font=Standard", "GroupNumber=0", "Height=13", "Left=21", "Name=Push2",
                           "State=False", "Text=Push2", "Top=31", "Width=30"}));
    // A select box has no "Width": its width follows its text.
    const QStringList select = shown(ControlKind::Select);
    EXPECT_EQ(select,
              QStringList({"Align=Left", "Font=Standard", "Height=13", "Left=20", "Name=Select3",
                           "Text=Select3", "Top=30", "DateTimePicker=(None)",
                           "DateTimeFormat=(None)", "DateTimeTitle=Select...",
                           "DateTimeColors=(None)", "FillColor=White", "TextColor=Black"}));
    EXPECT_EQ(
        shown(ControlKind::CheckBox),
        QStringList({"Font=Standard", "GroupNumber=0", "Height=15", "Left=21", "Name=CheckBox4",
                     "State=False", "Text=CheckBox4", "Top=31", "Width=58"}));
}

TEST_F(PToolBoxRows, TextListAndFieldKindsShowTheirRows)
{
    const QStringList label = shown(ControlKind::Label);
    EXPECT_EQ(label, QStringList({"Font=Standard", "Left=20", "Name=Label1", "Text=Label1",
                                  "Top=30", "TextColor=Black"}));
    EXPECT_EQ(shown(ControlKind::List),
              QStringList({"Font=Standard", "Items=(Items)", "Left=21", "MaxItems=2", "Name=List2",
                           "SelectedItem=-1", "Style=Stand-alone", "Top=31", "Trigger=(None)",
                           "Width=32"}));
    EXPECT_EQ(shown(ControlKind::PopTrigger),
              QStringList({"Font=Standard", "Height=15", "Left=20", "Name=Pop3", "Text=Pop",
                           "Top=30", "Width=35"}));
    EXPECT_EQ(
        shown(ControlKind::Field),
        QStringList({"Editable=True", "Font=Standard", "Height=15", "Justification=Left", "Left=20",
                     "MaxChars=20", "Name=Field4", "NumbersOnly=False", "SingleLine=False",
                     "Text=Field", "Top=30", "Underline=True", "Width=32", "BackgroundColor=White",
                     "TextColor=Black", "LineColor=Black", "CaretColor=Black",
                     "HighlightBackColor=Black", "HighlightForeColor=White"}));
}

TEST_F(PToolBoxRows, DialogGsiBitmapRadioAndFormShowTheirRows)
{
    EXPECT_EQ(shown(ControlKind::Dialog),
              QStringList({"Height=84", "Left=3", "Name=Dialog1", "Test=Yes", "Title=Dialog",
                           "Top=58", "Width=156", "DialogFrameColor=Black", "DialogFillColor=White",
                           "ObjFrameColor=Black", "ObjFillColor=White", "ObjForeTextColor=Black",
                           "ObjSelectedFillColor=Black", "ObjSelectedForeColor=White"}));
    EXPECT_EQ(shown(ControlKind::Gsi), QStringList({"Left=20", "Name=GSI2", "Top=30"}));
    EXPECT_EQ(shown(ControlKind::Bitmap),
              QStringList({"Bitmap=(Bitmap)", "Height=20", "Left=20", "Name=Bitmap3", "Top=30",
                           "Width=20", "ForeColor=Black"}));
    EXPECT_EQ(shown(ControlKind::Radio),
              QStringList({"Font=Standard", "GroupNumber=1", "Height=13", "Items=(Items)",
                           "Left=21", "Name=Radio4", "Orientation=Horizontal", "SelectedItem=0",
                           "Top=31", "Width=28"}));
    sheet.showObject(form->screen());
    EXPECT_EQ(
        rowTexts(),
        QStringList({"Name=Form1", "Title=Form1", "FormFrameColor=Black", "FormFillColor=White",
                     "ObjFrameColor=Black", "ObjFillColor=White", "ObjForeTextColor=Black",
                     "ObjSelectedFillColor=Black", "ObjSelectedForeColor=White"}));
}

TEST_F(PToolBoxRows, ColourRowsShowNamesAndTakeThem)
{
    auto *button = place<TPTButton>(ControlKind::Button);
    enter(button, "FillColor", "Navy");
    EXPECT_EQ(button->colorFill(), 0x800000u);
    enter(button, "TextColor", "Lime");
    EXPECT_EQ(button->colorText(), 0x00FF00u);
    // A name outside the 16 gives black; a value outside them shows nothing.
    enter(button, "FillColor", "navy");
    EXPECT_EQ(button->colorFill(), kPalmBlack);
    form->perform(QStringLiteral("Odd colour"), [&] { button->setColorText(0x123456); });
    EXPECT_EQ(sheet.value("TextColor"), "");

    enter(form->screen(), "FormFillColor", "Silver");
    enter(form->screen(), "ObjSelectedForeColor", "Red");
    EXPECT_EQ(form->screen()->colorFormFill(), 0xC0C0C0u);
    EXPECT_EQ(form->screen()->colorSelectedFore(), 0x0000FFu);

    auto *bitmap = place<TCCBitmap>(ControlKind::Bitmap);
    enter(bitmap, "ForeColor", "Purple");
    EXPECT_EQ(bitmap->colorFore(), 0x800080u);
}

TEST_F(PToolBoxRows, ADialogColourRowRecoloursItsControlsAtOnce)
{
    auto *dialog = place<TPTDialog>(ControlKind::Dialog);
    auto *button = place<TPTButton>(ControlKind::Button, 5, 20, dialog);
    button->setButtonType(1);
    QSignalSpy changed(form, &DesignForm::changed);
    enter(dialog, "ObjFillColor", "Yellow");
    EXPECT_EQ(dialog->colorFill(), 0x00FFFFu);
    EXPECT_EQ(dialog->colorSet().fill, 0x00FFFFu); // what its repeat buttons draw with
    EXPECT_FALSE(changed.isEmpty());
    enter(dialog, "DialogFrameColor", "Teal");
    enter(dialog, "ObjForeTextColor", "Olive");
    EXPECT_EQ(dialog->colorDialogFrame(), 0x808000u);
    EXPECT_EQ(dialog->colorText(), 0x008080u);
}

TEST_F(PToolBoxRows, FieldFlagsAreStoredInvertedWhereTheLibraryInvertsThem)
{
    auto *field = place<TPTEdit>(ControlKind::Field);
    enter(field, "Underline", "False");
    EXPECT_EQ(field->underline(), 1);
    EXPECT_EQ(sheet.value("Underline"), "False");
    enter(field, "Underline", "True");
    EXPECT_EQ(field->underline(), 0);
    enter(field, "Editable", "False");
    EXPECT_EQ(field->editable(), 1);
    EXPECT_EQ(sheet.value("Editable"), "False");

    enter(field, "SingleLine", "True");
    enter(field, "NumbersOnly", "True");
    enter(field, "Justification", "Right");
    EXPECT_EQ(field->singleLine(), 1);
    EXPECT_EQ(field->numbersOnly(), 1);
    EXPECT_EQ(field->justification(), 1);
    enter(field, "Justification", "Left");
    EXPECT_EQ(field->justification(), 0);

    // Words outside the lists: the one word that stores the other value
    // decides.
    enter(field, "Underline", "Yes");
    enter(field, "Editable", "");
    enter(field, "Justification", "Center");
    enter(field, "SingleLine", "Yes");
    EXPECT_EQ(field->underline(), 1);
    EXPECT_EQ(field->editable(), 1);
    EXPECT_EQ(field->justification(), 1);
    EXPECT_EQ(field->singleLine(), 0);

    enter(field, "MaxChars", "80");
    enter(field, "Text", "Your name");
    enter(field, "LineColor", "Gray");
    EXPECT_EQ(field->maxChars(), 80);
    EXPECT_EQ(field->text(), "Your name");
    EXPECT_EQ(field->colorLines(), kPalmGray);
}

TEST_F(PToolBoxRows, SelectAlignMovesItOnceWhenItChangesSides)
{
    auto *select = place<TCCButton>(ControlKind::Select, 20, 30);
    const int left = select->left();
    enter(select, "Align", "Right");
    enter(select, "Align", "Right");
    EXPECT_EQ(select->left(), left + 5);
    EXPECT_EQ(select->alignment(), TextAlignment::Right);
    EXPECT_EQ(sheet.value("Align"), "Right");
    enter(select, "Align", "Left");
    EXPECT_EQ(select->left(), left);
    EXPECT_EQ(select->alignment(), TextAlignment::Left);

    // A centred one shows no word and takes none.
    form->perform(QStringLiteral("Centre"), [&] { select->setAlignment(TextAlignment::Center); });
    EXPECT_EQ(sheet.value("Align"), "");
    enter(select, "Align", "Right");
    EXPECT_EQ(select->left(), left);
    EXPECT_EQ(select->alignment(), TextAlignment::Center);
}

TEST_F(PToolBoxRows, SelectPickerRows)
{
    auto *select = place<TCCButton>(ControlKind::Select);
    enter(select, "DateTimePicker", "Date");
    EXPECT_EQ(select->dotPicker(), 1);
    EXPECT_EQ(sheet.value("DateTimeFormat"), "Pref. Short Date"); // the default format 8
    EXPECT_EQ(sheet.value("DateTimeColors"), "(Colors)");
    EXPECT_EQ(sheet.ellipsis("DateTimeColors"), PropertySheet::Ellipsis::ColorSetDialog);
    enter(select, "DateTimeFormat", "MMM ''YY");
    EXPECT_EQ(select->dotFormat(), 24);

    enter(select, "DateTimePicker", "Time");
    EXPECT_EQ(sheet.value("DateTimeFormat"), "(None)"); // 24 is no time format
    enter(select, "DateTimeFormat", "Minutes");
    EXPECT_EQ(select->dotFormat(), 0);
    enter(select, "DateTimeFormat", "Never");
    EXPECT_EQ(select->dotFormat(), 8);

    enter(select, "DateTimePicker", "(None)");
    EXPECT_EQ(select->dotPicker(), 0);
    EXPECT_EQ(sheet.value("DateTimeColors"), "(None)");
    EXPECT_EQ(sheet.ellipsis("DateTimeColors"), PropertySheet::Ellipsis::None);
    enter(select, "DateTimeTitle", "Pick a day");
    EXPECT_EQ(select->dotTitle(), "Pick a day");
    enter(select, "Text", "Wednesday");
    EXPECT_EQ(select->content(), "Wednesday");
}

TEST_F(PToolBoxRows, ListStyleAndTriggerGoTogether)
{
    auto *list = place<TPTList>(ControlKind::List);
    place(ControlKind::PopTrigger);
    enter(list, "Style", "Popup-list");
    EXPECT_EQ(list->style(), 2);
    enter(list, "Trigger", "(None)");
    EXPECT_EQ(list->style(), 0);
    EXPECT_EQ(sheet.value("Style"), "Stand-alone");
    enter(list, "Trigger", "Pop2");
    EXPECT_EQ(list->trigger(), "Pop2");
    EXPECT_EQ(list->style(), 1);

    enter(list, "MaxItems", "4");
    EXPECT_EQ(list->height(), 4 * list->rowHeight() + 3);
    enter(list, "Width", "50");
    EXPECT_EQ(list->width(), 53);
}

TEST_F(PToolBoxRows, GroupNumbersAndStates)
{
    auto *push = place<TCCSwitch>(ControlKind::Push);
    enter(push, "GroupNumber", "3");
    enter(push, "State", "True");
    EXPECT_EQ(push->tag(), 3);
    EXPECT_EQ(push->state(), 1);

    auto *radio = place<TCCRadio>(ControlKind::Radio);
    enter(radio, "GroupNumber", "2");
    EXPECT_EQ(radio->tag(), 2);

    auto *box = place<TPTCheckbox>(ControlKind::CheckBox);
    enter(box, "GroupNumber", "300"); // kept in 8 bits
    EXPECT_EQ(box->groupNumber(), 44);
    EXPECT_EQ(sheet.value("GroupNumber"), "44");
    enter(box, "Height", "20");
    EXPECT_EQ(box->height(), 20);
}

TEST_F(PToolBoxRows, ButtonFrameTypeAndRadioOrientation)
{
    auto *button = place<TPTButton>(ControlKind::Button);
    enter(button, "Frame", "No Frame");
    EXPECT_EQ(button->frame(), 3);
    enter(button, "Frame", "Thick");
    EXPECT_EQ(button->frame(), 3);
    enter(button, "Type", "Repeat");
    EXPECT_EQ(button->buttonType(), 1);
    enter(button, "Type", "Standard");
    EXPECT_EQ(button->buttonType(), 0);
    enter(button, "Type", "Fast");
    EXPECT_EQ(button->buttonType(), 1);
    enter(button, "ShowForm", "Form7");
    EXPECT_EQ(button->showForm(), "Form7");
    enter(button, "Width", "50");
    EXPECT_EQ(button->width(), 54);

    auto *radio = place<TCCRadio>(ControlKind::Radio);
    radio->setBounds(0, 0, 31, 15);
    enter(radio, "Orientation", "Vertical");
    EXPECT_EQ(radio->orientation(), 1);
    EXPECT_EQ(radio->height(), 43); // three cells of 15, sharing borders
    EXPECT_EQ(sheet.value("Orientation"), "Vertical");
    enter(radio, "Orientation", "Horizontal");
    EXPECT_EQ(radio->orientation(), 0);
    enter(radio, "Orientation", "Diagonal");
    EXPECT_EQ(radio->orientation(), 1);
}

TEST_F(PToolBoxRows, LabelsSizeThemselvesToTheirText)
{
    auto *label = place<TPTLabel>(ControlKind::Label);
    const int width = label->width();
    enter(label, "Text", "A much longer text");
    EXPECT_GT(label->width(), width);
    EXPECT_EQ(label->content(), "A much longer text");
    enter(label, "TextColor", "Blue");
    EXPECT_EQ(label->colorText(), 0xFF0000u);
}

TEST_F(PToolBoxRows, DialogTestShowsAHiddenDialogAndHidesTheShownOne)
{
    auto *first = place<TPTDialog>(ControlKind::Dialog);
    auto *second = place<TPTDialog>(ControlKind::Dialog);
    form->selectControl(second, true, false);
    enter(first, "Test", "Yes");
    EXPECT_EQ(form->currentDialog(), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(second->isVisible());
    EXPECT_EQ(second->tag(), 0);
    EXPECT_FALSE(second->isSelected());
    EXPECT_EQ(form->screen()->children().at(1), first);

    form->selectControl(first, true, false);
    enter(first, "Test", "No");
    EXPECT_EQ(first->tag(), 0);
    EXPECT_FALSE(first->isVisible());
    EXPECT_FALSE(first->isSelected());
    EXPECT_EQ(form->currentDialog(), nullptr);

    enter(first, "Title", "Options");
    EXPECT_EQ(first->title(), "Options");
    enter(first, "Width", "100");
    EXPECT_EQ(first->width(), 100);
}
