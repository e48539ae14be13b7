#include "core/ccontrols/CCPopUp.h"

namespace zf {

void TCCPopUp::setTest(int test)
{
    assign(m_test, test);
    setVisible(test != 0);
}

} // namespace zf
