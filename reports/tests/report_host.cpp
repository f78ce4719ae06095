#include "report_host.h"

#include <algorithm>
#include <cstring>

namespace reporthost {

State& Host() {
    static State state;
    return state;
}

}  // namespace reporthost

using reporthost::Host;

QEL_API char* QELA_GetSetting(const char* key, char* buffer, std::int16_t size) {
    if (key == nullptr || *key == '\0' || buffer == nullptr || size < 1) return nullptr;
    const auto it = Host().settings.find(key);
    const std::string value = it == Host().settings.end() ? std::string() : it->second;
    const std::size_t n = std::min(value.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, value.data(), n);
    buffer[n] = '\0';
    return buffer;
}

QEL_API std::int32_t QELA_SetSetting(const char* key, const char* value) {
    Host().settings[key] = value;
    return 1;
}

QEL_API std::int32_t QELA_Register(const char* what, void* arg) {
    Host().registered.emplace_back(what);
    if (std::strcmp(what, QELA_REGISTER_REPORT) == 0) Host().reports.push_back(*static_cast<PluginReport*>(arg));
    return 1;
}

QEL_API std::int32_t QELA_Command(const char* name, void* arg) {
    if (std::strcmp(name, "DoReport") != 0) return 0;
    Host().reportRequests.push_back(*static_cast<ReportRequest*>(arg));
    return 1;
}

QEL_API std::int32_t QELA_PrepareReport() {
    ++Host().prepareCount;
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
QEL_API std::int32_t QELA_GetCurrentSelection(SelectionRecord*) { return 0; }
QEL_API std::int32_t QELA_OnBuildContextMenu(PluginAddMenuItemFn) { return 0; }
QEL_API std::int32_t QELA_GetClipboardInfo(CBooking**, std::int32_t*) { return 0; }
QEL_API std::int32_t QELA_SetClipboardInfo(CBooking* const*, std::int32_t) { return 0; }
QEL_API std::int32_t QELA_OnFilterChanged(std::int32_t) { return 0; }
QEL_API std::int32_t QELA_GetPublicFilter(CFilter** filter) {
    if (filter != nullptr) *filter = nullptr;
    return 1;
}
