#include "PropertyWindowFixture.h"
#include "core/ccontrols/CCLabel.h"
#include "core/ccontrols/CCListBox.h"
#include "core/designer/Nudging.h"
#include "gui/properties/EllipsisEdit.h"
#include "gui/properties/PropertyGrid.h"
#include "gui/properties/frmItemsEditor.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

using namespace zf;
using namespace zf::test;

namespace {

using PropertyWindow = PropertyWindowFixture;

// Picks an entry from a drop-down list with the mouse.
void pick(QComboBox *list, const QString &entry)
{
    const int index = list->findText(entry);
    ASSERT_GE(index, 0) << entry.toStdString();
    list->showPopup();
    QAbstractItemView *view = list->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    const QRect rect = view->visualRect(view->model()->index(index, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
}

// The sheet's rules for typed values are the core's; the window passes
// each key on and Return ends the edit.
TEST_F(PropertyWindow, TypedKeysReachTheSheetAndReturnEndsTheEdit)
{
    DesignObject *button = place(ControlKind::Button, 20, 30);
    ASSERT_EQ(cellText("Left"), "20");
    clickValue("Left");
    typeKeys("-5");
    EXPECT_EQ(button->userLeft(), -5);
    typeKeys("a");
    EXPECT_TRUE(ui.messages.empty()); // typing is never interrupted
    pressKey(Qt::Key_Return);
    EXPECT_EQ(ui.texts(), QStringList({"'-5a' is not a valid integer value"}));
    EXPECT_EQ(cellText("Left"), "-5");
}

TEST_F(PropertyWindow, AChoiceFromTheListAppliesAndShowsTheRowsAgain)
{
    auto *label = place<TCCLabel>(ControlKind::Label, 10, 10);
    clickValue("Alignment");
    QComboBox *list = window->choiceList();
    ASSERT_EQ(window->shownEditor(), list);
    EXPECT_TRUE(list->hasFocus());
    EXPECT_EQ(list->currentText(), "Left"); // the cell's own word is chosen

    pick(list, "Right");
    EXPECT_EQ(label->alignment(), TextAlignment::Right);
    EXPECT_EQ(cellText("Alignment"), "Right");
    EXPECT_EQ(window->shownEditor(), nullptr);
    EXPECT_EQ(window->grid()->currentRow(), rowOf("Alignment"));
    EXPECT_TRUE(window->grid()->hasFocus());
}

TEST_F(PropertyWindow, KeysOnAChoiceRowOpenItsListAndTheArrowsLeaveIt)
{
    place(ControlKind::Label, 10, 10); // rows Alignment, Content, Font, Left ...
    clickValue("Font");
    QComboBox *list = window->choiceList();
    ASSERT_EQ(window->shownEditor(), list);
    EXPECT_EQ(list->maxVisibleItems(), 8);

    // Up leaves the list for the row above, whose free text has no editor.
    pressKey(Qt::Key_Up);
    EXPECT_EQ(window->shownEditor(), nullptr);
    EXPECT_EQ(window->grid()->currentRow(), rowOf("Content"));
    EXPECT_TRUE(window->grid()->hasFocus());
    // Down enters the choice row again and opens its list.
    pressKey(Qt::Key_Down);
    EXPECT_EQ(window->shownEditor(), list);

    // A key typed on a choice row opens the list and changes nothing.
    pressKey(Qt::Key_Escape);
    EXPECT_EQ(window->shownEditor(), nullptr);
    typeKeys("x");
    EXPECT_EQ(window->shownEditor(), list);
    EXPECT_EQ(cellText("Font"), "Standard");

    // With Shift the arrows are the list's own: the row stays.
    pressKey(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(window->grid()->currentRow(), rowOf("Font"));
}

TEST_F(PropertyWindow, TheChooserSelectsAnotherControl)
{
    DesignObject *first = place(ControlKind::Button, 10, 10);
    DesignObject *second = place(ControlKind::Button, 60, 10);
    QComboBox *chooser = window->chooser();
    ASSERT_EQ(chooser->count(), 3);
    EXPECT_EQ(chooser->currentText(), "Button2: Button");

    pick(chooser, "Button1: Button");
    EXPECT_EQ(project.selectedObject(), first);
    EXPECT_FALSE(second->isSelected());
    EXPECT_EQ(cellText("Name"), "Button1");
    EXPECT_EQ(chooser->currentText(), "Button1: Button");
    EXPECT_TRUE(window->grid()->hasFocus());
}

TEST_F(PropertyWindow, TheGridAndTheChooserTakeTheArrowKeysAway)
{
    place(ControlKind::Button, 10, 10);
    auto *elsewhere = new QLineEdit;
    area.addSubWindow(elsewhere)->show();

    const auto focusFromElsewhere = [&](QWidget *target) {
        elsewhere->setFocus();
        SwitchCursorKeysOn(project);
        ASSERT_TRUE(project.cursorKeysActive());
        target->setFocus();
    };
    focusFromElsewhere(window->grid());
    EXPECT_FALSE(project.cursorKeysActive());
    focusFromElsewhere(window->chooser());
    EXPECT_FALSE(project.cursorKeysActive());

    // Other widgets leave the keys alone.
    elsewhere->setFocus();
    SwitchCursorKeysOn(project);
    elsewhere->clearFocus();
    elsewhere->setFocus();
    EXPECT_TRUE(project.cursorKeysActive());
}

TEST_F(PropertyWindow, EllipsisRowsShowTheirEditAndEnterLeavesIt)
{
    place(ControlKind::ListBox, 10, 10); // Items, Left, Name, ...
    clickValue("Items");
    EllipsisEdit *items = window->itemsEdit();
    ASSERT_EQ(window->shownEditor(), items);
    EXPECT_EQ(items->text(), "(Items)");
    EXPECT_EQ(items->width(), window->grid()->columnWidth(1) - 2);

    pressKey(Qt::Key_Return);
    EXPECT_EQ(window->shownEditor(), nullptr);
    EXPECT_TRUE(window->grid()->hasFocus());
    pressKey(Qt::Key_Return);
    EXPECT_EQ(window->shownEditor(), items);
    pressKey(Qt::Key_Down);
    EXPECT_EQ(window->shownEditor(), nullptr);
    EXPECT_EQ(window->grid()->currentRow(), rowOf("Left"));

    DesignObject *image = place(ControlKind::Image, 80, 80);
    window->sheet().showObject(image);
    clickValue("Bitmap");
    ASSERT_EQ(window->shownEditor(), window->bitmapEdit());
    EXPECT_EQ(window->bitmapEdit()->text(), "(Bitmap)");

    // A press on a control of the form closes it.
    workspace.hidePropertyEditors();
    EXPECT_EQ(window->shownEditor(), nullptr);
}

TEST_F(PropertyWindow, TheItemsEllipsisEditsTheListAsOneUndoStep)
{
    auto *list = place<TCCListBox>(ControlKind::ListBox, 10, 10);
    const QStringList before = list->items();
    clickValue("Items");

    whenModal<TfrmItemsEd>([](TfrmItemsEd &editor) {
        editor.memo()->setPlainText(QStringLiteral("one\ntwo\nthree\n"));
        editor.findChild<QPushButton *>(QStringLiteral("BitBtn2"))->click();
    });
    window->itemsEdit()->button()->click();
    EXPECT_EQ(list->items(), QStringList({"one", "two", "three"}));
    EXPECT_EQ(ui.zoomPauses, 1);
    form->undoStack().undo();
    EXPECT_EQ(list->items(), before);
}

TEST_F(PropertyWindow, ShowingAtTheOriginMovesBelowTheToolbarsAndClosingHides)
{
    workspace.setPropertiesShown(false);
    workspace.setToolbarDockHeight(30);
    workspace.setPropertiesBounds(QRect(0, 0, 264, 346));
    workspace.setPropertiesShown(true);
    EXPECT_EQ(window->pos(), QPoint(0, 30));
    EXPECT_EQ(workspace.propertiesBounds().topLeft(), QPoint(0, 30));

    window->close();
    EXPECT_FALSE(workspace.propertiesShown());
    EXPECT_TRUE(window->isHidden());

    // A project brings its own place.
    workspace.setPropertiesBounds(QRect(40, 50, 300, 320));
    workspace.setPropertiesShown(true);
    EXPECT_EQ(window->geometry(), QRect(40, 50, 300, 320));
}

TEST_F(PropertyWindow, AClearedSheetKeepsOneEmptyRowAndNoChooserLines)
{
    place(ControlKind::Button, 10, 10);
    workspace.clearPropertySheet();
    ASSERT_EQ(window->grid()->rowCount(), 1);
    ASSERT_EQ(rowOf(""), 0);
    EXPECT_EQ(window->chooser()->count(), 0);

    // The empty row offers nothing to edit.
    clickValue("");
    pressKey(Qt::Key_Return);
    typeKeys("7");
    EXPECT_EQ(window->shownEditor(), nullptr);
    EXPECT_EQ(cellText(""), "");
}

} // namespace
