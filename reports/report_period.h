#pragma once

// What several reports read the same way: their period from the settings
// and the moments a booking starts and ends.

#include <cstdint>
#include <string_view>

#include "support/calendar_values.h"
#include "support/setting_values.h"

// With "<prefix>Fixed" on, "<prefix>FixedStart" and "<prefix>FixedEnd";
// otherwise the view's visible range, whose end at 0:00 ("ViewVisibleTimeLast"
// 0) names the day before.
void ReadReportPeriod(const SettingGetter& get, std::string_view prefix, CDate& first, CDate& last);

// A booking's day and minutes as a moment; 24:00 stays on its day as the
// end of the day.
CDateTime BookingMoment(std::int32_t day, std::int16_t minutes);
