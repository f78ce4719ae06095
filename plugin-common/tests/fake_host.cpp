#include "fake_host.h"

#include <algorithm>
#include <cstring>

namespace fakehost {

State& Host() {
    static State state;
    return state;
}

}  // namespace fakehost

using fakehost::Host;

// Cuts a long value bluntly at the buffer's size, wherever a character ends.
QEL_API char* QELA_GetSetting(const char* key, char* buffer, std::int16_t size) {
    if (key == nullptr || *key == '\0' || buffer == nullptr || size < 1) return nullptr;
    const std::string& value = Host().settings[key];
    const std::size_t n = std::min(value.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, value.data(), n);
    buffer[n] = '\0';
    return buffer;
}
QEL_API std::int32_t QELA_SetSetting(const char* key, const char* value) {
    Host().settings[key] = value;
    return 1;
}
QEL_API std::int32_t QELA_Command(const char* name, void* arg) {
    const std::string command = name;
    Host().commands.push_back(command);
    if (command == "SetStatusBarText") {
        Host().statusTexts.push_back(*static_cast<StatusBarTexts*>(arg));
    } else if (command == "CheckbookingConflicts") {
        auto* request = static_cast<BookingConflictRequest*>(arg);
        fakehost::ConflictCall call;
        call.resources.assign(request->resources, request->resources + request->resourceCount);
        const auto copy = [&](std::vector<std::int32_t>& to, const std::int32_t* from) {
            to.assign(from, from + request->periodCount);
        };
        copy(call.startDays, request->startDays);
        copy(call.startMinutes, request->startMinutes);
        copy(call.endDays, request->endDays);
        copy(call.endMinutes, request->endMinutes);
        if (request->ignoreCount > 0)
            call.ignore.assign(request->ignore, request->ignore + request->ignoreCount);
        Host().conflictChecks.push_back(call);
        request->result = Host().conflictResult;
    }
    return 1;
}
QEL_API std::int32_t QELA_OnSettingsChanged() { return 1; }
QEL_API std::int32_t QELA_OnBeginReport(std::int32_t) { return 1; }
QEL_API std::int32_t QELA_OnEndReport() { return 1; }
QEL_API std::int32_t QELA_OnFileOpened(std::int32_t) { return 1; }
QEL_API std::int32_t QELA_OnViewChanged() { return 1; }
QEL_API std::int32_t QELA_LoadSettings(const char*) { return 1; }
QEL_API std::int32_t QELA_SaveSettings(const char*, std::int32_t) { return 1; }
QEL_API std::int32_t QELA_RegisterCommand(const PluginCommand*) { return 0; }
QEL_API std::int32_t QELA_Register(const char*, void*) { return 0; }
QEL_API std::int32_t QELA_GetCurrentSelection(SelectionRecord*) { return 0; }
QEL_API std::int32_t QELA_PrepareReport() { return 0; }
QEL_API std::int32_t QELA_OnBuildContextMenu(PluginAddMenuItemFn) { return 0; }
QEL_API std::int32_t QELA_GetClipboardInfo(CBooking**, std::int32_t*) { return 0; }
QEL_API std::int32_t QELA_SetClipboardInfo(CBooking* const*, std::int32_t) { return 0; }
QEL_API std::int32_t QELA_OnFilterChanged(std::int32_t) { return 0; }
QEL_API std::int32_t QELA_GetPublicFilter(CFilter** filter) {
    if (filter != nullptr) *filter = nullptr;
    return 1;
}
