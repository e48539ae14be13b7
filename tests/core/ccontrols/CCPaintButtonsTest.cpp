// Buttons and switches of CControls: the chamfered frame, its corner pixels
// and gray line, the caption, the colours of a container, the handles.
#include "designer/PaintTestSupport.h"

#include "core/controls/CCButton.h"
#include "core/controls/CCSwitch.h"
#include "core/model/CCForm.h"

namespace zf::test {
namespace {

constexpr PalmColor kRed = 0x0000FF;
constexpr PalmColor kGreen = 0x00FF00;
constexpr PalmColor kBlue = 0xFF0000;

TEST(CCPaintButton, SelectedButtonShowsEightHandlesAtTheEdgesAndMiddles)
{
    TCCButton button;
    ASSERT_EQ(button.width(), 40);
    ASSERT_EQ(button.height(), 14);
    button.setSelected(true);
    button.setSelectColor(kBlue);
    const QImage image = paintAlone(button);
    for (const QPoint p : {QPoint(0, 0), QPoint(19, 0), QPoint(37, 0), QPoint(37, 6),
                           QPoint(37, 11), QPoint(19, 11), QPoint(0, 11), QPoint(0, 6)})
        expectSquare(image, p.x(), p.y(), kBlue);
    // Between the handles the frame shows.
    EXPECT_EQ(colorAt(image, 3, 0), kPalmBlack);
    EXPECT_EQ(colorAt(image, 18, 0), kPalmBlack);
    EXPECT_EQ(colorAt(image, 22, 13), kPalmBlack);
    EXPECT_EQ(colorAt(image, 39, 5), kPalmBlack);
}

TEST(CCPaintButton, RadiusFourWithASolidLineRoundsEachCornerWithOneMorePixel)
{
    TCCButton button;
    button.setBounds(0, 0, 12, 8);
    button.setColor(kTestGray);
    expectPicture(paintAlone(button), {
                                          "---######---",
                                          "-##......##-",
                                          "-#........#-",
                                          "#..........#",
                                          "#..........#",
                                          "-#........#-",
                                          "-##......##-",
                                          "---######---",
                                      });
}

TEST(CCPaintButton, RadiusOneCutsLikeRadiusTwoAndRadiusZeroIsARectangle)
{
    TCCButton one;
    one.setBounds(0, 0, 10, 6);
    one.setColor(kTestGray);
    one.setRadius(1);
    TCCButton two = one;
    two.setRadius(2);
    const QImage image = paintAlone(one);
    EXPECT_EQ(image, paintAlone(two));
    expectPicture(image, {
                             "-########-",
                             "#-......-#",
                             "#........#",
                             "#........#",
                             "#-......-#",
                             "-########-",
                         });

    TCCButton zero = one;
    zero.setRadius(0);
    expectPicture(paintAlone(zero), {
                                        "##########",
                                        "#-......-#",
                                        "#........#",
                                        "#........#",
                                        "#-......-#",
                                        "##########",
                                    });
}

TEST(CCPaintButton, GrayLineDropsEverySecondPixelOfTheFrame)
{
    // A select box's usual frame: square corners and a gray line.
    TCCButton button;
    button.setBounds(0, 0, 8, 5);
    button.setColor(kTestGray);
    button.setRadius(0);
    button.setLine(2);
    expectPicture(paintAlone(button), {
                                          "#-#-#-#-",
                                          "--....--",
                                          "#......#",
                                          "--....--",
                                          "#-#-#-#-",
                                      });
}

TEST(CCPaintButton, LineZeroDrawsNoFrame)
{
    TCCButton button;
    button.setBounds(0, 0, 8, 5);
    button.setRadius(0);
    button.setLine(0);
    button.setColor(kTestGray);
    // A clear pen fills one pixel less on the right and at the bottom.
    expectPicture(paintAlone(button), {
                                          ".......-",
                                          ".-....--",
                                          ".......-",
                                          ".-....--",
                                          "--------",
                                      });
}

TEST(CCPaintButton, CaptionIsCentredAndASelectBoxShiftsItOneRight)
{
    TCCButton button;
    button.setContent(QStringLiteral("OK"));
    ASSERT_EQ(palmFont(QStringLiteral("PalmText9")).textWidth(QStringLiteral("OK")), 13);
    const QRect inside(4, 1, 32, 12);
    // (40 - 13) / 2 = 13; (14 - 13) / 2 = 0.
    expectTextAt(paintAlone(button), inside, QStringLiteral("PalmText9"), QStringLiteral("OK"), 13,
                 0, kPalmBlack);

    button.setColorText(kRed);
    button.setTag(TCCButton::kSelectTag);
    ASSERT_EQ(button.width(), 13 + 7);
    expectTextAt(paintAlone(button), QRect(1, 1, 18, 12), QStringLiteral("PalmText9"),
                 QStringLiteral("OK"), 4, 0, kRed);
}

TEST(CCPaintButton, OnAPToolBoxScreenTakesItsGroundAndFrameButKeepsBlackCorners)
{
    TCCForm screen;
    screen.setColorFormFill(kTestGray);
    screen.setColorFrame(kRed);
    TCCButton button;
    button.setBounds(0, 0, 12, 8);
    button.setPalmForm(&screen);
    const QImage image = paintAlone(button, kGreen);
    EXPECT_EQ(colorAt(image, 0, 0), kTestGray);
    EXPECT_EQ(colorAt(image, 3, 0), kRed);
    EXPECT_EQ(colorAt(image, 0, 4), kRed);
    EXPECT_EQ(colorAt(image, 1, 1), kPalmBlack);
    EXPECT_EQ(colorAt(image, 5, 4), kPalmWhite);
}

TEST(CCPaintSwitch, PressedSwitchIsFilledAndWrittenInThePressedColours)
{
    TCCSwitch push;
    push.setBounds(0, 0, 30, 14);
    push.setState(1);
    push.setContent(QStringLiteral("OK"));
    const QImage image = paintAlone(push);
    EXPECT_EQ(colorAt(image, 3, 3), kPalmBlack);
    EXPECT_EQ(colorAt(image, 26, 10), kPalmBlack);
    // Corners that are not rounded black take the released fill.
    EXPECT_EQ(colorAt(image, 1, 1), kPalmWhite);
    EXPECT_EQ(colorAt(image, 28, 12), kPalmWhite);
    // (30 - 13) / 2 = 8.
    expectTextAt(image, QRect(2, 1, 26, 12), QStringLiteral("PalmText9"), QStringLiteral("OK"), 8,
                 0, kPalmWhite);
}

TEST(CCPaintSwitch, TakesTheColourSetOfItsContainer)
{
    TCCForm screen;
    screen.setColorFormFill(kTestGray);
    screen.setColorFrame(kRed);
    screen.setColorFill(kGreen);
    screen.setColorSelectedFill(kBlue);
    auto *push = static_cast<TCCSwitch *>(screen.children().insert(std::make_unique<TCCSwitch>()));
    push->setBounds(0, 0, 12, 8);
    push->setRadius(4);
    push->setPalmForm(&screen);
    QImage image = paintAlone(*push, kPalmWhite);
    // The ground around the corners is the screen's.
    EXPECT_EQ(colorAt(image, 0, 0), kTestGray);
    EXPECT_EQ(colorAt(image, 3, 0), kRed);
    EXPECT_EQ(colorAt(image, 5, 4), kGreen);
    EXPECT_EQ(colorAt(image, 1, 1), kPalmBlack);

    push->setState(1);
    push->setLine(2);
    image = paintAlone(*push, kPalmWhite);
    EXPECT_EQ(colorAt(image, 5, 4), kBlue);
    // The gaps of a gray line and the corners show the released fill.
    EXPECT_EQ(colorAt(image, 3, 0), kGreen);
    EXPECT_EQ(colorAt(image, 4, 0), kRed);
    EXPECT_EQ(colorAt(image, 1, 1), kGreen);
}

} // namespace
} // namespace zf::test
