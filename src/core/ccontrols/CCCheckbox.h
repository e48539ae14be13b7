#pragma once

#include "core/model/DesignObject.h"

namespace zf {

class TCCCheckbox : public DesignObjectOf<TCCCheckbox, DesignObject>
{
public:
    static constexpr ClassId kClassId = ClassId::TCCCheckbox;
    static constexpr int kHeight = 13;

    TCCCheckbox() : DesignObjectOf(58, kHeight) {}
    ClassId classId() const override { return kClassId; }

    const QString &content() const { return m_content; }
    void setContent(const QString &content) { assign(m_content, content); }
    int state() const { return m_state; }
    void setState(int state) { assign(m_state, state); }

protected:
    UserOffsets userOffsets() const override { return {1, 1, 0, 0}; }
    void normalizeGeometry() override { setSizeRaw(width(), kHeight); }

private:
    QString m_content;
    int m_state = 0;
};

} // namespace zf
