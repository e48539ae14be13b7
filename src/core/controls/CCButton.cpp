#include "core/controls/CCButton.h"
#include "core/canvas/TextMetrics.h"

namespace zf {

void TCCButton::setTag(int tag)
{
    DesignObject::setTag(tag);
    normalizeGeometry();
}

void TCCButton::setContent(const QString &content)
{
    assign(m_content, content);
    normalizeGeometry();
}

void TCCButton::normalizeGeometry()
{
    // A select box is always as wide as its text plus its frame.
    if (isSelectBox())
        setSizeRaw(textWidth(font(), m_content) + 7, height());
}

} // namespace zf
