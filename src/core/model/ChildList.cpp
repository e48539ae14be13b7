#include "core/model/ChildList.h"
#include "core/model/DesignContainer.h"
#include "core/model/DesignForm.h"

#include <algorithm>

namespace zf {

ChildList::ChildList(DesignContainer *owner)
    : m_owner(owner)
{
}

ChildList::ChildList(DesignForm *form)
    : m_form(form)
{
}

ChildList::~ChildList() = default;

DesignForm *ChildList::form() const
{
    return m_owner ? m_owner->form() : m_form;
}

int ChildList::indexOf(const DesignObject *object) const
{
    const auto it = std::find_if(m_items.begin(), m_items.end(),
                                 [object](const auto &item) { return item.get() == object; });
    return it == m_items.end() ? -1 : int(it - m_items.begin());
}

void ChildList::aboutToChange()
{
    if (DesignForm *f = form())
        f->recordChildren(this);
}

void ChildList::adopt(DesignObject *object)
{
    object->m_parent = m_owner;
    object->attachTo(form());
}

DesignObject *ChildList::insert(std::unique_ptr<DesignObject> object, int index)
{
    Q_ASSERT(object);
    aboutToChange();
    DesignObject *raw = object.get();
    adopt(raw);
    if (index < 0 || index > size())
        index = size();
    m_items.insert(m_items.begin() + index, std::move(object));
    return raw;
}

std::unique_ptr<DesignObject> ChildList::take(DesignObject *object)
{
    const int index = indexOf(object);
    if (index < 0)
        return nullptr;
    aboutToChange();
    std::unique_ptr<DesignObject> taken = std::move(m_items[size_t(index)]);
    m_items.erase(m_items.begin() + index);
    taken->m_parent = nullptr;
    taken->attachTo(nullptr);
    return taken;
}

void ChildList::move(DesignObject *object, int index)
{
    const int from = indexOf(object);
    if (from < 0)
        return;
    index = std::clamp(index, 0, size() - 1);
    if (index == from)
        return;
    aboutToChange();
    std::unique_ptr<DesignObject> item = std::move(m_items[size_t(from)]);
    m_items.erase(m_items.begin() + from);
    m_items.insert(m_items.begin() + index, std::move(item));
}

std::vector<DesignObject *> ChildList::order() const
{
    std::vector<DesignObject *> result;
    result.reserve(m_items.size());
    for (const auto &item : m_items)
        result.push_back(item.get());
    return result;
}

std::vector<std::unique_ptr<DesignObject>> ChildList::releaseAll()
{
    for (auto &item : m_items) {
        item->m_parent = nullptr;
        item->attachTo(nullptr);
    }
    std::vector<std::unique_ptr<DesignObject>> released;
    released.swap(m_items);
    return released;
}

void ChildList::adoptAll(std::vector<std::unique_ptr<DesignObject>> objects)
{
    m_items = std::move(objects);
    for (auto &item : m_items)
        adopt(item.get());
}

} // namespace zf
