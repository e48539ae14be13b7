// The screen, menus, radio groups, tables and images of CControls.
#include "designer/PaintTestSupport.h"

#include "core/ccontrols/CCMenu.h"
#include "core/ccontrols/CCMenuBar.h"
#include "core/ccontrols/CCTable.h"
#include "core/controls/CCBitmap.h"
#include "core/controls/CCRadio.h"
#include "core/model/CCForm.h"

namespace zf::test {
namespace {

const QString kScreenFont = QStringLiteral("PalmText9");
constexpr PalmColor kRed = 0x0000FF;
constexpr PalmColor kGreen = 0x00FF00;

TEST(CCPaintScreen, TitleTabFitsTheTitleAndTheLineCrossesTheScreen)
{
    TCCForm screen;
    ASSERT_EQ(screen.title(), QStringLiteral("Form1"));
    ASSERT_EQ(palmFont(QStringLiteral("PilotBold")).textWidth(QStringLiteral("Form1")), 31);
    const QImage image = paintAlone(screen);
    // The tab (1, 0), (34, 0), (35, 1), (35, 12), (0, 12), (0, 1).
    EXPECT_EQ(rowOf(image, 0).substr(0, 37), "." + std::string(34, '#') + "..");
    EXPECT_EQ(rowOf(image, 1).substr(0, 37), std::string(36, '#') + ".");
    EXPECT_EQ(rowOf(image, 12).substr(0, 37), std::string(36, '#') + ".");
    EXPECT_EQ(rowOf(image, 13), std::string(160, '#'));
    EXPECT_EQ(rowOf(image, 14), std::string(160, '#'));
    EXPECT_EQ(rowOf(image, 15), std::string(160, '.'));
    expectTextAt(image, QRect(0, 1, 36, 12), QStringLiteral("PilotBold"), QStringLiteral("Form1"),
                 3, 2, kPalmWhite);
}

TEST(CCPaintScreen, GridStepIsOneLessThanItsSpace)
{
    TCCForm screen;
    screen.setGridVisible(1);
    QImage image = paintAlone(screen);
    // Space 4: every third pixel; the dot at (0, 0) shows left of the tab.
    EXPECT_EQ(rowOf(image, 0).substr(0, 40), "-" + std::string(34, '#') + ".-..-");
    EXPECT_EQ(rowOf(image, 15).substr(0, 12), "-..-..-..-..");
    EXPECT_EQ(rowOf(image, 16), std::string(160, '.'));
    EXPECT_EQ(rowOf(image, 159).substr(150), "-..-..-..-");

    screen.setGridSpace(6);
    image = paintAlone(screen);
    EXPECT_EQ(rowOf(image, 15).substr(0, 11), "-....-....-");
    EXPECT_EQ(rowOf(image, 18), std::string(160, '.'));
    EXPECT_EQ(rowOf(image, 20).substr(0, 11), "-....-....-");

    // A step of 0 would never end: no grid at all.
    screen.setGridSpace(1);
    EXPECT_EQ(rowOf(paintAlone(screen), 15), std::string(160, '.'));
}

TEST(CCPaintScreen, GridOnAGrayScreenIsWhite)
{
    TCCForm screen;
    screen.setGridVisible(1);
    screen.setColorFormFill(kPalmGray);
    screen.setColorFormFrame(kRed);
    const QImage image = paintAlone(screen);
    EXPECT_EQ(rowOf(image, 15).substr(0, 7), ".--.--.");
    EXPECT_EQ(colorAt(image, 80, 13), kRed);
    EXPECT_EQ(colorAt(image, 35, 5), kRed);
}

TEST(CCPaintMenuBar, RoundedBarWithItsShadow)
{
    TCCMenuBar bar;
    const QImage image = paintAlone(bar);
    EXPECT_EQ(rowOf(image, 0), "." + std::string(157, '#') + "..");
    EXPECT_EQ(rowOf(image, 13), "." + std::string(157, '#') + "..");
    EXPECT_EQ(rowOf(image, 14), ".." + std::string(154, '#') + "....");
    EXPECT_EQ(columnOf(image, 159), ".." + std::string(9, '#') + "....");
    EXPECT_EQ(columnOf(image, 0), "." + std::string(12, '#') + "..");
}

TEST(CCPaintMenu, OpenMenuWithThreeItemsIsFortyEightHigh)
{
    TCCMenu menu;
    menu.setItems({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    ASSERT_EQ(menu.height(), 48);
    ASSERT_EQ(menu.width(), 35);
    const QImage image = paintAlone(menu);
    EXPECT_EQ(rowOf(image, 0), std::string(35, '#'));
    EXPECT_EQ(rowOf(image, 46), "." + std::string(29, '#') + ".....");
    EXPECT_EQ(rowOf(image, 47), "..." + std::string(26, '#') + "......");
    EXPECT_EQ(columnOf(image, 31), std::string(44, '#') + "....");
    EXPECT_EQ(columnOf(image, 0), "#" + std::string(12, '.') + std::string(33, '#') + "..");
    expectTextAt(image, QRect(2, 1, 29, 12), QStringLiteral("PilotBold"), QStringLiteral("Topic"),
                 4, 1, kPalmWhite);
    expectTextAt(image, QRect(1, 15, 29, 10), QStringLiteral("PilotBold"), QStringLiteral("A"), 2,
                 14, kPalmBlack);
}

TEST(CCPaintMenu, ClosedMenuShowsItsTitleBetweenTheBarLines)
{
    TCCMenu menu;
    menu.setItems({QStringLiteral("A")});
    menu.setTest(0);
    ASSERT_EQ(menu.height(), 15);
    const QImage image = paintAlone(menu);
    EXPECT_EQ(rowOf(image, 0), std::string(35, '#'));
    EXPECT_EQ(rowOf(image, 13), std::string(35, '#'));
    EXPECT_EQ(rowOf(image, 14), std::string(35, '#'));
    EXPECT_EQ(columnOf(image, 1), "#" + std::string(12, '.') + "##");
    EXPECT_EQ(columnOf(image, 31), "#" + std::string(12, '.') + "##");
    expectTextAt(image, QRect(0, 1, 35, 12), QStringLiteral("PilotBold"), QStringLiteral("Topic"),
                 4, 1, kPalmBlack);
}

TEST(CCPaintMenu, OpenMenuWithoutItemsDrawsTheBarLinesUnderItsTitle)
{
    TCCMenu menu;
    ASSERT_EQ(menu.height(), 15);
    const QImage image = paintAlone(menu);
    EXPECT_EQ(rowOf(image, 13), std::string(35, '#'));
    EXPECT_EQ(rowOf(image, 14), std::string(35, '#'));
    EXPECT_EQ(colorAt(image, 1, 5), kPalmBlack);
    EXPECT_EQ(colorAt(image, 31, 5), kPalmBlack);
    EXPECT_EQ(colorAt(image, 32, 5), kPalmWhite);
}

TEST(CCPaintRadio, CellsSideBySideShareTheirBordersAndTheChosenOneIsInverted)
{
    TCCRadio radio;
    radio.setItems({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    radio.setSelectedItem(1);
    ASSERT_EQ(radio.width(), 31);
    QImage image = paintAlone(radio);
    EXPECT_EQ(rowOf(image, 0), std::string(31, '#'));
    EXPECT_EQ(rowOf(image, 13), std::string(31, '#'));
    for (int x : {0, 10, 20, 30})
        EXPECT_EQ(columnOf(image, x), std::string(14, '#')) << x;
    EXPECT_EQ(colorAt(image, 11, 1), kPalmBlack);
    EXPECT_EQ(colorAt(image, 19, 12), kPalmBlack);
    EXPECT_EQ(colorAt(image, 21, 1), kPalmWhite);
    // Centred on the cells' middles 5, 15 and 25.
    expectTextAt(image, QRect(1, 1, 9, 12), kScreenFont, QStringLiteral("A"), 3, 0, kPalmBlack);
    expectTextAt(image, QRect(11, 1, 9, 12), kScreenFont, QStringLiteral("B"), 13, 0, kPalmWhite);
    expectTextAt(image, QRect(21, 1, 9, 12), kScreenFont, QStringLiteral("C"), 23, 0, kPalmBlack);

    // A choice outside the items highlights none.
    radio.setSelectedItem(7);
    image = paintAlone(radio);
    EXPECT_EQ(colorAt(image, 11, 1), kPalmWhite);
    EXPECT_EQ(colorAt(image, 19, 12), kPalmWhite);
}

TEST(CCPaintRadio, StackedCellsFormAColumn)
{
    TCCRadio radio;
    radio.setItems({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    radio.setSelectedItem(1);
    radio.setOrientation(1);
    ASSERT_EQ(radio.width(), 11);
    ASSERT_EQ(radio.height(), 40);
    const QImage image = paintAlone(radio);
    for (int y : {0, 13, 26, 39})
        EXPECT_EQ(rowOf(image, y), std::string(11, '#')) << y;
    EXPECT_EQ(columnOf(image, 0), std::string(40, '#'));
    EXPECT_EQ(columnOf(image, 10), std::string(40, '#'));
    EXPECT_EQ(colorAt(image, 1, 12), kPalmWhite);
    EXPECT_EQ(colorAt(image, 1, 14), kPalmBlack);
    EXPECT_EQ(colorAt(image, 9, 25), kPalmBlack);
    EXPECT_EQ(colorAt(image, 1, 27), kPalmWhite);
    expectTextAt(image, QRect(1, 14, 9, 12), kScreenFont, QStringLiteral("B"), 3, 13, kPalmWhite);
    expectTextAt(image, QRect(1, 27, 9, 12), kScreenFont, QStringLiteral("C"), 3, 26, kPalmBlack);
}

TEST(CCPaintRadio, TakesTheColourSetOfItsContainer)
{
    TCCForm screen;
    screen.setColorFrame(kRed);
    screen.setColorFill(kGreen);
    TCCRadio radio;
    radio.setItems({QString(), QString()});
    radio.setSelectedItem(-1);
    radio.setPalmForm(&screen);
    const QImage image = paintAlone(radio);
    EXPECT_EQ(colorAt(image, 0, 0), kRed);
    EXPECT_EQ(colorAt(image, 15, 5), kRed);
    EXPECT_EQ(colorAt(image, 5, 5), kGreen);
}

TCCTable threeColumns()
{
    TCCTable table;
    table.setItems({QStringLiteral("~~")});
    table.setColWidths({QStringLiteral("25"), QStringLiteral("25"), QStringLiteral("25")});
    table.setColAlign({QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")});
    return table;
}

TEST(CCPaintTable, ColumnsAreOutlinedWithDottedLinesBetweenThem)
{
    const TCCTable table = threeColumns();
    ASSERT_EQ(table.width(), 77);
    ASSERT_EQ(table.height(), 46);
    const QImage image = paintAlone(table);
    EXPECT_EQ(rowOf(image, 0), std::string(77, '#'));
    EXPECT_EQ(rowOf(image, 45), std::string(77, '#'));
    EXPECT_EQ(columnOf(image, 0), std::string(46, '#'));
    EXPECT_EQ(columnOf(image, 76), std::string(46, '#'));
    std::string dotted = "#";
    for (int y = 1; y <= 44; ++y)
        dotted += (y & 1) ? '.' : '#';
    dotted += '#';
    EXPECT_EQ(columnOf(image, 25), dotted);
    EXPECT_EQ(columnOf(image, 50), dotted);
    EXPECT_EQ(rowOf(image, 5).substr(1, 24), std::string(24, '.'));
}

TEST(CCPaintTable, CellsAreAlignedByTheirColumn)
{
    TCCTable table = threeColumns();
    table.setItems({QStringLiteral("ab~ab~ab")});
    table.setColAlign({QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")});
    ASSERT_EQ(palmFont(kScreenFont).textWidth(QStringLiteral("ab")), 10);
    const QImage image = paintAlone(table);
    expectTextAt(image, QRect(1, 1, 24, 44), kScreenFont, QStringLiteral("ab"), 2, 1, kPalmBlack);
    expectTextAt(image, QRect(26, 1, 24, 44), kScreenFont, QStringLiteral("ab"), 33, 1, kPalmBlack);
    expectTextAt(image, QRect(51, 1, 25, 44), kScreenFont, QStringLiteral("ab"), 64, 1, kPalmBlack);
}

TEST(CCPaintTable, FirstWidthZeroDrawsNothingButTheBackground)
{
    TCCTable table = threeColumns();
    table.setColWidths({QStringLiteral("0"), QStringLiteral("25"), QStringLiteral("25")});
    table.setItems({QStringLiteral("ab~ab~ab")});
    const QImage image = paintAlone(table);
    for (int y = 0; y < 46; ++y)
        EXPECT_EQ(rowOf(image, y), std::string(77, '.')) << y;
}

TEST(CCPaintTable, ColumnsStopWhereTheirWidthsRunOut)
{
    TCCTable table = threeColumns();
    table.setColWidths({QStringLiteral("30"), QStringLiteral("wide")});
    const QImage image = paintAlone(table);
    EXPECT_EQ(columnOf(image, 30), std::string(46, '#'));
    EXPECT_EQ(rowOf(image, 0), std::string(31, '#') + std::string(46, '.'));
    EXPECT_EQ(columnOf(image, 76), std::string(46, '.'));
}

TEST(CCPaintBitmap, HexDigitsGiveFourPixelsEachRowByRow)
{
    TCCBitmap bitmap;
    bitmap.setBounds(0, 0, 8, 3);
    // Two digits a row; "Z" is not a digit and counts as 0.
    bitmap.setStringBits(QStringLiteral("F00AZ9"));
    expectPicture(paintAlone(bitmap), {
                                          "####....",
                                          "....#.#.",
                                          "....#..#",
                                      });

    // A width of 10 takes three digits a row; the last digit is cut.
    bitmap.setBounds(0, 0, 10, 2);
    bitmap.setStringBits(QStringLiteral("00F8000"));
    bitmap.setColorFore(kPalmGray);
    expectPicture(paintAlone(bitmap), {
                                          "........--",
                                          "-.........",
                                      });
}

TEST(CCPaintBitmap, GroundIsTheContainersWhenItHasOne)
{
    TCCForm screen;
    screen.setColorFormFill(kPalmGray);
    TCCBitmap bitmap;
    bitmap.setBounds(0, 0, 4, 1);
    bitmap.setStringBits(QStringLiteral("9"));
    bitmap.setPalmForm(&screen);
    expectPicture(paintAlone(bitmap, kPalmWhite), {"#--#"});
}

} // namespace
} // namespace zf::test
