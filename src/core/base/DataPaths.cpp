#include "core/base/DataPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace zf {

QString dataDirectory()
{
    const QString overridden = qEnvironmentVariable("ZENTIFORM_DATA_DIR");
    if (!overridden.isEmpty())
        return QDir::cleanPath(overridden);

    const QString appDir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath()
                                                        : QDir::currentPath();
    const QString installed = QDir::cleanPath(appDir + QStringLiteral("/../share/zentiform"));
    if (QFileInfo(installed).isDir())
        return installed;
    // Portable use: a "data" folder right beside the executable.
    return QDir::cleanPath(appDir + QStringLiteral("/data"));
}

QString dataPath(const QString &relative)
{
    return dataDirectory() + QLatin1Char('/') + relative;
}

} // namespace zf
