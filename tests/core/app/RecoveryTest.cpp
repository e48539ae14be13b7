#include "CommandsFixture.h"
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

    // A copy as the form file it holds, and the user's file it names.
    static std::pair<QByteArray, QString> copied(const QString &copy)
    {
        IniDocument doc;
        doc.open(copy);
        const QString file = doc.readString(kRecoverySection, u"File");
        doc.eraseSection(kRecoverySection);
        return {doc.toBytes(), file};
    }

    // A run that writes the copies of the forms open now and dies without
    // any clean-up.
    void crash()
    {
        ASSERT_FALSE(ChildProcess::run([&] {
                         (new RecoverySession(project, folder()))->writeCopies();
                         _exit(0);
                         return QByteArray();
                     }).killed);
    }

    QStringList sessionFolders() const { return QDir(folder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot); }
};

TEST_F(Recovery, OnlyShownFormsWithUnsavedChangesAreCopiedAndOnlyUntilTheyAreSafe)
{
    QString sessionFolder;
    {
        RecoverySession session(project, folder());
        sessionFolder = session.sessionFolder();
        DesignForm &changed = changedForm(QStringLiteral("Changed"));
        const QString userFile = path(QStringLiteral("Changed.zsc"));
        write(userFile, "the user's own file");
        changed.setFileName(userFile);
        forms.nuevoForm(QStringLiteral("Untouched"));
        changedForm(QStringLiteral("Closed")).setShown(false);
        DesignForm &dropped = changedForm(QStringLiteral("Dropped"));
        ASSERT_TRUE(session.writeCopies());
        const QString copy = session.copyPath(changed);
        EXPECT_EQ(QDir(sessionFolder).entryList({QStringLiteral("*.zsc")}).size(), 2);
        // The copy is the form as Save Form would write it, plus the user's file.
        EXPECT_EQ(copied(copy), std::pair(formBytes(changed), userFile));
        EXPECT_EQ(read(userFile), QByteArray("the user's own file"));

        // Saved, or undone back to the saved state: nothing to keep.
        ui.answers = {Button::Yes};
        ASSERT_EQ(forms.save(changed, false), FormCommands::SaveResult::Saved);
        EXPECT_FALSE(QFileInfo::exists(copy));
        changed.perform(QStringLiteral("Place"), [&] { place(changed, ControlKind::Label); });
        ASSERT_TRUE(session.writeCopies());
        changed.undoStack().undo();
        EXPECT_FALSE(QFileInfo::exists(session.copyPath(changed)));
        // A closed project takes its copies with it.
        const QString droppedCopy = session.copyPath(dropped);
        EXPECT_TRUE(QFileInfo::exists(droppedCopy));
        projects.cerrarTodo();
        EXPECT_FALSE(QFileInfo::exists(droppedCopy));
        changedForm(QStringLiteral("Left"));
        ASSERT_TRUE(session.writeCopies());
    }
    // A normal end removes the run's folder.
    EXPECT_FALSE(QFileInfo::exists(sessionFolder));
}

TEST_F(Recovery, ACrashedRunsFormsComeBackOnceUnderTheirOwnLibraryAndTheOthersWait)
{
    const QString userFile = path(QStringLiteral("Cc1.zsc"));
    write(userFile, "older version");
    std::map<QString, QByteArray> lost;
    for (int library : {kLibraryCControls, kLibraryPToolBox}) {
        projects.cerrarTodo();
        project.setLibrary(library);
        const QString prefix = library == kLibraryCControls ? QStringLiteral("Cc") : QStringLiteral("Pt");
        for (const QString &name : {prefix + u'1', prefix + u'2'})
            lost[name] = formBytes(changedForm(name));
        project.forms()[0]->setFileName(path(prefix + QStringLiteral("1.zsc")));
        crash();
    }
    projects.cerrarTodo();
    // This run: a session of its own, which is not offered.
    RecoverySession running(project, folder());
    changedForm(QStringLiteral("Running"));
    ASSERT_TRUE(running.writeCopies());
    {
        RecoveryCopies copies(folder());
        EXPECT_EQ(copies.forms().size(), 4u);
        // A second copy of the program started now does not offer them again.
        EXPECT_TRUE(RecoveryCopies(folder()).isEmpty());
    }

    const auto recoverIn = [&](int library, int asked) {
        RecoveryCopies copies(folder());
        std::map<QString, QByteArray> back;
        for (DesignForm *form : copies.recover(project, forms, asked)) {
            EXPECT_EQ(project.library(), library);
            back[form->name()] = formBytes(*form);
            EXPECT_TRUE(form->isModified());
            EXPECT_EQ(form->fileName(), form->name().endsWith(u'1') ? path(form->name() + ".zsc") : QString());
        }
        copies.removeRecovered();
        return back;
    };
    // An open project takes only forms of its own library; asking for the
    // other one loads nothing.
    projects.cerrarTodo();
    project.setLibrary(kLibraryCControls);
    project.setProjectName(QStringLiteral("Open"));
    EXPECT_EQ(RecoveryCopies(folder()).recoverableLibraries(project), std::vector<int>{kLibraryCControls});
    EXPECT_TRUE(recoverIn(kLibraryCControls, kLibraryPToolBox).empty());
    EXPECT_EQ(recoverIn(kLibraryCControls, kLibraryCControls),
              (std::map<QString, QByteArray>{{"Cc1", lost["Cc1"]}, {"Cc2", lost["Cc2"]}}));
    EXPECT_EQ(read(userFile), QByteArray("older version"));
    // Their copies and their run's folder are gone; the PToolBox run waits.
    EXPECT_EQ(sessionFolders().size(), 2);

    // With nothing open the program may switch to the copies' library.
    projects.cerrarTodo();
    EXPECT_EQ(RecoveryCopies(folder()).recoverableLibraries(project), std::vector<int>{kLibraryPToolBox});
    EXPECT_EQ(recoverIn(kLibraryPToolBox, kLibraryPToolBox),
              (std::map<QString, QByteArray>{{"Pt1", lost["Pt1"]}, {"Pt2", lost["Pt2"]}}));
    EXPECT_EQ(sessionFolders(), QStringList({QFileInfo(running.sessionFolder()).fileName()}));
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
    copies.discard();
    EXPECT_TRUE(sessionFolders().isEmpty());
}

TEST_F(Recovery, ChangesAreCopiedAfterTheDelayAndKeptWhenTheRunEndsUnasked)
{
    {
        RecoverySession session(project, folder());
        session.setDelay(20);
        DesignForm &form = changedForm(QStringLiteral("Typed"));
        const QString copy = session.copyPath(form);
        ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(copy); }, 10000));
        EXPECT_EQ(copied(copy).first, formBytes(form));
        // Made to end: the copies are brought up to date and stay, whatever
        // happens to the forms after.
        form.perform(QStringLiteral("Place"), [&] { place(form, ControlKind::Label); });
        session.keepForNextStart();
        EXPECT_EQ(copied(copy).first, formBytes(form));
        projects.cerrarTodo();
    }
    EXPECT_EQ(RecoveryCopies(folder()).forms().size(), 1u);

    // finish() after the questions: the folder goes at once.
    RecoverySession asked(project, folder());
    changedForm(QStringLiteral("Asked"));
    ASSERT_TRUE(asked.writeCopies());
    asked.finish();
    EXPECT_FALSE(QFileInfo::exists(asked.sessionFolder()));
}

} // namespace
