#include "WhenModal.h"
#include "model/ModelFixture.h"
#include "core/app/FormCommands.h"
#include "core/ccontrols/ccontrols.h"
#include "core/designer/Clipboard.h"
#include "core/designer/SelectionDisplay.h"
#include "core/model/CCForm.h"
#include "core/model/DesignForm.h"
#include "core/model/ItemListObject.h"
#include "core/model/LibrarySupport.h"
#include "gui/app/Main.h"
#include "gui/app/Toolbox.h"
#include "gui/codegen/CodeDock.h"
#include "gui/codegen/CodeView.h"
#include "gui/designer/ChildFor.h"
#include "gui/designer/DesignWindows.h"
#include "gui/designer/ExportPictureDialog.h"
#include "gui/designer/FormView.h"
#include "gui/designer/ProjectTree.h"
#include "gui/properties/PropertyGrid.h"
#include "gui/properties/frmItemsEditor.h"
#include "gui/properties/frmProperties.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>
#include <memory>

using namespace zf;
using zf::test::whenModal;

namespace {

// A main window with one design window, driven by mouse and key events as a
// user would.
class DesignWindowTest : public ::testing::Test
{
protected:
    DesignWindowTest()
    {
        window = std::make_unique<TMainForm>(dir.filePath(QStringLiteral("options.ini")));
        project().setLibrary(kLibraryCControls);
        trigger("mnuViewGrid"); // on
        window->resize(1000, 760);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        openForm();
    }
    DesignProject &project() { return window->project(); }
    void trigger(const char *name) { window->findChild<QAction *>(QLatin1String(name))->trigger(); }
    void openForm()
    {
        form = &window->formCommands().nuevoForm();
        QCoreApplication::processEvents();
        frame = window->designWindows()->frameOf(form);
        ASSERT_NE(frame, nullptr);
        view = frame->imgPalm();
    }
    // The widget point in the middle of a pixel of the window's picture, of
    // the screen, or of a control.
    QPoint at(QPoint picture) const
    {
        const int half = view->scale() / 2;
        return view->widgetPoint(picture) + QPoint(half, half);
    }
    QPoint onScreen(int x, int y) const { return at({4 + x, 2 + y}); }
    QPoint inside(const DesignObject *object, int x, int y) const
    {
        return at(object->bounds().topLeft() + QPoint(4 + x, 2 + y));
    }
    void click(QPoint point, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(view, button, {}, point);
    }
    // QTest moves carry no keys: this one carries the buttons and keys held.
    void move(QPoint point, Qt::MouseButtons held = Qt::LeftButton, Qt::KeyboardModifiers keys = {})
    {
        QMouseEvent event(QEvent::MouseMove, QPointF(point), view->mapToGlobal(QPointF(point)),
                          Qt::NoButton, held, keys);
        QApplication::sendEvent(view, &event);
    }
    DesignObject *placeButton(DesignForm &target, int x, int y)
    {
        return test::placeControl(project(), target, ControlKind::Button, x, y);
    }
    DesignObject *placeWith(ControlKind kind, QPoint point)
    {
        project().setPressedTool(kind);
        click(point);
        return project().selectedObject();
    }
    QTemporaryDir dir;
    std::unique_ptr<TMainForm> window;
    DesignForm *form = nullptr;
    TChildFrm *frame = nullptr;
    FormView *view = nullptr;
};

} // namespace

TEST_F(DesignWindowTest, AClickPlacesADragMovesWithCtrlByPixelsAndTheEdgeResizes)
{
    DesignObject *button = placeWith(ControlKind::Button, onScreen(4, 20));
    ASSERT_EQ(button->bounds().topLeft(), QPoint(3, 19));
    EXPECT_EQ(project().pressedTool(), std::nullopt);
    const QPoint grip = inside(button, 15, 6);
    const QPoint pixel = at({1, 1}) - at({0, 0});
    QTest::mousePress(view, Qt::LeftButton, {}, grip);
    move(grip + QPoint(5 * pixel.x(), 3 * pixel.y()), Qt::LeftButton, Qt::ControlModifier);
    QTest::mouseRelease(view, Qt::LeftButton, {}, grip + 5 * pixel);
    EXPECT_EQ(button->bounds().topLeft(), QPoint(8, 22));
    const QRect before = button->bounds();
    const QPoint edge = inside(button, before.width() - 2, before.height() / 2 - 1);
    move(edge, Qt::NoButton);
    EXPECT_EQ(view->cursor().shape(), Qt::SizeHorCursor);
    QTest::mousePress(view, Qt::LeftButton, {}, edge);
    move(edge + 9 * QPoint(pixel.x(), 0));
    QTest::mouseRelease(view, Qt::LeftButton, {}, edge);
    EXPECT_EQ(button->bounds(), before.adjusted(0, 0, 8, 0)); // on the grid
}

TEST_F(DesignWindowTest, TheRightButtonOpensThePopupMenuOnControlsOnly)
{
    DesignObject *first = placeWith(ControlKind::Button, onScreen(10, 10));
    DesignObject *second = placeWith(ControlKind::Button, onScreen(60, 40));
    click(onScreen(150, 150), Qt::RightButton);
    EXPECT_FALSE(frame->popMenu()->isVisible());
    click(inside(first, 3, 3), Qt::RightButton);
    ASSERT_TRUE(frame->popMenu()->isVisible());
    frame->popMenu()->hide();
    // The control clicked is the one the items act on.
    click(inside(second, 20, 8), Qt::RightButton);
    frame->popMenu()->hide();
    frame->popMenu()->findChild<QAction *>(QStringLiteral("mnuDelete"))->trigger();
    ASSERT_EQ(form->screen()->children().size(), 1);
    EXPECT_EQ(form->screen()->children().at(0), first);
}

TEST_F(DesignWindowTest, ADragFromTheScreenSelectsAndDeleteTakesTheControlClicked)
{
    DesignObject *label = placeWith(ControlKind::Label, onScreen(4, 20));
    DesignObject *other = placeWith(ControlKind::Button, onScreen(10, 40));
    QTest::mousePress(view, Qt::LeftButton, {}, onScreen(150, 2));
    move(onScreen(20, 46));
    QTest::mouseRelease(view, Qt::LeftButton, {}, onScreen(20, 46));
    EXPECT_TRUE(label->isSelected() && other->isSelected());
    click(inside(label, 5, 5));
    QTest::keyClick(view, Qt::Key_Delete);
    EXPECT_EQ(form->screen()->children().size(), 1);
}

TEST_F(DesignWindowTest, AClickIntoThePropertyGridTakesTheKeysFromTheForm)
{
    DesignObject *label = placeWith(ControlKind::Label, onScreen(20, 20));
    click(inside(label, 5, 5));
    const QPoint before = label->bounds().topLeft();
    window->workspace().setPropertiesShown(true);
    auto *sheet = window->findChild<TfrmProp *>();
    QTest::mouseClick(sheet->grid()->viewport(), Qt::LeftButton, {}, QPoint(20, 5));
    // The row clicked may open its editor over the grid: the sheet has the keys.
    QWidget *focus = QApplication::focusWidget();
    ASSERT_TRUE(focus && sheet->isAncestorOf(focus));
    QTest::keyClick(focus, Qt::Key_Right);
    // The focus alone does not give them back; a press on a control does.
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Right);
    QTest::keyClick(view, Qt::Key_Delete);
    EXPECT_EQ(label->bounds().topLeft(), before);
    EXPECT_EQ(form->screen()->children().size(), 1);
    click(inside(label, 5, 5));
    QTest::keyClick(view, Qt::Key_Right);
    EXPECT_EQ(label->left(), before.x() + 4);
}

// Typing on the selected control opens its text over it: Enter keeps what was
// typed, Escape drops it, the keys going elsewhere keep it; meanwhile Space,
// Delete and the arrows belong to the text, not to the form.
TEST_F(DesignWindowTest, TypingOnAControlEditsItsTextInPlace)
{
    DesignObject *button = placeWith(ControlKind::Button, onScreen(20, 20));
    const QRect bounds = button->bounds();
    const auto text = [&] { return project().librarySupport().shownText(*button)->value; };
    const auto editor = [&]() -> QLineEdit * {
        for (auto *open : view->findChildren<QLineEdit *>(QStringLiteral("edtInPlace")))
            if (open->isVisible())
                return open;
        return nullptr;
    };
    QTest::keyClicks(view, QStringLiteral("O"));
    ASSERT_TRUE(editor() && editor()->hasFocus());
    EXPECT_FALSE(project().cursorKeysActive());
    QTest::keyClicks(editor(), QStringLiteral("K x"));
    for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_Return})
        QTest::keyClick(editor(), key);
    EXPECT_EQ(text(), QStringLiteral("OK"));
    EXPECT_EQ(button->bounds(), bounds);
    EXPECT_TRUE(project().cursorKeysActive() && view->hasFocus());

    QTest::keyClick(view, Qt::Key_F2);
    ASSERT_TRUE(editor());
    EXPECT_EQ(editor()->selectedText(), QStringLiteral("OK"));
    QTest::keyClicks(editor(), QStringLiteral("Lost"));
    QTest::keyClick(editor(), Qt::Key_Escape);
    EXPECT_EQ(text(), QStringLiteral("OK"));

    // As the desktop sends a double click: a click, then a second press
    // reported as the double click, and its release.
    click(inside(button, 5, 5));
    QTest::mouseDClick(view, Qt::LeftButton, {}, inside(button, 5, 5));
    QTest::mouseRelease(view, Qt::LeftButton, {}, inside(button, 5, 5));
    ASSERT_TRUE(editor());
    QTest::keyClicks(editor(), QStringLiteral("Go"));
    click(onScreen(150, 150));
    EXPECT_EQ(text(), QStringLiteral("Go"));
    trigger("mnuNameFromText");
    EXPECT_EQ(button->name(), QStringLiteral("Button1")); // the form was selected
    click(inside(button, 5, 5));
    frame->popMenu()->findChild<QAction *>(QStringLiteral("popNameFromText"))->trigger();
    EXPECT_EQ(button->name(), QStringLiteral("ButtonGo"));
}

// A double click on a list opens the editor of its items, where a button's
// opens its text (above).
TEST_F(DesignWindowTest, ADoubleClickOnAListEditsItsItems)
{
    DesignObject *list = placeWith(ControlKind::ListBox, onScreen(20, 20));
    whenModal<TfrmItemsEd>([](TfrmItemsEd &dialog) {
        dialog.memo()->setPlainText(QStringLiteral("A\nB"));
        dialog.done(QDialog::Accepted);
    });
    click(inside(list, 5, 5));
    QTest::mouseDClick(view, Qt::LeftButton, {}, inside(list, 5, 5));
    QTest::mouseRelease(view, Qt::LeftButton, {}, inside(list, 5, 5));
    EXPECT_EQ(static_cast<ItemListObject *>(list)->items(), QStringList({"A", "B"}));
}

// A kind dragged from the toolbox lands where it is let go, and the keys go
// on to the new control's text.
TEST_F(DesignWindowTest, AKindDroppedFromTheToolboxIsPlacedThere)
{
    QMimeData data;
    data.setData(QLatin1String(kKindMimeType), "Label");
    QDragEnterEvent enter(onScreen(30, 60), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(view, &enter);
    QDropEvent drop(QPointF(onScreen(30, 60)), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(view, &drop);
    ASSERT_EQ(form->screen()->children().size(), 1);
    DesignObject *label = form->screen()->children().at(0);
    EXPECT_EQ(label->bounds().topLeft(), QPoint(32, 60));
    QTest::keyClicks(view, QStringLiteral("H"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("i\r"));
    EXPECT_EQ(project().librarySupport().shownText(*label)->value, QStringLiteral("Hi"));
}

TEST_F(DesignWindowTest, TheScaleMapsTheMouseToFormPixels)
{
    trigger("mnuScale2");
    EXPECT_EQ(view->size(), QSize(334, 452));
    DesignObject *button = placeWith(ControlKind::Button, onScreen(6, 10));
    EXPECT_EQ(button->userLeft(), 8);
    const QPoint grip = inside(button, 10, 5);
    QTest::mousePress(view, Qt::LeftButton, {}, grip);
    move(grip + QPoint(8, 0)); // eight screen pixels are four form pixels
    QTest::mouseRelease(view, Qt::LeftButton, {}, grip + QPoint(8, 0));
    EXPECT_EQ(button->userLeft(), 12);
}

TEST_F(DesignWindowTest, TheWindowShowsItsFormAndItsCloseBoxAsksAndHides)
{
    EXPECT_EQ(frame->windowTitle(), form->caption());
    DesignForm *first = form;
    TChildFrm *firstFrame = frame;
    openForm();
    project().setPressedTool(ControlKind::Button);
    QTest::mouseClick(firstFrame->imgPalm(), Qt::LeftButton, {},
                      firstFrame->imgPalm()->widgetPoint({60, 60}));
    EXPECT_EQ(project().currentDesignWindow(), first);
    EXPECT_EQ(window->clientArea()->activeSubWindow(), firstFrame);
    bool asked = false;
    whenModal<QMessageBox>([&asked](QMessageBox &box) {
        asked = true;
        box.done(QMessageBox::No);
    });
    firstFrame->close();
    EXPECT_TRUE(asked);
    EXPECT_FALSE(firstFrame->isVisible() || first->isShown());
}

TEST_F(DesignWindowTest, AClickInTheProjectTreeSelectsTheControlAndItsForm)
{
    ProjectTree *tree = window->designWindows()->projectTree();
    DesignObject *button = placeWith(ControlKind::Button, onScreen(10, 10));
    DesignForm *first = form;
    openForm();
    tree->syncNow();
    QTreeWidgetItem *line = tree->itemOf(button);
    ASSERT_NE(line, nullptr);
    QTest::mouseClick(tree->tree()->viewport(), Qt::LeftButton, {},
                      tree->tree()->visualItemRect(line).center());
    EXPECT_EQ(project().currentDesignWindow(), first);
    EXPECT_EQ(project().selectedObject(), button);
}

// The menu, toolbar and shortcut commands run on the same main window.
using DesignerActions = DesignWindowTest;

TEST_F(DesignerActions, TheShortcutsCopyAControlToAnotherFormThroughTheSystemClipboard)
{
    DesignObject *button = placeButton(*form, 20, 30);
    QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier);
    ASSERT_TRUE(QGuiApplication::clipboard()->mimeData()->hasFormat(kControlMimeType));
    DesignForm &target = window->formCommands().nuevoForm(QStringLiteral("Target"));
    QTest::keyClick(window.get(), Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(target.screen()->children().size(), 1);
    EXPECT_EQ(target.screen()->children().at(0)->bounds(), button->bounds());
    QTest::keyClick(window.get(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(target.screen()->children().isEmpty());
}

TEST_F(DesignerActions, APasteTheLibraryRefusesSaysWhyInTheStatusBar)
{
    DesignForm &form = window->formCommands().nuevoForm(QStringLiteral("Refusing"));
    DesignObject *button = placeButton(form, 5, 5);
    auto *data = new QMimeData;
    data->setData(kControlMimeType, "[Zentiform Control]\r\nClass=TPTLabel\r\nLib=2\r\nName=X\r\n"
                                    "[X]\r\nControl=Label\r\nName=X\r\n");
    QGuiApplication::clipboard()->setMimeData(data);
    trigger("mnuPaste");
    EXPECT_EQ(form.screen()->children().size(), 1);
    EXPECT_EQ(project().selectedObject(), button);
    EXPECT_TRUE(window->statusBar()->currentMessage().startsWith(
        QStringLiteral("A PToolBox Label cannot be pasted")));
}

TEST_F(DesignerActions, TheEditMenuFollowsTheShownCurrentForm)
{
    DesignForm &shown = window->formCommands().nuevoForm(QStringLiteral("Shown"));
    placeButton(shown, 5, 5);
    DesignForm &closed = window->formCommands().nuevoForm(QStringLiteral("Closed"));
    placeButton(closed, 5, 5);
    QAction *undo = window->action(QStringLiteral("mnuUndo"));
    EXPECT_TRUE(undo->text().contains(closed.undoStack().undoText()));
    whenModal<QMessageBox>([](QMessageBox &box) { box.done(QMessageBox::No); });
    window->formCommands().closeForm(&closed);
    undo->trigger();
    EXPECT_EQ(closed.screen()->children().size(), 1);
    EXPECT_TRUE(shown.screen()->children().isEmpty());
    EXPECT_TRUE(window->formCommands().closeForm(&shown));
    EXPECT_FALSE(undo->isEnabled());
}

TEST_F(DesignerActions, TheLayoutToolbarAndMenusRunOnTheSelection)
{
    DesignForm &form = window->formCommands().nuevoForm(QStringLiteral("Aligned"));
    DesignObject *first = placeButton(form, 10, 10);
    DesignObject *second = placeButton(form, 60, 50);
    project().setSelectedObject(first);
    MostrarSeleccionado(form, false);
    project().setSelectedObject(second);
    MostrarSeleccionado(form, true);
    trigger("spbATop");
    EXPECT_EQ(second->top(), first->top());
    trigger("mnuDuplicate");
    EXPECT_EQ(form.screen()->children().size(), 4);
}

TEST_F(DesignerActions, ExportPictureAsksForTheChoicesThenTheFile)
{
    window->formCommands().nuevoForm(QStringLiteral("Pictured"));
    QString fileTitle;
    whenModal<ExportPictureDialog>([&fileTitle](ExportPictureDialog &dialog) {
        dialog.findChild<QComboBox *>(QStringLiteral("cmbScale"))->setCurrentIndex(2);
        dialog.accept();
        whenModal<QFileDialog>([&fileTitle](QFileDialog &files) {
            fileTitle = files.windowTitle();
            static_cast<QDialog &>(files).reject();
        });
    });
    trigger("mnuExportPicture");
    EXPECT_EQ(fileTitle, QStringLiteral("Export Picture"));
}

TEST_F(DesignerActions, TheCodeViewShowsTheLiveTextsAndMarksTheSelection)
{
    project().setProjectName(QStringLiteral("App"));
    DesignForm &form = window->formCommands().nuevoForm(QStringLiteral("Live"));
    auto *dock = window->findChild<CodeDock *>(QStringLiteral("dockCode"));
    QSignalSpy generated(&dock->liveCode(), &LiveCode::generated);
    trigger("mnuViewCode");
    ASSERT_TRUE(generated.wait(5000));
    EXPECT_TRUE(dock->view(0)->lines().contains(QStringLiteral("  Live();")));
    DesignObject *button = placeButton(form, 20, 30);
    ASSERT_TRUE(generated.wait(5000));
    const CodeView *forms = dock->view(1);
    ASSERT_FALSE(forms->marked().empty());
    EXPECT_TRUE(forms->lines().at(forms->marked().front().first).contains(button->name()));
}
