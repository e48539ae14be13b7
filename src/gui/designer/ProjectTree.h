#pragma once

#include <QDockWidget>

#include <unordered_map>
#include <unordered_set>

class QTreeWidget;
class QTreeWidgetItem;

namespace zf {

class DesignForm;
class DesignObject;
class DesignProject;
class DesignWindowRules;

// View > Project Tree: the project's forms and, under each, its controls,
// dialogs (with their controls), menu bar and menus in child order, by name
// and kind. A click picks the object: its form is shown and made current and
// the object selected. The tree follows every change, selection and undo.
//
// It stays cheap on large projects: a change brings only the forms that
// announced one up to date, once per turn of the event loop however many
// changes came, and reuses the lines that are still right. While the window
// is hidden it only notes which forms changed.
class ProjectTree : public QDockWidget
{
    Q_OBJECT

public:
    ProjectTree(DesignProject &project, DesignWindowRules &rules, QWidget *parent = nullptr);
    ~ProjectTree() override;

    QTreeWidget *tree() const { return m_tree; }
    // The line of a form (its screen) or of an object; null when none.
    QTreeWidgetItem *itemOf(const DesignObject *object) const;
    // Brings every noted form up to date now.
    void syncNow();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void addForm(DesignForm *form);
    void removeForm(DesignForm *form);
    void noteChanged(DesignForm *form);
    void syncForm(DesignForm &form);
    void syncFormLine(DesignForm &form);
    // Forgets the objects of a line and of the lines under it.
    void forget(QTreeWidgetItem *item);
    // Removes the lines of `parent` from the `count`th on.
    void dropLines(QTreeWidgetItem *parent, int count);
    void showSelection();
    void picked(QTreeWidgetItem *item);

    DesignProject &m_project;
    DesignWindowRules &m_rules;
    QTreeWidget *m_tree;
    std::unordered_map<const DesignForm *, QTreeWidgetItem *> m_formItems;
    std::unordered_map<const DesignObject *, QTreeWidgetItem *> m_objectItems;
    std::unordered_set<DesignForm *> m_stale;
    bool m_syncQueued = false;
    bool m_syncing = false;
};

} // namespace zf
