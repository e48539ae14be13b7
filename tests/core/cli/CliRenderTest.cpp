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
    const CliRun run = runCli({"render", golden("ptoolbox-all.zsc"), "-o", out});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(QImage(out).convertToFormat(QImage::Format_RGB32),
              expected(golden("ptoolbox-all.zsc"), RenderArea::Device));

    const CliRun scaled =
        runCli({"render", golden("ccontrols-all.zsc"), "--screen-only", "--scale", "3", "-o", out});
    ASSERT_EQ(scaled.exitCode, 0) << scaled.err.toStdString();
    const QImage screen = expected(golden("ccontrols-all.zsc"), RenderArea::Screen);
    EXPECT_EQ(QImage(out).convertToFormat(QImage::Format_RGB32),
              screen.scaled(screen.size() * 3, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}
