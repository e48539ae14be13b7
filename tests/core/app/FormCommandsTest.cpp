#include "CommandsFixture.h"

#include "core/app/ExportPicture.h"
#include "core/controls/CCButton.h"
#include "core/designer/Nudging.h"
#include "core/properties/PropertySheet.h"

#include <QImage>

using namespace zf;
using namespace zf::test;

namespace {

using FormCommandsTest = CommandsFixture;
using Result = FormCommands::SaveResult;

} // namespace

TEST_F(FormCommandsTest, NuevoFormNamesAndShowsANewFormOnTheProjectsGrid)
{
    project.setGridOn(true);
    DesignForm &form = forms.nuevoForm();
    EXPECT_EQ(QStringList({form.name(), form.caption(), form.screen()->title()}),
              QStringList({"Form1", "Form1.zsc", "Form1"}));
    EXPECT_TRUE(form.isShown());
    EXPECT_EQ(std::vector<int>({form.screen()->gridVisible(), form.screen()->gridSpace(), form.snapGridSize()}),
              std::vector<int>({1, 6, 4}));
}

TEST_F(FormCommandsTest, ASaveWritesOnlyWhereTheUserAgreedAndTheFormNamesOnlyAFileThatHoldsIt)
{
    const struct
    {
        const char *name;
        bool named;        // the form has the file already, or it is chosen in the dialog
        QByteArray before; // the file's bytes before, empty for none; "locked" is read-only
        std::optional<Button> answer;
        Result result;
    } cases[] = {
        {"dialog cancelled", false, {}, {}, Result::Cancelled},
        {"new file", false, {}, {}, Result::Saved},
        {"replace declined", true, "old", Button::No, Result::Declined},
        {"replaced", true, "old", Button::Yes, Result::Saved},
        {"chosen, declined", false, "old", Button::No, Result::Declined},
        {"chosen, refused", false, "locked", Button::Yes, Result::Failed},
    };
    for (const auto &c : cases) {
        DesignForm &form = forms.nuevoForm(QString::fromLatin1(c.name).remove(u' ').remove(u','));
        place(form, ControlKind::Button);
        const QString file = path(form.name() + QStringLiteral(".zsc"));
        if (!c.before.isEmpty())
            write(file, c.before);
        if (c.before == "locked")
            QFile::setPermissions(file, QFile::ReadOwner);
        if (c.named)
            form.setFileName(file);
        else
            ui.files = {c.result == Result::Cancelled ? std::nullopt : std::optional(file)};
        ui.messages.clear();
        ui.answers.clear();
        if (c.answer)
            ui.answers = {*c.answer};
        EXPECT_EQ(forms.save(form, false), c.result) << c.name;
        EXPECT_EQ(ui.messages.size(), std::size_t(!c.before.isEmpty()) + (c.result == Result::Failed)) << c.name;
        if (!c.before.isEmpty()) {
            EXPECT_EQ(ui.messages.at(0), warningQuestion(QStringLiteral("Save form"),
                                                         file + " already exists. Do you want to replace it?"))
                << c.name;
        }
        const bool saved = c.result == Result::Saved;
        EXPECT_EQ(read(file).startsWith("[FORM]\r\nName=" + form.name().toUtf8() + "\r\n"), saved) << c.name;
        EXPECT_EQ(read(file), saved ? read(file) : c.before) << c.name;
        EXPECT_EQ(form.fileName(), saved || c.named ? file : QString()) << c.name;
        EXPECT_EQ(form.isModified(), !saved) << c.name;
        if (c.result == Result::Failed) {
            EXPECT_TRUE(ui.messages.back().text.startsWith("Unable to write to " + file + '\n')) << c.name;
        }
        EXPECT_TRUE(ui.unexpected.isEmpty()) << c.name;
    }
}

TEST_F(FormCommandsTest, OpenFormLoadsAFileOnceAndShowsItsWindowAfter)
{
    const QString golden = QStringLiteral(ZENTIFORM_TEST_DATA_DIR "/forms/ccontrols-all.zsc");
    ui.files = {golden};
    DesignForm *form = forms.openForm();
    ASSERT_TRUE(form);
    EXPECT_EQ(QStringList({form->name(), form->fileName(), form->caption()}),
              QStringList({"Main", golden, "ccontrols-all.zsc"}));
    EXPECT_TRUE(form->undoStack().isClean() && ui.messages.empty() && zoomRunning());

    // Opened again once closed, the window comes back with its unsaved work.
    auto *button = objectCast<TCCButton>(form->findOwned(QStringLiteral("Bt1")));
    form->perform(QStringLiteral("Edit"), [&] { button->setContent(QStringLiteral("unsaved")); });
    ui.answers = {Button::No};
    ASSERT_TRUE(forms.closeForm(form));
    forms.nuevoForm();
    ui.files = {golden};
    EXPECT_EQ(forms.openForm(), form);
    EXPECT_EQ(project.forms().size(), 2u);
    EXPECT_EQ(button->content(), QStringLiteral("unsaved"));
}

TEST_F(FormCommandsTest, OpenFormLoadsWhatItCanAndSaysWhyWhenTheFileIsReadable)
{
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += char((i * 7919) % 256);
    const QString file = path(QStringLiteral("f.zsc"));
    const QString wrongLibrary = file + QStringLiteral(" format is not of the current library");
    const struct
    {
        QByteArray bytes;
        QStringList said;
        int controls; // on the form opened; -1 when none opens
    } cases[] = {
        {"[FORM]\nName=F\nLib=2\n[B]\nControl=Button\n", {wrongLibrary}, -1},
        {garbage, {}, -1},
        // Left-out records are reported, unknown kinds passed over.
        {"[FORM]\nName=F\nLib=1\n[A]\nControl=Label\nName=A\n[K]\nControl=Knob\n[B]\nControl=Label\nName=a\n",
         {file + ": parts of the form could not be loaded and were left out:\n"
                 "[B] Name: A component named a already exists; the record is skipped"},
         1},
    };
    for (const auto &c : cases) {
        write(file, c.bytes);
        ui.files = {file};
        const qsizetype before = ui.texts().size();
        const DesignForm *form = forms.openForm();
        EXPECT_EQ(form ? int(form->screen()->children().size()) : -1, c.controls) << c.bytes.left(20).constData();
        EXPECT_EQ(ui.texts().mid(before), c.said) << c.bytes.left(20).constData();
    }
    EXPECT_EQ(ui.messages[0], (UserInterface::Message{QStringLiteral("Error"), wrongLibrary, Button::Ok, Icon::Error,
                                                      Button::Ok}));
    // A file that is gone opens nothing without a word; a folder cannot be read.
    ui.files = {path(QStringLiteral("missing.zsc")), dir.path()};
    ui.messages.clear();
    EXPECT_EQ(forms.openForm(), nullptr);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(forms.openForm(), nullptr);
    EXPECT_TRUE(ui.messages.back().text.startsWith("Unable to read " + dir.path()));
    EXPECT_EQ(project.forms().size(), 1u);
    EXPECT_TRUE(zoomRunning());
}

TEST_F(FormCommandsTest, TheSheetShowsTheLoadedFormsOwnValues)
{
    const QString file = path(QStringLiteral("colours.zsc"));
    project.setLibrary(kLibraryPToolBox);
    write(file, "[FORM]\nName=Colours\nLib=2\nFormColorFrame=8388608\n");
    PropertySheet sheet(project);
    QString shown;
    QObject::connect(&sheet, &PropertySheet::rowsChanged,
                     [&] { shown = sheet.value(QStringLiteral("FormFrameColor")); });
    ASSERT_TRUE(forms.loadFormFile(file, true));
    EXPECT_EQ(shown, QStringLiteral("Navy"));
}

TEST_F(FormCommandsTest, ClosingAFormAsksToSaveItsChangesAndStaysOpenUnlessTheyAreSafe)
{
    const struct
    {
        Button answer;
        bool fileChosen, closed;
    } cases[] = {{Button::Cancel, false, false}, {Button::Yes, false, false},
                 {Button::Yes, true, true}, {Button::No, false, true}};
    for (const auto &c : cases) {
        DesignForm &form = forms.nuevoForm();
        place(form, ControlKind::Button);
        const QString file = path(form.name() + QStringLiteral(".zsc"));
        ui.messages.clear();
        ui.answers = {c.answer};
        ui.files = {c.fileChosen ? std::optional(file) : std::nullopt};
        EXPECT_EQ(forms.closeForm(&form), c.closed) << form.name().toStdString();
        EXPECT_EQ(ui.texts(), QStringList{"Save changes to form " + form.name() + "?"});
        EXPECT_EQ(form.isShown(), !c.closed) << form.name().toStdString();
        EXPECT_EQ(QFile::exists(file), c.fileChosen) << form.name().toStdString();
    }
    EXPECT_TRUE(ui.unexpected.isEmpty());
}

TEST_F(FormCommandsTest, AClosedFormLeavesTheSheetAndTheKeysToTheShownWindowActivatedLast)
{
    DesignForm &first = forms.nuevoForm();
    DesignForm &second = forms.nuevoForm();
    DesignForm &third = forms.nuevoForm();
    forms.makeCurrent(first);
    forms.makeCurrent(third);
    place(third, ControlKind::Button, 20, 20);
    ASSERT_TRUE(forms.closeForm(&second));
    ui.answers.push_back(Button::No);
    ASSERT_TRUE(forms.closeForm(&third));
    EXPECT_EQ(project.selectedObject(), first.screen());
    ASSERT_TRUE(forms.closeForm(&first));
    EXPECT_EQ(project.selectedObject(), nullptr);
    EXPECT_FALSE(NudgeKeyPressed(project, NudgeKey::Delete));
    EXPECT_EQ(third.screen()->children().size(), 1);
}

TEST_F(FormCommandsTest, ExportPictureWritesTheChosenPictureAndAsksBeforeReplacing)
{
    DesignForm &form = forms.nuevoForm();
    form.setFileName(path(QStringLiteral("Form1.zsc")));
    const QString png = path(QStringLiteral("picture.png"));
    ui.files = {png};
    EXPECT_TRUE(exportPicture(form, {3, RenderArea::Screen}, ui));
    EXPECT_EQ(QImage(png).size(), QSize(480, 480));
    // No to the replace question, or no file chosen, leaves the file alone.
    const QByteArray before = read(png);
    ui.files = {png, std::nullopt};
    ui.answers = {Button::No};
    EXPECT_FALSE(exportPicture(form, {1, RenderArea::Device}, ui));
    EXPECT_FALSE(exportPicture(form, {1, RenderArea::Device}, ui));
    EXPECT_EQ(read(png), before);
    EXPECT_TRUE(ui.unexpected.isEmpty());
}
