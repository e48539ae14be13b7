#pragma once

#include "core/model/DesignContainer.h"

namespace zf {

// The dialog of both libraries: a titled rectangle on the screen that holds
// controls of its own. Its Tag is the "Test" flag: 1 for the one dialog its
// form shows, 0 for a hidden one.
class TPTDialog : public DesignObjectOf<TPTDialog, DesignContainer>
{
public:
    static constexpr ClassId kClassId = ClassId::TPTDialog;

    TPTDialog() : DesignObjectOf(160, 160) {}
    ClassId classId() const override { return kClassId; }
    ColorSet colorSet() const override;

    PalmColor colorDialogFill() const { return m_colorDialogFill; }
    PalmColor colorDialogFrame() const { return m_colorDialogFrame; }
    PalmColor colorFill() const { return m_colorFill; }
    PalmColor colorFrame() const { return m_colorFrame; }
    PalmColor colorSelectedFill() const { return m_colorSelectedFill; }
    PalmColor colorSelectedFore() const { return m_colorSelectedFore; }
    PalmColor colorText() const { return m_colorText; }
    void setColorDialogFill(PalmColor c) { assign(m_colorDialogFill, c); }
    void setColorDialogFrame(PalmColor c) { assign(m_colorDialogFrame, c); }
    void setColorFill(PalmColor c) { assign(m_colorFill, c); }
    void setColorFrame(PalmColor c) { assign(m_colorFrame, c); }
    void setColorSelectedFill(PalmColor c) { assign(m_colorSelectedFill, c); }
    void setColorSelectedFore(PalmColor c) { assign(m_colorSelectedFore, c); }
    void setColorText(PalmColor c) { assign(m_colorText, c); }

    const QString &title() const { return m_title; }
    void setTitle(const QString &title) { assign(m_title, title); }

    bool isShown() const { return tag() == 1; }
    bool isShowing() const override { return isShown(); }

protected:
    UserOffsets userOffsets() const override { return {2, 2, -4, -4}; }

private:
    PalmColor m_colorDialogFill = kPalmWhite;
    PalmColor m_colorDialogFrame = kPalmBlack;
    PalmColor m_colorFill = kPalmWhite;
    PalmColor m_colorFrame = kPalmBlack;
    PalmColor m_colorSelectedFill = kPalmBlack;
    PalmColor m_colorSelectedFore = kPalmWhite;
    PalmColor m_colorText = kPalmBlack;
    QString m_title = QStringLiteral("Dialog");
};

} // namespace zf
