#include "core/base/TextEncoding.h"

#include <QStringDecoder>
#include <QStringList>

#include <algorithm>
#include <array>

namespace zf {

namespace {

// The characters of bytes 0x80 to 0x9F; everything else in 1252 is Latin-1.
// Undefined bytes map to the C1 control of the same number.
constexpr std::array<char16_t, 32> kHighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, //
};

constexpr bool isUndefinedByte(char16_t c)
{
    return c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
}

} // namespace

int windows1252Byte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return int(c);
    if (c <= 0xFF)
        return isUndefinedByte(c) ? int(c) : -1;
    for (std::size_t i = 0; i < kHighTable.size(); ++i) {
        if (kHighTable[i] == c)
            return int(0x80 + i);
    }
    return -1;
}

QString decodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        *out++ = (b >= 0x80 && b < 0xA0) ? kHighTable[b - 0x80] : char16_t(b);
    }
    return text;
}

QString decodeText(QByteArrayView bytes, TextEncoding *detected)
{
    const auto found = [detected](TextEncoding encoding) {
        if (detected)
            *detected = encoding;
    };
    const bool littleEndian = bytes.startsWith("\xFF\xFE");
    if (littleEndian || bytes.startsWith("\xFE\xFF")) {
        found(TextEncoding::Utf16);
        QStringDecoder utf16(littleEndian ? QStringConverter::Utf16LE : QStringConverter::Utf16BE,
                             QStringConverter::Flag::Stateless |
                                 QStringConverter::Flag::ConvertInitialBom);
        QString text = utf16(bytes.sliced(2));
        // The decoder passes half a surrogate pair through, which no file
        // can hold: it would be written as "?". Like a lone last byte, it
        // becomes U+FFFD; the rest reads.
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
                ++i;
            else if (text[i].isSurrogate())
                text[i] = QChar::ReplacementCharacter;
        }
        return text;
    }

    QByteArrayView body = bytes;
    if (body.startsWith("\xEF\xBB\xBF"))
        body = body.sliced(3);

    // The mark is dropped above, once; a second one belongs to the text.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                    QStringConverter::Flag::ConvertInitialBom);
    QString text = utf8(body);
    if (!utf8.hasError()) {
        found(TextEncoding::Utf8);
        return text;
    }
    // Saved with a mark by an editor that thought it wrote UTF-8 and then
    // given 1252 characters: the mark is still no text, or the first line
    // (a section header, usually) would not be recognised.
    found(TextEncoding::Windows1252);
    return decodeWindows1252(body);
}

bool fitsWindows1252(QStringView text)
{
    for (const QChar c : text) {
        // Files are nearly all ASCII; the table is asked only beyond it.
        if (c.unicode() >= 0x80 && windows1252Byte(c.unicode()) < 0)
            return false;
    }
    return true;
}

QByteArray encodeWindows1252(QStringView text, QString *unmappable)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    QStringList seen;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const int b = c < 0x80 ? int(c) : windows1252Byte(c);
        if (b >= 0) {
            *out++ = char(b);
            continue;
        }
        *out++ = '?';
        // A character beyond the basic plane is one character, one "?".
        qsizetype length = 1;
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            length = 2;
        const QStringView character = text.sliced(i, length);
        if (unmappable && !seen.contains(character)) {
            seen.append(character.toString());
            unmappable->append(character);
        }
        i += length - 1;
    }
    bytes.truncate(out - bytes.constData());
    return bytes;
}

QByteArray encodeText(QStringView text, TextEncoding *used)
{
    if (fitsWindows1252(text)) {
        QByteArray bytes = encodeWindows1252(text);
        // Some 1252 texts are valid UTF-8 too ("Ã©" in 1252 is "é" in UTF-8,
        // "ï»¿" a byte-order mark) and would read back as other characters;
        // those are written as UTF-8.
        const bool ascii = std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return c >= 0; });
        if (ascii || decodeText(bytes) == text) {
            if (used)
                *used = TextEncoding::Windows1252;
            return bytes;
        }
    }
    if (used)
        *used = TextEncoding::Utf8;
    QByteArray bytes = text.toUtf8();
    // Reading drops one leading mark; a text that starts with one of its own
    // keeps it behind a second.
    if (text.startsWith(QChar(0xFEFF)))
        bytes.prepend("\xEF\xBB\xBF");
    return bytes;
}

} // namespace zf
