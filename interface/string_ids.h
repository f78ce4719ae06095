#pragma once

// Identifiers of the texts of the resource library (QELRes_GetString).
// Texts that take arguments are printf formats; the argument kinds are noted.

namespace ids {

inline constexpr unsigned APP_TITLE = 0xE000;
inline constexpr unsigned PROFILE_KEY = 0xE004;

inline constexpr unsigned HELP_FILE = 160;
inline constexpr unsigned HELP_NOT_OPENED = 161;    // %s help page
inline constexpr unsigned LIBRARY_CONTROLS = 170;
inline constexpr unsigned LIBRARY_REPORT_DOCUMENT = 171;
inline constexpr unsigned LIBRARY_DATA = 172;
inline constexpr unsigned PLUGIN_VIEWS = 173;
inline constexpr unsigned PLUGIN_IMPORT = 174;
inline constexpr unsigned PLUGIN_REPORTS = 175;
inline constexpr unsigned SETTINGS_FILE_EXTENSION = 185;
inline constexpr unsigned PLUGIN_FILE_EXTENSION = 186;

inline constexpr unsigned DOCUMENT_FILTER = 207;
inline constexpr unsigned DOCUMENT_EXTENSION = 208;
inline constexpr unsigned TITLE_UNTITLED = 230;
inline constexpr unsigned TITLE_MODIFIED = 231;
inline constexpr unsigned TITLE_CAPTION = 232;          // %s document name
inline constexpr unsigned TITLE_READ_ONLY = 233;
inline constexpr unsigned STATUS_PASSWORD = 302;
inline constexpr unsigned DEFAULT_PRINTER_FONT = 360;

inline constexpr unsigned DURATION_HOURS = 427;          // %f hours
inline constexpr unsigned DURATION_WORKING_DAYS = 428;   // %f days
inline constexpr unsigned DURATION_HOURS_MINUTES = 429;  // %d hours, %d minutes
inline constexpr unsigned DURATION_MINUTES = 430;        // %d minutes
// Labels of the booking tooltip's lines.
inline constexpr unsigned TOOLTIP_RESOURCE = 431;
inline constexpr unsigned TOOLTIP_TASK = 432;
inline constexpr unsigned TOOLTIP_START = 433;
inline constexpr unsigned TOOLTIP_END = 434;
inline constexpr unsigned TOOLTIP_DURATION = 435;
inline constexpr unsigned TOOLTIP_TEXT = 436;

inline constexpr unsigned UNDO_FAILED = 450;
inline constexpr unsigned REDO_FAILED = 451;
inline constexpr unsigned BASE_UNIT_FIRST = 500;         // 500 to 506: base units 0 to 6
inline constexpr unsigned MENU_UNDO = 650;               // %s step name
inline constexpr unsigned MENU_REDO = 651;               // %s step name

inline constexpr unsigned FILE_NOT_FOUND = 800;          // %s path
inline constexpr unsigned SAVE_OLDER_FORMAT = 900;       // %s file name
inline constexpr unsigned SAVE_FAILED = 901;
inline constexpr unsigned REOPEN_DISCARDS = 902;         // %s file name
inline constexpr unsigned REOPEN_FAILED = 903;
inline constexpr unsigned OPEN_CANNOT = 904;             // %s path
inline constexpr unsigned OPEN_FAILED = 905;             // %s path
inline constexpr unsigned OPEN_READ_ONLY = 906;          // %s path
inline constexpr unsigned OPEN_TEXTS_SHORTENED = 907;    // %s path

inline constexpr unsigned LIBRARY_NOT_LOADED = 1100;     // %s file name
inline constexpr unsigned LIBRARY_NO_ENTRY = 1101;       // %s file name
inline constexpr unsigned PROGRAM_DIRECTORY_INFO = 1150; // %s directory

// Texts the desktop platform used to supply.
inline constexpr unsigned COMMAND_FAILED = 1200;
inline constexpr unsigned RECENT_FILE_ITEM = 1201;       // %d position, %s path
inline constexpr unsigned PREVIEW_CLOSE = 1202;
inline constexpr unsigned PREVIEW_PREVIOUS = 1203;
inline constexpr unsigned PREVIEW_NEXT = 1204;
inline constexpr unsigned PREVIEW_ZOOM_IN = 1205;
inline constexpr unsigned PREVIEW_ZOOM_OUT = 1206;
inline constexpr unsigned PRINT_OUTPUT_FAILED = 1207;    // %s path
inline constexpr unsigned NUMBER_NOT_A_NUMBER = 1208;    // %s a number as the edit writes it
inline constexpr unsigned NUMBER_OUT_OF_RANGE = 1209;    // %s lowest, %s highest

// Undo step names.
inline constexpr unsigned UNDO_ADD_RESOURCE = 3000;
inline constexpr unsigned UNDO_EDIT_RESOURCE = 3001;
inline constexpr unsigned UNDO_DELETE_RESOURCE = 3002;
inline constexpr unsigned UNDO_SORT_RESOURCES = 3010;
inline constexpr unsigned UNDO_MOVE_RESOURCE = 3011;
inline constexpr unsigned UNDO_MOVE_RESOURCE_GROUP = 3012;
inline constexpr unsigned UNDO_ADD_RESOURCE_GROUP = 3100;
inline constexpr unsigned UNDO_EDIT_RESOURCE_GROUP = 3101;
inline constexpr unsigned UNDO_DELETE_RESOURCE_GROUP = 3102;
inline constexpr unsigned UNDO_ADD_TASK = 3200;
inline constexpr unsigned UNDO_EDIT_TASK = 3201;
inline constexpr unsigned UNDO_DELETE_TASK = 3202;
inline constexpr unsigned UNDO_SORT_TASKS = 3210;
inline constexpr unsigned UNDO_MOVE_TASK = 3211;
inline constexpr unsigned UNDO_MOVE_TASK_GROUP = 3212;
inline constexpr unsigned UNDO_ADD_TASK_GROUP = 3300;
inline constexpr unsigned UNDO_EDIT_TASK_GROUP = 3301;
inline constexpr unsigned UNDO_DELETE_TASK_GROUP = 3302;
inline constexpr unsigned UNDO_PASSWORDS = 3500;
inline constexpr unsigned UNDO_WORKING_TIME = 3505;
inline constexpr unsigned UNDO_NEW_BOOKING = 3599;
inline constexpr unsigned UNDO_NEW_BOOKINGS = 3600;
inline constexpr unsigned UNDO_EDIT_BOOKING = 3601;
inline constexpr unsigned UNDO_DELETE_BOOKINGS = 3602;
inline constexpr unsigned UNDO_DELETE_BOOKING = 3603;
inline constexpr unsigned UNDO_CUT_BOOKING = 3604;
inline constexpr unsigned UNDO_PASTE_BOOKINGS = 3606;
inline constexpr unsigned UNDO_SAVE_FILTER = 3650;
inline constexpr unsigned UNDO_DELETE_FILTER = 3651;
inline constexpr unsigned CALENDAR_OVERFLOW_DAY = 406;       // %s the day
inline constexpr unsigned CALENDAR_OVERFLOW_COUNT = 407;     // %d its bookings
inline constexpr unsigned VIEWS_DESCRIPTION = 21000;
inline constexpr unsigned SCHEDULE_HEADER_RESOURCES = 22000;
inline constexpr unsigned SCHEDULE_HEADER_TASKS = 22001;
inline constexpr unsigned SCHEDULE_ROW_TRACK_TIP = 22100;   // %s row name
inline constexpr unsigned SCHEDULE_COLUMN_TRACK_TIP = 22101;   // %s the column's date
inline constexpr unsigned CALENDAR_WEEK_TOOLTIP = 22102;    // %s the week's first day
inline constexpr unsigned SCHEDULE_DROP_ON_GROUP = 22120;
inline constexpr unsigned UNDO_MOVE_BOOKING = 22200;
inline constexpr unsigned UNDO_RESIZE_BOOKING = 22201;
inline constexpr unsigned UNDO_IMPORT = 33100;

// Import of delimited files.
inline constexpr unsigned IMPORT_NO_RECORDS = 34000;        // %s file name
inline constexpr unsigned IMPORT_CONFIRM = 34001;
inline constexpr unsigned IMPORT_DONE = 34002;              // %d record count
inline constexpr unsigned IMPORT_COMMIT_FAILED = 34101;
inline constexpr unsigned IMPORT_CANNOT_READ = 34102;       // %s file name
inline constexpr unsigned IMPORT_BUILD_FAILED = 34103;
inline constexpr unsigned IMPORT_VALUE_MISSING = 34120;
inline constexpr unsigned IMPORT_DATE_INVALID = 34122;
inline constexpr unsigned IMPORT_END_BEFORE_START = 34123;
inline constexpr unsigned IMPORT_TIME_INVALID = 34124;
inline constexpr unsigned IMPORT_NUL_IN_FIELD = 34125;
inline constexpr unsigned IMPORT_ERRORS_IN_ALL = 34126;     // %d errors in all, %d listed
inline constexpr unsigned IMPORT_RESOURCE_UNKNOWN = 35040;
inline constexpr unsigned IMPORT_TASK_UNKNOWN = 35041;
inline constexpr unsigned IMPORT_FIELD_RESOURCE = 35050;    // 35050 to 35057: the booking fields
inline constexpr unsigned IMPORT_FIELD_NAME = 35120;
inline constexpr unsigned IMPORT_FIELD_GROUP = 35121;

// The import plugin: its menu, commands and dialogs.
inline constexpr unsigned IMPORT_PLUGIN_DESCRIPTION = 31000;
inline constexpr unsigned IMPORT_GRID_FIELD = 31001;
inline constexpr unsigned IMPORT_GRID_COLUMN = 31002;
inline constexpr unsigned IMPORT_COLUMN_NUMBER = 31003;      // %d column number
inline constexpr unsigned IMPORT_FIRST_LINE_UNREADABLE = 31004;  // %s file name
inline constexpr unsigned IMPORT_FILE_EXTENSION = 31010;
inline constexpr unsigned IMPORT_FILE_FILTER = 31011;
inline constexpr unsigned IMPORT_FILE_TITLE = 31012;
inline constexpr unsigned IMPORT_PREVIEW_LINE = 32100;
inline constexpr unsigned IMPORT_ERROR_COLUMNS = 32150;      // 32150 to 32153: line, field, value, message
inline constexpr unsigned IMPORT_MENU = 33000;
inline constexpr unsigned IMPORT_SEPARATORS = 33200;         // 33200 to 33202: ";", ",", TAB
inline constexpr unsigned IMPORT_DESCRIPTION_EXTENSION = 33301;
inline constexpr unsigned IMPORT_DESCRIPTION_FILTER = 33302;
inline constexpr unsigned IMPORT_DESCRIPTION_SAVE_TITLE = 33303;
inline constexpr unsigned IMPORT_DESCRIPTION_LOAD_TITLE = 33304;
inline constexpr unsigned IMPORT_DESCRIPTION_MISMATCH = 33310;
inline constexpr unsigned IMPORT_DESCRIPTION_NOT_WRITTEN = 33311;  // %s path
inline constexpr unsigned IMPORT_NO_FILE = 34100;
// Per kind (resources 35000, tasks 35010, bookings 35030): + 0 command
// text, + 1 menu text, + 2 dialog caption, + 3 description name.
inline constexpr unsigned IMPORT_RESOURCES_TEXTS = 35000;
inline constexpr unsigned IMPORT_TASKS_TEXTS = 35010;
inline constexpr unsigned IMPORT_BOOKINGS_TEXTS = 35030;
// Labels of the import dialogs, 35200 to 35212.
inline constexpr unsigned IMPORT_LABELS = 35200;

inline constexpr unsigned CHECK_ALL = 5004;
inline constexpr unsigned UNCHECK_ALL = 5005;
inline constexpr unsigned HOLIDAY_NAME = 5010;
inline constexpr unsigned HOLIDAY_SHORT_NAME = 5011;

// Resource, task and group dialogs and the item list dialogs.
inline constexpr unsigned RESOURCE_CAPTION_NEW = 5050;
inline constexpr unsigned RESOURCE_CAPTION_EDIT = 5051;
inline constexpr unsigned RESOURCE_NO_GROUP = 5052;
inline constexpr unsigned RESOURCE_NAME_EMPTY = 5053;
inline constexpr unsigned RESOURCE_SAME_NAME = 5054;       // %s name
inline constexpr unsigned RESOURCE_LIST_CAPTION = 5060;
inline constexpr unsigned RESOURCE_GROUP_CAPTION_NEW = 5100;
inline constexpr unsigned RESOURCE_GROUP_CAPTION_EDIT = 5102;
inline constexpr unsigned RESOURCE_GROUP_NAME_EMPTY = 5103;
inline constexpr unsigned RESOURCE_GROUP_SAME_NAME = 5104;
inline constexpr unsigned TASK_CAPTION_NEW = 5250;
inline constexpr unsigned TASK_CAPTION_EDIT = 5251;
inline constexpr unsigned TASK_NO_GROUP = 5252;
inline constexpr unsigned TASK_NAME_EMPTY = 5253;
inline constexpr unsigned TASK_SAME_NAME = 5254;           // %s name
inline constexpr unsigned TASK_LIST_CAPTION = 5260;
inline constexpr unsigned TASK_GROUP_CAPTION_NEW = 5300;
inline constexpr unsigned TASK_GROUP_CAPTION_EDIT = 5302;
inline constexpr unsigned TASK_GROUP_NAME_EMPTY = 5303;
inline constexpr unsigned TASK_GROUP_SAME_NAME = 5304;
inline constexpr unsigned ITEM_LABEL_NAME = 41440;
inline constexpr unsigned ITEM_LABEL_GROUP = 41441;
inline constexpr unsigned ITEM_LABEL_NOTES = 41442;
inline constexpr unsigned ITEM_LABEL_COLOR1 = 41443;
inline constexpr unsigned ITEM_LABEL_COLOR2 = 41444;
inline constexpr unsigned ITEM_NAME_TOO_LONG = 41445;
inline constexpr unsigned ITEM_LIST_ADD = 41450;
inline constexpr unsigned ITEM_LIST_DELETE = 41451;
inline constexpr unsigned ITEM_LIST_EDIT = 41452;
inline constexpr unsigned ITEM_LIST_UP = 41453;
inline constexpr unsigned ITEM_LIST_DOWN = 41454;
inline constexpr unsigned ITEM_LIST_INTO_GROUP = 41455;
inline constexpr unsigned ITEM_LIST_OUT_OF_GROUP = 41456;
inline constexpr unsigned ITEM_LIST_SORT = 41457;
inline constexpr unsigned ITEM_LIST_CLOSE = 41458;
inline constexpr unsigned ITEM_LIST_NEW_RESOURCE = 41460;
inline constexpr unsigned ITEM_LIST_NEW_RESOURCE_GROUP = 41461;
inline constexpr unsigned ITEM_LIST_NEW_TASK = 41462;
inline constexpr unsigned ITEM_LIST_NEW_TASK_GROUP = 41463;
inline constexpr unsigned ITEM_READ_ONLY = 41464;
inline constexpr unsigned ITEM_VIEW = 14100;

// Delete confirmations, each with the record's name (%s).
inline constexpr unsigned CONFIRM_DELETE_RESOURCE = 5070;
inline constexpr unsigned CONFIRM_DELETE_RESOURCE_GROUP = 5120;
inline constexpr unsigned CONFIRM_DELETE_TASK = 5270;
inline constexpr unsigned CONFIRM_DELETE_TASK_GROUP = 5320;
inline constexpr unsigned CONFIRM_DELETE_FILTER = 5370;

// Host items of a view's context menu.
inline constexpr unsigned CONTEXT_NEW_BOOKING = 9500;
inline constexpr unsigned CONTEXT_EDIT_BOOKING = 9501;
inline constexpr unsigned CONTEXT_DELETE_BOOKINGS = 9502;
inline constexpr unsigned CONTEXT_CUT_BOOKING = 9503;
inline constexpr unsigned CONTEXT_COPY_BOOKING = 9504;
inline constexpr unsigned CONTEXT_PASTE_BOOKING = 9505;
inline constexpr unsigned CONTEXT_VIEW_BOOKING = 9510;

inline constexpr unsigned COPY_FILE_FILTER = 12240;
inline constexpr unsigned COPY_FILE_TITLE = 12241;
inline constexpr unsigned COPY_FILE_DONE = 12242;        // %s program directory
inline constexpr unsigned COPY_FILE_FAILED = 12243;      // %s program directory
inline constexpr unsigned COPY_FILE_REPLACE = 12244;     // %s target path
inline constexpr unsigned COPY_FILE_SAME = 12245;        // %s target path
inline constexpr unsigned SAVE_CHANGES = 15000;          // %s file name

// Reports.
inline constexpr unsigned REPORT_BOOKING_LIST_SUBTITLE = 26020;  // %s first day, %s last day
inline constexpr unsigned REPORT_CALENDAR_PERIOD_CUT = 26310;  // %s weeks, %s last day
inline constexpr unsigned REPORT_SCHEDULE_PERIOD_TOO_WIDE = 26560;  // %s columns
inline constexpr unsigned REPORT_FILE_NOT_WRITTEN = 27300;  // %s path, %s reason
inline constexpr unsigned REPORT_HTML_FOOTER = 27600;       // placeholders %ds %dl %ts %ti
inline constexpr unsigned REPORT_FOOTER_LEFT = 27610;       // placeholders as above and %pc %pt
inline constexpr unsigned REPORT_FOOTER_RIGHT = 27611;
inline constexpr unsigned REPORT_PRINTER_FONT = 27630;

// A frame command's own identifier holds "status prompt\ntooltip".

}  // namespace ids
