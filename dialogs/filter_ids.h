#pragma once

// Texts and dialog items of the filter dialog and its saved-filter dialogs.

namespace filter_ids {

inline constexpr unsigned NAME_EMPTY = 5371;
inline constexpr unsigned CONFIRM_OVERWRITE = 5372;   // %s the saved filter's name
inline constexpr unsigned MODE_ALL = 14500;
inline constexpr unsigned MODE_FLAGGED = 14501;
inline constexpr unsigned MODE_UNFLAGGED = 14502;

// Captions and labels of the dialogs built in code.
inline constexpr unsigned CAPTION_FILTER = 41580;
inline constexpr unsigned LABEL_RESOURCES = 41581;
inline constexpr unsigned LABEL_TASKS = 41582;
inline constexpr unsigned LABEL_MODE = 41583;
inline constexpr unsigned BUTTON_LOAD = 41584;
inline constexpr unsigned BUTTON_SAVE_AS = 41585;
inline constexpr unsigned CAPTION_LOAD = 41586;
inline constexpr unsigned LABEL_SAVED = 41587;
inline constexpr unsigned BUTTON_DELETE = 41588;
inline constexpr unsigned CAPTION_SAVE_AS = 41589;
inline constexpr unsigned LABEL_NAME = 41590;

}  // namespace filter_ids

// The filter dialog.
inline constexpr int IDC_FILTER_LOAD = 1014;
inline constexpr int IDC_FILTER_SAVE_AS = 1015;
inline constexpr int IDC_FILTER_RESOURCES = 1016;
inline constexpr int IDC_FILTER_TASKS = 1017;
inline constexpr int IDC_FILTER_MODE = 1018;

// The saved-filter list and the name dialog.
inline constexpr int IDC_FILTER_LIST = 1000;
inline constexpr int IDC_FILTER_LIST_DELETE = 1002;
inline constexpr int IDC_FILTER_NAME = 1002;
