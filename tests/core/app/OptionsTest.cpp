#include "CommandsFixture.h"
#include "core/app/Options.h"

using namespace zf;
using namespace zf::test;

using OptionsFile = CommandsFixture;

TEST_F(OptionsFile, ReadsTheStoredSettingsAndOnlyTheValueOneTurnsASwitchOn)
{
    const QString file = path(QStringLiteral("options.ini"));
    const struct
    {
        QByteArray text;
        int library;
        bool grid, shortNames;
        QStringList recent;
        int recoveryDelay; // ms; out of range or unreadable minutes copy soon after each change
    } cases[] = {
        // A missing file gives the defaults and drops what was there before.
        {{}, 2, true, false, {}, Options::kRecoverySoon},
        // A gap is skipped; keys beyond the tenth entry are not part of the list.
        {"[General]\r\nLib=1\r\nGrid=0\r\nShortNames=1\r\nRecoveryMinutes=1440\r\n[MRU Items]\r\n"
         "F0=/p/b.zpj\r\nF1=/p/a.zpj\r\nF3=/p/c.zpj\r\nF10=/p/x.zpj\r\n",
         1, false, true, {"/p/b.zpj", "/p/a.zpj", "/p/c.zpj"}, 1440 * 60000},
        // An unknown library falls back to PToolBox; a damaged layout is dropped.
        {"[General]\r\nLib=7\r\nGrid=5\r\nShortNames=2\r\nToolbars=%%%\r\nRecoveryMinutes=1441\r\n", 2,
         false, false, {}, Options::kRecoverySoon},
        {"[General]\r\nRecoveryMinutes=0\r\n", 2, true, false, {}, 0},
        {"[General]\r\nRecoveryMinutes=many\r\n", 2, true, false, {}, Options::kRecoverySoon},
    };
    for (const auto &c : cases) {
        QFile::remove(file);
        if (!c.text.isEmpty())
            write(file, c.text);
        Options options(file);
        options.setLibrary(3);
        options.recentProjects().add(QStringLiteral("/stale.zpj"));
        ASSERT_TRUE(options.load());
        EXPECT_EQ(std::tuple(options.library(), options.grid(), options.shortNames(), options.toolbarLayout().isEmpty(),
                             options.recentProjects().paths(), options.recoveryDelay()),
                  std::tuple(c.library, c.grid, c.shortNames, true, c.recent, c.recoveryDelay))
            << c.text.constData();
    }
}

TEST_F(OptionsFile, SaveRewritesGeneralAndTheRecentListAndKeepsForeignKeys)
{
    // The configuration folder may not exist yet on a first run.
    const QString file = path(QStringLiteral("config/options.ini"));
    Options options(file);
    ASSERT_TRUE(options.load());
    options.setLibrary(1);
    options.setGrid(false);
    options.setShortNames(true);
    options.setRecoveryMinutes(7);
    options.setToolbarLayout(QByteArray("\x00\xFF layout", 9));
    options.recentProjects().add(QStringLiteral("/p/first.zpj"));
    options.recentProjects().add(QString::fromUtf8("/p/Café.zpj"));
    ASSERT_TRUE(options.save()) << options.errorString().toStdString();
    EXPECT_EQ(read(file), QByteArray("[General]\r\nLib=1\r\nGrid=0\r\nShortNames=1\r\n"
                                         "RecoveryMinutes=7\r\nToolbars=AP8gbGF5b3V0\r\n"
                                         "[MRU Items]\r\nF0=/p/Caf\xE9.zpj\r\nF1=/p/first.zpj\r\n"));
    Options reread(file);
    ASSERT_TRUE(reread.load());
    EXPECT_EQ(reread.toolbarLayout(), QByteArray("\x00\xFF layout", 9));

    write(file, "[General]\r\nLib=2\r\nTheme=dark\r\n[MRU Items]\r\nF0=/a\r\nF1=/b\r\nF3=/d\r\n"
                    "[Other]\r\nx=1\r\n");
    ASSERT_TRUE(options.load());
    options.recentProjects().clear();
    options.recentProjects().add(QStringLiteral("/z"));
    ASSERT_TRUE(options.save());
    EXPECT_EQ(read(file), QByteArray("[General]\r\nLib=2\r\nTheme=dark\r\nGrid=1\r\nShortNames=0\r\n"
                                         "Toolbars=\r\n[Other]\r\nx=1\r\n[MRU Items]\r\nF0=/z\r\n"));
}

TEST_F(OptionsFile, PortableFileBesideTheProgramWins)
{
    const QString config = path(QStringLiteral("config"));
    EXPECT_EQ(Options::locate(dir.path(), config), config + QStringLiteral("/options.ini"));
    write(path(QStringLiteral("options.ini")), "");
    EXPECT_EQ(Options::locate(dir.path(), config), path(QStringLiteral("options.ini")));
}
