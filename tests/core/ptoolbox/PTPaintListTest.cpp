// PToolBox lists: the row height of the font, the three styles, the arrow.
#include "designer/PaintTestSupport.h"

#include "core/model/CCForm.h"
#include "core/ptoolbox/PTList.h"

namespace zf::test {
namespace {

constexpr PalmColor kRed = 0x0000FF;
constexpr PalmColor kGreen = 0x00FF00;
constexpr PalmColor kBlue = 0xFF0000;

// Three items in two rows of a font whose "A" is 13 pixels high.
TPTList threeItemList()
{
    TPTList list;
    list.setFontName(QStringLiteral("PilotStandard"));
    EXPECT_EQ(list.height(), 25);
    list.setFontName(QStringLiteral("PalmText9"));
    list.setItems({QString(), QString(), QString()});
    return list;
}

TEST(PTPaintList, ListInAThirteenPixelFontIsTwentyNineHigh)
{
    const TPTList list = threeItemList();
    ASSERT_EQ(list.rowHeight(), 13);
    ASSERT_EQ(list.height(), 29);
    const QImage image = paintAlone(list);
    EXPECT_EQ(rowOf(image, 0), std::string(35, '#'));
    EXPECT_EQ(rowOf(image, 28), std::string(35, '#'));
    EXPECT_EQ(columnOf(image, 0), std::string(29, '#'));
    EXPECT_EQ(columnOf(image, 34), std::string(29, '#'));
    // Three items in two rows: the arrow at (35 - 8, 29 - 10).
    EXPECT_EQ(rowOf(image, 19).substr(26, 5), ".###.");
    EXPECT_EQ(rowOf(image, 22).substr(24, 9), ".#######.");
    EXPECT_EQ(rowOf(image, 25).substr(24, 9), "....#....");
}

TEST(PTPaintList, StandAloneRowsAreWrittenFromTheirTopAndTheChosenOneFilled)
{
    TPTList list = threeItemList();
    list.setItems({QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Six")});
    list.setSelectedItem(0);
    const QImage image = paintAlone(list);
    // The first row is filled from y 1 to 13, inside the frame.
    EXPECT_EQ(colorAt(image, 1, 1), kPalmBlack);
    EXPECT_EQ(colorAt(image, 33, 13), kPalmBlack);
    EXPECT_EQ(colorAt(image, 33, 14), kPalmWhite);
    expectTextAt(image, QRect(1, 1, 33, 13), QStringLiteral("PalmText9"), QStringLiteral("One"), 2,
                 0, kPalmWhite);
    expectTextAt(image, QRect(1, 14, 24, 14), QStringLiteral("PalmText9"), QStringLiteral("Two"), 2,
                 13, kPalmBlack);
}

TEST(PTPaintList, ArrowOnTheChosenLastRowTakesTheSelectedTextColour)
{
    TPTList list = threeItemList();
    list.setSelectedItem(1);
    const QImage image = paintAlone(list);
    EXPECT_EQ(rowOf(image, 22).substr(24, 9), "#.......#");
    EXPECT_EQ(rowOf(image, 25).substr(24, 9), "####.####");
}

TEST(PTPaintList, PopupStylesLookLikeAnOpenedDropDown)
{
    TPTList list = threeItemList();
    list.setSelectedItem(0);
    for (int style : {TPTList::PopTriggered, TPTList::PopupList}) {
        list.setStyle(style);
        const QImage image = paintAlone(list);
        EXPECT_EQ(rowOf(image, 0), "." + std::string(32, '#') + "..") << style;
        EXPECT_EQ(columnOf(image, 34), ".." + std::string(23, '#') + "....") << style;
        EXPECT_EQ(rowOf(image, 28), "..." + std::string(29, '#') + "...") << style;
        EXPECT_EQ(rowOf(image, 27), "." + std::string(32, '#') + "..") << style;
        // The chosen row from y 1 to 13, x 1 to 32, between the frame and
        // the shadow.
        EXPECT_EQ(rowOf(image, 13), std::string(35, '#')) << style;
        EXPECT_EQ(rowOf(image, 14).substr(0, 3), "#..") << style;
        EXPECT_EQ(rowOf(image, 22).substr(24, 9), ".#######.") << style;
    }
}

TEST(PTPaintList, TakesTheColourSetOfItsContainer)
{
    TCCForm screen;
    screen.setColorFrame(kRed);
    screen.setColorFill(kGreen);
    screen.setColorText(kBlue);
    TPTList list = threeItemList();
    list.setPalmForm(&screen);
    const QImage image = paintAlone(list);
    EXPECT_EQ(colorAt(image, 0, 0), kRed);
    EXPECT_EQ(colorAt(image, 5, 5), kGreen);
    EXPECT_EQ(colorAt(image, 28, 25), kBlue);
}

} // namespace
} // namespace zf::test
