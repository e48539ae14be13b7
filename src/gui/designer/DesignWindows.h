#pragma once

#include "core/app/DesignWindowRules.h"

#include <QObject>

#include <QPoint>
#include <QRect>
#include <QSize>

#include <map>
#include <vector>

class QActionGroup;
class QMdiSubWindow;
class QMenu;

namespace zf {

class DesignForm;
class Options;
class ProjectTree;
class TChildFrm;
class TMainForm;

// The design windows of the main window: one TChildFrm per form of the
// project, made and destroyed with the form, shown while the form is, and
// the current one active. It also owns View > Scale (kept in the options),
// the Window menu (Cascade, Tile and the open forms), the project tree, the
// status text of the arrow keys, and the watch on the keys.
class DesignWindows : public QObject
{
    Q_OBJECT

public:
    DesignWindows(TMainForm &main, Options &options);
    ~DesignWindows() override;

    DesignWindowRules &rules() { return m_rules; }
    TChildFrm *frameOf(const DesignForm *form) const;
    ProjectTree *projectTree() const { return m_tree; }

    // Window > Cascade and Tile: the shown design windows, the current one
    // last and on top.
    void cascade();
    void tile();

    // Screen pixels per form pixel in every design window: the one chosen
    // in View > Scale, else the screen's density.
    int scale() const;
    void setScale(int scale);
    static int defaultScale();

private:
    void addFrame(DesignForm *form);
    void removeFrame(DesignForm *form);
    void showCurrent(DesignForm *form);
    void subWindowActivated(QMdiSubWindow *window);
    void createScaleMenu();
    // Checks the scale in force in View > Scale.
    void showScale();
    void showCursorKeysStatus();
    void createProjectTree();
    void createWindowMenu();
    // The open forms under Window, the current one checked.
    void listOpenForms();
    // The shown forms in creation order, the current one last.
    std::vector<DesignForm *> arrangedForms() const;
    // Places the arranged forms where `placement` says, raising each in turn.
    using Placement = std::vector<QPoint> (*)(int count, QSize window, const QRect &area);
    void arrange(Placement placement);

    TMainForm &m_main;
    Options &m_options;
    DesignWindowRules m_rules;
    std::map<const DesignForm *, TChildFrm *> m_frames;
    QActionGroup *m_scaleGroup = nullptr;
    ProjectTree *m_tree = nullptr;
    QMenu *m_windowMenu = nullptr;
    // The open forms' items of the Window menu.
    std::vector<QAction *> m_formItems;
    // Set while a window is activated from the model, so that the
    // activation is not taken for a click.
    bool m_activating = false;
};

} // namespace zf
