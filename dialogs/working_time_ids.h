#pragma once

// Texts and dialog items of the working-time and period choice dialogs.

namespace working_time_ids {

inline constexpr unsigned DAY_END_NOT_AFTER_START = 14030;
inline constexpr unsigned NO_WEEKDAY = 14040;
inline constexpr unsigned NO_WORKING_DAY_IN_PERIOD = 14041;

// Captions and labels of the dialogs built in code.
inline constexpr unsigned CAPTION_WORKING_TIME = 41500;
inline constexpr unsigned LABEL_WORKING_DAYS = 41501;
inline constexpr unsigned CAPTION_PERIOD_CHOICE = 41502;

}  // namespace working_time_ids

// Dialog items of the working-time dialog.
inline constexpr int IDC_WORKING_WEEKDAYS = 1003;
inline constexpr int IDC_WORKING_PERIOD = 1016;
inline constexpr int IDC_WORKING_DAY = 1062;

// The period choice dialog's calendar.
inline constexpr int IDC_PERIOD_CALENDAR = 1000;
