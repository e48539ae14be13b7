#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

namespace zf::test {

struct CliRun
{
    int exitCode = -1;
    QString out;
    QString err;

    QStringList outLines() const { return out.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
};

// Runs the built zentiform-cli with `arguments` and waits for it.
inline CliRun runCli(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(ZENTIFORM_CLI_PATH), arguments);
    CliRun run;
    if (!process.waitForFinished(120000)) {
        ADD_FAILURE() << "zentiform-cli did not finish";
        process.kill();
        process.waitForFinished();
        return run;
    }
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace zf::test
