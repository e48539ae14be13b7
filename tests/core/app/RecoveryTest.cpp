// Recovery copies of unsaved forms, and what a crashed run leaves behind.
#include "CommandsFixture.h"
#include "core/app/Options.h"
#include "core/app/RecoveryCopies.h"
#include "core/app/RecoverySession.h"
#include "core/base/IniDocument.h"
#include "core/files/FormFile.h"
#include "files/ChildProcess.h"

#include <QDir>

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
    const std::vector<DesignForm *> recovered = copies.recover(project, forms);
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

TEST_F(Recovery, AnEmptyCrashedRunIsDiscardedWithoutAnOffer)
{
    ChildProcess::run([&] {
        new RecoverySession(project, folder());
        _exit(0);
        return QByteArray();
    });
    ASSERT_EQ(sessionFolders().size(), 1);
    RecoveryCopies copies(folder());
    EXPECT_TRUE(copies.isEmpty());
    copies.discard();
    EXPECT_TRUE(sessionFolders().isEmpty());
}

TEST_F(Recovery, TheIntervalIsAnOptionOfFiveMinutesByDefault)
{
    const QString file = path(QStringLiteral("options.ini"));
    Options options(file);
    options.load();
    EXPECT_EQ(options.recoveryMinutes(), 5);
    for (const auto &[text, minutes] :
         {std::pair{"0", 0}, {"12", 12}, {"-3", 5}, {"many", 5}, {"1440", 1440}, {"1441", 5}}) {
        write(file, QByteArray("[General]\r\nRecoveryMinutes=") + text + "\r\n");
        options.load();
        EXPECT_EQ(options.recoveryMinutes(), minutes) << text;
    }
    options.setRecoveryMinutes(7);
    ASSERT_TRUE(options.save());
    IniDocument doc;
    ASSERT_TRUE(doc.open(file));
    EXPECT_EQ(doc.readInt(u"General", u"RecoveryMinutes", -1), 7);
}

} // namespace
