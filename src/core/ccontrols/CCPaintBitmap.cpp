#include "core/ccontrols/CCBitmap.h"
#include "core/ccontrols/CCPaint.h"
#include "core/ccontrols/CCPaintParts.h"

namespace zf {

namespace {

// Anything but a hexadecimal digit counts as 0.
int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return 0;
}

} // namespace

void paint(Canvas &canvas, const TCCBitmap &bitmap)
{
    const int w = bitmap.width();
    const int h = bitmap.height();
    fillBackground(canvas, bitmap, containerColors(bitmap).background);

    // Four pixels per digit, the most significant bit leftmost, as many
    // digits per row as cover the width.
    const int digitsPerRow = w > 0 ? (w + 3) / 4 : 0;
    const QString &bits = bitmap.stringBits();
    int x = 0, y = 0, column = 0;
    for (qsizetype k = 0; digitsPerRow > 0 && k < bits.size() && y < h; ++k) {
        const int value = hexValue(bits.at(k));
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
