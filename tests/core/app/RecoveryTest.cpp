// Recovery copies of unsaved forms, and what a crashed run leaves behind.
#include "CommandsFixture.h"
#include "core/app/Options.h"
#include "core/app/RecoveryCopies.h"
#include "core/app/RecoverySession.h"
#include "core/base/IniDocument.h"
#include "core/files/FormFile.h"
#include "files/ChildProcess.h"

#include <QDir>
#include <QTest>

#include <map>

#include <unistd.h>

using namespace zf;
using namespace zf::test;

namespace {

class Recovery : public CommandsFixture
{
protected:
    QString folder() const { return path(QStringLiteral("recovery")); }

    // A form with a control placed by the user: one undo step, unsaved.
    DesignForm &changedForm(const QString &name)
    {
        DesignForm &form = forms.nuevoForm(name);
        form.perform(QStringLiteral("Place"), [&] { place(form, ControlKind::Button, 20, 30); });
        return form;
    }

    static QByteArray formText(const DesignForm &form)
    {
        IniDocument doc;
        writeForm(doc, form);
        return doc.toBytes();
    }

    // A copy as the form file it holds.
    static QByteArray copiedForm(const QString &copy)
    {
        IniDocument doc;
        doc.open(copy);
        doc.eraseSection(kRecoverySection);
        return doc.toBytes();
    }

    QStringList sessionFolders() const
    {
        return QDir(folder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    }
};

TEST_F(Recovery, CopiesOnlyShownFormsWithUnsavedChangesAndNeverOverTheUsersFile)
{
    RecoverySession session(project, folder());
    ASSERT_FALSE(session.sessionFolder().isEmpty());
    DesignForm &changed = changedForm(QStringLiteral("Changed"));
    const QString userFile = path(QStringLiteral("Changed.zsc"));
    write(userFile, "the user's own file");
    changed.setFileName(userFile);
    DesignForm &untouched = forms.nuevoForm(QStringLiteral("Untouched"));
    DesignForm &closed = changedForm(QStringLiteral("Closed"));
    closed.setShown(false);

    ASSERT_TRUE(session.writeCopies());

    const QStringList copies = QDir(session.sessionFolder()).entryList({QStringLiteral("*.zsc")});
    ASSERT_EQ(copies.size(), 1);
    EXPECT_FALSE(QFileInfo::exists(session.copyPath(untouched)));
    EXPECT_FALSE(QFileInfo::exists(session.copyPath(closed)));
    EXPECT_EQ(read(userFile), QByteArray("the user's own file"));

    // The copy is the form as Save Form would write it, plus the user's file.
    IniDocument copy;
    ASSERT_TRUE(copy.open(session.copyPath(changed)));
    EXPECT_EQ(copy.readString(kRecoverySection, u"File"), userFile);
    copy.eraseSection(kRecoverySection);
    EXPECT_EQ(copy.toBytes(), formText(changed));
}

TEST_F(Recovery, ASaveOrAClosedProjectRemovesTheCopyAndANormalEndTheFolder)
{
    QString sessionFolder;
    {
        RecoverySession session(project, folder());
        sessionFolder = session.sessionFolder();
        DesignForm &saved = changedForm(QStringLiteral("Saved"));
        DesignForm &dropped = changedForm(QStringLiteral("Dropped"));
        ASSERT_TRUE(session.writeCopies());
        const QString savedCopy = session.copyPath(saved);
        const QString droppedCopy = session.copyPath(dropped);
        ASSERT_TRUE(QFileInfo::exists(savedCopy));

        ui.files.push_back(path(QStringLiteral("Saved.zsc")));
        ASSERT_EQ(forms.save(saved, false), FormCommands::SaveResult::Saved);
        EXPECT_FALSE(QFileInfo::exists(savedCopy));
        EXPECT_TRUE(QFileInfo::exists(droppedCopy));

        // Undone back to the saved state: nothing to keep either.
        saved.perform(QStringLiteral("Place"), [&] { place(saved, ControlKind::Label); });
        ASSERT_TRUE(session.writeCopies());
        EXPECT_TRUE(QFileInfo::exists(session.copyPath(saved)));
        saved.undoStack().undo();
        EXPECT_FALSE(QFileInfo::exists(session.copyPath(saved)));

        projects.cerrarTodo();
        EXPECT_FALSE(QFileInfo::exists(droppedCopy));
        ASSERT_TRUE(session.writeCopies());
        EXPECT_TRUE(QDir(sessionFolder).entryList({QStringLiteral("*.zsc")}).isEmpty());
        changedForm(QStringLiteral("Left"));
        ASSERT_TRUE(session.writeCopies());
    }
    EXPECT_FALSE(QFileInfo::exists(sessionFolder));
}

TEST_F(Recovery, ACrashedRunLeavesItsCopiesForTheNextAndARunningOneDoesNot)
{
    const QString userFile = path(QStringLiteral("Crashed.zsc"));
    write(userFile, "older version");
    project.setLibrary(kLibraryPToolBox);
    DesignForm &crashed = changedForm(QStringLiteral("Crashed"));
    crashed.setFileName(userFile);
    const QByteArray expected = formText(crashed);
    changedForm(QStringLiteral("NeverSaved"));

    // The crash: a copy of this process writes its copies and dies without
    // any clean-up.
    const ChildProcess::Result crash = ChildProcess::run([&] {
        auto *session = new RecoverySession(project, folder());
        session->writeCopies();
        _exit(0);
        return QByteArray();
    });
    ASSERT_FALSE(crash.killed);
    ASSERT_EQ(sessionFolders().size(), 1);

    // The next run: a session of its own, which is not offered.
    projects.cerrarTodo();
    project.setLibrary(kLibraryCControls);
    RecoverySession running(project, folder());
    changedForm(QStringLiteral("Running"));
    ASSERT_TRUE(running.writeCopies());
    ASSERT_EQ(sessionFolders().size(), 2);

    RecoveryCopies copies(folder());
    ASSERT_EQ(copies.forms().size(), 2u);
    QStringList names;
    for (const RecoveredForm &form : copies.forms()) {
        names << form.formName;
        EXPECT_EQ(form.library, kLibraryPToolBox);
    }
    names.sort();
    EXPECT_EQ(names, (QStringList{QStringLiteral("Crashed"), QStringLiteral("NeverSaved")}));
    // A second copy of the program started now does not offer them again.
    EXPECT_TRUE(RecoveryCopies(folder()).isEmpty());

    projects.cerrarTodo();
    const std::vector<DesignForm *> recovered = copies.recover(project, forms, kLibraryPToolBox);
    ASSERT_EQ(recovered.size(), 2u);
    EXPECT_EQ(project.library(), kLibraryPToolBox);
    DesignForm *form =
        recovered[0]->name() == QLatin1String("Crashed") ? recovered[0] : recovered[1];
    EXPECT_EQ(formText(*form), expected);
    EXPECT_EQ(form->fileName(), userFile);
    EXPECT_EQ(form->caption(), QStringLiteral("Crashed.zsc"));
    EXPECT_FALSE(form->undoStack().isClean());
    DesignForm *unsaved = form == recovered[0] ? recovered[1] : recovered[0];
    EXPECT_TRUE(unsaved->fileName().isEmpty());
    EXPECT_EQ(unsaved->caption(), QStringLiteral("NeverSaved.zsc"));
    EXPECT_EQ(read(userFile), QByteArray("older version"));

    copies.discard();
    EXPECT_EQ(sessionFolders().size(), 1);
    EXPECT_TRUE(QFileInfo::exists(running.sessionFolder()));
}

TEST_F(Recovery, ACrashedRunWithNothingLeftToOfferLeavesNoFolder)
{
    ChildProcess::run([&] {
        new RecoverySession(project, folder());
        _exit(0);
        return QByteArray();
    });
    ASSERT_EQ(sessionFolders().size(), 1);
    EXPECT_TRUE(RecoveryCopies(folder()).isEmpty());
    EXPECT_TRUE(sessionFolders().isEmpty());
}

TEST_F(Recovery, EachFormComesBackUnderItsOwnLibraryAndTheOthersWait)
{
    // Two crashed runs, the PToolBox one last, each leaving two forms.
    std::map<QString, QByteArray> lost;
    for (int library : {kLibraryCControls, kLibraryPToolBox}) {
        projects.cerrarTodo();
        project.setLibrary(library);
        const QString prefix = library == kLibraryCControls ? QStringLiteral("Cc") : QStringLiteral("Pt");
        for (const QString &name : {prefix + u'1', prefix + u'2'})
            lost[name] = formText(changedForm(name));
        ChildProcess::run([&] {
            (new RecoverySession(project, folder()))->writeCopies();
            _exit(0);
            return QByteArray();
        });
    }
    projects.cerrarTodo();
    const auto recoverIn = [&](int library, int asked) {
        RecoveryCopies copies(folder());
        std::map<QString, QByteArray> back;
        for (DesignForm *form : copies.recover(project, forms, asked)) {
            EXPECT_EQ(project.library(), library);
            back[form->name()] = formText(*form);
            EXPECT_TRUE(form->isModified());
        }
        copies.removeRecovered();
        return back;
    };

    // An open project takes only forms of its own library; asking for the
    // other one loads nothing.
    project.setLibrary(kLibraryCControls);
    project.setProjectName(QStringLiteral("Open"));
    EXPECT_EQ(RecoveryCopies(folder()).recoverableLibraries(project), std::vector<int>{kLibraryCControls});
    EXPECT_TRUE(recoverIn(kLibraryCControls, kLibraryPToolBox).empty());
    EXPECT_EQ(project.library(), kLibraryCControls);
    const auto cc = recoverIn(kLibraryCControls, kLibraryCControls);
    EXPECT_EQ(cc, (std::map<QString, QByteArray>{{"Cc1", lost["Cc1"]}, {"Cc2", lost["Cc2"]}}));
    // Their copies and their run's folder are gone; the PToolBox run waits.
    EXPECT_EQ(sessionFolders().size(), 1);
    EXPECT_TRUE(RecoveryCopies(folder()).recoverableLibraries(project).empty());

    // With nothing open the program may switch to the copies' library.
    projects.cerrarTodo();
    EXPECT_EQ(RecoveryCopies(folder()).recoverableLibraries(project), std::vector<int>{kLibraryPToolBox});
    const auto pt = recoverIn(kLibraryPToolBox, kLibraryPToolBox);
    EXPECT_EQ(pt, (std::map<QString, QByteArray>{{"Pt1", lost["Pt1"]}, {"Pt2", lost["Pt2"]}}));
    EXPECT_TRUE(sessionFolders().isEmpty());
}

TEST_F(Recovery, BothLibrariesAreOfferedTheMostRecentFirstAndAPartialFormKeepsItsCopy)
{
    QDir().mkpath(folder() + QStringLiteral("/crashed"));
    const auto copy = [&](const char *name, int library, const char *written, const QByteArray &records) {
        write(folder() + QStringLiteral("/crashed/") + QLatin1String(name) + QStringLiteral(".zsc"),
              "[FORM]\nName=" + QByteArray(name) + "\nLib=" + QByteArray::number(library) + "\n" +
                  records + "[Zentiform Recovery]\nFile=\nWritten=" + written + "\n");
    };
    copy("Old", kLibraryPToolBox, "2024-01-01T10:00:00.000", "");
    copy("New", kLibraryCControls, "2024-01-02T10:00:00.000",
         "[A]\nControl=Label\nName=A\n[B]\nControl=Label\nName=a\n");
    RecoveryCopies copies(folder());
    EXPECT_EQ(copies.recoverableLibraries(project), (std::vector<int>{kLibraryCControls, kLibraryPToolBox}));
    ASSERT_EQ(copies.recover(project, forms, kLibraryCControls).size(), 1u);
    // Its second label could not come back: the copy stays for another try.
    copies.removeRecovered();
    EXPECT_EQ(copies.forms().size(), 2u);
    EXPECT_TRUE(QFileInfo::exists(folder() + QStringLiteral("/crashed/New.zsc")));
}

TEST_F(Recovery, ChangesAreCopiedAfterTheDelayAndKeptWhenTheRunEndsUnasked)
{
    QString kept;
    {
        RecoverySession session(project, folder());
        kept = session.sessionFolder();
        DesignForm &form = changedForm(QStringLiteral("Typed"));
        // A burst of edits is one write, after the delay, of the last state.
        session.setDelay(20);
        for (int i = 0; i < 30; ++i)
            form.perform(QStringLiteral("Place"), [&] { place(form, ControlKind::Label, i, 40); });
        const QString copy = session.copyPath(form);
        EXPECT_FALSE(QFileInfo::exists(copy));
        ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(copy); }, 10000));
        EXPECT_EQ(copiedForm(copy), formText(form));

        // Without a delay nothing is written unasked.
        session.setDelay(0);
        form.perform(QStringLiteral("Place"), [&] { place(form, ControlKind::Label); });
        QTest::qWait(50);
        EXPECT_NE(copiedForm(copy), formText(form));

        // Made to end: the copies are brought up to date and stay, whatever
        // happens to the forms after.
        session.keepForNextStart();
        EXPECT_EQ(copiedForm(copy), formText(form));
        projects.cerrarTodo();
    }
    ASSERT_EQ(sessionFolders().size(), 1);
    EXPECT_EQ(RecoveryCopies(folder()).forms().size(), 1u);

    // finish() after the questions: the folder goes at once.
    RecoverySession asked(project, folder());
    changedForm(QStringLiteral("Asked"));
    ASSERT_TRUE(asked.writeCopies());
    asked.finish();
    EXPECT_FALSE(QFileInfo::exists(asked.sessionFolder()));
}

TEST_F(Recovery, TheIntervalIsAnOptionThatFollowsEachChangeByDefault)
{
    const QString file = path(QStringLiteral("options.ini"));
    Options options(file);
    options.load();
    EXPECT_EQ(options.recoveryDelay(), Options::kRecoverySoon);
    for (const auto &[text, delay] : {std::pair{"0", 0}, {"12", 12 * 60000}, {"-3", Options::kRecoverySoon},
                                      {"many", Options::kRecoverySoon}, {"1440", 1440 * 60000},
                                      {"1441", Options::kRecoverySoon}}) {
        write(file, QByteArray("[General]\r\nRecoveryMinutes=") + text + "\r\n");
        options.load();
        EXPECT_EQ(options.recoveryDelay(), delay) << text;
    }
    options.setRecoveryMinutes(7);
    ASSERT_TRUE(options.save());
    IniDocument doc;
    ASSERT_TRUE(doc.open(file));
    EXPECT_EQ(doc.readInt(u"General", u"RecoveryMinutes", -1), 7);
}

} // namespace
