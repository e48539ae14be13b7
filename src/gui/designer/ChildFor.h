#pragma once

#include "core/designer/cSnapToGrid.h"

#include <QMdiSubWindow>
#include <QPointer>

#include <optional>

class QMenu;

namespace zf {

class DesignContainer;
class DesignForm;
class DesignObject;
class DesignWindowRules;
class FormCommands;
class FormView;
class InPlaceEditor;

// The design window of one form: a tool window in the main window's client
// area showing the handheld picture (imgPalm) with the form on it. It turns
// the picture's mouse into the design rules: placing controls on the screen
// or in the shown dialog, selecting, and moving and resizing with its two
// mouse editors, `snap` for the screen's controls and `snapDialog` for the
// dialog's. The window mirrors the form's caption, place and visibility;
// closing it asks to save and hides it.
class TChildFrm : public QMdiSubWindow
{
    Q_OBJECT

public:
    TChildFrm(DesignForm &form, DesignWindowRules &rules, FormCommands &forms,
              QWidget *parent = nullptr);
    ~TChildFrm() override;

    DesignForm &form() const { return m_form; }
    FormView *imgPalm() const { return m_view; }
    QMenu *popMenu() const { return m_popMenu; }
    TSnapToGrid &snap() { return m_snap; }
    TSnapToGrid &snapDialog() { return m_snapDialog; }

    void setScale(int scale);
    // Takes the form's caption, place and visibility.
    void syncFromForm();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    void createPopMenu();
    // The window's size is the picture's and its frame's: no more, no less.
    void fitToPicture();
    void pressed(QPoint point, MouseButton button, ShiftState shift);
    void moved(QPoint point, ShiftState shift);
    void released(QPoint point, MouseButton button, ShiftState shift);
    // The editor of the object's container: snap for the screen's children,
    // snapDialog for a dialog's; none for the screen, menus and the bar.
    TSnapToGrid *editorFor(const DesignObject &object);
    // Whether the object is still on the form (a shortcut such as Undo may
    // take it away while the mouse holds it).
    bool isOnForm(const DesignObject *object) const;
    // The selection rectangle: a left press on the empty screen or the shown
    // dialog's body arms it, a move draws it and the release selects what it
    // touches. A release where it was armed and never drawn is a click.
    void moveBand(QPoint point);
    void releaseBand(QPoint point, MouseButton button, ShiftState shift);
    // Opens the in-place editor of the selected object's text, if the form
    // has one to edit and none is open.
    void editText(const std::optional<QString> &typed);

    DesignForm &m_form;
    DesignWindowRules &m_rules;
    FormCommands &m_forms;
    FormView *m_view = nullptr;
    QMenu *m_popMenu = nullptr;
    TSnapToGrid m_snap;
    TSnapToGrid m_snapDialog;
    // The object pressed, which holds the mouse until every button is up.
    DesignObject *m_captured = nullptr;
    struct Band
    {
        DesignContainer *container;
        QPoint start; // in the window's picture
        ShiftState pressShift;
        bool drawn = false;
    };
    std::optional<Band> m_band;
    bool m_syncing = false;
    QPointer<InPlaceEditor> m_textEditor;
};

} // namespace zf
