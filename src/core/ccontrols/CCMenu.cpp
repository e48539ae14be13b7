#include "core/ccontrols/CCMenu.h"
#include "core/base/Saturating.h"

namespace zf {

TCCMenu::TCCMenu()
    : DesignObjectOf(35, 36, 0)
{
    setBounds(4, 1, 35, 36);
    setSelectColor(kSelectColor);
    setFontName(QStringLiteral("PilotBold"));
}

void TCCMenu::setTest(int test)
{
    assign(m_test, test);
    if (test != 0)
        setVisible(true);
    normalizeGeometry();
}

void TCCMenu::setTopicWidth(int width)
{
    assign(m_topicWidth, width);
    if (width > m_userWidth)
        setWidth(saturate(qint64(width) + 4));
}

void TCCMenu::setUserLeft(int value)
{
    assign(m_userLeft, value);
    setLeft(saturate(qint64(value) - 1));
}

void TCCMenu::setUserWidth(int value)
{
    assign(m_userWidth, value);
    if (value > m_topicWidth)
        setWidth(saturate(qint64(value) + 3));
}

void TCCMenu::normalizeGeometry()
{
    // An open menu is as high as its list; a closed one shows its title only.
    const qint64 items = this->items().size();
    setSizeRaw(width(), isOpen() ? saturate(11 * items + 15) : 15);
}

} // namespace zf
