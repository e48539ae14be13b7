#include "core/ccontrols/CCDropDown.h"
#include "core/base/Saturating.h"

namespace zf {

void TCCDropDown::setTestItems(int open)
{
    assign(m_testItems, open);
    normalizeGeometry();
}

void TCCDropDown::setVisibleItems(int rows)
{
    assign(m_visibleItems, rows);
    normalizeGeometry();
}

void TCCDropDown::normalizeGeometry()
{
    const int openHeight = saturate(qint64(m_visibleItems) * 11 + 3);
    setSizeRaw(width(), m_testItems != 0 ? openHeight : kClosedHeight);
}

} // namespace zf
