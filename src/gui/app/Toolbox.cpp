#include "gui/app/Toolbox.h"
#include "core/model/DesignProject.h"
#include "gui/app/Glyphs.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace zf {

Toolbox::Toolbox(DesignProject &project, QToolBar *toolbar)
    : QObject(toolbar), m_project(project), m_group(new QActionGroup(this))
{
    using K = ControlKind;
    // In toolbar order, with the hint and kind each library gives a button.
    m_entries = {
        {"spbButton", "Button", "Button", K::Button, K::Button},
        {"spbSelect", nullptr, "Select Box", K::Select, K::Select},
        {"spbPush", nullptr, "Push Button", K::Push, K::Push},
        {"spbLabel", "Label", "Label", K::Label, K::Label},
        {"spbEditLine", "Edit Line", nullptr, K::EditLine, K::EditLine},
        {"spbEdit", "Edit", "Field", K::Edit, K::Field},
        {"spbCheckBox", "CheckBox", "CheckBox", K::CheckBox, K::CheckBox},
        {"spbSwitch", "Switch Button", nullptr, K::Switch, K::Switch},
        {"spbPop", nullptr, "PopTrigger", K::PopTrigger, K::PopTrigger},
        {"spbPopUp", "PopUp", nullptr, K::PopUp, K::PopUp},
        {"spbListBox", "ListBox", "List", K::ListBox, K::List},
        {"spbDropDown", "DropDown", nullptr, K::DropDown, K::DropDown},
        {"spbRadio", "Radio Buttons", "Radio Buttons", K::Radio, K::Radio},
        {"spbMenu", "Menu", nullptr, K::Menu, K::Menu},
        {"spbBitmap", "Image", "Bitmap", K::Image, K::Bitmap},
        {"spbTable", "Table", nullptr, K::Table, K::Table},
        {"spbGSI", nullptr, "GSI", K::Gsi, K::Gsi},
        {"spbDialog", "Dialog", "Dialog", K::Dialog, K::Dialog},
    };
    m_group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (Entry &entry : m_entries) {
        entry.action = new QAction(toolbar);
        entry.action->setObjectName(QLatin1String(entry.name));
        entry.action->setCheckable(true);
        m_group->addAction(entry.action);
        toolbar->addAction(entry.action);
        toolbar->widgetForAction(entry.action)->installEventFilter(this);
        connect(entry.action, &QAction::toggled, this, [this, &entry](bool down) {
            if (down)
                m_project.setPressedTool(kindFor(entry));
            else if (m_project.pressedTool() == kindFor(entry))
                m_project.setPressedTool(std::nullopt);
        });
    }
    connect(&m_project, &DesignProject::pressedToolChanged, this, &Toolbox::syncPressed);
}

std::optional<ControlKind> Toolbox::kindFor(const Entry &entry) const
{
    if (m_library == kLibraryCControls && entry.hintCControls)
        return entry.kindCControls;
    if (m_library == kLibraryPToolBox && entry.hintPToolBox)
        return entry.kindPToolBox;
    return std::nullopt;
}

void Toolbox::setup(int library)
{
    m_library = library;
    m_project.setPressedTool(std::nullopt);
    for (Entry &entry : m_entries) {
        const std::optional<ControlKind> kind = kindFor(entry);
        const char *hint = library == kLibraryCControls ? entry.hintCControls
                                                        : entry.hintPToolBox;
        entry.action->setVisible(kind.has_value());
        if (!kind)
            continue;
        entry.action->setText(QLatin1String(hint));
        entry.action->setToolTip(QLatin1String(hint));
        entry.action->setIcon(kindIcon(*kind));
    }
}

QAction *Toolbox::button(const QString &name) const
{
    for (const Entry &entry : m_entries) {
        if (name == QLatin1String(entry.name))
            return entry.action;
    }
    return nullptr;
}

bool Toolbox::eventFilter(QObject *watched, QEvent *event)
{
    auto *button = qobject_cast<QToolButton *>(watched);
    if (!button || (event->type() != QEvent::MouseButtonPress &&
                    event->type() != QEvent::MouseMove))
        return false;
    const auto *mouse = static_cast<QMouseEvent *>(event);
    if (event->type() == QEvent::MouseButtonPress) {
        m_pressAt = mouse->position().toPoint();
        return false;
    }
    const auto entry = std::find_if(m_entries.begin(), m_entries.end(), [&](const Entry &e) {
        return e.action == button->defaultAction();
    });
    const std::optional<ControlKind> kind =
        entry == m_entries.end() ? std::nullopt : kindFor(*entry);
    if (!kind || !(mouse->buttons() & Qt::LeftButton) ||
        (mouse->position().toPoint() - m_pressAt).manhattanLength() <
            QApplication::startDragDistance())
        return false;
    auto *data = new QMimeData;
    data->setData(QLatin1String(kKindMimeType), kindWord(*kind).toUtf8());
    auto *drag = new QDrag(button);
    drag->setMimeData(data);
    drag->setPixmap(button->icon().pixmap(button->iconSize()));
    // The drop places the control and lets the tool go; a drag that ends
    // elsewhere leaves the button as it was before the press.
    drag->exec(Qt::CopyAction);
    button->setDown(false);
    return true;
}

std::optional<ControlKind> draggedKind(const QMimeData *data)
{
    if (!data || !data->hasFormat(QLatin1String(kKindMimeType)))
        return std::nullopt;
    return kindFromWord(QString::fromUtf8(data->data(QLatin1String(kKindMimeType))));
}

void Toolbox::syncPressed(std::optional<ControlKind> kind)
{
    for (const Entry &entry : m_entries) {
        const bool down = kind.has_value() && kindFor(entry) == kind;
        if (entry.action->isChecked() != down)
            entry.action->setChecked(down);
    }
}

} // namespace zf
