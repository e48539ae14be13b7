// One case per drawing rule of the CControls painters that the golden form,
// which shows every kind as a user first sees it, leaves out.
#include "ccontrols/PaintCase.h"

#include "core/ccontrols/CCCheckbox.h"
#include "core/ccontrols/CCDropDown.h"
#include "core/ccontrols/CCEdit.h"
#include "core/ccontrols/CCLabel.h"
#include "core/ccontrols/CCListBox.h"
#include "core/ccontrols/CCMenu.h"
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

QImage button(int radius, int line)
{
    TCCButton b;
    b.setBounds(0, 0, 10, 6);
    b.setColor(kTestGray);
    b.setRadius(radius);
    b.setLine(line);
    return paintAlone(b);
}

// A control of type T on a screen whose container colours are not the
// defaults, painted over green so that the ground it takes shows.
template <typename T> QImage onColouredScreen(int state = 0, int line = 1)
{
    TCCForm screen;
    screen.setColorFormFill(kTestGray);
    screen.setColorFrame(kRed);
    screen.setColorFill(kGreen);
    screen.setColorSelectedFill(kBlue);
    auto *control = static_cast<T *>(screen.children().insert(std::make_unique<T>()));
    if constexpr (std::is_same_v<T, TCCRadio>) {
        control->setItems({QString(), QString()});
        control->setSelectedItem(-1);
    } else {
        control->setBounds(0, 0, 12, 8);
        control->setRadius(4);
        control->setLine(line);
    }
    if constexpr (std::is_same_v<T, TCCSwitch>)
        control->setState(state);
    control->setPalmForm(&screen);
    return paintAlone(*control, kGreen);
}

QImage grayBox()
{
    TCCLabel label;
    label.setLine(2);
    return paintAlone(label);
}

QImage text(TextAlignment alignment, const char *font = "")
{
    TCCLabel label;
    label.setStyle(0);
    label.setContent(QStringLiteral("Hi"));
    label.setAlignment(alignment);
    if (*font)
        label.setFontName(QLatin1String(font));
    return paintAlone(label);
}

QImage underlined(int line)
{
    TCCEdit edit;
    edit.setLine(line);
    return paintAlone(edit);
}

template <typename T> QImage list(int items, int visible, int chosen, int height = 0)
{
    T l;
    l.setItems(QStringList(items, QString()));
    l.setVisibleItems(visible);
    l.setSelectedItem(chosen);
    if (height)
        l.setHeight(height);
    return paintAlone(l);
}

QImage screen(int gridSpace, PalmColor fill = kPalmWhite)
{
    TCCForm s;
    s.setGridVisible(1);
    s.setGridSpace(gridSpace);
    s.setColorFormFill(fill);
    s.setColorFormFrame(kRed);
    return paintAlone(s);
}

QImage radio(int chosen, int orientation)
{
    TCCRadio r;
    r.setItems({"A", "B", "C"});
    r.setSelectedItem(chosen);
    r.setOrientation(orientation);
    return paintAlone(r);
}

QImage table(QStringList widths)
{
    TCCTable t;
    t.setItems({"ab~ab~ab"});
    t.setColWidths(widths);
    t.setColAlign({"0", "0", "0"});
    return paintAlone(t);
}

QImage bitmap(int width, int height, const char *bits, PalmColor fore, PalmColor ground = 0)
{
    TCCForm s;
    s.setColorFormFill(ground);
    TCCBitmap b;
    b.setBounds(0, 0, width, height);
    b.setStringBits(QLatin1String(bits));
    b.setColorFore(fore);
    if (ground)
        b.setPalmForm(&s);
    return paintAlone(b, kPalmWhite);
}

TEST(CCPaint, EachDrawingRuleShowsInItsPixels)
{
    using enum TextAlignment;
    expectPaintCases({
        {"radius one cuts like radius two",
         [] { return button(1, 1); },
         {{0, 0, "-########-"}, {0, 1, "#-......-#"}}},
        {"radius two", [] { return button(2, 1); }, {{0, 0, "-########-"}}},
        {"radius zero is a rectangle",
         [] { return button(0, 1); },
         {{0, 0, "##########"}, {0, 1, "#-......-#"}}},
        {"a gray line drops every second pixel of the frame",
         [] { return button(0, 2); },
         {{0, 0, "#-#-#-#-#-"}, {0, 1, "--......--"}, {0, 2, "#........#"}}},
        {"line zero draws no frame and fills one pixel short",
         [] { return button(0, 0); },
         {{0, 0, ".........-"}, {0, 1, ".-......--"}, {0, 5, "----------"}}},
        {"a button takes its container's ground and frame but keeps black corners",
         [] { return onColouredScreen<TCCButton>(); },
         {{0, 0, "-"}, {3, 0, "r"}, {0, 4, "r"}, {1, 1, "#"}}},
        {"a released switch takes its container's fill",
         [] { return onColouredScreen<TCCSwitch>(); },
         {{0, 0, "-"}, {5, 4, "g"}, {1, 1, "#"}}},
        {"a pressed switch with a gray line shows the released fill in the gaps",
         [] { return onColouredScreen<TCCSwitch>(1, 2); },
         {{5, 4, "b"}, {3, 0, "gr"}, {1, 1, "g"}}},
        {"a gray box keeps even pixels along each edge",
         [] { return grayBox(); },
         {{0, 0, alternating(32, '#', '.')},
          {0, 0, "#.#.#.#.#.#.#", true},
          {31, 0, "..#.#.#.#.#..", true}}},
        {"a solid underline stops before the last pixel",
         [] { return underlined(1); },
         {{0, 12, times(31, '#') + '.'}}},
        {"line zero underlines nothing", [] { return underlined(0); }, {{0, 12, times(32, '.')}}},
        {"centred text",
         [] { return text(Center); },
         {},
         {{QRect(0, 0, 32, 13), "PalmText9", "Hi", 12, 0}}},
        {"a font lower than the control is centred vertically",
         [] { return text(Right, "PilotStandard"); },
         {},
         {{QRect(0, 0, 32, 13), "PilotStandard", "Hi", 22, 1}}},
        {"an unchecked box is empty",
         [] { return paintAlone(TCCCheckbox()); },
         {{0, 2, times(12, '.')}, {0, 3, "..########.."}, {0, 6, "..#......#.."}}},
        {"no more items than rows: no arrow",
         [] { return list<TCCListBox>(3, 3, -1); },
         {{0, 29, "#" + times(33, '.') + "#"}}},
        {"the arrow on the chosen last row takes the background colour",
         [] { return list<TCCListBox>(4, 3, 2); },
         {{0, 23, times(35, '#')}, {0, 29, times(26, '#') + "......." + "##"}, {0, 22, "#.."}}},
        {"the bottom edge is drawn again over a row that runs into it",
         [] { return list<TCCListBox>(4, 2, -1, 22); },
         {{0, 21, times(35, '#')}}},
        {"a closed drop-down without a choice shows the arrow alone",
         [] { return list<TCCDropDown>(4, 2, -1); },
         {{10, 5, times(25, '.')}}},
        {"a closed drop-down past its last item shows the arrow alone",
         [] { return list<TCCDropDown>(4, 2, 4); },
         {{10, 5, times(25, '.')}}},
        {"a grid of space four puts a dot every third pixel",
         [] { return screen(4); },
         {{35, 0, ".-..-"}, {0, 15, "-..-..-..-.."}, {0, 16, times(160, '.')}}},
        {"a grid of space one draws nothing", [] { return screen(1); }, {{0, 15, times(160, '.')}}},
        {"the grid on a gray screen is white and the frame takes its colour",
         [] { return screen(4, kPalmGray); },
         {{0, 15, ".--.--."}, {80, 13, "r"}, {35, 5, "r"}}},
        {"an open menu without items draws the bar lines under its title",
         [] { return paintAlone(TCCMenu()); },
         {{0, 13, times(35, '#')}, {1, 5, "#"}, {31, 5, "#."}}},
        {"a radio choice outside the items highlights none",
         [] { return radio(7, 0); },
         {{11, 1, "."}, {19, 12, "."}}},
        {"stacked radio cells form a column",
         [] { return radio(1, 1); },
         {{0, 13, times(11, '#')},
          {0, 26, times(11, '#')},
          {1, 12, "."},
          {9, 25, "#"},
          {1, 27, "."}},
         {{QRect(1, 14, 9, 12), "PalmText9", "B", 3, 13, kPalmWhite}}},
        {"a radio group takes its container's frame and fill",
         [] { return onColouredScreen<TCCRadio>(); },
         {{0, 0, "r"}, {5, 5, "g"}}},
        {"a first column width of zero draws nothing but the background",
         [] {
             return table({"0", "25", "25"});
         },
         {{0, 0, times(77, '.')}, {0, 5, times(77, '.')}, {0, 45, times(77, '.')}}},
        {"table columns stop where their widths run out",
         [] {
             return table({"30", "wide"});
         },
         {{0, 0, times(31, '#') + times(46, '.')}, {30, 0, times(46, '#'), true}}},
        {"hex digits give four pixels each, row by row, and others count as zero",
         [] { return bitmap(8, 3, "F00AZ9", kPalmBlack); },
         {{0, 0, "####...."}, {0, 1, "....#.#."}, {0, 2, "....#..#"}}},
        {"a width of ten takes three digits a row and cuts the last",
         [] { return bitmap(10, 2, "00F8000", kPalmGray); },
         {{0, 0, "........--"}, {0, 1, "-........."}}},
        {"a bitmap's ground is its container's",
         [] { return bitmap(4, 1, "9", kPalmBlack, kPalmGray); },
         {{0, 0, "#--#"}}},
    });
}

} // namespace
} // namespace zf::test
