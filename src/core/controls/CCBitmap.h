#pragma once

#include "core/model/DesignObject.h"

namespace zf {

// A one-bit picture kept as hexadecimal text. CControls uses Tag as its
// "Clickable" flag: 1 an Image control, 0 a plain picture.
class TCCBitmap : public DesignObjectOf<TCCBitmap, DesignObject>
{
public:
    static constexpr ClassId kClassId = ClassId::TCCBitmap;

    TCCBitmap();
    ClassId classId() const override { return kClassId; }
    bool hasPalmForm() const override { return true; }

    PalmColor colorFore() const { return m_colorFore; }
    void setColorFore(PalmColor c) { assign(m_colorFore, c); }
    const QString &stringBits() const { return m_stringBits; }
    void setStringBits(const QString &bits) { assign(m_stringBits, bits); }

private:
    PalmColor m_colorFore = kPalmBlack;
    QString m_stringBits;
};

} // namespace zf
