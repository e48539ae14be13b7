#include "core/codegen/CodeGenerator.h"
#include "core/codegen/cccode.h"
#include "core/codegen/ptcode.h"
#include "core/model/DesignProject.h"

namespace zf {

const CodeGenerator *CodeGenerator::forLibrary(int library)
{
    static const CCCodeGenerator ccontrols;
    static const PTCodeGenerator ptoolbox;
    switch (library) {
    case kLibraryCControls:
        return &ccontrols;
    case kLibraryPToolBox:
        return &ptoolbox;
    default:
        return nullptr;
    }
}

} // namespace zf
