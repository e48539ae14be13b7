#pragma once

#include "core/app/FormCommands.h"
#include "core/app/Options.h"
#include "core/app/ProjectCommands.h"
#include "core/app/Workspace.h"
#include "core/model/DesignProject.h"
#include "gui/app/QtUserInterface.h"

#include <QMainWindow>
#include <QUndoGroup>

#include <map>
#include <vector>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;

namespace zf {

class DesignWindows;
class RecoveryController;
class Toolbox;

// The main window: menus, the four toolbars, the status bar, and the client
// area that holds the design windows and the tool windows. It binds every
// command to its menu item, button and shortcut; the commands themselves are
// the core's.
class TMainForm : public QMainWindow
{
    Q_OBJECT

public:
    explicit TMainForm(const QString &optionsPath = Options::defaultPath(),
                       QWidget *parent = nullptr);
    ~TMainForm() override;

    // Start-up: reads the options, loads the fonts (one message per missing
    // font), restores the toolbars and the Recent Projects list.
    void startUp();
    // Opens files named on the command line: projects as Open Project, forms
    // as Open Form.
    void openFiles(const QStringList &paths);

    DesignProject &project() { return m_project; }
    Workspace &workspace() { return m_workspace; }
    FormCommands &formCommands() { return m_forms; }
    ProjectCommands &projectCommands() { return m_projects; }
    QtUserInterface &userInterface() { return m_ui; }
    QMdiArea *clientArea() const { return m_clientArea; }
    Toolbox *toolbox() const { return m_toolbox; }
    DesignWindows *designWindows() const { return m_designWindows; }
    // Made by startUp(); null before.
    RecoveryController *recovery() const { return m_recovery; }

    // A command by its component name, e.g. "mnuSaveProject".
    QAction *action(const QString &name) const;
    QToolBar *toolBar(const QString &title) const;
    QString statusText(int panel) const;
    void setStatusText(int panel, const QString &text);

    // Applies the toolbox and the status text of the library in force.
    void setupToolbox();

Q_SIGNALS:
    // The design windows, the property window and the zoom window hook into
    // the shell through these.
    void generateCodeRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void createActions();
    void createMenus();
    void createToolBars();
    void createStatusBar();
    void connectState();
    QAction *addAction(const char *name, const QString &text, const QKeySequence &shortcut = {});
    void rebuildRecentMenu();
    void setGrid(bool on);
    void setShortNames(bool on);
    void generateCode();
    void writeOptions();
    void syncFromState();

    QtUserInterface m_ui;
    DesignProject m_project;
    Workspace m_workspace;
    Options m_options;
    FormCommands m_forms;
    ProjectCommands m_projects;
    QUndoGroup m_undoGroup;

    QMdiArea *m_clientArea = nullptr;
    Toolbox *m_toolbox = nullptr;
    DesignWindows *m_designWindows = nullptr;
    RecoveryController *m_recovery = nullptr;
    std::map<QString, QAction *> m_actions;
    QMenu *m_recentMenu = nullptr;
    QLabel *m_statusPanels[3] = {};
    bool m_firstShow = true;
    // Floating toolbars of the restored layout, shown once the window is.
    std::vector<QToolBar *> m_floatingBars;
};

} // namespace zf
