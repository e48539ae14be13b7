#include "CliRunner.h"

using namespace zf::test;

using CliGenerate = CliTest;

TEST_F(CliGenerate, WritesTheFilesWithTheStoredSettingsOrTheOptionsAndWarnsOfFaults)
{
    const QString project = writeProject();
    const QByteArray projectBefore = fileBytes(project);
    const CliRun run = runCli({QStringLiteral("generate"), project});
    // The library file is not in the output folder yet: a warning, which
    // fails no build.
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, project + QStringLiteral(": warning: CControls library not found at project "
                                                "source path. You must copy it before compile.\n"));
    const QString src = path(QStringLiteral("src/"));
    EXPECT_TRUE(fileBytes(src + QStringLiteral("App.pc")).startsWith("@cid \"ABCD\";\r\n@name \"Application\";\r\n"));
    // The form opened last comes first, as in the generate window after
    // opening the project.
    EXPECT_EQ(fileBytes(src + QStringLiteral("App.h")),
              QByteArray("//Form and dialog prototypes\r\nSecond();\r\nFirst();\r\n"));
    EXPECT_EQ(fileBytes(project), projectBefore);

    // Run again with the library in place and code that will not build: the
    // files are replaced without a question, and the faults are warnings.
    write(QStringLiteral("src/CControls.c"), "//");
    write(QStringLiteral("src/App.h"), "old");
    write(QStringLiteral("second.zsc"), "[FORM]\r\nName=Second\r\nLib=1\r\n"
                                        "[BtGo]\r\nControl=Button\r\nName=BtGo\r\nShowForm=Third\r\n");
    const CliRun again = runCli({QStringLiteral("generate"), project});
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_EQ(again.err.toStdString(),
              (project + ": warning: The name \"BtGo\" is used more than once (Second, First)\n" + project
               + ": warning: Second: BtGo shows \"Third\", which is no form or dialog of the project\n")
                  .toStdString());
    EXPECT_TRUE(fileBytes(src + QStringLiteral("App.h")).startsWith("//Form and dialog"));

    const QString memo = path(QStringLiteral("memo/")), doc = path(QStringLiteral("doc/"));
    EXPECT_EQ(runCli({"generate", project, "-o", memo, "--memo", "--first", "Second"}).exitCode, 0);
    EXPECT_TRUE(fileBytes(memo + QStringLiteral("App.pc")).contains("\r\n  Second();\r\n}\r\n"));
    EXPECT_EQ(runCli({"generate", project, "--doc", "-o", doc}).exitCode, 0);
    EXPECT_EQ(QDir(doc).entryList(QDir::Files),
              QStringList({"App.pdb", "AppEvents.pdb", "AppForms.pdb", "AppH.pdb"}));
}
