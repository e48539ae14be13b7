#include "core/codegen/PtKind.h"
#include "core/model/DesignObject.h"
#include "core/ptoolbox/PTButton.h"

namespace zf {

PtKind ptKindOf(const DesignObject &object)
{
    switch (object.classId()) {
    case ClassId::TPTButton:
        return static_cast<const TPTButton &>(object).buttonType() == 1 ? PtKind::RepeatButton
                                                                        : PtKind::Button;
    case ClassId::TCCButton:
        return PtKind::Select;
    case ClassId::TCCSwitch:
        return PtKind::Push;
    case ClassId::TPTCheckbox:
        return PtKind::CheckBox;
    case ClassId::TPTPopTrigger:
        return PtKind::PopTrigger;
    case ClassId::TPTEdit:
        return PtKind::Field;
    case ClassId::TPTList:
        return PtKind::List;
    case ClassId::TPTLabel:
        return PtKind::Label;
    case ClassId::TPTGsi:
        return PtKind::Gsi;
    case ClassId::TCCRadio:
        return PtKind::Radio;
    case ClassId::TCCBitmap:
        return PtKind::Bitmap;
    case ClassId::TPTDialog:
        return PtKind::Dialog;
    default:
        return PtKind::Other;
    }
}

} // namespace zf
