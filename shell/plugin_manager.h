#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "plugin.h"

// The loaded plugins in load order, and what they registered. Broadcasts
// walk the plugins front to back and skip a missing callback.
class CPluginManager {
public:
    ~CPluginManager() { UnloadAll(); }

    // Loads each candidate in order; a library found a second time (the
    // same file under another name) is not loaded again.
    void LoadAll(const std::vector<std::string>& candidates, const PluginHostIdentity& host);
    // Frees every library in load order, then forgets the records.
    void UnloadAll();
    const std::vector<CPlugin>& Plugins() const { return plugins_; }

    // Notify every plugin.
    void OnStart(CPlanData* data);
    void OnInitialized();
    void OnRegister();
    void OnExit();
    void OnDataChanged(std::uint32_t mask);
    void OnFileOpened(std::int32_t kind);
    void OnViewChanged();
    void OnSettingsChanged();
    void OnLoadSettings(const char* iniPath);
    void OnSaveSettings(const char* iniPath, std::int32_t flag);
    void OnEndReport();
    void OnWindowInit(QelWnd frame, QelWnd activeView);
    void OnMenuInit(QelWnd frame, QelMenu menu);
    void OnToolbarInit(CMainToolBar* toolbar);
    void OnBuildContextMenu(PluginAddMenuItemFn addItem);
    void OnFilterChanged(std::int32_t active);
    // The first plugin that consumes the key ends the walk.
    bool OnKeyDispatch(std::int32_t virtualKey, std::int32_t modifiers);
    // The first result other than -1 ends the walk; -1 when none handled it.
    std::int32_t OnPreCommand(const char* name, void* arg);
    // Every plugin is asked; 1 only when each answered exactly 1.
    std::int32_t OnBeginReport(std::int32_t value);

    // The identifier of the new command, or 0 beyond the last identifier.
    std::int32_t RegisterCommand(const PluginCommand* command);
    // 0 for a null record, else 1 (a record of an unknown kind is not kept).
    std::int32_t RegisterReport(const PluginReport* report);
    const PluginReport* FindReport(std::int32_t viewIndex) const;
    void SetExportCallback(PluginExportCallback callback) { exportCallback_ = callback; }

    // Routing of the frame's commands. Each returns false when the command
    // has no target; the update forms tell whether the command is enabled.
    bool RunCommand(unsigned id, QelWnd frame) const;
    // The update result of a registered command, or nothing when the
    // identifier is not one (the item is left as it is).
    std::optional<std::uint8_t> UpdateCommand(unsigned id, QelWnd frame) const;
    bool RunGlobalReport() const;
    bool HasGlobalReport() const { return globalReport_.callback != nullptr; }
    // The report of the view named by "ViewActive", in the given mode.
    bool RunViewReport(std::int32_t mode) const;
    bool HasViewReport() const;
    bool RunExport() const;
    bool HasExport() const { return exportCallback_ != nullptr; }

private:
    const PluginCommand* FindCommand(unsigned id) const;

    std::vector<CPlugin> plugins_;
    std::vector<PluginCommand> commands_;
    PluginReport globalReport_{};
    std::map<std::int32_t, PluginReport> viewReports_;
    PluginExportCallback exportCallback_ = nullptr;
};

CPluginManager& PluginManager();

// The libraries to try, in order: the three default plugin names in the
// program directory, then every file below it with the plugin extension.
std::vector<std::string> FindPluginCandidates(const std::string& programDirectory);
