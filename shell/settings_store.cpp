#include "settings_store.h"

#include <fstream>
#include <vector>

#include "plat/resource_strings.h"
#include "plat/utf8.h"
#include "string_ids.h"
#include "support/ini_transfer.h"
#include "support/paths.h"

namespace {

std::string NormaliseKey(std::string_view key) {
    std::string upper(key);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

// Blanks around a key or value; "\r" too, so files with CRLF line ends read cleanly.
constexpr std::string_view kBlanks = "\n\r\t ";

std::string_view CleanField(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    text = text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
    if (text.size() > 1 && text.front() == '"' && text.back() == '"') {
        text = text.substr(1, text.size() - 2);
    }
    return text;
}

}  // namespace

std::string CSettingsStore::GetSetting(std::string_view key) const {
    const auto it = values_.find(NormaliseKey(key));
    return it != values_.end() ? it->second : std::string();
}

void CSettingsStore::SetSetting(std::string_view key, std::string_view value) {
    if (key.empty()) return;
    std::string normal = NormaliseKey(key);
    if (normal.front() != '+') {
        values_[std::move(normal)] = value;
        return;
    }
    normal.erase(0, 1);
    if (normal.empty()) return;
    std::string& stored = values_[std::move(normal)];
    if (stored.empty()) {
        stored = value;
    } else {
        stored += '\n';
        stored += value;
    }
}

void CSettingsStore::Clear() { values_.clear(); }

std::optional<std::pair<std::string, std::string>> ParseSettingsLine(std::string_view line) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    const std::string_view key = CleanField(line.substr(0, equals));
    if (key.empty() || std::string_view(";#![").find(key.front()) != std::string_view::npos) {
        return std::nullopt;
    }
    return std::pair{plat::ToUtf8(key), plat::ToUtf8(CleanField(line.substr(equals + 1)))};
}

void CSettingsStore::LoadSettingsFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return;
    std::string line;
    while (std::getline(file, line)) {
        if (auto entry = ParseSettingsLine(line)) SetSetting(entry->first, entry->second);
    }
}

void CSettingsStore::LoadSettingsFiles(const std::string& directory) {
    const std::string extension = plat::LoadResString(ids::SETTINGS_FILE_EXTENSION);
    if (extension.empty()) return;
    std::vector<std::string> files;
    ListFiles(files, directory, extension, true);
    for (const std::string& file : files) LoadSettingsFile(file);
}

namespace {

// The host's own keys of the INI transfer.
struct IniKey {
    const char* section;
    const char* key;
};
constexpr IniKey kHostKeys[] = {
    {"Views", "PluginValue"},
    {"Reports", "ReportsPrinterFont"},
    {"Reports", "ReportsPrinterMarginsLeft"},
    {"Reports", "ReportsPrinterMarginsTop"},
    {"Reports", "ReportsPrinterMarginsRight"},
    {"Reports", "ReportsPrinterMarginsBottom"},
    // Where the open dialog starts.
    {"Basic", "DirectoryFiles"},
};
constexpr IniKey kWindowKeys[] = {
    {"Views", "ViewMainWindowRect"},
    {"Views", "ViewMainWindowIconic"},
    {"Views", "ViewMainWindowMaximized"},
    {"Views", "ViewMainWindowHeightTopArea"},
};

// Kept for the running session only (re-opening a document), never stored.
constexpr std::string_view kMemoryOnlyKey = "PASSWORDLAST";

}  // namespace

void CSettingsStore::LoadIniKey(const char* section, const char* key, const std::string& iniPath) {
    IniToStore([this](std::string_view k) { return GetSetting(k); },
               [this](std::string_view k, std::string_view v) { SetSetting(k, v); }, section, key,
               iniPath);
}

void CSettingsStore::StoreIniKey(const char* section, const char* key,
                                 const std::string& iniPath) const {
    if (NormaliseKey(key) == kMemoryOnlyKey) return;
    StoreToIni([this](std::string_view k) { return GetSetting(k); }, section, key, iniPath);
}

void CSettingsStore::LoadIniSettings(const std::string& iniPath) {
    if (dialogKeys_.load) dialogKeys_.load(iniPath);
    for (const IniKey& k : kHostKeys) LoadIniKey(k.section, k.key, iniPath);
    for (const IniKey& k : kWindowKeys) LoadIniKey(k.section, k.key, iniPath);
}

void CSettingsStore::SaveIniSettings(const std::string& iniPath, int flag) {
    if (dialogKeys_.save) dialogKeys_.save(iniPath);
    for (const IniKey& k : kHostKeys) StoreIniKey(k.section, k.key, iniPath);
    if (storeWindowPlacement_) storeWindowPlacement_();
    if ((flag & 0xFF) == 0) return;
    for (const IniKey& k : kWindowKeys) StoreIniKey(k.section, k.key, iniPath);
}

CSettingsStore& SettingsStore() {
    static CSettingsStore store;
    return store;
}

std::string GetSetting(const std::string& key) { return SettingsStore().GetSetting(key); }

void SetSetting(const std::string& key, const std::string& value) {
    SettingsStore().SetSetting(key, value);
}

bool BoolSetting(std::string_view key, bool defaultValue) {
    return ParseBool(SettingsStore().GetSetting(key), defaultValue);
}

int IntSetting(std::string_view key, int defaultValue) {
    return ParseInt(SettingsStore().GetSetting(key), defaultValue);
}
