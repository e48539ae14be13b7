#include "core/app/Options.h"
#include "core/app/WindowPlacement.h"
#include "core/ccontrols/ccontrols.h"
#include "core/model/CCForm.h"
#include "core/model/DesignForm.h"
#include "gui/app/Main.h"
#include "gui/designer/ChildFor.h"
#include "gui/designer/DesignWindows.h"
#include "gui/designer/FormView.h"
#include "gui/designer/ProjectTree.h"
#include "gui/properties/PropertyGrid.h"
#include "gui/properties/frmProperties.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>

using namespace zf;

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
    // A menu item of the main window, its own or one a part of it added.
    void trigger(const char *name)
    {
        auto *item = window->findChild<QAction *>(QLatin1String(name));
        ASSERT_NE(item, nullptr) << name;
        item->trigger();
    }

    void openForm()
    {
        form = &window->formCommands().nuevoForm();
        QCoreApplication::processEvents();
        frame = window->designWindows()->frameOf(form);
        ASSERT_NE(frame, nullptr);
        view = frame->imgPalm();
    }

    // The widget point in the middle of a pixel of the window's picture, or
    // of the screen with onScreen().
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

    void click(QPoint point, Qt::KeyboardModifiers keys = {},
               Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(view, button, keys, point);
    }

    // QTest moves carry no keys: this one carries the buttons and keys held.
    void move(QPoint point, Qt::MouseButtons held = Qt::LeftButton, Qt::KeyboardModifiers keys = {})
    {
        QMouseEvent event(QEvent::MouseMove, QPointF(point), view->mapToGlobal(QPointF(point)),
                          Qt::NoButton, held, keys);
        QApplication::sendEvent(view, &event);
    }

    DesignObject *placeWith(ControlKind kind, QPoint point)
    {
        project().setPressedTool(kind);
        click(point);
        return project().selectedObject();
    }

    // Answers the next message box with `answer`, remembering its text.
    void answerNextMessage(QMessageBox::StandardButton answer)
    {
        auto *timer = new QTimer(window.get());
        timer->setInterval(5);
        QObject::connect(timer, &QTimer::timeout, window.get(), [this, timer, answer] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                messages << box->windowTitle() + QStringLiteral(": ") + box->text();
                timer->stop();
                timer->deleteLater();
                box->button(answer)->click();
            }
        });
        timer->start();
    }

    QTemporaryDir dir;
    std::unique_ptr<TMainForm> window;
    DesignForm *form = nullptr;
    TChildFrm *frame = nullptr;
    FormView *view = nullptr;
    QStringList messages;
};

} // namespace

TEST_F(DesignWindowTest, AClickPlacesAndADragMovesOnTheGridOrByPixelsWithCtrl)
{
    DesignObject *button = placeWith(ControlKind::Button, onScreen(4, 20));
    ASSERT_EQ(button->bounds().topLeft(), QPoint(3, 19));
    EXPECT_EQ(project().pressedTool(), std::nullopt);
    const QPoint grip = inside(button, 15, 6);
    const QPoint pixel = at({1, 1}) - at({0, 0});
    QTest::mousePress(view, Qt::LeftButton, {}, grip);
    move(grip + QPoint(6 * pixel.x(), 2 * pixel.y()));
    EXPECT_EQ(button->bounds().topLeft(), QPoint(11, 19));
    move(grip + QPoint(5 * pixel.x(), 3 * pixel.y()), Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(button->bounds().topLeft(), QPoint(8, 22));
    QTest::mouseRelease(view, Qt::LeftButton, {}, grip + 5 * pixel);
    form->undoStack().undo();
    EXPECT_EQ(button->bounds().topLeft(), QPoint(3, 19));

    // The right edge resizes, its cursor telling so.
    const QRect before = button->bounds();
    const QPoint edge = inside(button, before.width() - 2, before.height() / 2 - 1);
    move(edge, Qt::NoButton);
    EXPECT_EQ(view->cursor().shape(), Qt::SizeHorCursor);
    QTest::mousePress(view, Qt::LeftButton, {}, edge);
    move(edge + 9 * QPoint(pixel.x(), 0));
    QTest::mouseRelease(view, Qt::LeftButton, {}, edge);
    EXPECT_EQ(button->bounds(), before.adjusted(0, 0, 8, 0));
}

TEST_F(DesignWindowTest, TheRightButtonOpensThePopupMenuOnControlsOnly)
{
    DesignObject *first = placeWith(ControlKind::Button, onScreen(10, 10));
    DesignObject *second = placeWith(ControlKind::Button, onScreen(60, 40));
    click(onScreen(150, 150), {}, Qt::RightButton);
    EXPECT_FALSE(frame->popMenu()->isVisible());

    click(inside(first, 3, 3), {}, Qt::RightButton);
    ASSERT_TRUE(frame->popMenu()->isVisible());
    frame->popMenu()->hide();

    // The control clicked is the one the items act on.
    EXPECT_EQ(project().selectedObject(), first);
    frame->popMenu()->findChild<QAction *>(QStringLiteral("mnuBringToFront"))->trigger();
    EXPECT_EQ(form->screen()->children().at(1), first);
    click(inside(second, 20, 8), {}, Qt::RightButton);
    frame->popMenu()->hide();
    frame->popMenu()->findChild<QAction *>(QStringLiteral("mnuSendToBack"))->trigger();
    EXPECT_EQ(form->screen()->children().at(0), second);
    frame->popMenu()->findChild<QAction *>(QStringLiteral("mnuDelete"))->trigger();
    ASSERT_EQ(form->screen()->children().size(), 1);
    EXPECT_EQ(form->screen()->children().at(0), first);
}

TEST_F(DesignWindowTest, TheKeysReachTheNudgingOfTheSelection)
{
    DesignObject *label = placeWith(ControlKind::Label, onScreen(4, 20));
    click(inside(label, 5, 5));
    ASSERT_TRUE(view->hasFocus());
    EXPECT_EQ(window->statusText(2), QStringLiteral("Cursor keys activated - Grid Step"));
    const QRect before = label->bounds();
    QTest::keyClick(view, Qt::Key_Space);
    EXPECT_EQ(window->statusText(2), QStringLiteral("Cursor keys activated - Single Step"));
    QTest::keyClick(view, Qt::Key_Right);
    QTest::keyClick(view, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(label->bounds(), before.translated(1, 0).adjusted(0, 0, 1, 0));
    QTest::keyClick(view, Qt::Key_Delete);
    EXPECT_TRUE(form->screen()->children().isEmpty());
    EXPECT_TRUE(view->hasFocus());
}

TEST_F(DesignWindowTest, ADragFromTheEmptyScreenSelectsWhatItTouches)
{
    DesignObject *first = placeWith(ControlKind::Button, onScreen(10, 10));
    DesignObject *second = placeWith(ControlKind::Button, onScreen(10, 30));
    QTest::mousePress(view, Qt::LeftButton, {}, onScreen(150, 2));
    move(onScreen(20, 36));
    QTest::mouseRelease(view, Qt::LeftButton, {}, onScreen(20, 36));
    EXPECT_TRUE(first->isSelected() && second->isSelected());
    EXPECT_TRUE(view->band().isEmpty());
}

TEST_F(DesignWindowTest, AClickIntoThePropertyGridTakesTheKeysFromTheForm)
{
    DesignObject *label = placeWith(ControlKind::Label, onScreen(20, 20));
    click(inside(label, 5, 5));
    const QPoint before = label->bounds().topLeft();
    window->workspace().setPropertiesShown(true);
    auto *sheet = window->findChild<TfrmProp *>();
    ASSERT_NE(sheet, nullptr);
    // F4 takes the keys to the sheet's values, as a click into it does.
    trigger("mnuGoToProperties");
    EXPECT_TRUE(sheet->grid()->hasFocus());
    EXPECT_EQ(sheet->grid()->currentColumn(), 1);
    EXPECT_EQ(window->statusText(2), QString());
    click(inside(label, 5, 5));
    QTest::mouseClick(sheet->grid()->viewport(), Qt::LeftButton, {}, QPoint(20, 5));
    // The row clicked may open its editor over the grid: the sheet has the keys.
    QWidget *focus = QApplication::focusWidget();
    ASSERT_TRUE(focus && sheet->isAncestorOf(focus));
    EXPECT_EQ(window->statusText(2), QString());
    QTest::keyClick(focus, Qt::Key_Right);
    EXPECT_EQ(label->bounds().topLeft(), before);

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

TEST_F(DesignWindowTest, TheScaleMapsTheMouseToFormPixels)
{
    trigger("mnuScale2");
    EXPECT_EQ(view->size(), QSize(334, 452));
    EXPECT_TRUE(QRect(QPoint(0, 0), frame->size()).contains(view->geometry()));

    DesignObject *button = placeWith(ControlKind::Button, onScreen(6, 10));
    EXPECT_EQ(button->userLeft(), 8);
    const QPoint grip = inside(button, 10, 5);
    QTest::mousePress(view, Qt::LeftButton, {}, grip);
    move(grip + QPoint(8, 0)); // eight screen pixels are four form pixels
    QTest::mouseRelease(view, Qt::LeftButton, {}, grip + QPoint(8, 0));
    EXPECT_EQ(button->userLeft(), 12);

    trigger("mnuScale4");
    // New windows take it, and the options keep it.
    openForm();
    EXPECT_EQ(view->scale(), 4);
    answerNextMessage(QMessageBox::No); // the button placed above
    window->close();
    Options saved(dir.filePath(QStringLiteral("options.ini")));
    saved.load();
    EXPECT_EQ(saved.designScale(), 4);
}

TEST_F(DesignWindowTest, TheWindowFollowsItsForm)
{
    EXPECT_EQ(frame->windowTitle(), form->caption());
    form->setPosition(30, 40);
    EXPECT_EQ(frame->pos(), QPoint(30, 40));
    frame->move(50, 70);
    EXPECT_EQ(QPoint(form->left(), form->top()), QPoint(50, 70));

    DesignForm *first = form;
    TChildFrm *firstFrame = frame;
    openForm();
    EXPECT_EQ(window->clientArea()->activeSubWindow(), frame);
    QTest::mouseClick(firstFrame->imgPalm(), Qt::LeftButton, {},
                      firstFrame->imgPalm()->widgetPoint({50, 50}));
    EXPECT_EQ(project().currentDesignWindow(), first);
    EXPECT_EQ(window->clientArea()->activeSubWindow(), firstFrame);

    // The close box asks about a change, then hides the window; the form
    // stays.
    project().setPressedTool(ControlKind::Button);
    QTest::mouseClick(firstFrame->imgPalm(), Qt::LeftButton, {},
                      firstFrame->imgPalm()->widgetPoint({60, 60}));
    answerNextMessage(QMessageBox::No);
    firstFrame->close();
    EXPECT_EQ(messages.size(), 1);
    EXPECT_FALSE(firstFrame->isVisible());
    EXPECT_FALSE(first->isShown());

    project().destroyAllForms();
    EXPECT_EQ(window->designWindows()->frameOf(first), nullptr);
    for (QMdiSubWindow *sub : window->clientArea()->subWindowList())
        EXPECT_EQ(qobject_cast<TChildFrm *>(sub), nullptr);
}

TEST_F(DesignWindowTest, TheProjectTreeFollowsTheFormsAndPicksWhatIsClicked)
{
    ProjectTree *tree = window->designWindows()->projectTree();
    DesignObject *button = placeWith(ControlKind::Button, onScreen(10, 10));
    DesignForm *first = form;
    openForm();
    tree->syncNow();
    QTreeWidgetItem *line = tree->itemOf(button);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->parent(), tree->itemOf(first->screen()));
    QTest::mouseClick(tree->tree()->viewport(), Qt::LeftButton, {},
                      tree->tree()->visualItemRect(line).center());
    EXPECT_EQ(project().currentDesignWindow(), first);
    EXPECT_EQ(project().selectedObject(), button);
    EXPECT_TRUE(button->isSelected());
    first->undoStack().undo();
    tree->syncNow();
    EXPECT_EQ(tree->itemOf(button), nullptr);
}

TEST_F(DesignWindowTest, TheWindowMenuListsArrangesAndPicksTheOpenForms)
{
    DesignForm *first = form;
    openForm();
    const QPoint step(kCascadeStep, kCascadeStep);
    EXPECT_EQ(QPoint(form->left(), form->top()), QPoint(first->left(), first->top()) + step);
    auto *menu = window->findChild<QMenu *>(QStringLiteral("mnuWindow"));
    ASSERT_NE(menu, nullptr);
    Q_EMIT menu->aboutToShow();
    QAction *firstItem = menu->findChild<QAction *>(QStringLiteral("mnuWindowForm1"));
    ASSERT_NE(firstItem, nullptr);
    EXPECT_TRUE(menu->findChild<QAction *>(QStringLiteral("mnuWindowForm2"))->isChecked());
    firstItem->trigger();
    EXPECT_EQ(project().currentDesignWindow(), first);

    trigger("mnuCascade"); // the current form goes last, on top
    EXPECT_EQ(QPoint(first->left(), first->top()), QPoint(form->left(), form->top()) + step);
}
