#pragma once

#include "core/model/ControlKind.h"

#include <optional>

namespace zf {

class DesignObject;

// What a placed object is to the PToolBox generator: its kind, as the
// PToolBox entries tell it; none for a class PToolBox does not place, which
// gets no code.
std::optional<ControlKind> ptKindOf(const DesignObject &object);

// A Button whose ButtonType is 1 repeats while held, and its code is that of
// a repeat button rather than a plain one.
bool isRepeatButton(const DesignObject &object);

} // namespace zf
