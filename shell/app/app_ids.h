#pragma once

// Command identifiers of the main window, and texts of the resource library
// that only the program uses.

namespace app_ids {

// Commands the framework used to number.
inline constexpr unsigned ID_FILE_NEW = 0xE100;
inline constexpr unsigned ID_FILE_OPEN = 0xE101;
inline constexpr unsigned ID_FILE_SAVE = 0xE103;
inline constexpr unsigned ID_FILE_SAVE_AS = 0xE104;
inline constexpr unsigned ID_FILE_MRU_FILE1 = 0xE110;   // ... ID_FILE_MRU_FILE16 = 0xE11F
inline constexpr unsigned ID_FILE_PRINT = 0xE107;
inline constexpr unsigned ID_FILE_PRINT_SETUP = 0xE106;
inline constexpr unsigned ID_APP_ABOUT = 0xE140;
inline constexpr unsigned ID_APP_EXIT = 0xE141;

inline constexpr unsigned ID_CHANGE_PASSWORD = 32773;
inline constexpr unsigned ID_DOCUMENT_PASSWORDS = 32774;
inline constexpr unsigned ID_EXPORT = 32787;
inline constexpr unsigned ID_REPORT_GLOBAL = 32786;
inline constexpr unsigned ID_REPORT_PREVIEW = 32784;
inline constexpr unsigned ID_REPORT_PRINT = 32780;
inline constexpr unsigned ID_BOOKING_NEW = 32768;
inline constexpr unsigned ID_BOOKING_EDIT = 32769;
inline constexpr unsigned ID_BOOKING_DELETE = 32770;
inline constexpr unsigned ID_WORKING_TIME = 32772;
inline constexpr unsigned ID_RESOURCE_LIST = 32775;
inline constexpr unsigned ID_TASK_LIST = 32776;
inline constexpr unsigned ID_VIEW_OPTIONS = 32777;
inline constexpr unsigned ID_GO_TO_TODAY = 32779;
inline constexpr unsigned ID_BOOKING_CUT = 32781;
inline constexpr unsigned ID_BOOKING_COPY = 32782;
inline constexpr unsigned ID_BOOKING_PASTE = 32783;
inline constexpr unsigned ID_FILTER_DIALOG = 32785;
inline constexpr unsigned ID_FILTER_ON_OFF = 32788;
inline constexpr unsigned ID_UNITS_ON_SCREEN = 32789;
inline constexpr unsigned ID_CHOOSE_PERIOD = 32790;
inline constexpr unsigned ID_VIEW_COMMAND = 32791;
inline constexpr unsigned ID_SCHEDULE_OPTIONS = 32792;
inline constexpr unsigned ID_VIEW_FIRST = 32800;   // views 0, 1, 2: 32800 to 32802
inline constexpr unsigned ID_EDIT_SETTING = 31787;
inline constexpr unsigned ID_UNDO = 31790;
inline constexpr unsigned ID_REDO = 31791;
inline constexpr unsigned ID_HELP = 31794;
inline constexpr unsigned ID_COPY_FILE = 1025;
inline constexpr unsigned ID_BASE_UNIT_COMBO = 32810;

// Captions of the menu bar's menus.
inline constexpr unsigned MENU_FILE = 41300;
inline constexpr unsigned MENU_EDIT = 41301;
inline constexpr unsigned MENU_VIEW = 41302;
inline constexpr unsigned MENU_OPTIONS = 41303;
inline constexpr unsigned MENU_HELP = 41304;

}  // namespace app_ids
