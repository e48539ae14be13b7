#pragma once

#include "core/model/ItemListObject.h"

namespace zf {

// A PToolBox list. Its rows are as high as the letter "A" in its font, and
// its height always holds MaxItems rows plus the frame.
class TPTList : public DesignObjectOf<TPTList, ItemListObject>
{
public:
    static constexpr ClassId kClassId = ClassId::TPTList;
    enum Style { StandAlone = 0, PopTriggered = 1, PopupList = 2 };
    static inline const QString kNoTrigger = QStringLiteral("(None)");

    TPTList();
    ClassId classId() const override { return kClassId; }
    bool hasPalmForm() const override { return true; }

    int maxItems() const { return m_maxItems; }
    void setMaxItems(int rows);
    int style() const { return m_style; }
    void setStyle(int style) { assign(m_style, style); }
    const QString &trigger() const { return m_trigger; }
    void setTrigger(const QString &trigger);

    int rowHeight() const;
    // After the user has resized the list, it shows as many whole rows as
    // fit, and its height snaps to them.
    void fitMaxItemsToHeight();

protected:
    UserOffsets userOffsets() const override { return {1, 1, -3, 0}; }
    void fontChanged() override;

private:
    int m_maxItems = 2;
    int m_style = StandAlone;
    QString m_trigger;
};

} // namespace zf
