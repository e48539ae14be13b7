#pragma once

#include "core/model/ControlKind.h"

#include <QObject>
#include <QPoint>

#include <optional>
#include <vector>

class QAction;
class QActionGroup;
class QMimeData;
class QToolBar;

namespace zf {

class DesignProject;

// A kind dragged from the toolbox travels as data of this type: the kind's
// word.
inline constexpr char kKindMimeType[] = "application/x-zentiform-kind";
// The kind a drag carries; nullopt for any other data.
std::optional<ControlKind> draggedKind(const QMimeData *data);

// The Controls toolbar: one toggle button per control kind, at most one down,
// a down button released by clicking it again. A button only marks the kind
// the next click on a form creates; the project's pressed tool mirrors it.
// A button dragged onto a form places its kind where it is let go, the
// press and the click in one gesture.
class Toolbox : public QObject
{
    Q_OBJECT

public:
    Toolbox(DesignProject &project, QToolBar *toolbar);

    // Shows the buttons of `library` with its hints and hides the others.
    void setup(int library);

    // The button of a toolbox component name such as "spbEdit".
    QAction *button(const QString &name) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Entry
    {
        const char *name;
        const char *hintCControls; // null: hidden with CControls
        const char *hintPToolBox;  // null: hidden with PToolBox
        ControlKind kindCControls;
        ControlKind kindPToolBox;
        QAction *action = nullptr;
    };

    std::optional<ControlKind> kindFor(const Entry &entry) const;
    void syncPressed(std::optional<ControlKind> kind);

    DesignProject &m_project;
    QActionGroup *m_group;
    std::vector<Entry> m_entries;
    int m_library = 0;
    // Where the left button went down on a button, in its coordinates.
    QPoint m_pressAt;
};

} // namespace zf
