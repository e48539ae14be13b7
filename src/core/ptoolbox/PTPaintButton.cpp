#include "core/controls/CCPaintParts.h"
#include "core/ptoolbox/PTButton.h"
#include "core/ptoolbox/PTPaint.h"

namespace zf {

namespace {

// The bold frame: two pixels wide, with rounder corners than the octagon.
void paintBoldFrame(Canvas &canvas, int w, int h)
{
    auto segment = [&](int x1, int x2, int y) { canvas.line(x1, y, x2, y); };
    segment(5, w - 6, 0);
    segment(3, w - 4, 1);
    segment(2, 6, 2);
    segment(w - 7, w - 3, 2);
    segment(1, 4, 3);
    segment(w - 5, w - 2, 3);
    segment(1, 3, 4);
    segment(w - 4, w - 2, 4);
    segment(0, 3, 5);
    segment(w - 4, w - 1, 5);
    canvas.polygon({{0, 6}, {1, 6}, {1, h - 7}, {0, h - 7}});
    canvas.polygon({{w - 3, 6}, {w - 2, 6}, {w - 2, h - 7}, {w - 3, h - 7}});
    segment(0, 3, h - 6);
    segment(w - 4, w - 1, h - 6);
    segment(1, 3, h - 5);
    segment(w - 4, w - 2, h - 5);
    segment(1, 4, h - 4);
    segment(w - 5, w - 2, h - 4);
    segment(2, 6, h - 3);
    segment(w - 7, w - 3, h - 3);
    segment(3, w - 4, h - 2);
    segment(5, w - 6, h - 1);
}

} // namespace

void paint(Canvas &canvas, const TPTButton &button)
{
    const int w = button.width();
    const int h = button.height();
    const ColorSet container = containerColors(button);
    // A repeating button wears the container's colours, a standard one its
    // own; both are framed in the container's frame colour.
    PalmColor fill = button.colorFill();
    PalmColor text = button.colorText();
    if (button.palmForm() && button.isRepeating()) {
        fill = container.fill;
        text = container.text;
    }
    const PalmColor frame = container.frame;
    // Frames outside the four known ones draw as the standard frame.
    const int style =
        button.frame() >= TPTButton::StandardFrame && button.frame() <= TPTButton::NoFrame
            ? button.frame()
            : int(TPTButton::StandardFrame);
    fillBackground(canvas, button, container.background);

    const int k = style == TPTButton::SquareFrame || style == TPTButton::NoFrame ? 0 : 3;
    canvas.setBrush(fill);
    if (style == TPTButton::NoFrame)
        canvas.setClearPen();
    else
        canvas.setPen(frame);
    canvas.polygon({{k + 1, 1},
                    {w - 2 - k, 1},
                    {w - 2, k + 1},
                    {w - 2, h - 2 - k},
                    {w - 2 - k, h - 2},
                    {k + 1, h - 2},
                    {1, h - 2 - k},
                    {1, k + 1}});
    if (style == TPTButton::BoldFrame) {
        canvas.setBrush(frame);
        paintBoldFrame(canvas, w, h);
    } else {
        // The standard frame's corners are rounded by one pixel more.
        const PalmColor corner = style == TPTButton::StandardFrame ? frame : fill;
        canvas.setPixel(2, 2, corner);
        canvas.setPixel(w - 3, 2, corner);
        canvas.setPixel(w - 3, h - 3, corner);
        canvas.setPixel(2, h - 3, corner);
    }

    canvas.setFont(button.font().name());
    canvas.setFontColor(text);
    const QString &caption = button.text();
    canvas.textOut((w - canvas.textWidth(caption)) / 2, (h - canvas.textHeight(caption)) / 2,
                   caption);
    paintSelection(canvas, button);
}

} // namespace zf
