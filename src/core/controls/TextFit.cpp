#include "core/controls/TextFit.h"
#include "core/canvas/PalmFonts.h"
#include "core/canvas/TextMetrics.h"
#include "core/model/DesignObject.h"

namespace zf {

namespace {

// The height of a text line on the handheld. The screen's own face draws the
// Standard font with a pixel of air above and below; a control sized to its
// text holds the Standard font's line, as on the device.
int handheldLineHeight(const FontValue &font)
{
    const bool screenFace =
        font.name().compare(QLatin1String("PalmText9"), Qt::CaseInsensitive) == 0;
    return palmFont(screenFace ? QStringLiteral("PilotStandard") : font.name()).lineHeight();
}

} // namespace

void fitToText(DesignObject &object, const QString &text, TextMargins margins)
{
    object.setWidth(saturate(qint64(textWidth(object.font(), text)) + margins.width));
    if (margins.height != kKeepHeight)
        object.setHeight(saturate(qint64(handheldLineHeight(object.font())) + margins.height));
}

} // namespace zf
