#pragma once

#include "core/model/DesignObject.h"

namespace zf {

class TPTPopTrigger : public DesignObjectOf<TPTPopTrigger, DesignObject>
{
public:
    static constexpr ClassId kClassId = ClassId::TPTPopTrigger;

    TPTPopTrigger() : DesignObjectOf(35, 15) {}
    ClassId classId() const override { return kClassId; }
    bool hasPalmForm() const override { return true; }

    PalmColor colorText() const { return m_colorText; }
    void setColorText(PalmColor c) { assign(m_colorText, c); }
    const QString &text() const { return m_text; }
    void setText(const QString &text) { assign(m_text, text); }

private:
    PalmColor m_colorText = kPalmBlack;
    QString m_text = QStringLiteral("Pop");
};

} // namespace zf
