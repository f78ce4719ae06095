#include "support/ini_transfer.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <unistd.h>

#include <map>

#include "plat/ini_file.h"
#include "settings_fixture.h"
#include "testing/temp_directory.h"

namespace {

class IniTransferTest : public ::testing::Test {
protected:
    // Stores key's value in a file through one store and reads it into another.
    std::string RoundTrip(const std::string& value) {
        FakeSettings out;
        out.values["Key"] = value;
        EXPECT_TRUE(StoreToIni(out.Getter(), "Section", "Key", ini_));
        FakeSettings in;
        in.values["Key"] = "before";
        EXPECT_TRUE(IniToStore(in.Getter(), in.Setter(), "Section", "Key", ini_));
        return in.values["Key"];
    }

    testing::TempDirectory dir_;
    std::string ini_ = dir_.File("settings.ini");
};

TEST_F(IniTransferTest, ValuesComeBackUnchanged) {
    const std::string longValue(10000, 'x');
    for (const std::string& value :
         {std::string("plain"), std::string("two\nlines"), std::string("\nedge\n\n"), longValue,
          std::string("  padded  "), std::string("\"quoted\""), std::string("'single'"),
          std::string("a=b;c"), std::string("\u00fcmlaut")}) {
        EXPECT_EQ(RoundTrip(value), value);
    }
}

TEST_F(IniTransferTest, NewlinesAreStoredAsMarkersOnOneLine) {
    RoundTrip("first\nsecond");
    EXPECT_EQ(testing::ReadFile(ini_), "[Section]\nKey=first<!nl!>second\n");
}

TEST_F(IniTransferTest, MissingKeyKeepsTheCurrentValue) {
    dir_.Write("settings.ini", "[Section]\nOther=1\n");
    FakeSettings store;
    store.values["Key"] = " current value  ";
    EXPECT_TRUE(IniToStore(store.Getter(), store.Setter(), "Section", "Key", ini_));
    EXPECT_EQ(store.values["Key"], " current value  ");
    EXPECT_TRUE(IniToStore(store.Getter(), store.Setter(), "Elsewhere", "Key", dir_.File("none.ini")));
    EXPECT_EQ(store.values["Key"], " current value  ");
}

TEST_F(IniTransferTest, SectionsAndKeysMatchWithoutRegardToCase) {
    dir_.Write("settings.ini", "[View]\nScheduleZoom=3\n");
    FakeSettings store;
    EXPECT_TRUE(IniToStore(store.Getter(), store.Setter(), "VIEW", "schedulezoom", ini_));
    EXPECT_EQ(store.values["schedulezoom"], "3");
}

// The old file is replaced as a whole: a hard link to it keeps the old
// content and no temporary file is left behind.
TEST_F(IniTransferTest, FileIsReplacedByRename) {
    dir_.Write("settings.ini", "[Section]\nKey=old\n");
    const std::string link = dir_.File("link.ini");
    ASSERT_EQ(::link(ini_.c_str(), link.c_str()), 0);
    FakeSettings store;
    store.values["Key"] = "new";
    EXPECT_TRUE(StoreToIni(store.Getter(), "Section", "Key", ini_));
    EXPECT_EQ(testing::ReadFile(ini_), "[Section]\nKey=new\n");
    EXPECT_EQ(testing::ReadFile(link), "[Section]\nKey=old\n");

    int entries = 0;
    DIR* d = ::opendir(dir_.path().c_str());
    while (dirent* e = ::readdir(d)) entries += e->d_name[0] != '.';
    ::closedir(d);
    EXPECT_EQ(entries, 2);
}

TEST_F(IniTransferTest, AFailedWriteIsReported) {
    FakeSettings store;
    store.values["Key"] = "v";
    EXPECT_FALSE(StoreToIni(store.Getter(), "Section", "Key", dir_.File("missing/dir/x.ini")));
}

class FakeProfile : public plat::Profile {
public:
    std::optional<std::string> Get(std::string_view section, std::string_view key) override {
        const auto it = values.find(std::string(section) + "/" + std::string(key));
        if (it == values.end()) return std::nullopt;
        return it->second;
    }
    void Set(std::string_view section, std::string_view key, std::string_view value) override {
        values[std::string(section) + "/" + std::string(key)] = std::string(value);
    }
    std::map<std::string, std::string> values;
};

class ScopedProfile {
public:
    explicit ScopedProfile(plat::Profile* profile) : previous_(plat::CurrentProfile()) {
        plat::SetCurrentProfile(profile);
    }
    ~ScopedProfile() { plat::SetCurrentProfile(previous_); }

private:
    plat::Profile* previous_;
};

// Without an INI name the profile holds the value as it is: no markers.
TEST(IniTransferProfile, EmptyNameUsesTheProfileWithoutMarkers) {
    FakeProfile profile;
    ScopedProfile installed(&profile);
    FakeSettings store;
    store.values["Key"] = "a\nb";
    EXPECT_TRUE(StoreToIni(store.Getter(), "Section", "Key", ""));
    EXPECT_EQ(profile.values["Section/Key"], "a\nb");

    profile.values["Section/Key"] = "x<!nl!>y";
    EXPECT_TRUE(IniToStore(store.Getter(), store.Setter(), "Section", "Key", ""));
    EXPECT_EQ(store.values["Key"], "x<!nl!>y");

    store.values["Other"] = "kept";
    EXPECT_TRUE(IniToStore(store.Getter(), store.Setter(), "Section", "Other", ""));
    EXPECT_EQ(store.values["Other"], "kept");
}

TEST(IniTransferProfile, NoProfileStoresNothing) {
    ScopedProfile none(nullptr);
    FakeSettings store;
    store.values["Key"] = "kept";
    EXPECT_TRUE(StoreToIni(store.Getter(), "Section", "Key", ""));
    EXPECT_TRUE(IniToStore(store.Getter(), store.Setter(), "Section", "Key", ""));
    EXPECT_EQ(store.values["Key"], "kept");
}

}  // namespace
