#pragma once

#include "canvas/CanvasTestSupport.h"
#include "core/canvas/PalmFonts.h"
#include "core/designer/FormRenderer.h"
#include "core/model/DesignObject.h"

#include <QImage>
#include <QRect>

#include <gtest/gtest.h>

#include <vector>

namespace zf::test {

// Paints the object alone on an image of exactly its size, over gray, so
// that anything the painting leaves out shows as '-'.
inline QImage paintAlone(const DesignObject &object, PalmColor outside = kTestGray)
{
    QImage image = blankImage(object.width(), object.height(), outside);
    Canvas canvas(image);
    paintObject(canvas, object);
    return image;
}

inline PalmColor colorAt(const QImage &image, int x, int y)
{
    return rgbToPalm(image.pixel(x, y));
}

// The pixels a text covers in a font, relative to its top-left corner,
// taken from the canvas's own text drawing.
inline std::vector<QPoint> textInk(const QString &fontName, const QString &text)
{
    const BitmapFont &font = palmFont(fontName);
    QImage image(std::max(1, font.textWidth(text) + 8), font.lineHeight(), QImage::Format_RGB32);
    image.fill(palmToRgb(kPalmWhite));
    Canvas canvas(image);
    canvas.setFont(font);
    canvas.setFontColor(kPalmBlack);
    canvas.textOut(0, 0, text);
    std::vector<QPoint> ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (colorAt(image, x, y) == kPalmBlack)
                ink.push_back({x, y});
        }
    }
    return ink;
}

// Expects `text` written at exactly (x, y) in `color`: inside `area` the
// pixels of that colour are the text's ink there and nothing else, so a
// text one pixel off fails.
inline void expectTextAt(const QImage &image, const QRect &area, const QString &fontName,
                         const QString &text, int x, int y, PalmColor color)
{
    std::vector<QPoint> expected;
    for (const QPoint &p : textInk(fontName, text)) {
        const QPoint at = p + QPoint(x, y);
        if (area.contains(at))
            expected.push_back(at);
    }
    ASSERT_FALSE(expected.empty()) << "no ink of the text falls inside the area";
    std::vector<QPoint> actual;
    for (int py = area.top(); py <= area.bottom(); ++py) {
        for (int px = area.left(); px <= area.right(); ++px) {
            if (colorAt(image, px, py) == color)
                actual.push_back({px, py});
        }
    }
    auto order = [](const QPoint &a, const QPoint &b) {
        return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x();
    };
    std::sort(expected.begin(), expected.end(), order);
    EXPECT_EQ(actual, expected) << "text \"" << text.toStdString() << "\" not at (" << x << ", "
                                << y << ")";
}

} // namespace zf::test
