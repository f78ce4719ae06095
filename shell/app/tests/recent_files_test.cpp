#include <gtest/gtest.h>

#include <QSettings>

#include "recent_files.h"
#include "testing/temp_directory.h"

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
    testing::TempDirectory dir;
    QSettings profile(QString::fromStdString(dir.File("profile.ini")), QSettings::IniFormat);
    profile.setValue("Views/PluginValue", "other keys stay");
    CRecentFileList saved;
    for (const char* path : {"/x/one.qel", "/x/two.qel"}) saved.Add(path);
    saved.Save(profile);
    CRecentFileList loaded;
    loaded.Load(profile);
    EXPECT_EQ(loaded.Entries(), (List{"/x/two.qel", "/x/one.qel"}));

    CRecentFileList().Save(profile);   // an empty list leaves no entry behind
    loaded.Load(profile);
    EXPECT_TRUE(loaded.Entries().empty());
    EXPECT_EQ(profile.allKeys(), QStringList{"Views/PluginValue"});
}

}  // namespace
