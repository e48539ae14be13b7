#pragma once

#include <QString>

#include <memory>
#include <unordered_map>
#include <vector>

namespace zf {

class ChildList;
class DesignForm;
class DesignObject;
class TPTDialog;

// One undoable change of a form, recorded while it happens. Objects report
// themselves before their first change (DesignObject::touch) and child lists
// before their first restacking, so the change knows every object and order
// it affected, side effects included, without any command having to list
// them. Objects a change removes are kept alive here until the change is
// forgotten.
class FormChange
{
public:
    explicit FormChange(DesignForm &form);
    ~FormChange();
    FormChange(const FormChange &) = delete;
    FormChange &operator=(const FormChange &) = delete;

    void rememberObject(DesignObject *object);
    void rememberChildren(ChildList *list);
    // Keeps an object the change took out of the form.
    void keepRemoved(std::unique_ptr<DesignObject> object);
    // The objects the change touched so far and those in the child lists it
    // restacked (new ones among them), each once; the removed are left out.
    std::vector<DesignObject *> affectedObjects() const;
    // Takes the state after the change; the change is complete.
    void finish();

    bool isEmpty() const;
    void undo() { apply(Side::Before); }
    void redo() { apply(Side::After); }
    // Folds a later change into this one: this one's "before", the later's
    // "after".
    void absorb(FormChange &later);

private:
    enum class Side { Before, After };

    struct ObjectStates
    {
        std::unique_ptr<DesignObject> before;
        std::unique_ptr<DesignObject> after;
    };
    struct Orders
    {
        std::vector<DesignObject *> before;
        std::vector<DesignObject *> after;
    };
    struct Mark
    {
        DesignObject *object;
        bool selected;
        quint32 color;
    };
    // What belongs to the window rather than to one object.
    struct FormState
    {
        QString name;
        TPTDialog *currentDialog = nullptr;
        DesignObject *lastSelected = nullptr;
        bool ownsSelectedObject = false;
        DesignObject *selectedObject = nullptr;
        std::vector<Mark> selection;
    };

    FormState captureFormState() const;
    void restoreFormState(const FormState &state);
    void applyStructure(Side side);
    void apply(Side side);

    DesignForm &m_form;
    std::unordered_map<DesignObject *, ObjectStates> m_objects;
    std::unordered_map<ChildList *, Orders> m_lists;
    std::vector<std::unique_ptr<DesignObject>> m_removed;
    FormState m_before;
    FormState m_after;
    bool m_finished = false;
};

} // namespace zf
