#include "CommandsFixture.h"

#include "core/base/IniDocument.h"
#include "core/ptoolbox/PTLabel.h"

#include <QDir>

using namespace zf;
using namespace zf::test;

namespace {

class ProjectCommandsTest : public CommandsFixture
{
protected:
    // New Project, answering the prompt first when there is one.
    void newProject()
    {
        if (project.isOpen() && projects.hasUnsavedWork())
            ui.answers.push_back(Button::No);
        ui.libraries.push_back(kLibraryCControls);
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

    // A change to the first form, so that the project has unsaved work.
    void change() { place(*project.forms()[0], ControlKind::Button); }

    QStringList state() const { return {project.projectName(), project.projectFile(), workspace.title()}; }
};

} // namespace

TEST_F(ProjectCommandsTest, NewProjectStartsWithOneFormAndThePropertyWindow)
{
    forms.nuevoForm();
    ui.libraries = {kLibraryPToolBox};
    projects.newProject();
    // No project was open: no question, straight to the dialog.
    EXPECT_EQ(ui.events, QStringList({"library"}));
    EXPECT_EQ(state(), QStringList({"Project1", "", "Zentiform 1.2 - Project1"}));
    EXPECT_TRUE(workspace.propertiesShown() && workspace.generateCodeEnabled());

    // Cancel in the library dialog changes nothing.
    ui.libraries = {std::nullopt};
    projects.newProject();
    EXPECT_EQ(project.forms().size(), 1u);
    EXPECT_TRUE(zoomRunning());
    // With a project, View Properties Editor toggles the window.
    workspace.togglePropertiesEditor(project.isOpen());
    EXPECT_FALSE(workspace.propertiesShown());
}

TEST_F(ProjectCommandsTest, CommandsThatDropTheProjectAskFirstAndStopUnlessItsWorkIsSafe)
{
    const QString locked = savedProject();
    QFile::setPermissions(locked, QFile::ReadOwner);
    const QString other = path(QStringLiteral("Other.zpj"));
    write(other, "[Project]\nLib=1\n");
    const struct
    {
        const char *name;
        std::function<void()> run;
        QString after; // the project open once the command went on
    } commands[] = {
        {"New Project", [&] { ui.libraries = {kLibraryCControls}; projects.newProject(); }, "Project1"},
        {"Open Project", [&] { ui.files.push_back(other); projects.openProject(); }, "Other"},
        {"a recent project", [&] { projects.openRecentProject(other); }, "Other"},
        {"Close All", [&] { projects.closeAll(); }, ""},
    };
    enum Situation { Cancel, YesButDialogCancelled, YesButWriteRefused, No };
    for (const auto &command : commands) {
        for (const Situation situation : {Cancel, YesButDialogCancelled, YesButWriteRefused, No}) {
            projects.cerrarTodo();
            if (situation == YesButWriteRefused)
                projects.openRecentProject(locked);
            else
                newProject();
            change();
            const QString before = project.projectName();
            ui = ScriptedUserInterface();
            ui.answers = {situation == Cancel ? Button::Cancel : situation == No ? Button::No : Button::Yes,
                          Button::Yes}; // the second replaces the saved form
            if (situation == YesButDialogCancelled)
                ui.files = {std::nullopt};
            command.run();
            const std::string name = std::string(command.name) + " / " + std::to_string(situation);
            EXPECT_EQ(ui.messages.at(0), (UserInterface::Message{"Confirm", "Save changes to project " + before + "?",
                                                                 Button::Yes | Button::No | Button::Cancel,
                                                                 Icon::Question}))
                << name;
            if (situation == YesButWriteRefused) {
                EXPECT_TRUE(ui.messages.back().text.startsWith("Unable to write to " + locked)) << name;
            }
            // The unsaved work is still there unless the user let it go.
            EXPECT_EQ(project.projectName(), situation == No ? command.after : before) << name;
            EXPECT_EQ(!project.forms().empty() && !project.forms()[0]->screen()->children().isEmpty(),
                      situation != No)
                << name;
        }
    }
}

TEST_F(ProjectCommandsTest, SaveProjectOfANewProjectIsSaveProjectAs)
{
    newProject();
    change();
    const QString file = path(QStringLiteral("Demo.zpj"));
    const QString formFile = path(QStringLiteral("Form1.zsc"));
    ui.files = {file, formFile};
    EXPECT_TRUE(projects.saveProject());
    EXPECT_EQ(ui.events, QStringList({"library", "save: Save project", "save: Save Form"}));
    // Save Project As: the title shows the name without its extension.
    EXPECT_EQ(state(), QStringList({"Demo", file, "Zentiform 1.2 - Demo"}));
    EXPECT_EQ(recent.paths(), QStringList({file}));
    EXPECT_EQ(read(file), QByteArray("[Project]\r\nName=" + file.toUtf8() + "\r\nLib=1\r\n"
                                     "[Properties]\r\nActive=1\r\nTop=0\r\nLeft=0\r\nWidth=264\r\nHeight=346\r\n"
                                     "[Zoom]\r\nActive=0\r\n"
                                     "[ActiveForms]\r\nForm0=" + formFile.toUtf8() + "\r\n"));

    // Save Project: no dialog for the project, the replace question for the
    // form; the title shows the file name with its extension.
    ui.answers = {Button::Yes};
    EXPECT_TRUE(projects.saveProject());
    EXPECT_EQ(ui.messages.back(), warningQuestion(QStringLiteral("Save form"),
                                                  formFile + " already exists. Do you want to replace it?"));
    EXPECT_EQ(workspace.title(), QStringLiteral("Zentiform 1.2 - Demo.zpj"));

    // Save Project As over another file: No leaves it alone.
    const QString old = path(QStringLiteral("Old.zpj"));
    write(old, "[Project]\nName=old\n");
    ui.files = {old};
    ui.answers = {Button::No};
    EXPECT_FALSE(projects.saveProjectAs());
    EXPECT_EQ(ui.messages.back(), warningQuestion(QStringLiteral("New project"),
                                                  old + " already exists. Do you want to replace it?"));
    EXPECT_EQ(read(old), QByteArray("[Project]\nName=old\n"));
    EXPECT_EQ(project.projectFile(), file);
    EXPECT_TRUE(ui.unexpected.isEmpty());
}

TEST_F(ProjectCommandsTest, TheProjectFileIsUpdatedInPlaceAndOpensAsSaved)
{
    const QString file = savedProject(3);
    // Another program's keys, and settings of the generate dialog.
    QByteArray text = read(file);
    text.replace("[Zoom]", "[Code]\r\nPrefix=App\r\n[Icons]\r\nLarge1=a.bmp\r\n[Zoom]");
    text.replace("Lib=1\r\n", "Lib=1\r\nAuthor=me\r\n");
    write(file, text);

    ASSERT_TRUE(forms.closeForm(project.forms()[0].get()));
    workspace.setPropertiesShown(false);
    ui.answers = {Button::Yes, Button::Yes};
    EXPECT_TRUE(projects.saveProject());
    // One replace question per open form; the closed one is not saved.
    EXPECT_EQ(ui.messages.size(), 2u);

    IniDocument doc;
    ASSERT_TRUE(doc.open(file));
    EXPECT_EQ(doc.sections(), QStringList({"Project", "Properties", "Code", "Icons", "Zoom", "ActiveForms"}));
    // A hidden window's bounds are not written; the old ones stay.
    EXPECT_EQ(QStringList({doc.readString(u"Project", u"Author"), doc.readString(u"Code", u"Prefix"),
                           doc.readString(u"Icons", u"Large1"), doc.readString(u"Properties", u"Width")}),
              QStringList({"me", "App", "a.bmp", "264"}));
    // The keys carry each window's place in the list, not a count.
    EXPECT_EQ(doc.keys(u"ActiveForms"), QStringList({"Form1", "Form2"}));

    projects.cerrarTodo();
    projects.abrirProyecto(file);
    ASSERT_EQ(project.forms().size(), 2u);
    EXPECT_EQ(project.forms()[0]->fileName(), path(QStringLiteral("f2.zsc")));
}

TEST_F(ProjectCommandsTest, AProjectsFormsLoadUnderItsLibraryFromItsFolderAndMissingOnesArePassedOver)
{
    const QString golden = QStringLiteral(ZENTIFORM_TEST_DATA_DIR "/forms/ptoolbox-all.zsc");
    QDir().mkpath(path(QStringLiteral("moved/forms")));
    write(path(QStringLiteral("moved/forms/cc.zsc")), "[FORM]\nName=Old\nLib=1\n[B]\nControl=Button\nName=B\n"
                                                      "[S]\nControl=Switch\nName=S\n[L]\nControl=Label\nName=L\n");
    const QString file = path(QStringLiteral("moved/Pt.zpj"));
    // The working folder is not the project's: relative paths start at the project file.
    write(file, "[Project]\nLib=2\n[ActiveForms]\nForm4=" + golden.toUtf8()
                    + "\nForm9=gone.zsc\nForm2=../moved/forms/cc.zsc\n");
    projects.abrirProyecto(file);
    EXPECT_EQ(project.library(), kLibraryPToolBox);
    ASSERT_EQ(project.forms().size(), 2u);
    // No library check: the kinds both libraries know are read as PToolBox's.
    DesignForm &old = *project.forms()[1];
    EXPECT_EQ(old.fileName(), path(QStringLiteral("moved/forms/cc.zsc")));
    EXPECT_TRUE(objectCast<TPTLabel>(old.findOwned(QStringLiteral("L"))) && !old.findOwned(QStringLiteral("S")));
}

TEST_F(ProjectCommandsTest, AProjectFileThatIsGoneOpensAnEmptyProject)
{
    project.setLibrary(kLibraryPToolBox);
    projects.openRecentProject(path(QStringLiteral("Vanished.zpj")));
    EXPECT_EQ(state().mid(0, 2), QStringList({"Vanished", path(QStringLiteral("Vanished.zpj"))}));
    EXPECT_EQ(project.library(), kLibraryCControls);
    EXPECT_TRUE(project.forms().empty());

    // A name of four characters leaves no project name: no project is open.
    projects.abrirProyecto(path(QStringLiteral("abcd")));
    EXPECT_FALSE(project.isOpen() || projects.saveProject());
}

TEST_F(ProjectCommandsTest, CloseAllLeavesNoProjectAndNoWindows)
{
    newProject();
    workspace.setZoomShown(true);
    projects.closeAll();
    EXPECT_TRUE(project.forms().empty() && !project.selectedObject());
    EXPECT_FALSE(workspace.zoomShown() || workspace.propertiesShown() || workspace.generateCodeEnabled());
    EXPECT_EQ(state(), QStringList({"", "", "Zentiform 1.2"}));
    // View Properties Editor shows the window only with a project.
    workspace.togglePropertiesEditor(project.isOpen());
    EXPECT_FALSE(workspace.propertiesShown());
    // The form counter starts again.
    EXPECT_EQ(forms.nuevoForm().name(), QStringLiteral("Form1"));
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
        EXPECT_TRUE(projects.confirmWorkSaved());
        makeChange();
        ui.answers.push_back(Button::Cancel);
        EXPECT_FALSE(projects.confirmWorkSaved());
        ui.answers.push_back(Button::No);
        EXPECT_TRUE(projects.confirmWorkSaved());
    }
    EXPECT_TRUE(ui.unexpected.isEmpty());
}

TEST_F(ProjectCommandsTest, WithoutAProjectEveryChangedFormIsAskedAbout)
{
    for (const char *form : {"Changed", "Undone", "Saved"})
        place(forms.nuevoForm(QString::fromLatin1(form)), ControlKind::Button);
    project.forms()[1]->undoStack().undo();
    // Cancel, or a Yes whose save dialog is cancelled, stops the command.
    ui.answers = {Button::Cancel, Button::Yes};
    ui.files = {std::nullopt};
    EXPECT_FALSE(projects.confirmWorkSaved());
    EXPECT_FALSE(projects.confirmWorkSaved());
    // No for one, Yes for the other: it is saved, and the command goes on.
    ui.answers = {Button::No, Button::Yes};
    ui.files = {path(QStringLiteral("Saved.zsc"))};
    EXPECT_TRUE(projects.confirmWorkSaved());
    EXPECT_EQ(ui.texts(), (QStringList{"Save changes to form Changed?", "Save changes to form Changed?",
                                       "Save changes to form Changed?", "Save changes to form Saved?"}));
    EXPECT_TRUE(read(path(QStringLiteral("Saved.zsc"))).startsWith("[FORM]\r\nName=Saved\r\n"));
    EXPECT_TRUE(ui.unexpected.isEmpty());
}
