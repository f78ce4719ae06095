#pragma once

// Texts and dialog items of the booking dialogs.

namespace booking_ids {

inline constexpr unsigned NO_TASKS = 402;
inline constexpr unsigned PERIOD_REVERSED = 403;
inline constexpr unsigned NO_RESOURCE_CHECKED = 404;
inline constexpr unsigned DURATION_INVALID = 405;
inline constexpr unsigned CONFIRM_DELETE_ALL = 417;
inline constexpr unsigned HEADER_RESOURCE = 418;
inline constexpr unsigned HEADER_TASK = 419;
inline constexpr unsigned HEADER_START = 420;
inline constexpr unsigned HEADER_END = 421;
inline constexpr unsigned CAPTION_NEW = 5350;
inline constexpr unsigned CAPTION_EDIT = 5351;
inline constexpr unsigned PART_FROM_DATE = 14000;
inline constexpr unsigned PART_TO_DATE = 14001;
inline constexpr unsigned PART_FROM_TIME = 14010;
inline constexpr unsigned PART_TO_TIME = 14011;
inline constexpr unsigned NO_TASK_CHOSEN = 14060;
inline constexpr unsigned NO_RESOURCE_CHOSEN = 14061;
inline constexpr unsigned DATE_MISSING = 14062;
inline constexpr unsigned TIME_MISSING = 14063;
inline constexpr unsigned VIEW_BUTTON = 14100;

// Captions and labels of the dialogs built in code.
inline constexpr unsigned LABEL_TASK = 41400;
inline constexpr unsigned LABEL_RESOURCE = 41401;
inline constexpr unsigned LABEL_RESOURCES = 41402;
inline constexpr unsigned LABEL_DURATION = 41403;
inline constexpr unsigned LABEL_COLOR1 = 41404;
inline constexpr unsigned LABEL_COLOR2 = 41405;
inline constexpr unsigned LABEL_FLAG = 41406;
inline constexpr unsigned LABEL_NOTE = 41407;
inline constexpr unsigned BUTTON_NEW_TASK = 41408;
inline constexpr unsigned CAPTION_LIST = 41410;
inline constexpr unsigned BUTTON_EDIT = 41411;
inline constexpr unsigned BUTTON_DELETE = 41412;
inline constexpr unsigned BUTTON_DELETE_ALL = 41413;
inline constexpr unsigned BUTTON_COPY = 41414;
inline constexpr unsigned BUTTON_CUT = 41415;
inline constexpr unsigned BUTTON_CLOSE = 41416;
inline constexpr unsigned CAPTION_CONFLICTS = 41420;
inline constexpr unsigned CONFLICTS_PROMPT = 41421;
inline constexpr unsigned CAPTION_DELETE = 41430;
inline constexpr unsigned DELETE_PROMPT = 41431;
inline constexpr unsigned LABEL_DELETE_RESOURCE = 41432;
inline constexpr unsigned LABEL_DELETE_TASK = 41433;
inline constexpr unsigned LABEL_DELETE_START = 41434;
inline constexpr unsigned LABEL_DELETE_END = 41435;

}  // namespace booking_ids

// Dialog items of the booking dialog.
inline constexpr int IDC_BOOKING_COLOR1 = 1000;
inline constexpr int IDC_BOOKING_COLOR2 = 1001;
inline constexpr int IDC_BOOKING_NOTE = 1006;
inline constexpr int IDC_BOOKING_NEW_TASK = 1008;
inline constexpr int IDC_BOOKING_DURATION = 1011;
inline constexpr int IDC_BOOKING_FLAG = 1012;
inline constexpr int IDC_BOOKING_RESOURCE_TREE = 1013;
inline constexpr int IDC_BOOKING_DATES = 1016;
inline constexpr int IDC_BOOKING_RESOURCE_CHECKS = 1032;
inline constexpr int IDC_BOOKING_TASK = 1038;
inline constexpr int IDC_BOOKING_TIMES = 1062;

// Dialog items of the booking list and conflicts dialogs.
inline constexpr int IDC_BOOKING_LIST = 1000;
inline constexpr int IDC_BOOKING_LIST_DELETE = 1002;
inline constexpr int IDC_BOOKING_LIST_EDIT = 1003;
inline constexpr int IDC_BOOKING_LIST_COPY = 1010;
inline constexpr int IDC_BOOKING_LIST_DELETE_ALL = 1011;
inline constexpr int IDC_BOOKING_LIST_CUT = 1012;
inline constexpr int IDC_BOOKING_CONFLICTS_PROMPT = 1013;

// Dialog items of the booking delete dialog.
inline constexpr int IDC_BOOKING_DELETE_RESOURCE = 1042;
inline constexpr int IDC_BOOKING_DELETE_TASK = 1043;
inline constexpr int IDC_BOOKING_DELETE_START = 1044;
inline constexpr int IDC_BOOKING_DELETE_END = 1045;
