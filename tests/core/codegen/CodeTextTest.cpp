#include "core/codegen/CodeText.h"

#include <gtest/gtest.h>

using namespace zf;

TEST(CodeText, QuotedKeepsTextsAndEscapesWhatWouldEndTheLiteral)
{
    const std::pair<const char16_t *, const char16_t *> cases[] = {
        {u"Hello", uR"("Hello")"},
        {u"", uR"("")"},
        {uR"(Say "Hi")", uR"("Say \"Hi\"")"},
        // The user's own escape sequences pass through, an escaped quote too.
        {uR"(a\nb)", uR"("a\nb")"},
        {uR"(Say \"Hi\")", uR"("Say \"Hi\"")"},
        {uR"(C:\\)", uR"("C:\\")"},
        // A lone backslash at the end would escape the closing quote.
        {uR"(C:\)", uR"("C:\\")"},
        // A line break would split the generated line.
        {u"one\r\ntwo", uR"("one\r\ntwo")"},
        {u"end\\\n", uR"("end\\\n")"},
        {u"caf\u00e9 \u20ac", u"\"caf\u00e9 \u20ac\""},
    };
    for (const auto &[text, literal] : cases)
        EXPECT_EQ(quoted(text).toStdString(), QStringView(literal).toString().toStdString());
}

TEST(CodeText, BitmapLiteralSplitsBitsAfter255Characters)
{
    EXPECT_EQ(bitmapLiteral(8, u"ff81"), QStringLiteral(R"("08" + "ff81")"));
    EXPECT_EQ(bitmapLiteral(20, u""), QStringLiteral(R"("14" + "")"));
    EXPECT_EQ(bitmapLiteral(256, u"0"), QStringLiteral(R"("100" + "0")"));
    const QString a(255, u'a');
    const QString b(255, u'b');
    EXPECT_EQ(bitmapLiteral(40, a), "\"28\" + \"" + a + u'"');
    // Longer than two literals can hold: every piece stays within 255.
    EXPECT_EQ(bitmapLiteral(4, a + b + u'c'), "\"04\" + \"" + a + "\" + \"" + b + "\" + \"c\"");
}

TEST(CodeText, RowFieldsAreSeparatedByTildeAndNothingIsNamedByNoneOrBlanks)
{
    const std::tuple<const char16_t *, int, const char *> fields[] = {
        {u"a~b~c", 1, "a"}, {u"a~b~c", 3, "c"}, {u"a~~c", 2, ""}, {u"a", 2, ""}, {u"", 1, ""}};
    for (const auto &[row, index, field] : fields)
        EXPECT_EQ(rowField(row, index), QLatin1String(field)) << index;
    for (const char *nothing : {"(None)", "", "  "})
        EXPECT_TRUE(namesNothing(QLatin1String(nothing))) << nothing;
    for (const char *something : {"Form2", "(none)"})
        EXPECT_FALSE(namesNothing(QLatin1String(something))) << something;
}
