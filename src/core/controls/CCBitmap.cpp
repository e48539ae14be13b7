#include "core/controls/CCBitmap.h"

namespace zf {

TCCBitmap::TCCBitmap()
    : DesignObjectOf(20, 20)
{
    setSelectColor(kPalmBlack);
}

} // namespace zf
