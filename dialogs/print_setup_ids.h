#pragma once

// Texts and dialog items of the print set-up and About dialogs.

namespace print_setup_ids {

inline constexpr unsigned ABOUT_LINK = 150;
inline constexpr unsigned ABOUT_VERSION = 250;     // %s version
inline constexpr unsigned LABEL_UNIT_INCH = 350;

// Captions and labels of the dialogs built in code.
inline constexpr unsigned CAPTION_PRINT_SETUP = 41540;
inline constexpr unsigned LABEL_PRINTER_FONT = 41541;
inline constexpr unsigned LABEL_UNIT_CM = 41542;
inline constexpr unsigned LABEL_MARGIN_LEFT = 41543;
inline constexpr unsigned LABEL_MARGIN_TOP = 41544;
inline constexpr unsigned LABEL_MARGIN_RIGHT = 41545;
inline constexpr unsigned LABEL_MARGIN_BOTTOM = 41546;
inline constexpr unsigned BUTTON_PAGE_SETUP = 41547;
inline constexpr unsigned LABEL_NO_PRINTER = 41548;
inline constexpr unsigned CAPTION_ABOUT = 41549;
inline constexpr unsigned LABEL_PRINTER = 41550;
inline constexpr unsigned MARGINS_TOO_LARGE = 41551;   // %s page width, %s page height

}  // namespace print_setup_ids

// Print set-up.
inline constexpr int IDC_PRINT_MARGIN_LEFT = 1014;
inline constexpr int IDC_PRINT_MARGIN_BOTTOM = 1016;
inline constexpr int IDC_PRINT_MARGIN_RIGHT = 1017;
inline constexpr int IDC_PRINT_FONT = 1026;
inline constexpr int IDC_PRINT_MARGIN_TOP = 1030;
inline constexpr int IDC_PRINT_UNIT = 1035;
inline constexpr int IDC_PRINT_PAGE_SETUP = 1038;
inline constexpr int IDC_PRINT_PRINTER = 1139;

// About.
inline constexpr int IDC_ABOUT_LINK = 1029;
inline constexpr int IDC_ABOUT_VERSION = 1057;
inline constexpr int IDC_ABOUT_LEGAL = 1058;
inline constexpr int IDC_ABOUT_PRODUCT = 1059;
