#include "CodegenFixture.h"
#include "core/base/IniDocument.h"
#include "core/ccontrols/CCLabel.h"
#include "core/codegen/AppIcons.h"
#include "core/codegen/CodeOutputs.h"
#include "core/codegen/GenerateSettings.h"
#include "core/codegen/cccode.h"
#include "core/codegen/ptcode.h"
#include "core/controls/CCBitmap.h"
#include "core/controls/CCButton.h"
#include "core/controls/CCRadio.h"
#include "core/model/PTDialog.h"
#include "core/ptoolbox/PTButton.h"
#include "core/ptoolbox/PTLabel.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtEndian>

#include <functional>

using namespace zf;
using namespace zf::test;
using Button = UserInterface::Button;
using Icon = UserInterface::Icon;

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

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

TEST(GenerateSettingsTest, ReadsDefaultsForAProjectWithoutSettings)
{
    IniDocument doc;
    const GenerateSettings s = GenerateSettings::read(doc, true, QStringLiteral("/shown"));
    EXPECT_EQ(s.output, QStringLiteral("/shown"));
    EXPECT_EQ(s.firstForm, QString());
    EXPECT_FALSE(s.memo);
    EXPECT_EQ(s.creatorId, QStringLiteral("ZNTC"));
    EXPECT_EQ(s.appName, QStringLiteral("Application"));
    EXPECT_EQ(s.appDb, QStringLiteral("ApplicationDB"));
    EXPECT_EQ(s.version, QStringLiteral("1.0"));
    EXPECT_TRUE(s.color);
    for (IconSlot slot : kIconSlots)
        EXPECT_TRUE(s.iconPath(slot).isEmpty());
}

TEST(GenerateSettingsTest, ReadsAndWritesTheCodeAndIconsSections)
{
    IniDocument doc;
    doc.parse("[Project]\r\nLib=2\r\n[Code]\r\nOutput=C:\\out\r\nFirstForm=Form2\r\nMemo=1\r\n"
              "CreatorID=ABCD\r\nAppName=Demo\r\nAppDB=DemoDB\r\nVersion=2.5\r\nColor=0\r\n"
              "[Icons]\r\nSmall4=/icons/s4.bmp\r\n");
    GenerateSettings s = GenerateSettings::read(doc, true, QString());
    EXPECT_EQ(s.output, QStringLiteral("C:\\out"));
    EXPECT_EQ(s.firstForm, QStringLiteral("Form2"));
    EXPECT_TRUE(s.memo);
    EXPECT_EQ(s.creatorId, QStringLiteral("ABCD"));
    EXPECT_EQ(s.appName, QStringLiteral("Demo"));
    EXPECT_EQ(s.appDb, QStringLiteral("DemoDB"));
    EXPECT_EQ(s.version, QStringLiteral("2.5"));
    EXPECT_FALSE(s.color);
    EXPECT_EQ(s.iconPath(IconSlot::Small4), QStringLiteral("/icons/s4.bmp"));

    // CControls has no colour option: Color is neither read nor written.
    EXPECT_TRUE(GenerateSettings::read(doc, false, QString()).color);
    s.memo = false;
    s.version = QStringLiteral("3");
    s.writeCode(doc, false);
    EXPECT_EQ(doc.readString(u"Code", u"Memo"), QStringLiteral("0"));
    EXPECT_EQ(doc.readString(u"Code", u"Version"), QStringLiteral("3"));
    EXPECT_EQ(doc.readString(u"Code", u"Color"), QStringLiteral("0")); // left as it was
    s.color = true;
    s.writeCode(doc, true);
    EXPECT_EQ(doc.readString(u"Code", u"Color"), QStringLiteral("1"));
    EXPECT_EQ(doc.readString(u"Project", u"Lib"), QStringLiteral("2"));

    GenerateSettings::writeIcon(doc, IconSlot::Large8, QStringLiteral("/i/l8.bmp"));
    EXPECT_EQ(doc.readString(u"Icons", u"Large8"), QStringLiteral("/i/l8.bmp"));
    EXPECT_EQ(doc.readString(u"Icons", u"Small4"), QStringLiteral("/icons/s4.bmp"));
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
    settings.memo = true;
    EXPECT_EQ(headLines(settings, QStringLiteral("App")), QStringList{"//Main App.pc"});
}

TEST_F(CodeOutputs, GenerateWritesTheHeadThenTheBody)
{
    settings.memo = true;
    GeneratedCode code;
    ASSERT_TRUE(generateCode(generator, {form}, QStringLiteral("App"), settings, code, ui));
    EXPECT_EQ(code.main.mid(0, 3), QStringList({"//Main App.pc", "", "#include \"App.h\""}));
    EXPECT_EQ(code.forms.first(), QStringLiteral("/$ AppForms.pc"));
}

TEST_F(CodeOutputs, AFirstFormNoLongerOpenFallsBackToTheFirstEntry)
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
}

TEST_F(CodeOutputs, GenerateWithoutFormsTellsTheUser)
{
    GeneratedCode code;
    code.main << QStringLiteral("old");
    EXPECT_FALSE(generateCode(generator, {}, QStringLiteral("App"), settings, code, ui));
    EXPECT_TRUE(code.main.isEmpty());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, kNoFormToGenerate);
    EXPECT_EQ(ui.messages[0].icon, Icon::Error);
}

TEST_F(CodeOutputs, SavesTheFourFilesInWindows1252WithCrLf)
{
    AppIcons icons;
    output.icons = &icons;
    output.library = &generator;
    ASSERT_EQ(saveSourceFiles(output, ui), SaveOutcome::Completed);

    const QByteArray forms = readFile(out(QStringLiteral("AppForms.pc")));
    EXPECT_TRUE(forms.startsWith("#include \"Ccontrols.c\"\r\nChandle Lb;\r\n\r\n"));
    EXPECT_TRUE(forms.contains("  Csetcontent(Lb,\"Caf\xe9 \x80"
                               "5\");\r\n"));
    EXPECT_TRUE(forms.endsWith("}\r\n\r\n"));
    EXPECT_TRUE(readFile(out(QStringLiteral("App.pc"))).startsWith("@cid \"ZNTC\";\r\n"));
    EXPECT_EQ(readFile(out(QStringLiteral("App.h"))),
              QByteArray("//Form and dialog prototypes\r\nMain();\r\n"));
    EXPECT_TRUE(QFileInfo::exists(out(QStringLiteral("AppEvents.pc"))));
    for (IconSlot slot : kIconSlots) {
        EXPECT_EQ(readFile(out(QLatin1String(iconSlotInfo(slot).fileName))), icons.bitmap(slot))
            << iconSlotInfo(slot).fileName;
    }
    // The library is not beside the sources yet.
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, QStringLiteral("Warning"));
    EXPECT_EQ(ui.messages[0].text,
              QStringLiteral("CControls library not found at project source path. You must "
                             "copy it before compile."));
    EXPECT_EQ(ui.messages[0].buttons, UserInterface::Buttons(Button::Ok));
}

TEST_F(CodeOutputs, LibraryFileIsFoundWhateverItsLetterCase)
{
    QDir().mkpath(output.folder);
    writeBytes(out(QStringLiteral("ccontrols.C")), "//");
    output.library = &generator;
    ASSERT_EQ(saveSourceFiles(output, ui), SaveOutcome::Completed);
    EXPECT_TRUE(ui.messages.empty());

    PTCodeGenerator pt;
    output.library = &pt;
    ui.answers = {Button::Yes, Button::Yes, Button::Yes, Button::Yes};
    ASSERT_EQ(saveSourceFiles(output, ui), SaveOutcome::Completed);
    EXPECT_EQ(ui.texts().last(), QStringLiteral("PToolboxLib header file Fctl.h not found at "
                                                "project source path. You must copy it before "
                                                "compile."));
    writeBytes(out(QStringLiteral("FCTL.H")), "//");
    ui.messages.clear();
    ui.answers = {Button::Yes, Button::Yes, Button::Yes, Button::Yes};
    saveSourceFiles(output, ui);
    EXPECT_EQ(ui.messages.size(), 4u); // the four replace questions only
}

TEST_F(CodeOutputs, NoForAnExistingFileSkipsItButNotTheIconsOrTheCheck)
{
    QDir().mkpath(output.folder);
    writeBytes(out(QStringLiteral("App.h")), "mine");
    AppIcons icons;
    output.icons = &icons;
    output.library = &generator;
    ui.answers = {Button::No};
    EXPECT_EQ(saveSourceFiles(output, ui), SaveOutcome::Completed);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].caption, QStringLiteral("Warning"));
    EXPECT_EQ(ui.messages[0].text,
              out(QStringLiteral("App.h")) + QStringLiteral(" already exists. Do you want to "
                                                            "replace it?"));
    EXPECT_EQ(ui.messages[0].buttons, Button::Yes | Button::No | Button::Cancel);
    EXPECT_EQ(ui.messages[0].icon, Icon::Warning);
    EXPECT_EQ(ui.messages[0].defaultButton, Button::No);
    EXPECT_EQ(readFile(out(QStringLiteral("App.h"))), QByteArray("mine"));
    EXPECT_TRUE(QFileInfo::exists(out(QStringLiteral("small8.bmp"))));
    EXPECT_TRUE(ui.messages[1].text.startsWith(QStringLiteral("CControls library not found")));
}

TEST_F(CodeOutputs, CancelStopsTheSaveBeforeAnythingIsWritten)
{
    QDir().mkpath(output.folder);
    writeBytes(out(QStringLiteral("AppForms.pc")), "old");
    AppIcons icons;
    output.icons = &icons;
    output.library = &generator;
    ui.answers = {Button::Cancel};
    EXPECT_EQ(saveSourceFiles(output, ui), SaveOutcome::Cancelled);
    EXPECT_EQ(readFile(out(QStringLiteral("AppForms.pc"))), QByteArray("old"));
    EXPECT_EQ(QDir(output.folder).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("AppForms.pc")});
    EXPECT_EQ(ui.messages.size(), 1u); // no library warning after a Cancel
}

TEST_F(CodeOutputs, AnOutputThatCannotBeWrittenLeavesEveryOldOneAsItWas)
{
    AppIcons icons;
    output.icons = &icons;
    QStringList names = sourceFileNames(output.projectName);
    for (IconSlot slot : kIconSlots)
        names << QLatin1String(iconSlotInfo(slot).fileName);
    const std::pair<const char *, std::function<void(const QString &)>> faults[] = {
        {"Not a regular file", [](const QString &file) { QDir().mkdir(file); }},
        {"The file is read-only",
         [](const QString &file) { QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadOther); }},
    };
    for (const auto &[reason, makeFault] : faults) {
        for (const QString &blocked : names) {
            QDir(output.folder).removeRecursively();
            QDir().mkpath(output.folder);
            for (const QString &name : names) {
                if (name != blocked || QLatin1String(reason) != QLatin1String("Not a regular file"))
                    writeBytes(out(name), "old " + name.toLatin1());
            }
            makeFault(out(blocked));
            ui.messages.clear();
            ui.answers.assign(4, Button::Yes);
            EXPECT_EQ(saveSourceFiles(output, ui), SaveOutcome::Failed) << blocked.toStdString();
            ASSERT_FALSE(ui.messages.empty());
            EXPECT_EQ(ui.messages.back().text, QStringLiteral("Unable to write to ") + out(blocked) +
                                                   QLatin1Char('\n') + QLatin1String(reason));
            for (const QString &name : names) {
                if (name != blocked) {
                    EXPECT_EQ(readFile(out(name)), "old " + name.toLatin1()) << name.toStdString();
                }
            }
            // No temporary file is left behind.
            EXPECT_EQ(QDir(output.folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(),
                      names.size());
            QFile::setPermissions(out(blocked), QFile::ReadOwner | QFile::WriteOwner);
        }
    }
    // Cleared, the set is written whole.
    QDir(output.folder).removeRecursively();
    ui.messages.clear();
    EXPECT_EQ(saveSourceFiles(output, ui), SaveOutcome::Completed);
    for (const QString &name : names)
        EXPECT_FALSE(readFile(out(name)).startsWith("old")) << name.toStdString();
}

TEST_F(CodeOutputs, ACharacterOutsideWindows1252WritesNothing)
{
    output.code.events << QStringLiteral("  //\u0436\u2603 and \u0436");
    EXPECT_EQ(saveSourceFiles(output, ui), SaveOutcome::Failed);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].icon, Icon::Error);
    EXPECT_TRUE(ui.messages[0].text.startsWith(QStringLiteral("Unable to write ") +
                                               out(QStringLiteral("AppEvents.pc"))));
    EXPECT_TRUE(ui.messages[0].text.contains(QStringLiteral("\u0436\u2603 have no place")));
    EXPECT_FALSE(QFileInfo::exists(output.folder));
}

TEST_F(CodeOutputs, AFolderThatCannotBeMadeIsReported)
{
    writeBytes(dir.filePath(QStringLiteral("file")), "x");
    output.folder = dir.filePath(QStringLiteral("file/sub"));
    EXPECT_EQ(saveSourceFiles(output, ui), SaveOutcome::Failed);
    EXPECT_EQ(ui.texts(),
              QStringList{QStringLiteral("Unable to create the folder ") + output.folder});
}

TEST_F(CodeOutputs, SettingsAreStoredInTheProjectFileAndTheRestKept)
{
    const QString path = dir.filePath(QStringLiteral("App.zpj"));
    writeBytes(path, "[Project]\r\nLib=1\r\n[ActiveForms]\r\nForm0=/a.zsc\r\n");
    settings.firstForm = QStringLiteral("Main");
    settings.color = false;
    ASSERT_TRUE(storeGenerateSettings(path, settings, false, ui));
    IniDocument doc;
    ASSERT_TRUE(doc.open(path));
    EXPECT_EQ(doc.readString(u"Code", u"FirstForm"), QStringLiteral("Main"));
    EXPECT_EQ(doc.readString(u"Code", u"CreatorID"), QStringLiteral("ZNTC"));
    EXPECT_FALSE(doc.hasKey(u"Code", u"Color"));
    EXPECT_EQ(doc.readString(u"ActiveForms", u"Form0"), QStringLiteral("/a.zsc"));
    ASSERT_TRUE(storeIconPath(path, IconSlot::Small2, QStringLiteral("/i/s2.bmp"), ui));
    ASSERT_TRUE(doc.open(path));
    EXPECT_EQ(doc.readString(u"Icons", u"Small2"), QStringLiteral("/i/s2.bmp"));
    EXPECT_EQ(doc.readString(u"Code", u"FirstForm"), QStringLiteral("Main"));
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
    EXPECT_EQ(outputFolder(QString(), QStringLiteral("/p/q/App.zpj")), QStringLiteral("/p/q"));
    EXPECT_EQ(outputFolder(QStringLiteral(" "), QStringLiteral("/p/q/App.zpj")),
              QStringLiteral("/p/q"));
    EXPECT_EQ(outputFolder(QStringLiteral("src"), QStringLiteral("/p/q/App.zpj")),
              QStringLiteral("/p/q/src"));
    EXPECT_EQ(outputFolder(QStringLiteral("../out"), QStringLiteral("/p/q/App.zpj")),
              QStringLiteral("/p/out"));
    EXPECT_EQ(outputFolder(QStringLiteral("/abs/dir"), QStringLiteral("/p/q/App.zpj")),
              QStringLiteral("/abs/dir"));
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

TEST_F(CodeOutputs, NamesCountAsTheGeneratedCodeDefinesThem)
{
    // A plain picture has no name in CControls code; a dialog has two.
    DesignForm *other = addForm(QStringLiteral("Other"), QStringLiteral("Other"));
    add<TCCBitmap>(other, other->screen(), QStringLiteral("Lb"), 0, 0, 8, 8);
    add<TPTDialog>(other, other->screen(), QStringLiteral("Dlg"), 0, 0, 100, 100);
    add<TCCLabel>(form, form->screen(), QStringLiteral("hDlg"), 0, 0, 32, 13);
    EXPECT_EQ(generator.warnings({form, other}),
              QStringList{"The name \"hDlg\" is used more than once (Main, Other)"});

    // A PToolBox radio group defines one name per item.
    DesignForm *pt = addForm(QStringLiteral("Pt"), QStringLiteral("Pt"));
    add<TCCRadio>(pt, pt->screen(), QStringLiteral("Rd1"), 0, 0, 31, 14)->setItems({"a", "b"});
    add<TPTButton>(pt, pt->screen(), QStringLiteral("Rd11"), 0, 0, 40, 14);
    add<TPTButton>(pt, pt->screen(), QStringLiteral("Rd1"), 0, 0, 40, 14);
    EXPECT_EQ(PTCodeGenerator().warnings({pt}),
              QStringList{"The name \"Rd11\" is used more than once (Pt)"});
}

TEST(BuiltInIconTest, RowsArePaddedWithZerosSoEverySaveWritesTheSameBytes)
{
    for (IconSlot slot : kIconSlots) {
        const QByteArray bytes = AppIcons::defaultBitmap(slot);
        EXPECT_EQ(bytes, AppIcons::defaultBitmap(slot)) << iconSlotInfo(slot).key;
        const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
        const quint32 pixels = qFromLittleEndian<quint32>(data + 10);
        const qint32 width = qFromLittleEndian<qint32>(data + 18);
        const qint32 height = qFromLittleEndian<qint32>(data + 22);
        const quint16 bits = qFromLittleEndian<quint16>(data + 28);
        ASSERT_EQ(width, iconSlotInfo(slot).width);
        const int stride = (width * bits + 31) / 32 * 4;
        const int used = (width * bits + 7) / 8;
        ASSERT_EQ(bytes.size(), qsizetype(pixels) + stride * std::abs(height));
        for (int row = 0; row < std::abs(height); ++row) {
            for (int i = used; i < stride; ++i)
                EXPECT_EQ(data[pixels + row * stride + i], 0)
                    << iconSlotInfo(slot).key << " row " << row << " byte " << i;
        }
    }
}
