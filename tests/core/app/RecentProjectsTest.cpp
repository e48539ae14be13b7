#include "core/app/RecentProjects.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zf;

TEST(RecentProjects, AddingPutsThePathOnTop)
{
    RecentProjects recent;
    recent.add(QStringLiteral("/p/a.zpj"));
    recent.add(QStringLiteral("/p/b.zpj"));
    recent.add(QStringLiteral("/p/c.zpj"));
    EXPECT_EQ(recent.paths(), QStringList({"/p/c.zpj", "/p/b.zpj", "/p/a.zpj"}));
    // A listed path moves to the top instead of appearing twice.
    recent.add(QStringLiteral("/p/a.zpj"));
    EXPECT_EQ(recent.paths(), QStringList({"/p/a.zpj", "/p/c.zpj", "/p/b.zpj"}));
    // Paths differing in letter case are different files here.
    recent.add(QStringLiteral("/p/A.zpj"));
    EXPECT_EQ(recent.paths().size(), 4);
    recent.clear();
    EXPECT_TRUE(recent.isEmpty());
}

TEST(RecentProjects, KeepsTheTenMostRecent)
{
    RecentProjects recent;
    for (int i = 1; i <= 12; ++i)
        recent.add(QStringLiteral("/p/%1.zpj").arg(i));
    ASSERT_EQ(recent.paths().size(), RecentProjects::kMaxEntries);
    EXPECT_EQ(recent.paths().first(), "/p/12.zpj");
    EXPECT_EQ(recent.paths().last(), "/p/3.zpj");
    // Moving a listed path up in a full list drops nothing.
    recent.add(QStringLiteral("/p/3.zpj"));
    EXPECT_EQ(recent.paths().size(), 10);
    EXPECT_EQ(recent.paths().last(), "/p/4.zpj");
}

TEST(RecentProjects, StoredListIsCleanedWhenTaken)
{
    const RecentProjects recent(
        QStringList{"/a", "", "/b", "/a", "/c", "/d", "/e", "/f", "/g", "/h", "/i", "/j", "/k"});
    EXPECT_EQ(recent.paths(),
              QStringList({"/a", "/b", "/c", "/d", "/e", "/f", "/g", "/h", "/i", "/j"}));
}

TEST(RecentProjects, RemoveObsoleteDropsOnlyMissingFiles)
{
    QTemporaryDir folder;
    const QString kept = folder.filePath(QStringLiteral("kept.zpj"));
    QFile file(kept);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    RecentProjects recent;
    recent.add(folder.filePath(QStringLiteral("gone.zpj")));
    recent.add(kept);
    recent.add(folder.path()); // a folder is not a project file
    recent.add(folder.filePath(QStringLiteral("also gone.zpj")));
    EXPECT_EQ(recent.removeObsolete(), 3);
    EXPECT_EQ(recent.paths(), QStringList({kept}));
}

TEST(RecentProjects, MenuCaptionsNumberOneToNineThenZero)
{
    EXPECT_EQ(RecentProjects::menuCaption(0, QStringLiteral("/home/u/a.zpj")), "&1 /home/u/a.zpj");
    EXPECT_EQ(RecentProjects::menuCaption(8, QStringLiteral("/x.zpj")), "&9 /x.zpj");
    EXPECT_EQ(RecentProjects::menuCaption(9, QStringLiteral("/x.zpj")), "&0 /x.zpj");
    // An ampersand in a path is shown, not taken for an accelerator mark.
    EXPECT_EQ(RecentProjects::menuCaption(1, QStringLiteral("/R&D/p.zpj")), "&2 /R&&D/p.zpj");
}
