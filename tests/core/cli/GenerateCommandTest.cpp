#include "CliRunner.h"

using namespace zf::test;

namespace {

// A CControls project of two forms, as the designer leaves it on disk.
class CliGenerate : public CliTest
{
protected:
    CliGenerate()
    {
        write(QStringLiteral("first.zsc"),
              "[FORM]\r\nName=First\r\nTitle=First\r\nLib=1\r\n"
              "[BtGo]\r\nControl=Button\r\nName=BtGo\r\nContent=Go\r\nHeight=14\r\nWidth=40\r\n"
              "Left=9\r\nTop=19\r\nShowForm=Second\r\nParent=panScreen\r\n");
        write(QStringLiteral("second.zsc"), "[FORM]\r\nName=Second\r\nTitle=Second\r\nLib=1\r\n");
        project = write(QStringLiteral("App.zpj"),
                        "[Project]\r\nName=x\r\nLib=1\r\n[Code]\r\nCreatorID=ABCD\r\n"
                        "FirstForm=First\r\nOutput=src\r\n[ActiveForms]\r\nForm0=" +
                            path(QStringLiteral("first.zsc")).toUtf8() +
                            "\r\nForm3=" + path(QStringLiteral("second.zsc")).toUtf8() + "\r\n");
    }

    QString project;
};

} // namespace

TEST_F(CliGenerate, WritesTheFourFilesWithTheStoredSettings)
{
    const QByteArray projectBefore = read(project);
    const CliRun run = runCli({QStringLiteral("generate"), project});
    // The library file is not in the output folder yet: a warning, which
    // fails no build.
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, project + QStringLiteral(": warning: CControls library not found at project "
                                                "source path. You must copy it before compile.\n"));
    const QString src = path(QStringLiteral("src/"));
    const QByteArray main = read(src + QStringLiteral("App.pc"));
    EXPECT_TRUE(main.startsWith("@cid \"ABCD\";\r\n@name \"Application\";\r\n"));
    EXPECT_TRUE(main.contains("\r\n  First();\r\n"));
    // The form opened last comes first, as in the generate window after
    // opening the project.
    EXPECT_EQ(read(src + QStringLiteral("App.h")),
              QByteArray("//Form and dialog prototypes\r\nSecond();\r\nFirst();\r\n"));
    EXPECT_TRUE(read(src + QStringLiteral("AppEvents.pc")).contains("OnBtGo(){\r\n  Second();\r\n"));
    EXPECT_TRUE(QFileInfo::exists(src + QStringLiteral("small8.bmp")));
    EXPECT_EQ(read(project), projectBefore);

    // Run again with the library in place: the files are replaced silently.
    write(QStringLiteral("src/CControls.c"), "//");
    write(QStringLiteral("src/App.h"), "old");
    const CliRun again = runCli({QStringLiteral("generate"), project});
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_EQ(again.err, QString());
    EXPECT_TRUE(read(src + QStringLiteral("App.h")).startsWith("//Form and dialog"));
}

TEST_F(CliGenerate, OptionsOverrideTheStoredSettings)
{
    const CliRun run = runCli({QStringLiteral("generate"), project, QStringLiteral("-o"),
                               path(QStringLiteral("memo")), QStringLiteral("--memo"),
                               QStringLiteral("--first"), QStringLiteral("Second")});
    // No library check and no icons for Palm memos.
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString memo = path(QStringLiteral("memo/"));
    const QByteArray main = read(memo + QStringLiteral("App.pc"));
    EXPECT_TRUE(main.startsWith("//Main App.pc\r\n\r\n#include \"App.h\"\r\n"));
    EXPECT_TRUE(main.contains("\r\n  Second();\r\n}\r\n"));
    EXPECT_FALSE(QFileInfo::exists(memo + QStringLiteral("large1.bmp")));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("src"))));

    const QString doc = path(QStringLiteral("doc/"));
    EXPECT_EQ(runCli({"generate", project, "--doc", "-o", doc}).exitCode, 0);
    EXPECT_EQ(QDir(doc).entryList(QDir::Files),
              QStringList({"App.pdb", "AppEvents.pdb", "AppForms.pdb", "AppH.pdb"}));
    EXPECT_TRUE(read(doc + QStringLiteral("AppForms.pdb")).startsWith("AppForms.pc\0"));
}

TEST_F(CliGenerate, WarnsAboutCodeThatWillNotBuild)
{
    write(QStringLiteral("second.zsc"),
          "[FORM]\r\nName=Second\r\nTitle=Second\r\nLib=1\r\n"
          "[BtGo]\r\nControl=Button\r\nName=BtGo\r\nShowForm=Third\r\nParent=panScreen\r\n");
    write(QStringLiteral("src/CControls.c"), "//");
    const CliRun run = runCli({QStringLiteral("generate"), project});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err.toStdString(),
              (project + ": warning: The name \"BtGo\" is used more than once (Second, First)\n" + project
               + ": warning: Second: BtGo shows \"Third\", which is no form or dialog of the project\n")
                  .toStdString());
}

TEST_F(CliGenerate, EachFailureExitsWithItsCode)
{
    write(QStringLiteral("file"), "x");
    const QString empty = write(QStringLiteral("Empty.zpj"), "[Project]\r\nLib=2\r\n[ActiveForms]\r\n");
    const struct
    {
        QStringList arguments;
        int exitCode;
        QString message;
    } cases[] = {
        {{path("none.zpj")}, 2, path("none.zpj") + ": error: cannot be read: No such file\n"},
        {{project, "--first", "Nowhere"}, 1, "The project has no form named Nowhere"},
        {{empty}, 1, "error: There is no form to generate."},
        // The output folder cannot be made: nothing could be written.
        {{project, "-o", path("file/sub")}, 2, ": error: Unable to create the folder "},
        {{project, "-o"}, 2, "usage: zentiform-cli generate PROJECT.zpj"},
        {{project, "--pde", "--doc"}, 2, "usage: zentiform-cli generate PROJECT.zpj"},
    };
    for (const auto &c : cases) {
        const CliRun run = runCli(QStringList{QStringLiteral("generate")} + c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments.join(u' ').toStdString();
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("Empty.pc"))));
}
