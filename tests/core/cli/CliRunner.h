#pragma once

#include "files/FormFileSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zf::test {

struct CliRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

inline CliRun runProgram(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(120000)) << program.toStdString() << " did not finish";
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

inline CliRun runCli(const QStringList &arguments) { return runProgram(QStringLiteral(ZENTIFORM_CLI_PATH), arguments); }

// A folder of the test's own for the files a command reads and writes.
class CliTest : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return dir.filePath(name); }

    QString write(const QString &name, const QByteArray &bytes) const
    {
        QDir().mkpath(QFileInfo(path(name)).absolutePath());
        EXPECT_TRUE(writeFileBytes(path(name), bytes));
        return path(name);
    }

    static QString golden(const char *name) { return goldenForm(QString::fromLatin1(name)); }

    // A CControls project of two forms, as the designer leaves it on disk.
    QString writeProject() const
    {
        write(QStringLiteral("first.zsc"), "[FORM]\r\nName=First\r\nTitle=First\r\nLib=1\r\n"
                                           "[BtGo]\r\nControl=Button\r\nName=BtGo\r\nShowForm=Second\r\n");
        write(QStringLiteral("second.zsc"), "[FORM]\r\nName=Second\r\nTitle=Second\r\nLib=1\r\n");
        return write(QStringLiteral("App.zpj"),
                     "[Project]\r\nName=x\r\nLib=1\r\n[Code]\r\nCreatorID=ABCD\r\nFirstForm=First\r\n"
                     "Output=src\r\n[ActiveForms]\r\nForm0=first.zsc\r\nForm3=second.zsc\r\n");
    }

    QTemporaryDir dir;
};

} // namespace zf::test
