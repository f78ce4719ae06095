#include <gtest/gtest.h>

#include <QStandardPaths>

#include "recent_files.h"

namespace {

using List = std::vector<std::string>;

TEST(RecentFileListTest, NewestFirstWithoutRepeatsAndAtMostFour) {
    CRecentFileList list;
    for (const char* path : {"/a", "/b", "/c", "/a", "/d", "/e", "", "/A"}) list.Add(path);
    EXPECT_EQ(list.Entries(), (List{"/A", "/e", "/d", "/a"}));
    EXPECT_EQ(list.First(), "/A");
    list.Remove("/e");
    EXPECT_EQ(list.Entries(), (List{"/A", "/d", "/a"}));
}

TEST(RecentFileListTest, KeptInTheProfile) {
    QStandardPaths::setTestModeEnabled(true);
    CRecentFileList saved;
    for (const char* path : {"/x/one.qel", "/x/two.qel"}) saved.Add(path);
    saved.Save("QelTests", "RecentFiles");
    CRecentFileList loaded;
    loaded.Load("QelTests", "RecentFiles");
    EXPECT_EQ(loaded.Entries(), (List{"/x/two.qel", "/x/one.qel"}));

    CRecentFileList().Save("QelTests", "RecentFiles");   // an empty list leaves no entry behind
    loaded.Load("QelTests", "RecentFiles");
    EXPECT_TRUE(loaded.Entries().empty());
}

}  // namespace
