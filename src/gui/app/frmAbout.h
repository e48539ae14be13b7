#pragma once

#include <QDialog>

namespace zf {

// The about box: the program's name and version, and where to reach us.
class TfrmAbout : public QDialog
{
    Q_OBJECT

public:
    static inline const QString kWebPage = QStringLiteral("https://zentiform.org");
    static inline const QString kMail = QStringLiteral("mailto:hello@zentiform.org");

    explicit TfrmAbout(QWidget *parent = nullptr);
};

} // namespace zf
