#include "core/designer/FormPicture.h"

#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zf;

TEST(FormPicture, FitsInsideTheSizeByWholeFactorsOrNearestPixels)
{
    QImage device(167, 226, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < device.height(); ++y)
        for (int x = 0; x < device.width(); ++x)
            device.setPixel(x, y, random.generate() | 0xFF000000u);
    const std::pair<int, QSize> cases[] = {
        {1000, {668, 904}}, {904, {668, 904}}, {903, {501, 678}},
        {452, {334, 452}},  {451, {167, 226}}, {226, {167, 226}},
        {225, {166, 225}},  {128, {94, 128}},  {1, {1, 1}},
    };
    for (const auto &[size, expected] : cases) {
        const QImage fitted = fittedPicture(device, size);
        ASSERT_EQ(fitted.size(), expected) << size;
        // Never smoothed: every pixel is one of the picture's, from where
        // its centre falls on it.
        const double sx = double(device.width()) / fitted.width();
        const double sy = double(device.height()) / fitted.height();
        for (int y = 0; y < fitted.height(); y += 7) {
            for (int x = 0; x < fitted.width(); x += 5) {
                const int fx = std::min(int((x + 0.5) * sx), device.width() - 1);
                const int fy = std::min(int((y + 0.5) * sy), device.height() - 1);
                bool near = false;
                for (int dy = -1; dy <= 1 && !near; ++dy)
                    for (int dx = -1; dx <= 1 && !near; ++dx)
                        near = device.valid(fx + dx, fy + dy) &&
                               device.pixel(fx + dx, fy + dy) == fitted.pixel(x, y);
                ASSERT_TRUE(near) << size << " at " << x << ", " << y;
            }
        }
    }
    // A picture that cannot be written leaves nothing and says why.
    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(writePng(device, dir.filePath(QStringLiteral("none/x.png")), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(writePng(device, dir.filePath(QStringLiteral("x.png")), &error));
    EXPECT_EQ(QImage(dir.filePath(QStringLiteral("x.png"))).convertToFormat(QImage::Format_RGB32),
              device);
}
