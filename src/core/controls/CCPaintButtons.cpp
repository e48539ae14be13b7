#include "core/controls/CCButton.h"
#include "core/controls/CCPaintParts.h"
#include "core/controls/CCSwitch.h"
#include "core/controls/SharedPaint.h"

#include <array>

namespace zf {

namespace {

// What a button and a switch share: a face with chamfered corners and a
// centred caption.
struct ChamferedFace
{
    int radius = 0;
    int line = 1; // 0 none, 1 solid, 2 gray
    PalmColor frame = kPalmBlack;
    PalmColor fill = kPalmWhite;
    // What the corner pixels and the gaps of a gray line show.
    PalmColor gaps = kPalmWhite;
    PalmColor text = kPalmBlack;
    const QString *caption = nullptr;
    int textShift = 0;
};

void paintChamferedFace(Canvas &canvas, int w, int h, const ChamferedFace &face)
{
    const int k = face.radius > 1 ? face.radius - 1 : face.radius;
    const std::array<QPoint, 8> p = {{{k, 0},
                                      {w - 1 - k, 0},
                                      {w - 1, k},
                                      {w - 1, h - 1 - k},
                                      {w - 1 - k, h - 1},
                                      {k, h - 1},
                                      {0, h - 1 - k},
                                      {0, k}}};
    canvas.setBrush(face.fill);
    if (face.line == 0)
        canvas.setClearPen();
    else
        canvas.setPen(face.frame);
    canvas.polygon(p);

    // A radius of 4 rounds its solid corners off with one more pixel each.
    const PalmColor corner = face.radius == 4 && face.line == 1 ? kPalmBlack : face.gaps;
    canvas.setPixel(1, 1, corner);
    canvas.setPixel(w - 2, 1, corner);
    canvas.setPixel(w - 2, h - 2, corner);
    canvas.setPixel(1, h - 2, corner);

    if (face.line == 2) {
        // Every second pixel of each edge goes: counted along x on the top,
        // bottom and right-hand corners, along y on the sides and the
        // left-hand corners.
        for (std::size_t i = 0; i < p.size(); ++i) {
            const QPoint a = p[i];
            const QPoint b = p[(i + 1) % p.size()];
            const bool alongY = i == 2 || i == 6 || i == 7;
            forEachVisiblePixel(canvas, a.x(), a.y(), b.x(), b.y(), [&](int x, int y) {
                if (((alongY ? y : x) & 1) != 0)
                    canvas.setPixel(x, y, face.gaps);
            });
        }
    }

    canvas.setFontColor(face.text);
    const QString &caption = *face.caption;
    canvas.textOut((w - canvas.textWidth(caption)) / 2 + face.textShift,
                   (h - canvas.textHeight(caption)) / 2, caption);
}

} // namespace

void paint(Canvas &canvas, const TCCButton &button)
{
    // A button placed by PToolBox takes the frame and the ground of its
    // container; otherwise it is black on its own background.
    const ColorSet container = containerColors(button);
    fillBackground(canvas, button, container.background);
    canvas.setFont(button.font().name());
    ChamferedFace face;
    face.radius = button.radius();
    face.line = button.line();
    face.frame = container.frame;
    face.fill = button.colorFill();
    face.gaps = container.background;
    face.text = button.colorText();
    face.caption = &button.content();
    face.textShift = button.isSelectBox() ? 1 : 0;
    paintChamferedFace(canvas, button.width(), button.height(), face);
    paintSelection(canvas, button);
}

void paint(Canvas &canvas, const TCCSwitch &button)
{
    const ColorSet colors = containerColors(button);
    const DesignContainer *parent = button.parent();
    fillBackground(canvas, button, parent ? parent->colorSet().background : button.color());
    canvas.setFont(button.font().name());
    const bool pressed = button.state() != 0;
    ChamferedFace face;
    face.radius = button.radius();
    face.line = button.line();
    face.frame = colors.frame;
    face.fill = pressed ? colors.selectedFill : colors.fill;
    face.gaps = colors.fill;
    face.text = pressed ? colors.selectedFore : colors.text;
    face.caption = &button.content();
    paintChamferedFace(canvas, button.width(), button.height(), face);
    paintSelection(canvas, button);
}

} // namespace zf
