// Saving under failure: a read-only folder, a full disk, files and folders
// that vanish. Whatever happens, every file holds its old content whole or
// its new content whole, and a refused write tells the user so.
#include "ChildProcess.h"
#include "SaveFaultFixture.h"
#include "core/base/IniDocument.h"
#include "core/files/FormFile.h"

#include <QDir>
#include <QFile>

#include <unistd.h>

using namespace zf;
using namespace zf::test;

namespace {

class SaveFault : public SaveFaultFixture
{
protected:
    // Version 1 on disk, version 2 in memory: what each save is to replace.
    void writeOldFiles()
    {
        setVersion(1);
        for (Kind kind : kKinds)
            ASSERT_TRUE(save(kind)) << kindName(kind);
        for (Kind kind : kKinds)
            old[int(kind)] = contents(kind);
        setVersion(2);
        ui.messages.clear();
    }

    // The four saves in a child process after `setup`; for each kind a line
    // "saved" or "failed", then the first line of every message shown.
    QList<QStringList> saveInChild(const std::function<void()> &setup)
    {
        const ChildProcess::Result result = ChildProcess::run([&] {
            setup();
            QStringList lines;
            for (Kind kind : kKinds) {
                const std::size_t from = ui.messages.size();
                const bool saved = save(kind);
                lines << (QStringList{saved ? QStringLiteral("saved") : QStringLiteral("failed")}
                          << errorLines(from))
                             .join(QChar(0x1f));
            }
            return lines.join(QChar(0x1e)).toUtf8();
        });
        EXPECT_FALSE(result.killed) << "signal " << result.code;
        QList<QStringList> reports;
        for (const QString &line : QString::fromUtf8(result.report).split(QChar(0x1e)))
            reports << line.split(QChar(0x1f));
        return reports;
    }

    void expectOldFilesWhole()
    {
        for (Kind kind : kKinds)
            EXPECT_EQ(contents(kind), old[int(kind)]) << kindName(kind);
    }

    // Nothing but our files is left in the folders: no half-written
    // temporary file.
    void expectNoStrayFiles()
    {
        EXPECT_EQ(QDir(work()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
                  (QStringList{QStringLiteral("Fault.zpj"), QStringLiteral("Main.zsc"),
                               QStringLiteral("options.ini")}));
        EXPECT_EQ(QDir(outputs()).entryList(QDir::Files | QDir::Hidden).size(), 4);
    }

    QString unableToWrite(const QString &file) const
    {
        return QStringLiteral("Unable to write to ") + file;
    }

    std::array<QByteArrayList, 4> old;
};

TEST_F(SaveFault, AReadOnlyFolderRefusesEverySaveAndKeepsTheOldFiles)
{
    writeOldFiles();
    const bool root = geteuid() == 0;
    // The files stay writable; only the folders are not. Root ignores
    // permissions, so the saves run as nobody, who owns the files.
    QStringList owned{work(), outputs()};
    for (Kind kind : kKinds)
        owned << files(kind);
    if (root) {
        for (const QString &file : owned)
            ASSERT_EQ(chown(QFile::encodeName(file).constData(), kNobody, kNobody), 0);
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                              QFile::ReadOther | QFile::ExeOther);
    }
    const auto readOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(outputs(), readOnly));
    ASSERT_TRUE(QFile::setPermissions(work(), readOnly));

    const QList<QStringList> reports = saveInChild([] {
        if (!becomeNobodyIfRoot())
            _exit(3);
    });

    const auto writable = readOnly | QFile::WriteOwner;
    QFile::setPermissions(work(), writable);
    QFile::setPermissions(outputs(), writable);
    ASSERT_EQ(reports.size(), 4);
    EXPECT_EQ(reports[0], (QStringList{QStringLiteral("failed"), unableToWrite(formFile())}));
    EXPECT_EQ(reports[1], (QStringList{QStringLiteral("failed"), unableToWrite(formFile()),
                                       unableToWrite(projectFile())}));
    // The main window reports the options file itself at shut-down.
    EXPECT_EQ(reports[2], QStringList{QStringLiteral("failed")});
    // The outputs are one set: the first that fails stops it.
    EXPECT_EQ(reports[3],
              (QStringList{QStringLiteral("failed"), unableToWrite(files(Kind::Outputs).front())}));
    expectOldFilesWhole();
    expectNoStrayFiles();
}

TEST_F(SaveFault, ADiskThatFillsUpMidWriteKeepsTheOldFiles)
{
    writeOldFiles();
    // Room for the start of every file, not for the whole of any.
    const QList<QStringList> reports = saveInChild([] { limitFileSize(16); });

    ASSERT_EQ(reports.size(), 4);
    EXPECT_EQ(reports[0], (QStringList{QStringLiteral("failed"), unableToWrite(formFile())}));
    EXPECT_EQ(reports[1], (QStringList{QStringLiteral("failed"), unableToWrite(formFile()),
                                       unableToWrite(projectFile())}));
    EXPECT_EQ(reports[2], QStringList{QStringLiteral("failed")});
    // The outputs are one set: the first that fails stops it.
    EXPECT_EQ(reports[3],
              (QStringList{QStringLiteral("failed"), unableToWrite(files(Kind::Outputs).front())}));
    expectOldFilesWhole();
    expectNoStrayFiles();
}

TEST_F(SaveFault, AFileThatVanishedIsWrittenAnewWithoutAReplaceQuestion)
{
    writeOldFiles();
    IniDocument expected;
    writeForm(expected, *form);
    ASSERT_TRUE(QFile::remove(formFile()));

    EXPECT_EQ(forms.save(*form, false), FormCommands::SaveResult::Saved);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(read(formFile()), expected.toBytes());
    EXPECT_NE(read(formFile()), old[int(Kind::Form)].front());

    ASSERT_TRUE(QFile::remove(projectFile()));
    ui.answers.assign(1, Button::Yes);
    EXPECT_EQ(projects.guardaProyecto(projectFile()), ProjectCommands::SaveResult::Saved);
    IniDocument project;
    ASSERT_TRUE(project.open(projectFile()));
    EXPECT_EQ(project.readString(u"ActiveForms", u"Form0"), formFile());
}

TEST_F(SaveFault, AFolderThatVanishedFailsTheSaveAndKeepsTheWorkUnsaved)
{
    writeOldFiles();
    form->perform(QStringLiteral("Move"), [&] { last->setBounds(50, 50, 30, 14); });
    ASSERT_FALSE(form->undoStack().isClean());
    ASSERT_TRUE(QDir(work()).removeRecursively());

    EXPECT_EQ(forms.save(*form, false), FormCommands::SaveResult::Failed);
    EXPECT_EQ(errorLines(), QStringList{unableToWrite(formFile())});
    EXPECT_EQ(ui.messages.back().caption, QStringLiteral("Error"));
    EXPECT_EQ(form->fileName(), formFile());
    EXPECT_FALSE(form->undoStack().isClean());

    ui.messages.clear();
    EXPECT_EQ(projects.guardaProyecto(projectFile()), ProjectCommands::SaveResult::NotWritten);
    EXPECT_EQ(errorLines(), (QStringList{unableToWrite(formFile()), unableToWrite(projectFile())}));
    EXPECT_FALSE(QFileInfo::exists(work()));
}

} // namespace
