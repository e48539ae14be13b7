#include "CliRunner.h"

#include "ScriptedUserInterface.h"
#include "core/designer/FormRenderer.h"
#include "core/files/FormFileCheck.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignProject.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

using namespace zf;
using namespace zf::test;

namespace {

class CliRender : public ::testing::Test
{
protected:
    static QString form(const char *name)
    {
        return QStringLiteral(ZENTIFORM_TEST_DATA_DIR "/forms/") + QLatin1String(name);
    }
    QString path(const QString &name) const { return dir.filePath(name); }

    // The picture the core draws of the same file.
    static QImage expected(const QString &file, RenderArea area)
    {
        ScriptedUserInterface ui;
        DesignProject project(ui);
        const FormFileCheck check = checkFormFile(project, file);
        EXPECT_TRUE(check.form);
        return check.form ? renderForm(*check.form, area) : QImage();
    }

    QTemporaryDir dir;
};

TEST_F(CliRender, WritesTheDesignWindowsPictureOfEitherLibrary)
{
    for (const char *name : {"ccontrols-all.zsc", "ptoolbox-all.zsc"}) {
        const CliRun run = runCli({QStringLiteral("render"), form(name), QStringLiteral("-o"),
                                   path(QStringLiteral("out.png"))});
        EXPECT_EQ(run.exitCode, 0) << name << run.err.toStdString();
        const QImage picture(path(QStringLiteral("out.png")));
        EXPECT_EQ(picture.size(), QSize(167, 226)) << name;
        EXPECT_EQ(picture.convertToFormat(QImage::Format_RGB32),
                  expected(form(name), RenderArea::Device))
            << name;
    }
}

TEST_F(CliRender, ScreenOnlyAndScaledWithoutSmoothing)
{
    const CliRun run =
        runCli({QStringLiteral("render"), form("ccontrols-all.zsc"),
                QStringLiteral("--screen-only"), QStringLiteral("--scale"), QStringLiteral("3"),
                QStringLiteral("-o"), path(QStringLiteral("screen.png"))});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QImage picture =
        QImage(path(QStringLiteral("screen.png"))).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(picture.size(), QSize(480, 480));
    const QImage screen = expected(form("ccontrols-all.zsc"), RenderArea::Screen);
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 480; ++x)
            ASSERT_EQ(picture.pixel(x, y), screen.pixel(x / 3, y / 3)) << x << ", " << y;
    }
}

TEST_F(CliRender, RefusesWhatItCannotDo)
{
    const QString out = path(QStringLiteral("out.png"));
    // Usage faults: no output, a scale that is no whole number in range.
    EXPECT_EQ(runCli({QStringLiteral("render"), form("ccontrols-all.zsc")}).exitCode, 2);
    const QStringList sizes[] = {{"--scale", "0"},  {"--scale", "17"}, {"--scale", "2.5"},
                                 {"--scale", "x"},  {"--size", "0"},   {"--size", "4097"},
                                 {"--scale", "2", "--size", "64"}};
    for (const QStringList &size : sizes) {
        const CliRun run = runCli(QStringList{QStringLiteral("render"), form("ccontrols-all.zsc"),
                                              QStringLiteral("-o"), out} +
                                  size);
        EXPECT_EQ(run.exitCode, 2) << size.join(u' ').toStdString();
        EXPECT_TRUE(run.err.contains(size.last() == QLatin1String("64") ? QStringLiteral("either")
                                                                         : size.first().mid(2)))
            << run.err.toStdString();
    }
    // A missing form.
    const CliRun missing = runCli(
        {QStringLiteral("render"), path(QStringLiteral("none.zsc")), QStringLiteral("-o"), out});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("cannot be read")));
    // An output that cannot be written leaves nothing behind.
    const QString blocked = path(QStringLiteral("no-such-folder/out.png"));
    const CliRun unwritable = runCli(
        {QStringLiteral("render"), form("ccontrols-all.zsc"), QStringLiteral("-o"), blocked});
    EXPECT_EQ(unwritable.exitCode, 2);
    EXPECT_TRUE(unwritable.err.contains(blocked + QStringLiteral(": error: cannot be written: ")));
    EXPECT_FALSE(QFile::exists(blocked));
    EXPECT_FALSE(QFile::exists(out));
}

} // namespace
