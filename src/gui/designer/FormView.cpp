#include "gui/designer/FormView.h"
#include "core/app/Options.h"
#include "core/model/DesignForm.h"
#include "gui/app/Toolbox.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace zf {

namespace {

std::optional<MouseButton> buttonOf(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return MouseButton::Left;
    case Qt::RightButton:
        return MouseButton::Right;
    case Qt::MiddleButton:
        return MouseButton::Middle;
    default:
        return std::nullopt;
    }
}

// As a mouse message carries it: the buttons still held after the event and
// the Shift and Ctrl keys; Alt is never part of it.
ShiftState shiftOf(const QMouseEvent &event)
{
    ShiftState shift;
    if (event.modifiers().testFlag(Qt::ShiftModifier))
        shift |= ShiftKey::Shift;
    if (event.modifiers().testFlag(Qt::ControlModifier))
        shift |= ShiftKey::Ctrl;
    if (event.buttons().testFlag(Qt::LeftButton))
        shift |= ShiftKey::Left;
    if (event.buttons().testFlag(Qt::RightButton))
        shift |= ShiftKey::Right;
    if (event.buttons().testFlag(Qt::MiddleButton))
        shift |= ShiftKey::Middle;
    return shift;
}

Qt::CursorShape shapeOf(SnapCursor cursor)
{
    switch (cursor) {
    case SnapCursor::SizeHorizontal:
        return Qt::SizeHorCursor;
    case SnapCursor::SizeVertical:
        return Qt::SizeVerCursor;
    case SnapCursor::SizeTopLeft:
        return Qt::SizeFDiagCursor;
    case SnapCursor::SizeTopRight:
        return Qt::SizeBDiagCursor;
    case SnapCursor::Normal:
        break;
    }
    return Qt::ArrowCursor;
}

} // namespace

FormView::FormView(DesignForm &form, QWidget *parent)
    : QWidget(parent), m_form(form), m_renderer(RenderArea::Device)
{
    setObjectName(QStringLiteral("imgPalm"));
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    setAcceptDrops(true); // kinds dragged from the toolbox
    setAttribute(Qt::WA_OpaquePaintEvent);
    updateSize();
}

void FormView::setScale(int scale)
{
    scale = std::clamp(scale, 1, Options::kMaxDesignScale);
    if (scale == m_scale)
        return;
    m_scale = scale;
    updateSize();
    update();
}

qreal FormView::pixelRatio() const
{
    return devicePixelRatioF();
}

void FormView::updateSize()
{
    const QSize picture = FormRenderer::pictureSize(RenderArea::Device) * m_scale;
    const qreal ratio = pixelRatio();
    m_ratio = ratio;
    setFixedSize(int(std::ceil(picture.width() / ratio)), int(std::ceil(picture.height() / ratio)));
}

QSize FormView::sizeHint() const
{
    return size();
}

QPoint FormView::formPoint(QPointF position) const
{
    const QPointF device = position * pixelRatio();
    return {int(std::floor(device.x() / m_scale)), int(std::floor(device.y() / m_scale))};
}

QPoint FormView::widgetPoint(QPoint formPoint) const
{
    const QPointF device = QPointF(formPoint) * m_scale;
    return (device / pixelRatio()).toPoint();
}

void FormView::setSnapCursor(SnapCursor snapCursor)
{
    const Qt::CursorShape shape = shapeOf(snapCursor);
    if (cursor().shape() != shape)
        setCursor(shape);
}

void FormView::setBand(const QRect &band)
{
    if (band == m_band)
        return;
    m_band = band;
    update();
}

void FormView::refresh()
{
    m_stale = true;
    update();
}

const QImage &FormView::picture()
{
    if (m_stale || !m_picture) {
        m_picture = &m_renderer.render(m_form);
        m_stale = false;
    }
    return *m_picture;
}

void FormView::paintEvent(QPaintEvent *)
{
    const QImage &image = picture();
    QPainter painter(this);
    // Whole device pixels: the painter works in them, and nearest-neighbour
    // scaling gives every form pixel an exact square.
    const qreal ratio = pixelRatio();
    if (ratio != m_ratio)
        updateSize(); // moved to a screen of another density
    painter.scale(1 / ratio, 1 / ratio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(QPoint(0, 0), image.size() * m_scale), image);
    if (!m_band.isEmpty()) {
        // Over the pixels of the form, a see-through highlight with a line
        // one device pixel wide just inside its border.
        const QRect band(m_band.topLeft() * m_scale, m_band.size() * m_scale);
        const QColor highlight = palette().color(QPalette::Highlight);
        QColor fill = highlight;
        fill.setAlpha(48);
        painter.fillRect(band, fill);
        painter.setPen(QPen(highlight, 0, Qt::DashLine));
        painter.drawRect(band.adjusted(0, 0, -1, -1));
    }
}

void FormView::mousePressEvent(QMouseEvent *event)
{
    if (const auto button = buttonOf(event->button()))
        Q_EMIT pressed(formPoint(event->position()), *button, shiftOf(*event));
}

void FormView::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click is a press like the first.
    mousePressEvent(event);
    m_doubleClicked = event->button() == Qt::LeftButton;
}

void FormView::keyPressEvent(QKeyEvent *event)
{
    // Space is the step switch of the arrow keys, and keys with Ctrl or Alt
    // are commands: neither starts typing.
    const QString text = event->text();
    const bool plain = !(event->modifiers() &
                         (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (event->key() == Qt::Key_F2 && plain)
        Q_EMIT editTextRequested();
    else if (plain && !text.isEmpty() && text.front().isPrint() && !text.front().isSpace())
        Q_EMIT typed(text);
    else
        QWidget::keyPressEvent(event);
}

void FormView::dragEnterEvent(QDragEnterEvent *event)
{
    if (draggedKind(event->mimeData()))
        event->acceptProposedAction();
}

void FormView::dragMoveEvent(QDragMoveEvent *event)
{
    if (draggedKind(event->mimeData()))
        event->acceptProposedAction();
}

void FormView::dropEvent(QDropEvent *event)
{
    const std::optional<ControlKind> kind = draggedKind(event->mimeData());
    if (!kind)
        return;
    event->acceptProposedAction();
    Q_EMIT kindDropped(*kind, formPoint(event->position()));
}

void FormView::mouseMoveEvent(QMouseEvent *event)
{
    Q_EMIT moved(formPoint(event->position()), shiftOf(*event));
}

void FormView::mouseReleaseEvent(QMouseEvent *event)
{
    if (const auto button = buttonOf(event->button()))
        Q_EMIT released(formPoint(event->position()), *button, shiftOf(*event));
    if (std::exchange(m_doubleClicked, false))
        Q_EMIT doubleClicked();
}

} // namespace zf
