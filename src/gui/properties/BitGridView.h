#pragma once

#include "core/base/BitmapBits.h"

#include <QPoint>
#include <QWidget>

namespace zf {

// `stgBits`: one cell per pixel of a one-bit picture, black when set, with
// one-pixel lines between the cells, drawn on with the mouse. A left press
// makes the cell under the pointer current and every press inverts the
// current cell, so a right press inverts the cell last made current;
// dragging with the left button alone sets cells, with Shift clears them.
class BitGridView : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kDefaultCellSize = 10;

    BitGridView(BitmapBits &bits, int cellSize, QWidget *parent = nullptr);

    // A cell and the line after it.
    int pitch() const { return m_cellSize + 1; }
    QSize gridSize() const;
    QSize sizeHint() const override { return gridSize(); }

    QPoint currentCell() const { return m_current; }
    // The cell under a point of the widget; (-1, -1) outside the picture.
    QPoint cellAt(QPoint position) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void press(QMouseEvent *event);

    BitmapBits &m_bits;
    int m_cellSize;
    QPoint m_current{0, 0};
};

} // namespace zf
