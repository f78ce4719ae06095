// The functions the main program exports for its plugins. None of them
// lets an exception cross the C boundary, and each tolerates the null
// arguments a plugin may pass.

#include <cstring>
#include <string_view>

#include "booking_clipboard.h"
#include "host_messages.h"
#include "host_objects.h"
#include "plan_data.h"
#include "plat/utf8.h"
#include "plugin_api.h"
#include "plugin_manager.h"
#include "settings_store.h"
#include "wait_cursor.h"

namespace {

template <class Result, class Body>
Result Guarded(Result onFailure, Body body) noexcept {
    try {
        return body();
    } catch (...) {
        return onFailure;
    }
}

const char* TextOrEmpty(const char* text) { return text != nullptr ? text : ""; }

struct BuiltIn {
    const char* name;
    HostCommand command;
    bool needsArgument;
};

// Names are matched exactly, letter case included.
constexpr BuiltIn kBuiltIns[] = {
    {"AddResource", HostCommand::AddResource, false},
    {"AddTask", HostCommand::AddTask, false},
    {"AddResourceGroup", HostCommand::AddResourceGroup, false},
    {"AddTaskGroup", HostCommand::AddTaskGroup, false},
    {"EditResource", HostCommand::EditResource, true},
    {"EditTask", HostCommand::EditTask, true},
    {"EditResourceGroup", HostCommand::EditResourceGroup, true},
    {"EditTaskGroup", HostCommand::EditTaskGroup, true},
    {"DeleteResource", HostCommand::DeleteResource, true},
    {"DeleteTask", HostCommand::DeleteTask, true},
    {"DeleteResourceGroup", HostCommand::DeleteResourceGroup, true},
    {"DeleteTaskGroup", HostCommand::DeleteTaskGroup, true},
    {"EditBooking", HostCommand::EditBooking, true},
    {"ShowBookingListSelection", HostCommand::ShowBookingListSelection, false},
    {"ShowBookingList", HostCommand::ShowBookingList, true},
    {"DoReport", HostCommand::DoReport, true},
    {"CheckbookingConflicts", HostCommand::CheckBookingConflicts, true},
};

// A plugin's pane text may lack its terminating zero; read no further than the pane.
std::string_view PaneText(const char (&pane)[STATUS_BAR_TEXT_SIZE]) {
    return {pane, ::strnlen(pane, STATUS_BAR_TEXT_SIZE)};
}

// A command returns 1 only when it did its work; without the main window
// there is nowhere to do it.
std::int32_t RunBuiltIn(std::string_view name, void* arg) {
    if (name == "SetStatusBarText") {
        IHostFrame* frame = Host().frame;
        if (arg == nullptr || frame == nullptr) return 0;
        const auto* texts = static_cast<const StatusBarTexts*>(arg);
        frame->SetStatusBarText(PaneText(texts->pane0), PaneText(texts->pane1));
        return 1;
    }
    if (name == "ResetSettings") {
        SettingsStore().Clear();
        return 1;
    }
    for (const BuiltIn& builtIn : kBuiltIns) {
        if (name != builtIn.name) continue;
        if (builtIn.needsArgument && arg == nullptr) return 0;
        IHostFrame* frame = Host().frame;
        return frame != nullptr && frame->RunNamedCommand(builtIn.command, arg) ? 1 : 0;
    }
    return 0;
}

bool SendToVisibleView(unsigned message, std::intptr_t lParam) {
    IHostFrame* frame = Host().frame;
    return frame != nullptr && frame->SendToVisibleView(message, 0, lParam);
}

}  // namespace

QEL_API char* QELA_GetSetting(const char* key, char* buffer, std::int16_t size) {
    // A size below 1 leaves no room even for the terminating zero.
    if (key == nullptr || key[0] == '\0' || buffer == nullptr || size < 1) return nullptr;
    return Guarded<char*>(nullptr, [&] {
        const std::string value = SettingsStore().GetSetting(key);
        std::memset(buffer, 0, static_cast<std::size_t>(size));
        plat::CopyBounded(buffer, static_cast<std::size_t>(size), value);
        return buffer;
    });
}

QEL_API std::int32_t QELA_SetSetting(const char* key, const char* value) {
    return Guarded(1, [&] {
        SettingsStore().SetSetting(TextOrEmpty(key), TextOrEmpty(value));
        return 1;
    });
}

QEL_API std::int32_t QELA_OnSettingsChanged() {
    return Guarded(1, [] {
        IHostFrame* frame = Host().frame;
        const ScopedWaitCursor wait(frame);
        if (frame != nullptr) frame->ReloadSettings();
        PluginManager().OnSettingsChanged();
        return 1;
    });
}

QEL_API std::int32_t QELA_OnBeginReport(std::int32_t value) {
    return Guarded(0, [&] { return PluginManager().OnBeginReport(value); });
}

QEL_API std::int32_t QELA_OnEndReport() {
    return Guarded(1, [] {
        PluginManager().OnEndReport();
        return 1;
    });
}

QEL_API std::int32_t QELA_OnFileOpened(std::int32_t kind) {
    return Guarded(1, [&] {
        PluginManager().OnFileOpened(kind);
        return 1;
    });
}

QEL_API std::int32_t QELA_OnViewChanged() {
    return Guarded(1, [] {
        PluginManager().OnViewChanged();
        return 1;
    });
}

QEL_API std::int32_t QELA_LoadSettings(const char* iniPath) {
    return Guarded(1, [&] {
        const char* path = TextOrEmpty(iniPath);
        SettingsStore().LoadIniSettings(path);
        PluginManager().OnLoadSettings(path);
        return 1;
    });
}

QEL_API std::int32_t QELA_SaveSettings(const char* iniPath, std::int32_t flag) {
    return Guarded(1, [&] {
        const char* path = TextOrEmpty(iniPath);
        SettingsStore().SaveIniSettings(path, flag);
        PluginManager().OnSaveSettings(path, flag);
        return 1;
    });
}

QEL_API std::int32_t QELA_RegisterCommand(const PluginCommand* command) {
    return Guarded(0, [&] { return PluginManager().RegisterCommand(command); });
}

QEL_API std::int32_t QELA_Register(const char* what, void* arg) {
    if (what == nullptr || arg == nullptr) return 0;
    return Guarded(0, [&] {
        const std::string_view name = what;
        if (name == QELA_REGISTER_VIEW) {
            if (IHostFrame* frame = Host().frame) frame->RegisterView(*static_cast<QelWnd*>(arg));
            return 1;
        }
        if (name == QELA_REGISTER_REPORT) {
            return PluginManager().RegisterReport(static_cast<const PluginReport*>(arg));
        }
        if (name == QELA_REGISTER_EXPORT) {
            PluginManager().SetExportCallback(reinterpret_cast<PluginExportCallback>(arg));
            return 1;
        }
        return 0;
    });
}

QEL_API std::int32_t QELA_Command(const char* name, void* arg) {
    if (name == nullptr) return 0;
    return Guarded(0, [&] {
        const std::int32_t handled = PluginManager().OnPreCommand(name, arg);
        return handled != -1 ? handled : RunBuiltIn(name, arg);
    });
}

QEL_API std::int32_t QELA_GetCurrentSelection(SelectionRecord* selection) {
    return Guarded(1, [&] {
        if (selection != nullptr) {
            SendToVisibleView(WM_PLUGIN_GET_SELECTION, reinterpret_cast<std::intptr_t>(selection));
        }
        return 1;
    });
}

QEL_API std::int32_t QELA_PrepareReport() {
    return Guarded(1, [] {
        SendToVisibleView(WM_PLUGIN_PREPARE_REPORT, 0);
        return 1;
    });
}

QEL_API std::int32_t QELA_OnBuildContextMenu(PluginAddMenuItemFn addItem) {
    if (addItem == nullptr) return 1;
    return Guarded(1, [&] {
        AddHostContextMenuItems(addItem);
        PluginManager().OnBuildContextMenu(addItem);
        return 1;
    });
}

QEL_API std::int32_t QELA_GetClipboardInfo(CBooking** booking, std::int32_t* flag) {
    if (booking != nullptr) {
        *booking = BookingClipboard();
        if (flag != nullptr) *flag = *booking != nullptr ? 1 : 0;
    }
    return 1;
}

QEL_API std::int32_t QELA_SetClipboardInfo(CBooking* const* items, std::int32_t count) {
    // A null first booking clears the clipboard instead of being copied.
    if (items == nullptr || count <= 0 || !CopyBookingToClipboard(items[0])) ClearBookingClipboard();
    return 1;
}

QEL_API std::int32_t QELA_OnFilterChanged(std::int32_t active) {
    return Guarded(1, [&] {
        PluginManager().OnFilterChanged(active);
        return 1;
    });
}

QEL_API std::int32_t QELA_GetPublicFilter(CFilter** filter) {
    if (filter != nullptr) *filter = Host().publicFilter;
    return 1;
}
