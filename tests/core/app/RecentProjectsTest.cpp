#include "CommandsFixture.h"
#include "core/app/RecentProjects.h"

using namespace zf;
using namespace zf::test;

using RecentProjectFiles = CommandsFixture;

TEST(RecentProjects, AddingPutsThePathOnTopOfTheTenMostRecent)
{
    RecentProjects recent;
    for (int i = 1; i <= 12; ++i)
        recent.add(QStringLiteral("/p/%1.zpj").arg(i));
    ASSERT_EQ(recent.paths().size(), RecentProjects::kMaxEntries);
    EXPECT_EQ(QStringList({recent.paths().first(), recent.paths().last()}), QStringList({"/p/12.zpj", "/p/3.zpj"}));
    // A listed path moves to the top instead of appearing twice; nothing else drops.
    recent.add(QStringLiteral("/p/3.zpj"));
    EXPECT_EQ(recent.paths().mid(0, 2) + recent.paths().mid(9), QStringList({"/p/3.zpj", "/p/12.zpj", "/p/4.zpj"}));
    // A stored list is cleaned when taken.
    EXPECT_EQ(RecentProjects(QStringList{"/a", "", "/b", "/a", "/c", "/d", "/e", "/f", "/g", "/h", "/i", "/j", "/k"})
                  .paths(),
              QStringList({"/a", "/b", "/c", "/d", "/e", "/f", "/g", "/h", "/i", "/j"}));
}

TEST_F(RecentProjectFiles, RemoveObsoleteDropsOnlyMissingFiles)
{
    write(path(QStringLiteral("kept.zpj")), "");
    recent.add(path(QStringLiteral("gone.zpj")));
    recent.add(path(QStringLiteral("kept.zpj")));
    recent.add(dir.path()); // a folder is not a project file
    EXPECT_EQ(recent.removeObsolete(), 2);
    EXPECT_EQ(recent.paths(), QStringList({path(QStringLiteral("kept.zpj"))}));
}

TEST(RecentProjects, MenuCaptionsNumberOneToNineThenZero)
{
    EXPECT_EQ(RecentProjects::menuCaption(9, QStringLiteral("/x.zpj")), "&0 /x.zpj");
    // An ampersand in a path is shown, not taken for an accelerator mark.
    EXPECT_EQ(RecentProjects::menuCaption(1, QStringLiteral("/R&D/p.zpj")), "&2 /R&&D/p.zpj");
}
