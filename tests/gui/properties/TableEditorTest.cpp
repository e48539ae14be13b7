#include "PropertyWindowFixture.h"
#include "core/ccontrols/CCTable.h"
#include "gui/properties/frmTableEditor.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

using namespace zf;
using namespace zf::test;

namespace {

using Button = UserInterface::Button;

class TableEditor : public ::testing::Test
{
protected:
    TableEditor()
    {
        table.setCols(2);
        table.setColAlign({"0", "2"});
        table.setColWidths({"30", "40"});
        table.setItems({"a~b", "c"});
        editor = std::make_unique<TfrmTableEd>(TableGrid(table), ui);
        editor->show();
        editor->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(editor.get()));
    }

    QTableWidget *grid() const { return editor->table(); }
    // A cell by the grid's own coordinates, headers at row 0 and column 0.
    QString cell(int row, int column) const
    {
        if (row == 0)
            return grid()->horizontalHeaderItem(column - 1)->text();
        if (column == 0)
            return grid()->verticalHeaderItem(row - 1)->text();
        return grid()->item(row - 1, column - 1)->text();
    }
    void click(const char *button) { editor->button(QLatin1String(button))->click(); }
    static void type(const QString &keys) { typeKeys(keys); }

    ScriptedUserInterface ui;
    TCCTable table;
    std::unique_ptr<TfrmTableEd> editor;
};

TEST_F(TableEditor, ShowsTheGridUnderItsHeadersAndKeepsItsMinimumSize)
{
    editor->resize(200, 100);
    EXPECT_EQ(editor->size(), QSize(283, 270));
    ASSERT_EQ(grid()->rowCount(), 4);
    const std::tuple<int, int, const char *> cells[] = {
        {0, 2, "Col 1"}, {1, 0, "ColAlign"}, {4, 0, "Row 1"}, {1, 2, "Right"}, {2, 2, "40"}, {3, 2, "b"}, {4, 2, ""}};
    for (const auto &[row, column, text] : cells)
        EXPECT_EQ(cell(row, column), text) << row << "," << column;
}

TEST_F(TableEditor, AKeyOnTheAlignmentRowOpensTheListAndEnterWritesItsChoice)
{
    editor->setCurrentCell(1, 2);
    grid()->setFocus();
    type("x");
    QComboBox *list = editor->alignList();
    ASSERT_TRUE(list->isVisible());
    EXPECT_TRUE(list->hasFocus());
    EXPECT_EQ(list->currentText(), "Right");
    EXPECT_EQ(cell(1, 2), "Right"); // the key itself was swallowed

    // The arrows and a word's letter move the choice only; Enter takes it.
    QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(cell(1, 2), "Right");
    EXPECT_EQ(list->currentText(), "Center");
    QTest::keyClick(list, Qt::Key_L);
    EXPECT_EQ(list->currentText(), "Left");
    QTest::keyClick(list, Qt::Key_End);
    QTest::keyClick(list, Qt::Key_C);
    QTest::keyClick(list, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_FALSE(list->isVisible());
    EXPECT_TRUE(grid()->hasFocus());
    EXPECT_EQ(cell(1, 2), "Center");

    // Esc closes without writing; moving to another cell hides it.
    type("y");
    list->setCurrentIndex(0);
    QTest::keyClick(list, Qt::Key_Escape);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(cell(1, 2), "Center");
    type("z");
    ASSERT_TRUE(list->isVisible());
    editor->setCurrentCell(3, 1);
    EXPECT_FALSE(list->isVisible());
}

TEST_F(TableEditor, WidthsTakeDigitsOnlyAndNoCellTakesTheSeparator)
{
    editor->setCurrentCell(2, 1);
    grid()->setFocus();
    type("1a2");
    pressKey(Qt::Key_Return);
    EXPECT_EQ(cell(2, 1), "12");

    editor->setCurrentCell(3, 1);
    grid()->setFocus();
    type("x~y");
    pressKey(Qt::Key_Return);
    EXPECT_EQ(cell(3, 1), "xy");
    EXPECT_EQ(editor->grid().cell(3, 1), "xy");

    // Pasted into a cell's editor, the text shows only what the cell keeps.
    editor->setCurrentCell(2, 2);
    grid()->editItem(grid()->currentItem());
    auto *line = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    ASSERT_TRUE(line);
    line->clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("4 px~0"));
    line->paste();
    EXPECT_EQ(line->text(), "40");
}

TEST_F(TableEditor, TheButtonsRunTheRowAndColumnCommands)
{
    click("butAddRow");
    EXPECT_EQ(cell(5, 0), "Row 2");
    EXPECT_EQ(editor->currentRow(), 5);
    EXPECT_TRUE(grid()->hasFocus());
    click("butAddCol");
    EXPECT_EQ(cell(0, 3), "Col 2");

    editor->setCurrentCell(3, 1);
    ui.answers = {Button::Yes, Button::Yes, Button::Yes};
    click("butDeleteRow");
    EXPECT_EQ(cell(3, 1), "c");
    click("butDeleteCol");
    EXPECT_EQ(cell(1, 1), "Right");
    click("butClearAll");
    EXPECT_EQ(cell(3, 1), "");
    EXPECT_EQ(ui.texts(), QStringList({"The selected row will be deleted. Are you sure?",
                                       "The selected column will be deleted. Are you sure?",
                                       "All the row contents will be cleared. Are you sure?"}));
}

class TableEditorFromTheSheet : public PropertyWindowFixture
{
};

TEST_F(TableEditorFromTheSheet, OkWritesTheTable)
{
    auto *tableControl = place<TCCTable>(ControlKind::Table, 10, 10);
    tableControl->setCols(2);
    tableControl->setColAlign({"0", "0"});
    tableControl->setColWidths({"20", "20"});
    tableControl->setItems({"a~b"});
    window->sheet().refill();
    clickValue("Items");
    whenModal<TfrmTableEd>([](TfrmTableEd &editor) {
        editor.setCurrentCell(1, 2);
        editor.table()->setFocus();
        QTest::keyClick(editor.table(), Qt::Key_Return);
        editor.alignList()->setCurrentIndex(1);
        QTest::keyClick(editor.alignList(), Qt::Key_Return);
        editor.button(QStringLiteral("butAddRow"))->click();
        QTest::keyClicks(editor.table(), "q"); // still being typed when OK comes
        editor.accept();
    });
    window->itemsEdit()->button()->click();
    EXPECT_EQ(tableControl->items(), QStringList({"a~b", "q~"}));
    EXPECT_EQ(tableControl->colAlign(), QStringList({"0", "1"}));
    EXPECT_EQ(tableControl->colWidths(), QStringList({"20", "20"}));
    EXPECT_EQ(tableControl->cols(), 2);
    EXPECT_EQ(cellText("Items"), "(Items)"); // the rows were shown again
}

} // namespace
