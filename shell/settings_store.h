#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

// The program's one table of settings: every setting is a text under a key.
// Keys are compared without regard to (ASCII) case; an empty value and a
// missing key read the same.
class CSettingsStore {
public:
    std::string GetSetting(std::string_view key) const;
    // An empty key is ignored. A key written "+Key" appends a line to a
    // non-empty value of Key.
    void SetSetting(std::string_view key, std::string_view value);
    void Clear();

    // Reads a settings text file ("Key=Value" lines); a file that cannot be
    // read leaves the store as it was.
    void LoadSettingsFile(const std::string& path);
    // Reads every settings text file below the directory, in search order.
    void LoadSettingsFiles(const std::string& directory);

    // What the rest of the host adds to the INI transfer: the option
    // dialogs' keys (from start-up on) and the main window's placement (while
    // the window exists).
    struct DialogKeyHooks {
        std::function<void(const std::string& iniPath)> load;
        std::function<void(const std::string& iniPath)> save;
    };
    void SetDialogKeyHooks(DialogKeyHooks hooks) { dialogKeys_ = std::move(hooks); }
    void SetWindowPlacementHook(std::function<void()> storePlacement) {
        storeWindowPlacement_ = std::move(storePlacement);
    }

    // The host's own keys between an INI file (empty path: the profile) and
    // the store; the main-window keys are saved only when the flag's low
    // byte is nonzero.
    void LoadIniSettings(const std::string& iniPath);
    void SaveIniSettings(const std::string& iniPath, int flag);

    // One key between the store and an INI file or the profile. The last
    // password the user entered stays in memory only: it is never written.
    void LoadIniKey(const char* section, const char* key, const std::string& iniPath);
    void StoreIniKey(const char* section, const char* key, const std::string& iniPath) const;

private:
    std::map<std::string, std::string> values_;
    DialogKeyHooks dialogKeys_;
    std::function<void()> storeWindowPlacement_;
};

// One line of a settings text file as (key, value), or nothing when the
// line is skipped (no "=", an empty key, or a key starting a comment).
std::optional<std::pair<std::string, std::string>> ParseSettingsLine(std::string_view line);

// The program's store, and the getter and setter the typed accessors use.
CSettingsStore& SettingsStore();
std::string GetSetting(const std::string& key);
void SetSetting(const std::string& key, const std::string& value);
// Typed readers of the program's store ("" gives the default).
bool BoolSetting(std::string_view key, bool defaultValue);
int IntSetting(std::string_view key, int defaultValue);
