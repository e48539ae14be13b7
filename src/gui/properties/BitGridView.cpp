#include "gui/properties/BitGridView.h"

#include <QMouseEvent>

#include <QPainter>
#include <algorithm>

namespace zf {

BitGridView::BitGridView(BitmapBits &bits, int cellSize, QWidget *parent)
    : QWidget(parent), m_bits(bits), m_cellSize(std::max(cellSize, 1))
{
    setObjectName(QStringLiteral("stgBits"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(gridSize());
}

QSize BitGridView::gridSize() const
{
    return {m_bits.width() * pitch(), m_bits.height() * pitch()};
}

QPoint BitGridView::cellAt(QPoint position) const
{
    if (position.x() < 0 || position.y() < 0)
        return {-1, -1};
    const QPoint cell(position.x() / pitch(), position.y() / pitch());
    return m_bits.contains(cell.x(), cell.y()) ? cell : QPoint(-1, -1);
}

void BitGridView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::gray); // the lines between the cells
    const QRect dirty = event->rect();
    const int firstX = std::max(dirty.left() / pitch(), 0);
    const int lastX = std::min(dirty.right() / pitch(), m_bits.width() - 1);
    const int firstY = std::max(dirty.top() / pitch(), 0);
    const int lastY = std::min(dirty.bottom() / pitch(), m_bits.height() - 1);
    for (int y = firstY; y <= lastY; ++y) {
        for (int x = firstX; x <= lastX; ++x)
            painter.fillRect(x * pitch(), y * pitch(), m_cellSize, m_cellSize,
                             m_bits.bit(x, y) ? Qt::black : Qt::white);
    }
}

void BitGridView::press(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        const QPoint cell = cellAt(event->position().toPoint());
        if (cell.x() >= 0)
            m_current = cell;
    }
    m_bits.invert(m_current.x(), m_current.y());
    update();
}

void BitGridView::mousePressEvent(QMouseEvent *event)
{
    press(event);
}

void BitGridView::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click arrives as this event alone; it is
    // a press like the first, so the cell is inverted back.
    press(event);
}

void BitGridView::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() != Qt::LeftButton)
        return;
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier)
        return;
    const QPoint cell = cellAt(event->position().toPoint());
    if (cell.x() < 0)
        return;
    m_current = cell;
    m_bits.setBit(cell.x(), cell.y(), modifiers == Qt::NoModifier);
    update();
}

} // namespace zf
