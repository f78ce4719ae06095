#include "plugin_manager.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <set>

#include "plat/resource_strings.h"
#include "settings_store.h"
#include "string_ids.h"
#include "support/paths.h"
#include "support/setting_values.h"

namespace {

// The file behind a path, so that one library found under two names is loaded once.
std::string RealPath(const std::string& path) {
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : path;
}

template <class Fn, class... Args>
void NotifyAll(const std::vector<CPlugin>& plugins, Fn PluginCallbacks::*entry, Args... args) {
    for (std::size_t i = 0; i < plugins.size(); ++i) {
        if (const Fn callback = plugins[i].callbacks.*entry) callback(args...);
    }
}

}  // namespace

void CPluginManager::LoadAll(const std::vector<std::string>& candidates,
                             const PluginHostIdentity& host) {
    std::set<std::string> loadedFiles;
    for (const CPlugin& plugin : plugins_) loadedFiles.insert(RealPath(plugin.path));
    for (const std::string& path : candidates) {
        if (loadedFiles.count(RealPath(path)) != 0) continue;
        CPlugin plugin(path);
        if (plugin.Load(host)) {
            loadedFiles.insert(RealPath(path));
            plugins_.push_back(plugin);
        } else {
            plugin.Unload();
        }
    }
}

void CPluginManager::UnloadAll() {
    for (CPlugin& plugin : plugins_) plugin.Unload();
    plugins_.clear();
}

void CPluginManager::OnStart(CPlanData* data) { NotifyAll(plugins_, &PluginCallbacks::onStart, data); }
void CPluginManager::OnInitialized() { NotifyAll(plugins_, &PluginCallbacks::onInitialized); }
void CPluginManager::OnRegister() { NotifyAll(plugins_, &PluginCallbacks::onRegister); }
void CPluginManager::OnExit() { NotifyAll(plugins_, &PluginCallbacks::onExit); }
void CPluginManager::OnDataChanged(std::uint32_t mask) {
    NotifyAll(plugins_, &PluginCallbacks::onDataChanged, mask);
}
void CPluginManager::OnFileOpened(std::int32_t kind) {
    NotifyAll(plugins_, &PluginCallbacks::onFileOpened, kind);
}
void CPluginManager::OnViewChanged() { NotifyAll(plugins_, &PluginCallbacks::onViewChanged); }
void CPluginManager::OnSettingsChanged() { NotifyAll(plugins_, &PluginCallbacks::onSettingsChanged); }
void CPluginManager::OnLoadSettings(const char* iniPath) {
    NotifyAll(plugins_, &PluginCallbacks::onLoadSettings, iniPath);
}
void CPluginManager::OnSaveSettings(const char* iniPath, std::int32_t flag) {
    NotifyAll(plugins_, &PluginCallbacks::onSaveSettings, iniPath, flag);
}
void CPluginManager::OnEndReport() { NotifyAll(plugins_, &PluginCallbacks::onEndReport); }
void CPluginManager::OnWindowInit(QelWnd frame, QelWnd activeView) {
    NotifyAll(plugins_, &PluginCallbacks::onWindowInit, frame, activeView);
}
void CPluginManager::OnMenuInit(QelWnd frame, QelMenu menu) {
    NotifyAll(plugins_, &PluginCallbacks::onMenuInit, frame, menu);
}
void CPluginManager::OnToolbarInit(CMainToolBar* toolbar) {
    NotifyAll(plugins_, &PluginCallbacks::onToolbarInit, toolbar);
}
void CPluginManager::OnBuildContextMenu(PluginAddMenuItemFn addItem) {
    NotifyAll(plugins_, &PluginCallbacks::onBuildContextMenu, addItem);
}
void CPluginManager::OnFilterChanged(std::int32_t active) {
    NotifyAll(plugins_, &PluginCallbacks::onFilterChanged, active);
}

bool CPluginManager::OnKeyDispatch(std::int32_t virtualKey, std::int32_t modifiers) {
    for (std::size_t i = 0; i < plugins_.size(); ++i) {
        const auto callback = plugins_[i].callbacks.onKeyDispatch;
        if (callback != nullptr && callback(virtualKey, modifiers) != 0) return true;
    }
    return false;
}

std::int32_t CPluginManager::OnPreCommand(const char* name, void* arg) {
    for (std::size_t i = 0; i < plugins_.size(); ++i) {
        const auto callback = plugins_[i].callbacks.onPreCommand;
        if (callback == nullptr) continue;
        const std::int32_t result = callback(name, arg);
        if (result != -1) return result;
    }
    return -1;
}

std::int32_t CPluginManager::OnBeginReport(std::int32_t value) {
    bool agreed = true;
    for (std::size_t i = 0; i < plugins_.size(); ++i) {
        const auto callback = plugins_[i].callbacks.onBeginReport;
        if (callback != nullptr && callback(value) != 1) agreed = false;
    }
    return agreed ? 1 : 0;
}

std::int32_t CPluginManager::RegisterCommand(const PluginCommand* command) {
    if (command == nullptr) return 0;
    const unsigned id = PLUGIN_COMMAND_FIRST_ID + static_cast<unsigned>(commands_.size());
    if (id > PLUGIN_COMMAND_LAST_ID) return 0;
    PluginCommand copy;
    std::memcpy(&copy, command, sizeof copy);
    commands_.push_back(copy);
    return static_cast<std::int32_t>(id);
}

std::int32_t CPluginManager::RegisterReport(const PluginReport* report) {
    if (report == nullptr) return 0;
    if (report->kind == PLUGIN_REPORT_VIEW) {
        viewReports_[report->key] = *report;
    } else if (report->kind == PLUGIN_REPORT_GLOBAL) {
        globalReport_ = *report;
    }
    return 1;
}

const PluginReport* CPluginManager::FindReport(std::int32_t viewIndex) const {
    const auto it = viewReports_.find(viewIndex);
    return it != viewReports_.end() ? &it->second : nullptr;
}

const PluginCommand* CPluginManager::FindCommand(unsigned id) const {
    if (id < PLUGIN_COMMAND_FIRST_ID || id > PLUGIN_COMMAND_LAST_ID) return nullptr;
    const std::size_t index = id - PLUGIN_COMMAND_FIRST_ID;
    return index < commands_.size() ? &commands_[index] : nullptr;
}

bool CPluginManager::RunCommand(unsigned id, QelWnd frame) const {
    const PluginCommand* command = FindCommand(id);
    if (command == nullptr || command->onCommand == nullptr) return false;
    command->onCommand(frame);
    return true;
}

std::optional<std::uint8_t> CPluginManager::UpdateCommand(unsigned id, QelWnd frame) const {
    const PluginCommand* command = FindCommand(id);
    if (command == nullptr || command->onUpdate == nullptr) return std::nullopt;
    return command->onUpdate(frame);
}

bool CPluginManager::RunGlobalReport() const {
    if (globalReport_.callback == nullptr) return false;
    globalReport_.callback(PLUGIN_REPORT_MODE_PREVIEW);
    return true;
}

namespace {

std::int32_t ActiveView() {
    return GetIntSetting([](std::string_view key) { return SettingsStore().GetSetting(key); },
                         "ViewActive", -1);
}

}  // namespace

bool CPluginManager::RunViewReport(std::int32_t mode) const {
    const PluginReport* report = FindReport(ActiveView());
    if (report == nullptr || report->callback == nullptr) return false;
    report->callback(mode);
    return true;
}

bool CPluginManager::HasViewReport() const {
    const PluginReport* report = FindReport(ActiveView());
    return report != nullptr && report->callback != nullptr;
}

bool CPluginManager::RunExport() const {
    if (exportCallback_ == nullptr) return false;
    exportCallback_(0, 0);
    return true;
}

CPluginManager& PluginManager() {
    static CPluginManager manager;
    return manager;
}

std::vector<std::string> FindPluginCandidates(const std::string& programDirectory) {
    std::string directory = programDirectory;
    if (!directory.empty() && directory.back() != '/') directory += '/';
    std::vector<std::string> candidates;
    for (unsigned id : {ids::PLUGIN_VIEWS, ids::PLUGIN_REPORTS, ids::PLUGIN_IMPORT}) {
        const std::string name = plat::LoadResString(id);
        if (!name.empty()) candidates.push_back(directory + name);
    }
    const std::string extension = plat::LoadResString(ids::PLUGIN_FILE_EXTENSION);
    if (!extension.empty()) ListFiles(candidates, directory, extension, true);
    return candidates;
}
