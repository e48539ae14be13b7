// The offer of the forms crashed runs left, as the main window makes it at
// start-up, and what becomes of the forms it brings back.
#include "core/app/RecoverySession.h"
#include "core/model/DesignForm.h"
#include "gui/app/Main.h"
#include "gui/app/RecoveryDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>

using namespace zf;

namespace {

class RecoveryOffer : public ::testing::Test
{
protected:
    using Action = std::function<void(QWidget &)>;
    // A data folder of this test's own: not the user's, nor one shared with
    // the tests running beside it.
    RecoveryOffer() : m_oldDataHome(qgetenv("XDG_DATA_HOME"))
    {
        qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toLocal8Bit());
    }
    ~RecoveryOffer() override
    {
        window.reset();
        qputenv("XDG_DATA_HOME", m_oldDataHome);
    }
    // What a crashed run leaves in the folder `session`: the copy of a form
    // of `library` holding a button, the work on `userFile`.
    void leaveCrashedCopy(const char *session, int library, const char *name,
                          const QString &userFile, const char *written)
    {
        const QDir folder(QDir(RecoverySession::defaultFolder()).filePath(QLatin1String(session)));
        folder.mkpath(QStringLiteral("."));
        QFile copy(folder.filePath(QLatin1String(name) + QStringLiteral(".zsc")));
        ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
        copy.write("[FORM]\nName=" + QByteArray(name) + "\nLib=" + QByteArray::number(library) +
                   "\n[B]\nControl=Button\nName=B\nParent=panScreen\n[Zentiform Recovery]\nFile=" +
                   userFile.toUtf8() + "\nWritten=" + written + "\n");
    }
    // Starts the main window while the modal windows it brings up (the
    // offer comes from a queued call) are handled by `actions`, in order.
    void start(std::deque<Action> actions)
    {
        QTimer poll;
        QPointer<QWidget> handled;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal || modal == handled || actions.empty())
                return;
            handled = modal;
            const Action act = actions.front();
            actions.pop_front();
            act(*modal);
        });
        poll.start(10);
        window = std::make_unique<TMainForm>(dir.filePath(QStringLiteral("options.ini")));
        window->startUp();
        window->show();
        EXPECT_TRUE(QTest::qWaitFor([&] { return actions.empty(); }, 10000));
        QTest::qWait(50);
    }
    // The offer: keeps its lines ("Form|Library|File"), chooses `library` (when given) and presses `button`.
    Action offer(const char *button, int library = 0)
    {
        return [this, button, library](QWidget &modal) {
            auto *list = modal.findChild<QTreeWidget *>(QStringLiteral("RecoveredForms"));
            for (int i = 0; i < list->topLevelItemCount(); ++i) {
                const QTreeWidgetItem *item = list->topLevelItem(i);
                listed << item->text(0) + u'|' + item->text(1) + u'|' + item->text(2);
            }
            auto *libraries = modal.findChild<QComboBox *>(QStringLiteral("cmbLibrary"));
            if (library)
                libraries->setCurrentIndex(libraries->findData(library));
            if (button)
                modal.findChild<QPushButton *>(QLatin1String(button))->click();
            else
                qobject_cast<RecoveryDialog *>(&modal)->reject();
        };
    }
    QStringList sessions() const
    {
        return QDir(RecoverySession::defaultFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    }
    QTemporaryDir dir;
    QByteArray m_oldDataHome;
    std::unique_ptr<TMainForm> window;
    QStringList listed;
};

TEST_F(RecoveryOffer, TheOfferListsEveryFormAndRecoversTheChosenLibrary)
{
    const QString ccFile = dir.filePath(QStringLiteral("Cc.zsc"));
    leaveCrashedCopy("crashed-cc", kLibraryCControls, "Cc", ccFile, "2024-05-01T10:00:00");
    leaveCrashedCopy("crashed-pt", kLibraryPToolBox, "Pt", QString(), "2024-05-02T10:00:00");
    start({offer("butRecover", kLibraryCControls)});
    EXPECT_EQ(listed, (QStringList{"Pt|PToolboxLib|(never saved)", "Cc|CControls|" + ccFile}));
    ASSERT_EQ(window->project().forms().size(), 1u);
    EXPECT_EQ(window->project().library(), kLibraryCControls);
    EXPECT_TRUE(window->project().forms().front()->findOwned(QStringLiteral("B")));
    EXPECT_TRUE(sessions().contains(QStringLiteral("crashed-pt")));
    EXPECT_FALSE(sessions().contains(QStringLiteral("crashed-cc")));
}

TEST_F(RecoveryOffer, EscapeKeepsTheFormsForLaterAndDiscardAsksFirst)
{
    leaveCrashedCopy("crashed", kLibraryCControls, "Lost", QString(), "2024-05-01T10:00:00");
    start({offer(nullptr)});
    EXPECT_TRUE(window->project().forms().empty());
    EXPECT_TRUE(sessions().contains(QStringLiteral("crashed")));
    EXPECT_TRUE(window->close());
    QString asked;
    start({offer("butDiscard"), [&asked](QWidget &modal) {
               auto *box = qobject_cast<QMessageBox *>(&modal);
               asked = box->text();
               box->button(QMessageBox::Yes)->click();
           }});
    EXPECT_EQ(asked, "Discard the recovered forms? Their unsaved changes will be lost.");
    EXPECT_TRUE(window->project().forms().empty());
    EXPECT_FALSE(sessions().contains(QStringLiteral("crashed")));
}

} // namespace
