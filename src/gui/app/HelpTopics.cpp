#include "gui/app/HelpTopics.h"
#include "core/base/DataPaths.h"

#include <QDesktopServices>

namespace zf {

namespace {

std::function<void(const QUrl &)> &opener()
{
    static std::function<void(const QUrl &)> open = [](const QUrl &url) {
        QDesktopServices::openUrl(url);
    };
    return open;
}

} // namespace

QUrl helpPage(HelpTopic topic)
{
    const QString page = topic == HelpTopic::Contents
                             ? QStringLiteral("index.html")
                             : QStringLiteral("topic%1.html").arg(int(topic));
    return QUrl::fromLocalFile(dataPath(QStringLiteral("help/") + page));
}

void showHelp(HelpTopic topic)
{
    opener()(helpPage(topic));
}

void setHelpOpener(std::function<void(const QUrl &)> open)
{
    opener() = std::move(open);
}

} // namespace zf
