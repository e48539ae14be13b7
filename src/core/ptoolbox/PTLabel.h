#pragma once

#include "core/model/DesignObject.h"

namespace zf {

// A PToolBox label is always exactly as large as its text.
class TPTLabel : public DesignObjectOf<TPTLabel, DesignObject>
{
public:
    static constexpr ClassId kClassId = ClassId::TPTLabel;
    static constexpr int kEmptyHeight = 11;

    TPTLabel();
    ClassId classId() const override { return kClassId; }
    bool hasPalmForm() const override { return true; }

    PalmColor colorText() const { return m_colorText; }
    void setColorText(PalmColor c) { assign(m_colorText, c); }
    const QString &content() const { return m_content; }
    void setContent(const QString &content);

protected:
    void normalizeGeometry() override;

private:
    PalmColor m_colorText = kPalmBlack;
    QString m_content;
};

} // namespace zf
