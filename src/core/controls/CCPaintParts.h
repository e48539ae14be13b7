#pragma once

#include "core/canvas/Canvas.h"
#include "core/model/DesignContainer.h"

#include <QStringList>

#include <algorithm>

namespace zf {

// The pieces of drawing that several classes of both libraries share. Every
// function draws in the object's own pixel coordinates and reads nothing but
// its arguments.

// The colours an object takes from the container named by its PalmForm: the
// container's colour set, or, without a container, black frames and text on
// white with a black selected fill and white selected text, around the
// object's own background colour.
ColorSet containerColors(const DesignObject &object);

// Calls f(x, y) for every pixel from (x1, y1) to (x2, y2), both corners
// included, that lies inside the canvas's clip: the pixels that can show,
// however large the object.
template <typename F>
void forEachVisiblePixel(const Canvas &canvas, int x1, int y1, int x2, int y2, F &&f)
{
    const QRect clip = canvas.clipRect();
    const int left = std::max(std::min(x1, x2), clip.left());
    const int right = std::min(std::max(x1, x2), clip.right());
    const int top = std::max(std::min(y1, y2), clip.top());
    const int bottom = std::min(std::max(y1, y2), clip.bottom());
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x)
            f(x, y);
    }
}

// Fills the object's whole rectangle.
void fillBackground(Canvas &canvas, const DesignObject &object, PalmColor color);

// The selection handles, drawn last when the object is selected: eight
// 3 x 3 squares on the corners and edge middles, or the corners alone.
enum class HandleSet { All, CornersOnly };
void paintSelection(Canvas &canvas, const DesignObject &object, HandleSet set = HandleSet::All);

// The designer's grid: a dot every `step` pixels from (0, 0) while below
// (right, bottom), gray, or white where the ground under it is that gray
// itself. A step below 1 draws no grid.
void paintGrid(Canvas &canvas, int step, int right, int bottom, PalmColor ground);

// A check box's square, 8 pixels wide, with its top-left corner at (x, y),
// and the tick: drawn over the square and breaking out of it at the top
// right when checked; erased from under the square when not.
void paintCheckMark(Canvas &canvas, int x, int y, bool checked, PalmColor color, PalmColor ground);

// A list's frame, text and highlight colours.
struct ListColors
{
    PalmColor frame = kPalmBlack;
    PalmColor fill = kPalmWhite;
    PalmColor text = kPalmBlack;
    PalmColor selectedFill = kPalmBlack;
    PalmColor selectedText = kPalmWhite;
};

// Which rows of a list show and where: rows of `rowHeight` pixels, each
// covering x from `left` to `right` and y from rowHeight * i + 1 to
// rowHeight * (i + 1), both inclusive, its text `textTop` pixels below
// rowHeight * i, two pixels from the left edge.
struct ListRows
{
    const QStringList *items = nullptr;
    int visible = 0; // rows the list shows at most
    int selected = -1;
    int rowHeight = 11;
    int left = 1;
    int right = 0;
    int textTop = 1;

    int shownCount() const;
    bool scrolls() const { return items->size() > visible; }
};

// Every shown row filled and written, the selected one in the selected
// colours.
void paintListRows(Canvas &canvas, const ListRows &rows, const ListColors &colors);

// The down arrow of a list with more items than it shows, its top-left
// point at (x0, y0). It lies on the last shown row and takes that row's
// text colour: the selected text colour while that row is the selected one.
void paintScrollArrow(Canvas &canvas, int x0, int y0, const ListRows &rows,
                      const ListColors &colors);

// An opened drop-down list of w x h pixels: the box with its corners cut, its
// rows, the scroll arrow, and the shadow along the right and bottom edges.
void paintOpenList(Canvas &canvas, int w, int h, const ListRows &rows, const ListColors &colors);

} // namespace zf
