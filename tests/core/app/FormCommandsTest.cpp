#include "CommandsFixture.h"

#include "core/app/ExportPicture.h"
#include "core/base/IniDocument.h"
#include "core/ccontrols/CCLabel.h"
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

} // namespace

TEST_F(FormCommandsTest, NuevoFormNamesPlacesAndShowsANewForm)
{
    workspace.setToolbarDockHeight(30);
    DesignForm &first = forms.nuevoForm();
    EXPECT_EQ(first.name(), QStringLiteral("Form1"));
    EXPECT_EQ(first.caption(), QStringLiteral("Form1.zsc"));
    EXPECT_EQ(first.screen()->title(), QStringLiteral("Form1"));
    EXPECT_TRUE(first.fileName().isEmpty());
    EXPECT_TRUE(first.isShown());
    // No project: the property window stays hidden; the window goes right
    // of where it would stand and below the toolbars.
    EXPECT_FALSE(workspace.propertiesShown());
    EXPECT_EQ(QPoint(first.left(), first.top()), QPoint(268, 34));
    EXPECT_EQ(project.currentDesignWindow(), &first);
    EXPECT_EQ(project.selectedObject(), first.screen());
    EXPECT_EQ(first.controlList().size(), 1u);
    EXPECT_EQ(first.undoStack().count(), 0);

    project.setShortNames(true);
    workspace.setPropertiesBounds(QRect(0, 0, 200, 300));
    workspace.setPropertiesShown(true);
    DesignForm &second = forms.nuevoForm();
    EXPECT_EQ(second.name(), QStringLiteral("Fm2"));
    EXPECT_EQ(QPoint(second.left(), second.top()), QPoint(202, 34));
    EXPECT_EQ(forms.nuevoForm(QStringLiteral("Named")).name(), QStringLiteral("Named"));
    EXPECT_EQ(project.formCounter(), 2);
}

TEST_F(FormCommandsTest, TheFirstFormOfAProjectBringsUpThePropertyWindow)
{
    project.setProjectName(QStringLiteral("P"));
    DesignForm &form = forms.nuevoForm();
    EXPECT_TRUE(workspace.propertiesShown());
    EXPECT_EQ(QPoint(form.left(), form.top()), QPoint(268, 4));
}

TEST_F(FormCommandsTest, NewFormsTakeTheGridOfViewGrid)
{
    DesignForm &plain = forms.nuevoForm();
    EXPECT_EQ(plain.screen()->gridVisible(), 0);
    EXPECT_EQ(plain.snapGridSize(), 1);

    project.setGridOn(true);
    DesignForm &grid = forms.nuevoForm();
    EXPECT_EQ(grid.screen()->gridVisible(), 1);
    EXPECT_EQ(grid.screen()->gridSpace(), 6);
    EXPECT_EQ(grid.snapGridSize(), 4);
    EXPECT_EQ(grid.snapDialogGridSize(), 1);
}

TEST_F(FormCommandsTest, SavingANewFormAsksForAName)
{
    DesignForm &form = forms.nuevoForm();
    place(form, ControlKind::Button);
    const QString file = path(QStringLiteral("first.zsc"));
    ui.files.push_back(file);
    forms.saveForm();

    ASSERT_EQ(ui.fileRequests.size(), 1u);
    const auto &request = ui.fileRequests[0];
    EXPECT_EQ(request.title, QStringLiteral("Save Form"));
    EXPECT_EQ(request.filter, QStringLiteral("Zentiform form (*.zsc)|*.zsc"));
    EXPECT_EQ(request.defaultExtension, QStringLiteral("zsc"));
    EXPECT_EQ(request.proposedName, QStringLiteral("Form1.zsc"));
    EXPECT_EQ(ui.pausedDuring, std::vector<bool>({true}));
    EXPECT_TRUE(zoomRunning());
    EXPECT_TRUE(ui.messages.empty());

    EXPECT_EQ(form.fileName(), file);
    EXPECT_EQ(form.caption(), QStringLiteral("first.zsc"));
    IniDocument doc;
    ASSERT_TRUE(doc.open(file));
    EXPECT_EQ(doc.readString(u"FORM", u"Name"), QStringLiteral("Form1"));
    EXPECT_EQ(doc.readString(u"Button1", u"Control"), QStringLiteral("Button"));

    // Save Form As proposes the file the form has.
    ui.files.push_back(std::nullopt);
    forms.saveFormAs();
    EXPECT_EQ(ui.fileRequests.back().proposedName, file);
    EXPECT_TRUE(zoomRunning());
}

TEST_F(FormCommandsTest, CancellingTheSaveDialogWritesNothing)
{
    DesignForm &form = forms.nuevoForm();
    ui.files.push_back(std::nullopt);
    EXPECT_EQ(forms.save(form, false), FormCommands::SaveResult::Cancelled);
    EXPECT_TRUE(form.fileName().isEmpty());
    EXPECT_TRUE(dir.isValid() && QDir(dir.path()).isEmpty());
    // The routine leaves the zoom view paused for its caller...
    EXPECT_TRUE(ui.zoomPaused);
    // ...and the command resumes it.
    ui.files.push_back(std::nullopt);
    forms.saveForm();
    EXPECT_FALSE(ui.zoomPaused);
}

TEST_F(FormCommandsTest, EverySaveOfAnExistingFileAsksToReplaceIt)
{
    DesignForm &form = forms.nuevoForm();
    const QString file = path(QStringLiteral("f.zsc"));
    form.setFileName(file);
    write(file, "old");

    ui.answers.push_back(Button::No);
    forms.saveForm();
    EXPECT_TRUE(ui.fileRequests.empty());
    const auto &question = onlyMessageSince(0);
    EXPECT_EQ(question.caption, QStringLiteral("Save form"));
    EXPECT_EQ(question.text, file + kReplaceText);
    EXPECT_EQ(question.buttons, Button::Yes | Button::No);
    EXPECT_EQ(question.icon, Icon::Warning);
    EXPECT_EQ(question.defaultButton, Button::No);
    EXPECT_EQ(read(file), QByteArray("old"));

    ui.answers.push_back(Button::Yes);
    forms.saveForm();
    EXPECT_TRUE(read(file).startsWith("[FORM]\r\nName=Form1\r\n"));
    EXPECT_TRUE(ui.unexpected.isEmpty());
}

TEST_F(FormCommandsTest, AFormTakesANewFileNameOnlyOnceTheFileHoldsIt)
{
    DesignForm &form = forms.nuevoForm();
    const QString taken = path(QStringLiteral("taken.zsc"));
    write(taken, "someone else's");
    ui.files.push_back(taken);
    ui.answers.push_back(Button::No);
    EXPECT_EQ(forms.save(form, true), FormCommands::SaveResult::Declined);
    EXPECT_TRUE(form.fileName().isEmpty());
    EXPECT_EQ(form.caption(), QStringLiteral("Form1.zsc"));
    EXPECT_EQ(read(taken), QByteArray("someone else's"));
}

TEST_F(FormCommandsTest, ARefusedWriteSaysSoAndKeepsTheOldFile)
{
    DesignForm &form = forms.nuevoForm();
    const QString file = path(QStringLiteral("locked.zsc"));
    write(file, "old");
    QFile::setPermissions(file, QFile::ReadOwner);
    ui.files.push_back(file);
    ui.answers.push_back(Button::Yes);
    EXPECT_EQ(forms.save(form, true), FormCommands::SaveResult::Failed);
    ASSERT_EQ(ui.messages.size(), 2u);
    const auto &error = ui.messages[1];
    EXPECT_EQ(error.caption, QStringLiteral("Error"));
    EXPECT_EQ(error.icon, Icon::Error);
    EXPECT_EQ(error.text.section(QLatin1Char('\n'), 0, 0), QStringLiteral("Unable to write to ") + file);
    EXPECT_EQ(read(file), QByteArray("old"));
    EXPECT_TRUE(form.fileName().isEmpty());
}

TEST_F(FormCommandsTest, FormCommandsWithoutAWindowDoNothing)
{
    forms.saveForm();
    forms.saveFormAs();
    EXPECT_FALSE(forms.closeForm(nullptr));
    EXPECT_TRUE(ui.events.isEmpty());
    EXPECT_EQ(ui.zoomPauses, 0);
}

TEST_F(FormCommandsTest, OpenFormAsksForAFileAndLoadsIt)
{
    ui.files.push_back(std::nullopt);
    EXPECT_EQ(forms.openForm(), nullptr);
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_EQ(ui.fileRequests[0].title, QStringLiteral("Open Form"));
    EXPECT_EQ(ui.fileRequests[0].filter, QStringLiteral("Zentiform Form (*.zsc)|*.zsc"));
    EXPECT_EQ(ui.fileRequests[0].defaultExtension, QStringLiteral("zsc"));
    EXPECT_EQ(ui.pausedDuring, std::vector<bool>({true}));
    EXPECT_TRUE(zoomRunning());
    EXPECT_TRUE(project.forms().empty());

    const QString golden = QStringLiteral(ZENTIFORM_TEST_DATA_DIR "/forms/ccontrols-all.zsc");
    ui.files.push_back(golden);
    DesignForm *form = forms.openForm();
    ASSERT_TRUE(form);
    EXPECT_EQ(form->name(), QStringLiteral("Main"));
    EXPECT_EQ(form->fileName(), golden);
    EXPECT_EQ(form->caption(), QStringLiteral("ccontrols-all.zsc"));
    EXPECT_EQ(project.currentDesignWindow(), form);
    EXPECT_EQ(project.selectedObject(), form->screen());
    EXPECT_EQ(form->lastSelected(), form->screen());
    EXPECT_TRUE(form->controlListLine(form->findOwned(QStringLiteral("Bt14"))));
    EXPECT_EQ(form->controlList().back().text, QStringLiteral("Mn18: Menu"));
    EXPECT_EQ(form->undoStack().count(), 0);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(zoomRunning());
}

TEST_F(FormCommandsTest, OpeningAnOpenFormShowsItsWindowInsteadOfReadingTheFile)
{
    const QString golden = QStringLiteral(ZENTIFORM_TEST_DATA_DIR "/forms/ccontrols-all.zsc");
    ui.files.push_back(golden);
    DesignForm *form = forms.openForm();
    ASSERT_TRUE(form);
    auto *button = objectCast<TCCButton>(form->findOwned(QStringLiteral("Bt1")));
    form->perform(QStringLiteral("Edit"), [&] { button->setContent(QStringLiteral("unsaved")); });
    ui.answers.push_back(Button::No);
    ASSERT_TRUE(forms.closeForm(form));
    EXPECT_FALSE(form->isShown());
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

TEST_F(FormCommandsTest, AFormOfAnotherLibraryOrOfNoneIsRefused)
{
    for (const char *lib : {"Lib=2", "Lib=x", ""}) {
        const QString file = path(QStringLiteral("other.zsc"));
        write(file, QByteArray("[FORM]\nName=F\n") + lib + "\n[B]\nControl=Button\n");
        const std::size_t before = ui.messages.size();
        ui.files.push_back(file);
        EXPECT_EQ(forms.openForm(), nullptr);
        const auto &error = onlyMessageSince(before);
        EXPECT_EQ(error.text, file + QStringLiteral(" format is not of the current library"));
        EXPECT_EQ(error.caption, QStringLiteral("Error"));
        EXPECT_EQ(error.icon, Icon::Error);
    }
    EXPECT_TRUE(project.forms().empty());
    EXPECT_TRUE(zoomRunning());
}

TEST_F(FormCommandsTest, AFileWithoutAFormNameOpensNothingSilently)
{
    const QString garbage = path(QStringLiteral("garbage.zsc"));
    QByteArray bytes;
    for (int i = 0; i < 4096; ++i)
        bytes += char((i * 7919) % 256);
    write(garbage, bytes);
    const QString nameless = path(QStringLiteral("nameless.zsc"));
    write(nameless, "[FORM]\nTitle=T\nLib=1\n");
    for (const QString &file : {garbage, nameless, path(QStringLiteral("missing.zsc"))}) {
        ui.files.push_back(file);
        EXPECT_EQ(forms.openForm(), nullptr);
    }
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(project.forms().empty());
}

TEST_F(FormCommandsTest, AnUnreadableFileOrLeftOutRecordsAreReported)
{
    ui.files.push_back(dir.path());
    EXPECT_EQ(forms.openForm(), nullptr);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(ui.messages[0].text.startsWith(QStringLiteral("Unable to read ") + dir.path()));

    const QString file = path(QStringLiteral("dup.zsc"));
    // A kind the library does not know is passed over silently, as always.
    write(file, "[FORM]\nName=F\nLib=1\n[A]\nControl=Label\nName=A\n[K]\nControl=Knob\n"
                "[B]\nControl=Label\nName=a\n");
    ui.files.push_back(file);
    DesignForm *form = forms.openForm();
    ASSERT_TRUE(form);
    EXPECT_EQ(form->screen()->children().size(), 1);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].caption, QStringLiteral("Error"));
    EXPECT_EQ(ui.messages[1].text,
              file + QStringLiteral(": parts of the form could not be loaded and were left out:\n"
                                    "[B] Name: A component named a already exists; the record is skipped"));
}

TEST_F(FormCommandsTest, ClosingAFormAsksToSaveItsChanges)
{
    DesignForm &form = forms.nuevoForm();
    place(form, ControlKind::Button);
    ui.answers.push_back(Button::Cancel);
    EXPECT_FALSE(forms.closeForm(&form));
    const auto &question = onlyMessageSince(0);
    EXPECT_EQ(question.caption, QStringLiteral("Confirm"));
    EXPECT_EQ(question.text, QStringLiteral("Save changes to form Form1?"));
    EXPECT_EQ(question.buttons, Button::Yes | Button::No | Button::Cancel);
    EXPECT_EQ(question.icon, Icon::Question);
    EXPECT_TRUE(form.isShown());

    // Yes, then the save dialog cancelled: the window stays open, as the
    // work in it was not saved.
    ui.answers.push_back(Button::Yes);
    ui.files.push_back(std::nullopt);
    EXPECT_FALSE(forms.closeForm(&form));
    EXPECT_TRUE(form.isShown());
    EXPECT_FALSE(ui.zoomPaused);

    const QString file = path(QStringLiteral("closed.zsc"));
    ui.answers.push_back(Button::Yes);
    ui.files.push_back(file);
    EXPECT_TRUE(forms.closeForm(&form));
    EXPECT_FALSE(form.isShown());
    EXPECT_TRUE(QFile::exists(file));

    DesignForm &other = forms.nuevoForm();
    place(other, ControlKind::Button);
    ui.answers.push_back(Button::No);
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
    ASSERT_EQ(project.selectedObject(), button);
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
    EXPECT_TRUE(ui.unexpected.isEmpty());
    EXPECT_TRUE(ui.answers.empty());
}

TEST_F(FormCommandsTest, ExportPictureWritesTheChosenPictureAndAsksBeforeReplacing)
{
    forms.newForm();
    DesignForm &form = *project.currentDesignWindow();
    form.setFileName(path(QStringLiteral("Form1.zsc")));
    const QString png = path(QStringLiteral("picture.png"));
    const struct
    {
        PictureChoice choice;
        QSize size;
    } cases[] = {{{1, RenderArea::Device}, {167, 226}},
                 {{3, RenderArea::Screen}, {480, 480}},
                 {{9, RenderArea::Screen}, {640, 640}}};
    for (const auto &c : cases) {
        QFile::remove(png);
        ui.files = {png};
        EXPECT_TRUE(exportPicture(form, c.choice, ui));
        EXPECT_EQ(ui.fileRequests.back().proposedName, path(QStringLiteral("Form1.png")));
        EXPECT_EQ(QImage(png).size(), c.size);
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
