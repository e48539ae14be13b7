// One case per drawing rule of the PToolBox painters and of the dialog both
// libraries share; the golden form shows the states a user first sees.
#include "ccontrols/PaintCase.h"
#include "model/ModelFixture.h"

#include "core/model/CCForm.h"
#include "core/model/PTDialog.h"
#include "core/ptoolbox/PTButton.h"
#include "core/ptoolbox/PTCheckBox.h"
#include "core/ptoolbox/PTEdit.h"
#include "core/ptoolbox/PTGsi.h"
#include "core/ptoolbox/PTLabel.h"
#include "core/ptoolbox/PTList.h"
#include "core/ptoolbox/PTPopTrigger.h"

namespace zf::test {
namespace {

// Runs of characters: {count, c}, ...
std::string runs(std::initializer_list<std::pair<int, char>> parts)
{
    std::string text;
    for (const auto &[count, c] : parts)
        text += std::string(size_t(count), c);
    return text;
}

std::string dotted(int width)
{
    std::string dots;
    for (int x = 0; x < width; ++x)
        dots += (x & 1) ? '#' : '.';
    return dots;
}

QImage button(int frame)
{
    TPTButton b;
    b.setUserWidth(42);
    b.setUserHeight(13);
    b.setText(QString());
    b.setColor(kTestGray);
    b.setFrame(frame);
    return paintAlone(b);
}

// Three items in two rows of a font whose "A" is 13 pixels high.
TPTList threeItemList(int style = TPTList::StandAlone, int chosen = -1)
{
    TPTList list;
    list.setFontName(QStringLiteral("PalmText9"));
    list.setItems({QString(), QString(), QString()});
    list.setStyle(style);
    list.setSelectedItem(chosen);
    return list;
}

QImage field(int width, int height, const QString &text, int justification = 0)
{
    TPTEdit f;
    f.setBounds(0, 0, width, height);
    f.setUnderline(1);
    f.setText(text);
    f.setJustification(justification);
    return paintAlone(f);
}

// A screen with a gray ground and red text.
TCCForm screen()
{
    TCCForm s;
    s.setColorFormFill(kPalmGray);
    s.setColorText(kRed);
    return s;
}

QImage checkBox(const QString &text, int state, bool onScreen = false)
{
    const TCCForm s = screen();
    TPTCheckbox box;
    box.setHeight(text.isEmpty() ? 13 : 15);
    box.setState(state);
    box.setContent(text);
    if (onScreen) {
        box.setPalmForm(&s);
        box.setColorText(kGreen);
    }
    return paintAlone(box, onScreen ? kPalmWhite : kTestGray);
}

QImage popTrigger(PalmColor text, bool onScreen)
{
    const TCCForm s = screen();
    TPTPopTrigger trigger;
    trigger.setHeight(15);
    trigger.setColorText(text);
    if (onScreen)
        trigger.setPalmForm(&s);
    return paintAlone(trigger, onScreen ? kPalmWhite : kTestGray);
}

const std::string kButtonSide = runs({{1, '-'}, {1, '#'}, {42, '.'}, {1, '#'}, {1, '-'}});
const std::string kButtonCorner = runs({{2, '-'}, {2, '#'}, {38, '.'}, {2, '#'}, {2, '-'}});

TEST(PTPaint, EachDrawingRuleShowsInItsPixels)
{
    expectPaintCases({
        {"the standard frame is an octagon with rounded corner pixels",
         [] { return button(TPTButton::StandardFrame); },
         {{0, 0, std::string(46, '-')},
          {0, 1, runs({{4, '-'}, {38, '#'}, {4, '-'}})},
          {0, 2, kButtonCorner},
          {0, 3, runs({{2, '-'}, {1, '#'}, {40, '.'}, {1, '#'}, {2, '-'}})},
          {0, 8, kButtonSide},
          {0, 14, kButtonCorner},
          {0, 16, std::string(46, '-')}}},
        {"an unknown frame draws as the standard one", [] { return button(9); },
         {{0, 2, kButtonCorner}, {0, 8, kButtonSide}}},
        {"the square frame fills its corner pixels",
         [] { return button(TPTButton::SquareFrame); },
         {{0, 1, runs({{1, '-'}, {44, '#'}, {1, '-'}})}, {0, 2, kButtonSide},
          {0, 15, runs({{1, '-'}, {44, '#'}, {1, '-'}})}}},
        {"no frame fills one pixel short", [] { return button(TPTButton::NoFrame); },
         {{0, 1, runs({{1, '-'}, {43, '.'}, {2, '-'}})}, {0, 15, std::string(46, '-')}}},
        {"the bold frame is two pixels wide", [] { return button(TPTButton::BoldFrame); },
         {{0, 0, runs({{5, '-'}, {35, '#'}, {6, '-'}})},
          {0, 1, runs({{3, '-'}, {39, '#'}, {4, '-'}})},
          {0, 2, runs({{2, '-'}, {4, '#'}, {33, '.'}, {4, '#'}, {3, '-'}})},
          {0, 5, runs({{3, '#'}, {39, '.'}, {3, '#'}, {1, '-'}})},
          {0, 8, runs({{2, '#'}, {41, '.'}, {2, '#'}, {1, '-'}})},
          {0, 16, runs({{5, '-'}, {35, '#'}, {6, '-'}})}}},
        {"a single-line right-justified field is still written at the left",
         [] {
             TPTEdit f;
             f.setSingleLine(1);
             f.setJustification(1);
             return paintAlone(f);
         },
         {{0, 12, dotted(32)}, {0, 13, std::string(32, '.')}},
         {{QRect(0, 0, 32, 12), "PalmText9", "Edit", 0, 0}}},
        {"every row of a field is underlined",
         [] {
             TPTEdit f;
             f.setBounds(0, 0, 20, 40);
             f.setText(QString());
             return paintAlone(f);
         },
         {{0, 12, dotted(20)}, {0, 25, dotted(20)}, {0, 38, dotted(20)}, {0, 39, std::string(20, '.')}}},
        {"a field with underline off draws only its fill",
         [] {
             TPTEdit f;
             f.setBounds(0, 0, 20, 40);
             f.setText(QString());
             f.setUnderline(1);
             f.setColorFill(kPalmGray);
             return paintAlone(f, kPalmWhite);
         },
         {{0, 0, std::string(20, '-')}, {0, 12, std::string(20, '-')}, {0, 39, std::string(20, '-')}}},
        {"rows break after the last blank that fits",
         [] { return field(40, 39, "aa bb cc dd"); },
         {{0, 30, std::string(40, '.')}},
         {{QRect(0, 0, 40, 13), "PalmText9", "aa bb cc", 0, 0},
          {QRect(0, 13, 40, 13), "PalmText9", "dd", 0, 13}}},
        {"right-justified rows end at the right edge",
         [] { return field(40, 39, "aa bb cc dd", 1); },
         {},
         {{QRect(0, 0, 40, 13), "PalmText9", "aa bb cc", 8, 0},
          {QRect(0, 13, 40, 13), "PalmText9", "dd", 30, 13}}},
        {"text that fits is written at the left whatever the justification",
         [] { return field(40, 39, "aa", 1); },
         {},
         {{QRect(0, 0, 40, 39), "PalmText9", "aa", 0, 0}}},
        {"a word wider than the field is never shown",
         [] { return field(20, 39, "abcdefghijk lm"); },
         {{0, 5, std::string(20, '.')}, {0, 18, std::string(20, '.')}}},
        {"a field draws its fill, lines and text in their colours",
         [] {
             TPTEdit f;
             f.setColorFill(kPalmGray);
             f.setColorLines(kRed);
             f.setColorText(kGreen);
             return paintAlone(f, kPalmWhite);
         },
         {{0, 12, "-r-r"}, {31, 14, "-"}},
         {{QRect(0, 0, 32, 12), "PalmText9", "Edit", 0, 0, kGreen}}},
        {"a list in a thirteen-pixel font shows the arrow for more items than rows",
         [] { return paintAlone(threeItemList()); },
         {{0, 0, std::string(35, '#')},
          {0, 28, std::string(35, '#')},
          {34, 0, std::string(29, '#'), true},
          {26, 19, ".###."},
          {24, 22, ".#######."},
          {24, 25, "....#...."}}},
        {"stand-alone rows are written from their top and the chosen one filled",
         [] {
             TPTList l = threeItemList(TPTList::StandAlone, 0);
             l.setItems({"One", "Two", "Six"});
             return paintAlone(l);
         },
         {{1, 1, "#"}, {33, 13, "#"}, {33, 14, "."}},
         {{QRect(1, 1, 33, 13), "PalmText9", "One", 2, 0, kPalmWhite},
          {QRect(1, 14, 24, 14), "PalmText9", "Two", 2, 13}}},
        {"the arrow on the chosen last row takes the selected text colour",
         [] { return paintAlone(threeItemList(TPTList::StandAlone, 1)); },
         {{24, 22, "#.......#"}, {24, 25, "####.####"}}},
        {"a pop-triggered list looks like an opened drop-down",
         [] { return paintAlone(threeItemList(TPTList::PopTriggered, 0)); },
         {{0, 0, "." + std::string(32, '#') + ".."},
          {34, 0, ".." + std::string(23, '#') + "....", true},
          {0, 27, "." + std::string(32, '#') + ".."},
          {0, 28, "..." + std::string(29, '#') + "..."},
          {0, 13, std::string(35, '#')},
          {0, 14, "#.."},
          {24, 22, ".#######."}}},
        {"a popup list looks like an opened drop-down",
         [] { return paintAlone(threeItemList(TPTList::PopupList, 0)); },
         {{0, 0, "." + std::string(32, '#') + ".."}, {0, 28, "..." + std::string(29, '#') + "..."}}},
        {"a list takes the colour set of its container",
         [] {
             TCCForm s;
             s.setColorFrame(kRed);
             s.setColorFill(kGreen);
             s.setColorText(kBlue);
             TPTList l = threeItemList();
             l.setPalmForm(&s);
             return paintAlone(l);
         },
         {{0, 0, "r"}, {5, 5, "g"}, {28, 25, "b"}}},
        {"an emptied label shrinks to one by eleven of its container's ground",
         [] {
             const TCCForm s = screen();
             TPTLabel l;
             l.setPalmForm(&s);
             l.setContent("Abc");
             l.setContent(QString());
             return paintAlone(l, kPalmWhite);
         },
         {{0, 0, std::string(11, '-'), true}}},
        {"a label writes its text in its own colour",
         [] {
             const TCCForm s = screen();
             TPTLabel l;
             l.setPalmForm(&s);
             l.setColorText(kGreen);
             l.setContent("Hi");
             return paintAlone(l, kPalmWhite);
         },
         {{8, 0, "-"}},
         {{QRect(0, 0, 9, 13), "PalmText9", "Hi", 0, 0, kGreen}}},
        {"the shift indicator is an upward arrow eight by nine",
         [] {
             TPTGsi g;
             g.setBounds(0, 0, 20, 20);
             return paintAlone(g);
         },
         {{0, 0, "...##..."}, {0, 2, ".######."}, {0, 3, "########"}, {0, 8, "..####.."}, {0, 9, "!"}}},
        {"a selected shift indicator shows the corner handles only",
         [] {
             const TCCForm s = screen();
             TPTGsi g;
             g.setPalmForm(&s);
             g.setSelected(true);
             g.setSelectColor(kGreen);
             return paintAlone(g, kPalmWhite);
         },
         {{0, 0, "gggrrggg"}, {0, 6, "ggg"}, {1, 4, "-"}, {7, 4, "-"}}},
        {"a pop trigger draws its arrow and text",
         [] { return popTrigger(kPalmBlack, false); },
         {{0, 4, std::string(12, '.')}, {0, 5, "...########."}, {0, 6, "....######.."}, {0, 8, "......##...."}},
         {{QRect(13, 0, 22, 15), "PalmText9", "Pop", 15, 1}}},
        {"a pop trigger draws in its text colour", [] { return popTrigger(kGreen, false); },
         {{5, 5, "g"}},
         {{QRect(13, 0, 22, 15), "PalmText9", "Pop", 15, 1, kGreen}}},
        {"a pop trigger in a container takes the container's text colour and ground",
         [] { return popTrigger(kGreen, true); },
         {{5, 5, "r"}, {0, 0, "-"}},
         {{QRect(13, 0, 22, 15), "PalmText9", "Pop", 15, 1, kRed}}},
        {"a checked box is centred vertically",
         [] { return checkBox("Go", 1); },
         {{0, 2, std::string(15, '.')},
          {0, 3, "...........##.."},
          {0, 4, "...######.###.."},
          {0, 7, "...#.#####....."},
          {0, 11, "...########...."}}},
        {"a box in a container draws in the container's text colour",
         [] { return checkBox("Go", 1, true); },
         {{3, 4, "r"}, {9, 4, "-"}},
         {{QRect(16, 0, 42, 15), "PalmText9", "Go", 18, 2, kRed}}},
        {"an unchecked box is empty",
         [] {
             TPTCheckbox b;
             b.setContent("Go");
             return paintAlone(b);
         },
         {{0, 2, std::string(15, '.')}, {0, 3, "...########...."}, {0, 6, "...#......#...."}}},
        {"a box without a caption is centred on an empty text", [] { return checkBox("", 0); },
         {{0, 8, std::string(15, '.')}, {0, 9, "...########...."}, {0, 12, "...#......#...."}}},
    });
}

// Dialogs and the buttons in them draw over a form's gray screen.
class PTPaintOnAForm : public PToolBoxFixture
{
protected:
    TPTDialog *newDialog(const QString &title)
    {
        form->screen()->setColorFormFill(kPalmGray);
        TPTDialog *dialog = form->newDialog(QStringLiteral("Dl1"));
        dialog->setTitle(title);
        return dialog;
    }

    QImage buttonInDialog(int type)
    {
        TPTDialog *dialog = newDialog(QString());
        dialog->setColorFill(kRed);
        dialog->setColorText(kGreen);
        dialog->setColorFrame(kBlue);
        auto *button = place<TPTButton>(ControlKind::Button, 10, 20, dialog);
        button->setText(QStringLiteral("X"));
        button->setButtonType(type);
        return paintAlone(*button);
    }
};

TEST_F(PTPaintOnAForm, EachDrawingRuleShowsInItsPixels)
{
    const std::string side = std::string(14, '#') + std::string(67, '.') + "###";
    expectPaintCases({
        {"a dialog's frame is two pixels wide with rounded corners",
         [&] { return paintAlone(*newDialog(QString())); },
         {{0, 0, "--" + std::string(152, '#') + "--"},
          {0, 1, "-" + std::string(154, '#') + "-"},
          {0, 13, std::string(156, '#')},
          {0, 14, "##" + std::string(152, '.') + "##"},
          {0, 83, "--" + std::string(152, '#') + "--"},
          {0, 0, "--" + std::string(80, '#') + "--", true},
          {2, 0, side, true},
          {153, 0, side, true},
          {155, 0, "--" + std::string(80, '#') + "--", true}}},
        {"a dialog's title is centred in the body's colour",
         [&] {
             TPTDialog *dialog = newDialog(QStringLiteral("Options"));
             dialog->setColorDialogFill(kGreen);
             return paintAlone(*dialog);
         },
         {},
         {{QRect(2, 2, 152, 12), "PilotBold", "Options", 58, 2, kGreen}}},
        {"a dialog's grid of space six puts a dot every fifth pixel below the title bar",
         [&] {
             form->screen()->setGridVisible(1);
             form->screen()->setGridSpace(6);
             return paintAlone(*newDialog(QString()));
         },
         {{3, 15, "..-....-....-"}, {2, 16, std::string(152, '.')}, {3, 80, "..-....-....-"}, {5, 5, "#"}}},
        {"the grid on a gray dialog body is white",
         [&] {
             form->screen()->setGridVisible(1);
             form->screen()->setGridSpace(4);
             TPTDialog *dialog = newDialog(QString());
             dialog->setColorDialogFill(kPalmGray);
             return paintAlone(*dialog);
         },
         {{2, 15, "-.--.--."}, {2, 16, "--------"}}},
        {"a selected dialog shows eight handles",
         [&] {
             TPTDialog *dialog = newDialog(QString());
             dialog->setSelected(true);
             dialog->setSelectColor(kGreen);
             return paintAlone(*dialog);
         },
         {{76, 0, "#ggg"}, {153, 0, "ggg"}, {0, 40, "#ggg", true}, {153, 41, "ggg"}, {77, 83, "ggg"}}},
        {"a repeating button takes its dialog's fill and text",
         [&] { return buttonInDialog(1); },
         {{5, 8, "r"}, {5, 1, "b"}, {2, 2, "b"}},
         {{QRect(4, 3, 38, 11), "PalmText9", "X", 20, 2, kGreen}}},
        {"a standard button keeps its own fill and text",
         [&] { return buttonInDialog(0); },
         {{5, 8, "."}, {5, 1, "b"}, {0, 0, "."}},
         {{QRect(4, 3, 38, 11), "PalmText9", "X", 20, 2}}},
    });
}

} // namespace
} // namespace zf::test
