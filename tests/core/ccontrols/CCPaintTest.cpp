// One case per drawing rule of the CControls painters; the golden form
// shows every kind as a user first sees it, these the states it does not.
#include "ccontrols/PaintCase.h"

#include "core/ccontrols/CCCheckbox.h"
#include "core/ccontrols/CCDropDown.h"
#include "core/ccontrols/CCEdit.h"
#include "core/ccontrols/CCLabel.h"
#include "core/ccontrols/CCListBox.h"
#include "core/ccontrols/CCMenu.h"
#include "core/ccontrols/CCMenuBar.h"
#include "core/ccontrols/CCPopUp.h"
#include "core/ccontrols/CCTable.h"
#include "core/controls/CCBitmap.h"
#include "core/controls/CCButton.h"
#include "core/controls/CCRadio.h"
#include "core/controls/CCSwitch.h"
#include "core/model/CCForm.h"

namespace zf::test {
namespace {

std::string times(int count, char c)
{
    return std::string(size_t(count), c);
}

std::string alternating(int count, char even, char odd)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += (i & 1) ? odd : even;
    return text;
}

TCCButton button(int width, int height, int radius = 4, int line = 1)
{
    TCCButton b;
    b.setBounds(0, 0, width, height);
    b.setColor(kTestGray);
    b.setRadius(radius);
    b.setLine(line);
    return b;
}

// A switch on a screen whose container colours differ from the defaults.
QImage switchOnColouredScreen(int state, int line)
{
    TCCForm screen;
    screen.setColorFormFill(kTestGray);
    screen.setColorFrame(kRed);
    screen.setColorFill(kGreen);
    screen.setColorSelectedFill(kBlue);
    auto *push = static_cast<TCCSwitch *>(screen.children().insert(std::make_unique<TCCSwitch>()));
    push->setBounds(0, 0, 12, 8);
    push->setRadius(4);
    push->setState(state);
    push->setLine(line);
    push->setPalmForm(&screen);
    return paintAlone(*push, kPalmWhite);
}

template <typename T>
QImage withItems(QStringList items, int visible, int chosen)
{
    T list;
    list.setItems(items);
    list.setVisibleItems(visible);
    list.setSelectedItem(chosen);
    return paintAlone(list);
}

const QStringList kBlank3(3, QString());
const QStringList kBlank4(4, QString());
const QStringList kFour = {"One", "Two", "Three", "Four"};

QImage table(QStringList items, QStringList widths, QStringList aligns = {"0", "0", "0"})
{
    TCCTable t;
    t.setItems(items);
    t.setColWidths(widths);
    t.setColAlign(aligns);
    return paintAlone(t);
}

QImage radio(int chosen, int orientation)
{
    TCCRadio r;
    r.setItems({"A", "B", "C"});
    r.setSelectedItem(chosen);
    r.setOrientation(orientation);
    return paintAlone(r);
}

TEST(CCPaint, EachDrawingRuleShowsInItsPixels)
{
    expectPaintCases({
        {"a selected button shows its handles over the frame",
         [] {
             TCCButton b;
             b.setSelected(true);
             b.setSelectColor(kBlue);
             return paintAlone(b);
         },
         {{18, 0, "#bbb#"}, {0, 6, "bbb"}}},
        {"radius four with a solid line rounds each corner one pixel more",
         [] { return paintAlone(button(12, 8)); },
         {{0, 0, "---######---"}, {0, 1, "-##......##-"}, {0, 3, "#..........#"}}},
        {"radius one cuts like radius two",
         [] { return paintAlone(button(10, 6, 1)); },
         {{0, 0, "-########-"}, {0, 1, "#-......-#"}}},
        {"radius two", [] { return paintAlone(button(10, 6, 2)); }, {{0, 0, "-########-"}}},
        {"radius zero is a rectangle", [] { return paintAlone(button(10, 6, 0)); },
         {{0, 0, "##########"}, {0, 1, "#-......-#"}}},
        {"a gray line drops every second pixel of the frame",
         [] { return paintAlone(button(8, 5, 0, 2)); },
         {{0, 0, "#-#-#-#-"}, {0, 1, "--....--"}, {0, 2, "#......#"}}},
        {"line zero draws no frame and fills one pixel short",
         [] { return paintAlone(button(8, 5, 0, 0)); },
         {{0, 0, ".......-"}, {0, 1, ".-....--"}, {0, 4, "--------"}}},
        {"a caption is centred",
         [] {
             TCCButton b;
             b.setContent("OK");
             return paintAlone(b);
         },
         {},
         {{QRect(4, 1, 32, 12), "PalmText9", "OK", 13, 0}}},
        {"a select box writes its caption one pixel right in its text colour",
         [] {
             TCCButton b;
             b.setContent("OK");
             b.setColorText(kRed);
             b.setTag(TCCButton::kSelectTag);
             return paintAlone(b);
         },
         {},
         {{QRect(1, 1, 18, 12), "PalmText9", "OK", 4, 0, kRed}}},
        {"on a coloured screen a button takes its ground and frame, not its corners",
         [] {
             TCCForm s;
             s.setColorFormFill(kTestGray);
             s.setColorFrame(kRed);
             TCCButton b;
             b.setBounds(0, 0, 12, 8);
             b.setPalmForm(&s);
             return paintAlone(b, kGreen);
         },
         {{0, 0, "-"}, {3, 0, "r"}, {0, 4, "r"}, {1, 1, "#"}, {5, 4, "."}}},
        {"a pressed switch is filled and written in the pressed colours",
         [] {
             TCCSwitch s;
             s.setBounds(0, 0, 30, 14);
             s.setState(1);
             s.setContent("OK");
             return paintAlone(s);
         },
         {{3, 3, "#"}, {1, 1, "."}, {28, 12, "."}},
         {{QRect(2, 1, 26, 12), "PalmText9", "OK", 8, 0, kPalmWhite}}},
        {"a released switch takes its container's colours",
         [] { return switchOnColouredScreen(0, 1); },
         {{0, 0, "-"}, {3, 0, "r"}, {5, 4, "g"}, {1, 1, "#"}}},
        {"a pressed switch with a gray line shows the released fill in the gaps",
         [] { return switchOnColouredScreen(1, 2); },
         {{5, 4, "b"}, {3, 0, "gr"}, {1, 1, "g"}}},
        {"a label is drawn thirteen high whatever height was set",
         [] {
             TCCLabel l;
             l.setHeight(20);
             return paintAlone(l);
         },
         {{0, 12, times(32, '#')}, {1, 1, "."}, {0, 0, times(13, '#'), true}}},
        {"a gray underline starts at the third pixel and stops before the last",
         [] { return paintAlone(TCCEdit()); },
         {{0, 12, ".." + alternating(30, '#', '.')}, {0, 11, times(32, '.')}}},
        {"a solid underline stops before the last pixel",
         [] {
             TCCEdit e;
             e.setLine(1);
             return paintAlone(e);
         },
         {{0, 12, times(31, '#') + '.'}}},
        {"line zero underlines nothing",
         [] {
             TCCEdit e;
             e.setLine(0);
             return paintAlone(e);
         },
         {{0, 12, times(32, '.')}}},
        {"a gray box keeps even pixels along each edge",
         [] {
             TCCLabel l;
             l.setLine(2);
             return paintAlone(l);
         },
         {{0, 0, alternating(32, '#', '.')},
          {0, 0, "#.#.#.#.#.#.#", true},
          {31, 0, "..#.#.#.#.#..", true}}},
        {"centred text",
         [] {
             TCCLabel l;
             l.setStyle(0);
             l.setContent("Hi");
             l.setAlignment(TextAlignment::Center);
             return paintAlone(l);
         },
         {},
         {{QRect(0, 0, 32, 13), "PalmText9", "Hi", 12, 0}}},
        {"right-aligned text in a lower font is centred vertically",
         [] {
             TCCLabel l;
             l.setStyle(0);
             l.setContent("Hi");
             l.setAlignment(TextAlignment::Right);
             l.setFontName("PilotStandard");
             return paintAlone(l);
         },
         {},
         {{QRect(0, 0, 32, 13), "PilotStandard", "Hi", 22, 1}}},
        {"a checked box shows the tick breaking out of it",
         [] {
             TCCCheckbox b;
             b.setState(1);
             return paintAlone(b);
         },
         {{0, 2, "..........##.."},
          {0, 3, "..######.###.."},
          {0, 5, "..#.##.###...."},
          {0, 8, "..#...#..#...."},
          {0, 10, "..########...."}}},
        {"an unchecked box is empty and its text follows",
         [] {
             TCCCheckbox b;
             b.setContent("Go");
             return paintAlone(b);
         },
         {{0, 3, "..########.."}, {0, 6, "..#......#.."}},
         {{QRect(11, 0, 47, 13), "PalmText9", "Go", 13, 1}}},
        {"more items than rows show the arrow in the last row",
         [] { return withItems<TCCListBox>(kBlank4, 3, -1); },
         {{27, 26, ".###."}, {25, 29, ".#######."}, {25, 32, "....#...."}, {0, 34, times(35, '#')}}},
        {"no more items than rows: no arrow", [] { return withItems<TCCListBox>(kBlank3, 3, -1); },
         {{0, 29, "#" + times(33, '.') + "#"}}},
        {"the arrow on the chosen last row takes the background colour",
         [] { return withItems<TCCListBox>(kBlank4, 3, 2); },
         {{0, 23, times(35, '#')}, {0, 29, times(26, '#') + "......." + "##"}, {0, 22, "#.."}}},
        {"the chosen row is inverted and every row written",
         [] { return withItems<TCCListBox>(kFour, 3, 1); },
         {{1, 11, "." + times(11, '#') + ".", true}, {33, 12, times(11, '#'), true}},
         {{QRect(1, 12, 33, 11), "PalmText9", "Two", 2, 12, kPalmWhite},
          {QRect(1, 1, 33, 11), "PalmText9", "One", 2, 1}}},
        {"the bottom edge is drawn again over a row that runs into it",
         [] {
             TCCListBox l;
             l.setItems(kBlank4);
             l.setHeight(22);
             return paintAlone(l);
         },
         {{0, 21, times(35, '#')}}},
        {"a closed drop-down shows its choice beside the arrow",
         [] { return withItems<TCCDropDown>(kFour, 5, 2); },
         {{0, 4, ".........."}, {0, 5, ".########."}, {0, 8, "....##...."}},
         {{QRect(10, 0, 25, 12), "PalmText9", "Three", 12, 1}}},
        {"a closed drop-down without a choice shows the arrow alone",
         [] { return withItems<TCCDropDown>(kFour, 2, -1); }, {{10, 5, times(25, '.')}}},
        {"a closed drop-down past its last item shows the arrow alone",
         [] { return withItems<TCCDropDown>(kFour, 2, 4); }, {{10, 5, times(25, '.')}}},
        {"an opened drop-down has cut corners, rows, the arrow and a shadow",
         [] {
             TCCDropDown d;
             d.setItems(kBlank3);
             d.setUserWidth(36);
             d.setVisibleItems(2);
             d.setSelectedItem(0);
             d.setTestItems(1);
             return paintAlone(d);
         },
         {{0, 0, "." + times(36, '#') + ".."},
          {0, 1, "###"},
          {0, 23, "." + times(36, '#') + ".."},
          {0, 24, "..." + times(33, '#') + "..."},
          {38, 0, ".." + times(19, '#') + "....", true},
          {28, 18, ".#######."},
          {28, 21, "....#...."}}},
        {"a pop-up is drawn as the opened list at its own height",
         [] {
             TCCPopUp p;
             p.setItems(kBlank3);
             p.setBounds(0, 0, 39, 25);
             p.setSelectedItem(0);
             return paintAlone(p);
         },
         {{0, 0, "." + times(36, '#') + ".."},
          {0, 24, "..." + times(33, '#') + "..."},
          {28, 18, ".#######."}}},
        {"the screen's title tab fits the title and the line crosses the screen",
         [] { return paintAlone(TCCForm()); },
         {{0, 0, "." + times(34, '#') + ".."},
          {0, 12, times(36, '#') + "."},
          {0, 14, times(160, '#')},
          {0, 15, times(160, '.')}},
         {{QRect(0, 1, 36, 12), "PilotBold", "Form1", 3, 2, kPalmWhite}}},
        {"a grid of space four puts a dot every third pixel",
         [] {
             TCCForm s;
             s.setGridVisible(1);
             return paintAlone(s);
         },
         {{35, 0, ".-..-"}, {0, 15, "-..-..-..-.."}, {0, 16, times(160, '.')}, {150, 159, "-..-..-..-"}}},
        {"a grid of space six puts a dot every fifth pixel",
         [] {
             TCCForm s;
             s.setGridVisible(1);
             s.setGridSpace(6);
             return paintAlone(s);
         },
         {{0, 15, "-....-....-"}, {0, 18, times(160, '.')}, {0, 20, "-....-....-"}}},
        {"a grid of space one draws nothing",
         [] {
             TCCForm s;
             s.setGridVisible(1);
             s.setGridSpace(1);
             return paintAlone(s);
         },
         {{0, 15, times(160, '.')}}},
        {"the grid on a gray screen is white and the frame takes its colour",
         [] {
             TCCForm s;
             s.setGridVisible(1);
             s.setColorFormFill(kPalmGray);
             s.setColorFormFrame(kRed);
             return paintAlone(s);
         },
         {{0, 15, ".--.--."}, {80, 13, "r"}, {35, 5, "r"}}},
        {"the menu bar is rounded and casts a shadow", [] { return paintAlone(TCCMenuBar()); },
         {{0, 0, "." + times(157, '#') + ".."},
          {0, 14, ".." + times(154, '#') + "...."},
          {159, 0, ".." + times(9, '#') + "....", true}}},
        {"an open menu drops its items below the title",
         [] {
             TCCMenu m;
             m.setItems({"A", "B", "C"});
             return paintAlone(m);
         },
         {{0, 0, times(35, '#')},
          {0, 46, "." + times(29, '#') + "....."},
          {0, 47, "..." + times(26, '#') + "......"},
          {0, 0, "#" + times(12, '.') + times(33, '#') + "..", true}},
         {{QRect(2, 1, 29, 12), "PilotBold", "Topic", 4, 1, kPalmWhite},
          {QRect(1, 15, 29, 10), "PilotBold", "A", 2, 14}}},
        {"a closed menu shows its title between the bar lines",
         [] {
             TCCMenu m;
             m.setItems({"A"});
             m.setTest(0);
             return paintAlone(m);
         },
         {{0, 14, times(35, '#')}, {1, 0, "#" + times(12, '.') + "##", true}},
         {{QRect(0, 1, 35, 12), "PilotBold", "Topic", 4, 1}}},
        {"an open menu without items draws the bar lines under its title",
         [] { return paintAlone(TCCMenu()); },
         {{0, 13, times(35, '#')}, {1, 5, "#"}, {31, 5, "#."}}},
        {"radio cells side by side share their borders and the chosen one is inverted",
         [] { return radio(1, 0); },
         {{0, 13, times(31, '#')},
          {10, 0, times(14, '#'), true},
          {20, 0, times(14, '#'), true},
          {11, 1, "#"},
          {21, 1, "."}},
         {{QRect(1, 1, 9, 12), "PalmText9", "A", 3, 0},
          {QRect(11, 1, 9, 12), "PalmText9", "B", 13, 0, kPalmWhite}}},
        {"a radio choice outside the items highlights none", [] { return radio(7, 0); },
         {{11, 1, "."}, {19, 12, "."}}},
        {"stacked radio cells form a column",
         [] { return radio(1, 1); },
         {{0, 13, times(11, '#')}, {0, 26, times(11, '#')}, {1, 12, "."}, {1, 14, "#"}, {9, 25, "#"}, {1, 27, "."}},
         {{QRect(1, 14, 9, 12), "PalmText9", "B", 3, 13, kPalmWhite}}},
        {"a radio group takes the colours of its container",
         [] {
             TCCForm screen;
             screen.setColorFrame(kRed);
             screen.setColorFill(kGreen);
             TCCRadio r;
             r.setItems({QString(), QString()});
             r.setSelectedItem(-1);
             r.setPalmForm(&screen);
             return paintAlone(r);
         },
         {{0, 0, "r"}, {15, 5, "r"}, {5, 5, "g"}}},
        {"table columns are outlined with dotted lines between them",
         [] { return table({"~~"}, {"25", "25", "25"}); },
         {{0, 45, times(77, '#')},
          {25, 0, "#" + alternating(44, '.', '#') + "#", true},
          {50, 0, "#.#.", true},
          {76, 0, times(46, '#'), true},
          {1, 5, times(24, '.')}}},
        {"table cells are aligned by their column",
         [] { return table({"ab~ab~ab"}, {"25", "25", "25"}, {"0", "1", "2"}); },
         {},
         {{QRect(1, 1, 24, 44), "PalmText9", "ab", 2, 1},
          {QRect(26, 1, 24, 44), "PalmText9", "ab", 33, 1},
          {QRect(51, 1, 25, 44), "PalmText9", "ab", 64, 1}}},
        {"a first column width of zero draws nothing but the background",
         [] { return table({"ab~ab~ab"}, {"0", "25", "25"}); },
         {{0, 0, times(77, '.')}, {0, 20, times(77, '.')}, {0, 45, times(77, '.')}}},
        {"table columns stop where their widths run out",
         [] { return table({"~~"}, {"30", "wide"}); },
         {{0, 0, times(31, '#') + times(46, '.')}, {30, 0, times(46, '#'), true}}},
        {"hex digits give four pixels each, row by row, and others count as zero",
         [] {
             TCCBitmap b;
             b.setBounds(0, 0, 8, 3);
             b.setStringBits("F00AZ9");
             return paintAlone(b);
         },
         {{0, 0, "####...."}, {0, 1, "....#.#."}, {0, 2, "....#..#"}}},
        {"a width of ten takes three digits a row and cuts the last",
         [] {
             TCCBitmap b;
             b.setBounds(0, 0, 10, 2);
             b.setStringBits("00F8000");
             b.setColorFore(kPalmGray);
             return paintAlone(b);
         },
         {{0, 0, "........--"}, {0, 1, "-........."}}},
        {"a bitmap's ground is its container's",
         [] {
             TCCForm gray;
             gray.setColorFormFill(kPalmGray);
             TCCBitmap b;
             b.setBounds(0, 0, 4, 1);
             b.setStringBits("9");
             b.setPalmForm(&gray);
             return paintAlone(b, kPalmWhite);
         },
         {{0, 0, "#--#"}}},
    });
}

} // namespace
} // namespace zf::test
