#include "core/controls/CCPaintParts.h"
#include "core/canvas/Canvas.h"

#include <algorithm>

namespace zf {

ColorSet containerColors(const DesignObject &object)
{
    if (const DesignContainer *container = object.palmForm())
        return container->colorSet();
    ColorSet colors;
    colors.background = object.color();
    return colors;
}

void fillBackground(Canvas &canvas, const DesignObject &object, PalmColor color)
{
    canvas.fillRect(0, 0, object.width(), object.height(), color);
}

void paintSelection(Canvas &canvas, const DesignObject &object, HandleSet set)
{
    if (!object.isSelected())
        return;
    const int w = object.width();
    const int h = object.height();
    // Integer division truncates toward zero, as the handle rule asks.
    const int mx = w / 2 - 1;
    const int my = h / 2 - 1;
    const PalmColor color = object.selectColor();
    auto handle = [&](int x, int y) { canvas.fillRect(x, y, x + 3, y + 3, color); };
    handle(0, 0);
    handle(w - 3, 0);
    handle(w - 3, h - 3);
    handle(0, h - 3);
    if (set == HandleSet::CornersOnly)
        return;
    handle(mx, 0);
    handle(w - 3, my);
    handle(mx, h - 3);
    handle(0, my);
}

void paintGrid(Canvas &canvas, int step, int right, int bottom, PalmColor ground)
{
    if (step < 1)
        return;
    const PalmColor dot = ground == kPalmGray ? kPalmWhite : kPalmGray;
    for (int y = 0; y < bottom; y += step) {
        for (int x = 0; x < right; x += step)
            canvas.setPixel(x, y, dot);
    }
}

void paintCheckMark(Canvas &canvas, int x, int y, bool checked, PalmColor color, PalmColor ground)
{
    auto tick = [&] {
        canvas.polyline({{x + 2, y + 3}, {x + 4, y + 5}, {x + 10, y - 1}});
        canvas.polyline({{x + 2, y + 2}, {x + 4, y + 4}, {x + 10, y - 2}});
        canvas.polyline({{x + 3, y + 2}, {x + 4, y + 3}, {x + 9, y - 2}});
    };
    auto square = [&] {
        canvas.setPen(color);
        canvas.setClearBrush();
        canvas.polygon({{x, y}, {x + 7, y}, {x + 7, y + 7}, {x, y + 7}});
    };
    if (checked) {
        square();
        tick();
        canvas.setPixel(x + 6, y, ground);
        canvas.setPixel(x + 7, y + 3, ground);
    } else {
        canvas.setPen(ground);
        tick();
        square();
    }
}

int ListRows::shownCount() const
{
    return std::max(0, std::min(int(items->size()), visible));
}

void paintListRows(Canvas &canvas, const ListRows &rows, const ListColors &colors)
{
    const int count = rows.shownCount();
    for (int i = 0; i < count; ++i) {
        const bool chosen = i == rows.selected;
        const PalmColor fill = chosen ? colors.selectedFill : colors.fill;
        const int top = rows.rowHeight * i + 1;
        const int bottom = rows.rowHeight * (i + 1);
        canvas.setPen(fill);
        canvas.setBrush(fill);
        canvas.polygon(
            {{rows.left, top}, {rows.right, top}, {rows.right, bottom}, {rows.left, bottom}});
        canvas.setFontColor(chosen ? colors.selectedText : colors.text);
        canvas.textOut(2, rows.rowHeight * i + rows.textTop, rows.items->at(i));
    }
}

void paintScrollArrow(Canvas &canvas, int x0, int y0, const ListRows &rows,
                      const ListColors &colors)
{
    if (!rows.scrolls())
        return;
    const PalmColor color = rows.selected == rows.visible - 1 ? colors.selectedText : colors.text;
    canvas.setPen(color);
    canvas.setBrush(color);
    canvas.polygon({{x0, y0},
                    {x0 + 2, y0},
                    {x0 + 2, y0 + 3},
                    {x0 + 4, y0 + 3},
                    {x0 + 1, y0 + 6},
                    {x0 - 2, y0 + 3},
                    {x0, y0 + 3}});
}

void paintOpenList(Canvas &canvas, int w, int h, const ListRows &rows, const ListColors &colors)
{
    canvas.setPen(colors.frame);
    canvas.setBrush(colors.fill);
    canvas.polygon({{1, 0},
                    {w - 3, 0},
                    {w - 2, 1},
                    {w - 2, h - 3},
                    {w - 3, h - 2},
                    {1, h - 2},
                    {0, h - 3},
                    {0, 1}});
    paintListRows(canvas, rows, colors);
    paintScrollArrow(canvas, w - 8, h - 10, rows, colors);
    // The shadow, then the bottom edge again in case a row ran over it.
    canvas.setPen(colors.frame);
    canvas.line(w - 1, 2, w - 1, h - 4);
    canvas.line(w - 4, h - 1, 2, h - 1);
    canvas.line(w - 3, h - 2, 1, h - 2);
}

} // namespace zf
