#include "gui/designer/NudgeKeys.h"
#include "core/designer/Nudging.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <optional>

namespace zf {

namespace {

std::optional<NudgeKey> nudgeKeyOf(int key)
{
    switch (key) {
    case Qt::Key_Space:
        return NudgeKey::Space;
    case Qt::Key_Delete:
        return NudgeKey::Delete;
    case Qt::Key_Left:
        return NudgeKey::Left;
    case Qt::Key_Up:
        return NudgeKey::Up;
    case Qt::Key_Right:
        return NudgeKey::Right;
    case Qt::Key_Down:
        return NudgeKey::Down;
    default:
        return std::nullopt;
    }
}

// A key travels from the window to the focused widget and on to its parents;
// it is handled once, where it first reaches a widget.
bool isFirstReceiver(QObject *watched)
{
    if (!watched->isWidgetType())
        return false;
    QWidget *focus = QApplication::focusWidget();
    return focus ? watched == focus : static_cast<QWidget *>(watched)->isWindow();
}

} // namespace

NudgeKeys::NudgeKeys(DesignProject &project, QObject *parent) : QObject(parent), m_project(project)
{
    qApp->installEventFilter(this);
}

NudgeKeys::~NudgeKeys()
{
    qApp->removeEventFilter(this);
}

bool NudgeKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || QApplication::activeModalWidget() ||
        !isFirstReceiver(watched))
        return false;
    const auto *keyEvent = static_cast<QKeyEvent *>(event);
    const std::optional<NudgeKey> key = nudgeKeyOf(keyEvent->key());
    // Shift with an arrow sizes the control instead of moving it.
    const bool sizing = keyEvent->modifiers().testFlag(Qt::ShiftModifier);
    if (key && NudgeKeyPressed(m_project, *key, sizing) && *key == NudgeKey::Delete)
        Q_EMIT deleted();
    return false;
}

} // namespace zf
