#pragma once

#include "core/model/ItemListObject.h"
#include "core/base/Saturating.h"

namespace zf {

// A list box shows whole rows of 11 pixels: its visible row count is its
// height in rows, and setting the count sets the height.
class TCCListBox : public DesignObjectOf<TCCListBox, ItemListObject>
{
public:
    static constexpr ClassId kClassId = ClassId::TCCListBox;
    static constexpr int kRowHeight = 11;

    TCCListBox();
    ClassId classId() const override { return kClassId; }

    int visibleItems() const { return floorDivide(height(), kRowHeight); }
    void setVisibleItems(int rows);

protected:
    UserOffsets userOffsets() const override { return {1, 1, -2, 0}; }
};

} // namespace zf
