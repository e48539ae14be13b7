#pragma once

namespace zf {

// Placement of a text in its control. The values are those a select box
// stores in form files ("Align"); other records map them explicitly.
enum class TextAlignment { Left = 0, Right = 1, Center = 2 };

} // namespace zf
