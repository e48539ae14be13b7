#include "core/controls/CCPaintParts.h"
#include "core/controls/SharedPaint.h"
#include "core/model/PTDialog.h"

namespace zf {

void paint(Canvas &canvas, const TPTDialog &dialog)
{
    const int w = dialog.width();
    const int h = dialog.height();
    const PalmColor fill = dialog.colorDialogFill();
    const PalmColor frame = dialog.colorDialogFrame();
    // Around the rounded corners the screen shows through.
    const DesignContainer *screen = dialog.parent();
    fillBackground(canvas, dialog, screen ? screen->colorSet().background : dialog.color());
    canvas.fillRect(2, 14, w - 2, h - 2, fill);
    // The grid keeps to the screen's 160 pixels, as the screen's own does.
    if (dialog.gridVisible() != 0 && dialog.gridSpace() != 0)
        paintGrid(canvas, dialog.gridSpace() - 1, 160, 160, fill);

    // A frame two pixels wide with rounded corners, and the title bar.
    canvas.setPen(frame);
    canvas.setBrush(frame);
    canvas.line(2, 0, w - 2, 0);
    canvas.line(1, 1, w - 1, 1);
    canvas.polygon({{0, 2}, {1, 2}, {1, h - 3}, {0, h - 3}});
    canvas.polygon({{w - 2, 2}, {w - 1, 2}, {w - 1, h - 3}, {w - 2, h - 3}});
    canvas.line(1, h - 2, w - 1, h - 2);
    canvas.line(2, h - 1, w - 2, h - 1);
    canvas.setPixel(2, h - 3, frame);
    canvas.setPixel(w - 3, h - 3, frame);
    canvas.polygon({{2, 2}, {w - 3, 2}, {w - 3, 13}, {2, 13}});

    canvas.setFont(QStringLiteral("PilotBold"));
    canvas.setFontColor(fill);
    canvas.textOut((w - canvas.textWidth(dialog.title())) / 2, 2, dialog.title());
    paintSelection(canvas, dialog);
}

} // namespace zf
