#pragma once

#include <string>
#include <string_view>

#include "support/setting_values.h"

// Moves one key between the settings and an INI file, or the application
// profile when iniPath is empty. In INI files a newline inside a value is
// written as the marker "<!nl!>".

inline constexpr std::string_view kIniNewlineMarker = "<!nl!>";

// A key missing from the file (or the profile) keeps its current value.
bool IniToStore(const SettingGetter& get, const SettingSetter& set, std::string_view section,
                std::string_view key, const std::string& iniPath);
// False when the INI file could not be written.
bool StoreToIni(const SettingGetter& get, std::string_view section, std::string_view key,
                const std::string& iniPath);
