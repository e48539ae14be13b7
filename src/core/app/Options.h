#pragma once

#include "core/app/RecentProjects.h"
#include "core/base/IniDocument.h"

#include <QByteArray>
#include <QString>

namespace zf {

// The user's settings kept in "options.ini": the library, grid and short
// names at start-up, the toolbar layout and the Recent Projects list. Read
// at start-up and written at shut-down; keys of the file that are not ours
// are kept.
class Options
{
public:
    // Unset, the recovery interval lets a change wait this long, in
    // milliseconds, for its copy.
    static constexpr int kRecoverySoon = 2000;
    // A day: a longer interval is no protection, and a typing slip of a huge
    // number must not overflow the timer.
    static constexpr int kMaxRecoveryMinutes = 24 * 60;

    // Where options.ini lives: beside the executable when one stands there
    // (portable use), else in the user's configuration folder.
    static QString defaultPath();
    static QString locate(const QString &programFolder, const QString &configFolder);

    explicit Options(const QString &path = defaultPath());

    QString path() const { return m_document.path(); }

    // A missing file gives the defaults. False with errorString() when the
    // file exists but cannot be read; the defaults are in force then too.
    bool load();
    // Writes the settings, creating the folder when needed. False with
    // errorString() when the file cannot be written.
    bool save();
    QString errorString() const { return m_error; }

    // 1 CControls, 2 PToolBox. A stored number that names neither library
    // would leave the program without a toolbox, so it reads as 2.
    int library() const { return m_library; }
    void setLibrary(int library) { m_library = library; }
    bool grid() const { return m_grid; }
    void setGrid(bool on) { m_grid = on; }
    bool shortNames() const { return m_shortNames; }
    void setShortNames(bool on) { m_shortNames = on; }
    // How many screen pixels the design windows give each form pixel, 1 to
    // kMaxDesignScale; 0 until the user chose one, when the screen's density
    // decides.
    static constexpr int kMaxDesignScale = 4;
    int designScale() const { return m_designScale; }
    void setDesignScale(int scale) { m_designScale = scale; }
    // The recovery interval, for those who want less disk traffic: the
    // minutes a change of a form may wait for its recovery copy; 0 leaves
    // only the copies made when the system ends the program. Unset (-1),
    // a copy follows each change within seconds.
    int recoveryMinutes() const { return m_recoveryMinutes; }
    void setRecoveryMinutes(int minutes) { m_recoveryMinutes = minutes; }
    // The interval as RecoverySession takes it, in milliseconds.
    int recoveryDelay() const;
    // Opaque bytes of the window system's toolbar state.
    QByteArray toolbarLayout() const { return m_toolbarLayout; }
    void setToolbarLayout(const QByteArray &layout) { m_toolbarLayout = layout; }

    RecentProjects &recentProjects() { return m_recent; }
    const RecentProjects &recentProjects() const { return m_recent; }

private:
    IniDocument m_document;
    QString m_error;
    int m_library = 2;
    bool m_grid = true;
    bool m_shortNames = false;
    int m_designScale = 0;
    int m_recoveryMinutes = -1;
    QByteArray m_toolbarLayout;
    RecentProjects m_recent;
};

} // namespace zf
