#include "core/designer/FormOutline.h"
#include "core/model/CCForm.h"
#include "core/model/DesignProject.h"
#include "core/model/LibrarySupport.h"

namespace zf {

std::vector<OutlineEntry> formOutline(const DesignForm &form)
{
    const LibrarySupport &library = form.project().librarySupport();
    std::vector<OutlineEntry> entries;
    const auto add = [&](DesignObject *object, int depth) {
        const std::optional<ControlKind> kind = library.kindOf(*object);
        entries.push_back({object, object->name(), kind ? kindWord(*kind) : QString(), depth});
    };
    for (DesignObject *object : form.screen()->children()) {
        add(object, 0);
        if (object->isContainer()) {
            for (DesignObject *child : static_cast<DesignContainer *>(object)->children())
                add(child, 1);
        }
    }
    for (DesignObject *object : form.windowChildren())
        add(object, 0);
    return entries;
}

} // namespace zf
