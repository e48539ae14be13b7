#pragma once

#include "core/base/Saturating.h"
#include "core/model/DesignObject.h"

#include <QStringList>

namespace zf {

// A table: rows of cells joined by "~", with one width and one alignment
// line per column. Rows are 11 pixels high.
class TCCTable : public DesignObjectOf<TCCTable, DesignObject>
{
public:
    static constexpr ClassId kClassId = ClassId::TCCTable;
    static constexpr QChar kCellSeparator = u'~';

    TCCTable() : DesignObjectOf(77, 46) {}
    ClassId classId() const override { return kClassId; }

    const QStringList &colAlign() const { return m_colAlign; }
    const QStringList &colWidths() const { return m_colWidths; }
    const QStringList &items() const { return m_items; }
    void setColAlign(const QStringList &lines) { assign(m_colAlign, lines); }
    void setColWidths(const QStringList &lines) { assign(m_colWidths, lines); }
    void setItems(const QStringList &rows) { assign(m_items, rows); }

    int cols() const { return m_cols; }
    void setCols(int cols) { assign(m_cols, cols); }
    int selectedRow() const { return m_selectedRow; }
    void setSelectedRow(int row) { assign(m_selectedRow, row); }
    int visibleRows() const { return floorDivide(height(), 11); }
    void setVisibleRows(int rows) { setHeight(saturate(qint64(rows) * 11 + 2)); }

protected:
    UserOffsets userOffsets() const override { return {1, 1, -2, 0}; }

private:
    QStringList m_colAlign;
    QStringList m_colWidths;
    int m_cols = 3;
    QStringList m_items;
    int m_selectedRow = 0;
};

} // namespace zf
