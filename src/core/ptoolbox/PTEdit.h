#pragma once

#include "core/model/DesignObject.h"

namespace zf {

// A PToolBox text field. Editable and Underline are stored inverted, as the
// library's flags are: 0 means editable and underlined.
class TPTEdit : public DesignObjectOf<TPTEdit, DesignObject>
{
public:
    static constexpr ClassId kClassId = ClassId::TPTEdit;

    TPTEdit() : DesignObjectOf(32, 15) {}
    ClassId classId() const override { return kClassId; }

    PalmColor colorCaret() const { return m_colorCaret; }
    PalmColor colorFill() const { return m_colorFill; }
    PalmColor colorHighlightBack() const { return m_colorHighlightBack; }
    PalmColor colorHighlightFore() const { return m_colorHighlightFore; }
    PalmColor colorLines() const { return m_colorLines; }
    PalmColor colorText() const { return m_colorText; }
    void setColorCaret(PalmColor c) { assign(m_colorCaret, c); }
    void setColorFill(PalmColor c) { assign(m_colorFill, c); }
    void setColorHighlightBack(PalmColor c) { assign(m_colorHighlightBack, c); }
    void setColorHighlightFore(PalmColor c) { assign(m_colorHighlightFore, c); }
    void setColorLines(PalmColor c) { assign(m_colorLines, c); }
    void setColorText(PalmColor c) { assign(m_colorText, c); }

    int editable() const { return m_editable; }
    int justification() const { return m_justification; }
    int maxChars() const { return m_maxChars; }
    int numbersOnly() const { return m_numbersOnly; }
    int singleLine() const { return m_singleLine; }
    int underline() const { return m_underline; }
    void setEditable(int flag) { assign(m_editable, flag); }
    void setJustification(int value) { assign(m_justification, value); }
    void setMaxChars(int count) { assign(m_maxChars, count); }
    void setNumbersOnly(int flag) { assign(m_numbersOnly, flag); }
    void setSingleLine(int flag) { assign(m_singleLine, flag); }
    void setUnderline(int flag) { assign(m_underline, flag); }

    const QString &text() const { return m_text; }
    void setText(const QString &text) { assign(m_text, text); }

private:
    PalmColor m_colorCaret = kPalmBlack;
    PalmColor m_colorFill = kPalmWhite;
    PalmColor m_colorHighlightBack = kPalmBlack;
    PalmColor m_colorHighlightFore = kPalmWhite;
    PalmColor m_colorLines = kPalmBlack;
    PalmColor m_colorText = kPalmBlack;
    int m_editable = 0;
    int m_justification = 0;
    int m_maxChars = 0;
    int m_numbersOnly = 0;
    int m_singleLine = 0;
    QString m_text = QStringLiteral("Edit");
    int m_underline = 0;
};

} // namespace zf
