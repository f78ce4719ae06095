#pragma once

// The control library (libControls.so): the custom controls of the dialogs.
// A dialog creates a control with spcc_createcontrol and drives it only
// through window messages (ui::SendMessage): dates are Julian day numbers
// (0 invalid, 1 empty), times minutes of the day (-1 empty; any negative
// answer means empty), colours 0x00BBGGRR, doubles by pointer, texts UTF-8.
// "part" is 0 for the from part and 1 for the to part of a period.
// Notifications go to the nearest ancestor that handles WM_COMMAND, with
// the control's id in the low word and the code in the high word.
// Dialogs normally use the wrapper classes and exchange helpers around these
// (spctrl/sp_controls.h and spctrl/sp_ddx.h, CMake target qel_controls_wrappers).

#include <cstdint>

#include "qel_export.h"

class QWidget;

#ifndef WM_USER
#define WM_USER 0x0400
#endif

// --- Kinds of control -------------------------------------------------------

inline constexpr int SPCC_CHECKGROUP = 1;
inline constexpr int SPCC_CALENDAR = 2;
inline constexpr int SPCC_DATEPERIOD = 3;
inline constexpr int SPCC_TIMEPERIOD = 4;
inline constexpr int SPCC_LONGEDIT = 5;
inline constexpr int SPCC_DOUBLEEDIT = 6;
inline constexpr int SPCC_COLORPICKER = 7;
inline constexpr int SPCC_FONTCOMBO = 8;
inline constexpr int SPCC_HYPERLINK = 9;
inline constexpr int SPCC_TREECOMBO = 10;
inline constexpr int SPCC_ASSIGNGRID = 11;

// --- Exports ----------------------------------------------------------------

// The resource library's module handle, once, right after loading.
QEL_API void spcc_setappreshandle(void* resourceModule);
// The date picture of the shown dates ("d.M.yyyy"; null or "" restores
// the locale's short date form).
QEL_API void spcc_setdateformat(const char* picture);
// The time picture of the shown times ("HH:mm"; null or "" restores the
// locale's time form without seconds).
QEL_API void spcc_settimeformat(const char* picture);
// The separators the number edits read and show ("," and "." under
// de_DE; the group separator may be ""); a null or empty decimal separator
// restores those of the locale the library reads itself.
QEL_API void spcc_setnumberformat(const char* decimalSeparator, const char* groupSeparator);
// A new control of a kind as a child of parent, with its dialog item id
// (kept as the object name); null for an unknown kind. The parent owns it.
QEL_API QWidget* spcc_createcontrol(int kind, QWidget* parent, int id);

#define SPCC_SETAPPRESHANDLE_SYMBOL "spcc_setappreshandle"
#define SPCC_SETDATEFORMAT_SYMBOL "spcc_setdateformat"
#define SPCC_SETTIMEFORMAT_SYMBOL "spcc_settimeformat"
#define SPCC_SETNUMBERFORMAT_SYMBOL "spcc_setnumberformat"
#define SPCC_CREATECONTROL_SYMBOL "spcc_createcontrol"
typedef void (*SpccSetAppResHandleFn)(void*);
typedef void (*SpccSetFormatFn)(const char*);
typedef void (*SpccSetNumberFormatFn)(const char*, const char*);
typedef QWidget* (*SpccCreateControlFn)(int, QWidget*, int);

// --- Records passed by pointer -----------------------------------------------

// SETFORMAT of the period controls: the part's caption, then 0 and 12.
struct SPFormatRecord {
    const char* text;
    std::int32_t reserved;
    std::int32_t length;
};

// WM_SP_TREECOMBO_INSERTITEM: parent is an item handle, or null for the root.
// The item is appended after its last sibling; data comes back as the
// item's data (see the wrapper class).
struct SPTreeInsertRecord {
    void* parent;
    const char* text;
    std::intptr_t data;
};

// Assignment grid: a header column, and a target field item.
struct SPAssignHeaderRecord {
    char text[2048];
    std::int32_t width;
};
struct SPAssignItemRecord {
    const char* text;
    std::int32_t required;
    std::int32_t reserved1;   // -1
    std::int32_t reserved2;   // 0
    std::int32_t reserved3;   // 0
};

// WM_SP_NUMBEREDIT_CHECK: the limits of the edit and a number for the user
// to copy, as the edit writes them.
struct SPNumberCheckRecord {
    char lower[48];
    char upper[48];
    char example[48];
};

// --- Messages ------------------------------------------------------------------

// Check group: wParam 0, lParam item text / item index, lParam 1 or 0 / result nonzero when checked.
#define WM_SP_CHECKGROUP_ADDITEM (WM_USER + 0x003)
#define WM_SP_CHECKGROUP_GETCHECK (WM_USER + 0x004)
#define WM_SP_CHECKGROUP_SETCHECK (WM_USER + 0x005)

// Calendar: SETMODE wParam 8-bit option; SETDATE lParam Julian day; GETDATE result.
#define WM_SP_CALENDAR_SETMODE (WM_USER + 0x06A)
#define WM_SP_CALENDAR_SETDATE (WM_USER + 0x06C)
#define WM_SP_CALENDAR_GETDATE (WM_USER + 0x06D)

// Date period: wParam part. SETDATE lParam Julian day; GETDATE and GETPART
// (what the part shows while the user types) give the Julian day;
// SETFORMAT lParam SPFormatRecord*, -1 on failure.
#define WM_SP_DATEPERIOD_SETDATE (WM_USER + 0x0FA)
#define WM_SP_DATEPERIOD_GETDATE (WM_USER + 0x0FB)
#define WM_SP_DATEPERIOD_GETPART (WM_USER + 0x102)
#define WM_SP_DATEPERIOD_SETFORMAT (WM_USER + 0x104)

// Time period: wParam part. SETTIME lParam minutes (-1 empty; 1440 and above
// wrap); GETTIME and GETPART give minutes, negative for empty.
#define WM_SP_TIMEPERIOD_SETTIME (WM_USER + 0x15E)
#define WM_SP_TIMEPERIOD_GETTIME (WM_USER + 0x15F)
#define WM_SP_TIMEPERIOD_OPTION (WM_USER + 0x168)
#define WM_SP_TIMEPERIOD_GETPART (WM_USER + 0x16A)
#define WM_SP_TIMEPERIOD_SETFORMAT (WM_USER + 0x16C)

// Integer edit: lParam value or limit; GETVALUE result.
#define WM_SP_LONGEDIT_SETVALUE (WM_USER + 0x190)
#define WM_SP_LONGEDIT_GETVALUE (WM_USER + 0x191)
#define WM_SP_LONGEDIT_SETUPPER (WM_USER + 0x192)
#define WM_SP_LONGEDIT_SETLOWER (WM_USER + 0x194)
#define WM_SP_LONGEDIT_OPTION (WM_USER + 0x19A)   // the reports' page edit sends 4; no effect here

// Floating-point edit (three decimals, from -10^12 to 10^12 unless limited):
// lParam double*.
#define WM_SP_DOUBLEEDIT_SETVALUE (WM_USER + 0x1C2)
#define WM_SP_DOUBLEEDIT_GETVALUE (WM_USER + 0x1C3)
#define WM_SP_DOUBLEEDIT_SETLOWER (WM_USER + 0x1C6)
#define WM_SP_DOUBLEEDIT_SETSTEP (WM_USER + 0x1CA)
#define WM_SP_DOUBLEEDIT_SETPAGESTEP (WM_USER + 0x1CC)

// Both number edits: whether the shown text is a number within the limits.
// lParam SPNumberCheckRecord* (may be null); result one of SP_NUMBER_*.
// A text that is not taken is never read as another number: GETVALUE then
// gives the number the edit held before it was typed.
#define WM_SP_NUMBEREDIT_CHECK (WM_USER + 0x1D0)
inline constexpr int SP_NUMBER_OK = 0;
inline constexpr int SP_NUMBER_NOT_A_NUMBER = 1;
inline constexpr int SP_NUMBER_OUT_OF_RANGE = 2;

// Colour picker: GETCOLOR result, SETCOLOR lParam, 0x00BBGGRR.
#define WM_SP_COLORPICKER_GETCOLOR (WM_USER + 0x1F5)
#define WM_SP_COLORPICKER_SETCOLOR (WM_USER + 0x1F6)

// Font combo: GETCOMBO gives the inner QComboBox*; FILL lists the installed
// font families, with nothing selected.
#define WM_SP_FONTCOMBO_GETCOMBO (WM_USER + 0x28A)
#define WM_SP_FONTCOMBO_FILL (WM_USER + 0x28B)

// Hyperlink: SETTEXT lParam text (the address it opens).
#define WM_SP_HYPERLINK_SETTEXT (WM_USER + 0x352)
#define WM_SP_HYPERLINK_OPTION1 (WM_USER + 0x354)
#define WM_SP_HYPERLINK_OPTION2 (WM_USER + 0x356)

// Tree combo: GETTREE gives the inner QTreeWidget*; INSERTITEM lParam
// SPTreeInsertRecord*, result the item handle; UPDATE shows the current item.
#define WM_SP_TREECOMBO_GETTREE (WM_USER + 0x480)
#define WM_SP_TREECOMBO_OPTION (WM_USER + 0x481)
#define WM_SP_TREECOMBO_INSERTITEM (WM_USER + 0x482)
#define WM_SP_TREECOMBO_UPDATE (WM_USER + 0x483)

// Assignment grid. Column entries are numbered from 0 in the order added;
// an item's assignment is the number of its chosen entry (the caller's first
// entry is the empty one that means "no column"); -1 while there are no
// entries. An assignment outside the entries is refused (result 0).
#define WM_SP_ASSIGNGRID_SETHEADER (WM_USER + 50)      // wParam column 0/1, lParam SPAssignHeaderRecord*
#define WM_SP_ASSIGNGRID_ADDITEM (WM_USER + 52)        // lParam SPAssignItemRecord*; 1 added
#define WM_SP_ASSIGNGRID_GETITEMCOUNT (WM_USER + 55)
#define WM_SP_ASSIGNGRID_ADDCOLUMN (WM_USER + 59)      // lParam text
#define WM_SP_ASSIGNGRID_SETASSIGN (WM_USER + 62)      // wParam item, lParam entry; 1 done
#define WM_SP_ASSIGNGRID_GETASSIGN (WM_USER + 63)      // wParam item
#define WM_SP_ASSIGNGRID_GETITEMTEXTLEN (WM_USER + 64) // wParam item; -1 no such item
#define WM_SP_ASSIGNGRID_GETITEMTEXT (WM_USER + 65)    // wParam item, lParam buffer of GETITEMTEXTLEN + 1 bytes
#define WM_SP_ASSIGNGRID_REMOVECOLUMNS (WM_USER + 66)
#define WM_SP_ASSIGNGRID_GETCOLUMNCOUNT (WM_USER + 67)

// --- Notifications (high word of WM_COMMAND) ------------------------------------

// Date and time period: EN_CHANGE (0x300) whenever the user changes a part.
// Tree combo: CBN_SELCHANGE (1) when the user picks another item.
// Calendar: the user's pick.
#define SPCN_CALENDAR_CANCEL 1124
#define SPCN_CALENDAR_DAY 1125
#define SPCN_CALENDAR_WEEK 1126
#define SPCN_CALENDAR_MONTH 1127
#define SPCN_CALENDAR_YEAR 1128
#define SPCN_CALENDAR_TODAY 1129

// --- Texts ------------------------------------------------------------------------

// The controls' own captions, read from the resource library handed to
// spcc_setappreshandle; an id it does not know keeps the English text.
#define SPCC_STR_CALENDAR_WEEK 39900
#define SPCC_STR_CALENDAR_MONTH 39901
#define SPCC_STR_CALENDAR_YEAR 39902
#define SPCC_STR_CALENDAR_TODAY 39903
#define SPCC_STR_CALENDAR_CANCEL 39904
#define SPCC_STR_COLOR_TITLE 39905
