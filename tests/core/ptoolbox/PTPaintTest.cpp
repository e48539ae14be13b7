// One case per drawing rule of the PToolBox painters, and of the dialog both
// libraries share, that the golden form leaves out.
#include "ccontrols/PaintCase.h"
#include "model/ModelFixture.h"

#include "core/model/CCForm.h"
#include "core/model/PTDialog.h"
#include "core/ptoolbox/PTButton.h"
#include "core/ptoolbox/PTCheckBox.h"
#include "core/ptoolbox/PTEdit.h"
#include "core/ptoolbox/PTLabel.h"
#include "core/ptoolbox/PTList.h"
#include "core/ptoolbox/PTPopTrigger.h"

namespace zf::test {
namespace {

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

// A field on gray of `width` x 39 with the underline off.
QImage field(const char *text, int justification, int width = 40)
{
    TPTEdit f;
    f.setBounds(0, 0, width, 39);
    f.setUnderline(1);
    f.setText(QLatin1String(text));
    f.setJustification(justification);
    return paintAlone(f);
}

QImage singleLineRightField()
{
    TPTEdit f;
    f.setSingleLine(1);
    f.setJustification(1);
    return paintAlone(f);
}

QImage colouredField()
{
    TPTEdit f;
    f.setColorFill(kPalmGray);
    f.setColorLines(kRed);
    f.setColorText(kGreen);
    return paintAlone(f, kPalmWhite);
}

// Three items in two rows of a font whose "A" is 13 pixels high, in a
// container whose frame is red, fill green and text blue.
QImage list(int style, int chosen, bool coloured = false)
{
    TCCForm s;
    s.setColorFrame(kRed);
    s.setColorFill(kGreen);
    s.setColorText(kBlue);
    TPTList l;
    l.setFontName(QStringLiteral("PalmText9"));
    l.setItems({QString(), QString(), QString()});
    l.setStyle(style);
    l.setSelectedItem(chosen);
    if (coloured)
        l.setPalmForm(&s);
    return paintAlone(l);
}

// A control of type T with green text, alone or on a screen with a gray
// ground and red text.
template <typename T> QImage greenText(const QString &text, bool onScreen)
{
    TCCForm s;
    s.setColorFormFill(kPalmGray);
    s.setColorText(kRed);
    T control;
    if (onScreen)
        control.setPalmForm(&s);
    control.setColorText(kGreen);
    if constexpr (std::is_same_v<T, TPTPopTrigger>)
        control.setText(text);
    else
        control.setContent(text);
    if constexpr (std::is_same_v<T, TPTCheckbox>)
        control.setState(1);
    if constexpr (!std::is_same_v<T, TPTLabel>)
        control.setHeight(15);
    return paintAlone(control, kPalmWhite);
}

QImage checkBox(const char *text)
{
    TPTCheckbox box;
    box.setContent(QLatin1String(text));
    return paintAlone(box);
}

TEST(PTPaint, EachDrawingRuleShowsInItsPixels)
{
    const std::string dotted32 = ".#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#";
    const std::string blank40(40, '.');
    expectPaintCases({
        {"an unknown frame draws as the standard one",
         [] { return button(9); },
         {{0, 2, "--##" + std::string(38, '.') + "##--"},
          {0, 8, "-#" + std::string(42, '.') + "#-"}}},
        {"a single-line right-justified field is still written at the left",
         [] { return singleLineRightField(); },
         {{0, 12, dotted32}, {0, 13, std::string(32, '.')}},
         {{QRect(0, 0, 32, 12), "PalmText9", "Edit", 0, 0}}},
        {"a field with the underline off draws only its fill",
         [] { return field("", 0, 20); },
         {{0, 12, std::string(20, '.')}, {0, 38, std::string(20, '.')}}},
        {"right-justified rows end at the right edge",
         [] { return field("aa bb cc dd", 1); },
         {{0, 30, blank40}},
         {{QRect(0, 0, 40, 13), "PalmText9", "aa bb cc", 8, 0},
          {QRect(0, 13, 40, 13), "PalmText9", "dd", 30, 13}}},
        {"text that fits is written at the left whatever the justification",
         [] { return field("aa", 1); },
         {},
         {{QRect(0, 0, 40, 39), "PalmText9", "aa", 0, 0}}},
        {"a word wider than the field is never shown",
         [] { return field("abcdefghijk lm", 0, 20); },
         {{0, 5, std::string(20, '.')}, {0, 18, std::string(20, '.')}}},
        {"a field draws its fill, lines and text in their colours",
         [] { return colouredField(); },
         {{0, 12, "-r-r"}, {31, 14, "-"}},
         {{QRect(0, 0, 32, 12), "PalmText9", "Edit", 0, 0, kGreen}}},
        {"the arrow on the chosen last row takes the selected text colour",
         [] { return list(TPTList::StandAlone, 1); },
         {{24, 22, "#.......#"}, {24, 25, "####.####"}}},
        {"a pop-triggered list looks like an opened drop-down",
         [] { return list(TPTList::PopTriggered, 0); },
         {{0, 0, "." + std::string(32, '#') + ".."},
          {34, 0, ".." + std::string(23, '#') + "....", true},
          {0, 28, "..." + std::string(29, '#') + "..."},
          {0, 13, std::string(35, '#')},
          {24, 22, ".#######."}}},
        {"a list takes the colour set of its container",
         [] { return list(TPTList::StandAlone, -1, true); },
         {{0, 0, "r"}, {5, 5, "g"}, {28, 25, "b"}}},
        {"an empty label is one by eleven of its container's ground",
         [] { return greenText<TPTLabel>(QString(), true); },
         {{0, 0, std::string(11, '-') + "!", true}}},
        {"a label writes its text in its own colour",
         [] { return greenText<TPTLabel>("Hi", true); },
         {{8, 0, "-"}},
         {{QRect(0, 0, 9, 13), "PalmText9", "Hi", 0, 0, kGreen}}},
        {"a pop trigger draws in its own text colour",
         [] { return greenText<TPTPopTrigger>("Pop", false); },
         {{5, 5, "g"}},
         {{QRect(13, 0, 22, 15), "PalmText9", "Pop", 15, 1, kGreen}}},
        {"a pop trigger in a container takes the container's text colour and ground",
         [] { return greenText<TPTPopTrigger>("Pop", true); },
         {{5, 5, "r"}, {0, 0, "-"}},
         {{QRect(13, 0, 22, 15), "PalmText9", "Pop", 15, 1, kRed}}},
        {"a box in a container draws in the container's text colour",
         [] { return greenText<TPTCheckbox>("Go", true); },
         {{3, 4, "r"}, {9, 4, "-"}},
         {{QRect(16, 0, 42, 15), "PalmText9", "Go", 18, 2, kRed}}},
        {"an unchecked box is empty",
         [] { return checkBox("Go"); },
         {{0, 2, std::string(15, '.')}, {0, 3, "...########...."}, {0, 6, "...#......#...."}}},
        {"a box without a caption is centred on an empty text",
         [] { return checkBox(""); },
         {{0, 8, std::string(15, '.')}, {0, 9, "...########...."}, {0, 12, "...#......#...."}}},
    });
}

// Dialogs and the buttons in them, over a form's gray screen.
class PTPaintOnAForm : public PToolBoxFixture
{
protected:
    TPTDialog *dialog(PalmColor fill = kPalmWhite)
    {
        form->screen()->setColorFormFill(kPalmGray);
        TPTDialog *d = form->newDialog(QStringLiteral("Dl1"));
        d->setTitle(QStringLiteral("Options"));
        d->setColorDialogFill(fill);
        return d;
    }

    QImage selectedDialog()
    {
        TPTDialog *d = dialog();
        d->setSelected(true);
        d->setSelectColor(kGreen);
        return paintAlone(*d);
    }

    QImage buttonInDialog()
    {
        TPTDialog *d = dialog();
        d->setColorFill(kRed);
        d->setColorText(kGreen);
        d->setColorFrame(kBlue);
        auto *button = place<TPTButton>(ControlKind::Button, 10, 20, d);
        button->setText(QStringLiteral("X"));
        return paintAlone(*button);
    }
};

TEST_F(PTPaintOnAForm, EachDrawingRuleShowsInItsPixels)
{
    expectPaintCases({
        {"a dialog's title is centred in the body's colour",
         [&] { return paintAlone(*dialog(kGreen)); },
         {},
         {{QRect(2, 2, 152, 12), "PilotBold", "Options", 58, 2, kGreen}}},
        {"the grid on a gray dialog body is white",
         [&] {
             form->screen()->setGridVisible(1);
             return paintAlone(*dialog(kPalmGray));
         },
         {{2, 15, "-.--.--."}, {2, 16, "--------"}}},
        {"a selected dialog shows eight handles",
         [&] { return selectedDialog(); },
         {{76, 0, "#ggg"},
          {153, 0, "ggg"},
          {0, 40, "#ggg", true},
          {153, 41, "ggg"},
          {77, 83, "ggg"}}},
        {"a standard button keeps its own fill and text",
         [&] { return buttonInDialog(); },
         {{5, 8, "."}, {5, 1, "b"}, {0, 0, "."}},
         {{QRect(4, 3, 38, 11), "PalmText9", "X", 20, 2}}},
    });
}

} // namespace
} // namespace zf::test
