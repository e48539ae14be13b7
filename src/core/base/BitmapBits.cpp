#include "core/base/BitmapBits.h"

#include <algorithm>

namespace zf {

int BitmapBits::digitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return 0;
}

BitmapBits::BitmapBits(int width, int height)
    : m_width(std::max(width, 0)), m_height(std::max(height, 0)),
      m_bits(size_t(m_width) * size_t(m_height), false)
{
}

BitmapBits BitmapBits::fromStringBits(int width, int height, const QString &text)
{
    BitmapBits picture(width, height);
    const int digits = digitsPerRow(picture.m_width);
    for (int y = 0; y < picture.m_height; ++y) {
        const qsizetype rowStart = qsizetype(y) * digits;
        for (int d = 0; d < digits && rowStart + d < text.size(); ++d) {
            const int value = digitValue(text.at(rowStart + d));
            for (int b = 0; b < 4; ++b) {
                const int x = d * 4 + b;
                if (x < picture.m_width)
                    picture.m_bits[picture.index(x, y)] = (value & (8 >> b)) != 0;
            }
        }
    }
    return picture;
}

QString BitmapBits::toStringBits() const
{
    static constexpr char kDigits[] = "0123456789abcdef";
    const int digits = digitsPerRow(m_width);
    QString text;
    text.reserve(qsizetype(digits) * m_height);
    for (int y = 0; y < m_height; ++y) {
        for (int d = 0; d < digits; ++d) {
            int value = 0;
            for (int b = 0; b < 4; ++b) {
                if (bit(d * 4 + b, y))
                    value |= 8 >> b;
            }
            text += QLatin1Char(kDigits[value]);
        }
    }
    return text;
}

void BitmapBits::setBit(int x, int y, bool on)
{
    if (contains(x, y))
        m_bits[index(x, y)] = on;
}

void BitmapBits::invert(int x, int y)
{
    if (contains(x, y))
        m_bits[index(x, y)] = !m_bits[index(x, y)];
}

void BitmapBits::clear()
{
    std::fill(m_bits.begin(), m_bits.end(), false);
}

} // namespace zf
