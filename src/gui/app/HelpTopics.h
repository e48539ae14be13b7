#pragma once

#include <QString>
#include <QUrl>

#include <functional>

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

// Opens the page in the desktop's browser. Tests replace the opener.
void showHelp(HelpTopic topic);
void setHelpOpener(std::function<void(const QUrl &)> opener);

} // namespace zf
