#include "core/base/FontValue.h"

#include <gtest/gtest.h>

using namespace zf;

TEST(FontValue, DefaultIsTheScreenFont)
{
    const FontValue font;
    EXPECT_EQ(font.toIniText(), "PalmText9,10,,0,clWindowText,2");
    EXPECT_EQ(font.color(), FontValue::kWindowTextColor);
}

TEST(FontValue, StyleLettersAreWrittenInOrderAndReadAnywhere)
{
    FontValue font;
    font.setStrikeOut(true);
    font.setBold(true);
    font.setUnderline(true);
    font.setItalic(true);
    EXPECT_EQ(font.toIniText(), "PalmText9,10,BIUS,0,clWindowText,2");

    FontValue read;
    read.applyIniText(u"PilotStandard,8,sub,1,clBlack,0");
    EXPECT_TRUE(read.bold());
    EXPECT_FALSE(read.italic());
    EXPECT_TRUE(read.underline());
    EXPECT_TRUE(read.strikeOut());
    EXPECT_EQ(read.pitch(), FontValue::Pitch::Variable);
    EXPECT_EQ(read.toIniText(), "PilotStandard,8,BUS,1,clBlack,0");
}

TEST(FontValue, FieldsAreTrimmedAndExtraFieldsIgnored)
{
    FontValue font;
    font.applyIniText(u"  PilotBold12 ; 12 ; i ; 2 ; clnavy ; 0 ; extra ; more");
    EXPECT_EQ(font.toIniText(), "PilotBold12,12,I,2,clNavy,0");
}

TEST(FontValue, InvalidNumbersLeaveTheCurrentValue)
{
    FontValue font;
    font.setName(QStringLiteral("PilotBold"));
    font.setSize(9);
    font.setPitch(FontValue::Pitch::Fixed);
    font.setCharset(1);
    font.setColor(0x0000FF);
    font.applyIniText(u",big,B,wide,notacolour,ansi");
    EXPECT_EQ(font.toIniText(), "PilotBold,9,B,2,clRed,1");
    // Numbers out of a field's range count as not a number there.
    font.applyIniText(u"PilotBold,9,,3,clRed,256");
    EXPECT_EQ(font.toIniText(), "PilotBold,9,,2,clRed,1");
    // A short value changes only the fields it has.
    font.applyIniText(u"PilotLarge");
    EXPECT_EQ(font.toIniText(), "PilotLarge,9,,2,clRed,1");
    // An empty value changes nothing at all.
    font.applyIniText(u"  ");
    EXPECT_EQ(font.toIniText(), "PilotLarge,9,,2,clRed,1");
}

TEST(FontValue, ColoursUseIdentifiersElseEightHexDigits)
{
    const std::pair<quint32, const char *> named[] = {
        {0x000000, "clBlack"}, {0x000080, "clMaroon"},       {0x008000, "clGreen"},
        {0x008080, "clOlive"}, {0x800000, "clNavy"},         {0x800080, "clPurple"},
        {0x808000, "clTeal"},  {0x808080, "clGray"},         {0xC0C0C0, "clSilver"},
        {0x0000FF, "clRed"},   {0x00FF00, "clLime"},         {0x00FFFF, "clYellow"},
        {0xFF0000, "clBlue"},  {0xFF00FF, "clFuchsia"},      {0xFFFF00, "clAqua"},
        {0xFFFFFF, "clWhite"}, {0xFF000008, "clWindowText"},
    };
    for (const auto &[value, name] : named) {
        EXPECT_EQ(FontValue::colorToText(value), QLatin1String(name));
        quint32 read = 1;
        EXPECT_TRUE(FontValue::colorFromText(QString::fromLatin1(name).toUpper(), &read));
        EXPECT_EQ(read, value) << name;
    }
    EXPECT_EQ(FontValue::colorToText(0x00123456), "$00123456");
    EXPECT_EQ(FontValue::colorToText(0x00ABCDEF), "$00ABCDEF");

    quint32 color = 0;
    EXPECT_TRUE(FontValue::colorFromText(u"$00abcdef", &color));
    EXPECT_EQ(color, 0x00ABCDEFu);
    EXPECT_TRUE(FontValue::colorFromText(u"255", &color));
    EXPECT_EQ(color, 0x0000FFu);
    EXPECT_FALSE(FontValue::colorFromText(u"", &color));
    EXPECT_FALSE(FontValue::colorFromText(u"clPink", &color));
}
