#pragma once

#include <QString>

namespace zf {

class DesignProject;
class TMainForm;

// Cut, Copy and Paste through the system clipboard: the selected controls
// travel as our own MIME type, so they move between forms, projects and
// running copies of the program. Each acts on the project's selected object or its current
// design window, as the Edit menu does. Paste returns why nothing was
// pasted, when the library in force refuses the control.
void CutToClipboard(DesignProject &project);
void CopyToClipboard(DesignProject &project);
QString PasteFromClipboard(DesignProject &project);

// Binds the main window's Cut, Copy, Paste and Duplicate commands (Edit
// menu, Edit toolbar, Ctrl+X, Ctrl+C, Ctrl+V, Ctrl+D); a refused paste is
// told in the status bar.
void ConnectClipboardActions(TMainForm &window);

} // namespace zf
