#include "CommandsFixture.h"

#include "core/base/IniDocument.h"
#include "core/controls/CCButton.h"
#include "core/ptoolbox/PTButton.h"
#include "core/ptoolbox/PTLabel.h"

#include <QDir>
#include <QSignalSpy>

using namespace zf;
using namespace zf::test;

namespace {

class ProjectCommandsTest : public CommandsFixture
{
protected:
    // New Project with `library`, answering the prompt first when there is
    // one.
    void newProject(int library = kLibraryCControls)
    {
        if (project.isOpen() && projects.hasUnsavedWork())
            ui.answers.push_back(Button::No);
        ui.libraries.push_back(library);
        projects.newProject();
    }

    // A saved project with `count` saved forms; returns its path.
    QString savedProject(int count = 1)
    {
        newProject();
        for (int i = 1; i < count; ++i)
            forms.nuevoForm();
        const QString file = path(QStringLiteral("Demo.zpj"));
        ui.files.push_back(file);
        for (int i = 1; i <= count; ++i)
            ui.files.push_back(path(QStringLiteral("f%1.zsc").arg(i)));
        EXPECT_TRUE(projects.saveProjectAs());
        return file;
    }

    QStringList events() const { return ui.events; }

    // A change to the first form, so that the project has unsaved work.
    void change() { place(*project.forms()[0], ControlKind::Button); }
};

const QString kTitle = QStringLiteral("Zentiform 1.2");

} // namespace

TEST_F(ProjectCommandsTest, NewProjectStartsWithOneFormAndThePropertyWindow)
{
    forms.nuevoForm();
    forms.nuevoForm();
    workspace.setPropertiesBounds(QRect(50, 60, 70, 80));
    ui.libraries.push_back(kLibraryPToolBox);
    projects.newProject();

    // No project was open: no question, straight to the dialog.
    EXPECT_EQ(events(), QStringList({"library"}));
    EXPECT_EQ(ui.libraryProposals, std::vector<int>({kLibraryCControls}));
    EXPECT_EQ(ui.pausedDuring, std::vector<bool>({true}));
    EXPECT_TRUE(zoomRunning());

    EXPECT_EQ(project.library(), kLibraryPToolBox);
    EXPECT_EQ(QStringList({project.projectName(), project.projectFile(), workspace.title()}),
              QStringList({"Project1", "", "Zentiform 1.2 - Project1"}));
    EXPECT_TRUE(workspace.propertiesShown() && workspace.generateCodeEnabled());
    EXPECT_EQ(workspace.propertiesBounds(), QRect(0, 0, 264, 346));
    ASSERT_EQ(project.forms().size(), 1u);
    EXPECT_EQ(project.forms()[0]->name(), QStringLiteral("Form1"));
    EXPECT_EQ(project.currentDesignWindow(), project.forms()[0].get());
}

TEST_F(ProjectCommandsTest, TheSavePromptComesFirstAndCancelStopsTheCommand)
{
    newProject();
    change();
    ui.answers.push_back(Button::Cancel);
    projects.newProject();
    EXPECT_EQ(ui.messages, (std::vector<UserInterface::Message>{
                               {QStringLiteral("Confirm"), QStringLiteral("Save changes to project Project1?"),
                                Button::Yes | Button::No | Button::Cancel, Icon::Question}}));
    EXPECT_EQ(ui.pausedDuring.back(), true);
    EXPECT_EQ(ui.libraryProposals.size(), 1u); // the dialog came only once
    EXPECT_EQ(project.forms().size(), 1u);

    // Cancel in the library dialog changes nothing either.
    ui.answers.push_back(Button::No);
    ui.libraries.push_back(std::nullopt);
    projects.newProject();
    EXPECT_EQ(project.library(), kLibraryCControls);
    EXPECT_EQ(project.forms().size(), 1u);
    EXPECT_TRUE(zoomRunning());
    EXPECT_TRUE(ui.unexpected.isEmpty());
}

TEST_F(ProjectCommandsTest, AYesWhoseSaveDoesNotHappenStopsTheCommand)
{
    newProject();
    change();
    DesignForm *form = project.forms()[0].get();
    // Yes, then the Save Project As dialog cancelled: New Project stops, and
    // the unsaved form is kept.
    ui.answers.push_back(Button::Yes);
    ui.files.push_back(std::nullopt);
    projects.newProject();
    EXPECT_EQ(events().mid(1), QStringList({"ask: Save changes to project Project1?", "save: Save project"}));
    EXPECT_EQ(project.forms()[0].get(), form);

    // The same for Close All, Open Project and a recent project.
    for (const auto &command : std::vector<std::function<void()>>{
             [&] { projects.closeAll(); }, [&] { projects.openProject(); },
             [&] { projects.openRecentProject(path(QStringLiteral("x.zpj"))); }}) {
        ui.answers.push_back(Button::Yes);
        ui.files.push_back(std::nullopt);
        command();
        EXPECT_EQ(project.forms()[0].get(), form);
        EXPECT_EQ(project.projectName(), QStringLiteral("Project1"));
    }
    EXPECT_TRUE(ui.unexpected.isEmpty());
    EXPECT_TRUE(zoomRunning());
}

TEST_F(ProjectCommandsTest, SaveProjectOfANewProjectIsSaveProjectAs)
{
    newProject();
    place(*project.forms()[0], ControlKind::Button);
    const QString file = path(QStringLiteral("Demo.zpj"));
    const QString formFile = path(QStringLiteral("Form1.zsc"));
    ui.files.push_back(file);
    ui.files.push_back(formFile);
    EXPECT_TRUE(projects.saveProject());

    EXPECT_EQ(events(), QStringList({"library", "save: Save project", "save: Save Form"}));
    const auto &request = ui.fileRequests[0];
    EXPECT_EQ(QStringList({request.filter, request.defaultExtension, request.proposedName}),
              QStringList({"Zentiform project (*.zpj)|*.zpj", "zpj", "Project1"}));
    EXPECT_TRUE(zoomRunning());

    // Save Project As: the title shows the name without its extension.
    EXPECT_EQ(QStringList({project.projectName(), project.projectFile(), workspace.title()}),
              QStringList({"Demo", file, "Zentiform 1.2 - Demo"}));
    EXPECT_EQ(recent.paths(), QStringList({file}));
    EXPECT_EQ(read(file), QByteArray("[Project]\r\nName=" + file.toUtf8() + "\r\nLib=1\r\n"
                                     "[Properties]\r\nActive=1\r\nTop=0\r\nLeft=0\r\nWidth=264\r\nHeight=346\r\n"
                                     "[Zoom]\r\nActive=0\r\n"
                                     "[ActiveForms]\r\nForm0=" + formFile.toUtf8() + "\r\n"));

    // Save Project: no dialog for the project, the replace question for the
    // form; the title shows the file name with its extension.
    ui.answers.push_back(Button::Yes);
    EXPECT_TRUE(projects.saveProject());
    EXPECT_EQ(ui.messages.back().text, formFile + QStringLiteral(" already exists. Do you want to replace it?"));
    EXPECT_EQ(ui.fileRequests.size(), 2u);
    EXPECT_EQ(workspace.title(), QStringLiteral("Zentiform 1.2 - Demo.zpj"));
    EXPECT_TRUE(ui.unexpected.isEmpty());
}

TEST_F(ProjectCommandsTest, TheProjectFileIsUpdatedInPlace)
{
    const QString file = savedProject(3);
    // Another program's keys, and settings of the generate dialog.
    QByteArray text = read(file);
    text.replace("[Zoom]", "[Code]\r\nPrefix=App\r\n[Icons]\r\nLarge1=a.bmp\r\n[Zoom]");
    text.replace("Lib=1\r\n", "Lib=1\r\nAuthor=me\r\n");
    write(file, text);

    ASSERT_TRUE(forms.closeForm(project.forms()[0].get()));
    workspace.setPropertiesShown(false);
    workspace.setZoomShown(true);
    workspace.setZoomPosition(QPoint(500, 60));
    ui.answers.push_back(Button::Yes);
    ui.answers.push_back(Button::Yes);
    EXPECT_TRUE(projects.saveProject());
    // One replace question per open form; the closed one is not saved.
    EXPECT_EQ(ui.messages.size(), 2u);

    IniDocument doc;
    ASSERT_TRUE(doc.open(file));
    EXPECT_EQ(doc.sections(), QStringList({"Project", "Properties", "Code", "Icons", "Zoom", "ActiveForms"}));
    // A hidden window's bounds are not written; the old ones stay.
    EXPECT_EQ(QStringList({doc.readString(u"Project", u"Author"), doc.readString(u"Code", u"Prefix"),
                           doc.readString(u"Icons", u"Large1"), doc.readString(u"Properties", u"Active"),
                           doc.readString(u"Properties", u"Width"), doc.readString(u"Zoom", u"Active"),
                           doc.readString(u"Zoom", u"Top"), doc.readString(u"Zoom", u"Left")}),
              QStringList({"me", "App", "a.bmp", "0", "264", "1", "60", "500"}));
    // The keys carry each window's place in the list, not a count.
    EXPECT_EQ(doc.keys(u"ActiveForms"), QStringList({"Form1", "Form2"}));
    EXPECT_EQ(doc.readString(u"ActiveForms", u"Form1"), path(QStringLiteral("f2.zsc")));
}

TEST_F(ProjectCommandsTest, SaveProjectAsOverAnExistingFileAsksFirst)
{
    newProject();
    const QString file = path(QStringLiteral("Old.zpj"));
    write(file, "[Project]\nName=old\n");
    ui.files.push_back(file);
    ui.answers.push_back(Button::No);
    EXPECT_FALSE(projects.saveProjectAs());
    EXPECT_EQ(ui.messages, std::vector{warningQuestion(QStringLiteral("New project"),
                                                       file + " already exists. Do you want to replace it?")});
    EXPECT_EQ(read(file), QByteArray("[Project]\nName=old\n"));
    EXPECT_EQ(project.projectName(), QStringLiteral("Project1"));
    EXPECT_TRUE(zoomRunning());
}

TEST_F(ProjectCommandsTest, ARefusedProjectWriteSaysSoAndKeepsTheOldFile)
{
    const QString file = savedProject();
    const QByteArray before = read(file);
    QFile::setPermissions(file, QFile::ReadOwner);
    ui.answers.push_back(Button::Yes); // replace the form
    EXPECT_FALSE(projects.saveProject());
    EXPECT_EQ(ui.messages.back().text.section(QLatin1Char('\n'), 0, 0),
              QStringLiteral("Unable to write to ") + file);
    EXPECT_EQ(read(file), before);

    // As the answer to the prompt, it stops the command.
    change();
    ui.answers.push_back(Button::Yes);
    ui.answers.push_back(Button::Yes);
    projects.closeAll();
    EXPECT_EQ(project.projectName(), QStringLiteral("Demo"));
    EXPECT_EQ(project.forms().size(), 1u);
}

TEST_F(ProjectCommandsTest, OpeningAProjectRestoresItsFormsAndWindows)
{
    const QString file = savedProject(2);
    workspace.setZoomShown(true);
    workspace.setZoomPosition(QPoint(400, 30));
    workspace.setPropertiesBounds(QRect(1, 2, 300, 400));
    ui.answers.push_back(Button::Yes);
    ui.answers.push_back(Button::Yes);
    ASSERT_TRUE(projects.saveProject());
    projects.cerrarTodo();

    ui.files.push_back(file);
    projects.openProject();
    EXPECT_EQ(ui.fileRequests.back().filter, QStringLiteral("Zentiform Project (*.zpj)|*.zpj"));
    EXPECT_EQ(QStringList({project.projectName(), project.projectFile(), workspace.title()}),
              QStringList({"Demo", file, "Zentiform 1.2 - Demo"}));
    ASSERT_EQ(project.forms().size(), 2u);
    EXPECT_EQ(project.forms()[0]->fileName(), path(QStringLiteral("f1.zsc")));
    EXPECT_EQ(project.forms()[1]->name(), QStringLiteral("Form2"));
    EXPECT_TRUE(workspace.zoomShown() && workspace.propertiesShown() && workspace.generateCodeEnabled());
    EXPECT_EQ(workspace.zoomPosition(), QPoint(400, 30));
    EXPECT_EQ(workspace.propertiesBounds(), QRect(1, 2, 300, 400));
    EXPECT_EQ(recent.paths().first(), file);
    EXPECT_TRUE(zoomRunning());
}

TEST_F(ProjectCommandsTest, APToolBoxProjectSetsItsLibraryBeforeItsFormsLoad)
{
    const QString golden = QStringLiteral(ZENTIFORM_TEST_DATA_DIR "/forms/ptoolbox-all.zsc");
    const QString ccForm = path(QStringLiteral("cc.zsc"));
    write(ccForm, "[FORM]\nName=Old\nLib=1\n[B]\nControl=Button\nName=B\n[S]\nControl=Switch\nName=S\n"
                  "[L]\nControl=Label\nName=L\n");
    const QString file = path(QStringLiteral("Pt.zpj"));
    write(file, "[Project]\nLib=2\n[ActiveForms]\nForm4=" + golden.toUtf8() + "\nForm9="
                    + path(QStringLiteral("gone.zsc")).toUtf8() + "\nForm2=" + ccForm.toUtf8() + "\n");
    projects.abrirProyecto(file);
    EXPECT_EQ(project.library(), kLibraryPToolBox);
    ASSERT_EQ(project.forms().size(), 2u);
    EXPECT_TRUE(objectCast<TPTButton>(project.forms()[0]->findOwned(QStringLiteral("Button1"))));
    // No library check: the kinds both libraries know are read as PToolBox's.
    DesignForm &old = *project.forms()[1];
    EXPECT_TRUE(objectCast<TPTButton>(old.findOwned(QStringLiteral("B"))));
    EXPECT_TRUE(objectCast<TPTLabel>(old.findOwned(QStringLiteral("L"))));
    EXPECT_FALSE(old.findOwned(QStringLiteral("S")));
    // Missing forms are passed over without a word.
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ProjectCommandsTest, ARelativeFormPathIsTakenFromTheProjectFolder)
{
    QDir(dir.path()).mkpath(QStringLiteral("moved/forms"));
    write(path(QStringLiteral("moved/forms/a.zsc")), "[FORM]\nName=A\nLib=1\n");
    write(path(QStringLiteral("moved/forms/b.zsc")), "[FORM]\nName=B\nLib=1\n");
    const QString file = path(QStringLiteral("moved/Shipped.zpj"));
    write(file, "[Project]\nLib=1\n[ActiveForms]\nForm0=forms/a.zsc\nForm1=../moved/forms/b.zsc\n");
    // The working folder is not the project's.
    projects.abrirProyecto(file);
    ASSERT_EQ(project.forms().size(), 2u);
    EXPECT_EQ(project.forms()[0]->fileName(), path(QStringLiteral("moved/forms/a.zsc")));
    EXPECT_EQ(project.forms()[1]->fileName(), path(QStringLiteral("moved/forms/b.zsc")));
}

TEST_F(ProjectCommandsTest, AProjectFileThatIsGoneOpensAnEmptyProject)
{
    project.setLibrary(kLibraryPToolBox);
    projects.openRecentProject(path(QStringLiteral("Vanished.zpj")));
    EXPECT_EQ(project.projectName(), QStringLiteral("Vanished"));
    EXPECT_EQ(project.projectFile(), path(QStringLiteral("Vanished.zpj")));
    EXPECT_EQ(project.library(), kLibraryCControls);
    EXPECT_TRUE(project.forms().empty());
    EXPECT_FALSE(workspace.propertiesShown() || workspace.zoomShown());
    EXPECT_TRUE(workspace.generateCodeEnabled());
    // Opening a recent entry does not reorder the list.
    EXPECT_TRUE(recent.isEmpty());

    // A name of four characters leaves no project name: no project is open.
    projects.abrirProyecto(path(QStringLiteral("abcd")));
    EXPECT_TRUE(project.projectName().isEmpty());
    EXPECT_FALSE(project.isOpen());
    EXPECT_FALSE(projects.saveProject());
    EXPECT_TRUE(ui.events.isEmpty());
}

TEST_F(ProjectCommandsTest, CloseAllLeavesNoProject)
{
    savedProject();
    change();
    workspace.setZoomShown(true);
    QSignalSpy cleared(&workspace, &Workspace::propertySheetCleared);
    ui.answers.push_back(Button::No);
    projects.closeAll();
    EXPECT_EQ(ui.messages.back().text, QStringLiteral("Save changes to project Demo?"));
    EXPECT_TRUE(project.forms().empty());
    EXPECT_EQ(project.formCounter(), 0);
    EXPECT_EQ(project.currentDesignWindow(), nullptr);
    EXPECT_EQ(project.selectedObject(), nullptr);
    EXPECT_FALSE(workspace.zoomShown() || workspace.propertiesShown() || workspace.generateCodeEnabled());
    EXPECT_EQ(cleared.count(), 1);
    EXPECT_EQ(QStringList({workspace.title(), project.projectName(), project.projectFile()}),
              QStringList({kTitle, "", ""}));

    // Without a project, Close All closes the forms without a question.
    forms.nuevoForm();
    const std::size_t asked = ui.messages.size();
    projects.closeAll();
    EXPECT_EQ(ui.messages.size(), asked);
    EXPECT_TRUE(project.forms().empty());
    EXPECT_EQ(forms.nuevoForm().name(), QStringLiteral("Form1"));
    EXPECT_TRUE(zoomRunning());
}

TEST_F(ProjectCommandsTest, ARecentProjectReplacesTheOpenOne)
{
    const QString file = savedProject();
    newProject();
    change();
    ui.answers.push_back(Button::No);
    projects.openRecentProject(file);
    EXPECT_EQ(ui.messages.back().text, QStringLiteral("Save changes to project Project1?"));
    EXPECT_EQ(project.projectName(), QStringLiteral("Demo"));
    EXPECT_EQ(project.projectFile(), file);
    ASSERT_EQ(project.forms().size(), 1u);
    EXPECT_EQ(project.forms()[0]->fileName(), path(QStringLiteral("f1.zsc")));
    EXPECT_TRUE(zoomRunning());

    // Open Project with its dialog cancelled changes nothing.
    change();
    ui.answers.push_back(Button::No);
    ui.files.push_back(std::nullopt);
    projects.openProject();
    EXPECT_EQ(project.projectFile(), file);
    EXPECT_TRUE(zoomRunning());
}

TEST_F(ProjectCommandsTest, AProjectIsAskedAboutOnlyWhenItsFilesLackSomething)
{
    EXPECT_TRUE(projects.confirmWorkSaved());
    const QString file = savedProject(2);
    const QString other = path(QStringLiteral("other.zsc"));
    write(other, "[FORM]\nName=Other\nLib=1\n");
    const std::vector<std::function<void()>> changes = {
        [&] { change(); },
        // A form closed or opened changes the list the project file keeps.
        [&] { ASSERT_TRUE(forms.closeForm(project.forms()[1].get())); },
        [&] {
            ui.files.push_back(other);
            forms.openForm();
        },
    };
    for (const auto &makeChange : changes) {
        if (projects.hasUnsavedWork())
            ui.answers.push_back(Button::No);
        projects.openRecentProject(file);
        // Every change undone: there is nothing to ask about.
        change();
        project.forms()[0]->undoStack().undo();
        EXPECT_FALSE(projects.hasUnsavedWork());
        EXPECT_TRUE(projects.confirmWorkSaved());
        makeChange();
        EXPECT_TRUE(projects.hasUnsavedWork());
        ui.answers.push_back(Button::Cancel);
        EXPECT_FALSE(projects.confirmWorkSaved());
        ui.answers.push_back(Button::No);
        EXPECT_TRUE(projects.confirmWorkSaved());
    }
    EXPECT_TRUE(ui.unexpected.isEmpty());
}

TEST_F(ProjectCommandsTest, WithoutAProjectEveryChangedFormIsAskedAbout)
{
    const QString file = path(QStringLiteral("Empty.zpj"));
    write(file, "[Project]\nLib=1\n");
    const std::vector<std::pair<const char *, std::function<void()>>> commands = {
        {"New Project", [&] {
             ui.libraries.push_back(kLibraryCControls);
             projects.newProject();
         }},
        {"Open Project", [&] {
             ui.files.push_back(file);
             projects.openProject();
         }},
        {"a recent project", [&] { projects.openRecentProject(file); }},
        {"Close All", [&] { projects.closeAll(); }},
        {"Exit", [&] {
             if (projects.confirmWorkSaved())
                 projects.cerrarTodo();
         }},
    };
    for (const auto &[name, command] : commands) {
        projects.cerrarTodo();
        DesignForm &changed = forms.nuevoForm(QStringLiteral("Changed"));
        place(changed, ControlKind::Button);
        DesignForm &undone = forms.nuevoForm(QStringLiteral("Undone"));
        place(undone, ControlKind::Button);
        undone.undoStack().undo();
        DesignForm &saved = forms.nuevoForm(QStringLiteral("Saved"));
        place(saved, ControlKind::Button);
        ui = ScriptedUserInterface();

        // Cancel, or a Yes whose save dialog is cancelled, keeps them all.
        for (bool yes : {false, true}) {
            ui.answers.push_back(yes ? Button::Yes : Button::Cancel);
            if (yes)
                ui.files.push_back(std::nullopt);
            command();
            ASSERT_EQ(project.forms().size(), 3u) << name;
            ui.libraries.clear();
            ui.files.clear();
        }
        // No for one, Yes for the other: it is saved, and the command goes on.
        ui.answers = {Button::No, Button::Yes};
        ui.files.push_back(path(QStringLiteral("Saved.zsc")));
        command();
        EXPECT_EQ(ui.texts().mid(2), (QStringList{"Save changes to form Changed?", "Save changes to form Saved?"})) << name;
        EXPECT_TRUE(read(path(QStringLiteral("Saved.zsc"))).startsWith("[FORM]\r\nName=Saved\r\n")) << name;
        EXPECT_TRUE(std::none_of(project.forms().begin(), project.forms().end(),
                                 [](const auto &form) { return form->name() == QLatin1String("Changed"); }))
            << name;
        EXPECT_TRUE(ui.unexpected.isEmpty()) << name;
        QFile::remove(path(QStringLiteral("Saved.zsc")));
    }
}

TEST_F(ProjectCommandsTest, ViewPropertiesEditorShowsTheWindowOnlyWithAProject)
{
    workspace.togglePropertiesEditor(project.isOpen());
    EXPECT_FALSE(workspace.propertiesShown());
    newProject();
    workspace.togglePropertiesEditor(project.isOpen());
    EXPECT_FALSE(workspace.propertiesShown());
    workspace.togglePropertiesEditor(project.isOpen());
    EXPECT_TRUE(workspace.propertiesShown());
}
