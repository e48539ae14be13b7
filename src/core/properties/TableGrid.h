#pragma once

#include <QStringList>

#include <vector>

namespace zf {

class TCCTable;
class UserInterface;

// What the table editor edits: a copy of a table's columns (alignment word
// and width) and rows of cells, laid out as the editor's grid shows them.
// Row 0 holds the column headers, row 1 the alignments, row 2 the widths and
// the rows below the table's rows; column 0 holds the row labels. Nothing
// reaches the table before writeTo().
class TableGrid
{
public:
    static constexpr int kAlignRow = 1;
    static constexpr int kWidthRow = 2;
    static constexpr int kFirstDataRow = 3;
    static constexpr QChar kCellSeparator = u'~';

    TableGrid() = default;
    // Takes as many columns as the table's column count, its width and
    // alignment lists or its widest row need, so that no cell is dropped when
    // they disagree (a loaded table always counts three columns).
    explicit TableGrid(const TCCTable &table);

    int columnCount() const { return int(m_align.size()); }
    int rowCount() const { return int(m_rows.size()); }
    int gridColumns() const { return columnCount() + 1; }
    int gridRows() const { return rowCount() + kFirstDataRow; }

    // The text of a grid cell, the fixed headers and labels included; empty
    // outside the grid.
    QString cell(int row, int column) const;
    // Sets an editable cell (row 1 and below, column 1 and beyond) to what
    // cellText() keeps of `text`.
    void setCell(int row, int column, const QString &text);
    // What a cell of `row` keeps of a typed or pasted text: no separator, no
    // control character, and in a width digits only.
    static QString cellText(int row, QStringView text);
    // Whether a typed character may enter a cell of `row`.
    static bool acceptsCharacter(int row, QChar c);

    // Appends an empty row; returns its grid row.
    int addRow();
    // Removes a table row after asking; alignment and width rows are no
    // table rows and ask nothing. True when the row went.
    bool deleteRow(int row, UserInterface &ui);
    // Appends a column aligned left, 25 pixels wide; returns its grid column.
    int addColumn();
    // Removes a column after asking. True when the column went.
    bool deleteColumn(int column, UserInterface &ui);
    // Empties every table cell after asking; alignments and widths stay.
    bool clearAll(UserInterface &ui);

    // The editor's OK: the table takes the columns and rows. Run it inside a
    // change of the table's form.
    void writeTo(TCCTable &table) const;

private:
    QStringList m_align; // the words shown: "Left", "Center", "Right"
    QStringList m_widths;
    std::vector<QStringList> m_rows; // each as many cells as there are columns
};

} // namespace zf
