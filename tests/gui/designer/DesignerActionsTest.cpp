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
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using namespace zf;
using zf::test::whenModal;

namespace {

class DesignerActions : public ::testing::Test
{
protected:
    DesignerActions()
    {
        window = std::make_unique<TMainForm>(dir.filePath(QStringLiteral("options.ini")));
        project().setLibrary(kLibraryCControls);
    }

    DesignProject &project() { return window->project(); }

    DesignObject *placeButton(DesignForm &form, int x, int y)
    {
        project().setPressedTool(ControlKind::Button);
        EXPECT_TRUE(project().librarySupport().createControlAt(form, x, y, form.screen()));
        return project().selectedObject();
    }

    void trigger(const char *name) { window->action(QLatin1String(name))->trigger(); }

    QTemporaryDir dir;
    std::unique_ptr<TMainForm> window;
};

TEST_F(DesignerActions, ACopiedControlTravelsToAnotherFormThroughTheSystemClipboard)
{
    DesignForm &source = window->formCommands().nuevoForm(QStringLiteral("Source"));
    DesignObject *button = placeButton(source, 20, 30);
    trigger("mnuCopy");

    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    ASSERT_TRUE(data->hasFormat(QStringLiteral("application/x-zentiform-control")));

    DesignForm &target = window->formCommands().nuevoForm(QStringLiteral("Target"));
    ASSERT_EQ(project().currentDesignWindow(), &target);
    trigger("mnuPaste");
    ASSERT_EQ(target.screen()->children().size(), 1);
    EXPECT_EQ(target.screen()->children().at(0)->bounds(), button->bounds());
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
    ASSERT_TRUE(undo->isEnabled());
    EXPECT_TRUE(undo->text().contains(closed.undoStack().undoText()));

    whenModal<QMessageBox>([](QMessageBox &box) { box.done(QMessageBox::No); });
    window->formCommands().closeForm(&closed);
    EXPECT_EQ(project().currentDesignWindow(), &shown);
    undo->trigger();
    EXPECT_EQ(closed.screen()->children().size(), 1);
    EXPECT_TRUE(shown.screen()->children().isEmpty());

    EXPECT_TRUE(window->formCommands().closeForm(&shown));
    EXPECT_FALSE(undo->isEnabled());
}

TEST_F(DesignerActions, TheShortcutsReachTheCommands)
{
    DesignForm &form = window->formCommands().nuevoForm(QStringLiteral("Keys"));
    placeButton(form, 5, 5);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier);
    ASSERT_TRUE(QGuiApplication::clipboard()->mimeData()->hasFormat(kControlMimeType));
    QTest::keyClick(window.get(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form.screen()->children().size(), 2);
    QTest::keyClick(window.get(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(form.screen()->children().size(), 1);
}

TEST_F(DesignerActions, TheLayoutToolbarMenusAndPopupRunOnTheSelection)
{
    trigger("spbATop"); // no design window: nothing happens

    DesignForm &form = window->formCommands().nuevoForm(QStringLiteral("Aligned"));
    DesignObject *first = placeButton(form, 10, 10);
    DesignObject *second = placeButton(form, 60, 50);
    second->setWidth(70);
    project().setSelectedObject(first);
    MostrarSeleccionado(form, false);
    project().setSelectedObject(second);
    MostrarSeleccionado(form, true);

    trigger("spbATop");
    EXPECT_EQ(second->top(), first->top());
    QMenu menu;
    AddLayoutItems(menu, form);
    menu.findChild<QAction *>(QStringLiteral("mnuSWidth"))->trigger();
    EXPECT_EQ(second->width(), first->width());
    second->setWidth(70);
    menu.findChild<QAction *>(QStringLiteral("popFitToText"))->trigger();
    EXPECT_LT(second->width(), 70);
    trigger("mnuDuplicate"); // leaves the clipboard alone
    EXPECT_EQ(form.screen()->children().size(), 4);
}
} // namespace

TEST_F(DesignerActions, ExportPictureAsksForTheChoicesThenTheFileAndKeepsTheChoices)
{
    EXPECT_FALSE(window->action(QStringLiteral("mnuExportPicture"))->isEnabled());
    window->formCommands().nuevoForm(QStringLiteral("Pictured"));
    ASSERT_TRUE(window->action(QStringLiteral("mnuExportPicture"))->isEnabled());
    zf::test::whenModal<ExportPictureDialog>([](ExportPictureDialog &dialog) {
        dialog.findChild<QComboBox *>(QStringLiteral("cmbScale"))->setCurrentIndex(2);
        dialog.accept();
    });
    // The file dialog follows once the choices are made; what it writes is
    // the core's to check.
    QString fileTitle;
    QTimer files;
    QObject::connect(&files, &QTimer::timeout, [&] {
        if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            files.stop();
            fileTitle = dialog->windowTitle();
            static_cast<QDialog *>(dialog)->reject();
        }
    });
    files.start(10);
    trigger("mnuExportPicture");
    EXPECT_EQ(fileTitle, QStringLiteral("Export Picture"));

    int scaleShown = -1;
    zf::test::whenModal<ExportPictureDialog>([&](ExportPictureDialog &dialog) {
        scaleShown = dialog.findChild<QComboBox *>(QStringLiteral("cmbScale"))->currentIndex();
        dialog.reject();
    });
    trigger("mnuExportPicture");
    EXPECT_EQ(scaleShown, 2);
}

TEST_F(DesignerActions, TheCodeViewShowsTheLiveTextsAndMarksTheSelection)
{
    window->show();
    project().setProjectName(QStringLiteral("App"));
    DesignForm &form = window->formCommands().nuevoForm(QStringLiteral("Live"));
    auto *dock = window->findChild<CodeDock *>(QStringLiteral("dockCode"));
    ASSERT_TRUE(dock);
    EXPECT_FALSE(dock->isVisible());
    QSignalSpy generated(&dock->liveCode(), &LiveCode::generated);
    trigger("mnuViewCode");
    EXPECT_TRUE(dock->isVisible());
    ASSERT_TRUE(generated.wait(5000));
    EXPECT_TRUE(dock->view(0)->lines().contains(QStringLiteral("  Live();")));

    // A new control shows with its lines marked: it is selected.
    DesignObject *button = placeButton(form, 20, 30);
    ASSERT_TRUE(generated.wait(5000));
    const CodeView *forms = dock->view(1);
    ASSERT_FALSE(forms->marked().empty());
    EXPECT_TRUE(forms->lines().at(forms->marked().front().first).contains(button->name()));

    dock->findChild<QPushButton *>(QStringLiteral("butCopyForms"))->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), forms->text());

    dock->close();
    EXPECT_FALSE(window->action(QStringLiteral("mnuViewCode"))->isChecked());
}
