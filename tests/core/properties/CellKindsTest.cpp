#include "core/properties/CellKinds.h"
#include "SheetFixture.h"
#include "core/controls/CCButton.h"

using namespace zf;
using namespace zf::test;

// A row's cell is chosen by the name lists, a name counting where it is
// part of a listed one.
TEST(CellKinds, PartsOfListedNamesCountAsListed)
{
    EXPECT_EQ(TipoCelda("ForeColor"), CellKind::Choice); // in ObjSelectedForeColor
    EXPECT_EQ(TipoCelda("Topic"), CellKind::Number);     // in TopicWidth
    EXPECT_EQ(TipoCelda("VisibleRows"), CellKind::FreeText);
    EXPECT_EQ(TipoCelda("DateTimeColors"), CellKind::ColorSet);
}

TEST(CellKinds, ValorOKHoldsBackEmptyAndLoneMinusNumbers)
{
    const std::tuple<const char *, const char *, bool> cases[] = {
        {"Left", "", false},        {"Left", "-", false},        {"Left", "-5", true},
        {"Left", "12a", true}, // digits are the library's business
        {"VisibleRows", "", false}, {"SelectedRow", "-", false}, {"Topic", "", false},
        {"Name", "", true},         {"Content", "-", true},
    };
    for (const auto &[row, text, ok] : cases)
        EXPECT_EQ(ValorOK(row, text), ok) << row << "=" << text;
}

namespace {

class CellChoices : public SheetFixture
{
protected:
    QStringList entries(const char *row) const { return sheet.choices(row).entries; }

    DesignObject *placeOn(DesignForm *target, ControlKind kind, DesignContainer *in = nullptr)
    {
        project.setPressedTool(kind);
        EXPECT_TRUE(
            project.librarySupport().createControlAt(*target, 10, 10, in ? in : target->screen()));
        return project.selectedObject();
    }
};

} // namespace

TEST_F(CellChoices, StyleDependsOnTheClass)
{
    sheet.showObject(place(ControlKind::Edit));
    EXPECT_EQ(entries("Style"), QStringList({"Plain", "Underlined", "Boxed"}));
    sheet.showObject(place(ControlKind::Button));
    EXPECT_TRUE(entries("Style").isEmpty());
    project.setLibrary(kLibraryPToolBox);
    sheet.showObject(place(ControlKind::List));
    EXPECT_EQ(entries("Style"), QStringList({"Stand-alone", "Pop-triggered", "Popup-list"}));
}

TEST_F(CellChoices, ShowFormOffersTheOtherShownFormsAndTheDialogs)
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
    EXPECT_EQ(entries("ShowForm"), QStringList({"(None)", "Dialog1", "Form2", "Dialog3"}));
    // In a dialog: every form, its own included, and no dialog.
    sheet.showObject(inDialog);
    EXPECT_EQ(entries("ShowForm"), QStringList({"(None)", "Form1", "Form2"}));
}

TEST_F(CellChoices, TriggerOffersThePopTriggersBesideTheList)
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
    EXPECT_EQ(entries("Trigger"), QStringList({"(None)", "Pop2", "Pop4"}));
    sheet.showObject(inner);
    EXPECT_EQ(entries("Trigger"), QStringList({"(None)", "Pop6"}));
}
