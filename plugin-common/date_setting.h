#pragma once

// Date settings, stored as "yyyyMMdd" or typed by the user.

#include <string_view>

#include "support/calendar_values.h"
#include "support/setting_values.h"

// "" gives defaultDate; a text that reads as no date (invalid or empty)
// gives today.
CDate TextToDate(std::string_view text, const CDate& defaultDate);
CDate GetDateSetting(const SettingGetter& get, std::string_view key, const CDate& defaultDate);
