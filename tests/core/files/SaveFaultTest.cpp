// Saving under failure: a read-only folder, a full disk, files and folders
// that vanish. Whatever happens, every file holds its old content whole or
// its new content whole, and a refused write tells the user so.
#include "ChildProcess.h"
#include "app/CommandsFixture.h"
#include "core/app/Options.h"
#include "core/codegen/CodeOutputs.h"
#include "core/codegen/GenerateSettings.h"
#include "core/codegen/cccode.h"

#include <QDir>
#include <QFile>
#include <QRect>

#include <array>

#include <unistd.h>

using namespace zf;
using namespace zf::test;

namespace {

// The four saves that write the user's files: a form, a project (with its
// form), the options file and the generated sources, each into one folder
// and each in two versions whose files differ at the top and at the end, so
// that a file made of parts of both is told from either.
class SaveFault : public CommandsFixture
{
protected:
    enum Kind { Form, Project, OptionsFile, Outputs };
    static constexpr std::array kKinds{Form, Project, OptionsFile, Outputs};
    static constexpr const char *kKindNames[] = {"form", "project", "options", "outputs"};

    SaveFault()
    {
        QDir().mkpath(outputs());
        form = &forms.nuevoForm(QStringLiteral("Main"));
        for (int i = 0; i < 40; ++i)
            last = place(*form, ControlKind::Button, (i * 7) % 120, (i * 5) % 140);
        form->setFileName(formFile());
        project.setProjectName(QStringLiteral("Fault"));
        project.setProjectFile(projectFile());
        output.folder = outputs();
        output.projectName = QStringLiteral("Fault");
    }

    QString work() const { return path(QStringLiteral("work")); }
    QString outputs() const { return path(QStringLiteral("work/out")); }
    QString formFile() const { return path(QStringLiteral("work/Main.zsc")); }
    QString projectFile() const { return path(QStringLiteral("work/Fault.zpj")); }
    QString optionsFile() const { return path(QStringLiteral("work/options.ini")); }

    QStringList files(Kind kind) const
    {
        QStringList sources;
        for (const QString &name : sourceFileNames(output.projectName))
            sources << QDir(outputs()).filePath(name);
        const QStringList all[] = {{formFile()}, {projectFile(), formFile()}, {optionsFile()}, sources};
        return all[kind];
    }

    // True when the command saved everything, answering Yes to every question.
    bool save(Kind kind)
    {
        ui.answers.assign(4, UserInterface::Button::Yes);
        switch (kind) {
        case Form:
            return forms.save(*form, false) == FormCommands::SaveResult::Saved;
        case Project:
            return projects.guardaProyecto(projectFile()) == ProjectCommands::SaveResult::Saved;
        case OptionsFile:
            return options.save();
        case Outputs:
            return saveSourceFiles(output, ui) == SaveOutcome::Completed;
        }
        return false;
    }

    QByteArrayList contents(Kind kind) const
    {
        QByteArrayList bytes;
        for (const QString &file : files(kind))
            bytes << read(file);
        return bytes;
    }

    // The first lines of the error messages shown since `from`.
    QStringList errorLines(std::size_t from = 0) const
    {
        QStringList lines;
        for (std::size_t i = from; i < ui.messages.size(); ++i) {
            if (ui.messages[i].caption == QLatin1String("Error"))
                lines << ui.messages[i].text.section(QLatin1Char('\n'), 0, 0);
        }
        return lines;
    }

    // Version 1 on disk, version 2 in memory: what each save is to replace.
    void writeOldFiles()
    {
        for (int version : {1, 2}) {
            form->screen()->setTitle(QStringLiteral("Version %1").arg(version));
            form->setPosition(version, version);
            last->setBounds(version * 3, version * 2, 30 + version, 14);
            workspace.setPropertiesShown(true);
            workspace.setPropertiesBounds(QRect(version, version, 264, 346));
            options.setLibrary(version);
            options.recentProjects().add(QStringLiteral("/projects/version%1.zpj").arg(version));
            settings.creatorId = version == 1 ? QStringLiteral("AAAA") : QStringLiteral("BBBB");
            output.code = GeneratedCode();
            generateCode(generator, {form}, output.projectName, settings, output.code, ui);
            for (Kind kind : kKinds) {
                ASSERT_TRUE(version == 2 || save(kind)) << kKindNames[kind];
                old[kind] = contents(kind);
            }
        }
        ui.messages.clear();
    }

    // After `setup` in a child, the four saves fail, each telling the first
    // file it could not write, and leave every old file whole and no
    // temporary file beside it.
    void expectEverySaveRefused(const std::function<void()> &setup)
    {
        const ChildProcess::Result result = ChildProcess::run([&] {
            setup();
            QStringList lines;
            for (Kind kind : kKinds) {
                const std::size_t from = ui.messages.size();
                const QString saved = save(kind) ? QStringLiteral("saved") : QStringLiteral("failed");
                lines << (QStringList{saved} + errorLines(from)).join(u'|');
            }
            return lines.join(u'\n').toUtf8();
        });
        EXPECT_FALSE(result.killed) << "signal " << result.code;
        const QString unable = QStringLiteral("Unable to write to ");
        // The main window reports the options file itself at shut-down; the
        // outputs are one set, and the first that fails stops it.
        EXPECT_EQ(result.report.toStdString(),
                  QStringList({"failed|" + unable + formFile(),
                               "failed|" + unable + formFile() + '|' + unable + projectFile(), "failed",
                               "failed|" + unable + files(Outputs).front()})
                      .join(u'\n')
                      .toStdString());
        for (Kind kind : kKinds)
            EXPECT_EQ(contents(kind), old[kind]) << kKindNames[kind];
        EXPECT_EQ(QDir(work()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
                  QStringList({"Fault.zpj", "Main.zsc", "options.ini"}));
        EXPECT_EQ(QDir(outputs()).entryList(QDir::Files | QDir::Hidden).size(), 4);
    }

    DesignForm *form = nullptr;
    DesignObject *last = nullptr;
    Options options{optionsFile()};
    CCCodeGenerator generator;
    GenerateSettings settings;
    SourceOutput output;
    std::array<QByteArrayList, 4> old;
};

TEST_F(SaveFault, AReadOnlyFolderRefusesEverySaveAndKeepsTheOldFiles)
{
    writeOldFiles();
    // The files stay writable; only the folders are not. Root ignores
    // permissions, so the saves run as nobody, who owns the files.
    if (geteuid() == 0) {
        QStringList owned{work(), outputs()};
        for (Kind kind : kKinds)
            owned << files(kind);
        for (const QString &file : owned)
            ASSERT_EQ(chown(QFile::encodeName(file).constData(), kNobody, kNobody), 0);
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                              QFile::ReadOther | QFile::ExeOther);
    }
    const auto readOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(outputs(), readOnly));
    ASSERT_TRUE(QFile::setPermissions(work(), readOnly));
    expectEverySaveRefused([] {
        if (!becomeNobodyIfRoot())
            _exit(3);
    });
    QFile::setPermissions(work(), readOnly | QFile::WriteOwner);
    QFile::setPermissions(outputs(), readOnly | QFile::WriteOwner);
}

TEST_F(SaveFault, ADiskThatFillsUpMidWriteKeepsTheOldFiles)
{
    writeOldFiles();
    // Room for the start of every file, not for the whole of any.
    expectEverySaveRefused([] { limitFileSize(16); });
}

// A file that vanished is written anew without a replace question; a
// folder that vanished fails the save and keeps the work unsaved.
TEST_F(SaveFault, VanishedFilesAreWrittenAnewAndVanishedFoldersFailTheSave)
{
    writeOldFiles();
    ASSERT_TRUE(QFile::remove(formFile()));
    EXPECT_EQ(forms.save(*form, false), FormCommands::SaveResult::Saved);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(read(formFile()).startsWith("[FORM]\r\nName=Main\r\n"));
    ASSERT_TRUE(QFile::remove(projectFile()));
    ui.answers.assign(1, Button::Yes);
    EXPECT_EQ(projects.guardaProyecto(projectFile()), ProjectCommands::SaveResult::Saved);
    EXPECT_TRUE(read(projectFile()).contains("\r\nForm0=" + formFile().toUtf8() + "\r\n"));

    ui.messages.clear();
    form->perform(QStringLiteral("Move"), [&] { last->setBounds(50, 50, 30, 14); });
    ASSERT_TRUE(QDir(work()).removeRecursively());
    const QString unable = QStringLiteral("Unable to write to ");
    EXPECT_EQ(forms.save(*form, false), FormCommands::SaveResult::Failed);
    EXPECT_EQ(errorLines(), QStringList{unable + formFile()});
    EXPECT_FALSE(form->undoStack().isClean());
    ui.messages.clear();
    EXPECT_EQ(projects.guardaProyecto(projectFile()), ProjectCommands::SaveResult::NotWritten);
    EXPECT_EQ(errorLines(), (QStringList{unable + formFile(), unable + projectFile()}));
}

} // namespace
