#pragma once

#include <QString>

namespace zf {

// The text of items and table cells as the user types or pastes it. The
// handheld draws a control character as a box, so none gets in: a tab
// becomes a space, the way it looked where it was copied; line breaks of
// any system become "\n" where lines are kept (one item per line) and a
// space elsewhere; every other control character goes.
QString printableText(QStringView text, bool keepLineBreaks);

} // namespace zf
