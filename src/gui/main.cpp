#include "core/app/TerminationSignals.h"
#include "core/libraries/Libraries.h"
#include "gui/app/Glyphs.h"
#include "gui/app/Main.h"
#include "gui/app/RecoveryController.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    zf::installLibraries();
    QApplication::setApplicationName(QStringLiteral("Zentiform"));
    QApplication::setOrganizationName(QStringLiteral("Zentiform"));
    QApplication::setApplicationVersion(QStringLiteral("1.2"));
    // Every window, the design and tool windows inside the client area
    // included, carries the program's icon rather than the toolkit's.
    QApplication::setWindowIcon(zf::glyphIcon(zf::Glyph::Application));

    // A shutdown, a logout or a closed terminal ends the program without
    // questions, but not before the unsaved forms are copied.
    zf::TerminationSignals endRequests;
    zf::TMainForm window;
    window.startUp();
    window.recovery()->session().endOn(endRequests);
    // Without a window manager to maximise it, the window still fills the
    // screen.
    window.setGeometry(window.screen()->availableGeometry());
    window.showMaximized();
    window.openFiles(QApplication::arguments().mid(1));
    return app.exec();
}
