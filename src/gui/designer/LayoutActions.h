#pragma once

class QMenu;

namespace zf {

class DesignForm;
class TMainForm;

// Adds the ten layout items, with their separators, to a design window's
// popup menu ("Align &Left" ... "Space = Vertically", object names "mnuALeft"
// ... "mnuEVertic"), and then "Fit to &Text" ("popFitToText"); each runs its
// command on `form`.
void AddLayoutItems(QMenu &menu, DesignForm &form);

// Binds the Align & Size toolbar and Format > Fit to Text: each runs its
// command on the current design window, and does nothing without one.
void ConnectLayoutActions(TMainForm &window);

} // namespace zf
