#pragma once

#include <QString>

namespace zf {

class DesignProject;

// Arrow-key nudging: while the design surface has the user's attention
// (the project's cursorKeysActive()), the arrow keys move the selected
// control by one pixel or by the grid step, Space switches between the two
// and Delete deletes the selected control. The keys are watched, not taken:
// the focused widget receives them as well.

enum class NudgeKey { Space, Delete, Left, Up, Right, Down };

// A press on a control, or a release on the screen or a dialog, hands the
// keys to the design surface; the property window's grid and control
// chooser, and the Generate Code button, take them away.
void SwitchCursorKeysOn(DesignProject &project);
void SwitchCursorKeysOff(DesignProject &project);

// The status bar's arrow-key text: "Cursor keys activated - Grid Step" or
// "- Single Step" while the keys are on, empty while they are off.
QString CursorKeysStatusText(const DesignProject &project);

// How far an arrow key moves: 4 with View Grid on and the grid step chosen,
// else 1.
int NudgeStep(const DesignProject &project);

// Acts on one key while the keys are on; returns whether it did anything.
// The arrows move the selected control (not the form, the menu bar or a
// menu) without bringing it to the grid; the presses on one control in a row
// are one undo step. With `sizing` (Shift held) they size it instead, by the
// same step: Right and Down make it wider and higher, Left and Up narrower
// and lower, never below one pixel; each size then runs the resize handler,
// as a drag on an edge does.
bool NudgeKeyPressed(DesignProject &project, NudgeKey key, bool sizing = false);

} // namespace zf
