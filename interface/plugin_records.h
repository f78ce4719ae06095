#pragma once

// Records that cross the boundary between the main program and its plugins.
// Field order is fixed; fields that carry a pointer have natural pointer size.

#include <cstddef>
#include <cstdint>

class QWidget;
class QelDC;
class CMainToolBar;
class CPlanData;
class CBooking;
class CResource;
class CResourceGroup;
class CTask;
class CTaskGroup;
class CFilter;
class CReportDocument;

// Window and menu handles are widgets; a module handle is a dlopen handle.
// The main window's menu is its QMenuBar and CMainToolBar is a QToolBar. A
// menu item or toolbar button whose QAction holds a command identifier as
// its data runs that command in the main window, which also keeps its state
// with the command's update callback: the plugin connects nothing to it.
using QelWnd = QWidget*;
using QelMenu = QWidget*;
using QelModule = void*;

// Filled by a plugin while it is loaded; the host keeps it, never reads it.
struct PluginInfo {
    char name[256];
    char company[256];
    char version[256];
    char description[1024];
    char language[256];   // the plugin's own language code, or empty
};
static_assert(sizeof(PluginInfo) == 2048);

// --- Menu commands --------------------------------------------------------

inline constexpr unsigned PLUGIN_COMMAND_FIRST_ID = 61000;
inline constexpr unsigned PLUGIN_COMMAND_LAST_ID = 61500;

// Bits of the update callback's result.
inline constexpr std::uint8_t PLUGIN_UPDATE_DISABLED = 0x1;
inline constexpr std::uint8_t PLUGIN_UPDATE_CHECKED = 0x2;

typedef void (*PluginCommandCallback)(QelWnd frame);
typedef std::uint8_t (*PluginUpdateCallback)(QelWnd frame);

struct PluginCommand {
    // The plugin's part: the host copies it but never reads it.
    char name[256];
    char description[1024];
    PluginCommandCallback onCommand;
    PluginUpdateCallback onUpdate;
};
static_assert(offsetof(PluginCommand, onCommand) == 1280);

// --- Reports --------------------------------------------------------------

inline constexpr std::int32_t PLUGIN_REPORT_VIEW = 0;     // report of one view, by key
inline constexpr std::int32_t PLUGIN_REPORT_GLOBAL = 1;   // the one global report

// Modes the host passes to a report callback.
inline constexpr std::int32_t PLUGIN_REPORT_MODE_PREVIEW = 1;
inline constexpr std::int32_t PLUGIN_REPORT_MODE_PRINT = 2;

typedef std::int32_t (*ReportCallback)(std::int32_t mode);

struct PluginReport {
    std::int32_t tag;    // the plugin's own, ignored by the host
    std::int32_t kind;   // PLUGIN_REPORT_VIEW or PLUGIN_REPORT_GLOBAL
    std::int32_t key;    // view index, for PLUGIN_REPORT_VIEW
    ReportCallback callback;
};

// Called by the export command with two zero arguments.
typedef std::int32_t (*PluginExportCallback)(std::intptr_t, std::intptr_t);

// Argument of the named command "DoReport".
typedef std::int32_t (*ReportPrintCallback)(CReportDocument* document, QelDC* printer,
                                            QelDC* attributes);
typedef std::int32_t (*ReportSettingsCallback)(QelWnd preview);   // 0: paginate again
typedef std::int32_t (*ReportHtmlCallback)();                     // 0: close the preview

inline constexpr std::int32_t REPORT_REQUEST_PREVIEW = 0x1;   // low byte nonzero: preview

struct ReportRequest {
    std::int32_t flags;
    ReportPrintCallback print;
    ReportSettingsCallback relayout;   // may be null
    ReportHtmlCallback exportHtml;     // may be null ("export" is a keyword)
};

// --- Context menu ---------------------------------------------------------

inline constexpr std::uint32_t PLUGIN_MENU_GRAYED = 0x1;
inline constexpr std::uint32_t PLUGIN_MENU_SEPARATOR = 0x800;

typedef std::int32_t (*PluginMenuHandler)(std::intptr_t context, std::uint32_t index);

struct PluginContextMenuItem {
    PluginMenuHandler handler;
    char text[256];          // always NUL-terminated in its last byte
    std::uint32_t flags;
    std::intptr_t context;   // handed back to the handler; may hold a pointer
    std::uint32_t index;     // handed back to the handler
};

typedef std::int32_t (*PluginAddMenuItemFn)(const PluginContextMenuItem* item);

// --- Selection ------------------------------------------------------------

// The current selection of the visible view. The caller owns the arrays and
// sets each capacity; the view always reports full counts, fills an array
// whenever its pointer is not null, and writes at most capacity entries.
struct SelectionRecord {
    CBooking** bookings;
    std::int32_t bookingCount;
    std::int32_t bookingCapacity;
    std::int32_t startDate;   // Julian day; 0 = no period selected
    std::int16_t startTime;   // minutes since midnight
    std::int32_t endDate;
    std::int16_t endTime;
    CResourceGroup** resourceGroups;
    std::int32_t resourceGroupCount;
    std::int32_t resourceGroupCapacity;
    CResource** resources;
    std::int32_t resourceCount;
    std::int32_t resourceCapacity;
    CTaskGroup** taskGroups;
    std::int32_t taskGroupCount;
    std::int32_t taskGroupCapacity;
    CTask** tasks;
    std::int32_t taskCount;
    std::int32_t taskCapacity;
};

// --- Argument records of the named commands --------------------------------

inline constexpr std::size_t STATUS_BAR_TEXT_SIZE = 256;

// "SetStatusBarText": the texts of status panes 0 and 1.
struct StatusBarTexts {
    char pane0[STATUS_BAR_TEXT_SIZE];
    char pane1[STATUS_BAR_TEXT_SIZE];
};
static_assert(sizeof(StatusBarTexts) == 512);

// "ShowBookingList".
struct BookingList {
    CBooking** items;
    std::int32_t count;
};

// Results of "CheckbookingConflicts".
inline constexpr std::int32_t BOOKING_CONFLICTS_NONE = 0;
inline constexpr std::int32_t BOOKING_CONFLICTS_ACCEPTED = 1;   // check off, or user agreed
inline constexpr std::int32_t BOOKING_CONFLICTS_REFUSED = 2;

// "CheckbookingConflicts". Minute entries hold the minutes in their low 16 bits.
struct BookingConflictRequest {
    std::int32_t resourceCount;
    CResource** resources;
    std::int32_t periodCount;
    std::int32_t* startDays;
    std::int32_t* startMinutes;
    std::int32_t* endDays;
    std::int32_t* endMinutes;
    std::int32_t ignoreCount;
    CBooking** ignore;
    std::int32_t result;
};

// Layouts on 64-bit builds, so that an edit cannot shift a field unnoticed.
static_assert(sizeof(void*) != 8 || sizeof(PluginCommand) == 1296);
static_assert(sizeof(void*) != 8 || sizeof(PluginReport) == 24);
static_assert(sizeof(void*) != 8 || sizeof(PluginContextMenuItem) == 288);
static_assert(sizeof(void*) != 8 || sizeof(ReportRequest) == 32);
static_assert(sizeof(void*) != 8 || sizeof(BookingList) == 16);
static_assert(sizeof(void*) != 8 || sizeof(BookingConflictRequest) == 80);

// --- File events ----------------------------------------------------------

inline constexpr std::int32_t FILE_EVENT_OPENED = 0;
inline constexpr std::int32_t FILE_EVENT_NEW = 1;
inline constexpr std::int32_t FILE_EVENT_SAVED = 2;

// Modifier bits of the key dispatch.
inline constexpr std::int32_t KEY_MODIFIER_ALT = 0x10;
inline constexpr std::int32_t KEY_MODIFIER_CTRL = 0x20;
inline constexpr std::int32_t KEY_MODIFIER_SHIFT = 0x40;
