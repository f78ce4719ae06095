#include "plugin.h"

#include <cstdio>

#include "plat/dynlib.h"
#include "plat/files.h"
#include "support/version_reader.h"

namespace {

template <class Fn>
void Bind(void* module, const char* name, Fn& entry) {
    entry = reinterpret_cast<Fn>(plat::GetSymbol(module, name));
}

}  // namespace

PluginHostIdentity ReadHostIdentity(QelModule resources) {
    return {GetVersionInfoString("ProductName", nullptr),
            GetVersionInfoString("ProductVersion", nullptr), GetVersionInfoString("", nullptr),
            resources};
}

bool CPlugin::Load(const PluginHostIdentity& host) {
    // A default plugin that is not installed is no fault worth a word.
    if (plat::GetPathKind(path) == plat::PathKind::Missing) return false;
    module = plat::LoadLibrary(path);
    if (module == nullptr) {
        std::fprintf(stderr, "plugin %s: %s\n", path.c_str(), plat::LastLibraryError().c_str());
        return false;
    }
    Bind(module, QELPLUGIN_ONPLUGININFO_SYMBOL, callbacks.onPluginInfo);
    if (callbacks.onPluginInfo == nullptr) return false;
    info = PluginInfo{};
    if (callbacks.onPluginInfo(host.productName.c_str(), host.productVersion.c_str(),
                               host.languageCode.c_str(), host.resources, &info) == 0) {
        return false;
    }
    Bind(module, QELPLUGIN_ONSTART_SYMBOL, callbacks.onStart);
    Bind(module, QELPLUGIN_ONINITIALIZED_SYMBOL, callbacks.onInitialized);
    Bind(module, QELPLUGIN_ONREGISTER_SYMBOL, callbacks.onRegister);
    Bind(module, QELPLUGIN_ONEXIT_SYMBOL, callbacks.onExit);
    Bind(module, QELPLUGIN_ONKEYDISPATCH_SYMBOL, callbacks.onKeyDispatch);
    Bind(module, QELPLUGIN_ONPRECOMMAND_SYMBOL, callbacks.onPreCommand);
    Bind(module, QELPLUGIN_ONDATACHANGED_SYMBOL, callbacks.onDataChanged);
    Bind(module, QELPLUGIN_ONFILEOPENED_SYMBOL, callbacks.onFileOpened);
    Bind(module, QELPLUGIN_ONVIEWCHANGED_SYMBOL, callbacks.onViewChanged);
    Bind(module, QELPLUGIN_ONSETTINGSCHANGED_SYMBOL, callbacks.onSettingsChanged);
    Bind(module, QELPLUGIN_ONLOADSETTINGS_SYMBOL, callbacks.onLoadSettings);
    Bind(module, QELPLUGIN_ONSAVESETTINGS_SYMBOL, callbacks.onSaveSettings);
    Bind(module, QELPLUGIN_ONBEGINREPORT_SYMBOL, callbacks.onBeginReport);
    Bind(module, QELPLUGIN_ONENDREPORT_SYMBOL, callbacks.onEndReport);
    Bind(module, QELPLUGIN_ONWINDOWINIT_SYMBOL, callbacks.onWindowInit);
    Bind(module, QELPLUGIN_ONMENUINIT_SYMBOL, callbacks.onMenuInit);
    Bind(module, QELPLUGIN_ONTOOLBARINIT_SYMBOL, callbacks.onToolbarInit);
    Bind(module, QELPLUGIN_ONBUILDCONTEXTMENU_SYMBOL, callbacks.onBuildContextMenu);
    Bind(module, QELPLUGIN_ONFILTERCHANGED_SYMBOL, callbacks.onFilterChanged);
    return true;
}

bool CPlugin::Unload() {
    if (module != nullptr) plat::FreeLibrary(module);
    module = nullptr;
    callbacks = PluginCallbacks{};
    return true;
}
