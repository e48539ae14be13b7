#include "SheetFixture.h"
#include "core/ccontrols/CCMenu.h"
#include "core/ccontrols/CCTable.h"
#include "core/controls/CCBitmap.h"
#include "core/controls/CCButton.h"
#include "core/designer/DesignCommands.h"
#include "core/model/PTDialog.h"
#include "core/ptoolbox/PTList.h"

#include <QSignalSpy>

using namespace zf;
using namespace zf::test;

using Sheet = SheetFixture;

TEST_F(Sheet, ANumberIsAppliedOnceItIsOne)
{
    DesignObject *button = place(ControlKind::Button, 20, 30);
    sheet.showObject(button);
    sheet.beginEdit("Left");
    sheet.editText("-");
    EXPECT_EQ(button->userLeft(), 20);
    sheet.editText("-5");
    EXPECT_EQ(button->userLeft(), -5);
    sheet.endEdit();

    // A cleared cell or a lone minus applies nothing and reports nothing.
    sheet.beginEdit("Top");
    sheet.editText("");
    sheet.endEdit();
    sheet.beginEdit("Top");
    sheet.editText("-");
    sheet.endEdit();
    EXPECT_EQ(button->userTop(), 30);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(Sheet, TheKeystrokesOfOneCellEditAreOneUndoStep)
{
    DesignObject *button = place(ControlKind::Button, 20, 30);
    sheet.showObject(button);
    const int before = form->undoStack().count();
    type("Left", "123");
    type("Name", "OkButton");
    EXPECT_EQ(form->undoStack().count(), before + 2);
    EXPECT_EQ(button->userLeft(), 123);

    form->undoStack().undo();
    EXPECT_EQ(button->name(), "Button1");
    EXPECT_EQ(button->userLeft(), 123);
    EXPECT_EQ(sheet.value("Name"), "Button1");
    EXPECT_EQ(sheet.chooserLines().front().text, "Button1: Button");
    form->undoStack().undo();
    EXPECT_EQ(button->userLeft(), 20);
}

TEST_F(Sheet, ARefusedNumberIsReportedOnceWhenTheEditEnds)
{
    DesignObject *button = place(ControlKind::Button, 20, 30);
    sheet.showObject(button);
    sheet.beginEdit("Width");
    sheet.editText("1");
    sheet.editText("12");
    sheet.editText("12a");
    EXPECT_TRUE(ui.messages.empty()); // typing goes on undisturbed
    EXPECT_EQ(button->userWidth(), 12);
    sheet.endEdit();
    ASSERT_EQ(ui.texts(), QStringList({"'12a' is not a valid integer value"}));
    EXPECT_EQ(ui.messages.front().caption, "Error");
    EXPECT_EQ(button->userWidth(), 12);
    EXPECT_FALSE(sheet.isEditing());

    // Mended before the end: nothing to report.
    ui.messages.clear();
    sheet.beginEdit("Width");
    sheet.editText("3x");
    sheet.editText("3");
    sheet.endEdit();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(button->userWidth(), 3);

    // Too large for 32 bits: no number either.
    sheet.beginEdit("Width");
    sheet.editText("99999999999");
    sheet.endEdit();
    EXPECT_EQ(ui.texts(), QStringList({"'99999999999' is not a valid integer value"}));
    EXPECT_EQ(button->userWidth(), 3);
}

TEST_F(Sheet, RenamingToATakenNameIsRefusedAndItsOwnInAnotherCaseTaken)
{
    DesignObject *button = place(ControlKind::Button);
    place(ControlKind::Label);
    sheet.showObject(button);
    for (const char *name : {"label2", "button1"}) {
        sheet.beginEdit("Name");
        sheet.editText(QLatin1String(name)); // pasted at once
        sheet.endEdit();
    }
    EXPECT_EQ(ui.texts(), QStringList({"A component named label2 already exists"}));
    EXPECT_EQ(button->name(), "button1");
}

TEST_F(Sheet, ATypedNameKeepsTheLastNameTakenAndReportsTheRefusedOne)
{
    DesignObject *button = place(ControlKind::Button);
    place(ControlKind::Label);
    sheet.showObject(button);
    type("Name", "Label2");
    EXPECT_EQ(button->name(), "Label");
    EXPECT_EQ(ui.texts(), QStringList({"A component named Label2 already exists"}));
}

TEST_F(Sheet, RenamingReplacesTheLineInTheControlListAndTheChooser)
{
    project.setShortNames(true);
    DesignObject *button = place(ControlKind::Button);
    ASSERT_EQ(button->name(), "Bt1");
    sheet.showObject(button);
    type("Name", "OkButton");
    EXPECT_EQ(controlListTexts(), QStringList({"OkButton: Button", "Form1: Form"}));
    const ControlListLine line = sheet.chooserLines().at(size_t(sheet.chooserIndex()));
    EXPECT_EQ(line.text, "OkButton: Button");
    EXPECT_EQ(line.object, button);
}

TEST_F(Sheet, TheChooserIsSortedAndPicksTheOnlySelectedObject)
{
    DesignObject *first = place(ControlKind::Button);
    DesignObject *label = place(ControlKind::Label);
    project.setShortNames(true);
    DesignObject *list = place(ControlKind::ListBox);
    form->selectControl(first, true, false);
    form->selectControl(label, true, true);

    const ControlList lines = sheet.chooserLines();
    QStringList texts;
    for (const auto &line : lines)
        texts << line.text;
    EXPECT_EQ(texts,
              QStringList({"Button1: Button", "Form1: Form", "Label2: Label", "Lb3: ListBox"}));

    sheet.chooseObject(int(texts.indexOf("Lb3: ListBox")));
    EXPECT_EQ(project.selectedObject(), list);
    EXPECT_EQ(sheet.chooserIndex(), 3);
    EXPECT_FALSE(first->isSelected());
    EXPECT_EQ(form->lastSelected(), list);

    // The form's line: the form's rows and no control selected.
    sheet.chooseObject(int(texts.indexOf("Form1: Form")));
    EXPECT_EQ(project.selectedObject(), form->screen());
    EXPECT_FALSE(list->isSelected());
    EXPECT_EQ(rowNames(), QStringList({"Name", "Title"}));
}

TEST_F(Sheet, ItNeverShowsAnObjectThatIsGone)
{
    DesignObject *button = place(ControlKind::Button);
    sheet.showObject(button);
    EXPECT_TRUE(DeleteControl(*form));
    EXPECT_EQ(sheet.subject(), form->screen());
    EXPECT_EQ(rowNames(), QStringList({"Name", "Title"}));
    form->undoStack().undo();
    EXPECT_EQ(sheet.subject(), button);

    // Undoing the creation of the shown control leaves nothing to show.
    DesignObject *label = place(ControlKind::Label);
    sheet.showObject(label);
    form->undoStack().undo();
    EXPECT_NE(sheet.subject(), label);
    for (const auto &line : sheet.chooserLines())
        EXPECT_NE(line.object, label);
}

TEST_F(Sheet, AnEditEndsWhenTheSelectionMovesAndReportsWhatItRefused)
{
    DesignObject *button = place(ControlKind::Button);
    DesignObject *label = place(ControlKind::Label);
    sheet.showObject(button);
    sheet.beginEdit("Top");
    sheet.editText("4");
    sheet.editText("4q");
    project.setSelectedObject(label);
    EXPECT_FALSE(sheet.isEditing());
    EXPECT_EQ(ui.texts(), QStringList({"'4q' is not a valid integer value"}));
    sheet.editText("7"); // no edit open: the label keeps its place
    EXPECT_EQ(label->top(), 10);
    EXPECT_EQ(button->userTop(), 4);
}

TEST_F(Sheet, TheCurrentRowStaysByNameElseByPlace)
{
    DesignObject *button = place(ControlKind::Button);
    DesignObject *label = place(ControlKind::Label);
    sheet.showObject(button);
    sheet.setCurrentRow(rowNames().indexOf("Width"));
    sheet.showObject(label);
    EXPECT_EQ(sheet.currentRowName(), "Width");
    EXPECT_EQ(sheet.currentRow(), 8);

    sheet.setCurrentRow(rowNames().indexOf("Style")); // 6
    sheet.showObject(button);
    EXPECT_EQ(sheet.currentRow(), 6);
    EXPECT_EQ(sheet.currentRowName(), "Name");
}

TEST_F(Sheet, AChoiceIsOneUndoStepAndShowsTheObjectAgain)
{
    DesignObject *label = place(ControlKind::Label);
    sheet.showObject(label);
    QSignalSpy rowsChanged(&sheet, &PropertySheet::rowsChanged);
    const int before = form->undoStack().count();
    sheet.chooseValue("Style", "Boxed");
    EXPECT_EQ(form->undoStack().count(), before + 1);
    EXPECT_EQ(sheet.value("Style"), "Boxed");
    EXPECT_EQ(sheet.currentRowName(), "Style");
    EXPECT_FALSE(rowsChanged.isEmpty());
    form->undoStack().undo();
    EXPECT_EQ(sheet.value("Style"), "Plain");
}

TEST_F(Sheet, TheItemsEditorWorksOnACopy)
{
    auto *menu = place<TCCMenu>(ControlKind::Menu);
    sheet.showObject(menu);
    QStringList items = sheet.itemsToEdit();
    EXPECT_EQ(items, QStringList({"Item1"}));
    items << "Open"
          << "Close";
    EXPECT_EQ(menu->items(), QStringList({"Item1"})); // Cancel: nothing to do

    const int height = menu->height();
    const int before = form->undoStack().count();
    sheet.replaceItems(items);
    EXPECT_EQ(menu->items(), QStringList({"Item1", "Open", "Close"}));
    EXPECT_EQ(menu->height(), height + 22); // the height follows
    EXPECT_EQ(form->undoStack().count(), before + 1);

    // Objects without an item list take nothing.
    sheet.showObject(place(ControlKind::Button));
    EXPECT_TRUE(sheet.itemsToEdit().isEmpty());
    sheet.replaceItems({"x"});
    EXPECT_EQ(form->undoStack().count(), before + 2); // only the button's creation
}

TEST_F(Sheet, TheTableEditorReplacesTheTableAsOneStep)
{
    auto *table = place<TCCTable>(ControlKind::Table);
    sheet.showObject(table);
    std::optional<TableGrid> grid = sheet.tableToEdit();
    ASSERT_TRUE(grid);
    grid->setCell(TableGrid::kFirstDataRow, 2, "b");
    grid->addColumn();
    EXPECT_EQ(table->cols(), 3); // nothing reaches the table before OK
    sheet.replaceTable(*grid);
    EXPECT_EQ(table->items(), QStringList({"~b~~"}));
    EXPECT_EQ(table->cols(), 4);
    form->undoStack().undo();
    EXPECT_EQ(table->items(), QStringList({"~~"}));
    EXPECT_EQ(table->cols(), 3);

    sheet.showObject(place(ControlKind::ListBox));
    EXPECT_FALSE(sheet.tableToEdit());
}

TEST_F(Sheet, BitmapAndPickerColoursAreOneStepEach)
{
    auto *image = place<TCCBitmap>(ControlKind::Image);
    sheet.showObject(image);
    const int before = form->undoStack().count();
    sheet.replaceBitmap("80c0");
    EXPECT_EQ(image->stringBits(), "80c0");
    EXPECT_EQ(form->undoStack().count(), before + 1);

    project.setLibrary(kLibraryPToolBox);
    auto *select = place<TCCButton>(ControlKind::Select);
    sheet.showObject(select);
    sheet.replaceDotColors("Red,White,Black,White,Black,White,Black");
    EXPECT_EQ(select->dotColors(), "Red,White,Black,White,Black,White,Black");
    EXPECT_EQ(form->undoStack().count(), before + 3);
}

TEST_F(Sheet, AnyOtherLibraryShowsNoRows)
{
    DesignObject *button = place(ControlKind::Button);
    project.setLibrary(3);
    sheet.showObject(button);
    EXPECT_TRUE(sheet.rows().empty());
    EXPECT_TRUE(sheet.chooserLines().empty());
    const int before = form->undoStack().count();
    sheet.chooseValue("Line", "Gray");
    EXPECT_EQ(form->undoStack().count(), before);
}

TEST_F(Sheet, TheFilterShowsTheRowsWhoseNamesContainItInAnyCase)
{
    sheet.showObject(place(ControlKind::Label));
    sheet.setFilter("LI");
    EXPECT_EQ(rowNames(), QStringList({"Alignment", "Line"}));
    sheet.showObject(place(ControlKind::Button));
    EXPECT_EQ(rowNames(), QStringList({"Line"}));
    sheet.setFilter("");
    EXPECT_EQ(rowNames().size(), 10);
}
