#include "CliRunner.h"

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
    EXPECT_EQ(run.outLines(), QStringList({
        form + ": [B] Top: 'x' is not a number; 10 is used",
        form + ": [C] Control: 'Knob' is no kind of control of CControls; the section is skipped",
        project + ": [ActiveForms] Form3: " + path(QStringLiteral("gone.zsc"))
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
    EXPECT_EQ(lines[0], missing + QStringLiteral(": cannot be read: No such file"));
    EXPECT_EQ(lines[1], bad + QStringLiteral(": [FORM] Lib: missing; the file is of no library and "
                                             "its records are not read"));
    EXPECT_TRUE(lines[2].startsWith(dir.path() + QStringLiteral(": cannot be read: ")));
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
    EXPECT_TRUE(run.err.contains(input + QStringLiteral(": [B] Name: A component named a already exists")));
    EXPECT_TRUE(run.err.contains(input + QStringLiteral(": not resaved: saving would drop the records above")));
    EXPECT_EQ(read(input), text);

    const QByteArray unknown = "[FORM]\nName=F\nLib=1\n[K]\nControl=Knob\n";
    const QString knob = write(QStringLiteral("knob.zsc"), unknown);
    EXPECT_EQ(runCli({"resave", knob}).exitCode, 1);
    EXPECT_EQ(read(knob), unknown);

    const QString noLibrary = write(QStringLiteral("nolib.zsc"), "[FORM]\nName=F\n");
    EXPECT_EQ(runCli({"resave", noLibrary}).exitCode, 1);
    EXPECT_EQ(runCli({"resave", path(QStringLiteral("missing.zsc"))}).exitCode, 2);
}

TEST_F(Cli, ResaveReportsARefusedWrite)
{
    const CliRun run = runCli({"resave", golden("ccontrols-all.zsc"), "-o", "/proc/zentiform.zsc"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("Unable to write to /proc/zentiform.zsc")))
        << run.err.toStdString();
}
