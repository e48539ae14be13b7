#include "PropertyWindowFixture.h"
#include "core/ccontrols/CCLabel.h"
#include "core/ccontrols/CCListBox.h"
#include "gui/properties/frmItemsEditor.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace zf;
using namespace zf::test;

namespace {

using PropertyWindow = PropertyWindowFixture;

// Picks an entry from a drop-down list with the mouse.
void pick(QComboBox *list, const QString &entry)
{
    list->showPopup();
    QAbstractItemView *view = list->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    const QRect rect = view->visualRect(view->model()->index(list->findText(entry), 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
}

TEST_F(PropertyWindow, KeysTypedRightAfterAClickOnTheCurrentCellAllArrive)
{
    DesignObject *button = place(ControlKind::Button, 20, 30);
    for (const auto &[row, typed] : {std::pair{"Name", "Private"}, std::pair{"Width", "66"}}) {
        clickValue(row);
        QCoreApplication::processEvents();
        // The second click lands on the current cell; the keys follow before
        // a double click could have been told apart from it, with no time
        // for the event loop in between.
        clickValue(row);
        for (const char c : std::string_view(typed))
            QTest::keyClick(keyboardWidget(), c);
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        pressKey(Qt::Key_Return);
        EXPECT_EQ(cellText(row), typed) << row;
    }
    EXPECT_EQ(button->name(), "Private");
    EXPECT_EQ(button->userWidth(), 66);
}

TEST_F(PropertyWindow, ChoiceRowsOpenTheirListOnAKeyAndAPickApplies)
{
    auto *label = place<TCCLabel>(ControlKind::Label, 10, 10); // Alignment, Content, Font
    clickValue("Font");
    QComboBox *list = window->choiceList();
    pressKey(Qt::Key_Escape);
    typeKeys("x"); // opens the list, changes nothing
    EXPECT_EQ(window->shownEditor(), list);
    EXPECT_EQ(cellText("Font"), "Standard");
    pressKey(Qt::Key_Escape);
    clickValue("Alignment");
    EXPECT_EQ(list->currentText(), "Left");
    pick(list, "Right");
    EXPECT_EQ(label->alignment(), TextAlignment::Right);
    EXPECT_EQ(cellText("Alignment"), "Right");
    EXPECT_EQ(window->shownEditor(), nullptr);
    EXPECT_TRUE(window->grid()->hasFocus());
}

TEST_F(PropertyWindow, TheChooserSelectsTheFilterNarrowsAndSeveralControlsTakeOneValue)
{
    DesignObject *first = place(ControlKind::Button, 10, 10);
    DesignObject *second = place(ControlKind::Button, 60, 10);
    pick(window->chooser(), "Button1: Button");
    EXPECT_EQ(project.selectedObject(), first);
    EXPECT_EQ(cellText("Name"), "Button1");
    const int all = window->grid()->rowCount();
    QTest::keyClicks(window->filter(), "wid");
    EXPECT_LT(window->grid()->rowCount(), all);
    EXPECT_GE(rowOf("Width"), 0);
    window->filter()->clear();
    form->selectControl(second, true, true);
    window->sheet().showObject(first);
    EXPECT_EQ(rowOf("Name"), -1);
    clickValue("Top");
    typeKeys("90");
    pressKey(Qt::Key_Return);
    EXPECT_EQ(first->userTop() + second->userTop(), 180);
}

TEST_F(PropertyWindow, EllipsisRowsShowTheirEditAndItemsAreEditedAsOneUndoStep)
{
    auto *list = place<TCCListBox>(ControlKind::ListBox, 10, 10);
    const QStringList before = list->items();
    clickValue("Items");
    EllipsisEdit *items = window->itemsEdit();
    ASSERT_EQ(window->shownEditor(), items);
    EXPECT_EQ(items->text(), "(Items)");
    whenModal<TfrmItemsEd>([](TfrmItemsEd &editor) {
        editor.memo()->setPlainText(QStringLiteral("one\ntwo\n"));
        editor.findChild<QPushButton *>(QStringLiteral("BitBtn2"))->click();
    });
    items->button()->click();
    EXPECT_EQ(list->items(), QStringList({"one", "two"}));
    form->undoStack().undo();
    EXPECT_EQ(list->items(), before);
}

TEST_F(PropertyWindow, AClearedSheetKeepsOneEmptyRowThatOffersNothingToEdit)
{
    place(ControlKind::Button, 10, 10);
    workspace.clearPropertySheet();
    ASSERT_EQ(window->grid()->rowCount(), 1);
    EXPECT_EQ(window->chooser()->count(), 0);
    clickValue("");
    pressKey(Qt::Key_Return);
    typeKeys("7");
    EXPECT_EQ(window->shownEditor(), nullptr);
    EXPECT_EQ(cellText(""), "");
}

} // namespace
