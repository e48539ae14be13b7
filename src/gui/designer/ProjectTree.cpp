#include "gui/designer/ProjectTree.h"
#include "core/app/DesignWindowRules.h"
#include "core/designer/FormOutline.h"
#include "core/designer/Nudging.h"
#include "core/model/CCForm.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignProject.h"
#include "core/model/PTDialog.h"

#include <QApplication>
#include <QHeaderView>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QTreeWidget>

namespace zf {

namespace {

enum Column { NameColumn, KindColumn };

DesignObject *objectOf(const QTreeWidgetItem *item)
{
    return item ? static_cast<DesignObject *>(item->data(NameColumn, Qt::UserRole).value<void *>())
                : nullptr;
}

// Sets a line's texts and object, touching the item only where it differs:
// most lines are still right after a change.
void setLine(QTreeWidgetItem *item, DesignObject *object, const QString &name, const QString &kind)
{
    if (objectOf(item) != object)
        item->setData(NameColumn, Qt::UserRole, QVariant::fromValue(static_cast<void *>(object)));
    if (item->text(NameColumn) != name)
        item->setText(NameColumn, name);
    if (item->text(KindColumn) != kind)
        item->setText(KindColumn, kind);
}

// The child of `parent` at `index`, made when there is none yet. A dialog's
// line shows its controls from the start.
QTreeWidgetItem *lineAt(QTreeWidgetItem *parent, int index)
{
    if (index < parent->childCount())
        return parent->child(index);
    auto *item = new QTreeWidgetItem(parent);
    item->setExpanded(true);
    return item;
}

} // namespace

ProjectTree::ProjectTree(DesignProject &project, DesignWindowRules &rules, QWidget *parent)
    : QDockWidget(QStringLiteral("Project"), parent), m_project(project), m_rules(rules)
{
    setObjectName(QStringLiteral("dockProjectTree"));
    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("treProject"));
    m_tree->setColumnCount(2);
    m_tree->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Kind")});
    m_tree->header()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    m_tree->header()->setSectionResizeMode(KindColumn, QHeaderView::ResizeToContents);
    m_tree->header()->setStretchLastSection(false);
    m_tree->setUniformRowHeights(true);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    setWidget(m_tree);

    connect(&project, &DesignProject::formAdded, this, &ProjectTree::addForm);
    connect(&project, &DesignProject::formAboutToBeRemoved, this, &ProjectTree::removeForm);
    connect(&project, &DesignProject::currentDesignWindowChanged, this, [this](DesignForm *) {
        for (const auto &form : m_project.forms())
            noteChanged(form.get()); // the current form's line is bold
    });
    connect(&project, &DesignProject::selectedObjectChanged, this,
            [this] { noteChanged(nullptr); });
    for (const auto &form : project.forms())
        addForm(form.get());

    // The mouse picks with a click, the keyboard by moving to a line or with
    // Enter.
    connect(m_tree, &QTreeWidget::itemClicked, this, &ProjectTree::picked);
    connect(m_tree, &QTreeWidget::itemActivated, this, &ProjectTree::picked);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
        if (!m_syncing && QApplication::mouseButtons() == Qt::NoButton && m_tree->hasFocus())
            picked(item);
    });
    // The arrow keys walk the tree here; they must not move controls too.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && (now == m_tree || m_tree->isAncestorOf(now)))
            SwitchCursorKeysOff(m_project);
    });
}

ProjectTree::~ProjectTree() = default;

QTreeWidgetItem *ProjectTree::itemOf(const DesignObject *object) const
{
    const auto it = m_objectItems.find(object);
    return it == m_objectItems.end() ? nullptr : it->second;
}

void ProjectTree::addForm(DesignForm *form)
{
    auto *item = new QTreeWidgetItem(m_tree);
    item->setExpanded(true);
    m_formItems[form] = item;
    connect(form, &DesignForm::changed, this, [this, form] { noteChanged(form); });
    connect(form, &DesignForm::windowChanged, this, [this, form] { noteChanged(form); });
    noteChanged(form);
}

void ProjectTree::removeForm(DesignForm *form)
{
    disconnect(form, nullptr, this, nullptr);
    m_stale.erase(form);
    const auto it = m_formItems.find(form);
    if (it == m_formItems.end())
        return;
    QTreeWidgetItem *item = it->second;
    m_formItems.erase(it);
    forget(item);
    delete item;
}

void ProjectTree::forget(QTreeWidgetItem *item)
{
    for (int i = 0; i < item->childCount(); ++i)
        forget(item->child(i));
    const auto found = m_objectItems.find(objectOf(item));
    if (found != m_objectItems.end() && found->second == item)
        m_objectItems.erase(found);
}

void ProjectTree::dropLines(QTreeWidgetItem *parent, int count)
{
    while (parent->childCount() > count) {
        QTreeWidgetItem *item = parent->takeChild(parent->childCount() - 1);
        forget(item);
        delete item;
    }
}

void ProjectTree::noteChanged(DesignForm *form)
{
    if (form)
        m_stale.insert(form);
    if (m_syncQueued)
        return;
    m_syncQueued = true;
    QMetaObject::invokeMethod(this, &ProjectTree::syncNow, Qt::QueuedConnection);
}

void ProjectTree::showEvent(QShowEvent *event)
{
    QDockWidget::showEvent(event);
    syncNow();
}

void ProjectTree::syncNow()
{
    m_syncQueued = false;
    if (isHidden())
        return;
    const QScopedValueRollback guard(m_syncing, true);
    for (DesignForm *form : std::exchange(m_stale, {}))
        syncForm(*form);
    showSelection();
}

void ProjectTree::syncFormLine(DesignForm &form)
{
    QTreeWidgetItem *item = m_formItems.at(&form);
    setLine(item, form.screen(), form.name(), QStringLiteral("Form"));
    m_objectItems[form.screen()] = item;
    QFont font = m_tree->font();
    font.setBold(&form == m_project.currentDesignWindow());
    font.setItalic(!form.isShown());
    if (item->font(NameColumn) != font) {
        item->setFont(NameColumn, font);
        item->setFont(KindColumn, font);
    }
    const QString tip =
        form.isShown() ? form.caption() : form.caption() + QStringLiteral(" (closed)");
    if (item->toolTip(NameColumn) != tip)
        item->setToolTip(NameColumn, tip);
}

void ProjectTree::syncForm(DesignForm &form)
{
    syncFormLine(form);
    QTreeWidgetItem *formItem = m_formItems.at(&form);
    const std::vector<OutlineEntry> entries = formOutline(form);
    int top = 0;
    int inner = 0;
    QTreeWidgetItem *container = nullptr;
    for (const OutlineEntry &entry : entries) {
        QTreeWidgetItem *item = nullptr;
        if (entry.depth == 0) {
            if (container)
                dropLines(container, inner);
            item = lineAt(formItem, top++);
            container = item;
            inner = 0;
        } else {
            item = lineAt(container, inner++);
        }
        if (itemOf(objectOf(item)) == item)
            m_objectItems.erase(objectOf(item));
        setLine(item, entry.object, entry.name, entry.kind);
        m_objectItems[entry.object] = item;
    }
    if (container)
        dropLines(container, inner);
    dropLines(formItem, top);
}

void ProjectTree::showSelection()
{
    const QSignalBlocker blocker(m_tree);
    m_tree->clearSelection();
    DesignForm *form = m_project.currentDesignWindow();
    if (!form)
        return;
    form->forEachObject([this](DesignObject *object) {
        if (object->isSelected() && object->parent())
            if (QTreeWidgetItem *item = itemOf(object))
                item->setSelected(true);
    });
    DesignObject *subject = m_project.selectedObject();
    QTreeWidgetItem *current =
        itemOf(subject && subject->form() == form ? subject : form->screen());
    if (current) {
        current->setSelected(true);
        m_tree->setCurrentItem(current, 0, QItemSelectionModel::NoUpdate);
        m_tree->scrollToItem(current);
    }
}

void ProjectTree::picked(QTreeWidgetItem *item)
{
    if (DesignObject *object = objectOf(item))
        m_rules.chooseObject(*object);
}

} // namespace zf
