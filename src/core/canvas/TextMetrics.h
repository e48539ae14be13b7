#pragma once

#include <QString>

namespace zf {

struct FontValue;

// Text extents in the Palm bitmap fonts, for the sizes that follow from a
// text (a select box's width, a label's size, a list's row height). The width
// is the sum of the advances; the height is the font's line height, or 0 for
// an empty text.
int textWidth(const FontValue &font, const QString &text);
int textHeight(const FontValue &font, const QString &text);

} // namespace zf
