#pragma once

#include "core/app/DesignWindowRules.h"

#include <QObject>

#include <map>

class QActionGroup;
class QMdiSubWindow;
class QMenu;

namespace zf {

class DesignForm;
class Options;
class TChildFrm;
class TMainForm;

// The design windows of the main window: one TChildFrm per form of the
// project, made and destroyed with the form, shown while the form is, and
// the current one active. It also owns View > Scale (kept in the options),
// the status text of the arrow keys, and the watch on the keys.
class DesignWindows : public QObject
{
    Q_OBJECT

public:
    DesignWindows(TMainForm &main, Options &options);
    ~DesignWindows() override;

    DesignWindowRules &rules() { return m_rules; }
    TChildFrm *frameOf(const DesignForm *form) const;

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

    TMainForm &m_main;
    Options &m_options;
    DesignWindowRules m_rules;
    std::map<const DesignForm *, TChildFrm *> m_frames;
    QActionGroup *m_scaleGroup = nullptr;
    // Set while a window is activated from the model, so that the
    // activation is not taken for a click.
    bool m_activating = false;
};

} // namespace zf
