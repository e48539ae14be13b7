// Files are read as UTF-8 when they are valid UTF-8, else as Windows-1252,
// and written in 1252 when every character fits it; every text written reads
// back as itself.
#include "core/base/TextEncoding.h"

#include <gtest/gtest.h>

using namespace zf;

TEST(TextEncoding, BytesReadAsUtf8WhenValidElseAs1252)
{
    const struct
    {
        QByteArray bytes;
        const char *text;
        TextEncoding encoding;
    } cases[] = {
        {"Caf\xE9 \xD1" "and\xFA \x80" "5 \x91q\x92 \x8C", "Café Ñandú €5 \u2018q\u2019 Œ",
         TextEncoding::Windows1252},
        {"Caf\xC3\xA9 \xE2\x82\xAC", "Café €", TextEncoding::Utf8},
        // A valid sequence early on does not decide: one bad byte later
        // makes the whole text 1252.
        {"\xC3\xA9 and \xE9", "Ã© and é", TextEncoding::Windows1252},
        // Overlong forms and encoded surrogates are not valid UTF-8 either.
        {"\xC0\xAF", "À¯", TextEncoding::Windows1252},
        {"\xED\xA0\x80", "í\u00A0€", TextEncoding::Windows1252},
        // A lone last byte of UTF-16, or half a surrogate pair, is a
        // replacement character, not a lost text nor one no file can hold.
        {QByteArray("\xFF\xFE" "a\0b", 5), "a\uFFFD", TextEncoding::Utf16},
        {QByteArray("\xFF\xFE" "\xDE\xDE" "a\0" "\x00\xD8", 8), "\uFFFDa\uFFFD", TextEncoding::Utf16},
        {QByteArray("\xFE\xFF" "\xD8\x3D\xDE\x00", 6), "\U0001F600", TextEncoding::Utf16},
    };
    for (const auto &c : cases) {
        TextEncoding detected = TextEncoding::Utf8;
        EXPECT_EQ(decodeText(c.bytes, &detected), QString::fromUtf8(c.text)) << c.text;
        EXPECT_EQ(detected, c.encoding) << c.text;
    }
}

// Texts whose 1252 bytes would read as UTF-8 or as a mark are written in
// UTF-8, and so is every text with a character beyond 1252 (the C1 control
// U+0080 is one: 0x80 is the euro sign). Every byte, the five 1252 leaves
// undefined too, survives a 1252 round trip.
TEST(TextEncoding, EveryTextReadsBackAsItself)
{
    QByteArray everyByte;
    for (int b = 0; b < 256; ++b)
        everyByte.append(char(b));
    const QString c1(QChar(0x80)), everyCharacter = decodeWindows1252(everyByte);
    const struct
    {
        QStringView text;
        QByteArray bytes; // empty: not checked
        TextEncoding encoding;
    } cases[] = {
        {u"Caf\u00E9 \u00E9t\u00E9 \u20AC5", "Caf\xE9 \xE9t\xE9 \x80" "5", TextEncoding::Windows1252},
        {u"\u00E9 and \u03C9", "\xC3\xA9 and \xCF\x89", TextEncoding::Utf8},
        {u"\uFEFFx\u0100", "\xEF\xBB\xBF\xEF\xBB\xBFx\xC4\x80", TextEncoding::Utf8},
        {u"\u00C3\u00A9", {}, TextEncoding::Utf8},
        {u"Title=\u00C2\u00A3 5", {}, TextEncoding::Utf8},
        {u"\u00E2\u201A\u00AC", {}, TextEncoding::Utf8},
        {u"\u00EF\u00BB\u00BF[FORM]", {}, TextEncoding::Utf8},
        {u"\u00FF\u00FE[FORM]", {}, TextEncoding::Utf8},
        {u"\u00FE\u00FF[FORM]", {}, TextEncoding::Utf8},
        {c1, {}, TextEncoding::Utf8},
        {everyCharacter, everyByte, TextEncoding::Windows1252},
    };
    for (const auto &[view, expectedBytes, encoding] : cases) {
        const QString text = view.toString();
        TextEncoding used;
        const QByteArray bytes = encodeText(text, &used);
        EXPECT_TRUE(expectedBytes.isEmpty() || bytes == expectedBytes) << text.toStdString();
        EXPECT_EQ(used, encoding) << text.toStdString();
        EXPECT_EQ(decodeText(bytes), text) << text.toStdString();
    }
}

TEST(TextEncoding, StrictEncoderReportsEachUnmappableCharacterOnce)
{
    // Greek omega twice, a CJK character and an emoji beyond the basic plane.
    const QString text = QString::fromUtf8("a\u03C9b\u03C9c\u4E2D\U0001F600\u20AC");
    QString unmappable;
    EXPECT_EQ(encodeWindows1252(text, &unmappable), QByteArray("a?b?c??\x80"));
    EXPECT_EQ(unmappable, QString::fromUtf8("\u03C9\u4E2D\U0001F600"));
}
