#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "support/setting_values.h"

// The base units of the schedule's time axis: 0 one minute, 1 five minutes,
// 2 fifteen minutes, 3 hour, 4 day, 5 week, 6 month, 7 year.
inline constexpr int kTimeBarUnitCount = 8;

using UnitsOnScreen = std::array<std::int16_t, kTimeBarUnitCount>;
using LabelCodes = std::array<std::int32_t, kTimeBarUnitCount>;

inline constexpr std::string_view kUnitsOnScreenKey = "ViewScheduleUnitsOnScreen";
inline constexpr std::string_view kTimeBarFormatMajorKey = "ViewScheduleTimeBarFormatMajor";
inline constexpr std::string_view kTimeBarFormatMinorKey = "ViewScheduleTimeBarFormatMinor";

// The unit of the major label row over a base unit; 7 is its own major.
int MajorUnitOf(int unit);

void GetDefaultUnitsOnScreen(UnitsOnScreen& units);
void GetDefaultTimeBarFormats(LabelCodes& major, LabelCodes& minor);

// The defaults, then the first eight numbers of the setting, each clamped
// to 1..32767.
void LoadUnitsOnScreen(const SettingGetter& get, UnitsOnScreen& units);
// The first eight numbers of the key's list; missing ones keep what codes held.
void LoadFormatList(const SettingGetter& get, std::string_view key, LabelCodes& codes);
void LoadTimeBarFormats(const SettingGetter& get, LabelCodes& major, LabelCodes& minor);
