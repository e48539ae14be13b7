// The drawings of the form controls, built from the canvas operations the way
// the controls build them, against pictures worked out by hand from the
// raster rules.
#include "CanvasTestSupport.h"

namespace zf::test {
namespace {

TEST(CanvasShapes, CheckBoxTickedDrawsBoxThenTickThenOpensTheBox)
{
    QImage image = blankImage(14, 12, kPalmWhite);
    Canvas canvas(image);
    canvas.setPen(kPalmBlack);
    canvas.setClearBrush();
    canvas.polygon({{2, 3}, {9, 3}, {9, 10}, {2, 10}});
    canvas.polyline({{4, 6}, {6, 8}, {12, 2}});
    canvas.polyline({{4, 5}, {6, 7}, {12, 1}});
    canvas.polyline({{5, 5}, {6, 6}, {11, 1}});
    canvas.setPixel(8, 3, kPalmWhite);
    canvas.setPixel(9, 6, kPalmWhite);
    expectPicture(image, {
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
                         });
}

TEST(CanvasShapes, CheckBoxClearedErasesTheTickBeforeTheBox)
{
    QImage image = blankImage(14, 12, kPalmWhite);
    Canvas canvas(image);
    // A tick left over from the checked state.
    canvas.setPen(kPalmBlack);
    canvas.polyline({{4, 6}, {6, 8}, {12, 2}});
    canvas.setPen(kPalmWhite);
    canvas.polyline({{4, 6}, {6, 8}, {12, 2}});
    canvas.polyline({{4, 5}, {6, 7}, {12, 1}});
    canvas.polyline({{5, 5}, {6, 6}, {11, 1}});
    canvas.setPen(kPalmBlack);
    canvas.setClearBrush();
    canvas.polygon({{2, 3}, {9, 3}, {9, 10}, {2, 10}});
    expectPicture(image, {
                             "..............",
                             "..............",
                             "..............",
                             "..########....",
                             "..#......#....",
                             "..#......#....",
                             "..#......#....",
                             "..#......#....",
                             "..#......#....",
                             "..#......#....",
                             "..########....",
                             "..............",
                         });
}

TEST(CanvasShapes, ChamferedButtonFrameWithRoundedCorners)
{
    // Radius 4 gives a cut of 3; W 12, H 8; white fill on a gray panel.
    const int w = 12, h = 8, k = 3;
    QImage image = blankImage(w, h);
    Canvas canvas(image);
    canvas.setPen(kPalmBlack);
    canvas.setBrush(kPalmWhite);
    canvas.polygon({{k, 0},
                    {w - 1 - k, 0},
                    {w - 1, k},
                    {w - 1, h - 1 - k},
                    {w - 1 - k, h - 1},
                    {k, h - 1},
                    {0, h - 1 - k},
                    {0, k}});
    for (const QPoint &p : {QPoint(1, 1), QPoint(w - 2, 1), QPoint(w - 2, h - 2), QPoint(1, h - 2)})
        canvas.setPixel(p.x(), p.y(), kPalmBlack);
    expectPicture(image, {
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

TEST(CanvasShapes, ButtonWithoutOutlineFillsOnePixelShortOnTheRightAndBottom)
{
    QImage image = blankImage(7, 5);
    Canvas canvas(image);
    canvas.setClearPen();
    canvas.setBrush(kPalmWhite);
    canvas.polygon({{0, 0}, {5, 0}, {5, 3}, {0, 3}});
    expectPicture(image, {
                             ".....--",
                             ".....--",
                             ".....--",
                             "-------",
                             "-------",
                         });
}

TEST(CanvasShapes, DialogFrameTwoPixelsWideWithRoundedCorners)
{
    const int w = 12, h = 18;
    QImage image = blankImage(w, h);
    Canvas canvas(image);
    canvas.fillRect(2, 14, w - 2, h - 2, kPalmWhite);
    canvas.setPen(kPalmBlack);
    canvas.setBrush(kPalmBlack);
    canvas.line(2, 0, w - 2, 0);
    canvas.line(1, 1, w - 1, 1);
    canvas.polygon({{0, 2}, {1, 2}, {1, h - 3}, {0, h - 3}});
    canvas.polygon({{w - 2, 2}, {w - 1, 2}, {w - 1, h - 3}, {w - 2, h - 3}});
    canvas.line(1, h - 2, w - 1, h - 2);
    canvas.line(2, h - 1, w - 2, h - 1);
    canvas.setPixel(2, h - 3, kPalmBlack);
    canvas.setPixel(w - 3, h - 3, kPalmBlack);
    canvas.polygon({{2, 2}, {w - 3, 2}, {w - 3, 13}, {2, 13}});
    expectPicture(image, {
                             "--########--",
                             "-##########-",
                             "############",
                             "############",
                             "############",
                             "############",
                             "############",
                             "############",
                             "############",
                             "############",
                             "############",
                             "############",
                             "############",
                             "############",
                             "##........##",
                             "###......###",
                             "-##########-",
                             "--########--",
                         });
}

TEST(CanvasShapes, ListBoxScrollArrow)
{
    QImage image = blankImage(9, 9, kPalmWhite);
    Canvas canvas(image);
    canvas.setPen(kPalmBlack);
    canvas.setBrush(kPalmBlack);
    const int x0 = 3, y0 = 1;
    canvas.polygon({{x0, y0},
                    {x0 + 2, y0},
                    {x0 + 2, y0 + 3},
                    {x0 + 4, y0 + 3},
                    {x0 + 1, y0 + 6},
                    {x0 - 2, y0 + 3},
                    {x0, y0 + 3}});
    expectPicture(image, {
                             ".........",
                             "...###...",
                             "...###...",
                             "...###...",
                             ".#######.",
                             "..#####..",
                             "...###...",
                             "....#....",
                             ".........",
                         });
}

TEST(CanvasShapes, ShiftIndicatorArrow)
{
    QImage image = blankImage(8, 9, kPalmWhite);
    Canvas canvas(image);
    canvas.setPen(kPalmBlack);
    canvas.setBrush(kPalmBlack);
    canvas.polygon({{3, 0}, {4, 0}, {7, 3}, {5, 3}, {5, 8}, {2, 8}, {2, 3}, {0, 3}});
    expectPicture(image, {
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

TEST(CanvasShapes, ToolBoxButtonOctagonWithRoundedCorners)
{
    const int w = 12, h = 10, k = 3;
    QImage image = blankImage(w, h);
    Canvas canvas(image);
    canvas.setPen(kPalmBlack);
    canvas.setBrush(kPalmWhite);
    canvas.polygon({{k + 1, 1},
                    {w - 2 - k, 1},
                    {w - 2, k + 1},
                    {w - 2, h - 2 - k},
                    {w - 2 - k, h - 2},
                    {k + 1, h - 2},
                    {1, h - 2 - k},
                    {1, k + 1}});
    for (const QPoint &p : {QPoint(2, 2), QPoint(w - 3, 2), QPoint(w - 3, h - 3), QPoint(2, h - 3)})
        canvas.setPixel(p.x(), p.y(), kPalmBlack);
    expectPicture(image, {
                             "------------",
                             "----####----",
                             "--##....##--",
                             "--#......#--",
                             "-#........#-",
                             "-#........#-",
                             "--#......#--",
                             "--##....##--",
                             "----####----",
                             "------------",
                         });
}

TEST(CanvasShapes, DropDownTriangle)
{
    QImage image = blankImage(10, 10, kPalmWhite);
    Canvas canvas(image);
    canvas.setPen(kPalmBlack);
    canvas.setBrush(kPalmBlack);
    canvas.polygon({{1, 5}, {8, 5}, {5, 8}, {4, 8}});
    expectPicture(image, {
                             "..........",
                             "..........",
                             "..........",
                             "..........",
                             "..........",
                             ".########.",
                             "..######..",
                             "...####...",
                             "....##....",
                             "..........",
                         });
}

} // namespace
} // namespace zf::test
