// The rows of every kind of both libraries: what the words and numbers a
// user enters store, and the rows whose values act on other objects.
#include "SheetFixture.h"
#include "core/ccontrols/CCEdit.h"
#include "core/controls/CCBitmap.h"
#include "core/controls/CCButton.h"
#include "core/controls/CCRadio.h"
#include "core/designer/Clipboard.h"
#include "core/ptoolbox/PTList.h"

using namespace zf;
using namespace zf::test;

namespace {

// A word entered into a row of a new control of a kind, and what it gives.
struct WordCase
{
    int library;
    ControlKind kind;
    const char *row;
    const char *word;
    const char *expected;
};

class Rows : public SheetFixture
{
protected:
    DesignObject *enterWord(const WordCase &c)
    {
        project.setLibrary(c.library);
        DesignObject *object = place(c.kind);
        enter(object, c.row, c.word);
        return object;
    }
};

std::string nameOf(int library, const QString &what, const QString &row, const QString &value)
{
    return (QString::number(library) + u' ' + what + u'.' + row + u'=' + value).toStdString();
}

} // namespace

// Every word a choice row offers shows again once chosen, and every number
// row shows the number typed: words and numbers map to what the objects
// store and back, for every kind of both libraries and the form.
TEST_F(Rows, EveryOfferedWordAndTypedNumberShowsAgain)
{
    for (int library : {kLibraryCControls, kLibraryPToolBox}) {
        project.setLibrary(library);
        std::vector<DesignObject *> objects{form->screen()};
        for (ControlKind kind : project.librarySupport().toolboxKinds())
            objects.push_back(place(kind, 20, 30));
        for (DesignObject *object : objects) {
            sheet.showObject(object);
            const QString what = kindWord(*project.librarySupport().kindOf(*object));
            for (const PropertyRow &row : PropertyRows(sheet.rows())) {
                // A radio group's width counts whole cells (checked below).
                if (sheet.cellKind(row.name) == CellKind::Number &&
                    !(what == "Radio" && row.name == "Width")) {
                    enter(object, row.name, QStringLiteral("37"));
                    EXPECT_EQ(sheet.value(row.name), "37") << nameOf(library, what, row.name, "37");
                }
                if (sheet.cellKind(row.name) != CellKind::Choice)
                    continue;
                for (const QString &word : sheet.choices(row.name).entries) {
                    enter(object, row.name, word);
                    EXPECT_EQ(sheet.value(row.name), word) << nameOf(library, what, row.name, word);
                }
            }
        }
    }
    EXPECT_TRUE(ui.messages.empty());
}

// A word outside a two-word list stores the value its other word does not,
// an unknown colour name stores black, and outside any other list a word
// stores nothing.
TEST_F(Rows, AWordOutsideTheListStoresTheOtherValueOrNothing)
{
    const WordCase cases[] = {
        {kLibraryCControls, ControlKind::Switch, "State", "Yes", "False"},
        {kLibraryCControls, ControlKind::DropDown, "TestItems", "Maybe", "Yes"},
        {kLibraryCControls, ControlKind::PopUp, "Test", "yes", "Yes"},
        {kLibraryCControls, ControlKind::Image, "Clickable", "True", "No"},
        {kLibraryCControls, ControlKind::Label, "Style", "Bold", "Plain"},
        {kLibraryPToolBox, ControlKind::Button, "Type", "Fast", "Repeat"},
        {kLibraryCControls, ControlKind::Label, "Line", "Red", "White"},
        {kLibraryCControls, ControlKind::Label, "Alignment", "Middle", "Left"},
        {kLibraryPToolBox, ControlKind::Field, "Underline", "Yes", "False"},
        {kLibraryPToolBox, ControlKind::Field, "Editable", "", "False"},
        {kLibraryPToolBox, ControlKind::Field, "Justification", "Center", "Right"},
        {kLibraryPToolBox, ControlKind::Field, "SingleLine", "Yes", "False"},
        {kLibraryPToolBox, ControlKind::Button, "Frame", "Thick", "Standard"},
        {kLibraryPToolBox, ControlKind::Button, "FillColor", "navy", "Black"},
        {kLibraryPToolBox, ControlKind::Radio, "Orientation", "Diagonal", "Vertical"},
    };
    for (const WordCase &c : cases) {
        enterWord(c);
        EXPECT_EQ(sheet.value(c.row), c.expected) << c.row << "=" << c.word;
    }
}

TEST_F(Rows, NumbersSetThePalmValuesTheDesignFollows)
{
    auto *button = place<TCCButton>(ControlKind::Button, 20, 30);
    enter(button, "Left", "25");
    enter(button, "Height", "20");
    EXPECT_EQ(button->bounds(), QRect(24, 29, 40, 22));

    auto *radio = place<TCCRadio>(ControlKind::Radio, 20, 30);
    enter(radio, "Width", "40"); // three whole cells of 13
    EXPECT_EQ(radio->width(), 41);
    EXPECT_EQ(sheet.value("Width"), "37");

    project.setLibrary(kLibraryPToolBox);
    auto *list = place<TPTList>(ControlKind::List);
    enter(list, "MaxItems", "4");
    EXPECT_EQ(list->height(), 4 * list->rowHeight() + 3);
    enter(list, "Width", "50");
    EXPECT_EQ(list->width(), 53);
}

// Each word of a list stores its own value, as the form file holds it
// (some flags inverted): one word past the first of every list.
TEST_F(Rows, ChosenWordsStoreTheValuesTheFileHolds)
{
    const WordCase cases[] = {
        {kLibraryCControls, ControlKind::Label, "Font", "LargeBold", "Font=PilotBold12,"},
        {kLibraryCControls, ControlKind::Label, "Line", "Gray", "Line=2"},
        {kLibraryCControls, ControlKind::Label, "Style", "Boxed", "Style=2"},
        {kLibraryCControls, ControlKind::Edit, "Style", "Underlined", "Style=1"},
        {kLibraryCControls, ControlKind::Switch, "State", "True", "State=1"},
        {kLibraryPToolBox, ControlKind::Button, "Type", "Repeat", "Type=1"},
        {kLibraryPToolBox, ControlKind::List, "Style", "Popup-list", "Style=2"},
        {kLibraryPToolBox, ControlKind::Field, "Justification", "Right", "Justification=1"},
        {kLibraryPToolBox, ControlKind::Field, "SingleLine", "True", "SingleLine=1"},
        {kLibraryPToolBox, ControlKind::Radio, "Orientation", "Vertical", "Orientation=1"},
        {kLibraryCControls, ControlKind::Image, "Clickable", "No", "Clickable=0"},
        {kLibraryPToolBox, ControlKind::Button, "Frame", "Square", "Frame=2"},
        {kLibraryPToolBox, ControlKind::Button, "FillColor", "Navy", "ColorFill=8388608"},
        {kLibraryPToolBox, ControlKind::Field, "Underline", "False", "Underline=1"},
        {kLibraryPToolBox, ControlKind::Field, "Editable", "False", "Editable=1"},
        {kLibraryPToolBox, ControlKind::Select, "DateTimePicker", "Time", "DOTPicker=2"},
    };
    for (const WordCase &c : cases) {
        const QByteArray record = encodeControl(*enterWord(c), QStringLiteral("C"));
        EXPECT_TRUE(record.contains(QByteArray("\n") + c.expected))
            << c.row << "=" << c.word << "\n"
            << record.toStdString();
    }
}

TEST_F(Rows, AnImageIsLimitedTo40Pixels)
{
    auto *image = place<TCCBitmap>(ControlKind::Image);
    // Whatever sizes it (a drag, a layout command, a paste) keeps it within
    // 40, in the same undo step; showing it then changes nothing.
    form->perform(QStringLiteral("Drag"), [&] { image->setBounds(0, 0, 41, 99); });
    EXPECT_EQ(image->bounds(), QRect(0, 0, 40, 40));
    const int steps = form->undoStack().count();
    sheet.showObject(image);
    EXPECT_EQ(form->undoStack().count(), steps);

    // Typed: limited at once, reported when the cell edit ends.
    sheet.beginEdit("Height");
    sheet.editText("45");
    EXPECT_EQ(image->height(), 40);
    EXPECT_TRUE(ui.messages.empty());
    sheet.endEdit();
    EXPECT_EQ(ui.texts(), QStringList({"The maximum height of a Image control is 40"}));
    EXPECT_EQ(sheet.value("Height"), "40");
}

TEST_F(Rows, AnEmptyFormNameIsRefusedAndRowsAKindLacksDoNothing)
{
    enter(form->screen(), "Name", "Main");
    EXPECT_TRUE(controlListTexts().contains("Main: Form"));
    // An empty form name would leave a file that cannot be opened again.
    sheet.beginEdit("Name");
    sheet.editText("");
    sheet.endEdit();
    EXPECT_EQ(form->name(), "Main");
    EXPECT_EQ(ui.texts(), QStringList({"'' is not a valid component name"}));

    auto *edit = place<TCCEdit>(ControlKind::EditLine);
    const int steps = form->undoStack().count();
    enter(edit, "Font", "Bold");
    enter(edit, "Topic", "Help");
    enter(edit, "Alignment", "Right");
    EXPECT_TRUE(edit->topic().isEmpty());
    EXPECT_EQ(edit->alignment(), TextAlignment::Left);
    EXPECT_EQ(form->undoStack().count(), steps); // and no empty undo steps
}

TEST_F(Rows, EachKindOfListOpensItsEditor)
{
    using E = PropertySheet::Ellipsis;
    const std::tuple<int, ControlKind, const char *, E> cases[] = {
        {kLibraryCControls, ControlKind::Table, "Items", E::TableEditor},
        {kLibraryCControls, ControlKind::ListBox, "Items", E::ItemsEditor},
        {kLibraryCControls, ControlKind::Image, "Bitmap", E::BitmapEditor},
        {kLibraryPToolBox, ControlKind::List, "Items", E::ItemsEditor},
        {kLibraryPToolBox, ControlKind::Select, "DateTimeColors", E::None}, // no picker
    };
    for (const auto &[library, kind, row, editor] : cases) {
        project.setLibrary(library);
        sheet.showObject(place(kind));
        EXPECT_EQ(sheet.ellipsis(row), editor) << kindWord(kind).toStdString() << " " << row;
    }
}
