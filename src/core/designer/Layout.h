#pragma once

#include <vector>

namespace zf {

class DesignForm;
class DesignObject;

// The layout commands of a design window's popup menu and of the Align &
// Size toolbar. Each works on the selected controls of one group of siblings
// at a time (the controls lying on the screen, or the controls of one
// dialog), is one undo step, and leaves the selection, its colours and the
// stacking order as they were. None of them runs the resize handler
// (ControlaResize), even where sizes change: the selection stays whole. With
// a library other than CControls or PToolBox they do nothing.

enum class AlignMode { Left, Right, Top, Bottom, Width, Height };
enum class LayoutDirection { Horizontal, Vertical };

// Align Left, Right, Top, Bottom, Same Width and Same Height: every selected
// control of the reference's group takes the reference's value. The reference
// is the first selected control, in child order, that carries the primary
// selection colour: on the screen, or else inside a dialog. The values read
// and written are each kind's layout values (core/model/KindSpec.h). A kind that
// takes no part in Same Width or Same Height is left alone, and makes the
// command do nothing when it is the reference.
void AlignSelected(DesignForm &form, AlignMode mode);

// Centres every selected control of the screen on the screen, and every
// selected control of each dialog in its dialog, by design values: a selected
// dialog and its selected controls move in the same command.
void CenterSelected(DesignForm &form, LayoutDirection direction);

// Spaces the selected controls of each group equally between the first and
// the last of them, by design values. The first keeps its place; the gap is
// truncated toward zero, so the last may move slightly, and it may be
// negative, letting the controls overlap.
void SpaceSelected(DesignForm &form, LayoutDirection direction);

// The objects the Format commands act on, each once: the selected controls
// of the screen and of its dialogs in child order, then the selected object
// where it carries no lasting mark (a menu, the menu bar).
std::vector<DesignObject *> FormatTargets(DesignForm &form);

// Format > Fit to Text: sizes the selected controls of every group, and the
// selected object (a menu, say), to their texts in their fonts, each by its
// kind's rule (KindSpec::fitToText); the others are left alone. One undo
// step; the selection stays whole, as with the other layout commands.
void FitSelectedToText(DesignForm &form);

} // namespace zf
