#include "CommandsFixture.h"

#include "core/app/ExportPicture.h"
#include "core/base/IniDocument.h"
#include "core/controls/CCButton.h"
#include "core/designer/Nudging.h"
#include "core/properties/PropertySheet.h"

#include <QDir>
#include <QImage>

using namespace zf;
using namespace zf::test;

namespace {

using FormCommandsTest = CommandsFixture;

const QString kReplaceText = QStringLiteral(" already exists. Do you want to replace it?");

QStringList requestFields(const UserInterface::FileRequest &r)
{
    return {r.title, r.filter, r.defaultExtension, r.proposedName};
}

} // namespace

TEST_F(FormCommandsTest, NuevoFormNamesPlacesAndShowsANewForm)
{
    workspace.setToolbarDockHeight(30);
    DesignForm &first = forms.nuevoForm();
    EXPECT_EQ(QStringList({first.name(), first.caption(), first.screen()->title()}),
              QStringList({"Form1", "Form1.zsc", "Form1"}));
    EXPECT_TRUE(first.fileName().isEmpty());
    EXPECT_TRUE(first.isShown());
    // No project: the property window stays hidden; the window goes right
    // of where it would stand and below the toolbars.
    EXPECT_FALSE(workspace.propertiesShown());
    EXPECT_EQ(QPoint(first.left(), first.top()), QPoint(268, 34));
    EXPECT_EQ(project.currentDesignWindow(), &first);
    EXPECT_EQ(project.selectedObject(), first.screen());
    EXPECT_EQ(first.undoStack().count(), 0);
    EXPECT_EQ(first.snapGridSize(), 1);

    project.setShortNames(true);
    project.setGridOn(true);
    workspace.setPropertiesBounds(QRect(0, 0, 200, 300));
    workspace.setPropertiesShown(true);
    DesignForm &second = forms.nuevoForm();
    EXPECT_EQ(second.name(), QStringLiteral("Fm2"));
    EXPECT_EQ(QPoint(second.left(), second.top()), QPoint(202, 34));
    // View Grid on: the new form shows the grid and snaps to it.
    EXPECT_EQ(std::vector<int>({second.screen()->gridVisible(), second.screen()->gridSpace(),
                                second.snapGridSize(), second.snapDialogGridSize()}),
              std::vector<int>({1, 6, 4, 1}));
    EXPECT_EQ(forms.nuevoForm(QStringLiteral("Named")).name(), QStringLiteral("Named"));
    EXPECT_EQ(project.formCounter(), 2);

    // The first form of a project brings up the property window.
    projects.cerrarTodo();
    workspace.setToolbarDockHeight(0);
    workspace.setPropertiesBounds(QRect(0, 0, 264, 346));
    project.setProjectName(QStringLiteral("P"));
    DesignForm &inProject = forms.nuevoForm();
    EXPECT_TRUE(workspace.propertiesShown());
    EXPECT_EQ(QPoint(inProject.left(), inProject.top()), QPoint(268, 4));
}

TEST_F(FormCommandsTest, SavingANewFormAsksForANameAndACancelWritesNothing)
{
    DesignForm &form = forms.nuevoForm();
    place(form, ControlKind::Button);
    ui.files.push_back(std::nullopt);
    EXPECT_EQ(forms.save(form, false), FormCommands::SaveResult::Cancelled);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    // The routine leaves the zoom view paused for its caller, the command resumes it.
    EXPECT_TRUE(ui.zoomPaused);

    const QString file = path(QStringLiteral("first.zsc"));
    ui.files.push_back(file);
    forms.saveForm();
    EXPECT_EQ(requestFields(ui.fileRequests.back()),
              QStringList({"Save Form", "Zentiform form (*.zsc)|*.zsc", "zsc", "Form1.zsc"}));
    EXPECT_EQ(ui.pausedDuring, std::vector<bool>({true, true}));
    EXPECT_TRUE(zoomRunning());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(form.fileName(), file);
    EXPECT_EQ(form.caption(), QStringLiteral("first.zsc"));
    EXPECT_TRUE(read(file).startsWith("[FORM]\r\nName=Form1\r\n"));

    // Save Form As proposes the file the form has.
    ui.files.push_back(std::nullopt);
    forms.saveFormAs();
    EXPECT_EQ(ui.fileRequests.back().proposedName, file);
    EXPECT_TRUE(zoomRunning());
}

TEST_F(FormCommandsTest, EverySaveOfAnExistingFileAsksToReplaceIt)
{
    DesignForm &form = forms.nuevoForm();
    const QString file = path(QStringLiteral("f.zsc"));
    form.setFileName(file);
    write(file, "old");
    ui.answers = {Button::No};
    forms.saveForm();
    EXPECT_TRUE(ui.fileRequests.empty());
    EXPECT_EQ(ui.messages, std::vector{warningQuestion(QStringLiteral("Save form"), file + kReplaceText)});
    EXPECT_EQ(read(file), QByteArray("old"));
    ui.answers = {Button::Yes};
    forms.saveForm();
    EXPECT_TRUE(read(file).startsWith("[FORM]\r\nName=Form1\r\n"));

    // A file chosen in the dialog becomes the form's only once it holds it.
    DesignForm &other = forms.nuevoForm();
    const QString taken = path(QStringLiteral("taken.zsc"));
    write(taken, "someone else's");
    QFile::setPermissions(taken, QFile::ReadOwner);
    for (const Button answer : {Button::No, Button::Yes}) {
        ui.files = {taken};
        ui.answers = {answer};
        EXPECT_EQ(forms.save(other, true), answer == Button::No ? FormCommands::SaveResult::Declined
                                                                : FormCommands::SaveResult::Failed);
        EXPECT_TRUE(other.fileName().isEmpty());
        EXPECT_EQ(other.caption(), QStringLiteral("Form2.zsc"));
        EXPECT_EQ(read(taken), QByteArray("someone else's"));
    }
    // The refused write says so.
    EXPECT_EQ(ui.messages.back().caption, QStringLiteral("Error"));
    EXPECT_EQ(ui.messages.back().text.section(u'\n', 0, 0), "Unable to write to " + taken);
    EXPECT_TRUE(ui.unexpected.isEmpty());
}

TEST_F(FormCommandsTest, FormCommandsWithoutAWindowDoNothing)
{
    forms.saveForm();
    forms.saveFormAs();
    EXPECT_FALSE(forms.closeForm(nullptr));
    EXPECT_TRUE(ui.events.isEmpty());
    EXPECT_EQ(ui.zoomPauses, 0);
}

TEST_F(FormCommandsTest, OpenFormLoadsAFileOnceAndShowsItsWindowAfter)
{
    ui.files.push_back(std::nullopt);
    EXPECT_EQ(forms.openForm(), nullptr);
    EXPECT_EQ(requestFields(ui.fileRequests.back()),
              QStringList({"Open Form", "Zentiform Form (*.zsc)|*.zsc", "zsc", ""}));
    EXPECT_EQ(ui.pausedDuring, std::vector<bool>({true}));
    EXPECT_TRUE(project.forms().empty());

    const QString golden = QStringLiteral(ZENTIFORM_TEST_DATA_DIR "/forms/ccontrols-all.zsc");
    ui.files.push_back(golden);
    DesignForm *form = forms.openForm();
    ASSERT_TRUE(form);
    EXPECT_EQ(QStringList({form->name(), form->fileName(), form->caption()}),
              QStringList({"Main", golden, "ccontrols-all.zsc"}));
    EXPECT_EQ(project.currentDesignWindow(), form);
    EXPECT_EQ(project.selectedObject(), form->screen());
    EXPECT_EQ(form->lastSelected(), form->screen());
    EXPECT_EQ(form->controlList().back().text, QStringLiteral("Mn18: Menu"));
    EXPECT_EQ(form->undoStack().count(), 0);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(zoomRunning());

    // Opened again once closed, the window comes back with its unsaved work.
    auto *button = objectCast<TCCButton>(form->findOwned(QStringLiteral("Bt1")));
    form->perform(QStringLiteral("Edit"), [&] { button->setContent(QStringLiteral("unsaved")); });
    ui.answers.push_back(Button::No);
    ASSERT_TRUE(forms.closeForm(form));
    forms.nuevoForm();
    ui.files.push_back(golden);
    EXPECT_EQ(forms.openForm(), form);
    EXPECT_EQ(project.forms().size(), 2u);
    EXPECT_TRUE(form->isShown());
    EXPECT_EQ(project.currentDesignWindow(), form);
    EXPECT_EQ(button->content(), QStringLiteral("unsaved"));
}

TEST_F(FormCommandsTest, TheSheetShowsTheLoadedFormsOwnValues)
{
    project.setLibrary(kLibraryPToolBox);
    const QString file = path(QStringLiteral("colours.zsc"));
    write(file, "[FORM]\nName=Colours\nLib=2\nFormColorFrame=8388608\n");
    PropertySheet sheet(project);
    QString shown;
    QObject::connect(&sheet, &PropertySheet::rowsChanged,
                     [&] { shown = sheet.value(QStringLiteral("FormFrameColor")); });
    ASSERT_TRUE(forms.loadFormFile(file, true));
    EXPECT_EQ(shown, QStringLiteral("Navy"));
}

TEST_F(FormCommandsTest, BadFilesOpenNothingAndSayWhyWhenTheyAreReadable)
{
    const QString other = path(QStringLiteral("other.zsc"));
    for (const char *lib : {"Lib=2", "Lib=x", ""}) {
        write(other, QByteArray("[FORM]\nName=F\n") + lib + "\n[B]\nControl=Button\n");
        ui.files.push_back(other);
        EXPECT_EQ(forms.openForm(), nullptr) << lib;
    }
    const UserInterface::Message wrongLibrary{
        QStringLiteral("Error"), other + QStringLiteral(" format is not of the current library"),
        Button::Ok, Icon::Error, Button::Ok};
    EXPECT_EQ(ui.messages, std::vector(3, wrongLibrary));

    // Without a form name, or gone, nothing opens without a word.
    const QString garbage = path(QStringLiteral("garbage.zsc"));
    QByteArray bytes;
    for (int i = 0; i < 4096; ++i)
        bytes += char((i * 7919) % 256);
    write(garbage, bytes);
    const QString nameless = path(QStringLiteral("nameless.zsc"));
    write(nameless, "[FORM]\nTitle=T\nLib=1\n");
    for (const QString &file : {garbage, nameless, path(QStringLiteral("missing.zsc"))}) {
        ui.files.push_back(file);
        EXPECT_EQ(forms.openForm(), nullptr) << file.toStdString();
    }
    EXPECT_EQ(ui.messages.size(), 3u);
    // A folder cannot be read.
    ui.files.push_back(dir.path());
    EXPECT_EQ(forms.openForm(), nullptr);
    EXPECT_TRUE(ui.messages.back().text.startsWith("Unable to read " + dir.path()));
    EXPECT_TRUE(project.forms().empty());
    EXPECT_TRUE(zoomRunning());
}

TEST_F(FormCommandsTest, LeftOutRecordsAreReportedAndUnknownKindsPassedOver)
{
    const QString file = path(QStringLiteral("dup.zsc"));
    write(file, "[FORM]\nName=F\nLib=1\n[A]\nControl=Label\nName=A\n[K]\nControl=Knob\n"
                "[B]\nControl=Label\nName=a\n");
    ui.files.push_back(file);
    DesignForm *form = forms.openForm();
    ASSERT_TRUE(form);
    EXPECT_EQ(form->screen()->children().size(), 1);
    EXPECT_EQ(ui.texts(),
              QStringList{file + ": parts of the form could not be loaded and were left out:\n"
                                 "[B] Name: A component named a already exists; the record is "
                                 "skipped"});
}

TEST_F(FormCommandsTest, ClosingAFormAsksToSaveItsChanges)
{
    DesignForm &form = forms.nuevoForm();
    place(form, ControlKind::Button);
    ui.answers = {Button::Cancel};
    EXPECT_FALSE(forms.closeForm(&form));
    EXPECT_EQ(ui.messages, (std::vector<UserInterface::Message>{
                               {QStringLiteral("Confirm"), QStringLiteral("Save changes to form Form1?"),
                                Button::Yes | Button::No | Button::Cancel, Icon::Question}}));
    EXPECT_TRUE(form.isShown());

    // Yes, then the save dialog cancelled: the window stays open, as the
    // work in it was not saved.
    ui.answers = {Button::Yes};
    ui.files = {std::nullopt};
    EXPECT_FALSE(forms.closeForm(&form));
    EXPECT_TRUE(form.isShown());
    EXPECT_FALSE(ui.zoomPaused);

    const QString file = path(QStringLiteral("closed.zsc"));
    ui.answers = {Button::Yes};
    ui.files = {file};
    EXPECT_TRUE(forms.closeForm(&form));
    EXPECT_FALSE(form.isShown());
    EXPECT_TRUE(QFile::exists(file));

    DesignForm &other = forms.nuevoForm();
    place(other, ControlKind::Button);
    ui.answers = {Button::No};
    EXPECT_TRUE(forms.closeForm(&other));
    EXPECT_FALSE(other.isShown());
    // Closed windows are hidden, not destroyed.
    EXPECT_EQ(project.forms().size(), 2u);

    // Every change undone: nothing to ask about, even after a save.
    DesignForm &undone = forms.nuevoForm();
    place(undone, ControlKind::Button);
    undone.undoStack().undo();
    const std::size_t asked = ui.messages.size();
    EXPECT_TRUE(forms.closeForm(&undone));
    form.setShown(true);
    form.undoStack().undo();
    EXPECT_TRUE(form.isModified());
    form.undoStack().redo();
    EXPECT_TRUE(forms.closeForm(&form));
    EXPECT_EQ(ui.messages.size(), asked);
    EXPECT_TRUE(ui.unexpected.isEmpty());
}

TEST_F(FormCommandsTest, AClosedFormLeavesTheSheetAndTheKeysToTheShownWindowActivatedLast)
{
    DesignForm &first = forms.nuevoForm();
    DesignForm &second = forms.nuevoForm();
    DesignForm &third = forms.nuevoForm();
    forms.makeCurrent(first);
    forms.makeCurrent(third);
    DesignObject *button = place(third, ControlKind::Button, 20, 20);
    const QRect where = button->bounds();

    // Closing a window that is not current changes nothing.
    ASSERT_TRUE(forms.closeForm(&second));
    EXPECT_EQ(project.currentDesignWindow(), &third);
    EXPECT_EQ(project.selectedObject(), button);

    ui.answers.push_back(Button::No);
    ASSERT_TRUE(forms.closeForm(&third));
    EXPECT_EQ(project.currentDesignWindow(), &first);
    EXPECT_EQ(project.selectedObject(), first.screen());
    EXPECT_FALSE(NudgeKeyPressed(project, NudgeKey::Right));
    EXPECT_EQ(button->bounds(), where);

    ASSERT_TRUE(forms.closeForm(&first));
    EXPECT_EQ(project.currentDesignWindow(), nullptr);
    EXPECT_EQ(project.selectedObject(), nullptr);
    EXPECT_FALSE(NudgeKeyPressed(project, NudgeKey::Delete));
    EXPECT_EQ(third.screen()->children().size(), 1);
}

TEST_F(FormCommandsTest, ExportPictureWritesTheChosenPictureAndAsksBeforeReplacing)
{
    forms.newForm();
    DesignForm &form = *project.currentDesignWindow();
    form.setFileName(path(QStringLiteral("Form1.zsc")));
    const QString png = path(QStringLiteral("picture.png"));
    const std::pair<PictureChoice, QSize> cases[] = {{{1, RenderArea::Device}, {167, 226}},
                                                     {{3, RenderArea::Screen}, {480, 480}},
                                                     {{9, RenderArea::Screen}, {640, 640}}};
    for (const auto &[choice, size] : cases) {
        QFile::remove(png);
        ui.files = {png};
        EXPECT_TRUE(exportPicture(form, choice, ui));
        EXPECT_EQ(ui.fileRequests.back().proposedName, path(QStringLiteral("Form1.png")));
        EXPECT_EQ(QImage(png).size(), size);
    }
    // No to the replace question, or no file chosen, leaves the file alone.
    const QByteArray before = read(png);
    ui.files = {png, std::nullopt};
    ui.answers = {Button::No};
    EXPECT_FALSE(exportPicture(form, {1, RenderArea::Device}, ui));
    EXPECT_FALSE(exportPicture(form, {1, RenderArea::Device}, ui));
    EXPECT_EQ(read(png), before);
    EXPECT_TRUE(ui.unexpected.isEmpty());
}
