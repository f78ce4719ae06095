// A plugin that writes each callback it receives, one line each, to the file
// named by QEL_TRACE_LOG. Keys listed in QEL_TRACE_CONSUME (virtual-key
// numbers separated by commas) are consumed. With QEL_TRACE_REGISTER set it
// registers a command (its update result is the number in QEL_TRACE_UPDATE),
// the global report and the report of view 0, and puts the command on the
// first menu and on the toolbar.

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

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

std::string Name(QelWnd window) { return window != nullptr ? window->objectName().toStdString() : "null"; }

std::int32_t g_command = 0;

void RunCommand(QelWnd frame) { Trace("Command " + Name(frame)); }
std::uint8_t UpdateCommand(QelWnd) {
    const char* state = std::getenv("QEL_TRACE_UPDATE");
    return static_cast<std::uint8_t>(state != nullptr ? std::atoi(state) : 0);
}
std::int32_t RunGlobalReport(std::int32_t mode) {
    Trace("Report global " + std::to_string(mode));
    return 0;
}
std::int32_t RunViewReport(std::int32_t mode) {
    Trace("Report view " + std::to_string(mode));
    return 0;
}

QAction* CommandItem(QObject* parent) {
    auto* item = new QAction("Trace", parent);
    item->setData(g_command);
    return item;
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
    if (std::getenv("QEL_TRACE_REGISTER") == nullptr) return 1;
    PluginCommand command{};
    command.onCommand = &RunCommand;
    command.onUpdate = &UpdateCommand;
    g_command = Host<QELARegisterCommandFn>("QELA_RegisterCommand")(&command);
    auto registerReport = Host<QELARegisterFn>("QELA_Register");
    PluginReport global{0, PLUGIN_REPORT_GLOBAL, 0, &RunGlobalReport};
    PluginReport view{0, PLUGIN_REPORT_VIEW, 0, &RunViewReport};
    registerReport(QELA_REGISTER_REPORT, &global);
    registerReport(QELA_REGISTER_REPORT, &view);
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
QEL_API std::int32_t QELPlugin_OnFilterChanged(std::int32_t active) {
    Trace("FilterChanged " + std::to_string(active) + " " + Setting("ViewFilterActive"));
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
QEL_API std::int32_t QELPlugin_OnWindowInit(QelWnd frame, QelWnd view) {
    const bool inFrame = view != nullptr && view->window() == frame;
    Trace("WindowInit " + Name(frame) + " " + Name(view) + (inFrame ? " in frame" : ""));
    return 1;
}
QEL_API std::int32_t QELPlugin_OnMenuInit(QelWnd, QelMenu menu) {
    Trace(std::string("MenuInit ") + (menu != nullptr ? "menu" : "null"));
    auto* bar = qobject_cast<QMenuBar*>(menu);
    if (g_command != 0 && bar != nullptr && !bar->actions().isEmpty()) {
        QMenu* first = bar->actions().front()->menu();
        first->addAction(CommandItem(first));
    }
    return 1;
}
QEL_API std::int32_t QELPlugin_OnToolbarInit(CMainToolBar* toolbar) {
    Trace(std::string("ToolbarInit ") + (toolbar != nullptr ? "toolbar" : "null"));
    auto* bar = reinterpret_cast<QToolBar*>(toolbar);
    if (g_command != 0 && bar != nullptr) bar->addAction(CommandItem(bar));
    return 1;
}
