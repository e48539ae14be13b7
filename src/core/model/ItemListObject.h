#pragma once

#include "core/model/DesignObject.h"

#include <QStringList>

namespace zf {

// The part shared by every class that shows a list of text lines (list boxes,
// drop-downs, radio groups, menus): the lines and the chosen one.
class ItemListObject : public DesignObject
{
public:
    const QStringList &items() const { return m_items; }
    void setItems(const QStringList &items)
    {
        assign(m_items, items);
        normalizeGeometry();
    }

    int selectedItem() const { return m_selectedItem; }
    void setSelectedItem(int index) { assign(m_selectedItem, index); }

protected:
    ItemListObject(int width, int height, int selectedItem)
        : DesignObject(width, height), m_selectedItem(selectedItem)
    {
    }

private:
    QStringList m_items;
    int m_selectedItem;
};

} // namespace zf
