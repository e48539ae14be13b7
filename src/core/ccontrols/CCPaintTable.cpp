#include "core/base/Saturating.h"
#include "core/ccontrols/CCPaint.h"
#include "core/ccontrols/CCTable.h"
#include "core/controls/CCPaintParts.h"

#include <vector>

namespace zf {

namespace {

// A column's width or alignment line; a missing line or one that is not a
// number reads as 0.
int numberAt(const QStringList &lines, int index)
{
    return index < lines.size() ? lines.at(index).trimmed().toInt() : 0;
}

} // namespace

void paint(Canvas &canvas, const TCCTable &table)
{
    const int w = table.width();
    const int h = table.height();
    const PalmColor ground = table.color();
    fillBackground(canvas, table, ground);
    canvas.setFont(table.font().name());
    canvas.setFontColor(kPalmBlack);

    const int rowCount = std::max(0, std::min(table.visibleRows(), int(table.items().size())));
    std::vector<QStringList> cells;
    cells.reserve(size_t(rowCount));
    for (int r = 0; r < rowCount; ++r)
        cells.push_back(table.items().at(r).split(TCCTable::kCellSeparator));

    // Columns are drawn up to the first one without a positive width; the
    // last one reaches the right edge whatever its width.
    int x0 = 0;
    for (int j = 0; j < table.cols(); ++j) {
        const int cw = numberAt(table.colWidths(), j);
        if (cw < 1)
            break;
        const int x1 =
            j == table.cols() - 1 ? w - 1 : int(std::min<qint64>(qint64(x0) + cw, w - 1));
        canvas.setPen(kPalmBlack);
        canvas.setClearBrush();
        canvas.polygon({{x0, 0}, {x1, 0}, {x1, h - 1}, {x0, h - 1}});
        if (j > 0) {
            forEachVisiblePixel(canvas, x0, 1, x0, h - 2, [&](int x, int y) {
                if ((y & 1) != 0)
                    canvas.setPixel(x, y, ground);
            });
        }
        // Alignment 1 centres, 2 aligns right, anything else left.
        const int alignment = numberAt(table.colAlign(), j);
        for (int r = 0; r < rowCount; ++r) {
            const QString text = cells[size_t(r)].value(j);
            const qint64 tw = canvas.textWidth(text);
            qint64 x = x0 + 2;
            if (alignment == 1)
                x = x0 + 1 + (cw - tw) / 2;
            else if (alignment == 2)
                x = qint64(x0) + cw - tw - 1;
            canvas.textOut(saturate(x), 11 * r + 1, text);
        }
        x0 = x1;
    }
    paintSelection(canvas, table);
}

} // namespace zf
