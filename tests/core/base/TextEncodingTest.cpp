#include "core/base/TextEncoding.h"

#include <gtest/gtest.h>

using namespace zf;

namespace {

QByteArray allBytes()
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes.append(char(b));
    return bytes;
}

} // namespace

TEST(TextEncoding, Windows1252LettersDecode)
{
    // "Café Ñandú €5 ‘q’ Œ" in 1252.
    const QByteArray bytes("Caf\xE9 \xD1"
                           "and\xFA \x80"
                           "5 \x91q\x92 \x8C");
    TextEncoding detected = TextEncoding::Utf8;
    EXPECT_EQ(decodeText(bytes, &detected), QString::fromUtf8("Café Ñandú €5 \u2018q\u2019 Œ"));
    EXPECT_EQ(detected, TextEncoding::Windows1252);
}

TEST(TextEncoding, ValidUtf8IsReadAsUtf8WithOrWithoutMark)
{
    const QByteArray utf8("Caf\xC3\xA9 \xE2\x82\xAC");
    TextEncoding detected = TextEncoding::Windows1252;
    EXPECT_EQ(decodeText(utf8, &detected), QString::fromUtf8("Café €"));
    EXPECT_EQ(detected, TextEncoding::Utf8);
    EXPECT_EQ(decodeText("\xEF\xBB\xBF" + utf8, &detected), QString::fromUtf8("Café €"));
    EXPECT_EQ(detected, TextEncoding::Utf8);
}

TEST(TextEncoding, InvalidUtf8FallsBackTo1252ForTheWholeText)
{
    // A valid sequence early on does not decide: one bad byte later makes the
    // whole text 1252, so "Ã©" is two characters.
    const QByteArray bytes("\xC3\xA9 and \xE9");
    EXPECT_EQ(decodeText(bytes), QString::fromUtf8("Ã© and é"));
    // Overlong forms and encoded surrogates are not valid UTF-8 either.
    TextEncoding detected = TextEncoding::Utf8;
    decodeText("\xC0\xAF", &detected);
    EXPECT_EQ(detected, TextEncoding::Windows1252);
    decodeText("\xED\xA0\x80", &detected);
    EXPECT_EQ(detected, TextEncoding::Windows1252);
}

// One text saved by different editors: the mark is never part of the text,
// whatever the rest is read as, and "Unicode" files are UTF-16 of either
// byte order. Written back, the text takes our usual encoding.
TEST(TextEncoding, EveryEditorsEncodingReadsAsTheSameText)
{
    const QString text = QString::fromUtf8("[Project]\r\nLib=2\r\nName=Caf\u00E9 \u20AC\r\n");
    const auto utf16 = [&](bool little) {
        QByteArray bytes = little ? "\xFF\xFE" : "\xFE\xFF";
        for (const QChar c : text) {
            const char high = char(c.unicode() >> 8);
            const char low = char(c.unicode() & 0xFF);
            bytes.append(little ? low : high).append(little ? high : low);
        }
        return bytes;
    };
    const QByteArray cp1252 = encodeWindows1252(text);
    const struct
    {
        const char *editor;
        QByteArray bytes;
        TextEncoding encoding;
    } cases[] = {
        {"1252", cp1252, TextEncoding::Windows1252},
        {"1252 behind a UTF-8 mark", "\xEF\xBB\xBF" + cp1252, TextEncoding::Windows1252},
        {"UTF-8", text.toUtf8(), TextEncoding::Utf8},
        {"UTF-8 with its mark", "\xEF\xBB\xBF" + text.toUtf8(), TextEncoding::Utf8},
        {"UTF-16 LE", utf16(true), TextEncoding::Utf16},
        {"UTF-16 BE", utf16(false), TextEncoding::Utf16},
    };
    for (const auto &c : cases) {
        TextEncoding detected = TextEncoding::Utf8;
        EXPECT_EQ(decodeText(c.bytes, &detected), text) << c.editor;
        EXPECT_EQ(detected, c.encoding) << c.editor;
        EXPECT_EQ(encodeText(decodeText(c.bytes)), cp1252) << c.editor;
    }
    // A lone last byte of UTF-16, or half a surrogate pair, is a replacement
    // character, not a lost text nor one no file can hold.
    EXPECT_EQ(decodeText(QByteArray("\xFF\xFE" "a\0b", 5)), QStringLiteral("a\uFFFD"));
    EXPECT_EQ(decodeText(QByteArray("\xFF\xFE" "\xDE\xDE" "a\0" "\x00\xD8", 8)),
              QStringLiteral("\uFFFDa\uFFFD"));
    EXPECT_EQ(decodeText(QByteArray("\xFE\xFF" "\xD8\x3D\xDE\x00", 6)), QString::fromUtf8("\U0001F600"));
    // Texts that start like a mark in 1252 are written so they read back.
    for (const char *start : {"\u00EF\u00BB\u00BF", "\u00FF\u00FE", "\u00FE\u00FF"}) {
        const QString odd = QString::fromUtf8(start) + QStringLiteral("[FORM]");
        EXPECT_EQ(decodeText(encodeText(odd)), odd) << start;
    }
}

TEST(TextEncoding, EveryByteSurvivesA1252RoundTrip)
{
    const QByteArray bytes = allBytes();
    const QString text = decodeWindows1252(bytes);
    ASSERT_EQ(text.size(), 256);
    // The bytes 1252 leaves undefined come back as the same controls.
    EXPECT_EQ(text[0x81].unicode(), 0x81);
    EXPECT_EQ(text[0x9D].unicode(), 0x9D);
    EXPECT_EQ(text[0x9F].unicode(), 0x178);
    EXPECT_TRUE(fitsWindows1252(text));
    EXPECT_EQ(encodeWindows1252(text), bytes);
    TextEncoding used = TextEncoding::Utf8;
    EXPECT_EQ(encodeText(text, &used), bytes);
    EXPECT_EQ(used, TextEncoding::Windows1252);
}

TEST(TextEncoding, CharactersOutside1252ForceUtf8)
{
    const QString text = QString::fromUtf8("é and ω");
    EXPECT_FALSE(fitsWindows1252(text));
    TextEncoding used = TextEncoding::Windows1252;
    const QByteArray bytes = encodeText(text, &used);
    EXPECT_EQ(used, TextEncoding::Utf8);
    EXPECT_EQ(bytes, QByteArray("\xC3\xA9 and \xCF\x89"));
    EXPECT_EQ(decodeText(bytes), text);
    // The C1 control U+0080 has no byte: 0x80 is the euro sign.
    EXPECT_FALSE(fitsWindows1252(QString(QChar(0x80))));
}

TEST(TextEncoding, StrictEncoderReportsEachUnmappableCharacterOnce)
{
    // Greek omega twice, a CJK character and an emoji beyond the basic plane.
    const QString text = QString::fromUtf8("a\u03C9b\u03C9c\u4E2D\U0001F600\u20AC");
    QString unmappable;
    EXPECT_EQ(encodeWindows1252(text, &unmappable), QByteArray("a?b?c??\x80"));
    EXPECT_EQ(unmappable, QString::fromUtf8("\u03C9\u4E2D\U0001F600"));
}
