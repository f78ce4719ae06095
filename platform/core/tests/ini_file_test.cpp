#include "plat/ini_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "plat/files.h"
#include "testing/temp_directory.h"

namespace {

using testing::ReadFile;

const char kSample[] =
    "\xEF\xBB\xBF[General]\r\n"   // a byte-order mark in front
    "Name = Plan One \r\n"
    "Quoted=\"  padded  \"\r\n"
    "Single='x'\r\n"
    "Empty=\r\n"
    "name=second\r\n"
    "Equals=a=b\r\n"
    "  ; Hidden=1\r\n"
    "NoEquals\r\n"
    "\r\n"
    "[ Colors ]\r\n"
    "Task=255\r\n"
    "[general]\r\n"
    "Late=1\r\n"
    "[Legacy]\r\n"
    "Month=M\xE4rz\r\n";

class IniFileTest : public testing::Test {
protected:
    void TearDown() override { plat::SetWriteFailureForTesting(-1); }
    testing::TempDirectory dir_;
};

TEST_F(IniFileTest, ReadsValues) {
    plat::IniDocument ini;
    ASSERT_TRUE(ini.Load(dir_.Write("a.ini", kSample)));
    struct Case {
        const char* section;
        const char* key;
        std::optional<std::string> value;
    };
    const Case cases[] = {
        {"General", "Name", "Plan One"},
        {"GENERAL", "nAmE", "Plan One"},          // case-insensitive, first match wins
        {"General", "Quoted", "  padded  "},      // one quote pair stripped, inside kept
        {"General", "Single", "x"},
        {"General", "Empty", ""},
        {"General", "Equals", "a=b"},
        {"General", "Hidden", std::nullopt},      // comment line
        {"General", "NoEquals", std::nullopt},
        {"General", "Missing", std::nullopt},
        {"General", "Late", std::nullopt},        // only the first [General] counts
        {"Colors", "Task", "255"},                // blanks inside the brackets trimmed
        {"Missing", "Task", std::nullopt},
        {"Legacy", "Month", "M\u00e4rz"},         // Windows-1252 line read as such
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.section << "/" << c.key);
        EXPECT_EQ(ini.Get(c.section, c.key), c.value);
    }
    EXPECT_EQ(ini.Sections(), (std::vector<std::string>{"General", "Colors", "Legacy"}));
    EXPECT_EQ(ini.Keys("general"),
              (std::vector<std::string>{"Name", "Quoted", "Single", "Empty", "Equals"}));
}

TEST_F(IniFileTest, LongValueIsReadWhole) {
    const std::string value(10000, 'v');
    const std::string path = dir_.Write("long.ini", "[S]\nKey=" + value + "\n");
    EXPECT_EQ(plat::ReadIniValue(path, "S", "Key"), value);
}

// Each program that wrote the file over may have put its own mark in front.
TEST_F(IniFileTest, EveryLeadingByteOrderMarkIsDropped) {
    const std::string bom = "\xEF\xBB\xBF";
    for (int marks = 0; marks <= 3; ++marks) {
        SCOPED_TRACE(marks);
        std::string text;
        for (int i = 0; i < marks; ++i) text += bom;
        const std::string path = dir_.Write("marks.ini", text + "[S]\r\nK=old\r\n");
        EXPECT_EQ(plat::ReadIniValue(path, "S", "K"), "old");
        ASSERT_TRUE(plat::WriteIniValue(path, "S", "K", "new"));
        EXPECT_EQ(plat::ReadIniValue(path, "S", "K"), "new");
        EXPECT_EQ(ReadFile(path), "[S]\nK=new\n");
    }
}

TEST_F(IniFileTest, ValuesRoundTrip) {
    const std::string values[] = {
        "plain", "", " padded ", "\t", "\"quoted\"", "'single'", "\"", "\"unbalanced", "a=b",
        ";semicolon", "[bracket]", "M\u00e4rz \u20ac", std::string(10000, 'x') + " ",
    };
    const std::string path = dir_.File("round.ini");
    for (const std::string& value : values) {
        SCOPED_TRACE(value.substr(0, 20));
        ASSERT_TRUE(plat::WriteIniValue(path, "Section", "Key", value));
        EXPECT_EQ(plat::ReadIniValue(path, "section", "KEY"), value);
    }
}

TEST_F(IniFileTest, LineBreaksInAValueCannotAddLines) {
    plat::IniDocument ini;
    ini.Set("S", "Key", "one\n[Injected]\r\nEvil=1");
    EXPECT_EQ(ini.Sections(), std::vector<std::string>{"S"});
    EXPECT_EQ(ini.Get("S", "Key"), "one [Injected]  Evil=1");
}

TEST_F(IniFileTest, SetReplacesInPlaceOrAppendsToItsSection) {
    const std::string path = dir_.Write("edit.ini",
                                        "; head\n"
                                        "[A]\n"
                                        "x=1\n"
                                        "y=2\n"
                                        "\n"
                                        "[B]\n"
                                        "z=3\n");
    plat::IniDocument ini;
    ASSERT_TRUE(ini.Load(path));
    ini.Set("a", "X", "10");
    ini.Set("A", "new", "n");
    ini.Set("B", "w", "4");
    ini.Set("C", "k", "v");
    ASSERT_TRUE(ini.Save(path));
    EXPECT_EQ(ReadFile(path),
              "; head\n"
              "[A]\n"
              "X=10\n"
              "y=2\n"
              "new=n\n"
              "\n"
              "[B]\n"
              "z=3\n"
              "w=4\n"
              "[C]\n"
              "k=v\n");
}

TEST_F(IniFileTest, RemovingKeepsTheRest) {
    plat::IniDocument ini;
    ASSERT_TRUE(ini.Load(dir_.Write("rm.ini", "[A]\nx=1\n[B]\n; note\ny=2\n[C]\nz=3\n[b]\nq=4\n")));
    ini.RemoveSection("b");
    ini.RemoveKey("A", "X");
    ini.RemoveKey("C", "missing");
    ASSERT_TRUE(ini.Save(dir_.File("rm.ini")));
    EXPECT_EQ(ReadFile(dir_.File("rm.ini")), "[A]\n[C]\nz=3\n");
}

TEST_F(IniFileTest, MissingFileLoadsEmptyAndWriteCreatesIt) {
    const std::string path = dir_.File("new.ini");
    plat::IniDocument ini;
    EXPECT_TRUE(ini.Load(path));
    EXPECT_TRUE(ini.Sections().empty());
    EXPECT_EQ(plat::ReadIniValue(path, "S", "K"), std::nullopt);
    ASSERT_TRUE(plat::WriteIniValue(path, "S", "K", "v"));
    EXPECT_EQ(ReadFile(path), "[S]\nK=v\n");
}

TEST_F(IniFileTest, UnreadableFileIsNotReplaced) {
    // A directory stands in for a file that cannot be read.
    const std::string path = dir_.File("dir.ini");
    ASSERT_EQ(::mkdir(path.c_str(), 0700), 0);
    plat::IniDocument ini;
    EXPECT_FALSE(ini.Load(path));
    EXPECT_FALSE(plat::WriteIniValue(path, "S", "K", "v"));
    EXPECT_EQ(plat::GetPathKind(path), plat::PathKind::Directory);
}

TEST_F(IniFileTest, SaveReplacesTheFileOrLeavesItAsItWas) {
    const std::string path = dir_.Write("atomic.ini", "[S]\nK=old\n");
    struct stat before {};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);

    plat::SetWriteFailureForTesting(3);
    EXPECT_FALSE(plat::WriteIniValue(path, "S", "K", "new"));
    EXPECT_EQ(ReadFile(path), "[S]\nK=old\n");

    plat::SetWriteFailureForTesting(-1);
    ASSERT_TRUE(plat::WriteIniValue(path, "S", "K", "new"));
    struct stat after {};
    ASSERT_EQ(::stat(path.c_str(), &after), 0);
    EXPECT_NE(before.st_ino, after.st_ino);   // a new file renamed over the old one
    EXPECT_EQ(ReadFile(path), "[S]\nK=new\n");
}

TEST(Profile, InstalledStoreIsCurrent) {
    struct MemoryProfile : plat::Profile {
        std::optional<std::string> Get(std::string_view, std::string_view) override { return "stored"; }
        void Set(std::string_view, std::string_view, std::string_view) override {}
    } profile;
    EXPECT_EQ(plat::CurrentProfile(), nullptr);
    plat::SetCurrentProfile(&profile);
    EXPECT_EQ(plat::CurrentProfile(), &profile);
    plat::SetCurrentProfile(nullptr);
}

}  // namespace
