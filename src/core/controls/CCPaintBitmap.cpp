#include "core/base/BitmapBits.h"
#include "core/controls/CCBitmap.h"
#include "core/controls/CCPaintParts.h"
#include "core/controls/SharedPaint.h"

namespace zf {

void paint(Canvas &canvas, const TCCBitmap &bitmap)
{
    const int w = bitmap.width();
    const int h = bitmap.height();
    fillBackground(canvas, bitmap, containerColors(bitmap).background);

    // Four pixels per digit, the most significant bit leftmost, as many
    // digits per row as cover the width.
    const int digitsPerRow = BitmapBits::digitsPerRow(w);
    const QString &bits = bitmap.stringBits();
    int x = 0, y = 0, column = 0;
    for (qsizetype k = 0; digitsPerRow > 0 && k < bits.size() && y < h; ++k) {
        const int value = BitmapBits::digitValue(bits.at(k));
        for (int b = 0; b < 4; ++b) {
            if ((value & (8 >> b)) != 0)
                canvas.setPixel(x + b, y, bitmap.colorFore());
        }
        x += 4;
        if (++column == digitsPerRow) {
            column = 0;
            x = 0;
            ++y;
        }
    }
    paintSelection(canvas, bitmap);
}

} // namespace zf
