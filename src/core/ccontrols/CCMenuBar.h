#pragma once

#include "core/model/DesignObject.h"

namespace zf {

// The bar across the top of the screen that carries the menus' topics; at
// most one per design window. Test shows (1) or hides (0) it.
class TCCMenuBar : public DesignObjectOf<TCCMenuBar, DesignObject>
{
public:
    static constexpr ClassId kClassId = ClassId::TCCMenuBar;

    TCCMenuBar() : DesignObjectOf(160, 15) {}
    ClassId classId() const override { return kClassId; }

    int test() const { return m_test; }
    bool isShowing() const override { return m_test != 0; }
    void setTest(int test)
    {
        assign(m_test, test);
        setVisible(test != 0);
    }

private:
    int m_test = 1;
};

} // namespace zf
