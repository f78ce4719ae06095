#include "plat/files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "testing/temp_directory.h"

namespace {

using testing::ReadFile;

class FilesTest : public testing::Test {
protected:
    void TearDown() override { plat::SetWriteFailureForTesting(-1); }
    testing::TempDirectory dir_;
};

TEST_F(FilesTest, PathKinds) {
    const std::string file = dir_.Write("f", "x");
    ASSERT_EQ(::mkdir(dir_.File("d").c_str(), 0700), 0);
    ASSERT_EQ(::symlink("d", dir_.File("link-to-d").c_str()), 0);
    ASSERT_EQ(::symlink("nowhere", dir_.File("dangling").c_str()), 0);
    EXPECT_EQ(plat::GetPathKind(file), plat::PathKind::File);
    EXPECT_EQ(plat::GetPathKind(dir_.File("d")), plat::PathKind::Directory);
    EXPECT_EQ(plat::GetPathKind(dir_.File("link-to-d")), plat::PathKind::Directory);
    EXPECT_EQ(plat::GetPathKind(dir_.File("dangling")), plat::PathKind::Missing);
    EXPECT_EQ(plat::GetPathKind(dir_.File("missing")), plat::PathKind::Missing);
    EXPECT_EQ(plat::GetPathKind(""), plat::PathKind::Missing);
}

TEST_F(FilesTest, ReadDirectoryIsSortedAndDoesNotFollowLinkedDirectories) {
    dir_.Write("b.plugin", "");
    dir_.Write("B.plugin", "");
    dir_.Write("a", "");
    ASSERT_EQ(::mkdir(dir_.File("sub").c_str(), 0700), 0);
    ASSERT_EQ(::symlink("..", dir_.File("sub/loop").c_str()), 0);
    ASSERT_EQ(::symlink("sub", dir_.File("c-link").c_str()), 0);

    const std::vector<plat::DirEntry> entries = plat::ReadDirectory(dir_.path());
    std::vector<std::string> names;
    for (const plat::DirEntry& e : entries) names.push_back(e.name + (e.isDirectory ? "/" : ""));
    EXPECT_EQ(names, (std::vector<std::string>{"B.plugin", "a", "b.plugin", "c-link", "sub/"}));

    const std::vector<plat::DirEntry> sub = plat::ReadDirectory(dir_.File("sub/"));
    ASSERT_EQ(sub.size(), 1u);
    EXPECT_EQ(sub[0].name, "loop");
    EXPECT_FALSE(sub[0].isDirectory);

    EXPECT_TRUE(plat::ReadDirectory(dir_.File("missing")).empty());
    EXPECT_TRUE(plat::ReadDirectory(dir_.File("a")).empty());
}

TEST(ProgramLocation, IsTheRunningTestProgram) {
    const std::string path = plat::ProgramPath();
    EXPECT_EQ(path.substr(path.rfind('/') + 1), "qel_platform_core_tests");
    EXPECT_EQ(plat::ProgramDirectory() + "qel_platform_core_tests", path);
}

TEST_F(FilesTest, OpenReadAndSize) {
    const std::string path = dir_.Write("data", std::string("a\0b", 3) + std::string(100000, 'z'));
    plat::File file;
    EXPECT_FALSE(file.IsOpen());
    ASSERT_EQ(file.Open(path, false), 0);
    EXPECT_TRUE(file.IsOpen());
    EXPECT_FALSE(file.IsWritable());
    EXPECT_EQ(file.Size(), 100003);
    std::string bytes;
    ASSERT_TRUE(file.ReadAll(bytes));
    EXPECT_EQ(bytes, ReadFile(path));
    ASSERT_TRUE(file.ReadAll(bytes));   // always from the start
    EXPECT_EQ(bytes.size(), 100003u);
    std::string middle(70000, '\0');
    ASSERT_TRUE(file.ReadAt(30000, middle.data(), middle.size()));
    EXPECT_EQ(middle, bytes.substr(30000, 70000));
    EXPECT_FALSE(file.ReadAt(30004, middle.data(), middle.size()));   // the file ends first

    plat::File moved = std::move(file);
    EXPECT_FALSE(file.IsOpen());
    EXPECT_TRUE(moved.IsOpen());
    moved.Close();
    EXPECT_FALSE(moved.IsOpen());
    EXPECT_EQ(moved.Size(), -1);
    EXPECT_FALSE(moved.ReadAll(bytes));
    EXPECT_FALSE(moved.ReadAt(0, middle.data(), 1));

    EXPECT_EQ(moved.Open(dir_.File("missing"), false), ENOENT);
    EXPECT_EQ(moved.Open(dir_.path(), false), EISDIR);
    ASSERT_EQ(::mkfifo(dir_.File("pipe").c_str(), 0600), 0);
    EXPECT_EQ(moved.Open(dir_.File("pipe"), false), EINVAL);   // returns at once
    EXPECT_FALSE(moved.IsOpen());
}

TEST_F(FilesTest, WriteLockExcludesASecondOpenFile) {
    const std::string path = dir_.Write("doc", "content");
    plat::File first;
    plat::File second;
    ASSERT_EQ(first.Open(path, true), 0);
    ASSERT_EQ(second.Open(path, true), 0);
    EXPECT_TRUE(first.IsWritable());

    EXPECT_TRUE(first.TryLockWrite());
    EXPECT_TRUE(first.TryLockWrite());     // its own lock again
    EXPECT_FALSE(second.TryLockWrite());

    first.Unlock();
    EXPECT_TRUE(second.TryLockWrite());
    EXPECT_FALSE(first.TryLockWrite());

    second.Close();                        // closing releases the lock
    EXPECT_TRUE(first.TryLockWrite());

    plat::File readOnly;
    ASSERT_EQ(readOnly.Open(path, false), 0);
    EXPECT_FALSE(readOnly.TryLockWrite());
}

TEST_F(FilesTest, AtomicWriteReplacesTheFile) {
    const std::string path = dir_.Write("out", "old bytes");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    std::string error;
    ASSERT_TRUE(plat::WriteFileAtomic(path, "new bytes", &error)) << error;
    EXPECT_EQ(ReadFile(path), "new bytes");
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);

    ASSERT_TRUE(plat::WriteFileAtomic(dir_.File("fresh"), "", &error)) << error;
    EXPECT_EQ(plat::GetPathKind(dir_.File("fresh")), plat::PathKind::File);
}

TEST_F(FilesTest, AtomicWriteThroughALinkKeepsTheLink) {
    const std::string target = dir_.Write("target", "old");
    const std::string link = dir_.File("link");
    ASSERT_EQ(::symlink("target", link.c_str()), 0);
    ASSERT_TRUE(plat::WriteFileAtomic(link, "new", nullptr));
    struct stat st {};
    ASSERT_EQ(::lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(ReadFile(target), "new");
}

TEST_F(FilesTest, FailedAtomicWriteLeavesTheOldFileAndNoTemporary) {
    const std::string path = dir_.Write("keep", "precious old content");
    for (const std::int64_t after : {0, 5}) {
        SCOPED_TRACE(after);
        plat::SetWriteFailureForTesting(after);
        std::string error;
        EXPECT_FALSE(plat::WriteFileAtomic(path, "replacement that fails", &error));
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(ReadFile(path), "precious old content");
        EXPECT_EQ(plat::ReadDirectory(dir_.path()).size(), 1u);
    }
    plat::SetWriteFailureForTesting(-1);
    EXPECT_TRUE(plat::WriteFileAtomic(path, "replacement", nullptr));
    EXPECT_EQ(ReadFile(path), "replacement");
}

TEST_F(FilesTest, AtomicWriteIntoAMissingDirectoryFails) {
    std::string error;
    EXPECT_FALSE(plat::WriteFileAtomic(dir_.File("no/such/file"), "x", &error));
    EXPECT_NE(error.find("temporary"), std::string::npos) << error;
}

}  // namespace
