#pragma once

namespace zf {

class TMainForm;

// Ties the main window's Generate Code command to the generate window. One
// window serves every Generate Code, so what it shows stays between
// showings. View > Code shows the texts live in a dock window, which follows
// the settings Generate stores.
void ConnectGenerateWindow(TMainForm &main);

} // namespace zf
