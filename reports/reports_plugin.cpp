// The reports plugin's entry points: it has no window of its own; it
// registers its reports with the host and answers the host's report
// commands.

#include <QGuiApplication>
#include <QScreen>

#include <dlfcn.h>

#include "plat/resource_strings.h"
#include "plugin_api.h"
#include "plugin_base.h"
#include "reports/report_callbacks.h"
#include "reports/report_settings.h"
#include "reports/report_strings.h"
#include "support/version_reader.h"

namespace {

constexpr std::int32_t kReportTag = 7;

int ScreenDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? static_cast<int>(screen->logicalDotsPerInchY()) : 96;
}

bool Initialised() {
    static const bool bound = InitPluginBase(ScreenDpi());
    return bound;
}

// This library's own module handle, for its version block.
void* OwnModule() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&OwnModule), &info) == 0 || info.dli_fname == nullptr) return nullptr;
    return dlopen(info.dli_fname, RTLD_NOW | RTLD_NOLOAD);
}

}  // namespace

QEL_API std::int32_t QELPlugin_OnPluginInfo(const char*, const char*, const char*, QelModule resources,
                                            PluginInfo* info) {
    if (!Initialised() || info == nullptr) return 0;
    SetResourceInstance(resources);
    void* self = OwnModule();
    SetTextField(info->name, GetVersionInfoString("ProductName", self));
    SetTextField(info->company, GetVersionInfoString("CompanyName", self));
    SetTextField(info->version, GetVersionInfoString("ProductVersion", self));
    SetTextField(info->description, plat::LoadResString(kStrReportsDescription));
    info->language[0] = '\0';
    if (self != nullptr) dlclose(self);
    return 1;
}

QEL_API std::int32_t QELPlugin_OnStart(CPlanData* data) {
    if (!Initialised()) return 0;
    if (g_pluginPlanData == nullptr) g_pluginPlanData = data;
    g_pluginPublicFilter = nullptr;
    g_hostApi.getPublicFilter(&g_pluginPublicFilter);
    return 1;
}

// The library stays loaded after the host lets it go: nothing of this plan
// may be kept for the next.
QEL_API std::int32_t QELPlugin_OnExit() {
    g_pluginPlanData = nullptr;
    g_pluginPublicFilter = nullptr;
    return 1;
}

QEL_API std::int32_t QELPlugin_OnLoadSettings(const char* iniPath) {
    if (!Initialised()) return 0;
    LoadReportSettings(PluginSettingGetter(), PluginSettingSetter(), iniPath != nullptr ? iniPath : "");
    return 1;
}

QEL_API std::int32_t QELPlugin_OnSaveSettings(const char* iniPath, std::int32_t) {
    if (!Initialised()) return 0;
    SaveReportSettings(PluginSettingGetter(), iniPath != nullptr ? iniPath : "");
    return 1;
}

// The views' reports and the export join when they are built.
QEL_API std::int32_t QELPlugin_OnRegister() {
    if (!Initialised()) return 0;
    static PluginReport bookingList{kReportTag, PLUGIN_REPORT_GLOBAL, 0, &BookingListReportCallback};
    g_hostApi.registerItem(QELA_REGISTER_REPORT, &bookingList);
    return 1;
}
