#include "core/base/BitmapBits.h"

#include <gtest/gtest.h>

using namespace zf;

// Digits of either case are read, odd ones as zero and missing ones as
// white; whole lower-case digits are written per row, without the bits
// past the width.
TEST(BitmapBits, ReadsAnyTextAndWritesLowerCaseWholeDigitsPerRow)
{
    const struct
    {
        int width, height;
        const char *read, *firstRow, *written;
    } cases[] = {
        {6, 11, "80C0E0F0F8FCF8F0E0C080", "#.....", "80c0e0f0f8fcf8f0e0c080"},
        {6, 1, "ff", "######", "fc"},
        {8, 3, "g8x", "....#...", "080000"},
        {9, 2, "", ".........", "000000"},
    };
    for (const auto &c : cases) {
        const BitmapBits bits = BitmapBits::fromStringBits(c.width, c.height, QLatin1String(c.read));
        QString row;
        for (int x = 0; x < bits.width(); ++x)
            row += bits.bit(x, 0) ? u'#' : u'.';
        EXPECT_EQ(row, QLatin1String(c.firstRow)) << c.read;
        EXPECT_EQ(bits.toStringBits(), QLatin1String(c.written)) << c.read;
    }
}
