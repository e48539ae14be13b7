#include "core/ccontrols/CCCheckbox.h"
#include "core/ccontrols/CCDropDown.h"
#include "core/ccontrols/CCEdit.h"
#include "core/ccontrols/CCLabel.h"
#include "core/ccontrols/CCListBox.h"
#include "core/ccontrols/CCMenu.h"
#include "core/ccontrols/CCMenuBar.h"
#include "core/ccontrols/CCPopUp.h"
#include "core/ccontrols/CCTable.h"
#include "core/ccontrols/ccontrols.h"
#include "core/controls/CCBitmap.h"
#include "core/controls/CCButton.h"
#include "core/controls/CCRadio.h"
#include "core/controls/CCSwitch.h"
#include "core/model/CCForm.h"
#include "core/model/DesignProject.h"
#include "core/model/PTDialog.h"
#include "core/model/UserInterface.h"

namespace zf {

namespace {

const QStringList kThreeItems = {QStringLiteral("One"), QStringLiteral("Two"),
                                 QStringLiteral("Three")};

} // namespace

std::unique_ptr<DesignObject> CCLibrary::makeControl(ControlKind kind, const QString &name, int x,
                                                     int y) const
{
    switch (kind) {
    case ControlKind::Button: {
        auto button = std::make_unique<TCCButton>();
        button->setContent(name);
        button->setUserTop(y);
        button->setUserLeft(x);
        button->setShowForm(QStringLiteral("(None)"));
        return button;
    }
    case ControlKind::Label: {
        auto label = std::make_unique<TCCLabel>();
        label->setContent(name);
        label->setTop(y);
        label->setLeft(x);
        label->setLine(0);
        label->setStyle(0);
        return label;
    }
    case ControlKind::CheckBox: {
        auto box = std::make_unique<TCCCheckbox>();
        box->setContent(name);
        box->setTop(y);
        box->setLeft(x);
        return box;
    }
    case ControlKind::Switch: {
        auto sw = std::make_unique<TCCSwitch>();
        sw->setContent(name);
        sw->setWidth(38);
        sw->setRadius(0);
        sw->setTop(y);
        sw->setLeft(x);
        return sw;
    }
    case ControlKind::Edit:
    case ControlKind::EditLine: {
        auto edit = std::make_unique<TCCEdit>();
        edit->setContent(name);
        edit->setTop(y);
        edit->setLeft(x);
        if (kind == ControlKind::Edit)
            edit->setTopic(QStringLiteral("Topic"));
        edit->setTag(kind == ControlKind::Edit ? 0 : 1);
        return edit;
    }
    case ControlKind::ListBox: {
        auto list = std::make_unique<TCCListBox>();
        list->setVisibleItems(2);
        list->setItems(kThreeItems);
        list->setTop(y);
        list->setLeft(x);
        return list;
    }
    case ControlKind::Radio: {
        auto radio = std::make_unique<TCCRadio>();
        radio->setTop(y);
        radio->setLeft(x);
        radio->setItems({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
        radio->setSelectedItem(0);
        return radio;
    }
    case ControlKind::DropDown: {
        auto drop = std::make_unique<TCCDropDown>();
        drop->setVisibleItems(2);
        drop->setItems(kThreeItems);
        drop->setSelectedItem(0);
        drop->setTestItems(0);
        drop->setLeft(x);
        drop->setTop(y);
        drop->setUserWidth(36);
        return drop;
    }
    case ControlKind::PopUp: {
        auto popup = std::make_unique<TCCPopUp>();
        popup->setVisibleItems(2);
        popup->setItems(kThreeItems);
        popup->setTop(y);
        popup->setLeft(x);
        popup->setTest(1);
        return popup;
    }
    case ControlKind::Table: {
        auto table = std::make_unique<TCCTable>();
        table->setTop(y);
        table->setLeft(x);
        table->setItems({QStringLiteral("~~")});
        table->setColWidths({QStringLiteral("25"), QStringLiteral("25"), QStringLiteral("25")});
        table->setColAlign({QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")});
        table->setUserWidth(75);
        table->setCols(3);
        return table;
    }
    case ControlKind::Image: {
        auto image = std::make_unique<TCCBitmap>();
        image->setTop(y);
        image->setLeft(x);
        image->setTag(1);
        return image;
    }
    default:
        return nullptr;
    }
}

bool CCLibrary::createWindowObject(DesignForm &form, ControlKind kind, bool *created) const
{
    if (kind != ControlKind::Menu)
        return false;
    DesignProject &project = form.project();
    TCCForm *screen = form.screen();
    const bool needsBar = menuBarOf(form) == nullptr;
    const QString barName = namePrefix(ControlKind::MenuBar, project.shortNames()) + form.name();
    // The bar is named after its form, not numbered: another object may bear
    // that name already. Then nothing is made, rather than an unnamed bar.
    if (needsBar && form.isNameTaken(barName)) {
        project.ui().error(QStringLiteral("Duplicate name"));
        *created = false;
        return true;
    }

    form.perform(QStringLiteral("Create Menu"), [&] {
        form.deselectAll();
        if (needsBar) {
            auto bar = std::make_unique<TCCMenuBar>();
            bar->setColor(project.newControlColor());
            bar->setLeft(screen->left());
            bar->setTop(screen->top());
            bar->setName(barName);
            form.addObject(std::move(bar), nullptr);
        }
        auto created = std::make_unique<TCCMenu>();
        created->setName(project.uniqueControlName(namePrefix(ControlKind::Menu, project.shortNames()), form));
        created->setColor(project.newControlColor());
        created->setTop(screen->top());
        created->setUserLeft(screen->left() + 5);
        created->setItems({QStringLiteral("Item1")});
        created->setTopicWidth(36);
        created->setUserWidth(38);
        auto *menu = static_cast<TCCMenu *>(form.addObject(std::move(created), nullptr));
        project.setSelectedObject(menu);
        OpenMenu(form, *menu);
        form.refreshControlList();
    });
    *created = true;
    return true;
}

} // namespace zf
