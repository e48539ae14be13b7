#pragma once

#include "core/model/ItemListObject.h"

namespace zf {

// A group of radio buttons, one cell per item, side by side or (PToolBox
// only) stacked. The Palm width is that of whole cells. PToolBox keeps the
// group number in Tag.
class TCCRadio : public DesignObjectOf<TCCRadio, ItemListObject>
{
public:
    static constexpr ClassId kClassId = ClassId::TCCRadio;

    TCCRadio() : DesignObjectOf(31, 14, 0) {}
    ClassId classId() const override { return kClassId; }
    bool hasPalmForm() const override { return true; }

    const QString &content() const { return m_content; }
    void setContent(const QString &content) { assign(m_content, content); }
    int orientation() const { return m_orientation; }
    // Turns the group, reshaping it so that its cells keep their size.
    void setOrientation(int orientation);
    // Sets the orientation alone, for a group whose size is known with it.
    void restoreOrientation(int orientation) { assign(m_orientation, orientation); }

    int userWidth() const override;
    void setUserWidth(int value) override;

protected:
    UserOffsets userOffsets() const override { return {1, 1, -2, -2}; }

private:
    QString m_content;
    int m_orientation = 0;
};

} // namespace zf
