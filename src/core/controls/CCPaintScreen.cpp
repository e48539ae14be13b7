#include "core/canvas/Canvas.h"
#include "core/controls/CCPaintParts.h"
#include "core/controls/SharedPaint.h"
#include "core/model/CCForm.h"

namespace zf {

void paint(Canvas &canvas, const TCCForm &screen)
{
    const PalmColor ground = screen.colorFormFill();
    const PalmColor frame = screen.colorFormFrame();
    fillBackground(canvas, screen, ground);
    // The grid's step is one less than its space: 3 pixels for the usual 4.
    if (screen.gridVisible() != 0 && screen.gridSpace() != 0)
        paintGrid(canvas, screen.gridSpace() - 1, screen.width(), screen.height(), ground);

    // The title line, two pixels high, across the whole screen.
    canvas.setPen(frame);
    canvas.setClearBrush();
    canvas.polygon({{0, 13}, {159, 13}, {159, 14}, {0, 14}});

    // The title tab, as wide as the title.
    canvas.setFont(QStringLiteral("PilotBold"));
    canvas.setBrush(frame);
    const int t = canvas.textWidth(screen.title());
    canvas.polygon({{1, 0}, {t + 3, 0}, {t + 4, 1}, {t + 4, 12}, {0, 12}, {0, 1}});
    canvas.setFontColor(ground);
    if (!screen.title().isEmpty())
        canvas.textOut(3, 2, screen.title());
}

} // namespace zf
