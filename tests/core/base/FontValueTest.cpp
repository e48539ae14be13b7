#include "core/base/FontValue.h"

#include <gtest/gtest.h>

using namespace zf;

// Six fields apart by commas or semicolons; a field that is missing, empty or
// no valid value leaves what the font held.
TEST(FontValue, AppliedTextChangesTheFieldsItHoldsValid)
{
    const std::pair<const char16_t *, const char *> cases[] = {
        {u"PilotStandard,8,sub,1,clBlack,0", "PilotStandard,8,BUS,1,clBlack,0"},
        {u"x;1;SUIB;0;255;0", "x,1,BIUS,0,clRed,0"},
        {u"  PilotBold12 ; 12 ; i ; 2 ; clnavy ; 0 ; extra ; more", "PilotBold12,12,I,2,clNavy,0"},
        {u"PilotBold,9;,0;$00abcdef,1", "PilotBold,9,,0,$00ABCDEF,1"},
        {u",big,B,wide,notacolour,ansi", "PilotBold,9,B,2,clRed,1"},
        // Numbers out of a field's range count as not a number there.
        {u"PilotBold,9,,3,clPink,256", "PilotBold,9,,2,clRed,1"},
        {u"PilotLarge", "PilotLarge,9,U,2,clRed,1"},
        {u"  ", "PilotBold,9,U,2,clRed,1"},
    };
    for (const auto &[text, expected] : cases) {
        FontValue font;
        font.applyIniText(u"PilotBold,9,U,2,clRed,1");
        font.applyIniText(text);
        EXPECT_EQ(font.toIniText(), QLatin1String(expected)) << expected;
    }
    FontValue font;
    font.applyIniText(u"PilotStandard,8,sub,1,clBlack,0");
    EXPECT_EQ(font.pitch(), FontValue::Pitch::Variable);
    EXPECT_EQ(FontValue::colorToText(0x00123456), "$00123456");
}
