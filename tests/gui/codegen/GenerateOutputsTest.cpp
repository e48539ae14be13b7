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

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
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

const char *const kSources[] = {"App.pc", "AppForms.pc", "AppEvents.pc", "App.h"};

} // namespace

TEST_F(GenerateSaveTest, SaveMakesTheFolderAndWritesWhatTheMemosHold)
{
    window->page(TfrmGenerate::EventsPage)->memo()->appendPlainText(QStringLiteral("// mine"));
    click("butSave");
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(readFile(out(kSources[i])), expected(TfrmGenerate::Page(i))) << kSources[i];
    EXPECT_TRUE(readFile(out("AppEvents.pc")).endsWith("// mine\r\n"));
    for (IconSlot slot : kIconSlots)
        EXPECT_EQ(readFile(out(iconSlotInfo(slot).fileName)), AppIcons::defaultBitmap(slot));
    EXPECT_EQ(ui.texts(), QStringList{"CControls library not found at project source path. You "
                                      "must copy it before compile."});

    // After a change of target the texts are empty, and so is what Save writes.
    click("rbtMemos");
    click("rbtPDE");
    ui.answers.assign(4, Button::Yes);
    click("butSave");
    for (const char *name : kSources)
        EXPECT_EQ(readFile(out(name)), QByteArray()) << name;
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
    EXPECT_EQ(ui.texts(), QStringList{"DOC files App.pdb, AppForms.pdb, AppEvents.pdb and AppH.pdb "
                                      "created in " + outputDir});
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
