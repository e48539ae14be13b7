#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QUrl>

class QAction;
class QLineEdit;
class QTextBrowser;

namespace zf {

// The manual inside the program: the HTML pages we ship, shown in a window
// of their own with Back, Forward, Contents and Find in page, so that help
// opens on every desktop, with or without a web browser. Links between the
// pages stay in it; web and mail links go to the desktop.
class HelpWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // Shows `page`, raised and active, above the window that asked for it:
    // a modal dialog would otherwise keep the user from reading it.
    void showPage(const QUrl &page);

    QTextBrowser *browser() const { return m_browser; }
    QLineEdit *findField() const { return m_findField; }
    QAction *action(const QString &objectName) const;

    // Looks for `text` after the selection, or before it going backwards,
    // and wraps round the page; false when the page does not hold it.
    bool find(const QString &text, bool backwards = false);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void followLink(const QUrl &link);
    void findAgain(bool backwards);
    // Puts the window above `owner` (none: on its own), keeping its place.
    void attachTo(QWidget *owner);

    QTextBrowser *m_browser;
    QLineEdit *m_findField;
    QUrl m_home;
    QPointer<QWidget> m_modalOwner;
    bool m_placed = false;
};

// The help window of the program, made on first use.
HelpWindow *helpWindow();

// Opens a web or mail address with the desktop's own program; when there is
// none, says so and shows the address, so the user can copy it.
void openOnDesktop(const QUrl &address, QWidget *parent);

} // namespace zf
