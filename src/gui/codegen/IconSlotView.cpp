#include "gui/codegen/IconSlotView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace zf {

IconSlotView::IconSlotView(IconSlot slot, QWidget *parent) : QFrame(parent), m_slot(slot)
{
    const IconSlotInfo &info = iconSlotInfo(slot);
    const QString caption = QLatin1String(info.caption);
    // imgLarge1 ... imgSmall8
    setObjectName(QStringLiteral("img") + QLatin1String(info.key));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setFixedSize(sizeHint());
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setToolTip(caption);
    setAccessibleName(caption);
}

QSize IconSlotView::sizeHint() const
{
    const IconSlotInfo &info = iconSlotInfo(m_slot);
    return QSize(info.width, info.height) + QSize(2 * frameWidth(), 2 * frameWidth());
}

void IconSlotView::setBitmap(const QByteArray &bitmapFile)
{
    m_picture = QImage::fromData(bitmapFile, "BMP");
    update();
}

void IconSlotView::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect area = contentsRect();
    if (m_picture.isNull()) {
        // Bitmaps of 2 bits per pixel are written as they are but Qt cannot
        // show them.
        painter.fillRect(area, QBrush(palette().color(QPalette::Mid), Qt::Dense5Pattern));
    } else {
        painter.drawImage(area.topLeft(), m_picture, QRect(QPoint(), area.size()));
    }
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void IconSlotView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked(m_slot);
    else
        QFrame::mouseReleaseEvent(event);
}

void IconSlotView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier)
        Q_EMIT clicked(m_slot);
    else
        QFrame::keyPressEvent(event);
}

} // namespace zf
