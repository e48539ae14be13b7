#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QMap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

int run(const QString &program, const QStringList &arguments, QString *err = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    if (err)
        *err = QString::fromUtf8(process.readAllStandardError());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace

// What a file manager does with the thumbnailer an installation leaves: it
// runs the entry's command with the form, the picture to write and the
// size, and takes a picture only from a command that succeeded.
TEST(Thumbnailer, TheInstalledEntryDrawsFormsAndRefusesBadFiles)
{
    QTemporaryDir prefix;
    QString err;
    ASSERT_EQ(run(QStringLiteral(ZENTIFORM_CMAKE),
                  {QStringLiteral("--install"), QStringLiteral(ZENTIFORM_BUILD_DIR),
                   QStringLiteral("--prefix"), prefix.path(), QStringLiteral("--component"),
                   QStringLiteral("cli")},
                  &err),
              0)
        << err.toStdString();
    // A desktop entry: "[Thumbnailer Entry]", then key=value lines.
    QFile file(prefix.filePath(QStringLiteral("share/thumbnailers/zentiform.thumbnailer")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    EXPECT_EQ(lines.first(), QStringLiteral("[Thumbnailer Entry]"));
    QMap<QString, QString> entry;
    for (const QString &line : lines.mid(1)) {
        const qsizetype equals = line.indexOf(u'=');
        if (equals > 0)
            entry[line.left(equals)] = line.mid(equals + 1);
    }
    EXPECT_TRUE(QFileInfo(entry[QStringLiteral("TryExec")]).isExecutable());
    EXPECT_TRUE(entry[QStringLiteral("MimeType")].split(u';').contains(
        QStringLiteral("application/x-zentiform-form")));
    const QStringList command = QProcess::splitCommand(entry[QStringLiteral("Exec")]);
    ASSERT_GE(command.size(), 2);

    const auto thumbnail = [&](const QString &input, const QString &output, int size) {
        QStringList arguments = command.mid(1);
        for (QString &argument : arguments) {
            argument.replace(QStringLiteral("%i"), input)
                .replace(QStringLiteral("%o"), output)
                .replace(QStringLiteral("%s"), QString::number(size));
        }
        return run(command.first(), arguments);
    };
    const QString form = QStringLiteral(ZENTIFORM_TEST_DATA_DIR "/forms/ptoolbox-all.zsc");
    for (int size : {32, 128, 256, 1024}) {
        const QString png = prefix.filePath(QStringLiteral("thumb%1.png").arg(size));
        EXPECT_EQ(thumbnail(form, png, size), 0) << size;
        const QImage picture(png);
        EXPECT_LE(std::max(picture.width(), picture.height()), size) << size;
        EXPECT_GT(std::max(picture.width(), picture.height()), size / 2) << size;
    }

    QFile binary(prefix.filePath(QStringLiteral("bad.zsc")));
    ASSERT_TRUE(binary.open(QIODevice::WriteOnly));
    binary.write(QByteArray("\x00\xff\x13garbage", 10).repeated(100));
    binary.close();
    const QString bad[] = {binary.fileName(), prefix.filePath(QStringLiteral("none.zsc")),
                           QStringLiteral(ZENTIFORM_TEST_DATA_DIR "/fuzz-none")};
    for (const QString &input : bad) {
        const QString png = prefix.filePath(QStringLiteral("bad.png"));
        EXPECT_NE(thumbnail(input, png, 128), 0) << input.toStdString();
        EXPECT_FALSE(QFile::exists(png)) << input.toStdString();
    }
}
