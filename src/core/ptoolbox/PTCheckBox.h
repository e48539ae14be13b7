#pragma once

#include "core/model/DesignObject.h"

namespace zf {

class TPTCheckbox : public DesignObjectOf<TPTCheckbox, DesignObject>
{
public:
    static constexpr ClassId kClassId = ClassId::TPTCheckbox;

    TPTCheckbox() : DesignObjectOf(58, 13) {}
    ClassId classId() const override { return kClassId; }
    bool hasPalmForm() const override { return true; }

    PalmColor colorText() const { return m_colorText; }
    void setColorText(PalmColor c) { assign(m_colorText, c); }
    const QString &content() const { return m_content; }
    void setContent(const QString &content) { assign(m_content, content); }
    // The library keeps group numbers in one byte.
    int groupNumber() const { return m_groupNumber; }
    void setGroupNumber(int group) { assign(m_groupNumber, quint8(group)); }
    int state() const { return m_state; }
    void setState(int state) { assign(m_state, state); }

protected:
    UserOffsets userOffsets() const override { return {1, 1, 0, 0}; }

private:
    PalmColor m_colorText = kPalmBlack;
    QString m_content;
    quint8 m_groupNumber = 0;
    int m_state = 0;
};

} // namespace zf
