#pragma once

#include <QString>

namespace zf {

class DesignObject;

// Format > Fit to Text: a kind whose size follows its text is sized to the
// text in its own font plus the room its drawing keeps around the text. The
// margins are in design pixels, frame included.
struct TextMargins
{
    int width;
    // kKeepHeight for kinds of a fixed height (labels, check boxes).
    int height;
};
inline constexpr int kKeepHeight = -1;

// Framed buttons (chamfered or octagonal, with their corner cuts): two clear
// pixels between the text and the frame's slant on each side, and the text's
// line with a row above and two below, which gives 14 for the standard font.
inline constexpr TextMargins kButtonMargins{10, 3};
// A select box keeps its own width rule (its text plus 7, see TCCButton);
// fitting it only gives it the button's height.
inline constexpr TextMargins kSelectMargins{7, 3};
// A CControls label writes from x = 2 and keeps two pixels on the right.
inline constexpr TextMargins kLabelMargins{4, kKeepHeight};
// Check boxes write their text after the box: at x = 13 (CControls) and at
// x = 18 (PToolBox), and keep one pixel after it.
inline constexpr TextMargins kCheckBoxMargins{14, kKeepHeight};
inline constexpr TextMargins kPtCheckBoxMargins{19, 2};

// Sizes `object` to `text` in the object's font with `margins`. An empty text
// counts as the font's line height high and nothing wide.
void fitToText(DesignObject &object, const QString &text, TextMargins margins);

// A kind's fitting, as its entry names it: the text is what the member
// `Text` of the kind's class T gives.
template <typename T, auto Text, TextMargins Margins> void fitTextOf(DesignObject &object)
{
    fitToText(object, (static_cast<T &>(object).*Text)(), Margins);
}

} // namespace zf
