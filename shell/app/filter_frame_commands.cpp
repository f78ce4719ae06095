#include "app_ids.h"
#include "frame_commands.h"
#include "main_frame.h"
#include "plugin_api.h"
#include "settings_store.h"
#include "support/setting_values.h"

namespace {

bool FilterActive() {
    return GetBoolSetting([](std::string_view key) { return SettingsStore().GetSetting(key); }, "ViewFilterActive",
                          false);
}

}  // namespace

void RegisterFilterFrameCommands(CMainFrame& frame) {
    frame.FrameCommands().Set(app_ids::ID_FILTER_ON_OFF, {[] {
        const bool active = !FilterActive();
        SettingsStore().SetSetting("ViewFilterActive", active ? "1" : "0");
        QELA_OnFilterChanged(active ? 1 : 0);
    }, {}, [] { return FilterActive(); }});
}
