// PToolBox labels, pop triggers, check boxes and the shift indicator.
#include "designer/PaintTestSupport.h"

#include "core/model/CCForm.h"
#include "core/ptoolbox/PTCheckBox.h"
#include "core/ptoolbox/PTGsi.h"
#include "core/ptoolbox/PTLabel.h"
#include "core/ptoolbox/PTPopTrigger.h"

namespace zf::test {
namespace {

const QString kScreenFont = QStringLiteral("PalmText9");
constexpr PalmColor kRed = 0x0000FF;
constexpr PalmColor kGreen = 0x00FF00;

// A screen with a gray ground and red text.
class PTPaintSmall : public ::testing::Test
{
protected:
    PTPaintSmall()
    {
        screen.setColorFormFill(kPalmGray);
        screen.setColorText(kRed);
    }
    TCCForm screen;
};

TEST_F(PTPaintSmall, EmptiedLabelShrinksToOneByElevenOfTheContainersGround)
{
    TPTLabel label;
    label.setPalmForm(&screen);
    label.setContent(QStringLiteral("Abc"));
    label.setContent(QString());
    ASSERT_EQ(label.width(), 1);
    ASSERT_EQ(label.height(), 11);
    EXPECT_EQ(picture(paintAlone(label, kPalmWhite)), QStringList(11, QStringLiteral("-")));
}

TEST_F(PTPaintSmall, LabelWritesItsTextInItsOwnColour)
{
    TPTLabel label;
    label.setPalmForm(&screen);
    label.setColorText(kGreen);
    label.setContent(QStringLiteral("Hi"));
    ASSERT_EQ(label.width(), 9);
    ASSERT_EQ(label.height(), 13);
    const QImage image = paintAlone(label, kPalmWhite);
    expectTextAt(image, QRect(0, 0, 9, 13), kScreenFont, QStringLiteral("Hi"), 0, 0, kGreen);
    EXPECT_EQ(colorAt(image, 8, 0), kPalmGray);
}

TEST_F(PTPaintSmall, GsiIsAnUpwardArrowEightByNine)
{
    TPTGsi gsi;
    gsi.setBounds(0, 0, 20, 20);
    ASSERT_EQ(gsi.width(), 8);
    ASSERT_EQ(gsi.height(), 9);
    expectPicture(paintAlone(gsi), {
                                       "...##...",
                                       "..####..",
                                       ".######.",
                                       "########",
                                       "..####..",
                                       "..####..",
                                       "..####..",
                                       "..####..",
                                       "..####..",
                                   });
}

TEST_F(PTPaintSmall, SelectedGsiShowsTheCornerHandlesOnly)
{
    TPTGsi gsi;
    gsi.setPalmForm(&screen);
    gsi.setSelected(true);
    gsi.setSelectColor(kGreen);
    const QImage image = paintAlone(gsi, kPalmWhite);
    for (const QPoint p : {QPoint(0, 0), QPoint(5, 0), QPoint(5, 6), QPoint(0, 6)})
        expectSquare(image, p.x(), p.y(), kGreen);
    // Where the middle handles would be, the arrow and the ground show.
    EXPECT_EQ(colorAt(image, 3, 0), kRed);
    EXPECT_EQ(colorAt(image, 4, 0), kRed);
    EXPECT_EQ(colorAt(image, 1, 4), kPalmGray);
    EXPECT_EQ(colorAt(image, 7, 4), kPalmGray);
}

TEST_F(PTPaintSmall, PopTriggerArrowAndTextTakeTheContainersTextColour)
{
    TPTPopTrigger trigger;
    trigger.setHeight(15);
    QImage image = paintAlone(trigger);
    // y = (15 - 13) / 2 = 1: the arrow's top at y + 4.
    EXPECT_EQ(rowOf(image, 4).substr(0, 12), "............");
    EXPECT_EQ(rowOf(image, 5).substr(0, 12), "...########.");
    EXPECT_EQ(rowOf(image, 6).substr(0, 12), "....######..");
    EXPECT_EQ(rowOf(image, 7).substr(0, 12), ".....####...");
    EXPECT_EQ(rowOf(image, 8).substr(0, 12), "......##....");
    EXPECT_EQ(rowOf(image, 9).substr(0, 12), "............");
    expectTextAt(image, QRect(13, 0, 22, 15), kScreenFont, QStringLiteral("Pop"), 15, 1,
                 kPalmBlack);

    trigger.setColorText(kGreen);
    image = paintAlone(trigger);
    EXPECT_EQ(colorAt(image, 5, 5), kGreen);
    expectTextAt(image, QRect(13, 0, 22, 15), kScreenFont, QStringLiteral("Pop"), 15, 1, kGreen);

    trigger.setPalmForm(&screen);
    image = paintAlone(trigger, kPalmWhite);
    EXPECT_EQ(colorAt(image, 5, 5), kRed);
    EXPECT_EQ(colorAt(image, 0, 0), kPalmGray);
    expectTextAt(image, QRect(13, 0, 22, 15), kScreenFont, QStringLiteral("Pop"), 15, 1, kRed);
}

TEST_F(PTPaintSmall, CheckedBoxIsCentredVerticallyInTheContainersTextColour)
{
    TPTCheckbox box;
    box.setHeight(15);
    box.setState(1);
    box.setContent(QStringLiteral("Go"));
    QStringList left;
    for (const QString &row : picture(paintAlone(box)))
        left << row.left(15);
    EXPECT_EQ(left.join(u'\n').toStdString(), QStringList({
                                                              "...............",
                                                              "...............",
                                                              "...............",
                                                              "...........##..",
                                                              "...######.###..",
                                                              "...#.....###...",
                                                              "...#.##.###....",
                                                              "...#.#####.....",
                                                              "...#..###.#....",
                                                              "...#...#..#....",
                                                              "...#......#....",
                                                              "...########....",
                                                              "...............",
                                                              "...............",
                                                              "...............",
                                                          })
                                                  .join(u'\n')
                                                  .toStdString());

    box.setPalmForm(&screen);
    box.setColorText(kGreen);
    const QImage image = paintAlone(box, kPalmWhite);
    EXPECT_EQ(colorAt(image, 3, 4), kRed);
    EXPECT_EQ(colorAt(image, 9, 4), kPalmGray);
    expectTextAt(image, QRect(16, 0, 42, 15), kScreenFont, QStringLiteral("Go"), 18, 2, kRed);
}

TEST_F(PTPaintSmall, UncheckedBoxIsEmpty)
{
    TPTCheckbox box;
    box.setContent(QStringLiteral("Go"));
    const QImage image = paintAlone(box);
    // Height 13 and a caption 13 high: the box from (3, 3) to (10, 10).
    EXPECT_EQ(rowOf(image, 2).substr(0, 15), std::string(15, '.'));
    EXPECT_EQ(rowOf(image, 3).substr(0, 15), "...########....");
    EXPECT_EQ(rowOf(image, 6).substr(0, 15), "...#......#....");
    EXPECT_EQ(rowOf(image, 10).substr(0, 15), "...########....");
}

TEST_F(PTPaintSmall, BoxWithoutCaptionIsCentredOnAnEmptyText)
{
    TPTCheckbox box;
    // An empty text is 0 pixels high: y = (13 - 0) / 2 = 6.
    const QImage image = paintAlone(box);
    EXPECT_EQ(rowOf(image, 8).substr(0, 15), std::string(15, '.'));
    EXPECT_EQ(rowOf(image, 9).substr(0, 15), "...########....");
    EXPECT_EQ(rowOf(image, 12).substr(0, 15), "...#......#....");
}

} // namespace
} // namespace zf::test
