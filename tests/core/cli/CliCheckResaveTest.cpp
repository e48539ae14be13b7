#include "CliRunner.h"

using namespace zf::test;

using Cli = CliTest;

TEST_F(Cli, CheckPrintsOneLinePerProblemAndGoesOnAfterAnUnreadableFile)
{
    const QString form = write(QStringLiteral("bad.zsc"),
                               "[FORM]\nName=F\nLib=1\n[B]\nControl=Button\nName=B\nTop=x\n"
                               "[C]\nControl=Knob\n");
    const QString project = write(QStringLiteral("p.zpj"),
                                  "[Project]\nLib=1\n[ActiveForms]\nForm2=" + form.toUtf8()
                                      + "\nForm3=" + path(QStringLiteral("gone.zsc")).toUtf8() + "\n");
    const QString missing = path(QStringLiteral("missing.zsc"));
    const CliRun run = runCli({"check", missing, form, golden("ccontrols-all.zsc"), project});
    EXPECT_EQ(run.exitCode, 2);
    // In the form editors jump from: file, line, level.
    EXPECT_EQ(run.outLines(), QStringList({
        missing + ": error: cannot be read: No such file",
        form + ":7: warning: [B] Top: 'x' is not a number; 10 is used",
        form + ":9: warning: [C] Control: 'Knob' is no kind of control of CControls; the section is skipped",
        project + ":5: warning: [ActiveForms] Form3: " + path(QStringLiteral("gone.zsc"))
            + ": no such form file; it is skipped",
    }));
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

// The golden text as a person might have edited it (LF line ends, each
// section's keys in reverse order, blanks, comments) resaves as Save Form
// writes it, in place or into another file.
TEST_F(Cli, ResaveWritesAHandEditedFileAsSaveFormWould)
{
    for (const char *name : {"ccontrols-all.zsc", "ptoolbox-all.zsc"}) {
        const QByteArray canonical = read(golden(name));
        QByteArray edited = "; edited by hand\n";
        for (const QByteArray &section : canonical.split('[')) {
            QList<QByteArray> lines = section.trimmed().split('\n');
            edited += section.isEmpty() ? QByteArray() : "\n[" + lines.takeFirst().trimmed() + '\n';
            for (auto it = lines.crbegin(); it != lines.crend() && !section.isEmpty(); ++it) {
                const QByteArray line = it->trimmed();
                edited += line.left(line.indexOf('=')) + " = " + line.mid(line.indexOf('=') + 1) + '\n';
            }
        }
        const QString input = write(QLatin1String(name), edited);
        const QString output = path(QStringLiteral("out.zsc"));
        EXPECT_EQ(runCli({"resave", input, "-o", output}).exitCode, 0);
        EXPECT_EQ(read(input), edited);
        EXPECT_EQ(read(output).toStdString(), canonical.toStdString()) << name;
        const CliRun run = runCli({"resave", input});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(read(input).toStdString(), canonical.toStdString()) << name;
    }
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
    const QByteArrayList refusedTexts = {
        "[FORM]\nName=F\nLib=1\n[A]\nControl=Label\nName=A\n[B]\nControl=Label\nName=a\n",
        "[FORM]\nName=F\nLib=1\n[K]\nControl=Knob\n", "[FORM]\nName=F\n"};
    const QString taken = write(QStringLiteral("taken.zsc"), refusedTexts[0]);
    const QString knob = write(QStringLiteral("knob.zsc"), refusedTexts[1]);
    const QString noLibrary = write(QStringLiteral("nolib.zsc"), refusedTexts[2]);
    const QString noProject = QStringLiteral(": warning: [Project]: missing; this is no project file");
    const QString folder = path(QStringLiteral("folder.zsc"));
    QDir().mkpath(folder);
    const QString blocked = path(QStringLiteral("no-such-folder/out.png"));
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
        {{"check", golden("ccontrols-all.zsc"), golden("ptoolbox-all.zsc")}, 0, QString()},
        {{"resave", taken}, 1, taken + ":9: warning: [B] Name: A component named a already exists"},
        {{"resave", knob}, 1, knob + ":5: warning: [K] Control: 'Knob' is no kind of control"},
        {{"resave", noLibrary}, 1, noLibrary + ":1: warning: [FORM] Lib: missing"},
        {{"resave", path("missing.zsc")}, 2, path("missing.zsc") + ": error: cannot be read: No such file"},
        {{"resave", golden("ccontrols-all.zsc"), "-o", folder}, 2,
         folder + ": error: cannot be written: is a folder, not a file"},
        {{"resave", golden("ccontrols-all.zsc"), "-o", "/proc/zentiform.zsc"}, 2,
         "/proc/zentiform.zsc: error: cannot be written: "},
        {{"render", golden("ccontrols-all.zsc"), "-o", folder}, 2,
         folder + ": error: cannot be written: is a folder, not a picture file"},
        {{"render", golden("ccontrols-all.zsc"), "-o", blocked}, 2, blocked + ": error: cannot be written: "},
        {{"render", folder, "-o", path("x.png")}, 2, folder + ": error: cannot be read: is a folder, not a form file"},
    };
    for (const auto &c : cases) {
        const CliRun run = runCli(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE((run.out + run.err).startsWith(c.message))
            << c.arguments.join(' ').toStdString() << "\n" << (run.out + run.err).toStdString()
            << "\nnot starting with\n" << c.message.toStdString();
    }
    // A refused resave says why and leaves the file as it was.
    EXPECT_TRUE(runCli({"resave", taken}).err.contains(
        taken + QStringLiteral(": error: not resaved: saving would drop the records above")));
    EXPECT_EQ((QByteArrayList{read(taken), read(knob), read(noLibrary)}), refusedTexts);
    EXPECT_FALSE(QFile::exists(blocked));
    EXPECT_FALSE(QFile::exists(path("x.png")));
}
