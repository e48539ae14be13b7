#pragma once

#include "core/ccontrols/CCTextLine.h"

namespace zf {

class TCCLabel : public DesignObjectOf<TCCLabel, TCCTextLine>
{
public:
    static constexpr ClassId kClassId = ClassId::TCCLabel;
    TCCLabel() : DesignObjectOf(32, 1, 2) {}
    ClassId classId() const override { return kClassId; }
};

} // namespace zf
