#include "core/base/Saturating.h"
#include "core/controls/CCPaintParts.h"
#include "core/controls/CCRadio.h"
#include "core/controls/SharedPaint.h"

namespace zf {

void paint(Canvas &canvas, const TCCRadio &radio)
{
    const int w = radio.width();
    const int h = radio.height();
    const QStringList &items = radio.items();
    const qint64 n = items.size();
    const ColorSet colors = containerColors(radio);
    const bool stacked = radio.orientation() != 0;
    fillBackground(canvas, radio, radio.color());
    canvas.setFont(radio.font().name());

    // One cell per item; neighbours share their border line. A selection
    // outside the items highlights none of them.
    const qint64 cellWidth = n > 0 ? w / n : w;
    const qint64 cellHeight = n > 0 ? h / n : h;
    for (qint64 i = 0; i < n; ++i) {
        int x0 = 0, y0 = 0, x1 = w - 1, y1 = h - 1;
        if (stacked) {
            y0 = saturate(i * cellHeight);
            y1 = saturate(std::min<qint64>(i * cellHeight + cellHeight, h - 1));
        } else {
            x0 = saturate(i * cellWidth);
            x1 = saturate(std::min<qint64>(i * cellWidth + cellWidth, w - 1));
        }
        const bool chosen = i == radio.selectedItem();
        canvas.setPen(colors.frame);
        canvas.setBrush(chosen ? colors.selectedFill : colors.fill);
        canvas.polygon({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}});

        // Centred on the cell: horizontally on the middle of its edges,
        // vertically in its full height.
        const QString &item = items.at(i);
        canvas.setFontColor(chosen ? colors.selectedFore : colors.text);
        canvas.textOut(x0 + (x1 - x0) / 2 - canvas.textWidth(item) / 2,
                       y0 + (y1 - y0 + 1 - canvas.textHeight(item)) / 2, item);
    }
    paintSelection(canvas, radio);
}

} // namespace zf
