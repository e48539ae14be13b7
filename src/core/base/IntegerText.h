#pragma once

#include <QStringView>

#include <limits>
#include <optional>

namespace zf {

// Whole numbers read from text, by the two rules the program has: the
// property sheet takes signed decimal only; files also take hexadecimal,
// as "0x" + digits (more than two characters in all) or "$" + digits.
// Nothing else is a number: no blanks, no other signs, nothing beyond the
// range of 32 bits.

// Signed decimal within the range of int.
inline std::optional<int> parseDecimal(QStringView text)
{
    qsizetype i = 0;
    const bool negative = text.startsWith(u'-');
    if (negative || text.startsWith(u'+'))
        i = 1;
    if (i == text.size())
        return std::nullopt;
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > qint64(std::numeric_limits<int>::max()) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(value);
}

// Decimal as above, or hexadecimal of up to 32 bits, so "$FFFFFFFF" is -1.
inline std::optional<int> parseFileInteger(QStringView text)
{
    QStringView hex;
    if (text.startsWith(u'$'))
        hex = text.sliced(1);
    else if (text.size() > 2 && (text.startsWith(u"0x") || text.startsWith(u"0X")))
        hex = text.sliced(2);
    if (hex.isNull())
        return parseDecimal(text);
    if (hex.isEmpty())
        return std::nullopt;
    quint64 value = 0;
    for (const QChar c : hex) {
        const char16_t u = c.unicode();
        const int digit = (u >= u'0' && u <= u'9')   ? u - u'0'
                          : (u >= u'a' && u <= u'f') ? u - u'a' + 10
                          : (u >= u'A' && u <= u'F') ? u - u'A' + 10
                                                     : -1;
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + quint64(digit);
        if (value > 0xFFFFFFFFull)
            return std::nullopt;
    }
    return int(quint32(value));
}

} // namespace zf
