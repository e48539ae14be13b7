#pragma once

#include "core/model/ItemListObject.h"

namespace zf {

// One topic of a form's menu bar with its drop-down list. Menus belong to the
// design window, not to the screen. An open menu (Test 1) shows its list and
// is as high as its items; a closed one shows its title only.
class TCCMenu : public DesignObjectOf<TCCMenu, ItemListObject>
{
public:
    static constexpr ClassId kClassId = ClassId::TCCMenu;
    static constexpr PalmColor kSelectColor = 0x008000;

    TCCMenu();
    ClassId classId() const override { return kClassId; }

    int test() const { return m_test; }
    void setTest(int test);
    const QString &topic() const { return m_topic; }
    void setTopic(const QString &topic) { assign(m_topic, topic); }
    int topicWidth() const { return m_topicWidth; }
    void setTopicWidth(int width);

    // Both are stored as given rather than derived from the design rectangle.
    int userLeft() const override { return m_userLeft; }
    void setUserLeft(int value) override;
    int userWidth() const override { return m_userWidth; }
    void setUserWidth(int value) override;

    bool isOpen() const { return m_test != 0; }

protected:
    void normalizeGeometry() override;

private:
    int m_test = 1;
    QString m_topic = QStringLiteral("Topic");
    int m_topicWidth = 31;
    int m_userLeft = 5;
    int m_userWidth = 32;
};

} // namespace zf
