#include "SheetFixture.h"
#include "core/ccontrols/CCMenu.h"
#include "core/ccontrols/CCTable.h"
#include "core/controls/CCBitmap.h"
#include "core/designer/DesignCommands.h"

#include <QSignalSpy>

using namespace zf;
using namespace zf::test;

using Sheet = SheetFixture;

// A number applies at each key that makes one; a refused text is reported
// once, when the edit ends or the selection moves on.
TEST_F(Sheet, TypedNumbersApplyAtOnceAndRefusalsAreReportedWhenTheEditEnds)
{
    const struct
    {
        const char *row;
        std::vector<const char *> keys;
        std::vector<int> values; // after each key
        const char *refused;
        bool moveOn = false;
    } cases[] = {
        {"Left", {"-", "-5"}, {20, -5}, nullptr},
        {"Top", {"-"}, {30}, nullptr},
        {"Width", {"1", "12", "12a"}, {1, 12, 12}, "12a"},
        {"Width", {"7", "99999999999"}, {7, 7}, "99999999999"},
        {"Top", {"4", "4q"}, {4, 4}, "4q", true},
    };
    for (const auto &c : cases) {
        const std::string name = std::string(c.row) + " " + c.keys.back();
        ui.messages.clear();
        DesignObject *button = place(ControlKind::Button, 20, 30);
        DesignObject *label = place(ControlKind::Label);
        sheet.showObject(button);
        sheet.beginEdit(c.row);
        for (size_t k = 0; k < c.keys.size(); ++k) {
            sheet.editText(QLatin1String(c.keys[k]));
            EXPECT_EQ(sheet.value(c.row), QString::number(c.values[k])) << name << " key " << k;
        }
        EXPECT_TRUE(ui.messages.empty()) << name;
        if (c.moveOn)
            project.setSelectedObject(label);
        else
            sheet.endEdit();
        EXPECT_FALSE(sheet.isEditing()) << name;
        if (c.refused) {
            ASSERT_EQ(ui.messages.size(), 1u) << name;
            EXPECT_EQ(ui.messages[0], (UserInterface::Message{
                                          "Error", QStringLiteral("'%1' is not a valid integer value").arg(QLatin1String(c.refused)),
                                          UserInterface::Button::Ok, UserInterface::Icon::Error,
                                          UserInterface::Button::Ok}))
                << name;
        } else {
            EXPECT_TRUE(ui.messages.empty()) << name;
        }
        sheet.editText("9"); // no edit open: nothing moves
        EXPECT_EQ(label->top(), 10) << name;
    }
}

TEST_F(Sheet, EachCellEditAndEachChoiceIsOneUndoStep)
{
    DesignObject *label = place(ControlKind::Label, 20, 30);
    sheet.showObject(label);
    QSignalSpy rowsChanged(&sheet, &PropertySheet::rowsChanged);
    const QString left = sheet.value("Left");
    const int before = form->undoStack().count();
    type("Left", "123");
    type("Name", "Caption");
    sheet.chooseValue("Style", "Boxed");
    EXPECT_EQ(form->undoStack().count(), before + 3);
    EXPECT_EQ(sheet.currentRowName(), "Style");
    EXPECT_FALSE(rowsChanged.isEmpty());
    form->undoStack().undo();
    EXPECT_EQ(sheet.value("Style"), "Plain");
    form->undoStack().undo();
    EXPECT_EQ(sheet.value("Name"), "Label1");
    EXPECT_EQ(sheet.chooserLines().at(size_t(sheet.chooserIndex())).text, "Label1: Label");
    EXPECT_EQ(sheet.value("Left"), "123");
    form->undoStack().undo();
    EXPECT_EQ(sheet.value("Left"), left);
    form->undoStack().redo();
    EXPECT_EQ(sheet.value("Left"), "123");
}

// A pasted name is refused whole; a typed one keeps its last name taken.
// The control list and the chooser follow a rename.
TEST_F(Sheet, ATakenNameIsRefusedAndItsOwnInAnotherCaseTaken)
{
    DesignObject *button = place(ControlKind::Button);
    place(ControlKind::Label);
    sheet.showObject(button);
    for (const char *name : {"label2", "button1"}) {
        sheet.beginEdit("Name");
        sheet.editText(QLatin1String(name));
        sheet.endEdit();
    }
    EXPECT_EQ(button->name(), "button1");
    type("Name", "Label2");
    EXPECT_EQ(button->name(), "Label");
    EXPECT_EQ(ui.texts(), QStringList({"A component named label2 already exists",
                                       "A component named Label2 already exists"}));
    type("Name", "OkButton");
    EXPECT_EQ(controlListTexts(), QStringList({"OkButton: Button", "Label2: Label", "Form1: Form"}));
    const ControlListLine line = sheet.chooserLines().at(size_t(sheet.chooserIndex()));
    EXPECT_EQ(line.text, "OkButton: Button");
    EXPECT_EQ(line.object, button);
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

TEST_F(Sheet, EditorsWorkOnACopyAndReplaceAsOneStep)
{
    auto *menu = place<TCCMenu>(ControlKind::Menu);
    auto *table = place<TCCTable>(ControlKind::Table);
    auto *image = place<TCCBitmap>(ControlKind::Image);
    DesignObject *button = place(ControlKind::Button);
    const int before = form->undoStack().count();

    sheet.showObject(menu);
    QStringList items = sheet.itemsToEdit();
    EXPECT_EQ(items, QStringList({"Item1"}));
    items << "Open" << "Close";
    const int height = menu->height();
    sheet.replaceItems(items);
    EXPECT_EQ(menu->items(), items);
    EXPECT_EQ(menu->height(), height + 22);

    sheet.showObject(table);
    std::optional<TableGrid> grid = sheet.tableToEdit();
    ASSERT_TRUE(grid);
    grid->setCell(TableGrid::kFirstDataRow, 2, "b");
    grid->addColumn();
    EXPECT_EQ(table->cols(), 3); // nothing reaches the table before OK
    sheet.replaceTable(*grid);
    EXPECT_EQ(table->items(), QStringList({"~b~~"}));

    sheet.showObject(image);
    sheet.replaceBitmap("80c0");
    EXPECT_EQ(image->stringBits(), "80c0");

    // Objects without such a list take nothing.
    sheet.showObject(button);
    EXPECT_TRUE(sheet.itemsToEdit().isEmpty());
    EXPECT_FALSE(sheet.tableToEdit());
    sheet.replaceItems({"x"});
    EXPECT_EQ(form->undoStack().count(), before + 3);
    form->undoStack().undo();
    form->undoStack().undo();
    EXPECT_EQ(table->items(), QStringList({"~~"}));
    EXPECT_EQ(table->cols(), 3);
}
