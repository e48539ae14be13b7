// Reading `StringBits` into the bitmap editor's bits. The first two bytes
// give the picture's size, the rest is the text. The bits must write back to
// a text that reads back to them.
#include "FuzzSupport.h"

#include "core/base/BitmapBits.h"

using namespace zf;

ZF_FUZZ_INITIALIZE_DEFAULT()

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    // The rules of a row do not change with its length, so the sides stay
    // small, where the text reaches the picture's end; pictures of the
    // largest side alone would keep the fuzzer at a few runs a second.
    const auto side = [](uint8_t byte) { return byte == 0xFF ? BitmapBits::kMaxSide : byte % 70; };
    const int width = side(data[0]);
    const int height = side(data[1]);
    const QString text = QString::fromUtf8(fuzz::bytesOf(data + 2, size - 2));

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
