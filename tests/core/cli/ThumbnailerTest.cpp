#include "CliRunner.h"

#include <QImage>
#include <QMap>

using namespace zf::test;

using Thumbnailer = CliTest;

// What a file manager does with the thumbnailer an installation leaves: it
// runs the entry's command with the form, the picture to write and the
// size, and takes a picture only from a command that succeeded.
TEST_F(Thumbnailer, TheInstalledEntryDrawsFormsAndRefusesBadFiles)
{
    const CliRun install =
        runProgram(ZENTIFORM_CMAKE, {"--install", ZENTIFORM_BUILD_DIR, "--prefix", dir.path(),
                                     "--component", "cli"});
    ASSERT_EQ(install.exitCode, 0) << install.err.toStdString();
    const QStringList lines =
        QString::fromUtf8(fileBytes(path("share/thumbnailers/zentiform.thumbnailer"))).split(u'\n');
    EXPECT_EQ(lines.first(), QStringLiteral("[Thumbnailer Entry]"));
    QMap<QString, QString> entry;
    for (const QString &line : lines.mid(1))
        entry[line.section(u'=', 0, 0)] = line.section(u'=', 1);
    EXPECT_TRUE(QFileInfo(entry["TryExec"]).isExecutable());
    EXPECT_TRUE(entry["MimeType"].split(u';').contains("application/x-zentiform-form"));
    const QStringList command = QProcess::splitCommand(entry["Exec"]);
    ASSERT_GE(command.size(), 2);

    const auto thumbnail = [&](const QString &input, const QString &output, int size) {
        QStringList arguments = command.mid(1);
        for (QString &argument : arguments)
            argument.replace("%i", input)
                .replace("%o", output)
                .replace("%s", QString::number(size));
        return runProgram(command.first(), arguments).exitCode;
    };
    for (int size : {32, 1024}) {
        const QString png = path(QStringLiteral("thumb%1.png").arg(size));
        EXPECT_EQ(thumbnail(golden("ptoolbox-all.zsc"), png, size), 0) << size;
        const int longest = std::max(QImage(png).width(), QImage(png).height());
        EXPECT_TRUE(longest <= size && longest > size / 2) << size << ": " << longest;
    }
    for (const QString &input :
         {write("bad.zsc", QByteArray("\x00\xff\x13garbage", 10).repeated(100)),
          path("none.zsc")}) {
        EXPECT_NE(thumbnail(input, path(QStringLiteral("bad.png")), 128), 0) << input.toStdString();
        EXPECT_FALSE(QFile::exists(path(QStringLiteral("bad.png")))) << input.toStdString();
    }
}
