#include "core/controls/CCRadio.h"
#include "core/base/Saturating.h"

namespace zf {

// Integer division in C++ truncates toward zero, as the Palm geometry rules
// require for negative sizes too.

int TCCRadio::userWidth() const
{
    const qint64 n = items().size();
    const qint64 w = width();
    return saturate(n > 0 ? w / n * n - 2 : w - 2);
}

void TCCRadio::setUserWidth(int value)
{
    const qint64 n = items().size();
    setWidth(saturate(n > 0 ? value / n * n + 2 : qint64(value) + 2));
}

void TCCRadio::setOrientation(int orientation)
{
    if (orientation == m_orientation)
        return;
    assign(m_orientation, orientation);
    // The cells keep their size: the group is reshaped from a row of n cells
    // into a column, or back, sharing the borders between cells.
    const qint64 n = items().size();
    qint64 w = width();
    qint64 h = height();
    if (orientation != 0) {
        h = n * h - (n - 1);
        if (n > 0)
            w = (w - (n + 1)) / n + 2;
    } else {
        if (n > 0)
            h = (h - (n + 1)) / n + 2;
        w = n * w - (n - 1);
    }
    setSizeRaw(saturate(w), saturate(h));
}

} // namespace zf
