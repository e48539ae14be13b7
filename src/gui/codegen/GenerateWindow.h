#pragma once

namespace zf {

class TMainForm;

// Ties the main window's Generate Code command to the generate window. One
// window serves every Generate Code, so what it shows stays between
// showings.
void ConnectGenerateWindow(TMainForm &main);

} // namespace zf
