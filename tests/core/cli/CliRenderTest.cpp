#include "CliRunner.h"

#include "ScriptedUserInterface.h"
#include "core/designer/FormRenderer.h"
#include "core/files/FormFileCheck.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignProject.h"

#include <QImage>

using namespace zf;
using namespace zf::test;

namespace {

// The picture the core draws of the same file.
QImage expected(const QString &file, RenderArea area)
{
    ScriptedUserInterface ui;
    DesignProject project(ui);
    const FormFileCheck check = checkFormFile(project, file);
    EXPECT_TRUE(check.form);
    return check.form ? renderForm(*check.form, area) : QImage();
}

using CliRender = CliTest;

} // namespace

TEST_F(CliRender, WritesTheDesignWindowsPictureWholeOrItsScreenScaledWithoutSmoothing)
{
    const QString out = path(QStringLiteral("out.png"));
    for (const char *name : {"ccontrols-all.zsc", "ptoolbox-all.zsc"}) {
        const CliRun run = runCli({QStringLiteral("render"), golden(name), QStringLiteral("-o"), out});
        EXPECT_EQ(run.exitCode, 0) << name << run.err.toStdString();
        EXPECT_EQ(QImage(out).convertToFormat(QImage::Format_RGB32),
                  expected(golden(name), RenderArea::Device))
            << name;
    }
    const CliRun run = runCli({"render", golden("ccontrols-all.zsc"), "--screen-only", "--scale", "3",
                               "-o", out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QImage picture = QImage(out).convertToFormat(QImage::Format_RGB32);
    const QImage screen = expected(golden("ccontrols-all.zsc"), RenderArea::Screen);
    ASSERT_EQ(picture.size(), screen.size() * 3);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            ASSERT_EQ(picture.pixel(x, y), screen.pixel(x / 3, y / 3)) << x << ", " << y;
    }
}
