#include "core/ccontrols/CCListBox.h"
#include "core/base/Saturating.h"

namespace zf {

TCCListBox::TCCListBox()
    : DesignObjectOf(35, 14, -1)
{
    setSelectColor(kPalmBlack);
}

void TCCListBox::setVisibleItems(int rows)
{
    setHeight(saturate(qint64(rows) * kRowHeight + 2));
}

} // namespace zf
