#include "core/model/CCForm.h"

namespace zf {

TCCForm::TCCForm()
    : DesignObjectOf(160, 160)
{
    setName(kObjectName);
    setBounds(4, 2, 160, 160);
}

ColorSet TCCForm::colorSet() const
{
    return {m_colorFormFill, m_colorFrame,        m_colorFill,
            m_colorText,     m_colorSelectedFill, m_colorSelectedFore};
}

} // namespace zf
