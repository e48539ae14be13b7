#pragma once

#include <QString>

#include <vector>

namespace zf {

// The pixels of a one-bit picture while the bitmap editor works on it, and
// its `StringBits` text: each row as whole hexadecimal digits, four pixels to
// a digit with the most significant bit leftmost, rows one after another
// without separators.
class BitmapBits
{
public:
    // Larger pictures are refused by the editor: a cell per pixel of a
    // bigger one could not be shown, and the bits would take too much memory.
    static constexpr int kMaxSide = 1024;

    // A picture of width x height white pixels; negative sizes count as 0.
    BitmapBits(int width, int height);

    // Reads `text` row by row: row r starts at digit r x D, D being the digits
    // per row. Either case is read, any other character counts as 0, and a
    // text that ends early leaves the remaining pixels white.
    static BitmapBits fromStringBits(int width, int height, const QString &text);
    // Height x D lower-case digits; the unused bits of a row's last digit
    // are 0.
    QString toStringBits() const;

    static int digitsPerRow(int width) { return width > 0 ? int((qint64(width) + 3) / 4) : 0; }
    // The four pixels of one digit; anything but a hexadecimal digit is 0.
    static int digitValue(QChar c);

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }

    // A set bit is a black pixel. Points outside the picture read white and
    // take no change.
    bool bit(int x, int y) const { return contains(x, y) && m_bits[index(x, y)]; }
    void setBit(int x, int y, bool on);
    void invert(int x, int y);
    void clear();

    bool operator==(const BitmapBits &) const = default;

private:
    size_t index(int x, int y) const { return size_t(y) * size_t(m_width) + size_t(x); }

    int m_width;
    int m_height;
    std::vector<bool> m_bits;
};

} // namespace zf
