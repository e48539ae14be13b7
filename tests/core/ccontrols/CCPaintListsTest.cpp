// List boxes, drop-downs and pop-up lists of CControls: rows, the chosen row,
// the scroll arrow, the opened box with its shadow.
#include "designer/PaintTestSupport.h"

#include "core/ccontrols/CCDropDown.h"
#include "core/ccontrols/CCListBox.h"
#include "core/ccontrols/CCPopUp.h"

namespace zf::test {
namespace {

const QString kScreenFont = QStringLiteral("PalmText9");

// Rows without text leave the row colours alone.
QStringList blankItems(int count)
{
    return QStringList(count, QString());
}

QStringList fourItems()
{
    return {QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three"),
            QStringLiteral("Four")};
}

TEST(CCPaintListBox, MoreItemsThanRowsShowTheArrowInTheLastRow)
{
    TCCListBox list;
    list.setItems(blankItems(4));
    list.setVisibleItems(3);
    ASSERT_EQ(list.height(), 35);
    const QImage image = paintAlone(list);
    // The arrow's top-left point is (35 - 7, 35 - 9).
    EXPECT_EQ(rowOf(image, 26).substr(27, 5), ".###.");
    EXPECT_EQ(rowOf(image, 28).substr(27, 5), ".###.");
    EXPECT_EQ(rowOf(image, 29).substr(25, 9), ".#######.");
    EXPECT_EQ(rowOf(image, 30).substr(25, 9), "..#####..");
    EXPECT_EQ(rowOf(image, 31).substr(25, 9), "...###...");
    EXPECT_EQ(rowOf(image, 32).substr(25, 9), "....#....");
    EXPECT_EQ(rowOf(image, 34), std::string(35, '#'));

    list.setItems(blankItems(3));
    const QImage noArrow = paintAlone(list);
    EXPECT_EQ(rowOf(noArrow, 29), "#" + std::string(33, '.') + "#");
}

TEST(CCPaintListBox, ArrowOnTheChosenLastRowTakesTheBackgroundColour)
{
    TCCListBox list;
    list.setItems(blankItems(4));
    list.setVisibleItems(3);
    list.setSelectedItem(2);
    const QImage image = paintAlone(list);
    // Row 2 runs from y 23 to 33, x 1 to 33, inverted; the arrow is cut out.
    EXPECT_EQ(rowOf(image, 23), std::string(35, '#'));
    EXPECT_EQ(rowOf(image, 29), std::string(26, '#') + "......." + "##");
    EXPECT_EQ(rowOf(image, 32), std::string(29, '#') + "." + std::string(5, '#'));
    EXPECT_EQ(rowOf(image, 22).substr(0, 3), "#..");
}

TEST(CCPaintListBox, ChosenRowIsInvertedAndEveryRowWritten)
{
    TCCListBox list;
    list.setItems(fourItems());
    list.setVisibleItems(3);
    list.setSelectedItem(1);
    const QImage image = paintAlone(list);
    for (int y = 12; y <= 22; ++y) {
        EXPECT_EQ(colorAt(image, 1, y), kPalmBlack) << y;
        EXPECT_EQ(colorAt(image, 33, y), kPalmBlack) << y;
    }
    EXPECT_EQ(colorAt(image, 1, 11), kPalmWhite);
    EXPECT_EQ(colorAt(image, 1, 23), kPalmWhite);
    expectTextAt(image, QRect(1, 12, 33, 11), kScreenFont, QStringLiteral("Two"), 2, 12,
                 kPalmWhite);
    expectTextAt(image, QRect(1, 1, 33, 11), kScreenFont, QStringLiteral("One"), 2, 1, kPalmBlack);
}

TEST(CCPaintListBox, BottomEdgeIsDrawnAgainOverARowThatRunsIntoIt)
{
    TCCListBox list;
    list.setItems(blankItems(4));
    list.setHeight(22); // two rows, the second reaching y = 22
    const QImage image = paintAlone(list);
    EXPECT_EQ(rowOf(image, 21), std::string(35, '#'));
}

TEST(CCPaintDropDown, ClosedIsTwelveHighWithTheChoiceBesideTheArrow)
{
    TCCDropDown dropDown;
    dropDown.setVisibleItems(5);
    ASSERT_EQ(dropDown.height(), 12);
    dropDown.setItems(fourItems());
    dropDown.setSelectedItem(2);
    const QImage image = paintAlone(dropDown);
    EXPECT_EQ(rowOf(image, 4).substr(0, 10), "..........");
    EXPECT_EQ(rowOf(image, 5).substr(0, 10), ".########.");
    EXPECT_EQ(rowOf(image, 6).substr(0, 10), "..######..");
    EXPECT_EQ(rowOf(image, 7).substr(0, 10), "...####...");
    EXPECT_EQ(rowOf(image, 8).substr(0, 10), "....##....");
    EXPECT_EQ(rowOf(image, 9).substr(0, 10), "..........");
    expectTextAt(image, QRect(10, 0, 25, 12), kScreenFont, QStringLiteral("Three"), 12, 1,
                 kPalmBlack);
}

TEST(CCPaintDropDown, ClosedWithoutAValidChoiceShowsTheArrowAlone)
{
    TCCDropDown dropDown;
    dropDown.setItems(fourItems());
    for (int chosen : {-1, 4}) {
        dropDown.setSelectedItem(chosen);
        const QImage image = paintAlone(dropDown);
        for (int y = 0; y < 12; ++y)
            EXPECT_EQ(rowOf(image, y).substr(10), std::string(25, '.')) << chosen << " " << y;
    }
}

TEST(CCPaintDropDown, OpenedListHasCutCornersRowsArrowAndShadow)
{
    TCCDropDown dropDown;
    dropDown.setItems(blankItems(3));
    dropDown.setUserWidth(36);
    dropDown.setVisibleItems(2);
    dropDown.setSelectedItem(0);
    dropDown.setTestItems(1);
    ASSERT_EQ(dropDown.height(), 25);
    ASSERT_EQ(dropDown.width(), 39);
    const QImage image = paintAlone(dropDown);
    EXPECT_EQ(rowOf(image, 0), "." + std::string(36, '#') + "..");
    // The chosen first row spans x 1 to 36 and y 1 to 11.
    EXPECT_EQ(rowOf(image, 1).substr(0, 3), "###");
    EXPECT_EQ(rowOf(image, 1).substr(35), "###.");
    EXPECT_EQ(columnOf(image, 38), ".." + std::string(19, '#') + "....");
    EXPECT_EQ(rowOf(image, 24), "..." + std::string(33, '#') + "...");
    EXPECT_EQ(rowOf(image, 23), "." + std::string(36, '#') + "..");
    EXPECT_EQ(columnOf(image, 0), "." + std::string(22, '#') + "..");
    // Three items in two rows: the arrow at (39 - 8, 25 - 10), black.
    EXPECT_EQ(rowOf(image, 18).substr(28, 9), ".#######.");
    EXPECT_EQ(rowOf(image, 21).substr(28, 9), "....#....");
}

TEST(CCPaintPopUp, IsDrawnAsTheOpenedListAtItsOwnHeight)
{
    TCCPopUp popUp;
    popUp.setItems(fourItems().mid(0, 3));
    popUp.setBounds(0, 0, 39, 25);
    popUp.setSelectedItem(0);
    ASSERT_EQ(popUp.visibleItems(), 2);
    TCCDropDown dropDown;
    dropDown.setItems(popUp.items());
    dropDown.setUserWidth(36);
    dropDown.setVisibleItems(2);
    dropDown.setSelectedItem(0);
    dropDown.setTestItems(1);
    EXPECT_EQ(paintAlone(popUp), paintAlone(dropDown));
}

} // namespace
} // namespace zf::test
