#include "ScriptedUserInterface.h"
#include "WhenModal.h"
#include "model/ModelFixture.h"
#include "core/app/ProjectCommands.h"
#include "core/base/DataPaths.h"
#include "core/base/IniDocument.h"
#include "core/files/FormFile.h"
#include "core/model/CCForm.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignProject.h"
#include "core/model/LibrarySupport.h"
#include "gui/app/HelpWindow.h"
#include "gui/app/Main.h"
#include "gui/app/Toolbox.h"
#include "gui/app/frmNuevoProy.h"
#include "gui/designer/ChildFor.h"
#include "gui/designer/DesignWindows.h"
#include "gui/designer/FormView.h"
#include "gui/properties/PropertyGrid.h"
#include "gui/properties/frmProperties.h"
#include "gui/properties/frmZoom2x.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>

#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace zf;
using zf::test::whenModal;

namespace {

class MainWindow : public ::testing::Test
{
protected:
    ~MainWindow() override { qunsetenv("ZENTIFORM_DATA_DIR"); }
    QString optionsPath() const { return dir.filePath(QStringLiteral("options.ini")); }
    void start()
    {
        window = std::make_unique<TMainForm>(optionsPath());
        window->startUp();
        window->show();
    }
    QAction *action(const char *name) const { return window->action(QLatin1String(name)); }
    QAction *tool(const char *name) const { return window->toolbox()->button(QLatin1String(name)); }
    // Runs New Project choosing `library` in its dialog (1 CControls, 2 PToolBox).
    void newProject(int library)
    {
        whenModal<TfrmNuevoProy>([library](TfrmNuevoProy &dialog) {
            dialog.findChild<QComboBox *>(QStringLiteral("cmbLibrary"))
                ->setCurrentIndex(library - 1);
            dialog.accept();
        });
        action("mnuNewProject")->trigger();
    }
    void writeOptions(const std::function<void(IniDocument &)> &write)
    {
        IniDocument options;
        options.setPath(optionsPath());
        write(options);
        ASSERT_TRUE(options.save());
    }
    QTemporaryDir dir;
    std::unique_ptr<TMainForm> window;
};

TEST_F(MainWindow, TheToolboxTitleAndStatusFollowTheProjectAndItsLibrary)
{
    start(); // first start without options: PToolBox
    EXPECT_EQ(window->statusText(0), QStringLiteral("PToolboxLib"));
    EXPECT_FALSE(tool("spbEditLine")->isVisible() || action("mnuGenerateCode")->isEnabled());
    newProject(1);
    EXPECT_EQ(window->statusText(0), QStringLiteral("CControls"));
    EXPECT_TRUE(tool("spbEditLine")->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Zentiform 1.2 - Project1"));
    EXPECT_TRUE(action("mnuGenerateCode")->isEnabled());
    action("mnuViewZoom")->trigger();
    auto *zoom = window->findChild<TfrmZoom *>();
    EXPECT_TRUE(zoom->isVisible() && zoom->isRunning());
    zoom->close();
    EXPECT_FALSE(action("mnuViewZoom")->isChecked() || zoom->isRunning());
    action("mnuShortNames")->trigger();
    EXPECT_EQ(window->statusText(1), QStringLiteral("Short names"));
    // The context menu shows the ampersand, not a key mark.
    EXPECT_EQ(window->toolBar(QStringLiteral("Align & Size"))->toggleViewAction()->text(),
              QStringLiteral("Align && Size"));
}

TEST_F(MainWindow, AFloatingToolbarComesBackShown)
{
    // A layout saved with Align & Size floating beside the docked three.
    writeOptions([](IniDocument &options) {
        options.writeString(
            u"General", u"Toolbars",
            QStringLiteral(
                "AAAA/wAAAAD9AAAAAAAABkAAAAOFAAAABAAAAAQAAAAIAAAACPwAAAABAAAAAgAAAAQAAAAI"
                "AEYAaQBsAGUBAAAAAP////8AAAAAAAAAAAAAABAAQwBvAG4AdAByAG8AbABzAQAAAPf/"
                "////AAAAAAAAAAAAAAAIAEUAZABpAHQBAAACk/////8AAAAAAAAAAAAAABgAQQBsAGkA"
                "ZwBuACAAJgAgAFMAaQB6AGUBAAADSP////8CtQdXACeB5w=="));
    });
    start();
    QToolBar *bar = window->toolBar(QStringLiteral("Align & Size"));
    ASSERT_TRUE(bar->isFloating());
    EXPECT_TRUE(QTest::qWaitFor([bar] { return bar->isVisible(); }));
}

TEST_F(MainWindow, GenerateCodeOnANeverSavedProjectAsksForItsFileAndExitCanBeCancelled)
{
    start();
    newProject(1);
    QString message;
    whenModal<QMessageBox>([&message](QMessageBox &box) {
        message = box.text();
        box.done(QMessageBox::Ok);
        // Save Project As follows the information; cancelled, no generation.
        whenModal<QFileDialog>([](QFileDialog &dialog) {
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Save project"));
            dialog.reject();
        });
    });
    bool generateShown = false;
    QObject::connect(window.get(), &TMainForm::generateCodeRequested,
                     [&] { generateShown = true; });
    action("mnuGenerateCode")->trigger();
    EXPECT_EQ(message, QStringLiteral("You must save the project before code generation"));
    EXPECT_FALSE(generateShown);
    DesignForm &form = *window->project().currentDesignWindow();
    test::placeControl(window->project(), form, ControlKind::Button, 20, 30);
    whenModal<QMessageBox>([](QMessageBox &box) { box.done(QMessageBox::Cancel); });
    action("mnuExit")->trigger();
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(QFile::exists(optionsPath()));
}

TEST_F(MainWindow, OptionsAreReadAtStartAndWrittenAtExit)
{
    writeOptions([this](IniDocument &options) {
        options.writeInt(u"General", u"Lib", 1);
        options.writeInt(u"General", u"Grid", 0);
    });
    start();
    EXPECT_EQ(window->statusText(0), QStringLiteral("CControls"));
    EXPECT_FALSE(action("mnuViewGrid")->isChecked());
    newProject(2);
    action("mnuViewGrid")->trigger();
    ASSERT_TRUE(window->close());
    IniDocument written;
    ASSERT_TRUE(written.open(optionsPath()));
    EXPECT_EQ(written.readInt(u"General", u"Lib", 0) * 10 + written.readInt(u"General", u"Grid", 0),
              21);
}

TEST_F(MainWindow, AMissingFontIsReportedOnceAndTheStartGoesOn)
{
    QTemporaryDir data;
    QDir(data.path()).mkpath(QStringLiteral("fonts"));
    for (const char *font : {"PilotStandard", "PilotBold", "PilotBold12"})
        QFile::copy(QStringLiteral(ZENTIFORM_FONTS_DIR "/%1.bdf").arg(QLatin1String(font)),
                    data.filePath(QStringLiteral("fonts/%1.bdf").arg(QLatin1String(font))));
    qputenv("ZENTIFORM_DATA_DIR", data.path().toUtf8());
    QStringList messages;
    whenModal<QMessageBox>([&messages](QMessageBox &box) {
        messages << box.windowTitle() + QLatin1Char('|') + box.text();
        box.done(QMessageBox::Ok);
    });
    window = std::make_unique<TMainForm>(optionsPath());
    window->startUp();
    EXPECT_EQ(messages, QStringList({"Error|Error: PilotLarge.fon not found"}));
}

TEST_F(MainWindow, FilesNamedOnTheCommandLineOpen)
{
    const QString form = dir.filePath(QStringLiteral("Lone.zsc"));
    const QString project = dir.filePath(QStringLiteral("P.zpj"));
    for (const auto &[path, text] :
         {std::pair{
              form,
              QByteArray(
                  "[FORM]\nName=Lone\nLib=2\n[B]\nControl=Button\nName=B\nParent=panScreen\n")},
          std::pair{project, "[Project]\nLib=2\n[ActiveForms]\nForm0=" + form.toUtf8() + "\n"}}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    start();
    window->openFiles({project});
    EXPECT_EQ(window->project().projectFile(), project);
    ASSERT_EQ(window->project().forms().size(), 1u);
    EXPECT_TRUE(window->project().forms()[0]->findOwned(QStringLiteral("B")));
}

TEST_F(MainWindow, F1OpensThePageOfTheFocusedWindow)
{
    start();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    DesignForm &form = window->formCommands().nuevoForm();
    QCoreApplication::processEvents();
    FormView *view = window->designWindows()->frameOf(&form)->imgPalm();
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(1, 1)); // on the handheld's frame
    QTest::keyClick(view, Qt::Key_F1);
    HelpWindow *help = helpWindow();
    EXPECT_EQ(help->browser()->source().fileName(), "topic5.html");
    // The help window's own navigation and search.
    help->action("actContents")->trigger();
    help->action("actBack")->trigger();
    EXPECT_EQ(help->browser()->source().fileName(), "topic5.html");
    EXPECT_FALSE(help->find(QStringLiteral("no such words here")));
}

TEST(ExampleProjects, OpenWithTheSheetShowingTheFirstFormAsItsFileHoldsIt)
{
    for (const char *example : {"ccontrols", "ptoolbox"}) {
        SCOPED_TRACE(example);
        QTemporaryDir dir;
        const QDir source(dataPath(QStringLiteral("examples/") + QLatin1String(example)));
        QString projectFile;
        for (const QString &name : source.entryList(QDir::Files)) {
            ASSERT_TRUE(QFile::copy(source.filePath(name), dir.filePath(name)));
            if (name.endsWith(QLatin1String(".zpj")))
                projectFile = dir.filePath(name);
        }
        ASSERT_FALSE(projectFile.isEmpty());
        TMainForm window(dir.filePath(QStringLiteral("options.ini")));
        window.projectCommands().abrirProyecto(projectFile);
        DesignForm *form = window.project().currentDesignWindow();
        ASSERT_TRUE(form && window.project().selectedObject() == form->screen());
        // The same file loaded on its own, in a project nothing else touched.
        QFile file(form->fileName());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        IniDocument doc;
        doc.parse(file.readAll());
        test::ScriptedUserInterface ui;
        DesignProject fresh(ui);
        fresh.setLibrary(window.project().library());
        DesignForm *reference = fresh.addForm(readFormName(doc));
        EXPECT_TRUE(readForm(*reference, doc).empty());
        const PropertyRows rows = fresh.librarySupport().propertyRows(*reference->screen());
        const PropertyGrid *grid = window.findChild<TfrmProp *>()->grid();
        ASSERT_EQ(grid->rowCount(), int(rows.size()));
        for (int i = 0; i < grid->rowCount(); ++i)
            EXPECT_EQ(grid->item(i, 0)->text() + '=' + grid->item(i, 1)->text(),
                      rows[size_t(i)].name + '=' + rows[size_t(i)].value);
    }
}

} // namespace
