// The offer of the forms a crashed run left, as the main window makes it at
// start-up.
#include "core/app/FormCommands.h"
#include "core/app/RecoverySession.h"
#include "core/base/IniDocument.h"
#include "core/files/FormFile.h"
#include "core/model/CCForm.h"
#include "core/model/DesignForm.h"
#include "core/model/LibrarySupport.h"
#include "gui/app/Main.h"
#include "gui/app/RecoveryDialog.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>

using namespace zf;

namespace {

class RecoveryOffer : public ::testing::Test
{
protected:
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

    // What a run that crashed leaves: a folder with the copy of a form and
    // no live lock. The form had a button and came from `userFile`.
    QByteArray leaveCrashedCopy(const QString &userFile)
    {
        TMainForm crashed(dir.filePath(QStringLiteral("crashed.ini")));
        crashed.project().setLibrary(kLibraryCControls);
        DesignForm &form = crashed.formCommands().nuevoForm(QStringLiteral("Lost"));
        crashed.project().setPressedTool(ControlKind::Button);
        crashed.project().librarySupport().createControlAt(form, 20, 30, form.screen());
        IniDocument copy;
        writeForm(copy, form);
        const QByteArray text = copy.toBytes();
        copy.writeString(kRecoverySection, u"File", userFile);
        const QString session =
            QDir(RecoverySession::defaultFolder()).filePath(QStringLiteral("crashed"));
        QDir().mkpath(session);
        copy.setPath(QDir(session).filePath(QStringLiteral("form1.zsc")));
        EXPECT_TRUE(copy.save());
        return text;
    }

    // Starts the main window and answers the offer with `button`; returns
    // the forms the offer listed.
    QStringList startAndAnswer(const char *button)
    {
        QStringList listed;
        bool answered = false;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto *dialog = qobject_cast<RecoveryDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            poll.stop();
            auto *list = dialog->findChild<QTreeWidget *>(QStringLiteral("RecoveredForms"));
            for (int i = 0; list && i < list->topLevelItemCount(); ++i)
                listed << list->topLevelItem(i)->text(0) + QLatin1Char('|') +
                              list->topLevelItem(i)->text(1);
            QPushButton *choice = dialog->findChild<QPushButton *>(QLatin1String(button));
            EXPECT_NE(choice, nullptr);
            if (choice)
                choice->click();
            answered = true;
        });
        poll.start(10);
        window = std::make_unique<TMainForm>(dir.filePath(QStringLiteral("options.ini")));
        window->startUp();
        window->show();
        EXPECT_TRUE(QTest::qWaitFor([&] { return answered; }, 10000));
        QTest::qWait(50);
        return listed;
    }

    QStringList sessions() const
    {
        return QDir(RecoverySession::defaultFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    }

    QTemporaryDir dir;
    QByteArray m_oldDataHome;
    std::unique_ptr<TMainForm> window;
};

TEST_F(RecoveryOffer, RecoverOpensTheLostFormAsUnsavedWorkOfItsFile)
{
    const QString userFile = dir.filePath(QStringLiteral("Lost.zsc"));
    const QByteArray lost = leaveCrashedCopy(userFile);

    const QStringList listed = startAndAnswer("butRecover");

    EXPECT_EQ(listed, QStringList{QStringLiteral("Lost|") + userFile});
    DesignProject &project = window->project();
    ASSERT_EQ(project.forms().size(), 1u);
    DesignForm &form = *project.forms().front();
    IniDocument now;
    writeForm(now, form);
    EXPECT_EQ(now.toBytes(), lost);
    EXPECT_EQ(form.fileName(), userFile);
    EXPECT_FALSE(form.undoStack().isClean());
    EXPECT_EQ(project.currentDesignWindow(), &form);
    // The crashed run's folder is gone; this run keeps a copy of its own.
    const QStringList left = sessions();
    ASSERT_EQ(left.size(), 1);
    EXPECT_NE(left.front(), QStringLiteral("crashed"));
    EXPECT_EQ(QDir(QDir(RecoverySession::defaultFolder()).filePath(left.front()))
                  .entryList({QStringLiteral("*.zsc")})
                  .size(),
              1);

    // A normal end removes this run's copies too.
    window.reset();
    EXPECT_TRUE(sessions().isEmpty());
}

TEST_F(RecoveryOffer, DiscardThrowsTheCopiesAway)
{
    leaveCrashedCopy(QString());

    EXPECT_EQ(startAndAnswer("butDiscard"), QStringList{QStringLiteral("Lost|(never saved)")});
    EXPECT_TRUE(window->project().forms().empty());
    EXPECT_EQ(sessions().size(), 1);
    EXPECT_NE(sessions().front(), QStringLiteral("crashed"));
}

} // namespace
