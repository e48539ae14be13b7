#include "core/ccontrols/CCCheckbox.h"
#include "core/ccontrols/CCPaint.h"
#include "core/ccontrols/CCTextLine.h"
#include "core/controls/CCPaintParts.h"

namespace zf {

namespace {

int alignedTextLeft(TextAlignment alignment, int w, int textWidth)
{
    switch (alignment) {
    case TextAlignment::Center:
        return (w - textWidth) / 2;
    case TextAlignment::Right:
        return w - textWidth - 2;
    case TextAlignment::Left:
        break;
    }
    return 2;
}

} // namespace

void paint(Canvas &canvas, const TCCTextLine &text)
{
    const int w = text.width();
    const int h = text.height();
    const PalmColor ground = text.color();
    const bool gray = text.line() == 2;
    fillBackground(canvas, text, ground);
    if (text.line() == 0)
        canvas.setClearPen();
    else
        canvas.setPen(kPalmBlack);

    if (text.style() == 1) {
        canvas.line(0, h - 1, w - 1, h - 1);
        if (gray) {
            // The first two pixels go too, so the dots start one in.
            canvas.setPixel(0, h - 1, ground);
            canvas.setPixel(1, h - 1, ground);
            forEachVisiblePixel(canvas, 2, h - 1, w - 2, h - 1, [&](int x, int y) {
                if ((x & 1) != 0)
                    canvas.setPixel(x, y, ground);
            });
        }
    } else if (text.style() == 2) {
        canvas.setClearBrush();
        canvas.polygon({{0, 0}, {w - 1, 0}, {w - 1, h - 1}, {0, h - 1}});
        if (gray) {
            auto gapsAlongX = [&](int x, int y) {
                if ((x & 1) != 0)
                    canvas.setPixel(x, y, ground);
            };
            auto gapsAlongY = [&](int x, int y) {
                if ((y & 1) != 0)
                    canvas.setPixel(x, y, ground);
            };
            forEachVisiblePixel(canvas, 0, 0, w - 1, 0, gapsAlongX);
            forEachVisiblePixel(canvas, 0, h - 1, w - 1, h - 1, gapsAlongX);
            forEachVisiblePixel(canvas, 0, 0, 0, h - 1, gapsAlongY);
            forEachVisiblePixel(canvas, w - 1, 0, w - 1, h - 1, gapsAlongY);
        }
    }

    canvas.setFont(text.font().name());
    canvas.setFontColor(kPalmBlack);
    const QString &content = text.content();
    canvas.textOut(alignedTextLeft(text.alignment(), w, canvas.textWidth(content)),
                   (h - canvas.textHeight(content)) / 2, content);
    paintSelection(canvas, text);
}

void paint(Canvas &canvas, const TCCCheckbox &box)
{
    const PalmColor ground = box.color();
    fillBackground(canvas, box, ground);
    paintCheckMark(canvas, 2, 3, box.state() != 0, kPalmBlack, ground);
    canvas.setFont(box.font().name());
    canvas.setFontColor(kPalmBlack);
    canvas.textOut(13, 1, box.content());
    paintSelection(canvas, box);
}

} // namespace zf
