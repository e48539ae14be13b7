#include "gui/designer/ProjectTree.h"
#include "core/app/WindowPlacement.h"
#include "core/model/CCForm.h"
#include "core/model/DesignForm.h"
#include "core/model/LibrarySupport.h"
#include "gui/app/Main.h"
#include "gui/designer/ChildFor.h"
#include "gui/designer/DesignWindows.h"

#include <QAction>
#include <QMdiArea>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>

using namespace zf;

namespace {

// The project tree and the Window menu of a shown main window.
class ProjectTreeTest : public ::testing::Test
{
protected:
    ProjectTreeTest()
    {
        window = std::make_unique<TMainForm>(dir.filePath(QStringLiteral("options.ini")));
        project().setLibrary(kLibraryCControls);
        window->resize(1200, 800);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        tree = window->designWindows()->projectTree();
    }

    DesignProject &project() { return window->project(); }

    DesignObject *place(DesignForm &form, ControlKind kind)
    {
        project().setPressedTool(kind);
        project().librarySupport().createControlAt(form, 20, 20, form.screen());
        return project().selectedObject();
    }

    void clickLine(const DesignObject *object)
    {
        tree->syncNow();
        QTreeWidgetItem *item = tree->itemOf(object);
        ASSERT_NE(item, nullptr);
        tree->tree()->scrollToItem(item);
        QTest::mouseClick(tree->tree()->viewport(), Qt::LeftButton, {},
                          tree->tree()->visualItemRect(item).center());
    }

    QTemporaryDir dir;
    std::unique_ptr<TMainForm> window;
    ProjectTree *tree = nullptr;
};

} // namespace

TEST_F(ProjectTreeTest, TheTreeShowsTheFormsAndPicksWhatIsClicked)
{
    DesignForm &first = window->formCommands().nuevoForm();
    DesignObject *button = place(first, ControlKind::Button);
    DesignForm &second = window->formCommands().nuevoForm();
    DesignObject *label = place(second, ControlKind::Label);
    tree->syncNow();
    ASSERT_NE(tree->itemOf(button), nullptr);
    EXPECT_EQ(tree->itemOf(button)->text(0), QStringLiteral("Button1"));
    EXPECT_EQ(tree->itemOf(button)->text(1), QStringLiteral("Button"));
    EXPECT_EQ(tree->itemOf(button)->parent(), tree->itemOf(first.screen()));
    EXPECT_TRUE(tree->itemOf(label)->isSelected()); // the selection shows

    clickLine(button);
    EXPECT_EQ(project().currentDesignWindow(), &first);
    EXPECT_EQ(project().selectedObject(), button);
    EXPECT_TRUE(button->isSelected());
    EXPECT_EQ(window->designWindows()->frameOf(&first), window->clientArea()->activeSubWindow());

    // The tree follows renaming and undo.
    first.perform(QStringLiteral("Rename"), [&] { button->setName(QStringLiteral("btnGo")); });
    tree->syncNow();
    EXPECT_EQ(tree->itemOf(button)->text(0), QStringLiteral("btnGo"));
    first.undoStack().undo();
    first.undoStack().undo();
    tree->syncNow();
    EXPECT_EQ(tree->itemOf(button), nullptr);
    EXPECT_EQ(tree->itemOf(first.screen())->childCount(), 0);

    // A closed form comes back when it is picked.
    second.setShown(false);
    clickLine(second.screen());
    EXPECT_TRUE(second.isShown());
    EXPECT_EQ(project().currentDesignWindow(), &second);
    EXPECT_EQ(project().selectedObject(), second.screen());
}

TEST_F(ProjectTreeTest, TheWindowMenuArrangesAndListsTheOpenForms)
{
    DesignForm &first = window->formCommands().nuevoForm();
    DesignForm &second = window->formCommands().nuevoForm();
    DesignForm &third = window->formCommands().nuevoForm();
    EXPECT_NE(QPoint(first.left(), first.top()), QPoint(second.left(), second.top()));
    third.setShown(false);
    window->designWindows()->rules().makeCurrent(second);

    auto *menu = window->findChild<QMenu *>(QStringLiteral("mnuWindow"));
    ASSERT_NE(menu, nullptr);
    Q_EMIT menu->aboutToShow();
    QStringList listed;
    for (QAction *item : menu->actions()) {
        if (item->objectName().startsWith(QStringLiteral("mnuWindowForm")))
            listed << item->text() + (item->isChecked() ? QStringLiteral(" *") : QString());
    }
    EXPECT_EQ(listed, (QStringList{"&1 Form1.zsc", "&2 Form2.zsc *"}));
    menu->findChild<QAction *>(QStringLiteral("mnuWindowForm1"))->trigger();
    EXPECT_EQ(project().currentDesignWindow(), &first);

    // Cascade: the current window last, on top.
    window->action(QStringLiteral("mnuCascade"))->trigger();
    EXPECT_EQ(QPoint(first.left(), first.top()) - QPoint(second.left(), second.top()),
              QPoint(kCascadeStep, kCascadeStep));
    window->action(QStringLiteral("mnuTile"))->trigger();
    TChildFrm *frame = window->designWindows()->frameOf(&second);
    EXPECT_EQ(first.top(), second.top());
    EXPECT_EQ(first.left() - second.left(), frame->width());
    EXPECT_EQ(frame->pos(), QPoint(second.left(), second.top()));
}
