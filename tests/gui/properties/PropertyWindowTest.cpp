#include "PropertyWindowFixture.h"
#include "core/ccontrols/CCLabel.h"
#include "core/ccontrols/CCListBox.h"
#include "core/controls/CCButton.h"
#include "core/designer/FormRenderer.h"
#include "gui/properties/frmItemsEditor.h"
#include "gui/properties/frmPropSelect.h"
#include "gui/properties/frmZoom2x.h"

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

// The sheet's rules for typed values are the core's; the window passes
// each key on and Return ends the edit.
TEST_F(PropertyWindow, TypedKeysReachTheSheetAndReturnEndsTheEdit)
{
    DesignObject *button = place(ControlKind::Button, 20, 30);
    clickValue("Left");
    typeKeys("-5");
    EXPECT_EQ(button->userLeft(), -5);
    typeKeys("a");
    EXPECT_TRUE(ui.messages.empty()); // typing is never interrupted
    pressKey(Qt::Key_Return);
    EXPECT_EQ(ui.texts(), QStringList({"'-5a' is not a valid integer value"}));
    EXPECT_EQ(cellText("Left"), "-5");
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
    ASSERT_EQ(window->shownEditor(), list);
    pressKey(Qt::Key_Up); // to Content, free text without an editor
    EXPECT_EQ(window->shownEditor(), nullptr);
    EXPECT_EQ(window->grid()->currentRow(), rowOf("Content"));
    pressKey(Qt::Key_Down);
    EXPECT_EQ(window->shownEditor(), list);
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

TEST_F(PropertyWindow, TheChooserSelectsAnotherControlAndTheFilterNarrowsTheRows)
{
    DesignObject *first = place(ControlKind::Button, 10, 10);
    place(ControlKind::Button, 60, 10);
    pick(window->chooser(), "Button1: Button");
    EXPECT_EQ(project.selectedObject(), first);
    EXPECT_EQ(cellText("Name"), "Button1");
    const int all = window->grid()->rowCount();
    QTest::keyClicks(window->filter(), "wid");
    EXPECT_LT(window->grid()->rowCount(), all);
    EXPECT_GE(rowOf("Width"), 0);
    window->filter()->clear();
    EXPECT_EQ(window->grid()->rowCount(), all);
}

TEST_F(PropertyWindow, EllipsisRowsShowTheirEditAndItemsAreEditedAsOneUndoStep)
{
    auto *list = place<TCCListBox>(ControlKind::ListBox, 10, 10);
    const QStringList before = list->items();
    clickValue("Items");
    EllipsisEdit *items = window->itemsEdit();
    ASSERT_EQ(window->shownEditor(), items);
    EXPECT_EQ(items->text(), "(Items)");
    pressKey(Qt::Key_Return);
    EXPECT_EQ(window->shownEditor(), nullptr);
    pressKey(Qt::Key_Return);
    EXPECT_EQ(window->shownEditor(), items);
    whenModal<TfrmItemsEd>([](TfrmItemsEd &editor) {
        editor.memo()->setPlainText(QStringLiteral("one\ntwo\n"));
        editor.findChild<QPushButton *>(QStringLiteral("BitBtn2"))->click();
    });
    items->button()->click();
    EXPECT_EQ(list->items(), QStringList({"one", "two"}));
    form->undoStack().undo();
    EXPECT_EQ(list->items(), before);
    workspace.hidePropertyEditors(); // a press on the form
    EXPECT_EQ(window->shownEditor(), nullptr);
}

TEST_F(PropertyWindow, ShowingAtTheOriginMovesBelowTheToolbarsAndClosingHides)
{
    workspace.setPropertiesShown(false);
    workspace.setToolbarDockHeight(30);
    workspace.setPropertiesBounds(QRect(0, 0, 264, 346));
    workspace.setPropertiesShown(true);
    EXPECT_EQ(window->pos(), QPoint(0, 30));
    window->close();
    EXPECT_FALSE(workspace.propertiesShown());
    EXPECT_TRUE(window->isHidden());
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

// The zoom window beside the property window, the form wholly inside the
// client area.
class ZoomWindow : public PropertyWindowFixture
{
protected:
    ZoomWindow()
    {
        zoom = new TfrmZoom(project, workspace);
        area.addSubWindow(zoom);
        form->setPosition(200, 30);
    }
    TfrmZoom *zoom = nullptr;
};

TEST_F(ZoomWindow, ShowsTheFormAtTwiceItsSizeAtTheClientAreasRightEdgeBehindTheOthers)
{
    EXPECT_TRUE(zoom->isHidden());
    workspace.setToolbarDockHeight(20);
    workspace.setZoomShown(true);
    EXPECT_EQ(zoom->clientSize(), QSize(334, 452));
    EXPECT_EQ(zoom->pos(), QPoint(area.viewport()->width() - zoom->width(), 20));
    EXPECT_TRUE(zoom->isRunning());
    const QImage picture = renderForm(*form);
    ASSERT_EQ(zoom->picture(), picture);
    const QImage screen = zoom->findChild<QWidget *>(QStringLiteral("imgZoom"))->grab().toImage();
    for (const QPoint p : {QPoint(0, 0), QPoint(83, 100), QPoint(166, 225)})
        EXPECT_EQ(screen.pixel(2 * p.x() + 1, 2 * p.y() + 1), picture.pixel(p));
    area.addSubWindow(new QWidget)->show();
    area.setActiveSubWindow(zoom);
    QTest::qWait(10);
    EXPECT_EQ(area.subWindowList(QMdiArea::StackingOrder).first(), zoom);
    zoom->close(); // only hides it
    EXPECT_FALSE(workspace.zoomShown());
    EXPECT_FALSE(zoom->isRunning());
}

TEST_F(ZoomWindow, FreezesWhileTheDesignWindowIsNotWhollyInsideTheClientArea)
{
    workspace.setToolbarDockHeight(20);
    workspace.setZoomShown(true);
    const QImage before = zoom->picture();
    const int right = area.viewport()->width();
    const int bottom = area.viewport()->height();
    for (const QPoint outside :
         {QPoint(right - 100, 30), QPoint(-1, 30), QPoint(200, 19), QPoint(200, bottom - 100)}) {
        form->setPosition(outside.x(), outside.y());
        place(ControlKind::Button, 10, 10 + 20 * form->screen()->children().size());
        zoom->tick();
        EXPECT_EQ(zoom->picture(), before) << outside.x() << "," << outside.y();
    }
    for (const QPoint edge : {QPoint(0, 20), QPoint(right - 167, bottom - 226)}) { // inside again
        form->setPosition(edge.x(), edge.y());
        place(ControlKind::Button, 100, 10 + 20 * form->screen()->children().size());
        zoom->tick();
        EXPECT_EQ(zoom->picture(), renderForm(*form)) << edge.x() << "," << edge.y();
    }
}

TEST_F(ZoomWindow, ShowsThePreviewOfTheOpenColourDialog)
{
    project.setLibrary(kLibraryPToolBox);
    auto *select = place<TCCButton>(ControlKind::Select, 10, 10);
    workspace.setZoomShown(true);
    select->setDotPicker(2);
    {
        TfrmDlgColor dialog(*select, &area);
        zoom->setColorDialog(&dialog);
        dialog.show();
        zoom->tick();
        EXPECT_EQ(zoom->picture(), dialog.previewPicture(PickerPreview::Kind::Time));
        dialog.hide();
        zoom->tick();
        EXPECT_EQ(zoom->picture(), renderForm(*form));
    }
}

} // namespace
