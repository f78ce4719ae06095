#pragma once

// Texts and dialog items of the view, schedule, units-on-screen and setting
// dialogs.

namespace option_ids {

inline constexpr unsigned DEFAULT_VIEW_FONT = 270;
inline constexpr unsigned UNIT_NAME_FIRST = 500;        // 500 to 507: units 0 to 7
inline constexpr unsigned DURATION_STYLE_FIRST = 600;   // 600 to 603: styles 1 to 4, %s a working day

// Captions and labels of the dialogs built in code.
inline constexpr unsigned CAPTION_VIEW_OPTIONS = 41510;
inline constexpr unsigned LABEL_DURATION = 41511;
inline constexpr unsigned LABEL_SHOW_NON_WORKING = 41512;
inline constexpr unsigned LABEL_FILE_OPEN_LAST = 41513;
inline constexpr unsigned LABEL_NOTES_ON_BOOKINGS = 41514;
inline constexpr unsigned LABEL_OPEN_FILE_TODAY = 41515;
inline constexpr unsigned LABEL_CHECK_CONFLICTS = 41516;
inline constexpr unsigned LABEL_MARK_TODAY = 41517;
inline constexpr unsigned LABEL_NON_WORKING_COLOR = 41518;
inline constexpr unsigned LABEL_FONT = 41519;
inline constexpr unsigned CAPTION_SCHEDULE_OPTIONS = 41520;
inline constexpr unsigned LABEL_BASE_UNIT = 41521;
inline constexpr unsigned LABEL_MAJOR_ROW = 41522;
inline constexpr unsigned LABEL_MINOR_ROW = 41523;
inline constexpr unsigned CAPTION_UNITS_ON_SCREEN = 41530;
inline constexpr unsigned LABEL_UNITS_ON_SCREEN = 41531;
inline constexpr unsigned CAPTION_EDIT_SETTING = 41535;
inline constexpr unsigned LABEL_SETTING_KEY = 41536;
inline constexpr unsigned LABEL_SETTING_VALUE = 41537;
inline constexpr unsigned BUTTON_SHOW_VALUE = 41538;

}  // namespace option_ids

// View options.
inline constexpr int IDC_VIEW_SHOW_NON_WORKING = 1001;
inline constexpr int IDC_VIEW_DURATION = 1004;
inline constexpr int IDC_VIEW_NOTES_ON_BOOKINGS = 1011;
inline constexpr int IDC_VIEW_OPEN_FILE_TODAY = 1012;
inline constexpr int IDC_VIEW_CHECK_CONFLICTS = 1013;
inline constexpr int IDC_VIEW_MARK_TODAY = 1014;
inline constexpr int IDC_VIEW_NON_WORKING_COLOR = 1020;
inline constexpr int IDC_VIEW_FONT = 1026;
inline constexpr int IDC_VIEW_FILE_OPEN_LAST = 1044;
inline constexpr int IDC_VIEW_NON_WORKING_COLOR_LABEL = 1045;

// Schedule options.
inline constexpr int IDC_SCHEDULE_BASE_UNIT = 1000;
inline constexpr int IDC_SCHEDULE_MAJOR_FORMAT = 1002;
inline constexpr int IDC_SCHEDULE_MINOR_FORMAT = 1003;
inline constexpr int IDC_SCHEDULE_PERIOD = 1016;
inline constexpr int IDC_SCHEDULE_MAJOR_UNIT = 1037;
inline constexpr int IDC_SCHEDULE_BASE_UNIT_NAME = 1038;

// Units on screen.
inline constexpr int IDC_UNITS_ON_SCREEN = 1054;

// Setting editor.
inline constexpr int IDC_SETTING_VALUE = 1014;
inline constexpr int IDC_SETTING_SHOW = 1052;
inline constexpr int IDC_SETTING_KEY = 1171;
inline constexpr int IDC_SETTING_KEY_LABEL = 1185;
inline constexpr int IDC_SETTING_VALUE_LABEL = 31121;
