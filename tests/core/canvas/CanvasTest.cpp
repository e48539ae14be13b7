#include "CanvasTestSupport.h"

#include "core/canvas/BitmapFont.h"

#include <QFile>

#include <functional>

namespace zf::test {
namespace {

// Rows of a picture written on one line, separated by '/'.
QStringList rows(const char *text)
{
    return QString::fromLatin1(text).split(u'/');
}

TEST(Canvas, LinesFollowTheRasterRules)
{
    const struct
    {
        int w, h, x1, y1, x2, y2;
        const char *picture;
    } cases[] = {
        // Straight and diagonal lines leave out their last point.
        {6, 3, 0, 0, 4, 0, "####../....../......"},
        {4, 4, 0, 0, 3, 3, "#.../.#../..#./...."},
        // Half-way points take the smaller coordinate in the drawing direction.
        {5, 3, 0, 0, 4, 2, "##.../..##./....."},
        {5, 3, 4, 2, 0, 0, ".#.../..##./....#"},
        {6, 3, 0, 0, 5, 2, "##..../..##../....#."}, // no tie: the nearest row
    };
    for (const auto &c : cases) {
        QImage image = blankImage(c.w, c.h, kPalmWhite);
        Canvas canvas(image);
        canvas.setPen(kPalmBlack);
        canvas.line(c.x1, c.y1, c.x2, c.y2);
        expectPicture(image, rows(c.picture));
    }
}

TEST(Canvas, FillsAndOutlinesFollowTheRasterRules)
{
    using Draw = std::function<void(Canvas &)>;
    const struct
    {
        int w, h;
        Draw draw;
        const char *picture;
    } cases[] = {
        // clang-format off
        // Right column and bottom row left out; a clear brush paints nothing.
        {6, 5, [](Canvas &c) { c.fillRect(1, 1, 4, 3); c.setClearBrush(); c.fillRect(0, 0, 6, 5);
                               c.fillRect(4, 4, 6, 5, kTestGray); },
         "....../.###../.###../....../....--"},
        // The fill samples pixel corners, left and top edges inside.
        {6, 4, [](Canvas &c) { c.setClearPen(); c.polygon({{0, 0}, {5, 0}, {0, 3}}); },
         "#####./####../##..../......"},
        // Even-odd: where the figure crosses itself stays unfilled.
        {6, 6, [](Canvas &c) { c.setClearPen();
                               c.polygon({{0, 0}, {4, 0}, {4, 4}, {2, 4}, {2, 2}, {6, 2}, {6, 6},
                                          {0, 6}, {0, 0}}); },
         "####../####../##..##/##..##/######/######"},
        // Far outside the image: clipped safely.
        {4, 3, [](Canvas &c) { c.line(-100, 1, 100, 1); c.polygon({{-50, -50}, {-40, -50}, {-40, -40}});
                               c.polygon({{2, -1000000}, {3000000, 2}, {2, 2}});
                               c.fillRect(-5, 2, 1, 99); c.setPixel(4, 0, kPalmBlack);
                               c.setPixel(0, -1, kPalmBlack); },
         "..##/####/#.##"},
        // clang-format on
    };
    for (const auto &c : cases) {
        QImage image = blankImage(c.w, c.h, kPalmWhite);
        Canvas canvas(image);
        canvas.setPen(kPalmBlack);
        canvas.setBrush(kPalmBlack);
        c.draw(canvas);
        expectPicture(image, rows(c.picture));
    }
}

TEST(Canvas, ColoursKeepTheirPalmValueInAnyImageFormat)
{
    QImage image = blankImage(3, 1);
    Canvas canvas(image);
    canvas.setPixel(0, 0, 0x0000FF); // red in the handheld's byte order
    canvas.setPixel(1, 0, 0x123456);
    EXPECT_EQ(std::tuple(image.pixel(0, 0), canvas.pixel(1, 0), canvas.pixel(3, 0)),
              std::tuple(qRgb(255, 0, 0), PalmColor(0x123456), kInvalidPalmColor));

    QImage indexed(4, 2, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(255, 255, 255)});
    indexed.fill(0);
    Canvas(indexed).setPixel(1, 1, kPalmBlack);
    expectPicture(indexed, {"....", ".#.."});
}

TEST(Canvas, AScopeClipsToItselfAndItsContainerAndWithoutAreaToNothing)
{
    QImage image = blankImage(8, 6, kPalmWhite);
    Canvas canvas(image);
    {
        CanvasScope container(canvas, QRect(1, 1, 6, 4));
        CanvasScope child(canvas, QRect(3, 1, 5, 2)); // poking out on the right
        canvas.fillRect(-10, -10, 20, 20, kPalmBlack);
        CanvasScope none(canvas, QRect(2, 2, -2, 3));
        canvas.fillRect(-10, -10, 20, 20, kTestGray);
    }
    EXPECT_EQ(canvas.clipRect(), QRect(0, 0, 8, 6));
    expectPicture(image, rows("......../......../....###./....###./......../........"));
}

struct CanvasText : ::testing::Test
{
    const QString path = QStringLiteral(ZENTIFORM_TEST_DATA_DIR "/fonts-test/Tiny.bdf");
    BitmapFont tiny = BitmapFont::fromFile(path);
};

TEST_F(CanvasText, TextStandsWithItsTopLeftCornerAtThePointOnAClearBackground)
{
    QImage image = blankImage(9, 5);
    Canvas canvas(image);
    canvas.setFont(tiny);
    canvas.textOut(1, 0, QStringLiteral("Ag\u00e9"));
    expectPicture(image, rows("-##----#-/-#-----#-/-##-##-#-/-----#---/---------"));
    EXPECT_EQ(
        std::tuple(canvas.textWidth(QStringLiteral("Ag\u00e9")), canvas.textHeight(QString())),
        std::tuple(8, 0));
}

TEST_F(CanvasText, BadOrTruncatedFontDataGivesAMessageAndNeverACrash)
{
    QString error;
    for (const QByteArray &data : {QByteArray(), QByteArray(5000, '\xff')})
        EXPECT_TRUE(BitmapFont::fromData(data, &error).isNull() && !error.isEmpty());
    EXPECT_TRUE(BitmapFont::fromFile(QStringLiteral("/no/such/font.bdf"), &error).isNull());
    EXPECT_TRUE(error.contains(QStringLiteral("/no/such/font.bdf")));

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    for (qsizetype size = 0; size < data.size(); size += 7) {
        const BitmapFont font = BitmapFont::fromData(data.left(size));
        // Whatever was read still measures and every code has a glyph or a box.
        for (int code = 0; code < 256; ++code)
            EXPECT_GT(font.glyph(uchar(code)).advance, 0) << size;
    }
}

TEST_F(CanvasText, CharactersWithoutGlyphDrawABox)
{
    QImage image = blankImage(13, 4, kPalmWhite);
    Canvas canvas(image);
    canvas.setFont(tiny);
    // 'Z' has no glyph, the Greek letter and the lone surrogate no code at all,
    // and the pair is one character.
    const QString text =
        QStringLiteral("Z\u03a9") + QChar(0xD800) + QString::fromUcs4(U"\U0001F600");
    canvas.textOut(-2, 0, text);
    expectPicture(image, rows("#.###.###.###/#.#.#.#.#.#.#/#.###.###.###/............."));
    EXPECT_EQ(tiny.textWidth(text), 16);
}

} // namespace
} // namespace zf::test
