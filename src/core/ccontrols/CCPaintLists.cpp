#include "core/ccontrols/CCDropDown.h"
#include "core/ccontrols/CCListBox.h"
#include "core/ccontrols/CCPaint.h"
#include "core/ccontrols/CCPopUp.h"
#include "core/controls/CCPaintParts.h"

namespace zf {

namespace {

// The lists of CControls are black on the control's background, the chosen
// row inverted.
ListColors plainListColors(PalmColor ground)
{
    return {kPalmBlack, ground, kPalmBlack, kPalmBlack, ground};
}

ListRows rowsOf(const ItemListObject &list, int visible, int right)
{
    ListRows rows;
    rows.items = &list.items();
    rows.visible = visible;
    rows.selected = list.selectedItem();
    rows.right = right;
    return rows;
}

void paintOpened(Canvas &canvas, const ItemListObject &list, int visible)
{
    const int w = list.width();
    const int h = list.height();
    fillBackground(canvas, list, list.color());
    canvas.setFont(list.font().name());
    paintOpenList(canvas, w, h, rowsOf(list, visible, w - 3), plainListColors(list.color()));
    paintSelection(canvas, list);
}

} // namespace

void paint(Canvas &canvas, const TCCListBox &list)
{
    const int w = list.width();
    const int h = list.height();
    const ListColors colors = plainListColors(list.color());
    const ListRows rows = rowsOf(list, list.visibleItems(), w - 2);
    fillBackground(canvas, list, list.color());
    canvas.setFont(list.font().name());
    canvas.setPen(kPalmBlack);
    canvas.setClearBrush();
    canvas.polygon({{0, 0}, {w - 1, 0}, {w - 1, h - 1}, {0, h - 1}});
    paintListRows(canvas, rows, colors);
    paintScrollArrow(canvas, w - 7, h - 9, rows, colors);
    // Rows of a list that is not a whole number of rows high run over it.
    canvas.setPen(kPalmBlack);
    canvas.line(w - 1, h - 1, 0, h - 1);
    paintSelection(canvas, list);
}

void paint(Canvas &canvas, const TCCDropDown &dropDown)
{
    if (dropDown.testItems() != 0) {
        paintOpened(canvas, dropDown, dropDown.visibleItems());
        return;
    }
    // Closed: the chosen item beside a small down arrow. Without a valid
    // choice the box shows the arrow alone, as the device does.
    fillBackground(canvas, dropDown, dropDown.color());
    const QStringList &items = dropDown.items();
    const int chosen = dropDown.selectedItem();
    if (chosen >= 0 && chosen < items.size()) {
        canvas.setFont(dropDown.font().name());
        canvas.setFontColor(kPalmBlack);
        canvas.textOut(12, 1, items.at(chosen));
    }
    canvas.setPen(kPalmBlack);
    canvas.setBrush(kPalmBlack);
    canvas.polygon({{1, 5}, {8, 5}, {5, 8}, {4, 8}});
    paintSelection(canvas, dropDown);
}

void paint(Canvas &canvas, const TCCPopUp &popUp)
{
    paintOpened(canvas, popUp, popUp.visibleItems());
}

} // namespace zf
