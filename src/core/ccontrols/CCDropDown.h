#pragma once

#include "core/model/ItemListObject.h"

namespace zf {

// A drop-down shows its closed box, 12 pixels high, or (with TestItems) its
// opened list of VisibleItems rows.
class TCCDropDown : public DesignObjectOf<TCCDropDown, ItemListObject>
{
public:
    static constexpr ClassId kClassId = ClassId::TCCDropDown;
    static constexpr int kClosedHeight = 12;

    TCCDropDown() : DesignObjectOf(35, 14, -1) {}
    ClassId classId() const override { return kClassId; }

    int testItems() const { return m_testItems; }
    void setTestItems(int open);
    int visibleItems() const { return m_visibleItems; }
    void setVisibleItems(int rows);

protected:
    UserOffsets userOffsets() const override { return {1, 1, -3, 0}; }
    void normalizeGeometry() override;

private:
    int m_testItems = 0;
    int m_visibleItems = 3;
};

} // namespace zf
