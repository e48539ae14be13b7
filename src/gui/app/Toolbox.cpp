#include "gui/app/Toolbox.h"
#include "core/model/DesignProject.h"
#include "gui/app/Glyphs.h"

#include <QAction>
#include <QActionGroup>
#include <QToolBar>

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

void Toolbox::syncPressed(std::optional<ControlKind> kind)
{
    for (const Entry &entry : m_entries) {
        const bool down = kind.has_value() && kindFor(entry) == kind;
        if (entry.action->isChecked() != down)
            entry.action->setChecked(down);
    }
}

} // namespace zf
