#include "gui/properties/PropertyWindows.h"
#include "gui/app/Main.h"
#include "gui/designer/DesignWindows.h"
#include "gui/properties/frmProperties.h"
#include "gui/properties/frmZoom2x.h"

#include "gui/properties/PropertyGrid.h"

#include <QAction>
#include <QMdiArea>

#include <algorithm>

namespace zf {

void CreatePropertyWindows(TMainForm &main)
{
    auto *zoom = new TfrmZoom(main.project(), main.workspace());
    main.clientArea()->addSubWindow(zoom);
    auto *properties = new TfrmProp(main.project(), main.workspace());
    main.clientArea()->addSubWindow(properties);
    // Shown or hidden on purpose: a window merely not shown yet would come up
    // with the client area, empty, before any project is open.
    properties->setVisible(main.workspace().propertiesShown());

    properties->setZoomWindow(zoom);
    properties->setDesignScale(
        [&main] { return main.designWindows() ? main.designWindows()->scale() : 1; });
    // View > Go to Properties: the window comes up (with a project open) and
    // its grid takes the keys on the row in use, so typing edits its value.
    QObject::connect(main.action(QStringLiteral("mnuGoToProperties")), &QAction::triggered,
                     properties, [&main, properties] {
                         if (!main.workspace().propertiesShown())
                             main.workspace().togglePropertiesEditor(main.project().isOpen());
                         if (!properties->isVisible())
                             return;
                         main.clientArea()->setActiveSubWindow(properties);
                         PropertyGrid *grid = properties->grid();
                         grid->setCurrentCell(std::max(grid->currentRow(), 0), 1);
                         grid->setFocus();
                     });
    main.userInterface().setZoomControl([zoom] { zoom->pause(); }, [zoom] { zoom->resume(); });
}

} // namespace zf
