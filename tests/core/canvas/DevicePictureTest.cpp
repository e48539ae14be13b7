#include "core/canvas/DevicePicture.h"

#include <gtest/gtest.h>

#include <set>

namespace zf::test {
namespace {

TEST(DevicePicture, SizeAndScreenArea)
{
    const QImage picture = devicePicture();
    ASSERT_EQ(picture.size(), QSize(167, 226));
    EXPECT_EQ(kDeviceScreenRect, QRect(4, 2, 160, 160));

    // The screen is one flat colour from (4, 2) to (163, 161) ...
    const QRgb glass = picture.pixel(4, 2);
    for (int y = 2; y <= 161; ++y) {
        for (int x = 4; x <= 163; ++x)
            ASSERT_EQ(picture.pixel(x, y), glass) << x << "," << y;
    }
    // ... and the bezel around it is not.
    for (int i = 2; i <= 161; i += 10) {
        EXPECT_NE(picture.pixel(3, i), glass);
        EXPECT_NE(picture.pixel(164, i), glass);
        EXPECT_NE(picture.pixel(i + 2, 1), glass);
        EXPECT_NE(picture.pixel(i + 2, 162), glass);
    }
}

TEST(DevicePicture, FitsA256ColourPalette)
{
    const QImage picture = devicePicture();
    std::set<QRgb> colours;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            colours.insert(picture.pixel(x, y));
    }
    EXPECT_LE(colours.size(), 256u);
    EXPECT_GE(colours.size(), 4u); // a picture, not a blank
    EXPECT_EQ(devicePicture(), picture);
}

} // namespace
} // namespace zf::test
