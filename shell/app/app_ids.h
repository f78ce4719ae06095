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
inline constexpr unsigned ID_APP_EXIT = 0xE141;

inline constexpr unsigned ID_CHANGE_PASSWORD = 32773;
inline constexpr unsigned ID_DOCUMENT_PASSWORDS = 32774;
inline constexpr unsigned ID_EXPORT = 32787;
inline constexpr unsigned ID_REPORT_GLOBAL = 32786;
inline constexpr unsigned ID_REPORT_PREVIEW = 32784;
inline constexpr unsigned ID_REPORT_PRINT = 32780;
inline constexpr unsigned ID_UNDO = 31790;
inline constexpr unsigned ID_REDO = 31791;
inline constexpr unsigned ID_HELP = 31794;
inline constexpr unsigned ID_COPY_FILE = 1025;
inline constexpr unsigned ID_BASE_UNIT_COMBO = 32810;

// Captions of the menu bar's menus.
inline constexpr unsigned MENU_FILE = 41300;
inline constexpr unsigned MENU_EDIT = 41301;

}  // namespace app_ids
