#pragma once

// The option dialogs' settings (view and file options, the schedule's base
// unit and time-bar formats, the units on screen) between the settings store
// and an INI file, or the user's profile when the path is empty. The settings
// load and save run them beside the host's own keys.

#include <string>

#include "support/setting_values.h"

void ReadOptionSettings(const SettingGetter& get, const SettingSetter& set, const std::string& iniPath);
void WriteOptionSettings(const SettingGetter& get, const std::string& iniPath);
