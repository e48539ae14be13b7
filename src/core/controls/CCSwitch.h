#pragma once

#include "core/model/DesignObject.h"

namespace zf {

// A two-state button of CControls; PToolBox's "Push" button, whose group
// number is held in Tag.
class TCCSwitch : public DesignObjectOf<TCCSwitch, DesignObject>
{
public:
    static constexpr ClassId kClassId = ClassId::TCCSwitch;

    TCCSwitch() : DesignObjectOf(32, 14) {}
    ClassId classId() const override { return kClassId; }
    bool hasPalmForm() const override { return true; }

    // Kept for the files; drawing takes the container's colours instead.
    PalmColor colorFill() const { return m_colorFill; }
    PalmColor colorFrame() const { return m_colorFrame; }
    PalmColor colorText() const { return m_colorText; }
    void setColorFill(PalmColor c) { assign(m_colorFill, c); }
    void setColorFrame(PalmColor c) { assign(m_colorFrame, c); }
    void setColorText(PalmColor c) { assign(m_colorText, c); }

    const QString &content() const { return m_content; }
    void setContent(const QString &content) { assign(m_content, content); }
    int line() const { return m_line; }
    void setLine(int line) { assign(m_line, line); }
    int radius() const { return m_radius; }
    void setRadius(int radius) { assign(m_radius, radius); }
    int state() const { return m_state; }
    void setState(int state) { assign(m_state, state); }

protected:
    UserOffsets userOffsets() const override { return {1, 1, -2, -2}; }

private:
    PalmColor m_colorFill = kPalmWhite;
    PalmColor m_colorFrame = kPalmBlack;
    PalmColor m_colorText = kPalmBlack;
    QString m_content;
    int m_line = 1;
    int m_radius = 0;
    int m_state = 0;
};

} // namespace zf
