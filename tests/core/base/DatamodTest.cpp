#include "core/base/FontValue.h"
#include "core/base/datamod.h"

#include <gtest/gtest.h>

using namespace zf;

// The sheet's colour names and the font's colour identifiers are two lists of
// the same sixteen colours; each value converts both ways in both.
TEST(Datamod, ColoursConvertBothWaysAndOnlyExactNamesMatch)
{
    for (const auto &entry : palmColors()) {
        const QString name = QLatin1String(entry.name);
        EXPECT_EQ(NameToColor(ColorToName(entry.value)), entry.value) << entry.name;
        EXPECT_EQ(FontValue::colorToText(entry.value), QStringLiteral("cl") + name);
        quint32 read = 1;
        EXPECT_TRUE(FontValue::colorFromText(QStringLiteral("CL") + name.toUpper(), &read));
        EXPECT_EQ(read, entry.value) << entry.name;
    }
    EXPECT_EQ(NameToColor(QStringLiteral("Maroon")), 0x000080u);
    EXPECT_EQ(ColorToName(0x808000), QStringLiteral("Teal"));
    EXPECT_EQ(ColorToIndex(0xC0C0C0), QStringLiteral("9"));
    EXPECT_EQ(ColorToIndex(0x000000), QStringLiteral("15"));
    // A lower-case name is no name: black, like every unknown name.
    EXPECT_EQ(NameToColor(QStringLiteral("red")), 0u);
    EXPECT_EQ(ColorToName(0x123456), QString());
    EXPECT_EQ(ColorToIndex(0x123456), QString());
}

TEST(Datamod, FontsFallBackToStandard)
{
    EXPECT_EQ(FontToDisplay(QStringLiteral("PilotBold12")), QStringLiteral("LargeBold"));
    EXPECT_EQ(DisplayToFont(QStringLiteral("Large")), QStringLiteral("PilotLarge"));
    EXPECT_EQ(FontToDisplay(QStringLiteral("PalmText9")), QStringLiteral("Standard"));
    EXPECT_EQ(DisplayToFont(QStringLiteral("bold")), QStringLiteral("PilotStandard"));
}

TEST(Datamod, FormatsOutsideTheirListGiveNoneOrEight)
{
    EXPECT_EQ(FormatIndexToText(1, 24), QStringLiteral("MMM ''YY"));
    EXPECT_EQ(FormatIndexToText(1, 26), QStringLiteral("MM-DD-YY (OS4.0+)"));
    EXPECT_EQ(FormatIndexToText(2, 0), QStringLiteral("Minutes"));
    for (const auto &[list, index] : {std::pair{1, 7}, {2, 12}, {3, 8}})
        EXPECT_EQ(FormatIndexToText(list, index), QStringLiteral("(None)")) << list << index;
    EXPECT_EQ(FormatTextToIndex(1, QStringLiteral("DD.MM.YY")), 12);
    EXPECT_EQ(FormatTextToIndex(2, QStringLiteral("h,mm (0-24)")), 11);
    EXPECT_EQ(FormatTextToIndex(2, QStringLiteral("(None)")), 8);
    // A date text is no time text: the fallback, which is a time format.
    EXPECT_EQ(FormatTextToIndex(2, QStringLiteral("MM/DD/YY")), 8);
    EXPECT_EQ(FormatIndexToText(2, 8), QStringLiteral("h.mm (0-24)"));
}
