#pragma once

#include "core/model/DesignContainer.h"

namespace zf {

// The screen of a form, 160 by 160 pixels: the container of the form's
// controls and dialogs in every library. Its colour set is the form's.
class TCCForm : public DesignObjectOf<TCCForm, DesignContainer>
{
public:
    static constexpr ClassId kClassId = ClassId::TCCForm;
    static inline const QString kObjectName = QStringLiteral("panScreen");

    TCCForm();
    ClassId classId() const override { return kClassId; }
    ColorSet colorSet() const override;

    PalmColor colorFill() const { return m_colorFill; }
    PalmColor colorFormFill() const { return m_colorFormFill; }
    PalmColor colorFormFrame() const { return m_colorFormFrame; }
    PalmColor colorFrame() const { return m_colorFrame; }
    PalmColor colorSelectedFill() const { return m_colorSelectedFill; }
    PalmColor colorSelectedFore() const { return m_colorSelectedFore; }
    PalmColor colorText() const { return m_colorText; }
    void setColorFill(PalmColor c) { assign(m_colorFill, c); }
    void setColorFormFill(PalmColor c) { assign(m_colorFormFill, c); }
    void setColorFormFrame(PalmColor c) { assign(m_colorFormFrame, c); }
    void setColorFrame(PalmColor c) { assign(m_colorFrame, c); }
    void setColorSelectedFill(PalmColor c) { assign(m_colorSelectedFill, c); }
    void setColorSelectedFore(PalmColor c) { assign(m_colorSelectedFore, c); }
    void setColorText(PalmColor c) { assign(m_colorText, c); }

    int style() const { return m_style; }
    void setStyle(int style) { assign(m_style, style); }

    const QString &title() const { return m_title; }
    void setTitle(const QString &title) { assign(m_title, title); }

private:
    PalmColor m_colorFill = kPalmWhite;
    PalmColor m_colorFormFill = kPalmWhite;
    PalmColor m_colorFormFrame = kPalmBlack;
    PalmColor m_colorFrame = kPalmBlack;
    PalmColor m_colorSelectedFill = kPalmBlack;
    PalmColor m_colorSelectedFore = kPalmWhite;
    PalmColor m_colorText = kPalmBlack;
    int m_style = 0;
    QString m_title = QStringLiteral("Form1");
};

} // namespace zf
