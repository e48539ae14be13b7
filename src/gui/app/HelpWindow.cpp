#include "gui/app/HelpWindow.h"
#include "gui/app/HelpTopics.h"
#include "gui/app/Main.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QImage>
#include <QScreen>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QStatusBar>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>

namespace zf {

namespace {

constexpr QSize kInitialSize{900, 720};
// Screenshots wider than this are shown smaller, so a page reads without
// scrolling sideways.
constexpr int kMaxImageWidth = 760;
const QString kTitle = QStringLiteral("Zentiform Help");

class HelpBrowser : public QTextBrowser
{
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl &name) override
    {
        const QVariant resource = QTextBrowser::loadResource(type, name);
        if (type != QTextDocument::ImageResource)
            return resource;
        const QImage image = resource.typeId() == QMetaType::QByteArray
                                 ? QImage::fromData(resource.toByteArray())
                                 : resource.value<QImage>();
        if (image.width() <= kMaxImageWidth)
            return resource;
        return image.scaledToWidth(kMaxImageWidth, Qt::SmoothTransformation);
    }
};

bool isPageOfOurs(const QUrl &url)
{
    return url.isRelative() || url.isLocalFile();
}

// The main window, which the help window normally stays above.
QWidget *mainWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<TMainForm *>(widget))
            return widget;
    }
    return nullptr;
}

} // namespace

HelpWindow::HelpWindow(QWidget *parent) : QMainWindow(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(kTitle);
    resize(kInitialSize);
    m_home = helpPage(HelpTopic::Contents);

    m_browser = new HelpBrowser(this);
    m_browser->setObjectName(QStringLiteral("browser"));
    m_browser->setOpenLinks(false);
    setCentralWidget(m_browser);

    const auto addAction = [this](const char *name, const QString &text, QStyle::StandardPixmap icon,
                                  const QKeySequence &key, auto run) {
        auto *action = new QAction(style()->standardIcon(icon), text, this);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(key);
        action->setToolTip(QString(text).remove(u'&') + QStringLiteral(" (") +
                           action->shortcut().toString(QKeySequence::NativeText) + u')');
        connect(action, &QAction::triggered, this, run);
        QMainWindow::addAction(action);
        return action;
    };
    QAction *back = addAction("actBack", QStringLiteral("&Back"), QStyle::SP_ArrowBack,
                              QKeySequence::Back, [this] { m_browser->backward(); });
    QAction *forward = addAction("actForward", QStringLiteral("&Forward"), QStyle::SP_ArrowForward,
                                 QKeySequence::Forward, [this] { m_browser->forward(); });
    QAction *contents =
        addAction("actContents", QStringLiteral("&Contents"), QStyle::SP_DirHomeIcon,
                  QKeySequence(Qt::ALT | Qt::Key_Home), [this] { m_browser->setSource(m_home); });
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    m_findField = new QLineEdit(this);
    m_findField->setObjectName(QStringLiteral("findField"));
    m_findField->setPlaceholderText(QStringLiteral("Find in page"));
    m_findField->setClearButtonEnabled(true);
    m_findField->setMaximumWidth(240);
    m_findField->installEventFilter(this);
    QAction *focusFind = addAction("actFind", QStringLiteral("&Find"), QStyle::SP_FileDialogContentsView,
                                   QKeySequence::Find, [this] {
                                       m_findField->setFocus();
                                       m_findField->selectAll();
                                   });
    QAction *previous =
        addAction("actFindPrevious", QStringLiteral("Find &Previous"), QStyle::SP_ArrowUp,
                  QKeySequence::FindPrevious, [this] { findAgain(true); });
    QAction *next = addAction("actFindNext", QStringLiteral("Find &Next"), QStyle::SP_ArrowDown,
                              QKeySequence::FindNext, [this] { findAgain(false); });
    // Typing searches on from where the last match began, so that the
    // match grows with the word.
    connect(m_findField, &QLineEdit::textEdited, this, [this](const QString &text) {
        QTextCursor cursor = m_browser->textCursor();
        cursor.setPosition(cursor.selectionStart());
        m_browser->setTextCursor(cursor);
        find(text);
    });
    connect(m_findField, &QLineEdit::returnPressed, this, [this] { findAgain(false); });

    QToolBar *bar = addToolBar(QStringLiteral("Help"));
    bar->setObjectName(QStringLiteral("helpToolBar"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->addActions({back, forward, contents});
    bar->addSeparator();
    bar->addAction(focusFind);
    bar->addWidget(m_findField);
    bar->addActions({previous, next});

    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this] {
        const QString page = m_browser->documentTitle();
        setWindowTitle(page.isEmpty() ? kTitle : page + QStringLiteral(" - ") + kTitle);
    });
    // Where a link leads shows before it is followed.
    connect(m_browser, qOverload<const QUrl &>(&QTextBrowser::highlighted), this,
            [this](const QUrl &link) {
                statusBar()->showMessage(isPageOfOurs(link) ? QString() : link.toString());
            });
}

QAction *HelpWindow::action(const QString &objectName) const
{
    return findChild<QAction *>(objectName);
}

void HelpWindow::showPage(const QUrl &page)
{
    QWidget *modal = QApplication::activeModalWidget();
    attachTo(modal && modal != this ? modal : nullptr);
    m_browser->setSource(page);
    if (!m_placed) {
        // First shown in the middle of the window that asked for it.
        const QWidget *over = parentWidget() ? parentWidget()->window() : nullptr;
        const QRect area = over ? over->frameGeometry() : screen()->availableGeometry();
        move(area.center() - rect().center());
        m_placed = true;
    }
    show();
    raise();
    activateWindow();
}

void HelpWindow::attachTo(QWidget *owner)
{
    if (m_modalOwner)
        m_modalOwner->removeEventFilter(this);
    m_modalOwner = owner;
    if (owner)
        owner->installEventFilter(this);
    QWidget *parent = owner ? owner : mainWindow();
    if (parentWidget() == parent)
        return;
    // The frame's corner, so the window stays put under a window manager.
    const QPoint place = pos();
    const QSize extent = size();
    const bool shown = isVisible();
    setParent(parent, windowFlags());
    resize(extent);
    move(place);
    if (shown)
        show();
}

bool HelpWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_modalOwner && event->type() == QEvent::Hide) {
        // The dialog the window stood above is done; the window stays open
        // above whatever comes next.
        QWidget *modal = QApplication::activeModalWidget();
        attachTo(modal != watched ? modal : nullptr);
    } else if (watched == m_findField && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && key->modifiers() == Qt::ShiftModifier) {
            findAgain(true);
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            m_browser->setFocus();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void HelpWindow::followLink(const QUrl &link)
{
    if (isPageOfOurs(link))
        m_browser->setSource(m_browser->source().resolved(link));
    else
        openOnDesktop(link, this);
}

bool HelpWindow::find(const QString &text, bool backwards)
{
    bool found = true;
    if (!text.isEmpty()) {
        const QTextDocument::FindFlags flags =
            backwards ? QTextDocument::FindBackward : QTextDocument::FindFlags();
        found = m_browser->find(text, flags);
        if (!found) {
            const QTextCursor kept = m_browser->textCursor();
            QTextCursor wrapped = kept;
            wrapped.movePosition(backwards ? QTextCursor::End : QTextCursor::Start);
            m_browser->setTextCursor(wrapped);
            found = m_browser->find(text, flags);
            if (!found)
                m_browser->setTextCursor(kept);
        }
    }
    m_findField->setStyleSheet(found ? QString()
                                     : QStringLiteral("QLineEdit { background: #ffcdd2; }"));
    statusBar()->showMessage(found ? QString() : QStringLiteral("Not found: ") + text);
    return found;
}

void HelpWindow::findAgain(bool backwards)
{
    find(m_findField->text(), backwards);
}

HelpWindow *helpWindow()
{
    static QPointer<HelpWindow> window;
    if (!window)
        window = new HelpWindow(mainWindow());
    return window;
}

void openOnDesktop(const QUrl &address, QWidget *parent)
{
    if (QDesktopServices::openUrl(address))
        return;
    const bool mail = address.scheme() == QLatin1String("mailto");
    const QString text = mail ? QStringLiteral("No mail program of this desktop opens the address:\n")
                                    + address.path()
                              : QStringLiteral("No web browser of this desktop opens the address:\n")
                                    + address.toString();
    QMessageBox box(QMessageBox::Information, QStringLiteral("Zentiform"), text, QMessageBox::Ok,
                    parent);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.exec();
}

} // namespace zf
