#include "plugin_base.h"

#include <array>

#include "plat/dynlib.h"
#include "plat/resource_strings.h"
#include "plat/utf8.h"
#include "support/locale_names.h"
#include "support/setting_ranges.h"

CHostApi g_hostApi;
CPlanData* g_pluginPlanData = nullptr;
CFilter* g_pluginPublicFilter = nullptr;
double g_fontSizeFactor = 1.0;

namespace {

constexpr unsigned kAppNameString = 0xE000;
constexpr unsigned kRegistryKeyString = 0xE004;
constexpr int kSmallScreenDpi = 108;

struct PluginNames {
    std::string appName;
    std::string registryKey;
};

PluginNames& Names() {
    static PluginNames names;
    return names;
}

// A value that filled the whole buffer may have been cut inside a character;
// the broken tail goes.
std::string_view DropBrokenTail(std::string_view value) {
    if (value.size() + 1 < static_cast<std::size_t>(QELA_SETTING_BUFFER_SIZE)) return value;
    std::size_t lead = value.size();
    for (int back = 0; back < 3 && lead > 0; ++back) {
        const auto byte = static_cast<unsigned char>(value[lead - 1]);
        --lead;
        if ((byte & 0xC0) != 0x80) break;
    }
    if (lead >= value.size()) return value;
    const auto byte = static_cast<unsigned char>(value[lead]);
    char32_t cp;
    const bool multiByteLead = byte >= 0xC2 && byte <= 0xF4;
    return multiByteLead && plat::DecodeUtf8(value, lead, cp) == 0 ? value.substr(0, lead) : value;
}

}  // namespace

bool CHostApi::Bind(void* program) {
    if (module != nullptr) return true;
    if (program == nullptr) return false;
    // In the order of QELA_BOUND_FUNCTION_NAMES.
    const std::array<void**, QELA_BOUND_FUNCTION_COUNT> slots = {
        reinterpret_cast<void**>(&getSetting),          reinterpret_cast<void**>(&setSetting),
        reinterpret_cast<void**>(&onSettingsChanged),   reinterpret_cast<void**>(&onFileOpened),
        reinterpret_cast<void**>(&onBeginReport),       reinterpret_cast<void**>(&onEndReport),
        reinterpret_cast<void**>(&loadSettings),        reinterpret_cast<void**>(&saveSettings),
        reinterpret_cast<void**>(&registerItem),        reinterpret_cast<void**>(&registerCommand),
        reinterpret_cast<void**>(&command),             reinterpret_cast<void**>(&getCurrentSelection),
        reinterpret_cast<void**>(&prepareReport),       reinterpret_cast<void**>(&onBuildContextMenu),
        reinterpret_cast<void**>(&getClipboardInfo),    reinterpret_cast<void**>(&setClipboardInfo),
        reinterpret_cast<void**>(&getPublicFilter),
    };
    for (int i = 0; i < QELA_BOUND_FUNCTION_COUNT; ++i) {
        void* function = plat::GetSymbol(program, QELA_BOUND_FUNCTION_NAMES[i]);
        if (function == nullptr) {
            module = nullptr;
            return false;
        }
        *slots[static_cast<std::size_t>(i)] = function;
    }
    module = program;
    return true;
}

PlanContext PluginPlanContext() {
    return PlanContext{g_pluginPlanData, g_pluginPublicFilter, &g_localeNames, PluginSettingGetter()};
}

bool InitPluginBase(int dpiY) {
    if (!g_hostApi.Bind(plat::ProgramModule())) return false;
    g_localeNames.Load(nullptr);
    ApplyFontSizeFactor(dpiY);
    return true;
}

void SetResourceInstance(void* module) {
    plat::SetResourceModule(module);
    PluginNames& names = Names();
    if (module != nullptr) {
        names.appName = plat::LoadResString(module, kAppNameString);
        names.registryKey = plat::LoadResString(module, kRegistryKeyString);
    }
    if (names.registryKey.empty()) names.registryKey = plat::LoadResString(kRegistryKeyString);
}

const std::string& PluginAppName() { return Names().appName; }

const std::string& PluginRegistryKey() { return Names().registryKey; }

std::string GetSettingString(std::string_view key) {
    if (!g_hostApi.IsBound() || key.empty()) return {};
    // One buffer for every read, as the host's contract expects; the text
    // is copied out before the next read.
    static char buffer[QELA_SETTING_BUFFER_SIZE];
    buffer[0] = '\0';
    const std::string keyText(key);
    if (g_hostApi.getSetting(keyText.c_str(), buffer, QELA_SETTING_BUFFER_SIZE) == nullptr) return {};
    buffer[QELA_SETTING_BUFFER_SIZE - 1] = '\0';
    return std::string(DropBrokenTail(buffer));
}

bool SetSettingString(std::string_view key, std::string_view value) {
    if (!g_hostApi.IsBound() || key.empty()) return false;
    const std::string keyText(key), valueText(value);
    return g_hostApi.setSetting(keyText.c_str(), valueText.c_str()) != 0;
}

SettingGetter PluginSettingGetter() { return [](std::string_view key) { return GetSettingString(key); }; }

SettingSetter PluginSettingSetter() {
    return [](std::string_view key, std::string_view value) { SetSettingString(key, value); };
}

void ApplyFontSizeFactor(int dpiY) {
    g_fontSizeFactor = dpiY < kSmallScreenDpi ? 1.2 : 1.0;
    SetDoubleSetting(PluginSettingSetter(), "ViewFontSizeFactor", g_fontSizeFactor);
}

int GetViewFontSize(const SettingGetter& get, std::string_view key, int size) {
    return GetIntSettingIn(get, key, static_cast<int>(size * g_fontSizeFactor), 1, kMaxFontSizeSetting);
}

bool SendStatusBarText(const char* text0, const char* text1) {
    if (!g_hostApi.IsBound()) return false;
    StatusBarTexts texts{};
    plat::CopyBounded(texts.pane0, sizeof texts.pane0, text0 != nullptr ? text0 : "");
    plat::CopyBounded(texts.pane1, sizeof texts.pane1, text1 != nullptr ? text1 : "");
    return g_hostApi.command("SetStatusBarText", &texts) != 0;
}

bool RequestBookingConflictCheck(CResource* resource, const CDateTime& start, const CDateTime& end,
                                 CBooking* booking) {
    if (resource == nullptr || !start.date.IsValid() || !end.date.IsValid()) return false;
    std::int32_t startDay = start.date.GetJulianDay(), endDay = end.date.GetJulianDay();
    std::int32_t startMinutes = start.time.GetMinutes(), endMinutes = end.time.GetMinutes();
    if (booking != nullptr && booking->resource == resource && booking->startDay == startDay &&
        booking->startMinutes == startMinutes && booking->endDay == endDay &&
        booking->endMinutes == endMinutes) {
        return true;
    }
    if (!g_hostApi.IsBound()) return false;
    CResource* resources[1] = {resource};
    CBooking* ignore[1] = {booking};
    BookingConflictRequest request{};
    request.resourceCount = 1;
    request.resources = resources;
    request.periodCount = 1;
    request.startDays = &startDay;
    request.startMinutes = &startMinutes;
    request.endDays = &endDay;
    request.endMinutes = &endMinutes;
    request.ignoreCount = booking != nullptr ? 1 : 0;
    request.ignore = booking != nullptr ? ignore : nullptr;
    request.result = BOOKING_CONFLICTS_NONE;
    g_hostApi.command("CheckbookingConflicts", &request);
    return request.result != BOOKING_CONFLICTS_REFUSED;
}
