// PToolBox fields: the dotted underlines, single lines and wrapped text.
#include "designer/PaintTestSupport.h"

#include "core/ptoolbox/PTEdit.h"

namespace zf::test {
namespace {

const QString kScreenFont = QStringLiteral("PalmText9");

std::string dottedRow(int width)
{
    std::string dots;
    for (int x = 0; x < width; ++x)
        dots += (x & 1) ? '#' : '.';
    return dots;
}

TEST(PTPaintField, SingleLineRightJustifiedIsStillWrittenAtTheLeft)
{
    TPTEdit field;
    field.setSingleLine(1);
    field.setJustification(1);
    ASSERT_EQ(field.text(), QStringLiteral("Edit"));
    const QImage image = paintAlone(field);
    // Rows are as high as an "A": 13 pixels in the screen's font.
    EXPECT_EQ(rowOf(image, 12), dottedRow(32));
    EXPECT_EQ(rowOf(image, 13), std::string(32, '.'));
    expectTextAt(image, QRect(0, 0, 32, 12), kScreenFont, QStringLiteral("Edit"), 0, 0, kPalmBlack);
}

TEST(PTPaintField, EveryRowIsUnderlinedUnlessUnderlineIsOff)
{
    TPTEdit field;
    field.setBounds(0, 0, 20, 40);
    field.setText(QString());
    QImage image = paintAlone(field);
    for (int y : {12, 25, 38})
        EXPECT_EQ(rowOf(image, y), dottedRow(20)) << y;
    EXPECT_EQ(rowOf(image, 39), std::string(20, '.'));

    field.setUnderline(1);
    field.setColorFill(kPalmGray);
    image = paintAlone(field, kPalmWhite);
    for (int y = 0; y < 40; ++y)
        EXPECT_EQ(rowOf(image, y), std::string(20, '-')) << y;
}

class PTPaintWrappedField : public ::testing::Test
{
protected:
    PTPaintWrappedField()
    {
        field.setBounds(0, 0, 40, 39);
        field.setUnderline(1);
        // 44 pixels: "aa bb cc " (34) fits, "dd" goes to the next row.
        field.setText(QStringLiteral("aa bb cc dd"));
    }

    void expectRows(const QImage &image, int firstX, int secondX)
    {
        expectTextAt(image, QRect(0, 0, 40, 13), kScreenFont, QStringLiteral("aa bb cc"), firstX, 0,
                     kPalmBlack);
        expectTextAt(image, QRect(0, 13, 40, 13), kScreenFont, QStringLiteral("dd"), secondX, 13,
                     kPalmBlack);
        for (int y = 26; y < 39; ++y)
            EXPECT_EQ(rowOf(image, y), std::string(40, '.')) << y;
    }

    TPTEdit field;
};

TEST_F(PTPaintWrappedField, RowsBreakAfterTheLastBlankThatFits)
{
    ASSERT_EQ(palmFont(kScreenFont).textWidth(field.text()), 44);
    expectRows(paintAlone(field), 0, 0);
}

TEST_F(PTPaintWrappedField, RightJustifiedRowsEndAtTheRightEdge)
{
    field.setJustification(1);
    // "aa bb cc" is 32 pixels wide, "dd" 10.
    expectRows(paintAlone(field), 8, 30);
}

TEST_F(PTPaintWrappedField, TextThatFitsIsWrittenAtTheLeftWhateverTheJustification)
{
    field.setJustification(1);
    field.setText(QStringLiteral("aa"));
    expectTextAt(paintAlone(field), QRect(0, 0, 40, 39), kScreenFont, QStringLiteral("aa"), 0, 0,
                 kPalmBlack);
}

TEST_F(PTPaintWrappedField, AWordWiderThanTheFieldIsNeverShown)
{
    field.setBounds(0, 0, 20, 39);
    field.setText(QStringLiteral("abcdefghijk lm"));
    const QImage image = paintAlone(field);
    for (int y = 0; y < 39; ++y)
        EXPECT_EQ(rowOf(image, y), std::string(20, '.')) << y;
}

TEST(PTPaintField, ColoursOfFillLinesAndText)
{
    constexpr PalmColor kRed = 0x0000FF;
    constexpr PalmColor kGreen = 0x00FF00;
    TPTEdit field;
    field.setColorFill(kPalmGray);
    field.setColorLines(kRed);
    field.setColorText(kGreen);
    const QImage image = paintAlone(field, kPalmWhite);
    EXPECT_EQ(colorAt(image, 0, 12), kPalmGray);
    EXPECT_EQ(colorAt(image, 1, 12), kRed);
    EXPECT_EQ(colorAt(image, 31, 14), kPalmGray);
    expectTextAt(image, QRect(0, 0, 32, 12), kScreenFont, QStringLiteral("Edit"), 0, 0, kGreen);
}

} // namespace
} // namespace zf::test
