#include "CanvasTestSupport.h"

#include "core/canvas/BitmapFont.h"

#include <QDir>

namespace zf::test {
namespace {

QImage drawLine(int w, int h, int x1, int y1, int x2, int y2)
{
    QImage image = blankImage(w, h, kPalmWhite);
    Canvas canvas(image);
    canvas.setPen(kPalmBlack);
    canvas.line(x1, y1, x2, y2);
    return image;
}

TEST(Canvas, FillRectExcludesRightColumnAndBottomRow)
{
    QImage image = blankImage(6, 5, kPalmWhite);
    Canvas canvas(image);
    canvas.setBrush(kPalmBlack);
    canvas.fillRect(1, 1, 4, 3);
    canvas.setClearBrush();
    canvas.fillRect(0, 0, 6, 5); // a clear brush paints nothing
    canvas.fillRect(4, 4, 6, 5, kTestGray);
    expectPicture(image, {"......", ".###..", ".###..", "......", "....--"});
}

TEST(Canvas, StraightLinesLeaveOutTheirLastPoint)
{
    expectPicture(drawLine(6, 3, 0, 0, 4, 0), {"####..", "......", "......"});
    expectPicture(drawLine(6, 3, 5, 1, 1, 1), {"......", "..####", "......"});
    expectPicture(drawLine(3, 5, 1, 0, 1, 3), {".#.", ".#.", ".#.", "...", "..."});
    expectPicture(drawLine(3, 5, 1, 4, 1, 0), {"...", ".#.", ".#.", ".#.", ".#."});
    expectPicture(drawLine(4, 4, 0, 0, 3, 3), {"#...", ".#..", "..#.", "...."});
    expectPicture(drawLine(4, 4, 3, 0, 0, 3), {"...#", "..#.", ".#..", "...."});
    // A line to its own start draws nothing.
    expectPicture(drawLine(2, 2, 1, 1, 1, 1), {"..", ".."});
}

TEST(Canvas, ShallowAndSteepLinesTakeTheSmallerCoordinateOnATie)
{
    // Half-way points: (1, 0.5) and (3, 1.5) going right and down.
    expectPicture(drawLine(5, 3, 0, 0, 4, 2), {"##...", "..##.", "....."});
    // The same line drawn backwards: (3, 1.5) and (1, 0.5) go up again.
    expectPicture(drawLine(5, 3, 4, 2, 0, 0), {".#...", "..##.", "....#"});
    // Rising to the right: (1, 1.5) takes row 1, (3, 0.5) row 0.
    expectPicture(drawLine(5, 3, 0, 2, 4, 0), {"...#.", ".##..", "#...."});
    // Steep: (0.5, 1) and (1.5, 3) go left.
    expectPicture(drawLine(3, 5, 0, 0, 2, 4), {"#..", "#..", ".#.", ".#.", "..."});
    expectPicture(drawLine(3, 5, 2, 4, 0, 0), {"...", "#..", ".#.", ".#.", "..#"});
    // No tie: 0.4, 0.8, 1.2, 1.6 round to the nearest row.
    expectPicture(drawLine(6, 3, 0, 0, 5, 2), {"##....", "..##..", "....#."});
}

TEST(Canvas, PolylineDrawsEveryPointButTheLast)
{
    QImage image = blankImage(5, 4, kPalmWhite);
    Canvas canvas(image);
    canvas.setPen(kPalmBlack);
    canvas.polyline({{0, 0}, {3, 0}, {3, 3}});
    expectPicture(image, {"####.", "...#.", "...#.", "....."});
}

TEST(Canvas, TwoPointPolygonIsALineWithBothEnds)
{
    QImage image = blankImage(6, 3, kPalmWhite);
    Canvas canvas(image);
    canvas.setPen(kPalmBlack);
    canvas.setBrush(kTestGray);
    canvas.polygon({{1, 1}, {4, 1}});
    expectPicture(image, {"......", ".####.", "......"});
}

TEST(Canvas, PolygonOutlineIsInclusiveAndClearPenOrBrushOmitsIt)
{
    QImage image = blankImage(5, 4, kPalmWhite);
    Canvas canvas(image);
    canvas.setPen(kPalmBlack);
    canvas.setBrush(kTestGray);
    canvas.polygon({{0, 0}, {3, 0}, {3, 3}, {0, 3}});
    expectPicture(image, {"####.", "#--#.", "#--#.", "####."});

    QImage outline = blankImage(5, 4, kPalmWhite);
    Canvas outlineCanvas(outline);
    outlineCanvas.setPen(kPalmBlack);
    outlineCanvas.setClearBrush();
    outlineCanvas.polygon({{0, 0}, {3, 0}, {3, 3}, {0, 3}});
    expectPicture(outline, {"####.", "#..#.", "#..#.", "####."});
}

TEST(Canvas, FillSamplesPixelCornersWithLeftAndTopEdgesInside)
{
    // Slanted edges crossing rows between pixels: 3.33 and 1.67 on the right
    // edge end the rows before 4 and 2; 1.67 and 3.33 on the left edge start
    // them at 2 and 4.
    QImage right = blankImage(6, 4, kPalmWhite);
    Canvas rightCanvas(right);
    rightCanvas.setClearPen();
    rightCanvas.setBrush(kPalmBlack);
    rightCanvas.polygon({{0, 0}, {5, 0}, {0, 3}});
    expectPicture(right, {"#####.", "####..", "##....", "......"});

    QImage left = blankImage(6, 4, kPalmWhite);
    Canvas leftCanvas(left);
    leftCanvas.setClearPen();
    leftCanvas.setBrush(kPalmBlack);
    leftCanvas.polygon({{0, 0}, {5, 0}, {5, 3}});
    expectPicture(left, {"#####.", "..###.", "....#.", "......"});
}

TEST(Canvas, PolygonFillIsEvenOdd)
{
    // A figure that crosses itself: the overlapping square stays unfilled.
    QImage image = blankImage(6, 6, kPalmWhite);
    Canvas canvas(image);
    canvas.setClearPen();
    canvas.setBrush(kPalmBlack);
    canvas.polygon({{0, 0}, {4, 0}, {4, 4}, {2, 4}, {2, 2}, {6, 2}, {6, 6}, {0, 6}, {0, 0}});
    expectPicture(image, {"####..", "####..", "##..##", "##..##", "######", "######"});
}

TEST(Canvas, ColoursKeepTheirPalmValue)
{
    QImage image = blankImage(3, 1);
    Canvas canvas(image);
    canvas.setPixel(0, 0, 0x0000FF); // red in the handheld's byte order
    canvas.setPixel(1, 0, 0x123456);
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(canvas.pixel(0, 0), PalmColor(0x0000FF));
    EXPECT_EQ(canvas.pixel(1, 0), PalmColor(0x123456));
    EXPECT_EQ(canvas.pixel(2, 0), kTestGray);
    EXPECT_EQ(canvas.pixel(3, 0), kInvalidPalmColor);
    EXPECT_EQ(canvas.pixel(-1, 0), kInvalidPalmColor);
}

TEST(Canvas, ConvertsImagesOfOtherFormats)
{
    QImage image(4, 2, QImage::Format_Indexed8);
    image.setColorTable({qRgb(255, 255, 255)});
    image.fill(0);
    Canvas canvas(image);
    canvas.setPixel(1, 1, kPalmBlack);
    expectPicture(image, {"....", ".#.."});
}

TEST(Canvas, ScopeMovesTheOriginAndClipsToTheChildAndItsContainer)
{
    QImage image = blankImage(8, 6, kPalmWhite);
    Canvas canvas(image);
    canvas.setBrush(kTestGray);
    {
        CanvasScope container(canvas, QRect(1, 1, 6, 4));
        EXPECT_EQ(canvas.origin(), QPoint(1, 1));
        EXPECT_EQ(canvas.clipRect(), QRect(0, 0, 6, 4));
        {
            // The child pokes out of its container on the right.
            CanvasScope child(canvas, QRect(3, 1, 5, 2));
            EXPECT_EQ(canvas.clipRect(), QRect(0, 0, 3, 2));
            canvas.setBrush(kPalmBlack);
            canvas.fillRect(-10, -10, 10, 10);
            canvas.setPixel(0, 0, kPalmWhite);
            EXPECT_EQ(canvas.pixel(0, 1), kPalmBlack);
            EXPECT_EQ(canvas.pixel(3, 0), kInvalidPalmColor);
        }
        EXPECT_EQ(canvas.brush().color, kTestGray); // the child's brush is gone
        canvas.setPixel(0, 0, kPalmBlack);
        canvas.setPixel(-1, 0, kPalmBlack); // outside the container
    }
    EXPECT_EQ(canvas.origin(), QPoint(0, 0));
    EXPECT_EQ(canvas.clipRect(), QRect(0, 0, 8, 6));
    expectPicture(image, {
                             "........",
                             ".#......",
                             ".....##.",
                             "....###.",
                             "........",
                             "........",
                         });
}

TEST(Canvas, ShapesOutsideTheImageAreClippedSafely)
{
    QImage image = blankImage(4, 3, kPalmWhite);
    Canvas canvas(image);
    canvas.setPen(kPalmBlack);
    canvas.setBrush(kPalmBlack);
    canvas.line(-100, 1, 100, 1);
    canvas.polygon({{-50, -50}, {-40, -50}, {-40, -40}});
    canvas.polygon({{2, -1000000}, {3000000, 2}, {2, 2}});
    canvas.fillRect(-5, 2, 1, 99);
    canvas.setPixel(4, 0, kPalmBlack);
    canvas.setPixel(0, -1, kPalmBlack);
    expectPicture(image, {"..##", "####", "#.##"});
}

TEST(Canvas, ScopeWithoutAreaClipsEverything)
{
    QImage image = blankImage(3, 3, kPalmWhite);
    Canvas canvas(image);
    for (const QRect &rect : {QRect(1, 1, 0, 0), QRect(2, 2, -2, 3), QRect(0, 2, 3, -2)}) {
        CanvasScope scope(canvas, rect);
        canvas.fillRect(-5, -5, 5, 5, kPalmBlack);
        canvas.setPixel(0, 0, kPalmBlack);
        canvas.setPixel(-1, -1, kPalmBlack);
        EXPECT_TRUE(canvas.clipRect().isEmpty());
    }
    expectPicture(image, {"...", "...", "..."});
}

class CanvasText : public ::testing::Test
{
protected:
    BitmapFont tiny = BitmapFont::fromFile(QStringLiteral(ZENTIFORM_TEST_DATA_DIR) +
                                           QStringLiteral("/fonts-test/Tiny.bdf"));
};

TEST_F(CanvasText, TextStandsWithItsTopLeftCornerAtThePointOnAClearBackground)
{
    ASSERT_FALSE(tiny.isNull());
    QImage image = blankImage(9, 5);
    Canvas canvas(image);
    canvas.setFont(tiny);
    canvas.setFontColor(kPalmBlack);
    canvas.textOut(1, 0, QStringLiteral("Ag\u00e9"));
    expectPicture(image, {
                             "-##----#-",
                             "-#-----#-",
                             "-##-##-#-",
                             "-----#---",
                             "---------",
                         });
    EXPECT_EQ(canvas.textWidth(QStringLiteral("Ag\u00e9")), 8);
    EXPECT_EQ(canvas.textHeight(QStringLiteral("Ag")), 4);
    EXPECT_EQ(canvas.textHeight(QString()), 0);
}

TEST_F(CanvasText, CharactersWithoutGlyphDrawABox)
{
    QImage image = blankImage(13, 4, kPalmWhite);
    Canvas canvas(image);
    canvas.setFont(tiny);
    canvas.setFontColor(kPalmBlack);
    // 'Z' has no glyph, the Greek letter and the lone surrogate no code at all,
    // and the pair is one character.
    const QString text =
        QStringLiteral("Z\u03a9") + QChar(0xD800) + QString::fromUcs4(U"\U0001F600");
    canvas.textOut(-2, 0, text);
    expectPicture(image, {
                             "#.###.###.###",
                             "#.#.#.#.#.#.#",
                             "#.###.###.###",
                             ".............",
                         });
    EXPECT_EQ(tiny.textWidth(text), 16);
}

TEST_F(CanvasText, TextIsClipped)
{
    QImage image = blankImage(5, 4, kPalmWhite);
    Canvas canvas(image);
    canvas.setFont(tiny);
    canvas.setFontColor(kPalmBlack);
    CanvasScope scope(canvas, QRect(1, 1, 3, 2));
    canvas.textOut(0, -1, QStringLiteral("AA"));
    canvas.textOut(-1000, -1000, QStringLiteral("AAAA"));
    canvas.textOut(1000, 1000, QStringLiteral("AAAA"));
    expectPicture(image, {".....", ".#...", ".##..", "....."});
}

} // namespace
} // namespace zf::test
