#include "CliRunner.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace zf::test;

namespace {

class Cli : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return dir.filePath(name); }

    QString write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    static QByteArray read(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    static QString golden(const char *name)
    {
        return QStringLiteral(ZENTIFORM_TEST_DATA_DIR "/forms/") + QLatin1String(name);
    }

    // The golden text as a person might have edited it: LF line ends, the
    // keys of each section in reverse order, blanks, comments.
    static QByteArray handEdited(const QByteArray &canonical)
    {
        QByteArray result = "; edited by hand\n";
        QList<QByteArray> section;
        const auto flush = [&] {
            for (auto it = section.crbegin(); it != section.crend(); ++it) {
                const qsizetype equals = it->indexOf('=');
                result += it->left(equals) + " = " + it->mid(equals + 1) + '\n';
            }
            section.clear();
        };
        for (const QByteArray &line : canonical.split('\n')) {
            const QByteArray trimmed = line.trimmed();
            if (trimmed.isEmpty())
                continue;
            if (trimmed.startsWith('[')) {
                flush();
                result += "\n" + trimmed + "\n";
            } else {
                section << trimmed;
            }
        }
        flush();
        return result;
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(Cli, CheckSaysNothingAboutSoundFiles)
{
    const CliRun run = runCli({"check", golden("ccontrols-all.zsc"), golden("ptoolbox-all.zsc")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
}

TEST_F(Cli, CheckPrintsOneLinePerProblem)
{
    const QString form = write(QStringLiteral("bad.zsc"),
                               "[FORM]\nName=F\nLib=1\n[B]\nControl=Button\nName=B\nTop=x\n"
                               "[C]\nControl=Knob\n");
    const QString project = write(QStringLiteral("p.zpj"),
                                  "[Project]\nLib=1\n[ActiveForms]\nForm2=" + form.toUtf8()
                                      + "\nForm3=" + path(QStringLiteral("gone.zsc")).toUtf8() + "\n");
    const CliRun run = runCli({"check", form, project});
    EXPECT_EQ(run.exitCode, 1);
    // In the form editors jump from: file, line, level.
    EXPECT_EQ(run.outLines(), QStringList({
        form + ":7: warning: [B] Top: 'x' is not a number; 10 is used",
        form + ":9: warning: [C] Control: 'Knob' is no kind of control of CControls; the section is skipped",
        project + ":5: warning: [ActiveForms] Form3: " + path(QStringLiteral("gone.zsc"))
            + ": no such form file; it is skipped",
    }));
}

TEST_F(Cli, CheckExitsWithTwoWhenAFileCannotBeRead)
{
    const QString missing = path(QStringLiteral("missing.zsc"));
    const QString bad = write(QStringLiteral("bad.zsc"), "[FORM]\nName=F\n");
    const CliRun run = runCli({"check", missing, bad, dir.path()});
    EXPECT_EQ(run.exitCode, 2);
    const QStringList lines = run.outLines();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], missing + QStringLiteral(": error: cannot be read: No such file"));
    EXPECT_EQ(lines[1], bad + QStringLiteral(":1: warning: [FORM] Lib: missing; the file is of no "
                                             "library and its records are not read"));
    EXPECT_EQ(lines[2], dir.path() + QStringLiteral(": error: cannot be read: is a folder, not a form file"));
}

TEST_F(Cli, WrongArgumentsShowTheUsage)
{
    for (const QStringList &arguments : {QStringList{}, QStringList{"frobnicate"}, QStringList{"check"},
                                         QStringList{"resave"}, QStringList{"resave", "a.zsc", "-o"},
                                         QStringList{"resave", "a.zsc", "b.zsc"}}) {
        const CliRun run = runCli(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("usage: zentiform-cli"))) << run.err.toStdString();
    }
    const CliRun help = runCli({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("resave FORM.zsc [-o OUT.zsc]")));
}

TEST_F(Cli, ResaveWritesAHandEditedFileAsSaveFormWould)
{
    for (const char *name : {"ccontrols-all.zsc", "ptoolbox-all.zsc"}) {
        const QByteArray canonical = read(golden(name));
        const QString edited = write(QLatin1String(name), handEdited(canonical));
        ASSERT_NE(read(edited), canonical);
        const CliRun run = runCli({"resave", edited});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(read(edited).toStdString(), canonical.toStdString()) << name;
    }
}

TEST_F(Cli, ResaveToAnotherFileLeavesTheInputAlone)
{
    const QByteArray edited = handEdited(read(golden("ptoolbox-all.zsc")));
    const QString input = write(QStringLiteral("in.zsc"), edited);
    const QString output = path(QStringLiteral("out.zsc"));
    EXPECT_EQ(runCli({"resave", input, "-o", output}).exitCode, 0);
    EXPECT_EQ(read(input), edited);
    EXPECT_EQ(read(output), read(golden("ptoolbox-all.zsc")));
}

TEST_F(Cli, ResaveRefusesToDropRecords)
{
    const QByteArray text = "[FORM]\nName=F\nLib=1\n[A]\nControl=Label\nName=A\n[B]\nControl=Label\nName=a\n";
    const QString input = write(QStringLiteral("dup.zsc"), text);
    const CliRun run = runCli({"resave", input});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(input + QStringLiteral(":9: warning: [B] Name: A component named a already exists")));
    EXPECT_TRUE(run.err.contains(input + QStringLiteral(": error: not resaved: saving would drop the records above")));
    EXPECT_EQ(read(input), text);

    const QByteArray unknown = "[FORM]\nName=F\nLib=1\n[K]\nControl=Knob\n";
    const QString knob = write(QStringLiteral("knob.zsc"), unknown);
    EXPECT_EQ(runCli({"resave", knob}).exitCode, 1);
    EXPECT_EQ(read(knob), unknown);

    const QString noLibrary = write(QStringLiteral("nolib.zsc"), "[FORM]\nName=F\n");
    EXPECT_EQ(runCli({"resave", noLibrary}).exitCode, 1);
    EXPECT_EQ(runCli({"resave", path(QStringLiteral("missing.zsc"))}).exitCode, 2);
}

// Exit codes mean one thing in every command: 0 done, 1 problems found or
// work refused to keep data safe, 2 a file that could not be read or
// written; each message names the file and the real reason.
TEST_F(Cli, EveryCommandExitsWithTheCodeOfWhatHappened)
{
    QByteArray utf16 = "\xFF\xFE";
    for (const char c : QByteArray("[Project]\r\nLib=2\r\n[ActiveForms]\r\nForm0=gone.zsc\r\n"))
        utf16.append(c).append('\0');
    const QString empty = write(QStringLiteral("empty.zpj"), "");
    const QString binary = write(QStringLiteral("binary.zpj"), QByteArray("\x7F" "ELF\x02\x01\0\0\xFF[\x01", 12));
    const QString unicode = write(QStringLiteral("unicode.zpj"), utf16);
    const QString badLib = write(QStringLiteral("lib.zpj"), "[Project]\nLib=7\n");
    const QString noProject = QStringLiteral(": warning: [Project]: missing; this is no project file");
    const QString folder = path(QStringLiteral("folder.zsc"));
    QDir().mkpath(folder);
    const struct
    {
        QStringList arguments;
        int exitCode;
        QString message;
    } cases[] = {
        {{"check", empty}, 1, empty + noProject},
        {{"check", binary}, 1, binary + noProject},
        {{"check", unicode}, 1, unicode + ":4: warning: [ActiveForms] Form0: " + path("gone.zsc")
                                    + ": no such form file; it is skipped"},
        {{"check", badLib}, 1, badLib + ":2: warning: [Project] Lib: 7 names no library; no form of it can be read"},
        {{"check", folder}, 2, folder + ": error: cannot be read: is a folder, not a form file"},
        {{"check", golden("ccontrols-all.zsc")}, 0, QString()},
        {{"resave", golden("ccontrols-all.zsc"), "-o", folder}, 2,
         folder + ": error: cannot be written: is a folder, not a file"},
        {{"resave", golden("ccontrols-all.zsc"), "-o", "/proc/zentiform.zsc"}, 2,
         "/proc/zentiform.zsc: error: cannot be written: "},
        {{"render", golden("ccontrols-all.zsc"), "-o", folder}, 2,
         folder + ": error: cannot be written: is a folder, not a picture file"},
        {{"render", folder, "-o", path("x.png")}, 2, folder + ": error: cannot be read: is a folder, not a form file"},
    };
    for (const auto &c : cases) {
        const CliRun run = runCli(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE((run.out + run.err).startsWith(c.message))
            << c.arguments.join(' ').toStdString() << "\n" << (run.out + run.err).toStdString()
            << "\nnot starting with\n" << c.message.toStdString();
    }
}
