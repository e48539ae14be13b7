#pragma once

#include <QString>
#include <QUrl>

class QWidget;

namespace zf {

// Help topics of the windows, one HTML page of the data folder's "help"
// each; topic 0 is the contents.
enum class HelpTopic {
    Contents = 0,
    MainWindow = 1,
    PropertyWindow = 4,
    DesignWindow = 5,
    BitmapEditor = 6,
    GenerateDialog = 7,
    TableEditor = 17,
};

QUrl helpPage(HelpTopic topic);

// Opens the topic's page in the help window.
void showHelp(HelpTopic topic);

// The windows inside the main window mark their topic; F1 there opens the
// page of the one that holds `widget`, or `fallback` for none.
void setHelpTopic(QWidget *window, HelpTopic topic);
HelpTopic helpTopicOf(const QWidget *widget, HelpTopic fallback);

// F1 anywhere in a window of its own, such as a dialog, opens its page.
void addHelpKey(QWidget *window, HelpTopic topic);

} // namespace zf
