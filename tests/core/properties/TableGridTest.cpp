#include "core/properties/TableGrid.h"
#include "ScriptedUserInterface.h"
#include "core/ccontrols/CCTable.h"
#include "core/properties/ItemText.h"

#include <gtest/gtest.h>

using namespace zf;
using namespace zf::test;

namespace {

// The table a click creates: one empty row of three left-aligned columns,
// 25 pixels each.
TCCTable newTable()
{
    TCCTable table;
    table.setItems({"~~"});
    table.setColWidths({"25", "25", "25"});
    table.setColAlign({"0", "0", "0"});
    return table;
}

QStringList gridRow(const TableGrid &grid, int row)
{
    QStringList cells;
    for (int c = 0; c < grid.gridColumns(); ++c)
        cells << grid.cell(row, c);
    return cells;
}

constexpr int kData = TableGrid::kFirstDataRow;

} // namespace

TEST(TableGrid, LaysOutHeadersAlignmentsWidthsAndRows)
{
    TCCTable table = newTable();
    table.setItems({"a~b~c", "d"});
    table.setColAlign({"1", "2", "7"});
    const TableGrid grid(table);
    EXPECT_EQ(grid.gridColumns(), 4);
    EXPECT_EQ(grid.gridRows(), 5);
    EXPECT_EQ(gridRow(grid, 0), QStringList({"", "Col 0", "Col 1", "Col 2"}));
    EXPECT_EQ(gridRow(grid, 1), QStringList({"ColAlign", "Center", "Right", "Left"}));
    EXPECT_EQ(gridRow(grid, 2), QStringList({"ColWidth", "25", "25", "25"}));
    EXPECT_EQ(gridRow(grid, 3), QStringList({"Row 0", "a", "b", "c"}));
    // A row with fewer fields than columns shows empty cells.
    EXPECT_EQ(gridRow(grid, 4), QStringList({"Row 1", "d", "", ""}));

    // OK writes them back as empty fields, keeping the column count; an
    // alignment of any other text is stored as left.
    TCCTable written = newTable();
    grid.writeTo(written);
    EXPECT_EQ(written.items(), QStringList({"a~b~c", "d~~"}));
    EXPECT_EQ(written.colAlign(), QStringList({"1", "2", "0"}));
    EXPECT_EQ(written.cols(), 3);

    // A table without rows keeps none.
    written.setItems({});
    TableGrid empty(written);
    EXPECT_EQ(empty.gridRows(), 3);
    empty.writeTo(written);
    EXPECT_TRUE(written.items().isEmpty());
}

TEST(TableGrid, EmptyAndOddCellsAreStoredAsTheyMean)
{
    TCCTable table = newTable();
    TableGrid grid(table);
    grid.setCell(TableGrid::kAlignRow, 1, "");
    grid.setCell(TableGrid::kAlignRow, 2, "Centre");
    grid.setCell(TableGrid::kAlignRow, 3, "Center");
    grid.setCell(TableGrid::kWidthRow, 1, "");
    grid.setCell(TableGrid::kWidthRow, 2, "3x0"); // a pasted width keeps its digits
    grid.setCell(kData, 1, "a~b");                // the separator never enters a cell
    grid.writeTo(table);
    EXPECT_EQ(table.colAlign(), QStringList({"0", "0", "1"}));
    EXPECT_EQ(table.colWidths(), QStringList({"", "30", "25"}));
    EXPECT_EQ(table.items(), QStringList({"ab~~"}));
}

TEST(TableGrid, TypedAndPastedTextKeepsWhatACellCanHoldAndNoControlCharacter)
{
    const std::tuple<int, char16_t, bool> typed[] = {
        {kData, u'~', false}, {TableGrid::kAlignRow, u'~', false}, {kData, u'x', true},
        {TableGrid::kWidthRow, u'7', true}, {TableGrid::kWidthRow, u'x', false},
        {TableGrid::kWidthRow, u'-', false}};
    for (const auto &[row, c, accepted] : typed)
        EXPECT_EQ(TableGrid::acceptsCharacter(row, c), accepted) << row << " " << char(c);

    const struct
    {
        const char16_t *text;
        const char16_t *items; // lines kept, as the items editor takes them
        const char16_t *cell;
        const char16_t *width;
    } cases[] = {
        {u"plain", u"plain", u"plain", u""},
        {u"a\tb", u"a b", u"a b", u""},
        {u"1\r\n2\r3\n", u"1\n2\n3\n", u"1 2 3 ", u"123"},
        {u"x\x01\x1by\x7f\x85", u"xy", u"xy", u""},
        {u"4~2 px", u"4~2 px", u"42 px", u"42"},
        {u"caf\u00e9 \u20ac", u"caf\u00e9 \u20ac", u"caf\u00e9 \u20ac", u""},
    };
    for (const auto &c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(printableText(text, true), QString::fromUtf16(c.items)) << text.toStdString();
        EXPECT_EQ(TableGrid::cellText(kData, text), QString::fromUtf16(c.cell)) << text.toStdString();
        EXPECT_EQ(TableGrid::cellText(TableGrid::kWidthRow, text), QString::fromUtf16(c.width))
            << text.toStdString();
    }
}

// Deleting and clearing ask first; the alignment and width rows are no
// table rows, so nothing is asked for them.
TEST(TableGrid, RowsAndColumnsChangeAsConfirmedAndRenumber)
{
    using B = UserInterface::Button;
    ScriptedUserInterface ui;
    TCCTable table = newTable();
    table.setItems({"a~b~c", "d", "e"});
    table.setColAlign({"0", "2", "0"});
    TableGrid grid(table);
    EXPECT_FALSE(grid.deleteRow(TableGrid::kAlignRow, ui));
    EXPECT_FALSE(grid.deleteRow(TableGrid::kWidthRow, ui));
    EXPECT_TRUE(ui.messages.empty());

    ui.answers = {B::No, B::Yes, B::Yes, B::No, B::Yes};
    EXPECT_FALSE(grid.deleteRow(kData + 1, ui));
    EXPECT_TRUE(grid.deleteRow(kData + 1, ui));
    EXPECT_EQ(ui.messages.back(),
              (UserInterface::Message{"Confirm", "The selected row will be deleted. Are you sure?",
                                      B::Yes | B::No, UserInterface::Icon::Question, B::No}));
    EXPECT_EQ(gridRow(grid, kData + 1), QStringList({"Row 1", "e", "", ""}));

    EXPECT_TRUE(grid.deleteColumn(1, ui));
    EXPECT_EQ(ui.texts().back(), "The selected column will be deleted. Are you sure?");
    EXPECT_EQ(gridRow(grid, 0), QStringList({"", "Col 0", "Col 1"}));
    EXPECT_EQ(gridRow(grid, kData), QStringList({"Row 0", "b", "c"}));
    EXPECT_EQ(grid.addColumn(), 3);
    EXPECT_EQ(grid.cell(TableGrid::kAlignRow, 3), "Left");
    EXPECT_EQ(grid.cell(TableGrid::kWidthRow, 3), "25");
    EXPECT_EQ(grid.addRow(), kData + 2);
    EXPECT_EQ(gridRow(grid, kData + 2), QStringList({"Row 2", "", "", ""}));

    EXPECT_FALSE(grid.clearAll(ui));
    EXPECT_EQ(grid.cell(kData, 1), "b");
    EXPECT_TRUE(grid.clearAll(ui));
    EXPECT_EQ(ui.texts().back(), "All the row contents will be cleared. Are you sure?");
    grid.writeTo(table);
    EXPECT_EQ(table.items(), QStringList({"~~", "~~", "~~"}));
    EXPECT_EQ(table.colAlign(), QStringList({"2", "0", "0"}));
    EXPECT_EQ(table.colWidths(), QStringList({"25", "25", "25"}));

    // Deleting every column leaves a table of no columns.
    ui.answers.assign(3, B::Yes);
    while (grid.columnCount() > 0)
        ASSERT_TRUE(grid.deleteColumn(1, ui));
    grid.writeTo(table);
    EXPECT_EQ(table.cols(), 0);
    EXPECT_EQ(table.items(), QStringList({"", "", ""}));
    EXPECT_EQ(TableGrid(table).columnCount(), 0);
    EXPECT_TRUE(ui.unexpected.isEmpty());
}

TEST(TableGrid, ListsOutOfStepWithTheColumnCountLoseNothing)
{
    // A loaded table counts three columns whatever its lists hold.
    TCCTable table = newTable();
    table.setColWidths({"10", "20", "30", "40", "50"});
    table.setColAlign({"0", "1"});
    table.setItems({"a~b~c~d~e~f"});
    TableGrid grid(table);
    EXPECT_EQ(grid.columnCount(), 6);
    EXPECT_EQ(grid.cell(TableGrid::kWidthRow, 6), "");
    EXPECT_EQ(grid.cell(TableGrid::kAlignRow, 5), "Left");
    grid.writeTo(table);
    EXPECT_EQ(table.items(), QStringList({"a~b~c~d~e~f"}));
    EXPECT_EQ(table.colWidths(), QStringList({"10", "20", "30", "40", "50", ""}));
    EXPECT_EQ(table.colAlign(), QStringList({"0", "1", "0", "0", "0", "0"}));
    EXPECT_EQ(table.cols(), 6);
}
