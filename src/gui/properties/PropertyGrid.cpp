#include "gui/properties/PropertyGrid.h"

#include <QHeaderView>
#include <QMouseEvent>

#include <algorithm>
#include <cstdlib>

namespace zf {

namespace {

constexpr int kGrip = 3; // pixels on either side of the line that grab it

} // namespace

PropertyGrid::PropertyGrid(QWidget *parent) : QTableWidget(parent)
{
    viewport()->setMouseTracking(true);
}

void PropertyGrid::abandonEdit(QWidget *editor)
{
    if (editor)
        closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
}

void PropertyGrid::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    QTableWidget::closeEditor(editor, hint);
    Q_EMIT editorClosed();
}

bool PropertyGrid::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    // A view waits a double-click interval after a click on the current cell
    // before it edits, and drops every key typed meanwhile. A double click
    // edits the value too, so there is nothing to wait for: the user who
    // clicks and types at once keeps every key.
    return QTableWidget::edit(index, trigger == SelectedClicked ? EditKeyPressed : trigger, event);
}

bool PropertyGrid::isOnColumnLine(int x) const
{
    return std::abs(x - columnViewportPosition(1)) <= kGrip;
}

bool PropertyGrid::viewportEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseMove: {
        const int x = static_cast<QMouseEvent *>(event)->position().toPoint().x();
        if (m_resizing) {
            const int widest = viewport()->width() - kMinimumColumnWidth;
            setColumnWidth(
                0, std::clamp(x, kMinimumColumnWidth, std::max(widest, kMinimumColumnWidth)));
            return true;
        }
        if (isOnColumnLine(x))
            viewport()->setCursor(Qt::SplitHCursor);
        else
            viewport()->unsetCursor();
        break;
    }
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && isOnColumnLine(mouse->position().toPoint().x())) {
            m_resizing = true;
            return true;
        }
        break;
    }
    case QEvent::MouseButtonRelease:
        if (m_resizing) {
            m_resizing = false;
            return true;
        }
        break;
    default:
        break;
    }
    return QTableWidget::viewportEvent(event);
}

} // namespace zf
