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
    // A mark followed by text that is not UTF-8 keeps the mark's bytes.
    EXPECT_EQ(decodeText("\xEF\xBB\xBF\xE9"), QString::fromUtf8("ï»¿é"));
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
