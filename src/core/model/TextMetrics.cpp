#include "core/model/TextMetrics.h"
#include "core/canvas/PalmFonts.h"
#include "core/files/FontValue.h"

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
