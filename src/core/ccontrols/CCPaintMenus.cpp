#include "core/canvas/Canvas.h"
#include "core/ccontrols/CCMenu.h"
#include "core/ccontrols/CCMenuBar.h"
#include "core/ccontrols/CCPaint.h"
#include "core/controls/CCPaintParts.h"

namespace zf {

void paint(Canvas &canvas, const TCCMenuBar &bar)
{
    fillBackground(canvas, bar, bar.color());
    canvas.setPen(kPalmBlack);
    canvas.setClearBrush();
    canvas.polygon({{1, 0}, {157, 0}, {158, 1}, {158, 12}, {157, 13}, {1, 13}, {0, 12}, {0, 1}});
    canvas.line(159, 2, 159, 11);
    canvas.line(2, 14, 156, 14);
    paintSelection(canvas, bar);
}

void paint(Canvas &canvas, const TCCMenu &menu)
{
    const int w = menu.width();
    const int h = menu.height();
    const PalmColor ground = menu.color();
    const bool open = menu.isOpen();
    const QStringList &items = menu.items();
    fillBackground(canvas, menu, ground);
    canvas.setFont(menu.font().name());

    // The title cell: inverted while the menu is open.
    const PalmColor cell = open ? kPalmBlack : ground;
    const int tw = menu.topicWidth();
    canvas.setPen(cell);
    canvas.setBrush(cell);
    canvas.polygon({{1, 0}, {tw, 0}, {tw, 13}, {1, 13}});
    canvas.setFontColor(open ? ground : kPalmBlack);
    canvas.textOut(4, 1, menu.topic());

    canvas.setPen(kPalmBlack);
    if (open) {
        canvas.setFontColor(kPalmBlack);
        for (int i = 0; i < items.size(); ++i)
            canvas.textOut(2, 11 * i + 14, items.at(i));
    }
    if (open && !items.isEmpty()) {
        // The drop-down box with its rounded bottom corners and its shadow,
        // and the bar's bottom lines where the box does not cover them.
        const QPoint l0(0, 13);
        const QPoint l1(menu.userWidth() - 2, 13);
        const QPoint l2(menu.userWidth() - 2, h - 2);
        const QPoint l3(0, h - 2);
        canvas.setClearBrush();
        canvas.polygon({l0,
                        l1,
                        {l2.x(), l2.y() - 1},
                        {l2.x() - 1, l2.y()},
                        {l3.x() + 1, l3.y()},
                        {l3.x(), l3.y() - 1}});
        canvas.line(l1.x() + 1, 13, l2.x() + 1, l2.y() - 2);
        canvas.line(l2.x() - 2, l2.y() + 1, l3.x() + 2, l3.y() + 1);
        canvas.line(w, 13, 0, 13);
        canvas.line(w, 14, l2.x(), 14);
    } else {
        canvas.line(0, 13, w, 13);
        canvas.line(0, 14, w, 14);
    }
    canvas.line(0, 0, w, 0);
    paintSelection(canvas, menu);
}

} // namespace zf
