#include "GenerateWindowFixture.h"
#include "core/base/DataPaths.h"
#include "core/codegen/AppIcons.h"
#include "core/codegen/CodeOutputs.h"
#include "gui/codegen/DirectoryEdit.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QThread>

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

// An environment variable set for one test and put back after it.
class ScopedEnvironment
{
public:
    ScopedEnvironment(const char *name, const QByteArray &value)
        : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~ScopedEnvironment()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char *m_name;
    bool m_had;
    QByteArray m_old;
};

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

TEST_F(GenerateSaveTest, CancelStopsTheSaveLeavingWhatIsWritten)
{
    ASSERT_TRUE(QDir().mkpath(outputDir));
    writeFile(out("App.pc"), "old");
    writeFile(out("AppForms.pc"), "old");
    ui.answers = {Button::Yes, Button::Cancel};
    click("butSave");

    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(readFile(out("App.pc")), expected(TfrmGenerate::MainPage));
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

    // Waits for the detached converters to have left `lines` lines in `path`.
    static QStringList waitForLines(const QString &path, int lines)
    {
        QStringList read;
        const QDeadlineTimer deadline(20000);
        while (!deadline.hasExpired()) {
            read = QString::fromUtf8(readFile(path)).split(u'\n', Qt::SkipEmptyParts);
            if (read.size() >= lines && read.first() != QLatin1String("<none>"))
                break;
            QCoreApplication::processEvents();
            QThread::msleep(20);
        }
        return read;
    }
};

TEST_F(GenerateDocTest, SaveDocRunsTheConverterOnEachTextAndExitRemovesTheTemporaryFiles)
{
    // A converter that notes where and with what it was started.
    QTemporaryDir bin;
    const QString log = dir.filePath(QStringLiteral("converter.log"));
    const QString script = QDir(bin.path()).filePath(QStringLiteral("makedoc"));
    writeFile(script, "#!/bin/sh\necho \"$PWD|$1|$2|$3\" >> '" + log.toUtf8() + "'\n");
    QFile::setPermissions(script, QFile::permissions(script) | QFileDevice::ExeUser);
    ScopedEnvironment path("PATH", bin.path().toUtf8());
    QTemporaryDir emptyData;
    ScopedEnvironment data("ZENTIFORM_DATA_DIR", emptyData.path().toUtf8());

    window->page(TfrmGenerate::HeaderPage)->memo()->appendPlainText(QStringLiteral("// mine"));
    click("butSaveDoc");

    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, QStringLiteral("Save DOC"));
    EXPECT_EQ(ui.messages[0].text,
              "DOC files App.pdb, AppForms.pdb, AppEvents.pdb and AppH.pdb created in " +
                  outputDir);

    const QString temp = window->tempFolder();
    ASSERT_FALSE(temp.isEmpty());
    const char *temps[] = {"temp001.txt", "temp002.txt", "temp003.txt", "temp004.txt"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(readFile(QDir(temp).filePath(QLatin1String(temps[i]))),
                  expected(TfrmGenerate::Page(i)))
            << temps[i];
    }
    EXPECT_TRUE(
        readFile(QDir(temp).filePath(QStringLiteral("temp004.txt"))).endsWith("// mine\r\n"));

    QStringList runs = waitForLines(log, 4);
    runs.sort();
    const QString at = QDir(outputDir).canonicalPath() + u'|' + temp + u'/';
    EXPECT_EQ(runs, QStringList({at + "temp001.txt|App.pdb|App.pc",
                                 at + "temp002.txt|AppForms.pdb|AppForms.pc",
                                 at + "temp003.txt|AppEvents.pdb|AppEvents.pc",
                                 at + "temp004.txt|AppH.pdb|App.h"}));

    click("butSalir");
    EXPECT_FALSE(window->isVisible());
    for (const char *name : temps)
        EXPECT_FALSE(QFileInfo::exists(QDir(temp).filePath(QLatin1String(name)))) << name;
}

TEST_F(GenerateDocTest, SaveDocWithoutAConverterSaysWhereItBelongs)
{
    QTemporaryDir empty;
    ScopedEnvironment path("PATH", empty.path().toUtf8());
    ScopedEnvironment data("ZENTIFORM_DATA_DIR", empty.path().toUtf8());
    click("butSaveDoc");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(ui.messages[0].text, "makedoc.exe not found. It must be in " + dataDirectory() +
                                       " directory. Please check the installation");
}

TEST_F(GenerateDocTest, EscapeClosesLikeExit)
{
    QTemporaryDir bin;
    const QString script = QDir(bin.path()).filePath(QStringLiteral("makedoc"));
    writeFile(script, "#!/bin/sh\n");
    QFile::setPermissions(script, QFile::permissions(script) | QFileDevice::ExeUser);
    ScopedEnvironment path("PATH", bin.path().toUtf8());
    click("butSaveDoc");
    const QString first = QDir(window->tempFolder()).filePath(QStringLiteral("temp001.txt"));
    ASSERT_TRUE(QFileInfo::exists(first));
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(QFileInfo::exists(first));
}
