#pragma once

#include "core/designer/FormRenderer.h"
#include "core/designer/cSnapToGrid.h"
#include "core/model/ControlKind.h"

#include <QWidget>

namespace zf {

class DesignForm;

// The picture of the handheld in a design window (imgPalm): the form as the
// core renders it, drawn `scale` screen pixels to a form pixel, and the mouse
// mapped back to form pixels. It knows nothing of editing; the window that
// holds it hears its mouse.
class FormView : public QWidget
{
    Q_OBJECT

public:
    explicit FormView(DesignForm &form, QWidget *parent = nullptr);

    // Screen pixels per form pixel, 1 to 4: whole device pixels, whatever
    // the desktop's own scaling.
    int scale() const { return m_scale; }
    void setScale(int scale);

    // The form pixel under a position in the widget's coordinates.
    QPoint formPoint(QPointF position) const;
    // The widget position of the top-left corner of a form pixel.
    QPoint widgetPoint(QPoint formPoint) const;

    void setSnapCursor(SnapCursor snapCursor);
    // The selection rectangle being dragged, in form pixels of the picture;
    // an empty one shows none.
    void setBand(const QRect &band);
    QRect band() const { return m_band; }
    // The picture is painted again from the form at the next paint.
    void refresh();

    QSize sizeHint() const override;

    // The picture as last painted, in form pixels.
    const QImage &picture();

Q_SIGNALS:
    void pressed(QPoint point, MouseButton button, ShiftState shift);
    void moved(QPoint point, ShiftState shift);
    void released(QPoint point, MouseButton button, ShiftState shift);
    // F2: the selected object's text is to be edited in place.
    void editTextRequested();
    // The release of a double click, after its press has selected.
    void doubleClicked();
    // A text typed while the picture has the keys: it starts that edit.
    void typed(const QString &text);
    // A kind dragged from the toolbox and let go over the picture.
    void kindDropped(ControlKind kind, QPoint point);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    qreal pixelRatio() const;
    void updateSize();

    DesignForm &m_form;
    FormRenderer m_renderer;
    const QImage *m_picture = nullptr;
    QRect m_band;
    int m_scale = 1;
    qreal m_ratio = 1;
    bool m_stale = true;
    bool m_doubleClicked = false;
};

} // namespace zf
