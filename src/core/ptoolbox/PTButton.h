#pragma once

#include "core/model/DesignObject.h"

namespace zf {

// A PToolBox button: standard or repeating, with one of four frames.
class TPTButton : public DesignObjectOf<TPTButton, DesignObject>
{
public:
    static constexpr ClassId kClassId = ClassId::TPTButton;
    enum Frame { StandardFrame = 0, BoldFrame = 1, SquareFrame = 2, NoFrame = 3 };

    TPTButton() : DesignObjectOf(40, 14) {}
    ClassId classId() const override { return kClassId; }
    bool hasPalmForm() const override { return true; }

    int buttonType() const { return m_buttonType; }
    void setButtonType(int type) { assign(m_buttonType, type); }
    bool isRepeating() const { return m_buttonType != 0; }
    PalmColor colorFill() const { return m_colorFill; }
    PalmColor colorText() const { return m_colorText; }
    void setColorFill(PalmColor c) { assign(m_colorFill, c); }
    void setColorText(PalmColor c) { assign(m_colorText, c); }
    int frame() const { return m_frame; }
    void setFrame(int frame) { assign(m_frame, frame); }
    const QString &showForm() const { return m_showForm; }
    void setShowForm(const QString &form) { assign(m_showForm, form); }
    const QString &text() const { return m_text; }
    void setText(const QString &text) { assign(m_text, text); }

protected:
    UserOffsets userOffsets() const override { return {2, 2, -4, -4}; }

private:
    int m_buttonType = 0;
    PalmColor m_colorFill = kPalmWhite;
    PalmColor m_colorText = kPalmBlack;
    int m_frame = StandardFrame;
    QString m_showForm;
    QString m_text = QStringLiteral("Button");
};

} // namespace zf
