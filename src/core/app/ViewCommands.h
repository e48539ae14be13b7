#pragma once

namespace zf {

class DesignForm;
class DesignProject;

// The grid of one form: shown on its screen and dialogs with a dot every
// 5 pixels and snapping by 4, or hidden with single-pixel moves.
void ApplyGrid(DesignForm &form, bool on);

// View Grid: the grid of every form, open or closed; new forms take the same
// state. Not an undo step: it is a view setting.
void SetGrid(DesignProject &project, bool on);

} // namespace zf
