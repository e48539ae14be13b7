#pragma once

#include "core/model/ControlKind.h"

#include <QObject>

#include <optional>
#include <vector>

class QAction;
class QActionGroup;
class QToolBar;

namespace zf {

class DesignProject;

// The Controls toolbar: one toggle button per control kind, at most one down,
// a down button released by clicking it again. A button only marks the kind
// the next click on a form creates; the project's pressed tool mirrors it.
class Toolbox : public QObject
{
    Q_OBJECT

public:
    Toolbox(DesignProject &project, QToolBar *toolbar);

    // Shows the buttons of `library` with its hints and hides the others.
    void setup(int library);

    // The button of a toolbox component name such as "spbEdit".
    QAction *button(const QString &name) const;

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
};

} // namespace zf
