#include "core/app/RecentProjects.h"

#include <QFileInfo>

namespace zf {

RecentProjects::RecentProjects(const QStringList &paths)
{
    for (const QString &path : paths) {
        if (m_paths.size() == kMaxEntries)
            break;
        if (!path.isEmpty() && !m_paths.contains(path))
            m_paths.append(path);
    }
}

void RecentProjects::add(const QString &path)
{
    if (path.isEmpty())
        return;
    m_paths.removeAll(path);
    m_paths.prepend(path);
    while (m_paths.size() > kMaxEntries)
        m_paths.removeLast();
}

int RecentProjects::removeObsolete()
{
    return int(m_paths.removeIf([](const QString &path) { return !QFileInfo(path).isFile(); }));
}

QString RecentProjects::menuCaption(int index, const QString &path)
{
    const int accelerator = (index + 1) % 10;
    QString shown = path;
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QLatin1Char('&') + QString::number(accelerator) + QLatin1Char(' ') + shown;
}

} // namespace zf
