#include "core/codegen/CodeText.h"

#include <gtest/gtest.h>

using namespace zf;

TEST(CodeText, QuotedKeepsTextsAndEscapesWhatWouldEndTheLiteral)
{
    EXPECT_EQ(quoted(u"Hello"), QStringLiteral("\"Hello\""));
    EXPECT_EQ(quoted(u""), QStringLiteral("\"\""));
    EXPECT_EQ(quoted(u"Say \"Hi\""), QStringLiteral(R"("Say \"Hi\"")"));
    // The user's own escape sequences pass through, an escaped quote too.
    EXPECT_EQ(quoted(uR"(a\nb)"), QStringLiteral(R"("a\nb")"));
    EXPECT_EQ(quoted(uR"(Say \"Hi\")"), QStringLiteral(R"("Say \"Hi\"")"));
    EXPECT_EQ(quoted(uR"(C:\\)"), QStringLiteral(R"("C:\\")"));
    // A lone backslash at the end would escape the closing quote.
    EXPECT_EQ(quoted(uR"(C:\)"), QStringLiteral(R"("C:\\")"));
    // A line break would split the generated line.
    EXPECT_EQ(quoted(u"one\r\ntwo"), QStringLiteral(R"("one\r\ntwo")"));
    EXPECT_EQ(quoted(u"end\\\n"), QStringLiteral(R"("end\\\n")"));
    EXPECT_EQ(quoted(u"caf\u00e9 \u20ac"), QStringLiteral("\"caf\u00e9 \u20ac\""));
}

TEST(CodeText, BitmapLiteralSplitsBitsAfter255Characters)
{
    EXPECT_EQ(bitmapLiteral(8, u"ff81"), QStringLiteral(R"("08" + "ff81")"));
    EXPECT_EQ(bitmapLiteral(20, u""), QStringLiteral(R"("14" + "")"));
    EXPECT_EQ(bitmapLiteral(255, u"0"), QStringLiteral(R"("ff" + "0")"));
    EXPECT_EQ(bitmapLiteral(256, u"0"), QStringLiteral(R"("100" + "0")"));

    const QString exact(255, u'a');
    EXPECT_EQ(bitmapLiteral(40, exact), QStringLiteral("\"28\" + \"") + exact + u'"');

    const QString longer = QString(255, u'a') + u'b';
    EXPECT_EQ(bitmapLiteral(40, longer),
              QStringLiteral("\"28\" + \"") + QString(255, u'a') + QStringLiteral("\" + \"b\""));

    // Longer than two literals can hold: every piece stays within 255.
    const QString huge = QString(255, u'a') + QString(255, u'b') + u'c';
    EXPECT_EQ(bitmapLiteral(4, huge), QStringLiteral("\"04\" + \"") + QString(255, u'a') +
                                          QStringLiteral("\" + \"") + QString(255, u'b') +
                                          QStringLiteral("\" + \"c\""));
}

TEST(CodeText, RowFieldsAreSeparatedByTilde)
{
    EXPECT_EQ(rowField(u"a~b~c", 1), QStringLiteral("a"));
    EXPECT_EQ(rowField(u"a~b~c", 2), QStringLiteral("b"));
    EXPECT_EQ(rowField(u"a~b~c", 3), QStringLiteral("c"));
    EXPECT_EQ(rowField(u"a~~c", 2), QString());
    EXPECT_EQ(rowField(u"a", 2), QString());
    EXPECT_EQ(rowField(u"~~", 3), QString());
    EXPECT_EQ(rowField(u"", 1), QString());
}

TEST(CodeText, AReferenceNamesNothingWhenEmptyOrNone)
{
    EXPECT_TRUE(namesNothing(QStringLiteral("(None)")));
    EXPECT_TRUE(namesNothing(QString()));
    EXPECT_TRUE(namesNothing(QStringLiteral("  ")));
    EXPECT_FALSE(namesNothing(QStringLiteral("Form2")));
    EXPECT_FALSE(namesNothing(QStringLiteral("(none)")));
}
