#include "GenerateWindowFixture.h"
#include "core/base/DataPaths.h"
#include "core/codegen/AppIcons.h"
#include "core/codegen/CodeOutputs.h"
#include "gui/codegen/DirectoryEdit.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QtEndian>

using namespace zf;
using namespace zf::test;
using Button = UserInterface::Button;
using Icon = UserInterface::Icon;

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class GenerateSaveTest : public GenerateWindowFixture
{
protected:
    explicit GenerateSaveTest(int library = kLibraryCControls) : GenerateWindowFixture(library)
    {
        outputDir = dir.filePath(QStringLiteral("out/src"));
        show();
        child<DirectoryEdit>("dedOutput")->setText(outputDir);
        click("butGenerar");
    }

    QString out(const char *name) const { return QDir(outputDir).filePath(QLatin1String(name)); }
    // What Save writes for a page: its lines, each ended by CR LF.
    QByteArray expected(TfrmGenerate::Page page) const
    {
        return sourceText(window->page(page)->lines()).toLatin1();
    }

    QString outputDir;
};

class PToolBoxSaveTest : public GenerateSaveTest
{
protected:
    PToolBoxSaveTest() : GenerateSaveTest(kLibraryPToolBox) {}
};

const char *const kSources[] = {"App.pc", "AppForms.pc", "AppEvents.pc", "App.h"};
const char *const kIcons[] = {"large1.bmp", "small1.bmp", "large2.bmp", "small2.bmp",
                              "large4.bmp", "small4.bmp", "large8.bmp", "small8.bmp"};

} // namespace

TEST_F(GenerateSaveTest, SaveMakesTheFolderAndWritesWhatTheMemosHold)
{
    window->page(TfrmGenerate::EventsPage)->memo()->appendPlainText(QStringLiteral("// mine"));
    click("butSave");

    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(readFile(out(kSources[i])), expected(TfrmGenerate::Page(i))) << kSources[i];
    EXPECT_TRUE(readFile(out("AppEvents.pc")).endsWith("// mine\r\n"));
    for (IconSlot slot : kIconSlots)
        EXPECT_EQ(readFile(out(kIcons[int(slot)])), AppIcons::defaultBitmap(slot));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, QStringLiteral("Warning"));
    EXPECT_EQ(ui.messages[0].text,
              QStringLiteral("CControls library not found at project source path. You must copy "
                             "it before compile."));
    EXPECT_EQ(ui.messages[0].buttons, UserInterface::Buttons(Button::Ok));
}

TEST_F(GenerateSaveTest, SaveAsksBeforeReplacingAndWritesTheIconsAfterANo)
{
    ASSERT_TRUE(QDir().mkpath(outputDir));
    for (const char *name : kSources)
        writeFile(out(name), "old");
    writeFile(out("CControls.c"), "library");
    ui.answers = {Button::Yes, Button::No, Button::Yes, Button::No};
    click("butSave");

    ASSERT_EQ(ui.messages.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        const auto &question = ui.messages[size_t(i)];
        EXPECT_EQ(question.caption, QStringLiteral("Warning"));
        EXPECT_EQ(question.text, out(kSources[i]) + " already exists. Do you want to replace it?");
        EXPECT_EQ(question.buttons, Button::Yes | Button::No | Button::Cancel);
        EXPECT_EQ(question.icon, Icon::Warning);
    }
    EXPECT_EQ(readFile(out("App.pc")), expected(TfrmGenerate::MainPage));
    EXPECT_EQ(readFile(out("AppForms.pc")), QByteArray("old"));
    EXPECT_EQ(readFile(out("AppEvents.pc")), expected(TfrmGenerate::EventsPage));
    EXPECT_EQ(readFile(out("App.h")), QByteArray("old"));
    for (const char *name : kIcons)
        EXPECT_TRUE(QFileInfo::exists(out(name))) << name;
}

TEST_F(GenerateSaveTest, CancelStopsTheSaveBeforeAnythingIsWritten)
{
    ASSERT_TRUE(QDir().mkpath(outputDir));
    writeFile(out("App.pc"), "old");
    writeFile(out("AppForms.pc"), "old");
    ui.answers = {Button::Yes, Button::Cancel};
    click("butSave");

    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(readFile(out("App.pc")), QByteArray("old"));
    EXPECT_EQ(readFile(out("AppForms.pc")), QByteArray("old"));
    EXPECT_FALSE(QFileInfo::exists(out("AppEvents.pc")));
    EXPECT_FALSE(QFileInfo::exists(out("App.h")));
    EXPECT_FALSE(QFileInfo::exists(out("large1.bmp")));
}

TEST_F(GenerateSaveTest, AfterATargetChangeSaveWritesTheEmptyTexts)
{
    click("rbtMemos");
    click("rbtPDE");
    click("butSave");
    for (const char *name : kSources)
        EXPECT_EQ(readFile(out(name)), QByteArray()) << name;
}

TEST_F(PToolBoxSaveTest, SaveLooksForTheLibraryHeader)
{
    click("butSave");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("PToolboxLib header file Fctl.h not found at "
                                                  "project source path. You must copy it before "
                                                  "compile."));
    ui.messages.clear();
    writeFile(out("fctl.h"), "header");
    ui.answers = {Button::No, Button::No, Button::No, Button::No};
    click("butSave");
    EXPECT_EQ(ui.messages.size(), 4u); // the four questions, no warning
}

class GenerateDocTest : public GenerateSaveTest
{
protected:
    GenerateDocTest()
    {
        click("rbtMemos");
        click("butGenerar");
    }
};

TEST_F(GenerateDocTest, SaveDocWritesTheFourDatabasesIntoTheOutputFolder)
{
    window->page(TfrmGenerate::HeaderPage)->memo()->appendPlainText(QStringLiteral("// mine"));
    click("butSaveDoc");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, QStringLiteral("Save DOC"));
    EXPECT_EQ(ui.messages[0].text,
              "DOC files App.pdb, AppForms.pdb, AppEvents.pdb and AppH.pdb created in " +
                  outputDir);
    const char *files[][2] = {{"App.pdb", "App.pc"},
                              {"AppForms.pdb", "AppForms.pc"},
                              {"AppEvents.pdb", "AppEvents.pc"},
                              {"AppH.pdb", "App.h"}};
    for (const auto &[file, title] : files) {
        const QByteArray bytes = readFile(out(file));
        EXPECT_EQ(bytes.left(32), QByteArray(title).leftJustified(32, '\0')) << file;
        EXPECT_EQ(bytes.mid(60, 8), QByteArray("TEXtREAd")) << file;
    }
    // The edited header went in: its text is longer than the generated one.
    const auto textLength = [&](const char *file) {
        const QByteArray bytes = readFile(out(file));
        const qsizetype record0 = qFromBigEndian<quint32>(bytes.constData() + 78);
        return qFromBigEndian<quint32>(bytes.constData() + record0 + 4);
    };
    EXPECT_EQ(textLength("AppH.pdb"),
              quint32(window->page(TfrmGenerate::HeaderPage)->lines().join(u'\n').size() + 1));
}
