#include "gui/properties/PropertyWindows.h"
#include "gui/app/Main.h"
#include "gui/designer/DesignWindows.h"
#include "gui/properties/frmProperties.h"
#include "gui/properties/frmZoom2x.h"

#include <QMdiArea>

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
    main.userInterface().setZoomControl([zoom] { zoom->pause(); }, [zoom] { zoom->resume(); });
}

} // namespace zf
