#pragma once

#include <QString>
#include <QStringList>

namespace zf {

// The Recent Projects list of the File menu: project paths, most recent
// first, at most ten of them.
class RecentProjects
{
public:
    static constexpr int kMaxEntries = 10;

    RecentProjects() = default;
    // Takes paths in list order; empty paths and repeats are dropped and the
    // list is cut to its limit.
    explicit RecentProjects(const QStringList &paths);

    const QStringList &paths() const { return m_paths; }
    bool isEmpty() const { return m_paths.isEmpty(); }

    // Puts path at the top: a listed path moves there, a new one pushes the
    // oldest entry out when the list is full.
    void add(const QString &path);
    void clear() { m_paths.clear(); }
    // Drops entries whose files no longer exist; returns how many went.
    int removeObsolete();

    // "&1 /path/to/project.zpj": accelerators 1 to 9, then 0 for the tenth.
    // Ampersands of the path are doubled so the menu shows them instead of
    // taking them for accelerator marks. The GUI passes the path already
    // shortened to the width it has.
    static QString menuCaption(int index, const QString &path);

private:
    QStringList m_paths;
};

} // namespace zf
