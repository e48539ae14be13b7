#pragma once

#include "core/base/Saturating.h"
#include "core/model/ItemListObject.h"

namespace zf {

// A pop-up list, always drawn open; Test shows or hides it in the designer.
class TCCPopUp : public DesignObjectOf<TCCPopUp, ItemListObject>
{
public:
    static constexpr ClassId kClassId = ClassId::TCCPopUp;

    TCCPopUp() : DesignObjectOf(35, 14, -1) {}
    ClassId classId() const override { return kClassId; }

    int test() const { return m_test; }
    void setTest(int test);
    bool isShowing() const override { return m_test != 0; }
    int visibleItems() const { return saturate(qint64(height()) - 3) / 11; }
    void setVisibleItems(int rows) { setHeight(saturate(qint64(rows) * 11 + 3)); }

protected:
    UserOffsets userOffsets() const override { return {1, 1, -3, 0}; }

private:
    int m_test = 0;
};

} // namespace zf
