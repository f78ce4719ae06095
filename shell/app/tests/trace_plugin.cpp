// A plugin that writes each callback it receives, one line each, to the file
// named by QEL_TRACE_LOG. Keys listed in QEL_TRACE_CONSUME (virtual-key
// numbers separated by commas) are consumed.

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "plugin_api.h"

namespace {

void Trace(const std::string& line) {
    const char* path = std::getenv("QEL_TRACE_LOG");
    if (path == nullptr) return;
    if (FILE* f = std::fopen(path, "a")) {
        std::fprintf(f, "%s\n", line.c_str());
        std::fclose(f);
    }
}

template <class Fn>
Fn Host(const char* name) {
    return reinterpret_cast<Fn>(dlsym(RTLD_DEFAULT, name));
}

std::string Setting(const char* key) {
    char buffer[64] = {};
    auto get = Host<QELAGetSettingFn>("QELA_GetSetting");
    return get != nullptr && get(key, buffer, sizeof buffer) != nullptr ? buffer : "";
}

bool Consumes(int key) {
    const char* list = std::getenv("QEL_TRACE_CONSUME");
    if (list == nullptr) return false;
    const std::string needle = "," + std::to_string(key) + ",";
    return ("," + std::string(list) + ",").find(needle) != std::string::npos;
}

}  // namespace

QEL_API std::int32_t QELPlugin_OnPluginInfo(const char*, const char*, const char*, QelModule, PluginInfo* info) {
    std::strncpy(info->name, "Trace", sizeof info->name - 1);
    Trace("PluginInfo");
    return 1;
}
QEL_API std::int32_t QELPlugin_OnStart(CPlanData* data) {
    Trace(std::string("Start ") + (data != nullptr ? "data" : "null"));
    return 1;
}
QEL_API std::int32_t QELPlugin_OnInitialized() {
    Trace("Initialized");
    return 1;
}
QEL_API std::int32_t QELPlugin_OnRegister() {
    Trace("Register");
    return 1;
}
QEL_API std::int32_t QELPlugin_OnExit() {
    CFilter* filter = reinterpret_cast<CFilter*>(1);
    if (auto get = Host<QELAGetPublicFilterFn>("QELA_GetPublicFilter")) get(&filter);
    Trace(std::string("Exit filter ") + (filter != nullptr ? "kept" : "gone"));
    return 1;
}
QEL_API std::int32_t QELPlugin_OnKeyDispatch(std::int32_t key, std::int32_t modifiers) {
    Trace("KeyDispatch " + std::to_string(key) + " " + std::to_string(modifiers));
    return Consumes(key) ? 1 : 0;
}
QEL_API std::int32_t QELPlugin_OnDataChanged(std::uint32_t mask) {
    Trace("DataChanged " + std::to_string(mask) + " filter " + Setting("ViewFilterActive"));
    return 1;
}
QEL_API std::int32_t QELPlugin_OnFileOpened(std::int32_t kind) {
    Trace("FileOpened " + std::to_string(kind));
    return 1;
}
QEL_API std::int32_t QELPlugin_OnViewChanged() {
    Trace("ViewChanged " + Setting("ViewActive"));
    return 1;
}
QEL_API std::int32_t QELPlugin_OnSettingsChanged() {
    Trace("SettingsChanged");
    return 1;
}
QEL_API std::int32_t QELPlugin_OnLoadSettings(const char* ini) {
    Trace(std::string("LoadSettings ") + ini);
    return 1;
}
QEL_API std::int32_t QELPlugin_OnSaveSettings(const char* ini, std::int32_t flag) {
    Trace(std::string("SaveSettings ") + ini + " " + std::to_string(flag));
    return 1;
}
QEL_API std::int32_t QELPlugin_OnWindowInit(QelWnd frame, QelWnd) {
    Trace(std::string("WindowInit ") + (frame != nullptr ? "frame" : "null"));
    return 1;
}
QEL_API std::int32_t QELPlugin_OnMenuInit(QelWnd, QelMenu menu) {
    Trace(std::string("MenuInit ") + (menu != nullptr ? "menu" : "null"));
    return 1;
}
QEL_API std::int32_t QELPlugin_OnToolbarInit(CMainToolBar* toolbar) {
    Trace(std::string("ToolbarInit ") + (toolbar != nullptr ? "toolbar" : "null"));
    return 1;
}
