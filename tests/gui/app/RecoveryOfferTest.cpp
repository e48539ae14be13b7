// The offer of the forms crashed runs left, as the main window makes it at
// start-up, and what becomes of the forms it brings back.
#include "core/app/FormCommands.h"
#include "core/app/RecoverySession.h"
#include "core/base/IniDocument.h"
#include "core/files/FormFile.h"
#include "core/model/CCForm.h"
#include "core/model/DesignForm.h"
#include "core/model/LibrarySupport.h"
#include "gui/app/Main.h"
#include "gui/app/RecoveryController.h"
#include "gui/app/RecoveryDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
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

    RecoveryOffer() : m_oldDataHome(qgetenv("XDG_DATA_HOME"))
    {
        // A data folder of this test's own: not the user's, and not one the
        // tests running beside it share.
        qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toLocal8Bit());
    }
    ~RecoveryOffer() override
    {
        window.reset();
        qputenv("XDG_DATA_HOME", m_oldDataHome);
    }

    // What a run that crashed leaves: in the folder `session`, with no live
    // lock, the copy of a form of `library` holding a button, the work on
    // `userFile` made at `written`. Returns the form as Save Form writes it.
    QByteArray leaveCrashedCopy(const QString &session, int library, const QString &name,
                                const QString &userFile, const QString &written)
    {
        TMainForm crashed(dir.filePath(QStringLiteral("crashed.ini")));
        crashed.project().setLibrary(library);
        DesignForm &form = crashed.formCommands().nuevoForm(name);
        crashed.project().setPressedTool(ControlKind::Button);
        crashed.project().librarySupport().createControlAt(form, 20, 30, form.screen());
        IniDocument copy;
        writeForm(copy, form);
        const QByteArray text = copy.toBytes();
        copy.writeString(kRecoverySection, u"File", userFile);
        copy.writeString(kRecoverySection, u"Written", written);
        const QString folder = QDir(RecoverySession::defaultFolder()).filePath(session);
        QDir().mkpath(folder);
        copy.setPath(QDir(folder).filePath(name + QStringLiteral(".zsc")));
        EXPECT_TRUE(copy.save());
        return text;
    }

    // Runs `trigger` while the modal windows it brings up are handled by
    // `actions`, one each, in order; returns once all were used.
    void withModals(std::deque<Action> actions, const std::function<void()> &trigger)
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
        trigger();
        EXPECT_TRUE(QTest::qWaitFor([&] { return actions.empty(); }, 10000));
        QTest::qWait(50);
    }

    void start(std::deque<Action> actions)
    {
        withModals(std::move(actions), [this] {
            window = std::make_unique<TMainForm>(dir.filePath(QStringLiteral("options.ini")));
            window->startUp();
            window->show();
        });
    }

    void quit(std::deque<Action> actions)
    {
        withModals(std::move(actions), [this] { EXPECT_TRUE(window->close()); });
        window.reset();
    }

    const std::vector<std::unique_ptr<DesignForm>> &forms() const
    {
        return window->project().forms();
    }

    // The offer: keeps its lines ("Form|Library|File") and the libraries it
    // proposes, chooses the entry `library` (when given) and presses
    // `button`.
    Action offer(const char *button, int library = 0)
    {
        return [this, button, library](QWidget &modal) {
            auto *dialog = qobject_cast<RecoveryDialog *>(&modal);
            ASSERT_NE(dialog, nullptr);
            auto *list = dialog->findChild<QTreeWidget *>(QStringLiteral("RecoveredForms"));
            listed.clear();
            for (int i = 0; i < list->topLevelItemCount(); ++i) {
                const QTreeWidgetItem *item = list->topLevelItem(i);
                listed << item->text(0) + u'|' + item->text(1) + u'|' + item->text(2);
            }
            auto *libraries = dialog->findChild<QComboBox *>(QStringLiteral("cmbLibrary"));
            proposed.clear();
            for (int i = 0; i < libraries->count(); ++i)
                proposed << libraries->itemText(i);
            if (library)
                libraries->setCurrentIndex(libraries->findData(library));
            if (QLatin1String(button) == QLatin1String("Escape"))
                dialog->reject();
            else
                dialog->findChild<QPushButton *>(QLatin1String(button))->click();
        };
    }

    Action answer(QMessageBox::StandardButton button)
    {
        return [this, button](QWidget &modal) {
            auto *box = qobject_cast<QMessageBox *>(&modal);
            ASSERT_NE(box, nullptr);
            asked << box->text();
            box->button(button)->click();
        };
    }

    QStringList sessions() const
    {
        return QDir(RecoverySession::defaultFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    }

    QByteArray formText(const DesignForm &form) const
    {
        IniDocument doc;
        writeForm(doc, form);
        return doc.toBytes();
    }

    QTemporaryDir dir;
    QByteArray m_oldDataHome;
    std::unique_ptr<TMainForm> window;
    QStringList listed;
    QStringList proposed;
    QStringList asked;
};

TEST_F(RecoveryOffer, TheOfferListsEveryFormAndRecoversTheChosenLibrary)
{
    const QString ccFile = dir.filePath(QStringLiteral("Cc.zsc"));
    const QByteArray cc = leaveCrashedCopy(QStringLiteral("crashed-cc"), kLibraryCControls,
                                           QStringLiteral("Cc"), ccFile, "2024-05-01T10:00:00");
    leaveCrashedCopy(QStringLiteral("crashed-pt"), kLibraryPToolBox, QStringLiteral("Pt"), QString(),
                     "2024-05-02T10:00:00");
    start({offer("butRecover", kLibraryCControls)});
    EXPECT_EQ(listed, (QStringList{"Pt|PToolboxLib|(never saved)", "Cc|CControls|" + ccFile}));
    EXPECT_EQ(proposed, (QStringList{"PToolboxLib", "CControls"}));
    ASSERT_EQ(forms().size(), 1u);
    EXPECT_EQ(window->project().library(), kLibraryCControls);
    EXPECT_EQ(formText(*forms().front()), cc);
    EXPECT_TRUE(sessions().contains(QStringLiteral("crashed-pt")));
    EXPECT_FALSE(sessions().contains(QStringLiteral("crashed-cc")));
}

TEST_F(RecoveryOffer, EscapeKeepsTheFormsForLaterAndDiscardAsksFirst)
{
    leaveCrashedCopy(QStringLiteral("crashed"), kLibraryCControls, QStringLiteral("Lost"), QString(),
                     "2024-05-01T10:00:00");
    start({offer("Escape")});
    EXPECT_TRUE(forms().empty());
    EXPECT_TRUE(sessions().contains(QStringLiteral("crashed")));
    quit({});

    start({offer("butDiscard"), answer(QMessageBox::Yes)});
    EXPECT_EQ(asked, QStringList(QStringLiteral("Discard the recovered forms? Their unsaved "
                                                "changes will be lost.")));
    EXPECT_TRUE(forms().empty());
    EXPECT_FALSE(sessions().contains(QStringLiteral("crashed")));
}

} // namespace
