#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "plat/ini_file.h"
#include "settings_store.h"
#include "test_support.h"

namespace {

TEST(SettingsStore, KeysIgnoreCaseAndPlusAppendsALine) {
    CSettingsStore store;
    store.SetSetting("ViewActive", "2");
    EXPECT_EQ(store.GetSetting("viewactive"), "2");
    EXPECT_EQ(store.GetSetting("VIEWACTIVE"), "2");

    store.SetSetting("+List", "a");
    EXPECT_EQ(store.GetSetting("List"), "a") << "nothing to append to";
    store.SetSetting("+list", "b");
    EXPECT_EQ(store.GetSetting("LIST"), "a\nb");
    store.SetSetting("Empty", "");
    store.SetSetting("+Empty", "c");
    EXPECT_EQ(store.GetSetting("Empty"), "c") << "an empty value gets no leading newline";

    store.SetSetting("", "x");
    store.SetSetting("+", "x");
    EXPECT_EQ(store.GetSetting(""), "");
    EXPECT_EQ(store.GetSetting("Missing"), "");

    store.Clear();
    EXPECT_EQ(store.GetSetting("ViewActive"), "");
}

TEST(SettingsStore, SettingsFileLines) {
    const struct {
        const char* line;
        std::optional<std::pair<std::string, std::string>> entry;
    } cases[] = {
        {"Key=Value", std::pair{"Key", "Value"}},
        {"  Key \t=  \"quoted value\"  ", std::pair{"Key", "quoted value"}},
        {"Key=\"", std::pair{"Key", "\""}},                       // too short to strip
        {"Key=\"\"", std::pair{"Key", ""}},
        {"Key=\"a\"b\"", std::pair{"Key", "a\"b"}},               // one pair only
        {"Key=a=b", std::pair{"Key", "a=b"}},                     // split at the first "="
        {"Key=Value\r", std::pair{"Key", "Value"}},               // CRLF line end
        {"Key=", std::pair{"Key", ""}},
        {"+Key=more", std::pair{"+Key", "more"}},
        {"\"Key\"=v", std::pair{"Key", "v"}},
        {"Caf\xE9=\xE9t\xE9", std::pair{"Caf\xC3\xA9", "\xC3\xA9t\xC3\xA9"}},   // Windows-1252 file
        {"no equals sign", std::nullopt},
        {"=value", std::nullopt},
        {"   =value", std::nullopt},
        {"#Key=v", std::nullopt},
        {";Key=v", std::nullopt},
        {"!Key=v", std::nullopt},
        {"[Section]=v", std::nullopt},
        {"  #Key=v", std::nullopt},                               // cleaned before the test
        {"", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseSettingsLine(c.line), c.entry) << c.line;
}

TEST(SettingsStore, LoadSettingsFileAppliesLinesInOrder) {
    testing::TempDirectory dir;
    const std::string path = dir.Write("a.settings",
                                       "# comment\r\n"
                                       "ViewActive = 1\r\n"
                                       "+Lines=first\r\n"
                                       "+Lines=second\r\n"
                                       "ViewActive=\"2\"\r\n"
                                       "no equals\r\n"
                                       "Last=end");
    CSettingsStore store;
    store.LoadSettingsFile(path);
    EXPECT_EQ(store.GetSetting("ViewActive"), "2");
    EXPECT_EQ(store.GetSetting("Lines"), "first\nsecond");
    EXPECT_EQ(store.GetSetting("Last"), "end");

    store.LoadSettingsFile(dir.File("missing.settings"));
    EXPECT_EQ(store.GetSetting("ViewActive"), "2") << "an unreadable file changes nothing";
}

TEST(SettingsStore, SettingsFilesBelowTheDirectoryLoadInSearchOrder) {
    shelltest::TestHost();   // the extension comes from the resource library
    testing::TempDirectory dir;
    dir.Write("a.settings", "Key=a\nOnlyA=1\n");
    std::filesystem::create_directories(dir.File("sub"));
    dir.Write("sub/b.SETTINGS", "Key=b\n");
    dir.Write("c.txt", "Key=c\nOnlyC=1\n");
    CSettingsStore store;
    store.LoadSettingsFiles(dir.path());
    EXPECT_EQ(store.GetSetting("Key"), "b");
    EXPECT_EQ(store.GetSetting("OnlyA"), "1");
    EXPECT_EQ(store.GetSetting("OnlyC"), "");
}

class MemoryProfile : public plat::Profile {
public:
    std::optional<std::string> Get(std::string_view section, std::string_view key) override {
        const auto it = values.find(std::string(section) + "/" + std::string(key));
        return it != values.end() ? std::optional(it->second) : std::nullopt;
    }
    void Set(std::string_view section, std::string_view key, std::string_view value) override {
        values[std::string(section) + "/" + std::string(key)] = value;
    }
    std::map<std::string, std::string> values;
};

TEST(SettingsStore, IniTransferOfTheHostKeys) {
    testing::TempDirectory dir;
    const std::string ini = dir.Write("a.ini",
                                      "[Views]\n"
                                      "PluginValue=pv\n"
                                      "ViewMainWindowRect=1 2 3 4\n"
                                      "[Reports]\n"
                                      "ReportsPrinterFont=Serif\n"
                                      "ReportsPrinterMarginsLeft=150\n"
                                      "[Basic]\n"
                                      "Other=never read\n");
    CSettingsStore store;
    store.SetSetting("ReportsPrinterMarginsTop", "kept");
    store.LoadIniSettings(ini);
    EXPECT_EQ(store.GetSetting("PluginValue"), "pv");
    EXPECT_EQ(store.GetSetting("ViewMainWindowRect"), "1 2 3 4");
    EXPECT_EQ(store.GetSetting("ReportsPrinterFont"), "Serif");
    EXPECT_EQ(store.GetSetting("ReportsPrinterMarginsLeft"), "150");
    EXPECT_EQ(store.GetSetting("ReportsPrinterMarginsTop"), "kept") << "missing from the file";
    EXPECT_EQ(store.GetSetting("Other"), "");

    // The window keys are written only when the flag's low byte is set.
    for (int flag : {0, 0x100, 1}) {
        const std::string out = dir.File("out" + std::to_string(flag) + ".ini");
        int placements = 0;
        store.SetWindowPlacementHook([&] {
            ++placements;
            store.SetSetting("ViewMainWindowMaximized", "1");
        });
        store.SaveIniSettings(out, flag);
        EXPECT_EQ(placements, 1);
        EXPECT_EQ(plat::ReadIniValue(out, "Views", "PluginValue"), "pv");
        EXPECT_EQ(plat::ReadIniValue(out, "Reports", "ReportsPrinterMarginsTop"), "kept");
        const auto maximized = plat::ReadIniValue(out, "Views", "ViewMainWindowMaximized");
        if (flag == 1) {
            EXPECT_EQ(maximized, "1");
        } else {
            EXPECT_EQ(maximized, std::nullopt) << flag;
        }
    }
}

TEST(SettingsStore, LastPasswordIsNeverWritten) {
    testing::TempDirectory dir;
    const std::string ini = dir.File("a.ini");
    MemoryProfile profile;
    plat::SetCurrentProfile(&profile);

    CSettingsStore store;
    store.SetSetting("PasswordLast", "secret");
    store.SetSetting("PluginValue", "pv");
    // A writer of further keys goes through the same transfer as the host's own keys.
    store.SetDialogKeyHooks({{}, [&](const std::string& path) {
                                 store.StoreIniKey("Basic", "PasswordLast", path);
                                 store.StoreIniKey("Basic", "passwordlast", path);
                             }});
    store.SaveIniSettings(ini, 1);
    store.SaveIniSettings("", 1);
    plat::SetCurrentProfile(nullptr);

    EXPECT_EQ(store.GetSetting("PasswordLast"), "secret") << "kept while the program runs";
    EXPECT_EQ(plat::ReadIniValue(ini, "Views", "PluginValue"), "pv");
    EXPECT_EQ(plat::ReadIniValue(ini, "Basic", "PasswordLast"), std::nullopt);
    EXPECT_EQ(profile.values.count("Views/PluginValue"), 1u);
    EXPECT_EQ(profile.values.count("Basic/PasswordLast"), 0u);
    EXPECT_EQ(profile.values.count("Basic/passwordlast"), 0u);
}

}  // namespace
