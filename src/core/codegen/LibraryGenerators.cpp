// Each library's generator, chosen through the library in force like every
// other per-library operation.
#include "core/ccontrols/ccontrols.h"
#include "core/codegen/cccode.h"
#include "core/codegen/ptcode.h"
#include "core/model/DesignObject.h"
#include "core/ptoolbox/ptoolbox.h"

namespace zf {

const CodeGenerator *CCLibrary::codeGenerator() const
{
    static const CCCodeGenerator generator;
    return &generator;
}

const CodeGenerator *PTLibrary::codeGenerator() const
{
    static const PTCodeGenerator generator;
    return &generator;
}

} // namespace zf
