#pragma once

#include "core/model/DesignObject.h"

namespace zf {

// The shift indicator: a small arrow of fixed size; only its place and name
// can change.
class TPTGsi : public DesignObjectOf<TPTGsi, DesignObject>
{
public:
    static constexpr ClassId kClassId = ClassId::TPTGsi;
    static constexpr int kWidth = 8;
    static constexpr int kHeight = 9;

    TPTGsi() : DesignObjectOf(kWidth, kHeight) {}
    ClassId classId() const override { return kClassId; }
    bool hasPalmForm() const override { return true; }

protected:
    void normalizeGeometry() override { setSizeRaw(kWidth, kHeight); }
};

} // namespace zf
