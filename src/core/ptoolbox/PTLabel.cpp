#include "core/ptoolbox/PTLabel.h"
#include "core/canvas/TextMetrics.h"

namespace zf {

TPTLabel::TPTLabel()
    : DesignObjectOf(0, 0)
{
    normalizeGeometry();
}

void TPTLabel::setContent(const QString &content)
{
    assign(m_content, content);
    normalizeGeometry();
}

void TPTLabel::normalizeGeometry()
{
    const int textHeight = zf::textHeight(font(), m_content);
    setSizeRaw(textWidth(font(), m_content) + 1, textHeight != 0 ? textHeight : kEmptyHeight);
}

} // namespace zf
