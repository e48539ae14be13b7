#include "gui/properties/OverlayFocus.h"

#include <QApplication>
#include <QFocusEvent>
#include <QWidget>

namespace zf {

bool leavesOverlay(const QWidget *overlay, const QEvent *event)
{
    if (event->type() != QEvent::FocusOut)
        return false;
    if (static_cast<const QFocusEvent *>(event)->reason() == Qt::PopupFocusReason)
        return false;
    // A pop-up is a window of its own whose parent is the editor, so the
    // parent chain is followed across windows.
    for (const QWidget *w = QApplication::focusWidget(); w; w = w->parentWidget()) {
        if (w == overlay)
            return false;
    }
    return true;
}

} // namespace zf
