#include "core/controls/CCPaintParts.h"
#include "core/ptoolbox/PTList.h"
#include "core/ptoolbox/PTPaint.h"

namespace zf {

void paint(Canvas &canvas, const TPTList &list)
{
    const int w = list.width();
    const int h = list.height();
    const ColorSet set = containerColors(list);
    const ListColors colors{set.frame, set.fill, set.text, set.selectedFill, set.selectedFore};
    fillBackground(canvas, list, colors.fill);
    canvas.setFont(list.font().name());

    ListRows rows;
    rows.items = &list.items();
    rows.visible = list.maxItems();
    rows.selected = list.selectedItem();
    rows.rowHeight = list.rowHeight();
    const bool popup = list.style() == TPTList::PopTriggered || list.style() == TPTList::PopupList;
    if (popup) {
        // Looks like an opened drop-down list.
        rows.right = w - 3;
        paintOpenList(canvas, w, h, rows, colors);
    } else {
        // Any other style stands alone: a plain frame, rows flush with it.
        rows.right = w - 2;
        rows.textTop = 0;
        canvas.setPen(colors.frame);
        canvas.setClearBrush();
        canvas.polygon({{0, 0}, {w - 1, 0}, {w - 1, h - 1}, {0, h - 1}});
        paintListRows(canvas, rows, colors);
        paintScrollArrow(canvas, w - 8, h - 10, rows, colors);
    }
    paintSelection(canvas, list);
}

} // namespace zf
