#include "CliRunner.h"

#include "ScriptedUserInterface.h"
#include "core/designer/FormRenderer.h"
#include "core/files/FormFileCheck.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignProject.h"

#include <QImage>

using namespace zf;
using namespace zf::test;

using CliRender = CliTest;

TEST_F(CliRender, WritesTheScreenAsTheCoreDrawsItScaledWithoutSmoothing)
{
    const QString out = path(QStringLiteral("out.png"));
    const CliRun run = runCli({"render", golden("ccontrols-all.zsc"), "--screen-only", "--scale", "3", "-o", out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    ScriptedUserInterface ui;
    DesignProject project(ui);
    const FormFileCheck check = checkFormFile(project, golden("ccontrols-all.zsc"));
    ASSERT_TRUE(check.form);
    const QImage screen = renderForm(*check.form, RenderArea::Screen);
    EXPECT_EQ(QImage(out).convertToFormat(QImage::Format_RGB32),
              screen.scaled(screen.size() * 3, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}
