#pragma once

#include "core/ccontrols/CCTextLine.h"

namespace zf {

// Tag 0 marks an Edit, any other value an EditLine.
class TCCEdit : public DesignObjectOf<TCCEdit, TCCTextLine>
{
public:
    static constexpr ClassId kClassId = ClassId::TCCEdit;
    TCCEdit() : DesignObjectOf(32, 2, 1) {}
    ClassId classId() const override { return kClassId; }

    bool isEditLine() const { return tag() != 0; }
    const QString &topic() const { return m_topic; }
    void setTopic(const QString &topic) { assign(m_topic, topic); }

private:
    QString m_topic;
};

} // namespace zf
