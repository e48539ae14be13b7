#pragma once

#include "core/canvas/Canvas.h"

#include <QImage>
#include <QStringList>

#include <gtest/gtest.h>

namespace zf::test {

// Pictures in tests are rows of characters: '#' black, '.' white, '-' gray.
inline constexpr PalmColor kTestGray = 0x808080;

inline QImage blankImage(int width, int height, PalmColor color = kTestGray)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(palmToRgb(color));
    return image;
}

inline char pixelChar(QRgb rgb)
{
    switch (rgbToPalm(rgb)) {
    case kPalmBlack:
        return '#';
    case kPalmWhite:
        return '.';
    case kTestGray:
        return '-';
    default:
        return '?';
    }
}

inline QStringList picture(const QImage &image)
{
    QStringList rows;
    for (int y = 0; y < image.height(); ++y) {
        QString row;
        for (int x = 0; x < image.width(); ++x)
            row += QLatin1Char(pixelChar(image.pixel(x, y)));
        rows << row;
    }
    return rows;
}

// Compares whole pictures so that a failure prints both.
inline void expectPicture(const QImage &image, const QStringList &expected)
{
    EXPECT_EQ(picture(image).join(QLatin1Char('\n')).toStdString(),
              expected.join(QLatin1Char('\n')).toStdString());
}

} // namespace zf::test
