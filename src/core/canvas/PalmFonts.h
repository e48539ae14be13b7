#pragma once

#include "core/canvas/BitmapFont.h"

#include <QString>
#include <QStringList>

namespace zf {

// The handheld's fonts, chosen by name everywhere a control draws or measures
// text. Like font resources on the device and on the desktop, they are one
// process-wide set: loaded once (lazily, from the data folder's "fonts", on the
// first palmFont() call) and shared by every form, canvas and model object.
// Only the user-interface thread uses them.

// The four fonts a form can choose, in the order they are loaded and reported.
// "PalmText9", the screen's own font, comes with them but is not reported.
QStringList palmFontNames();

// (Re)loads the set from dir: for each name a "<Name>.fon" there wins over our
// "<Name>.bdf". Returns the names of the four fonts found in neither form, in
// palmFontNames() order, so the caller can report "<Name>.fon" as missing. A
// missing font is replaced by the standard face; when "PilotStandard" itself
// is missing, by the copy of our standard face built into the program.
QStringList loadPalmFonts(const QString &dir);

// The font of that name (case ignored); an unknown name gives the standard
// face. The reference stays valid for the whole run; a later loadPalmFonts()
// changes what it measures.
const BitmapFont &palmFont(const QString &name);

} // namespace zf
