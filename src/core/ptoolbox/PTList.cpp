#include "core/ptoolbox/PTList.h"
#include "core/base/Saturating.h"
#include "core/canvas/TextMetrics.h"

namespace zf {

TPTList::TPTList()
    : DesignObjectOf(35, 0, -1)
{
    setSizeRaw(35, saturate(qint64(m_maxItems) * rowHeight() + 3));
}

int TPTList::rowHeight() const
{
    return textHeight(font(), QStringLiteral("A"));
}

void TPTList::setMaxItems(int rows)
{
    assign(m_maxItems, rows);
    setHeight(saturate(qint64(rows) * rowHeight() + 3));
}

void TPTList::setTrigger(const QString &trigger)
{
    assign(m_trigger, trigger);
    setStyle(trigger == kNoTrigger ? StandAlone : PopTriggered);
}

void TPTList::fitMaxItemsToHeight()
{
    const int row = rowHeight();
    if (row > 0)
        setMaxItems(height() / row);
}

void TPTList::fontChanged()
{
    setHeight(saturate(qint64(m_maxItems) * rowHeight() + 3));
}

} // namespace zf
