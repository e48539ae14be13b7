#pragma once

#include "core/base/TextAlignment.h"
#include "core/model/DesignObject.h"

namespace zf {

// A button of CControls; the PToolBox "Select" box is the same class with
// Tag 3, which makes its width follow its text.
class TCCButton : public DesignObjectOf<TCCButton, DesignObject>
{
public:
    static constexpr ClassId kClassId = ClassId::TCCButton;
    static constexpr int kSelectTag = 3;
    static inline const QString kDefaultDotColors =
        QStringLiteral("Black,White,Black,White,Black,White,Black");

    TCCButton() : DesignObjectOf(40, 14) {}
    ClassId classId() const override { return kClassId; }
    bool hasPalmForm() const override { return true; }
    void setTag(int tag) override;

    PalmColor colorFill() const { return m_colorFill; }
    PalmColor colorText() const { return m_colorText; }
    void setColorFill(PalmColor c) { assign(m_colorFill, c); }
    void setColorText(PalmColor c) { assign(m_colorText, c); }

    const QString &content() const { return m_content; }
    void setContent(const QString &content);

    const QString &dotColors() const { return m_dotColors; }
    int dotFormat() const { return m_dotFormat; }
    int dotPicker() const { return m_dotPicker; }
    const QString &dotTitle() const { return m_dotTitle; }
    void setDotColors(const QString &colors) { assign(m_dotColors, colors); }
    void setDotFormat(int format) { assign(m_dotFormat, format); }
    void setDotPicker(int picker) { assign(m_dotPicker, picker); }
    void setDotTitle(const QString &title) { assign(m_dotTitle, title); }

    int line() const { return m_line; }
    void setLine(int line) { assign(m_line, line); }
    int radius() const { return m_radius; }
    void setRadius(int radius) { assign(m_radius, radius); }
    const QString &showForm() const { return m_showForm; }
    void setShowForm(const QString &form) { assign(m_showForm, form); }
    int userEnabled() const { return m_userEnabled; }
    int userVisible() const { return m_userVisible; }
    void setUserEnabled(int value) { assign(m_userEnabled, value); }
    void setUserVisible(int value) { assign(m_userVisible, value); }
    TextAlignment alignment() const { return m_alignment; }
    void setAlignment(TextAlignment alignment) { assign(m_alignment, alignment); }

    bool isSelectBox() const { return tag() == kSelectTag; }

protected:
    UserOffsets userOffsets() const override { return {1, 1, -2, -2}; }
    void normalizeGeometry() override;

private:
    PalmColor m_colorFill = kPalmWhite;
    PalmColor m_colorText = kPalmBlack;
    QString m_content;
    QString m_dotColors = kDefaultDotColors;
    int m_dotFormat = 8;
    int m_dotPicker = 0;
    QString m_dotTitle;
    int m_line = 1;
    int m_radius = 4;
    QString m_showForm;
    int m_userEnabled = 0;
    int m_userVisible = 0;
    TextAlignment m_alignment = TextAlignment::Left;
};

} // namespace zf
