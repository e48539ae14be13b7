#include "WhenModal.h"
#include "core/app/FormCommands.h"
#include "core/designer/Clipboard.h"
#include "core/designer/SelectionDisplay.h"
#include "core/model/CCForm.h"
#include "core/model/DesignForm.h"
#include "core/model/LibrarySupport.h"
#include "gui/app/Main.h"
#include "gui/codegen/CodeDock.h"
#include "gui/codegen/CodeView.h"
#include "gui/designer/ExportPictureDialog.h"
#include "gui/designer/LayoutActions.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace zf;
using zf::test::whenModal;

namespace {

class DesignerActions : public ::testing::Test
{
protected:
    DesignerActions() { window.project().setLibrary(kLibraryCControls); }
    DesignObject *placeButton(DesignForm &form, int x, int y)
    {
        window.project().setPressedTool(ControlKind::Button);
        EXPECT_TRUE(window.project().librarySupport().createControlAt(form, x, y, form.screen()));
        return window.project().selectedObject();
    }
    DesignForm &newForm(const char *name) { return window.formCommands().nuevoForm(QLatin1String(name)); }
    void trigger(const char *name) { window.action(QLatin1String(name))->trigger(); }
    QTemporaryDir dir;
    TMainForm window{dir.filePath(QStringLiteral("options.ini"))};
};

TEST_F(DesignerActions, TheShortcutsCopyAControlToAnotherFormThroughTheSystemClipboard)
{
    DesignObject *button = placeButton(newForm("Source"), 20, 30);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_C, Qt::ControlModifier);
    ASSERT_TRUE(QGuiApplication::clipboard()->mimeData()->hasFormat(kControlMimeType));
    DesignForm &target = newForm("Target");
    QTest::keyClick(&window, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(target.screen()->children().size(), 1);
    EXPECT_EQ(target.screen()->children().at(0)->bounds(), button->bounds());
    QTest::keyClick(&window, Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(target.screen()->children().isEmpty());
}

TEST_F(DesignerActions, APasteTheLibraryRefusesSaysWhyInTheStatusBar)
{
    DesignForm &form = newForm("Refusing");
    DesignObject *button = placeButton(form, 5, 5);
    auto *data = new QMimeData;
    data->setData(kControlMimeType, "[Zentiform Control]\r\nClass=TPTLabel\r\nLib=2\r\nName=X\r\n"
                                    "[X]\r\nControl=Label\r\nName=X\r\n");
    QGuiApplication::clipboard()->setMimeData(data);
    trigger("mnuPaste");
    EXPECT_EQ(form.screen()->children().size(), 1);
    EXPECT_EQ(window.project().selectedObject(), button);
    EXPECT_TRUE(window.statusBar()->currentMessage().startsWith(QStringLiteral("A PToolBox Label cannot be pasted")));
}

TEST_F(DesignerActions, TheEditMenuFollowsTheShownCurrentForm)
{
    DesignForm &shown = newForm("Shown");
    placeButton(shown, 5, 5);
    DesignForm &closed = newForm("Closed");
    placeButton(closed, 5, 5);
    QAction *undo = window.action(QStringLiteral("mnuUndo"));
    EXPECT_TRUE(undo->text().contains(closed.undoStack().undoText()));
    whenModal<QMessageBox>([](QMessageBox &box) { box.done(QMessageBox::No); });
    window.formCommands().closeForm(&closed);
    undo->trigger();
    EXPECT_EQ(closed.screen()->children().size(), 1);
    EXPECT_TRUE(shown.screen()->children().isEmpty());
    EXPECT_TRUE(window.formCommands().closeForm(&shown));
    EXPECT_FALSE(undo->isEnabled());
}

TEST_F(DesignerActions, TheLayoutToolbarMenusAndPopupRunOnTheSelection)
{
    trigger("spbATop"); // no design window: nothing happens
    DesignForm &form = newForm("Aligned");
    DesignObject *first = placeButton(form, 10, 10);
    DesignObject *second = placeButton(form, 60, 50);
    second->setWidth(70);
    window.project().setSelectedObject(first);
    MostrarSeleccionado(form, false);
    window.project().setSelectedObject(second);
    MostrarSeleccionado(form, true);
    trigger("spbATop");
    EXPECT_EQ(second->top(), first->top());
    QMenu menu;
    AddLayoutItems(menu, form);
    menu.findChild<QAction *>(QStringLiteral("popFitToText"))->trigger();
    EXPECT_LT(second->width(), 70);
    trigger("mnuDuplicate");
    EXPECT_EQ(form.screen()->children().size(), 4);
}

TEST_F(DesignerActions, ExportPictureAsksForTheChoicesThenTheFileAndKeepsTheChoices)
{
    EXPECT_FALSE(window.action(QStringLiteral("mnuExportPicture"))->isEnabled());
    newForm("Pictured");
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
    whenModal<ExportPictureDialog>([](ExportPictureDialog &dialog) {
        EXPECT_EQ(dialog.findChild<QComboBox *>(QStringLiteral("cmbScale"))->currentIndex(), 2);
        dialog.reject();
    });
    trigger("mnuExportPicture");
}

TEST_F(DesignerActions, TheCodeViewShowsTheLiveTextsAndMarksTheSelection)
{
    window.show();
    window.project().setProjectName(QStringLiteral("App"));
    DesignForm &form = newForm("Live");
    auto *dock = window.findChild<CodeDock *>(QStringLiteral("dockCode"));
    QSignalSpy generated(&dock->liveCode(), &LiveCode::generated);
    trigger("mnuViewCode");
    ASSERT_TRUE(generated.wait(5000));
    EXPECT_TRUE(dock->view(0)->lines().contains(QStringLiteral("  Live();")));
    DesignObject *button = placeButton(form, 20, 30);
    ASSERT_TRUE(generated.wait(5000));
    const CodeView *forms = dock->view(1);
    ASSERT_FALSE(forms->marked().empty());
    EXPECT_TRUE(forms->lines().at(forms->marked().front().first).contains(button->name()));
    dock->findChild<QPushButton *>(QStringLiteral("butCopyForms"))->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), forms->text());
    dock->close();
    EXPECT_FALSE(window.action(QStringLiteral("mnuViewCode"))->isChecked());
}

} // namespace
