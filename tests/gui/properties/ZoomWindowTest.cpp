#include "core/app/Workspace.h"
#include "core/controls/CCButton.h"
#include "core/designer/FormRenderer.h"
#include "gui/app/Main.h"
#include "gui/properties/frmPropSelect.h"
#include "gui/properties/frmZoom2x.h"
#include "model/ModelFixture.h"

#include <QAction>
#include <QMdiArea>
#include <QTemporaryDir>
#include <QTest>

using namespace zf;
using namespace zf::test;

namespace {

class ZoomWindow : public ModelFixture
{
protected:
    ZoomWindow()
    {
        area.resize(900, 700);
        zoom = new TfrmZoom(project, workspace);
        area.addSubWindow(zoom);
        form->setPosition(200, 30);
        area.show();
        area.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&area));
    }
    Workspace workspace;
    QMdiArea area;
    TfrmZoom *zoom = nullptr;
};

TEST_F(ZoomWindow, ShowsTheFormAtTwiceItsSizeAtTheClientAreasRightEdgeBehindTheOthers)
{
    EXPECT_TRUE(zoom->isHidden());
    workspace.setToolbarDockHeight(20);
    workspace.setZoomShown(true);
    EXPECT_EQ(zoom->clientSize(), QSize(334, 452));
    EXPECT_EQ(zoom->pos(), QPoint(area.viewport()->width() - zoom->width(), 20));
    EXPECT_TRUE(zoom->isRunning());
    const QImage picture = renderForm(*form);
    ASSERT_EQ(zoom->picture(), picture);
    const QImage screen = zoom->findChild<QWidget *>(QStringLiteral("imgZoom"))->grab().toImage();
    for (const QPoint p : {QPoint(0, 0), QPoint(83, 100), QPoint(166, 225)})
        EXPECT_EQ(screen.pixel(2 * p.x() + 1, 2 * p.y() + 1), picture.pixel(p));
    area.addSubWindow(new QWidget)->show();
    area.setActiveSubWindow(zoom);
    QTest::qWait(10);
    EXPECT_EQ(area.subWindowList(QMdiArea::StackingOrder).first(), zoom);
    zoom->close(); // only hides it
    EXPECT_FALSE(workspace.zoomShown());
    EXPECT_FALSE(zoom->isRunning());
}

TEST_F(ZoomWindow, FreezesWhileTheDesignWindowIsNotWhollyInsideTheClientArea)
{
    workspace.setToolbarDockHeight(20);
    workspace.setZoomShown(true);
    const QImage before = zoom->picture();
    const int right = area.viewport()->width();
    const int bottom = area.viewport()->height();
    for (const QPoint outside :
         {QPoint(right - 100, 30), QPoint(-1, 30), QPoint(200, 19), QPoint(200, bottom - 100)}) {
        form->setPosition(outside.x(), outside.y());
        place(ControlKind::Button, 10, 10 + 20 * form->screen()->children().size());
        zoom->tick();
        EXPECT_EQ(zoom->picture(), before) << outside.x() << "," << outside.y();
    }
    form->setPosition(right - 167, bottom - 226); // inside again, at the very edges
    zoom->tick();
    EXPECT_EQ(zoom->picture(), renderForm(*form));
}

TEST_F(ZoomWindow, ShowsThePreviewOfTheOpenColourDialog)
{
    project.setLibrary(kLibraryPToolBox);
    auto *select = place<TCCButton>(ControlKind::Select, 10, 10);
    workspace.setZoomShown(true);
    select->setDotPicker(2);
    {
        TfrmDlgColor dialog(*select, &area);
        zoom->setColorDialog(&dialog);
        dialog.show();
        zoom->tick();
        EXPECT_EQ(zoom->picture(), dialog.previewPicture(PickerPreview::Kind::Time));
        dialog.hide();
        zoom->tick();
        EXPECT_EQ(zoom->picture(), renderForm(*form));
    }
}

TEST(ZoomInTheMainWindow, QuestionsPauseItAndViewZoomShowsIt)
{
    QTemporaryDir dir;
    TMainForm main(dir.filePath(QStringLiteral("options.ini")));
    main.show();
    auto *zoom = main.findChild<TfrmZoom *>();
    QAction *viewZoom = main.action(QStringLiteral("mnuViewZoom"));
    viewZoom->trigger();
    EXPECT_TRUE(zoom->isVisible() && zoom->isRunning());
    main.userInterface().pauseZoom();
    EXPECT_FALSE(zoom->isRunning());
    main.userInterface().resumeZoom();
    EXPECT_TRUE(zoom->isRunning());
    zoom->close();
    EXPECT_FALSE(viewZoom->isChecked());
}

} // namespace
