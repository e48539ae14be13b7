#include "core/ccontrols/ccontrols.h"
#include "core/ccontrols/CCEdit.h"
#include "core/model/DesignObject.h"
#include "core/model/DesignProject.h"

#include <array>

namespace zf {

namespace {

using KindInfo = CCLibrary::KindInfo;

// In the order a click tests the toolbox buttons.
constexpr std::array kKinds = {
    KindInfo{ControlKind::Button, "Bt", "Button"},     KindInfo{ControlKind::Label, "Lb", "Label"},
    KindInfo{ControlKind::CheckBox, "Cb", "CheckBox"}, KindInfo{ControlKind::Switch, "Sw", "Switch"},
    KindInfo{ControlKind::Edit, "Ed", "Edit"},         KindInfo{ControlKind::ListBox, "Lb", "ListBox"},
    KindInfo{ControlKind::Radio, "Rd", "Radio"},       KindInfo{ControlKind::DropDown, "Dd", "DropDown"},
    KindInfo{ControlKind::Table, "Tb", "Table"},       KindInfo{ControlKind::Menu, "Mn", "Menu"},
    KindInfo{ControlKind::Dialog, "Dl", "Dialog"},     KindInfo{ControlKind::EditLine, "El", "EditLine"},
    KindInfo{ControlKind::PopUp, "Pu", "PopUp"},       KindInfo{ControlKind::Image, "Im", "Image"},
};

} // namespace

int CCLibrary::library() const
{
    return kLibraryCControls;
}

std::span<const LibrarySupport::KindInfo> CCLibrary::kinds() const
{
    return kKinds;
}

std::optional<ControlKind> CCLibrary::kindOf(const DesignObject &object) const
{
    switch (object.classId()) {
    case ClassId::TCCButton: return ControlKind::Button;
    case ClassId::TCCSwitch: return ControlKind::Switch;
    case ClassId::TCCLabel: return ControlKind::Label;
    case ClassId::TCCCheckbox: return ControlKind::CheckBox;
    case ClassId::TCCListBox: return ControlKind::ListBox;
    case ClassId::TCCRadio: return ControlKind::Radio;
    case ClassId::TCCDropDown: return ControlKind::DropDown;
    case ClassId::TPTDialog: return ControlKind::Dialog;
    case ClassId::TCCPopUp: return ControlKind::PopUp;
    case ClassId::TCCBitmap: return ControlKind::Image;
    case ClassId::TCCTable: return ControlKind::Table;
    case ClassId::TCCEdit:
        return object.tag() != 0 ? ControlKind::EditLine : ControlKind::Edit;
    case ClassId::TCCMenu: return ControlKind::Menu;
    case ClassId::TCCMenuBar: return ControlKind::MenuBar;
    default: return std::nullopt;
    }
}

QString CCLibrary::namePrefix(ControlKind kind, bool shortNames) const
{
    // The menu bar is made with the first menu, not from the toolbox.
    if (kind == ControlKind::MenuBar)
        return shortNames ? QStringLiteral("Mb") : QStringLiteral("MenuBar");
    return LibrarySupport::namePrefix(kind, shortNames);
}

void CCLibrary::listControls(const DesignForm &form, ControlList &lines) const
{
    listScreenObjects(form, lines);
    for (DesignObject *object : form.windowChildren()) {
        if (const auto kind = kindOf(*object))
            lines.push_back({object->name() + QStringLiteral(": ") + kindWord(*kind), object});
    }
}

} // namespace zf
