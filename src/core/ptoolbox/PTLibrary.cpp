#include "core/ptoolbox/ptoolbox.h"
#include "core/model/DesignObject.h"
#include "core/model/DesignProject.h"

#include <array>

namespace zf {

namespace {

using KindInfo = PTLibrary::KindInfo;

// In the order a click tests the toolbox buttons.
constexpr std::array kKinds = {
    KindInfo{ControlKind::Button, "Bt", "Button"},
    KindInfo{ControlKind::Select, "Sl", "Select"},
    KindInfo{ControlKind::Label, "Lb", "Label"},
    KindInfo{ControlKind::CheckBox, "Cb", "CheckBox"},
    KindInfo{ControlKind::Push, "Pb", "Push"},
    KindInfo{ControlKind::List, "Lb", "List"},
    KindInfo{ControlKind::PopTrigger, "Pt", "Pop"},
    KindInfo{ControlKind::Field, "Fl", "Field"},
    KindInfo{ControlKind::Dialog, "Dl", "Dialog"},
    KindInfo{ControlKind::Gsi, "GSI", "GSI"},
    KindInfo{ControlKind::Bitmap, "Bm", "Bitmap"},
    KindInfo{ControlKind::Radio, "Rd", "Radio"},
};

} // namespace

int PTLibrary::library() const
{
    return kLibraryPToolBox;
}

std::span<const LibrarySupport::KindInfo> PTLibrary::kinds() const
{
    return kKinds;
}

std::optional<ControlKind> PTLibrary::kindOf(const DesignObject &object) const
{
    switch (object.classId()) {
    case ClassId::TPTButton: return ControlKind::Button;
    case ClassId::TCCButton: return ControlKind::Select;
    case ClassId::TCCSwitch: return ControlKind::Push;
    case ClassId::TPTLabel: return ControlKind::Label;
    case ClassId::TPTCheckbox: return ControlKind::CheckBox;
    case ClassId::TPTList: return ControlKind::List;
    case ClassId::TPTPopTrigger: return ControlKind::PopTrigger;
    case ClassId::TPTEdit: return ControlKind::Field;
    case ClassId::TPTDialog: return ControlKind::Dialog;
    case ClassId::TPTGsi: return ControlKind::Gsi;
    case ClassId::TCCBitmap: return ControlKind::Bitmap;
    case ClassId::TCCRadio: return ControlKind::Radio;
    default: return std::nullopt;
    }
}

void PTLibrary::listControls(const DesignForm &form, ControlList &lines) const
{
    listScreenObjects(form, lines);
}

} // namespace zf
