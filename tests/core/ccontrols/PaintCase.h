#pragma once

#include "designer/PaintTestSupport.h"

#include <functional>
#include <string>
#include <vector>

namespace zf::test {

inline constexpr PalmColor kRed = 0x0000FF;
inline constexpr PalmColor kGreen = 0x00FF00;
inline constexpr PalmColor kBlue = 0xFF0000;

// A run of pixels from (x, y) rightwards, or downwards, as characters:
// '#' black, '.' white, '-' gray, 'r' red, 'g' green, 'b' blue.
struct Ink
{
    int x;
    int y;
    std::string pixels;
    bool down = false;
};

// A text expected at exactly (x, y) inside `area`.
struct TextAt
{
    QRect area;
    const char *font;
    const char *text;
    int x;
    int y;
    PalmColor color = kPalmBlack;
};

// One drawing rule: the picture that shows it and the pixels that tell it.
struct PaintCase
{
    const char *rule;
    std::function<QImage()> paint;
    std::vector<Ink> inks;
    std::vector<TextAt> texts = {};
};

inline char inkAt(const QImage &image, int x, int y)
{
    if (!image.rect().contains(x, y))
        return '!';
    switch (colorAt(image, x, y)) {
    case kRed:
        return 'r';
    case kGreen:
        return 'g';
    case kBlue:
        return 'b';
    default:
        return pixelChar(image.pixel(x, y));
    }
}

inline void expectPaintCases(const std::vector<PaintCase> &cases)
{
    for (const PaintCase &c : cases) {
        SCOPED_TRACE(c.rule);
        const QImage image = c.paint();
        for (const Ink &ink : c.inks) {
            std::string actual;
            for (int i = 0; i < int(ink.pixels.size()); ++i)
                actual +=
                    ink.down ? inkAt(image, ink.x, ink.y + i) : inkAt(image, ink.x + i, ink.y);
            EXPECT_EQ(actual, ink.pixels) << c.rule << ", from (" << ink.x << ", " << ink.y << ")";
        }
        for (const TextAt &t : c.texts)
            expectTextAt(image, t.area, QLatin1String(t.font), QLatin1String(t.text), t.x, t.y,
                         t.color);
    }
}

} // namespace zf::test
