#include "gui/app/Main.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zentiform"));
    QApplication::setOrganizationName(QStringLiteral("Zentiform"));
    QApplication::setApplicationVersion(QStringLiteral("1.2"));

    zf::TMainForm window;
    window.startUp();
    window.showMaximized();
    window.openFiles(QApplication::arguments().mid(1));
    return app.exec();
}
