#include "core/libraries/Libraries.h"
#include "core/ccontrols/ccontrols.h"
#include "core/ptoolbox/ptoolbox.h"

namespace zf {

void installLibraries()
{
    static const CCLibrary ccontrols;
    static const PTLibrary ptoolbox;
    LibrarySupport::install(ccontrols);
    LibrarySupport::install(ptoolbox);
}

} // namespace zf
