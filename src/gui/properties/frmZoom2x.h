#pragma once

#include "core/designer/FormRenderer.h"

#include <QImage>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTimer>

namespace zf {

class DesignForm;
class DesignProject;
class TChildFrm;
class TfrmDlgColor;
class Workspace;

// The "Zoom 2x" tool window: the current form's picture at twice its size,
// or, while the picker colour dialog is open, the picker it previews. A
// timer refreshes it while it is enabled and the window is shown; the
// picture freezes while the current design window is not wholly inside the
// client area. It always stays behind the other windows of the client area,
// so it never covers a design window.
class TfrmZoom : public QMdiSubWindow
{
    Q_OBJECT

public:
    static constexpr int kInterval = 25; // milliseconds
    static constexpr QSize kFormClientSize{334, 452};
    static constexpr QSize kDateClientSize{320, 320};
    static constexpr QSize kTimeClientSize{320, 148};

    TfrmZoom(DesignProject &project, Workspace &workspace, QWidget *parent = nullptr);

    // Pausing disables the timer; resuming enables it again. The timer runs
    // only while it is enabled and the window is shown.
    void pause();
    void resume();
    bool isEnabled() const { return m_enabled; }
    bool isRunning() const { return m_timer->isActive(); }

    // One refresh, as the timer does it: nothing unless a design window is
    // current, the application is active and that window lies wholly inside
    // the client area below the toolbars.
    void tick();

    // The picker colour dialog while it is open; its shown preview replaces
    // the form.
    void setColorDialog(TfrmDlgColor *dialog);

    // What the zoom shows, in handheld pixels, and the size it is shown at.
    const QImage &picture() const { return m_picture; }
    QSize clientSize() const;

    // Where the form's design window lies in the client area, frame
    // included; a form without a window counts as its picture at its place.
    QRect designWindowRect(const DesignForm &form) const;

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    TChildFrm *frameOf(const DesignForm &form) const;
    bool sourceIsVisible(const DesignForm &form) const;
    void setClientSize(QSize size);
    void updateTimer();
    void watch(DesignForm *form);
    void placeOnFirstShow();
    void sendBehind();
    void followWorkspace();

    DesignProject &m_project;
    Workspace &m_workspace;
    QWidget *m_imgZoom;
    QTimer *m_timer;
    bool m_enabled = true;
    FormRenderer m_renderer;
    QImage m_picture;
    QPointer<TfrmDlgColor> m_colorDialog;
};

} // namespace zf
