#include "support/paths.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "testing/temp_directory.h"

namespace {

class PathsTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"sub", "sub/deeper", "zz"})
            ASSERT_EQ(::mkdir(dir_.File(name).c_str(), 0755), 0);
        for (const char* name : {"a.dll", "B.Dll", "c.txt", "noext", "sub/d.DLL",
                                 "sub/deeper/e.dll", "sub/f.so", "zz/g.dll"})
            dir_.Write(name, "x");
        // A link back up the tree: following it would never end.
        ASSERT_EQ(::symlink("..", dir_.File("sub/loop").c_str()), 0);
    }
    std::string Under(const std::string& name) const { return dir_.File(name); }

    testing::TempDirectory dir_;
};

TEST_F(PathsTest, ListFilesByExtensionWithoutRegardToCase) {
    std::vector<std::string> list;
    EXPECT_EQ(ListFiles(list, dir_.path(), ".DLL", false), 2u);
    EXPECT_EQ(list, (std::vector<std::string>{Under("B.Dll"), Under("a.dll")}));

    list.clear();
    EXPECT_EQ(ListFiles(list, dir_.path() + "/", ".dll", true), 5u);
    EXPECT_EQ(list, (std::vector<std::string>{Under("B.Dll"), Under("a.dll"), Under("sub/d.DLL"),
                                              Under("sub/deeper/e.dll"), Under("zz/g.dll")}));

    list.clear();
    EXPECT_EQ(ListFiles(list, dir_.path(), "dll", true), 0u);   // the dot belongs to it
}

TEST_F(PathsTest, ListFilesWithoutExtensionListsEverything) {
    std::vector<std::string> list = {"kept"};
    EXPECT_EQ(ListFiles(list, dir_.path(), "", true), 10u);
    EXPECT_EQ(list, (std::vector<std::string>{"kept", Under("B.Dll"), Under("a.dll"),
                                              Under("c.txt"), Under("noext"), Under("sub/d.DLL"),
                                              Under("sub/deeper/e.dll"), Under("sub/f.so"),
                                              Under("sub/loop"), Under("zz/g.dll")}));

    list.clear();
    ListFiles(list, dir_.path(), "", false);
    EXPECT_EQ(list.size(), 6u);   // directories too, when not descending
    EXPECT_EQ(ListFiles(list, "", "", true), 6u);
    EXPECT_EQ(ListFiles(list, Under("missing"), "", true), 6u);
}

TEST_F(PathsTest, PathExists) {
    struct Case {
        std::string path;
        bool asFile, asDirectory;
    };
    const Case cases[] = {
        {Under("a.dll"), true, false},
        {Under("sub"), false, true},
        {Under("sub/loop"), false, true},   // links are followed
        {Under("missing"), false, false},
        {"", false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PathExists(c.path, false), c.asFile) << c.path;
        EXPECT_EQ(PathExists(c.path, true), c.asDirectory) << c.path;
    }
}

TEST(Paths, SplitAndJoin) {
    struct Case {
        const char* path;
        const char* directory;
    };
    for (const Case& c : {Case{"/a/b/c.txt", "/a/b/"}, Case{"c.txt", ""}, Case{"/a/b/", "/a/b/"},
                          Case{"/", "/"}, Case{"", ""}})
        EXPECT_EQ(GetPathDirectory(c.path), c.directory) << c.path;
    for (const Case& c : {Case{"/a/b/", "/a/b"}, Case{"/a/b", "/a/b"}, Case{"/", "/"}, Case{"", ""}})
        EXPECT_EQ(WithoutTrailingSlash(c.path), c.directory) << c.path;

    EXPECT_EQ(MakePath("/x", "f", ".ini"), "/x/f.ini");
    EXPECT_EQ(MakePath("/x/", "f", ".ini"), "/x/f.ini");
    EXPECT_EQ(MakePath("/x", "f", "ini"), "/x/f.ini");
    EXPECT_EQ(MakePath("", "f", ".ini"), "f.ini");
    EXPECT_EQ(MakePath("/x", "f", ""), "/x/f");
    EXPECT_EQ(ReplacePathFileName("/new", "/old/dir/file.tar.gz"), "/new/file.tar.gz");
    EXPECT_EQ(ReplacePathFileName("/new/", "plain"), "/new/plain");
}

}  // namespace
