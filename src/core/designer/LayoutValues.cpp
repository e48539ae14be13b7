#include "core/designer/LayoutValues.h"
#include "core/model/DesignProject.h"

namespace zf {

namespace {

constexpr LayoutSource P = LayoutSource::Palm;
constexpr LayoutSource D = LayoutSource::Design;

constexpr LayoutValues kAllPalm{P, P, P, P, true, true};
constexpr LayoutValues kAllDesign{D, D, D, D, true, true};
// Its height follows from its rows or its font.
constexpr LayoutValues kPalmFixedHeight{P, P, P, D, true, false};

std::optional<LayoutValues> ccontrolsValues(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Button:
    case ControlKind::Switch:
    case ControlKind::Radio:
        return kAllPalm;
    case ControlKind::ListBox:
    case ControlKind::Label:
    case ControlKind::DropDown:
    case ControlKind::Edit:
    case ControlKind::EditLine:
    case ControlKind::PopUp:
    case ControlKind::Table:
        return kPalmFixedHeight;
    case ControlKind::CheckBox:
        // Its box lies at the Palm corner, but its right edge is that of the
        // design rectangle.
        return LayoutValues{P, D, D, D, true, false};
    case ControlKind::Dialog:
    case ControlKind::Image:
        return kAllDesign;
    default:
        return std::nullopt;
    }
}

std::optional<LayoutValues> ptoolboxValues(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Button:
    case ControlKind::Select:
    case ControlKind::Push:
    case ControlKind::Radio:
        return kAllPalm;
    case ControlKind::CheckBox:
        return LayoutValues{P, P, D, D, true, true};
    case ControlKind::List:
        return kPalmFixedHeight;
    case ControlKind::PopTrigger:
    case ControlKind::Field:
    case ControlKind::Dialog:
    case ControlKind::Bitmap:
        return kAllDesign;
    case ControlKind::Label:
    case ControlKind::Gsi:
        // Both are as large as their content.
        return LayoutValues{D, D, D, D, false, false};
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<LayoutValues> layoutValues(int library, ControlKind kind)
{
    switch (library) {
    case kLibraryCControls:
        return ccontrolsValues(kind);
    case kLibraryPToolBox:
        return ptoolboxValues(kind);
    default:
        return std::nullopt;
    }
}

} // namespace zf
