#pragma once

#include <cstdint>
#include <string_view>

#include "plugin_records.h"

class QPrinter;

// The built-in named commands that need the main window, its dialogs or views.
enum class HostCommand {
    AddResource,
    AddTask,
    AddResourceGroup,
    AddTaskGroup,
    EditResource,
    EditTask,
    EditResourceGroup,
    EditTaskGroup,
    DeleteResource,
    DeleteTask,
    DeleteResourceGroup,
    DeleteTaskGroup,
    EditBooking,
    ShowBookingListSelection,
    ShowBookingList,
    DoReport,
    CheckBookingConflicts,
};

// What the host interface asks of the main window; the program installs
// it once the main frame exists. Until then those requests find no target.
class IHostFrame {
public:
    virtual ~IHostFrame() = default;
    virtual QelWnd Window() = 0;
    virtual void SetStatusBarText(std::string_view pane0, std::string_view pane1) = 0;
    // Runs a built-in command; a required argument has been checked. False
    // when the command's dialog or view does not exist: nothing was done.
    virtual bool RunNamedCommand(HostCommand command, void* arg) = 0;
    // Runs one of the frame's own commands by identifier.
    virtual void RunFrameCommand(unsigned id) = 0;
    virtual void ShowWaitCursor(bool on) = 0;
    // The frame re-reads what it shows of the settings.
    virtual void ReloadSettings() = 0;
    virtual void RegisterView(QelWnd window) = 0;
    // Sends the message to the first visible registered plugin view window;
    // false when there is none.
    virtual bool SendToVisibleView(unsigned message, std::uintptr_t wParam,
                                   std::intptr_t lParam) = 0;
};

// The program-wide objects the host interface hands out or works on.
struct HostObjects {
    CPlanData* data = nullptr;
    CFilter* publicFilter = nullptr;
    CBooking* clipboard = nullptr;   // kept by booking_clipboard.h
    IHostFrame* frame = nullptr;
    CReportDocument* reportDocument = nullptr;   // the document library's, filled by report runs
    QPrinter* printer = nullptr;                 // the program-wide printer settings
};

HostObjects& Host();

// What the current selection allows of the six booking commands; the menu
// items and the context menu's items follow the same rules.
struct BookingCommandStates {
    bool newBooking = false;
    bool edit = false;     // read-only documents too: the dialog then only shows
    bool remove = false;
    bool cut = false;
    bool copy = false;
    bool paste = false;
};
BookingCommandStates BookingCommandStatesOf(CPlanData* data, const SelectionRecord& selection);

// Adds the host's own items at the top of a plugin view's context menu.
void AddHostContextMenuItems(PluginAddMenuItemFn addItem);
