#pragma once

namespace zf {

class TMainForm;

// Creates the property window and the zoom window in the main window's
// client area, hidden until the workspace shows them, and ties them to the
// shell: the zoom view pauses around every question, each applied value
// refreshes it, and View > Go to Properties (F4) puts the keyboard in the
// sheet.
void CreatePropertyWindows(TMainForm &main);

} // namespace zf
