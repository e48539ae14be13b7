#include "gui/properties/frmZoom2x.h"
#include "core/app/Workspace.h"
#include "core/canvas/DevicePicture.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignProject.h"
#include "gui/designer/ChildFor.h"
#include "gui/designer/FormView.h"
#include "gui/properties/frmPropSelect.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMdiArea>
#include <QPainter>

namespace zf {

namespace {

// `imgZoom`: the picture stretched over the whole client area, pixels kept
// sharp.
class ZoomImage : public QWidget
{
public:
    ZoomImage(const QImage &picture, QWidget *parent) : QWidget(parent), m_picture(picture)
    {
        setObjectName(QStringLiteral("imgZoom"));
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        if (m_picture.isNull())
            painter.fillRect(rect(), palette().window());
        else
            painter.drawImage(rect(), m_picture);
    }

private:
    const QImage &m_picture;
};

} // namespace

TfrmZoom::TfrmZoom(DesignProject &project, Workspace &workspace, QWidget *parent)
    : QMdiSubWindow(parent), m_project(project), m_workspace(workspace)
{
    setObjectName(QStringLiteral("frmZoom"));
    setWindowTitle(QStringLiteral("Zoom 2x"));
    setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    m_imgZoom = new ZoomImage(m_picture, this);
    setWidget(m_imgZoom);
    setClientSize(kFormClientSize);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("timZoom"));
    m_timer->setInterval(kInterval);
    connect(m_timer, &QTimer::timeout, this, &TfrmZoom::tick);
    // Hidden until View Zoom shows it, even when the client area is shown
    // after the window was added to it.
    hide();
    connect(&m_workspace, &Workspace::changed, this, &TfrmZoom::followWorkspace);
    // Every change of a form shows at once, after its design window has drawn
    // it; the timer catches what no form announces (windows moved or covered).
    connect(&m_project, &DesignProject::formAdded, this, &TfrmZoom::watch);
    for (const auto &form : m_project.forms())
        watch(form.get());
    followWorkspace();
}

void TfrmZoom::watch(DesignForm *form)
{
    connect(form, &DesignForm::changed, this, &TfrmZoom::tick, Qt::QueuedConnection);
}

void TfrmZoom::pause()
{
    m_enabled = false;
    updateTimer();
}

void TfrmZoom::resume()
{
    m_enabled = true;
    updateTimer();
}

void TfrmZoom::updateTimer()
{
    if (m_enabled && isVisible())
        m_timer->start();
    else
        m_timer->stop();
}

TChildFrm *TfrmZoom::frameOf(const DesignForm &form) const
{
    if (const QMdiArea *area = mdiArea()) {
        for (QMdiSubWindow *window : area->subWindowList()) {
            auto *frame = qobject_cast<TChildFrm *>(window);
            if (frame && &frame->form() == &form)
                return frame;
        }
    }
    return nullptr;
}

QRect TfrmZoom::designWindowRect(const DesignForm &form) const
{
    if (const TChildFrm *frame = frameOf(form))
        return frame->geometry();
    return QRect(QPoint(form.left(), form.top()), kDevicePictureSize);
}

QSize TfrmZoom::clientSize() const
{
    return m_imgZoom->size();
}

void TfrmZoom::setClientSize(QSize size)
{
    if (m_imgZoom->size() == size && m_imgZoom->minimumSize() == size)
        return;
    m_imgZoom->setFixedSize(size);
    resize(sizeHint());
}

bool TfrmZoom::sourceIsVisible(const DesignForm &form) const
{
    const QMdiArea *area = mdiArea();
    const QSize client = area ? area->viewport()->size() : QSize();
    const QRect window = designWindowRect(form);
    return window.left() >= 0 && window.top() >= m_workspace.toolbarDockHeight() &&
           window.left() + window.width() <= client.width() &&
           window.top() + window.height() <= client.height();
}

void TfrmZoom::tick()
{
    const DesignForm *form = m_project.currentDesignWindow();
    if (!isVisible() || !form || QGuiApplication::applicationState() != Qt::ApplicationActive ||
        !sourceIsVisible(*form))
        return;

    QImage source;
    if (m_colorDialog && m_colorDialog->isVisible()) {
        const bool date = m_colorDialog->isDatePreviewShown();
        setClientSize(date ? kDateClientSize : kTimeClientSize);
        source = m_colorDialog->previewPicture(date ? PickerPreview::Kind::Date
                                                    : PickerPreview::Kind::Time);
    } else {
        setClientSize(kFormClientSize);
        // What the design window shows: its own picture, drawn once per
        // change of the form, so a tick costs a comparison and no drawing.
        TChildFrm *frame = frameOf(*form);
        source = frame ? frame->imgPalm()->picture() : m_renderer.render(*form);
    }
    if (source == m_picture)
        return;
    m_picture = source;
    m_imgZoom->update();
}

void TfrmZoom::setColorDialog(TfrmDlgColor *dialog)
{
    m_colorDialog = dialog;
}

void TfrmZoom::sendBehind()
{
    // The client area raises a window it activates; go back down after it.
    QTimer::singleShot(0, this, &QWidget::lower);
}

bool TfrmZoom::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::WindowActivate:
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
        sendBehind();
        break;
    case QEvent::ParentChange:
    case QEvent::StyleChange:
        // The caption only counts once the window lies in a client area.
        resize(sizeHint());
        break;
    default:
        break;
    }
    return QMdiSubWindow::event(event);
}

void TfrmZoom::showEvent(QShowEvent *event)
{
    QMdiSubWindow::showEvent(event);
    m_workspace.setZoomShown(true);
    placeOnFirstShow();
    resume();
    tick();
}

void TfrmZoom::placeOnFirstShow()
{
    if (pos() != QPoint(0, 0) || !mdiArea())
        return;
    move(mdiArea()->viewport()->width() - width(), m_workspace.toolbarDockHeight());
}

void TfrmZoom::hideEvent(QHideEvent *event)
{
    QMdiSubWindow::hideEvent(event);
    updateTimer();
}

void TfrmZoom::moveEvent(QMoveEvent *event)
{
    QMdiSubWindow::moveEvent(event);
    m_workspace.setZoomPosition(pos());
    sendBehind();
}

void TfrmZoom::closeEvent(QCloseEvent *event)
{
    // Closing only hides: the window lives as long as the main window.
    event->ignore();
    m_workspace.setZoomShown(false);
}

void TfrmZoom::followWorkspace()
{
    if (pos() != m_workspace.zoomPosition())
        move(m_workspace.zoomPosition());
    if (isHidden() == m_workspace.zoomShown())
        setVisible(m_workspace.zoomShown());
}

} // namespace zf
