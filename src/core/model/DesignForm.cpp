#include "core/model/DesignForm.h"
#include "core/model/CCForm.h"
#include "core/model/DesignProject.h"
#include "core/model/FormChange.h"
#include "core/model/FormEditCommand.h"
#include "core/model/LibrarySupport.h"
#include "core/model/PTDialog.h"

#include <atomic>

namespace zf {

namespace {

// The window's own parts bear these names; no control may take them.
const QStringList &reservedNames()
{
    static const QStringList names = {
        QStringLiteral("panScreen"), QStringLiteral("imgPalm"),     QStringLiteral("snap"),
        QStringLiteral("snapDialog"), QStringLiteral("popMenu"),    QStringLiteral("sthControls"),
        QStringLiteral("sthLoad"),
    };
    return names;
}

constexpr PalmColor kScreenPrimary = 0xFF0000;
constexpr PalmColor kScreenAdded = 0x800000;
constexpr PalmColor kDialogPrimary = 0x0000FF;
constexpr PalmColor kDialogAdded = 0x000080;

} // namespace

bool isValidIdentifier(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        const bool letter = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_';
        const bool digit = c >= u'0' && c <= u'9';
        if (!letter && !(digit && i > 0))
            return false;
    }
    return true;
}

DesignForm::DesignForm(DesignProject &project, const QString &name)
    : m_project(project), m_name(name), m_caption(name + QStringLiteral(".zsc")),
      m_screen(std::make_unique<TCCForm>()), m_windowChildren(this)
{
    static_cast<DesignObject *>(m_screen.get())->attachTo(this);
    m_screen->setTitle(name);
    m_lastSelected = nullptr;
}

DesignForm::~DesignForm()
{
    // The undo history may hold removed objects; drop it before the objects
    // it points into.
    m_undoStack.clear();
    m_change.reset();
}

void DesignForm::setName(const QString &name)
{
    m_name = name;
}

void DesignForm::setCaption(const QString &caption)
{
    if (m_caption == caption)
        return;
    m_caption = caption;
    Q_EMIT windowChanged();
}

void DesignForm::setPosition(int left, int top)
{
    if (m_left == left && m_top == top)
        return;
    m_left = left;
    m_top = top;
    Q_EMIT windowChanged();
}

void DesignForm::setShown(bool shown)
{
    if (m_shown == shown)
        return;
    m_shown = shown;
    Q_EMIT windowChanged();
}

void DesignForm::setCurrentDialog(TPTDialog *dialog)
{
    m_currentDialog = dialog;
}

std::vector<TPTDialog *> DesignForm::dialogs() const
{
    std::vector<TPTDialog *> result;
    for (DesignObject *object : m_screen->children()) {
        if (auto *dialog = objectCast<TPTDialog>(object))
            result.push_back(dialog);
    }
    return result;
}

void DesignForm::forEachObject(const std::function<void(DesignObject *)> &visit) const
{
    for (DesignObject *object : m_screen->children()) {
        visit(object);
        if (auto *dialog = objectCast<TPTDialog>(object)) {
            for (DesignObject *child : dialog->children())
                visit(child);
        }
    }
    for (DesignObject *object : m_windowChildren)
        visit(object);
}

DesignObject *DesignForm::findOwned(const QString &name) const
{
    DesignObject *found = nullptr;
    forEachObject([&](DesignObject *object) {
        if (!found && object->name().compare(name, Qt::CaseInsensitive) == 0)
            found = object;
    });
    return found;
}

bool DesignForm::isNameTaken(const QString &name, const DesignObject *except) const
{
    if (reservedNames().contains(name, Qt::CaseInsensitive))
        return true;
    bool taken = false;
    forEachObject([&](DesignObject *object) {
        if (object != except && object->name().compare(name, Qt::CaseInsensitive) == 0)
            taken = true;
    });
    return taken;
}

QString DesignForm::renameError(const DesignObject *object, const QString &name) const
{
    // "FORM" would share the form file's own section (section names ignore
    // letter case) and spoil the file, so it is no valid name for a control.
    if (!isValidIdentifier(name) || name.compare(QLatin1String("FORM"), Qt::CaseInsensitive) == 0)
        return QLatin1Char('\'') + name + QStringLiteral("' is not a valid component name");
    if (isNameTaken(name, object))
        return QStringLiteral("A component named ") + name + QStringLiteral(" already exists");
    return {};
}

DesignContainer *DesignForm::findContainer(const QString &parentName) const
{
    if (parentName == TCCForm::kObjectName)
        return m_screen.get();
    for (DesignObject *object : m_screen->children()) {
        if (object->name() == parentName)
            return object->isContainer() ? static_cast<DesignContainer *>(object) : m_screen.get();
    }
    return m_screen.get();
}

void DesignForm::selectControl(DesignObject *object, bool selected, bool multi)
{
    DesignContainer *container = object->parent();
    if (!container) {
        // Menus and the menu bar lie outside the screen and keep their colour.
        object->setSelected(selected);
        return;
    }
    auto *dialog = objectCast<TPTDialog>(container);
    if (dialog)
        dialog->setSelected(false);
    bool another = false;
    for (DesignObject *sibling : container->children()) {
        if (sibling != object && sibling->isSelected())
            another = true;
    }
    const bool added = multi && another;
    const PalmColor color = dialog ? (added ? kDialogAdded : kDialogPrimary)
                                   : (added ? kScreenAdded : kScreenPrimary);
    object->setSelected(selected);
    object->setSelectColor(color);
}

void DesignForm::deselectAll()
{
    for (DesignObject *object : m_screen->children()) {
        selectControl(object, false, false);
        if (auto *dialog = objectCast<TPTDialog>(object)) {
            for (DesignObject *child : dialog->children())
                selectControl(child, false, false);
        }
    }
}

TPTDialog *DesignForm::newDialog(const QString &name)
{
    deselectAll();
    if (m_currentDialog)
        hideDialog(m_currentDialog);
    auto created = std::make_unique<TPTDialog>();
    created->setColor(m_project.newControlColor());
    created->setName(name);
    created->setUserTop(60);
    created->setUserLeft(5);
    created->setUserHeight(80);
    created->setUserWidth(152);
    created->setGridSpace(m_screen->gridSpace());
    created->setGridVisible(m_screen->gridVisible());
    auto *dialog = static_cast<TPTDialog *>(addObject(std::move(created), m_screen.get()));
    m_snapDialogGridSize = m_snapGridSize;
    showDialog(dialog);
    return dialog;
}

void DesignForm::showDialog(TPTDialog *dialog)
{
    if (m_currentDialog && m_currentDialog != dialog) {
        m_currentDialog->setTag(0);
        m_currentDialog->setVisible(false);
    }
    dialog->setTag(1);
    dialog->setVisible(true);
    setCurrentDialog(dialog);
}

void DesignForm::hideDialog(TPTDialog *dialog)
{
    dialog->setTag(0);
    dialog->setVisible(false);
    if (m_currentDialog == dialog)
        setCurrentDialog(nullptr);
}

DesignObject *DesignForm::addObject(std::unique_ptr<DesignObject> object, DesignContainer *container)
{
    ChildList &list = container ? container->children() : m_windowChildren;
    return list.insert(std::move(object));
}

void DesignForm::removeObject(DesignObject *object)
{
    ChildList &list = object->parent() ? object->parent()->children() : m_windowChildren;
    if (!list.contains(object))
        return;

    // Whatever pointed at the object, or into a removed dialog, lets go.
    const auto inside = [object](const DesignObject *candidate) {
        return candidate && (candidate == object || candidate->parent() == object);
    };
    if (inside(m_currentDialog))
        setCurrentDialog(nullptr);
    if (inside(m_lastSelected))
        m_lastSelected = nullptr;
    if (inside(m_project.selectedObject()))
        m_project.setSelectedObject(nullptr);
    if (object->isContainer()) {
        forEachObject([&](DesignObject *other) {
            if (other->parent() != object && other->palmForm() == object)
                other->setPalmForm(nullptr);
        });
    }
    keepRemoved(list.take(object));
}

void DesignForm::bringToFront(DesignObject *object)
{
    ChildList &list = object->parent() ? object->parent()->children() : m_windowChildren;
    list.move(object, list.size() - 1);
}

void DesignForm::sendToBack(DesignObject *object)
{
    ChildList &list = object->parent() ? object->parent()->children() : m_windowChildren;
    list.move(object, 0);
}

void DesignForm::refreshControlList()
{
    m_controlList.clear();
    m_project.librarySupport().listControls(*this, m_controlList);
}

const ControlListLine *DesignForm::controlListLine(const DesignObject *object) const
{
    for (const ControlListLine &line : m_controlList) {
        if (line.object == object)
            return &line;
    }
    return nullptr;
}

quint64 DesignForm::newMergeSession()
{
    static std::atomic<quint64> next{1};
    return next++;
}

void DesignForm::beginChange()
{
    m_change = std::make_unique<FormChange>(*this);
}

void DesignForm::endChange(const QString &text, MergeKey merge)
{
    std::unique_ptr<FormChange> change = std::move(m_change);
    change->finish();
    if (change->isEmpty())
        return;
    m_undoStack.push(new FormEditCommand(*this, std::move(change), text, merge));
    Q_EMIT changed();
}

void DesignForm::revertChange()
{
    std::unique_ptr<FormChange> change = std::move(m_change);
    change->finish();
    change->undo();
}

void DesignForm::recordObject(DesignObject *object)
{
    if (m_change)
        m_change->rememberObject(object);
}

void DesignForm::recordChildren(ChildList *list)
{
    if (m_change)
        m_change->rememberChildren(list);
}

void DesignForm::keepRemoved(std::unique_ptr<DesignObject> object)
{
    if (m_change)
        m_change->keepRemoved(std::move(object));
}

} // namespace zf
