#include "core/model/PTDialog.h"

namespace zf {

ColorSet TPTDialog::colorSet() const
{
    return {m_colorDialogFill, m_colorFrame,        m_colorFill,
            m_colorText,       m_colorSelectedFill, m_colorSelectedFore};
}

} // namespace zf
