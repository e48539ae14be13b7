#include "core/properties/TableGrid.h"
#include "core/ccontrols/CCTable.h"
#include "core/model/PropertyWords.h"
#include "core/model/UserInterface.h"
#include "core/properties/ItemText.h"

#include <algorithm>

namespace zf {

namespace {

bool confirm(UserInterface &ui, const QString &question)
{
    using Button = UserInterface::Button;
    return ui.ask({QStringLiteral("Confirm"), question, Button::Yes | Button::No,
                   UserInterface::Icon::Question, Button::No}) == Button::Yes;
}

// The stored alignment: "1" centre, "2" right, anything else left.
QString alignWord(const QString &stored)
{
    if (stored == QLatin1String("1"))
        return words::alignment().at(1);
    if (stored == QLatin1String("2"))
        return words::alignment().at(2);
    return words::alignment().at(0);
}

QString storedAlign(const QString &word)
{
    if (word == words::alignment().at(1))
        return QStringLiteral("1");
    if (word == words::alignment().at(2))
        return QStringLiteral("2");
    return QStringLiteral("0");
}

QString digitsOf(const QString &text)
{
    QString digits;
    for (QChar c : text) {
        if (c >= u'0' && c <= u'9')
            digits += c;
    }
    return digits;
}

} // namespace

TableGrid::TableGrid(const TCCTable &table)
{
    qsizetype columns =
        std::max<qsizetype>({table.cols(), table.colAlign().size(), table.colWidths().size()});
    for (const QString &row : table.items()) {
        // An empty row is no cells at all, so a table without columns keeps
        // none.
        m_rows.push_back(row.isEmpty() ? QStringList() : row.split(kCellSeparator));
        columns = std::max(columns, m_rows.back().size());
    }
    for (QStringList &cells : m_rows) {
        while (cells.size() < columns)
            cells << QString();
    }
    for (qsizetype c = 0; c < columns; ++c) {
        m_align << alignWord(table.colAlign().value(c));
        m_widths << table.colWidths().value(c);
    }
}

QString TableGrid::cell(int row, int column) const
{
    if (row < 0 || row >= gridRows() || column < 0 || column >= gridColumns())
        return {};
    if (column == 0) {
        switch (row) {
        case 0:
            return {};
        case kAlignRow:
            return QStringLiteral("ColAlign");
        case kWidthRow:
            return QStringLiteral("ColWidth");
        default:
            return QStringLiteral("Row ") + QString::number(row - kFirstDataRow);
        }
    }
    const int c = column - 1;
    switch (row) {
    case 0:
        return QStringLiteral("Col ") + QString::number(c);
    case kAlignRow:
        return m_align.at(c);
    case kWidthRow:
        return m_widths.at(c);
    default:
        return m_rows[size_t(row - kFirstDataRow)].at(c);
    }
}

void TableGrid::setCell(int row, int column, const QString &text)
{
    if (row < kAlignRow || row >= gridRows() || column < 1 || column >= gridColumns())
        return;
    const QString value = cellText(row, text);
    const int c = column - 1;
    if (row == kAlignRow)
        m_align[c] = value;
    else if (row == kWidthRow)
        m_widths[c] = value;
    else
        m_rows[size_t(row - kFirstDataRow)][c] = value;
}

QString TableGrid::cellText(int row, QStringView text)
{
    QString value = printableText(text, false);
    value.remove(kCellSeparator);
    return row == kWidthRow ? digitsOf(value) : value;
}

bool TableGrid::acceptsCharacter(int row, QChar c)
{
    if (c == kCellSeparator)
        return false;
    return row != kWidthRow || (c >= u'0' && c <= u'9');
}

int TableGrid::addRow()
{
    QStringList cells;
    for (int c = 0; c < columnCount(); ++c)
        cells << QString();
    m_rows.push_back(cells);
    return gridRows() - 1;
}

bool TableGrid::deleteRow(int row, UserInterface &ui)
{
    if (row < kFirstDataRow || row >= gridRows())
        return false;
    if (!confirm(ui, QStringLiteral("The selected row will be deleted. Are you sure?")))
        return false;
    m_rows.erase(m_rows.begin() + (row - kFirstDataRow));
    return true;
}

int TableGrid::addColumn()
{
    m_align << words::alignment().at(0);
    m_widths << QStringLiteral("25");
    for (QStringList &cells : m_rows)
        cells << QString();
    return gridColumns() - 1;
}

bool TableGrid::deleteColumn(int column, UserInterface &ui)
{
    if (column < 1 || column >= gridColumns())
        return false;
    if (!confirm(ui, QStringLiteral("The selected column will be deleted. Are you sure?")))
        return false;
    const int c = column - 1;
    m_align.removeAt(c);
    m_widths.removeAt(c);
    for (QStringList &cells : m_rows)
        cells.removeAt(c);
    return true;
}

bool TableGrid::clearAll(UserInterface &ui)
{
    if (!confirm(ui, QStringLiteral("All the row contents will be cleared. Are you sure?")))
        return false;
    for (QStringList &cells : m_rows)
        std::fill(cells.begin(), cells.end(), QString());
    return true;
}

void TableGrid::writeTo(TCCTable &table) const
{
    QStringList align;
    for (const QString &word : m_align)
        align << storedAlign(word);
    QStringList items;
    for (const QStringList &cells : m_rows)
        items << cells.join(kCellSeparator);
    table.setColAlign(align);
    table.setColWidths(m_widths);
    table.setItems(items);
    table.setCols(columnCount());
}

} // namespace zf
