#pragma once

#include <memory>
#include <vector>

namespace zf {

class DesignContainer;
class DesignForm;
class DesignObject;

// The children of a container in child order, which is also the order of
// drawing (last on top), saving and generating. The list owns its children.
// Before any change it lets an open change of the form remember the order, so
// that creating, deleting and restacking are undoable like property edits.
class ChildList
{
public:
    // A container's list; the form is the container's.
    explicit ChildList(DesignContainer *owner);
    // The design window's own list (the menu bar and the menus).
    explicit ChildList(DesignForm *form);
    ChildList(const ChildList &) = delete;
    ChildList &operator=(const ChildList &) = delete;
    ~ChildList();

    DesignContainer *owner() const { return m_owner; }
    DesignForm *form() const;

    int size() const { return int(m_items.size()); }
    bool isEmpty() const { return m_items.empty(); }
    DesignObject *at(int index) const { return m_items[size_t(index)].get(); }
    int indexOf(const DesignObject *object) const;
    bool contains(const DesignObject *object) const { return indexOf(object) >= 0; }

    // Inserts at `index`, or at the end (the top) when index is -1.
    DesignObject *insert(std::unique_ptr<DesignObject> object, int index = -1);
    std::unique_ptr<DesignObject> take(DesignObject *object);
    void move(DesignObject *object, int index);

    class const_iterator
    {
    public:
        using Inner = std::vector<std::unique_ptr<DesignObject>>::const_iterator;
        explicit const_iterator(Inner it) : m_it(it) {}
        DesignObject *operator*() const { return m_it->get(); }
        const_iterator &operator++()
        {
            ++m_it;
            return *this;
        }
        bool operator==(const const_iterator &other) const = default;

    private:
        Inner m_it;
    };
    const_iterator begin() const { return const_iterator(m_items.begin()); }
    const_iterator end() const { return const_iterator(m_items.end()); }

    // The plain order, for undo.
    std::vector<DesignObject *> order() const;

private:
    friend class FormChange;
    void aboutToChange();
    void adopt(DesignObject *object);
    // Undo rebuilds the list from objects it gathered; neither records.
    std::vector<std::unique_ptr<DesignObject>> releaseAll();
    void adoptAll(std::vector<std::unique_ptr<DesignObject>> objects);

    DesignContainer *m_owner = nullptr;
    DesignForm *m_form = nullptr;
    std::vector<std::unique_ptr<DesignObject>> m_items;
};

} // namespace zf
