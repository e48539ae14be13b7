#include "CodegenFixture.h"
#include "core/base/IniDocument.h"
#include "core/ccontrols/CCLabel.h"
#include "core/codegen/AppIcons.h"
#include "core/codegen/CodeOutputs.h"
#include "core/codegen/GenerateSettings.h"
#include "core/codegen/cccode.h"
#include "core/codegen/ptcode.h"
#include "core/controls/CCButton.h"
#include "core/ptoolbox/PTLabel.h"
#include "files/FormFileSupport.h"

#include <QDir>
#include <QTemporaryDir>

#include <functional>

using namespace zf;
using namespace zf::test;
using Button = UserInterface::Button;
using Icon = UserInterface::Icon;

namespace {

const QString kReplace = QStringLiteral(" already exists. Do you want to replace it?");

class CodeOutputs : public CodegenFixture
{
protected:
    CodeOutputs()
    {
        project.setLibrary(kLibraryCControls);
        form = addForm(QStringLiteral("Main"), QStringLiteral("Main"));
        add<TCCLabel>(form, form->screen(), QStringLiteral("Lb"), 0, 0, 32, 13)
            ->setContent(QStringLiteral("Caf\u00e9 \u20ac5"));
        output.folder = dir.filePath(QStringLiteral("out/src"));
        output.projectName = QStringLiteral("App");
        generateCode(generator, {form}, QStringLiteral("App"), settings, output.code, ui);
    }

    QString out(const QString &name) const { return QDir(output.folder).filePath(name); }

    QTemporaryDir dir;
    CCCodeGenerator generator;
    GenerateSettings settings;
    DesignForm *form = nullptr;
    SourceOutput output;
};

} // namespace

TEST(GenerateSettingsTest, ReadsAndWritesTheCodeAndIconsSections)
{
    IniDocument doc;
    GenerateSettings s = GenerateSettings::read(doc, true, QStringLiteral("/shown"));
    EXPECT_EQ(s.output, QStringLiteral("/shown"));
    EXPECT_TRUE(s.color);
    doc.parse("[Project]\r\nLib=2\r\n[Code]\r\nOutput=C:\\out\r\nFirstForm=Form2\r\nMemo=1\r\n"
              "CreatorID=ABCD\r\nAppName=Demo\r\nAppDB=DemoDB\r\nVersion=2.5\r\nColor=0\r\n"
              "[Icons]\r\nSmall4=/icons/s4.bmp\r\n");
    s = GenerateSettings::read(doc, true, QString());
    EXPECT_EQ(QStringList({s.output, s.firstForm, s.creatorId, s.appName, s.appDb, s.version,
                           s.iconPath(IconSlot::Small4)}),
              QStringList({"C:\\out", "Form2", "ABCD", "Demo", "DemoDB", "2.5", "/icons/s4.bmp"}));
    EXPECT_TRUE(s.memo && !s.color);
    // CControls has no colour option: Color is neither read nor written
    // (writing is checked through the project file below).
    EXPECT_TRUE(GenerateSettings::read(doc, false, QString()).color);
}

TEST_F(CodeOutputs, PdeHeadHasTheDirectivesAndEveryIcon)
{
    settings.creatorId = QStringLiteral("Zx01");
    EXPECT_EQ(headLines(settings, QStringLiteral("App")),
              QStringList({"@cid \"Zx01\";", "@name \"Application\";", "@dbname \"ApplicationDB\";",
                           "@ver \"1.0\";", "@licon1 \"large1.bmp\";", "@sicon1 \"small1.bmp\";",
                           "@licon2 \"large2.bmp\";", "@sicon2 \"small2.bmp\";",
                           "@licon4 \"large4.bmp\";", "@sicon4 \"small4.bmp\";",
                           "@licon8 \"large8.bmp\";", "@sicon8 \"small8.bmp\";"}));
}

TEST_F(CodeOutputs, AFirstFormNoLongerOpenFallsBackToTheFirstEntryAndNoFormToAMessage)
{
    DesignForm *other = addForm(QStringLiteral("Other"), QStringLiteral("Other"));
    const FormList forms = {other, form};
    EXPECT_EQ(findFirstForm(forms, QStringLiteral("Main")), form);
    EXPECT_EQ(findFirstForm(forms, QStringLiteral("Gone")), other);
    EXPECT_EQ(findFirstForm({}, QStringLiteral("Main")), nullptr);
    settings.firstForm = QStringLiteral("Gone");
    GeneratedCode code;
    generateCode(generator, forms, QStringLiteral("App"), settings, code, ui);
    EXPECT_TRUE(code.main.contains(QStringLiteral("  Other();")));

    EXPECT_FALSE(generateCode(generator, {}, QStringLiteral("App"), settings, code, ui));
    EXPECT_TRUE(code.main.isEmpty());
    EXPECT_EQ(ui.messages, (std::vector<UserInterface::Message>{
                               {"Error", kNoFormToGenerate, Button::Ok, Icon::Error, Button::Ok}}));
}

TEST_F(CodeOutputs, SavesTheFourFilesInWindows1252WithCrLfAndTheIcons)
{
    AppIcons icons;
    output.icons = &icons;
    output.library = &generator;
    ASSERT_EQ(saveSourceFiles(output, ui), SaveOutcome::Completed);

    const QByteArray forms = fileBytes(out(QStringLiteral("AppForms.pc")));
    EXPECT_TRUE(forms.startsWith("#include \"Ccontrols.c\"\r\nChandle Lb;\r\n\r\n"));
    EXPECT_TRUE(forms.contains("  Csetcontent(Lb,\"Caf\xe9 \x80"
                               "5\");\r\n"));
    EXPECT_TRUE(forms.endsWith("}\r\n\r\n"));
    EXPECT_TRUE(fileBytes(out(QStringLiteral("App.pc"))).startsWith("@cid \"ZNTC\";\r\n"));
    EXPECT_EQ(fileBytes(out(QStringLiteral("App.h"))),
              QByteArray("//Form and dialog prototypes\r\nMain();\r\n"));
    EXPECT_TRUE(QFileInfo::exists(out(QStringLiteral("AppEvents.pc"))));
    for (IconSlot slot : kIconSlots) {
        EXPECT_EQ(fileBytes(out(QLatin1String(iconSlotInfo(slot).fileName))), icons.bitmap(slot))
            << iconSlotInfo(slot).fileName;
    }
    // The library is not beside the sources yet.
    EXPECT_EQ(ui.messages, (std::vector<UserInterface::Message>{
                               {"Warning", "CControls library not found at project source path. You must "
                                           "copy it before compile.", Button::Ok, Icon::Warning, Button::Ok}}));
}

TEST_F(CodeOutputs, TheLibraryFileIsFoundWhateverItsLetterCase)
{
    QDir().mkpath(output.folder);
    ASSERT_TRUE(writeFileBytes(out(QStringLiteral("ccontrols.C")), "//"));
    output.library = &generator;
    ASSERT_EQ(saveSourceFiles(output, ui), SaveOutcome::Completed);
    EXPECT_TRUE(ui.messages.empty());
}

// No skips the file but not the icons or the library check; Cancel stops
// before anything is written.
TEST_F(CodeOutputs, NoSkipsAnExistingFileAndCancelWritesNothing)
{
    QDir().mkpath(output.folder);
    ASSERT_TRUE(writeFileBytes(out(QStringLiteral("App.h")), "mine"));
    AppIcons icons;
    output.icons = &icons;
    output.library = &generator;
    for (const Button answer : {Button::Cancel, Button::No}) {
        ui.messages.clear();
        ui.answers = {answer};
        EXPECT_EQ(saveSourceFiles(output, ui),
                  answer == Button::No ? SaveOutcome::Completed : SaveOutcome::Cancelled);
        EXPECT_EQ(ui.messages[0], (UserInterface::Message{"Warning", out("App.h") + kReplace,
                                                          Button::Yes | Button::No | Button::Cancel,
                                                          Icon::Warning, Button::No}));
        EXPECT_EQ(fileBytes(out(QStringLiteral("App.h"))), QByteArray("mine"));
        EXPECT_EQ(QDir(output.folder).entryList(QDir::Files | QDir::Hidden).size(),
                  answer == Button::No ? qsizetype(4 + std::size(kIconSlots)) : 1);
        EXPECT_EQ(ui.messages.size(), answer == Button::No ? 2u : 1u);
    }
}

TEST_F(CodeOutputs, AnOutputThatCannotBeWrittenLeavesEveryOldOneAsItWas)
{
    AppIcons icons;
    output.icons = &icons;
    QStringList names = sourceFileNames(output.projectName);
    for (IconSlot slot : kIconSlots)
        names << QLatin1String(iconSlotInfo(slot).fileName);
    for (const bool folder : {true, false}) {
        const QString reason =
            folder ? QStringLiteral("Not a regular file") : QStringLiteral("The file is read-only");
        for (const QString &blocked : names) {
            QDir(output.folder).removeRecursively();
            QDir().mkpath(output.folder);
            for (const QString &name : names) {
                if (name != blocked || !folder) {
                    ASSERT_TRUE(writeFileBytes(out(name), "old " + name.toLatin1()));
                }
            }
            if (folder)
                QDir().mkdir(out(blocked));
            else
                QFile::setPermissions(out(blocked), QFile::ReadOwner | QFile::ReadOther);
            ui.messages.clear();
            ui.answers.assign(4, Button::Yes);
            EXPECT_EQ(saveSourceFiles(output, ui), SaveOutcome::Failed) << blocked.toStdString();
            ASSERT_FALSE(ui.messages.empty());
            EXPECT_EQ(ui.messages.back().text,
                      QStringLiteral("Unable to write to ") + out(blocked) + u'\n' + reason);
            for (const QString &name : names) {
                if (name != blocked) {
                    EXPECT_EQ(fileBytes(out(name)), "old " + name.toLatin1()) << name.toStdString();
                }
            }
            // No temporary file is left behind.
            EXPECT_EQ(QDir(output.folder)
                          .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                          .size(),
                      names.size());
            QFile::setPermissions(out(blocked), QFile::ReadOwner | QFile::WriteOwner);
        }
    }
}

TEST_F(CodeOutputs, ACharacterOutsideWindows1252OrAFolderThatCannotBeMadeWritesNothing)
{
    output.code.events << QStringLiteral("  //\u0436\u2603 and \u0436");
    EXPECT_EQ(saveSourceFiles(output, ui), SaveOutcome::Failed);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].icon, Icon::Error);
    EXPECT_TRUE(ui.messages[0].text.startsWith(QStringLiteral("Unable to write ") +
                                               out(QStringLiteral("AppEvents.pc"))));
    EXPECT_TRUE(ui.messages[0].text.contains(QStringLiteral("\u0436\u2603 have no place")));
    EXPECT_FALSE(QFileInfo::exists(output.folder));

    output.code.events.removeLast();
    ASSERT_TRUE(writeFileBytes(dir.filePath(QStringLiteral("file")), "x"));
    output.folder = dir.filePath(QStringLiteral("file/sub"));
    EXPECT_EQ(saveSourceFiles(output, ui), SaveOutcome::Failed);
    EXPECT_EQ(ui.texts().last(), QStringLiteral("Unable to create the folder ") + output.folder);
}

TEST_F(CodeOutputs, SettingsAreStoredInTheProjectFileAndTheRestKept)
{
    const QString path = dir.filePath(QStringLiteral("App.zpj"));
    ASSERT_TRUE(writeFileBytes(path, "[Project]\r\nLib=1\r\n[ActiveForms]\r\nForm0=/a.zsc\r\n"));
    settings.firstForm = QStringLiteral("Main");
    settings.color = false;
    settings.memo = true;
    ASSERT_TRUE(storeGenerateSettings(path, settings, false, ui));
    ASSERT_TRUE(storeIconPath(path, IconSlot::Small2, QStringLiteral("/i/s2.bmp"), ui));
    IniDocument doc;
    ASSERT_TRUE(doc.open(path));
    EXPECT_EQ(doc.readString(u"Code", u"FirstForm") + doc.readString(u"Code", u"Memo"), "Main1");
    EXPECT_FALSE(doc.hasKey(u"Code", u"Color"));
    EXPECT_EQ(doc.readString(u"ActiveForms", u"Form0"), QStringLiteral("/a.zsc"));
    EXPECT_EQ(doc.readString(u"Icons", u"Small2"), QStringLiteral("/i/s2.bmp"));
    // A project never saved has no file to keep them in.
    EXPECT_TRUE(storeGenerateSettings(QString(), settings, false, ui));
    EXPECT_TRUE(storeIconPath(QString(), IconSlot::Small2, QStringLiteral("/x"), ui));
    EXPECT_TRUE(ui.messages.empty());
    // A folder in place of the project file is reported, not written over.
    EXPECT_FALSE(storeGenerateSettings(dir.path(), settings, false, ui));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(ui.messages[0].text.startsWith(QStringLiteral("Unable to read ") + dir.path()));
}

TEST(OutputFolderTest, IsTheProjectFolderOrRelativeToIt)
{
    const std::pair<const char *, const char *> cases[] = {
        {"", "/p/q"}, {" ", "/p/q"}, {"src", "/p/q/src"}, {"../out", "/p/out"}, {"/abs", "/abs"}};
    for (const auto &[setting, folder] : cases) {
        EXPECT_EQ(outputFolder(QLatin1String(setting), QStringLiteral("/p/q/App.zpj")),
                  QLatin1String(folder))
            << setting;
    }
}

TEST_F(CodeOutputs, WarnsAboutNamesTheGeneratedCodeCannotTake)
{
    DesignForm *other = addForm(QStringLiteral("Other"), QStringLiteral("Other"));
    add<TCCLabel>(other, other->screen(), QStringLiteral("Lb"), 0, 0, 32, 13);
    add<TCCLabel>(other, other->screen(), QStringLiteral("while"), 0, 0, 32, 13);
    add<TCCLabel>(other, other->screen(), QStringLiteral("e"), 0, 0, 32, 13);
    add<TCCButton>(other, other->screen(), QStringLiteral("Bt"), 0, 0, 40, 14)
        ->setShowForm(QStringLiteral("Missing"));
    add<TCCButton>(other, other->screen(), QStringLiteral("BtMain"), 0, 0, 40, 14)
        ->setShowForm(QStringLiteral("Main"));
    EXPECT_EQ(generator.warnings({form, other}),
              QStringList({"Other: the name \"while\" is reserved in the generated code",
                           "Other: the name \"e\" is reserved in the generated code",
                           "The name \"Lb\" is used more than once (Main, Other)",
                           "Other: Bt shows \"Missing\", which is no form or dialog of the "
                           "project"}));
    // "p" and "bt" are event-loop variables of PToolBox code only.
    add<TCCLabel>(form, form->screen(), QStringLiteral("p"), 0, 0, 32, 13);
    EXPECT_TRUE(generator.warnings({form}).isEmpty());
    add<TPTLabel>(form, form->screen(), QStringLiteral("bt"), 0, 0, 0, 0);
    EXPECT_EQ(PTCodeGenerator().warnings({form}),
              QStringList{"Main: the name \"bt\" is reserved in the generated code"});
}
