#include "core/codegen/TableColumns.h"
#include "core/ccontrols/CCTable.h"

#include <algorithm>

namespace zf {

namespace {

bool present(const QStringList &list, int index)
{
    return index < list.size() && !list.at(index).trimmed().isEmpty();
}

} // namespace

int TableColumns::count() const
{
    return std::clamp(m_table.cols(), 0, kMaxColumns);
}

QString TableColumns::width(int column) const
{
    return present(m_table.colWidths(), column) ? m_table.colWidths().at(column) : kDefaultWidth;
}

QString TableColumns::align(int column) const
{
    return present(m_table.colAlign(), column) ? m_table.colAlign().at(column) : kDefaultAlign;
}

bool TableColumns::isComplete() const
{
    if (m_table.cols() != count())
        return false;
    for (int i = 0; i < count(); ++i) {
        if (!present(m_table.colWidths(), i) || !present(m_table.colAlign(), i))
            return false;
    }
    return true;
}

} // namespace zf
