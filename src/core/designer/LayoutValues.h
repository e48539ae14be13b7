#pragma once

#include "core/model/ControlKind.h"

#include <optional>

namespace zf {

// Which of a control's two rectangles a layout command reads and writes: the
// one on the handheld (UserLeft, UserTop, ...) or the designer's (Left, Top,
// ..., the drawn frame included).
enum class LayoutSource { Palm, Design };

// The values of one kind that aligning and sizing use. Users line controls up
// by what the handheld shows, so most kinds use their Palm rectangle; kinds
// that size themselves or have no Palm size use their design values, and a
// kind whose size follows from its content takes no part in Same Width or
// Same Height at all.
struct LayoutValues
{
    LayoutSource position;      // left for Align Left, top for Align Top and Align Bottom
    LayoutSource rightPosition; // left for Align Right
    LayoutSource width;         // in the right edge, and what Same Width reads and sets
    LayoutSource height;        // in the bottom edge, and what Same Height reads and sets
    bool sameWidth;             // false: Same Width neither reads nor sets it
    bool sameHeight;
};

// The values of `kind` in `library` (1 CControls, 2 PToolBox); none for a
// kind the library does not place, and for any other library.
std::optional<LayoutValues> layoutValues(int library, ControlKind kind);

} // namespace zf
