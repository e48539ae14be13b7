#include "core/canvas/TextMetrics.h"
#include "core/base/FontValue.h"
#include "core/canvas/PalmFonts.h"

namespace zf {

int textWidth(const FontValue &font, const QString &text)
{
    return palmFont(font.name()).textWidth(text);
}

int textHeight(const FontValue &font, const QString &text)
{
    return palmFont(font.name()).textHeight(text);
}

} // namespace zf
