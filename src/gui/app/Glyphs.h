#pragma once

#include "core/model/ControlKind.h"

#include <QIcon>

namespace zf {

// The program's own toolbar glyphs, drawn in code on a 24-pixel grid so they
// stay crisp at every screen density.
enum class Glyph {
    NewProject,
    OpenProject,
    SaveProject,
    NewForm,
    OpenForm,
    SaveForm,
    Cut,
    Copy,
    Paste,
    Undo,
    Redo,
    GenerateCode,
    AlignLeft,
    AlignRight,
    AlignTop,
    AlignBottom,
    SameWidth,
    SameHeight,
    CenterHorizontally,
    CenterVertically,
    SpaceHorizontally,
    SpaceVertically,
    FitToText,
    Application,
};

QIcon glyphIcon(Glyph glyph);
// One glyph per toolbox kind.
QIcon kindIcon(ControlKind kind);

} // namespace zf
