#pragma once

#include "core/base/TextAlignment.h"
#include "core/model/DesignObject.h"

namespace zf {

// What a CControls label and edit share: a one-line text with an outline
// style, always 13 pixels high.
class TCCTextLine : public DesignObject
{
public:
    static constexpr int kHeight = 13;

    const QString &content() const { return m_content; }
    void setContent(const QString &content) { assign(m_content, content); }
    int line() const { return m_line; }
    void setLine(int line) { assign(m_line, line); }
    int style() const { return m_style; }
    void setStyle(int style) { assign(m_style, style); }
    TextAlignment alignment() const { return m_alignment; }
    void setAlignment(TextAlignment alignment) { assign(m_alignment, alignment); }

protected:
    TCCTextLine(int width, int line, int style)
        : DesignObject(width, kHeight), m_line(line), m_style(style)
    {
    }
    UserOffsets userOffsets() const override { return {1, 1, -2, 0}; }
    void normalizeGeometry() override { setSizeRaw(width(), kHeight); }

private:
    QString m_content;
    int m_line;
    int m_style;
    TextAlignment m_alignment = TextAlignment::Left;
};

} // namespace zf
