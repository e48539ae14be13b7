// Reading `StringBits` into the bitmap editor's bits. The first four bytes
// give the picture's size (within what the editor accepts), the rest is the
// text. The bits must write back to a text that reads back to them.
#include "FuzzSupport.h"

#include "core/base/BitmapBits.h"

using namespace zf;

ZF_FUZZ_INITIALIZE_DEFAULT()

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 4)
        return 0;
    constexpr int kSides = BitmapBits::kMaxSide + 1;
    const int width = (data[0] | data[1] << 8) % kSides;
    const int height = (data[2] | data[3] << 8) % kSides;
    const QString text = QString::fromUtf8(fuzz::bytesOf(data + 4, size - 4));

    const BitmapBits bits = BitmapBits::fromStringBits(width, height, text);
    if (bits.width() != width || bits.height() != height)
        fuzz::fail("the picture has another size than asked for");
    const QString written = bits.toStringBits();
    if (written.size() != qsizetype(height) * BitmapBits::digitsPerRow(width))
        fuzz::fail("the text has the wrong length", written.toUtf8());
    if (BitmapBits::fromStringBits(width, height, written) != bits)
        fuzz::fail("the written text reads back to other bits", written.toUtf8());
    return 0;
}
