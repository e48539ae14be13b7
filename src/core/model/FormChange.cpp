#include "core/model/FormChange.h"
#include "core/model/CCForm.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignProject.h"
#include "core/model/PTDialog.h"

#include <unordered_set>

namespace zf {

FormChange::FormChange(DesignForm &form)
    : m_form(form), m_before(captureFormState())
{
}

FormChange::~FormChange() = default;

void FormChange::rememberObject(DesignObject *object)
{
    if (m_finished)
        return;
    auto &states = m_objects[object];
    if (!states.before)
        states.before = object->clone();
}

void FormChange::rememberChildren(ChildList *list)
{
    if (m_finished)
        return;
    if (!m_lists.contains(list))
        m_lists[list].before = list->order();
}

void FormChange::keepRemoved(std::unique_ptr<DesignObject> object)
{
    if (object)
        m_removed.push_back(std::move(object));
}

std::vector<DesignObject *> FormChange::affectedObjects() const
{
    std::vector<DesignObject *> objects;
    std::unordered_set<const DesignObject *> seen;
    const auto add = [&](DesignObject *object) {
        if (object->form() == &m_form && seen.insert(object).second)
            objects.push_back(object);
    };
    for (const auto &[object, states] : m_objects)
        add(object);
    for (const auto &[list, orders] : m_lists) {
        for (DesignObject *object : list->order())
            add(object);
    }
    return objects;
}

void FormChange::finish()
{
    for (auto &[object, states] : m_objects)
        states.after = object->clone();
    for (auto &[list, orders] : m_lists)
        orders.after = list->order();
    m_after = captureFormState();
    m_finished = true;
}

bool FormChange::isEmpty() const
{
    return m_objects.empty() && m_lists.empty() && m_before.name == m_after.name
           && m_before.currentDialog == m_after.currentDialog;
}

void FormChange::absorb(FormChange &later)
{
    for (auto &[object, states] : later.m_objects) {
        auto &mine = m_objects[object];
        if (!mine.before)
            mine.before = std::move(states.before);
        mine.after = std::move(states.after);
    }
    for (auto &[list, orders] : later.m_lists) {
        auto it = m_lists.find(list);
        if (it == m_lists.end())
            m_lists[list] = std::move(orders);
        else
            it->second.after = std::move(orders.after);
    }
    for (auto &object : later.m_removed)
        m_removed.push_back(std::move(object));
    later.m_removed.clear();
    m_after = std::move(later.m_after);
}

FormChange::FormState FormChange::captureFormState() const
{
    FormState state;
    state.name = m_form.name();
    state.currentDialog = m_form.currentDialog();
    state.lastSelected = m_form.lastSelected();
    DesignObject *selected = m_form.project().selectedObject();
    state.ownsSelectedObject = selected && selected->form() == &m_form;
    state.selectedObject = state.ownsSelectedObject ? selected : nullptr;
    m_form.forEachObject([&state](DesignObject *object) {
        state.selection.push_back({object, object->isSelected(), object->selectColor()});
    });
    return state;
}

void FormChange::restoreFormState(const FormState &state)
{
    m_form.m_name = state.name;
    m_form.m_currentDialog = state.currentDialog;
    m_form.m_lastSelected = state.lastSelected;
    for (const Mark &mark : state.selection) {
        mark.object->setSelected(mark.selected);
        mark.object->setSelectColor(mark.color);
    }
    DesignProject &project = m_form.project();
    DesignObject *selected = project.selectedObject();
    if (state.ownsSelectedObject)
        project.setSelectedObject(state.selectedObject);
    else if (selected && !selected->form())
        project.setSelectedObject(nullptr); // taken out of the form by this step
}

void FormChange::applyStructure(Side side)
{
    if (m_lists.empty())
        return;
    // Gather every object the touched lists and this change hold, then deal
    // them out again in the order of the wanted side; what is left over is
    // out of the form on that side and stays here.
    std::unordered_map<DesignObject *, std::unique_ptr<DesignObject>> loose;
    for (auto &[list, orders] : m_lists) {
        for (auto &object : list->releaseAll())
            loose[object.get()] = std::move(object);
    }
    for (auto &object : m_removed)
        loose[object.get()] = std::move(object);
    m_removed.clear();

    for (auto &[list, orders] : m_lists) {
        std::vector<std::unique_ptr<DesignObject>> items;
        for (DesignObject *object : side == Side::Before ? orders.before : orders.after)
            items.push_back(std::move(loose[object]));
        list->adoptAll(std::move(items));
    }
    for (auto &[object, owned] : loose) {
        if (owned)
            m_removed.push_back(std::move(owned));
    }
}

void FormChange::apply(Side side)
{
    applyStructure(side);
    for (auto &[object, states] : m_objects)
        object->assignState(side == Side::Before ? *states.before : *states.after);
    restoreFormState(side == Side::Before ? m_before : m_after);
}

} // namespace zf
