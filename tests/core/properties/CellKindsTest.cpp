#include "SheetFixture.h"
#include "core/controls/CCButton.h"
#include "core/properties/CellKinds.h"

using namespace zf;
using namespace zf::test;

TEST(CellKinds, TipoCeldaFollowsTheNameLists)
{
    EXPECT_EQ(TipoCelda("Text"), CellKind::FreeText);
    EXPECT_EQ(TipoCelda("Items"), CellKind::ItemList);
    EXPECT_EQ(TipoCelda("Bitmap"), CellKind::Bitmap);
    EXPECT_EQ(TipoCelda("DateTimeColors"), CellKind::ColorSet);
    for (const char *name : {"Left", "Top", "Width", "Height", "Edge", "TopicWidth", "VisibleItems",
                             "GroupNumber", "MaxItems", "SelectedItem", "MaxChars"})
        EXPECT_EQ(TipoCelda(name), CellKind::Number) << name;
    for (const char *name : {"State",
                             "Font",
                             "Alignment",
                             "Align",
                             "Line",
                             "Style",
                             "Test",
                             "Type",
                             "TestItems",
                             "Frame",
                             "SingleLine",
                             "Underline",
                             "NumbersOnly",
                             "Orientation",
                             "Editable",
                             "Clickable",
                             "Justification",
                             "Trigger",
                             "ShowForm",
                             "FillColor",
                             "TextColor",
                             "FormFillColor",
                             "FormFrameColor",
                             "ObjForeTextColor",
                             "ObjSelectedFillColor",
                             "ObjSelectedForeColor",
                             "ObjFrameColor",
                             "ObjFillColor",
                             "DialogFillColor",
                             "DialogFrameColor",
                             "DateTimePicker",
                             "DateTimeFormat",
                             "BackgroundColor",
                             "LineColor",
                             "CaretColor",
                             "HighlightBackColor",
                             "HighlightForeColor"})
        EXPECT_EQ(TipoCelda(name), CellKind::Choice) << name;
    for (const char *name : {"Name", "Content", "Title", "DateTimeTitle"})
        EXPECT_EQ(TipoCelda(name), CellKind::FreeText) << name;
}

TEST(CellKinds, NamesCountAsPartsOfTheLists)
{
    EXPECT_EQ(TipoCelda("ForeColor"), CellKind::Choice); // in ObjSelectedForeColor
    EXPECT_EQ(TipoCelda("Topic"), CellKind::Number);     // in TopicWidth
    EXPECT_EQ(TipoCelda("VisibleRows"), CellKind::FreeText);
    EXPECT_EQ(TipoCelda("SelectedRow"), CellKind::FreeText);
}

TEST(CellKinds, ValorOKHoldsBackEmptyAndLoneMinusNumbers)
{
    EXPECT_FALSE(ValorOK("Left", ""));
    EXPECT_FALSE(ValorOK("Left", "-"));
    EXPECT_TRUE(ValorOK("Left", "-5"));
    EXPECT_TRUE(ValorOK("Left", "12a")); // digits are the library's business
    EXPECT_FALSE(ValorOK("VisibleRows", ""));
    EXPECT_FALSE(ValorOK("SelectedRow", "-"));
    EXPECT_FALSE(ValorOK("Topic", ""));
    EXPECT_TRUE(ValorOK("Name", ""));
    EXPECT_TRUE(ValorOK("Content", "-"));
}

namespace {

using CellChoices = SheetFixture;

QStringList entries(const ChoiceList &list)
{
    return list.entries;
}

} // namespace

TEST_F(CellChoices, WordListsInTheirOrder)
{
    sheet.showObject(place(ControlKind::Button));
    const auto choices = [this](const char *row) { return entries(sheet.choices(row)); };
    EXPECT_EQ(choices("Font"), QStringList({"Standard", "Bold", "Large", "LargeBold"}));
    EXPECT_EQ(choices("Frame"), QStringList({"Standard", "Bold", "Square", "No Frame"}));
    EXPECT_EQ(choices("Type"), QStringList({"Standard", "Repeat"}));
    EXPECT_EQ(choices("Alignment"), QStringList({"Left", "Center", "Right"}));
    EXPECT_EQ(choices("Align"), QStringList({"Left", "Right"}));
    EXPECT_EQ(choices("Justification"), QStringList({"Left", "Right"}));
    EXPECT_EQ(choices("Orientation"), QStringList({"Horizontal", "Vertical"}));
    for (const char *row : {"State", "SingleLine", "NumbersOnly"})
        EXPECT_EQ(choices(row), QStringList({"False", "True"})) << row;
    for (const char *row : {"Underline", "Editable"})
        EXPECT_EQ(choices(row), QStringList({"True", "False"})) << row;
    for (const char *row : {"Test", "TestItems", "Clickable"})
        EXPECT_EQ(choices(row), QStringList({"No", "Yes"})) << row;
    EXPECT_EQ(choices("Line"), QStringList({"White", "Black", "Gray"}));
    EXPECT_EQ(choices("DateTimePicker"), QStringList({"(None)", "Date", "Time"}));
    EXPECT_EQ(sheet.choices("Font").visibleRows, 8);
}

TEST_F(CellChoices, ColourRowsOfferTheSixteenNamesInSixteenRows)
{
    const QStringList colors = {"Black", "Maroon",  "Green",  "Olive", "Navy", "Purple",
                                "Teal",  "Gray",    "Silver", "Red",   "Lime", "Yellow",
                                "Blue",  "Fuchsia", "Aqua",   "White"};
    for (const char *row :
         {"FillColor", "TextColor", "FormFrameColor", "FormFillColor", "ObjFrameColor",
          "ObjFillColor", "ObjForeTextColor", "ObjSelectedFillColor", "ObjSelectedForeColor",
          "DialogFillColor", "DialogFrameColor", "BackgroundColor", "LineColor", "CaretColor",
          "HighlightBackColor", "HighlightForeColor", "ForeColor"}) {
        const ChoiceList list = sheet.choices(row);
        EXPECT_EQ(list.entries, colors) << row;
        EXPECT_EQ(list.visibleRows, 16) << row;
    }
}

TEST_F(CellChoices, StyleDependsOnTheClass)
{
    sheet.showObject(place(ControlKind::Edit));
    EXPECT_EQ(entries(sheet.choices("Style")), QStringList({"Plain", "Underlined", "Boxed"}));
    sheet.showObject(place(ControlKind::Label));
    EXPECT_EQ(entries(sheet.choices("Style")), QStringList({"Plain", "Underlined", "Boxed"}));
    sheet.showObject(place(ControlKind::Button));
    EXPECT_TRUE(sheet.choices("Style").entries.isEmpty());

    project.setLibrary(kLibraryPToolBox);
    sheet.showObject(place(ControlKind::List));
    EXPECT_EQ(entries(sheet.choices("Style")),
              QStringList({"Stand-alone", "Pop-triggered", "Popup-list"}));
}

TEST_F(CellChoices, DateTimeFormatFollowsThePicker)
{
    project.setLibrary(kLibraryPToolBox);
    auto *select = place<TCCButton>(ControlKind::Select);
    sheet.showObject(select);
    ChoiceList list = sheet.choices("DateTimeFormat");
    EXPECT_EQ(list.entries, QStringList({"(None)"}));
    EXPECT_EQ(list.visibleRows, 8);

    select->setDotPicker(1);
    list = sheet.choices("DateTimeFormat");
    ASSERT_EQ(list.entries.size(), 19);
    EXPECT_EQ(list.visibleRows, 19);
    EXPECT_EQ(list.entries.front(), "Pref. Short Date");
    EXPECT_EQ(list.entries.at(16), "MMM ''YY");
    EXPECT_EQ(list.entries.back(), "MM-DD-YY (OS4.0+)");

    select->setDotPicker(2);
    list = sheet.choices("DateTimeFormat");
    ASSERT_EQ(list.entries.size(), 12);
    EXPECT_EQ(list.visibleRows, 12);
    EXPECT_EQ(list.entries.front(), "Minutes");
    EXPECT_EQ(list.entries.back(), "h,mm (0-24)");
}

TEST_F(CellChoices, TheCurrentWordIsPreselectedWhenItIsOnTheList)
{
    auto *label = place(ControlKind::Label);
    sheet.showObject(label);
    EXPECT_EQ(sheet.choiceIndex("Line"), 0); // "White"
    EXPECT_EQ(sheet.choiceIndex("Font"), 0);

    project.setLibrary(kLibraryPToolBox);
    auto *select = place<TCCButton>(ControlKind::Select);
    select->setAlignment(TextAlignment::Center);
    sheet.showObject(select);
    EXPECT_EQ(sheet.choiceIndex("Align"), -1); // a centred box shows no word
}

namespace {

class Targets : public SheetFixture
{
protected:
    DesignObject *placeOn(DesignForm *target, ControlKind kind, DesignContainer *in = nullptr)
    {
        project.setPressedTool(kind);
        EXPECT_TRUE(
            project.librarySupport().createControlAt(*target, 10, 10, in ? in : target->screen()));
        return project.selectedObject();
    }
};

} // namespace

TEST_F(Targets, ShowFormOffersTheOtherShownFormsAndTheDialogs)
{
    DesignForm *second = project.addForm("Form2");
    DesignForm *closed = project.addForm("Form3");
    closed->setShown(false);
    auto *own = static_cast<DesignContainer *>(placeOn(form, ControlKind::Dialog));
    DesignObject *inDialog = placeOn(form, ControlKind::Button, own);
    placeOn(second, ControlKind::Dialog);
    placeOn(closed, ControlKind::Dialog);
    DesignObject *onScreen = placeOn(form, ControlKind::Button);

    // The forms come most recently activated first.
    project.setCurrentDesignWindow(second);
    project.setCurrentDesignWindow(form);

    // On a form: every other form and every dialog, its own form's included.
    sheet.showObject(onScreen);
    EXPECT_EQ(entries(sheet.choices("ShowForm")),
              QStringList({"(None)", "Dialog1", "Form2", "Dialog3"}));
    // In a dialog: every form, its own included, and no dialog.
    sheet.showObject(inDialog);
    EXPECT_EQ(entries(sheet.choices("ShowForm")), QStringList({"(None)", "Form1", "Form2"}));

    project.setCurrentDesignWindow(second);
    sheet.showObject(onScreen);
    EXPECT_EQ(entries(sheet.choices("ShowForm")),
              QStringList({"(None)", "Form2", "Dialog3", "Dialog1"}));
}

TEST_F(Targets, TriggerOffersThePopTriggersBesideTheList)
{
    project.setLibrary(kLibraryPToolBox);
    DesignObject *list = placeOn(form, ControlKind::List);
    placeOn(form, ControlKind::PopTrigger);
    placeOn(form, ControlKind::Button);
    placeOn(form, ControlKind::PopTrigger);
    auto *dialog = static_cast<DesignContainer *>(placeOn(form, ControlKind::Dialog));
    placeOn(form, ControlKind::PopTrigger, dialog);
    DesignObject *inner = placeOn(form, ControlKind::List, dialog);

    sheet.showObject(list);
    EXPECT_EQ(entries(sheet.choices("Trigger")), QStringList({"(None)", "Pop2", "Pop4"}));
    sheet.showObject(inner);
    EXPECT_EQ(entries(sheet.choices("Trigger")), QStringList({"(None)", "Pop6"}));
}
