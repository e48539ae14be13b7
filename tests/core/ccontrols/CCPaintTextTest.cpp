// Labels, edits and check boxes of CControls.
#include "designer/PaintTestSupport.h"

#include "core/ccontrols/CCCheckbox.h"
#include "core/ccontrols/CCEdit.h"
#include "core/ccontrols/CCLabel.h"

namespace zf::test {
namespace {

const QString kScreenFont = QStringLiteral("PalmText9");

TEST(CCPaintLabel, IsDrawnThirteenHighWhateverHeightWasSet)
{
    TCCLabel label;
    label.setHeight(20);
    ASSERT_EQ(label.height(), 13);
    // Boxed with a solid line, as a new label of the catalogue is.
    const QImage image = paintAlone(label);
    EXPECT_EQ(rowOf(image, 0), std::string(32, '#'));
    EXPECT_EQ(rowOf(image, 12), std::string(32, '#'));
    EXPECT_EQ(columnOf(image, 0), std::string(13, '#'));
    EXPECT_EQ(columnOf(image, 31), std::string(13, '#'));
    EXPECT_EQ(colorAt(image, 1, 1), kPalmWhite);
}

TEST(CCPaintLabel, GrayUnderlineStartsAtTheThirdPixelAndStopsBeforeTheLast)
{
    TCCEdit edit; // underlined with a gray line
    const QImage image = paintAlone(edit);
    std::string dots = "..";
    for (int x = 2; x < 32; ++x)
        dots += (x & 1) ? '.' : '#';
    EXPECT_EQ(rowOf(image, 12), dots);
    EXPECT_EQ(rowOf(image, 11), std::string(32, '.'));

    edit.setLine(1);
    EXPECT_EQ(rowOf(paintAlone(edit), 12), std::string(31, '#') + '.');
    edit.setLine(0);
    EXPECT_EQ(rowOf(paintAlone(edit), 12), std::string(32, '.'));
}

TEST(CCPaintLabel, GrayBoxKeepsEvenPixelsAlongEachEdge)
{
    TCCLabel label;
    label.setLine(2);
    const QImage image = paintAlone(label);
    std::string alongX;
    for (int x = 0; x < 32; ++x)
        alongX += (x & 1) ? '.' : '#';
    EXPECT_EQ(rowOf(image, 0), alongX);
    EXPECT_EQ(rowOf(image, 12), alongX);
    EXPECT_EQ(columnOf(image, 0), "#.#.#.#.#.#.#");
    // The right column is odd: its ends go with the top and bottom edges.
    EXPECT_EQ(columnOf(image, 31), "..#.#.#.#.#..");
}

TEST(CCPaintLabel, TextIsPlacedByItsAlignment)
{
    TCCLabel label;
    label.setStyle(0);
    label.setContent(QStringLiteral("Hi"));
    ASSERT_EQ(palmFont(kScreenFont).textWidth(QStringLiteral("Hi")), 8);
    const QRect all(0, 0, 32, 13);
    expectTextAt(paintAlone(label), all, kScreenFont, QStringLiteral("Hi"), 2, 0, kPalmBlack);
    label.setAlignment(TextAlignment::Center);
    expectTextAt(paintAlone(label), all, kScreenFont, QStringLiteral("Hi"), 12, 0, kPalmBlack);
    label.setAlignment(TextAlignment::Right);
    expectTextAt(paintAlone(label), all, kScreenFont, QStringLiteral("Hi"), 22, 0, kPalmBlack);

    // A font lower than the label is centred vertically: (13 - 11) / 2 = 1.
    label.setFontName(QStringLiteral("PilotStandard"));
    expectTextAt(paintAlone(label), all, QStringLiteral("PilotStandard"), QStringLiteral("Hi"), 22,
                 1, kPalmBlack);
}

TEST(CCPaintCheckbox, CheckedShowsTheTickBreakingOutOfTheBox)
{
    TCCCheckbox box;
    box.setHeight(20);
    ASSERT_EQ(box.height(), 13);
    box.setState(1);
    const QStringList rows = picture(paintAlone(box));
    QStringList left;
    for (const QString &row : rows)
        left << row.left(14);
    EXPECT_EQ(left.join(u'\n').toStdString(), QStringList({
                                                              "..............",
                                                              "..............",
                                                              "..........##..",
                                                              "..######.###..",
                                                              "..#.....###...",
                                                              "..#.##.###....",
                                                              "..#.#####.....",
                                                              "..#..###.#....",
                                                              "..#...#..#....",
                                                              "..#......#....",
                                                              "..########....",
                                                              "..............",
                                                              "..............",
                                                          })
                                                  .join(u'\n')
                                                  .toStdString());
}

TEST(CCPaintCheckbox, UncheckedShowsTheEmptyBoxAndTheText)
{
    TCCCheckbox box;
    box.setContent(QStringLiteral("Go"));
    const QImage image = paintAlone(box);
    EXPECT_EQ(rowOf(image, 2).substr(0, 12), std::string(12, '.'));
    EXPECT_EQ(rowOf(image, 3).substr(0, 12), "..########..");
    EXPECT_EQ(rowOf(image, 6).substr(0, 12), "..#......#..");
    EXPECT_EQ(rowOf(image, 10).substr(0, 12), "..########..");
    expectTextAt(image, QRect(11, 0, 47, 13), kScreenFont, QStringLiteral("Go"), 13, 1, kPalmBlack);
}

} // namespace
} // namespace zf::test
