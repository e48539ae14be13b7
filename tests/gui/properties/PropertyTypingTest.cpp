// The grid's wiring for what users do fast or in bulk: typing right after a
// click, a value for several controls, the filter box.
#include "PropertyWindowFixture.h"

#include <QLineEdit>

using namespace zf;
using namespace zf::test;

namespace {

using PropertyTyping = PropertyWindowFixture;

TEST_F(PropertyTyping, KeysTypedRightAfterAClickOnTheCurrentCellAllArrive)
{
    DesignObject *button = place(ControlKind::Button, 20, 30);
    for (const auto &[row, typed] : {std::pair{"Name", "Private"}, std::pair{"Width", "66"}}) {
        clickValue(row);
        QCoreApplication::processEvents();
        // The second click lands on the current cell; the keys follow before
        // a double click could have been told apart from it.
        clickValue(row);
        // Each key goes where the keyboard is as it comes, with no time for
        // the event loop in between.
        for (const char c : std::string_view(typed))
            QTest::keyClick(keyboardWidget(), c);
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        pressKey(Qt::Key_Return);
        EXPECT_EQ(cellText(row), typed) << row;
    }
    EXPECT_EQ(button->name(), "Private");
    EXPECT_EQ(button->userWidth(), 66);
}

TEST_F(PropertyTyping, AValueTypedForSeveralControlsReachesEveryOne)
{
    DesignObject *first = place(ControlKind::Button, 10, 10);
    DesignObject *second = place(ControlKind::Label, 60, 40);
    form->deselectAll();
    form->selectControl(first, true, false);
    form->selectControl(second, true, true);
    window->sheet().showObject(second);
    EXPECT_EQ(rowOf("Name"), -1);
    EXPECT_EQ(cellText("Top"), "");

    clickValue("Top");
    typeKeys("90");
    pressKey(Qt::Key_Return);
    EXPECT_EQ(first->userTop(), 90);
    EXPECT_EQ(second->userTop(), 90);
    EXPECT_EQ(cellText("Top"), "90");
}

TEST_F(PropertyTyping, TheFilterBoxNarrowsTheRows)
{
    place(ControlKind::Button, 10, 10);
    const int all = window->grid()->rowCount();
    QTest::keyClicks(window->filter(), "wid");
    EXPECT_LT(window->grid()->rowCount(), all);
    EXPECT_GE(rowOf("Width"), 0);
    for (int row = 0; row < window->grid()->rowCount(); ++row)
        EXPECT_TRUE(window->grid()->item(row, 0)->text().contains("wid", Qt::CaseInsensitive));
    window->filter()->clear();
    EXPECT_EQ(window->grid()->rowCount(), all);
}

} // namespace
