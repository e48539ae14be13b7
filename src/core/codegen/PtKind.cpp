#include "core/codegen/PtKind.h"
#include "core/model/DesignProject.h"
#include "core/model/LibrarySupport.h"
#include "core/ptoolbox/PTButton.h"

namespace zf {

std::optional<ControlKind> ptKindOf(const DesignObject &object)
{
    return LibrarySupport::forLibrary(kLibraryPToolBox).kindOf(object);
}

bool isRepeatButton(const DesignObject &object)
{
    const auto *button = objectCast<TPTButton>(&object);
    return button && button->buttonType() == 1;
}

} // namespace zf
