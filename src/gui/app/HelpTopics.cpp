#include "gui/app/HelpTopics.h"
#include "core/base/DataPaths.h"
#include "gui/app/HelpWindow.h"

#include <QShortcut>
#include <QVariant>

namespace zf {

namespace {

const char *const kTopicProperty = "zfHelpTopic";

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
    helpWindow()->showPage(helpPage(topic));
}

void setHelpTopic(QWidget *window, HelpTopic topic)
{
    window->setProperty(kTopicProperty, int(topic));
}

HelpTopic helpTopicOf(const QWidget *widget, HelpTopic fallback)
{
    for (; widget; widget = widget->parentWidget()) {
        const QVariant topic = widget->property(kTopicProperty);
        if (topic.isValid())
            return HelpTopic(topic.toInt());
    }
    return fallback;
}

void addHelpKey(QWidget *window, HelpTopic topic)
{
    setHelpTopic(window, topic);
    auto *key = new QShortcut(QKeySequence::HelpContents, window);
    QObject::connect(key, &QShortcut::activated, window, [topic] { showHelp(topic); });
}

} // namespace zf
