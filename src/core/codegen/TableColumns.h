#pragma once

#include <QString>

namespace zf {

class TCCTable;

// The columns of a table as the generated code sets them up. The table
// editor keeps Cols, ColWidths and ColAlign in step, but a form file may
// not: a column without a width or alignment (or with an empty one) gets
// those of a column the editor adds, and the count is held to what a
// 160-pixel screen can show, so a damaged file cannot make the generator
// write millions of lines.
class TableColumns
{
public:
    static constexpr int kMaxColumns = 160;
    static inline const QString kDefaultWidth = QStringLiteral("25");
    static inline const QString kDefaultAlign = QStringLiteral("0");

    explicit TableColumns(const TCCTable &table) : m_table(table) {}

    int count() const;
    QString width(int column) const;
    QString align(int column) const;
    // Whether every column is written as stored.
    bool isComplete() const;

private:
    const TCCTable &m_table;
};

} // namespace zf
