#include "core/canvas/DevicePicture.h"

#include <gtest/gtest.h>

#include <set>

namespace zf::test {
namespace {

// One flat screen from (4, 2) to (163, 161) inside a bezel that is not, in
// colours a 256-colour palette holds.
TEST(DevicePicture, TheScreenIsFlatInsideABezelOfAtMost256Colours)
{
    const QImage picture = devicePicture();
    ASSERT_EQ(picture.size(), QSize(167, 226));
    EXPECT_EQ(kDeviceScreenRect, QRect(4, 2, 160, 160));
    const QRgb glass = picture.pixel(4, 2);
    std::set<QRgb> colours;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            colours.insert(picture.pixel(x, y));
            if (kDeviceScreenRect.contains(x, y))
                ASSERT_EQ(picture.pixel(x, y), glass) << x << "," << y;
        }
    }
    for (int i = 2; i <= 161; i += 10) {
        EXPECT_NE(picture.pixel(3, i), glass);
        EXPECT_NE(picture.pixel(164, i), glass);
        EXPECT_NE(picture.pixel(i + 2, 1), glass);
        EXPECT_NE(picture.pixel(i + 2, 162), glass);
    }
    EXPECT_LE(colours.size(), 256u);
    EXPECT_GE(colours.size(), 4u); // a picture, not a blank
}

} // namespace
} // namespace zf::test
