#pragma once

#include "core/model/DesignForm.h"

#include <QUndoCommand>

#include <memory>

namespace zf {

class FormChange;

// The undo step of one recorded change. It is pushed after the change has
// happened, so its first redo does nothing.
class FormEditCommand : public QUndoCommand
{
public:
    FormEditCommand(DesignForm &form, std::unique_ptr<FormChange> change, const QString &text,
                    MergeKey merge);
    ~FormEditCommand() override;

    void undo() override;
    void redo() override;
    int id() const override { return m_merge.kind; }
    bool mergeWith(const QUndoCommand *other) override;

private:
    DesignForm &m_form;
    std::unique_ptr<FormChange> m_change;
    MergeKey m_merge;
    bool m_done = true;
};

} // namespace zf
