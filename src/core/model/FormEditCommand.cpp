#include "core/model/FormEditCommand.h"
#include "core/model/FormChange.h"

namespace zf {

FormEditCommand::FormEditCommand(DesignForm &form, std::unique_ptr<FormChange> change,
                                 const QString &text, MergeKey merge)
    : QUndoCommand(text), m_form(form), m_change(std::move(change)), m_merge(merge)
{
}

FormEditCommand::~FormEditCommand() = default;

void FormEditCommand::undo()
{
    m_change->undo();
    m_done = false;
    m_form.refreshControlList();
    m_form.notifyChanged();
}

void FormEditCommand::redo()
{
    if (m_done)
        return; // pushed after the change happened
    m_change->redo();
    m_done = true;
    m_form.refreshControlList();
    m_form.notifyChanged();
}

bool FormEditCommand::mergeWith(const QUndoCommand *other)
{
    const auto *later = static_cast<const FormEditCommand *>(other);
    if (m_merge.kind < 0 || later->m_merge.kind != m_merge.kind
        || later->m_merge.session != m_merge.session || &later->m_form != &m_form)
        return false;
    m_change->absorb(*later->m_change);
    return true;
}

} // namespace zf
