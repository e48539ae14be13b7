#include "core/app/Workspace.h"

namespace zf {

namespace {

// Sets a field and reports whether it changed.
template <typename T>
bool update(T &field, const T &value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

} // namespace

void Workspace::setTitle(const QString &title)
{
    if (update(m_title, title))
        Q_EMIT titleChanged(m_title);
}

void Workspace::setPropertiesShown(bool shown)
{
    if (update(m_propertiesShown, shown))
        Q_EMIT changed();
}

void Workspace::setPropertiesBounds(const QRect &bounds)
{
    if (update(m_propertiesBounds, bounds))
        Q_EMIT changed();
}

void Workspace::togglePropertiesEditor(bool projectOpen)
{
    if (m_propertiesShown)
        setPropertiesShown(false);
    else if (projectOpen)
        setPropertiesShown(true);
}

void Workspace::setZoomShown(bool shown)
{
    if (update(m_zoomShown, shown))
        Q_EMIT changed();
}

void Workspace::setZoomPosition(const QPoint &position)
{
    if (update(m_zoomPosition, position))
        Q_EMIT changed();
}

void Workspace::setGenerateCodeEnabled(bool enabled)
{
    if (update(m_generateCodeEnabled, enabled))
        Q_EMIT changed();
}

} // namespace zf
