#include "gui/codegen/GenerateWindow.h"
#include "core/app/Workspace.h"
#include "gui/app/Main.h"
#include "gui/codegen/CodeDock.h"
#include "gui/codegen/frmGenerateCode.h"

#include <QAction>

namespace zf {

void ConnectGenerateWindow(TMainForm &main)
{
    auto *window = new TfrmGenerate(main.project(), main.userInterface(), &main);
    QObject::connect(&main, &TMainForm::generateCodeRequested, window, &TfrmGenerate::execute);

    auto *dock = new CodeDock(main.project(), &main);
    main.addDockWidget(Qt::RightDockWidgetArea, dock);
    // Wide enough for the longer lines of code beside the forms.
    main.resizeDocks({dock}, {480}, Qt::Horizontal);
    dock->hide();
    QAction *view = main.action(QStringLiteral("mnuViewCode"));
    QObject::connect(view, &QAction::triggered, dock, &QWidget::setVisible);
    QObject::connect(dock, &CodeDock::shownChanged, view, &QAction::setChecked);
    LiveCode &live = dock->liveCode();
    QObject::connect(window, &TfrmGenerate::settingsStored, &live, &LiveCode::refresh);
    // Opening, closing and renaming a project change its name and file.
    QObject::connect(&main.workspace(), &Workspace::titleChanged, &live, &LiveCode::refresh);
}

} // namespace zf
