#pragma once

#include <string>

#include "plugin_api.h"

// What every plugin is told about the host while it is loaded.
struct PluginHostIdentity {
    std::string productName;
    std::string productVersion;
    std::string languageCode;      // "%04hX%04hX" of the first translation, or ""
    QelModule resources = nullptr; // the resource library's module
};

// The running program's identity from its version block.
PluginHostIdentity ReadHostIdentity(QelModule resources);

// The entry points of one plugin, in stored order; null when not exported.
struct PluginCallbacks {
    QELPluginOnStartFn onStart = nullptr;
    QELPluginOnInitializedFn onInitialized = nullptr;
    QELPluginOnRegisterFn onRegister = nullptr;
    QELPluginOnExitFn onExit = nullptr;
    QELPluginOnKeyDispatchFn onKeyDispatch = nullptr;
    QELPluginOnPreCommandFn onPreCommand = nullptr;
    QELPluginOnDataChangedFn onDataChanged = nullptr;
    QELPluginOnFileOpenedFn onFileOpened = nullptr;
    QELPluginOnViewChangedFn onViewChanged = nullptr;
    QELPluginOnSettingsChangedFn onSettingsChanged = nullptr;
    QELPluginOnPluginInfoFn onPluginInfo = nullptr;
    QELPluginOnLoadSettingsFn onLoadSettings = nullptr;
    QELPluginOnSaveSettingsFn onSaveSettings = nullptr;
    QELPluginOnBeginReportFn onBeginReport = nullptr;
    QELPluginOnEndReportFn onEndReport = nullptr;
    QELPluginOnWindowInitFn onWindowInit = nullptr;
    QELPluginOnMenuInitFn onMenuInit = nullptr;
    QELPluginOnToolbarInitFn onToolbarInit = nullptr;
    QELPluginOnBuildContextMenuFn onBuildContextMenu = nullptr;
    QELPluginOnFilterChangedFn onFilterChanged = nullptr;
};

// The host's record of one plugin library. Copies share the module; the
// destructor never frees it (Unload does).
class CPlugin {
public:
    explicit CPlugin(std::string path) : path(std::move(path)) {}
    CPlugin(const CPlugin&) = default;
    CPlugin& operator=(const CPlugin&) = default;
    virtual ~CPlugin() = default;

    // Loads the library and asks whether it is a plugin; only then are the
    // other callbacks bound.
    bool Load(const PluginHostIdentity& host);
    // True when there was nothing to free or freeing succeeded.
    bool Unload();

    PluginInfo info{};
    PluginCallbacks callbacks;
    void* module = nullptr;
    std::string path;
};
