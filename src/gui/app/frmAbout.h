#pragma once

#include <QDialog>

namespace zf {

// The about box: the program's name and version, the manual, and where to
// reach us. The manual opens in the help window; the web page and the mail
// address go to the desktop's programs.
class TfrmAbout : public QDialog
{
    Q_OBJECT

public:
    static inline const QString kManual = QStringLiteral("manual:");
    static inline const QString kWebPage = QStringLiteral("https://zentiform.org");
    static inline const QString kMail = QStringLiteral("mailto:hello@zentiform.org");

    explicit TfrmAbout(QWidget *parent = nullptr);
};

} // namespace zf
