#include "core/canvas/BitmapFont.h"
#include "core/controls/CCPaintParts.h"
#include "core/ptoolbox/PTEdit.h"
#include "core/ptoolbox/PTPaint.h"

namespace zf {

namespace {

// Takes the next row of a text too wide for one row off `rest`: the longest
// start that fits in `width`, cut after its last blank. A word wider than
// the row with no blank before it gives an empty row, and stays at the front
// of `rest` for good. The end of the text, once it fits, makes a row of its
// own whether or not a blank follows it.
QString takeWrappedRow(const BitmapFont &font, QString &rest, int width)
{
    qint64 used = 0;
    qsizetype lastBlank = -1;
    qsizetype i = 0;
    while (i < rest.size()) {
        const QChar c = rest.at(i);
        char32_t code = c.unicode();
        qsizetype length = 1;
        if (c.isHighSurrogate() && i + 1 < rest.size() && rest.at(i + 1).isLowSurrogate()) {
            code = QChar::surrogateToUcs4(c, rest.at(i + 1));
            length = 2;
        }
        used += font.glyphFor(code).advance;
        if (used > width)
            break;
        if (c == u' ')
            lastBlank = i;
        i += length;
    }
    QString row;
    if (i >= rest.size()) {
        row = rest;
        rest.clear();
    } else if (lastBlank >= 0) {
        row = rest.left(lastBlank + 1);
        rest.remove(0, lastBlank + 1);
    }
    return row;
}

} // namespace

void paint(Canvas &canvas, const TPTEdit &field)
{
    const int w = field.width();
    const int h = field.height();
    const PalmColor fill = field.colorFill();
    fillBackground(canvas, field, fill);
    canvas.setFont(field.font().name());
    canvas.setPen(field.colorLines());
    canvas.setFontColor(field.colorText());

    const QString &text = field.text();
    const int rowHeight = canvas.textHeight(QStringLiteral("A"));
    const bool singleLine = field.singleLine() != 0;
    const int rows = singleLine || rowHeight <= 0 ? 1 : h / rowHeight;
    // A single line, or a text that fits, is written once, left-aligned
    // whatever the justification.
    const bool wraps = !singleLine && canvas.textWidth(text) > w;
    if (!wraps)
        canvas.textOut(0, 0, text);

    QString rest = text;
    const int lastVisibleY = canvas.clipRect().bottom();
    for (int r = 0; r < rows && qint64(r) * rowHeight <= lastVisibleY; ++r) {
        if (field.underline() == 0) {
            // A dotted line at the foot of each row.
            const int y = (r + 1) * rowHeight - 1;
            canvas.line(0, y, w, y);
            forEachVisiblePixel(canvas, 0, y, w - 1, y, [&](int x, int py) {
                if ((x & 1) == 0)
                    canvas.setPixel(x, py, fill);
            });
        }
        if (!wraps)
            continue;
        const QString row = takeWrappedRow(canvas.font(), rest, w);
        if (field.justification() == 0) {
            canvas.textOut(0, r * rowHeight, row);
        } else {
            const QString trimmed = row.trimmed();
            canvas.textOut(w - canvas.textWidth(trimmed), r * rowHeight, trimmed);
        }
    }
    paintSelection(canvas, field);
}

} // namespace zf
