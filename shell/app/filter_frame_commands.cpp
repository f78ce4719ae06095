#include "app_ids.h"
#include "filter_choice.h"
#include "filter_dialog.h"
#include "frame_commands.h"
#include "host_objects.h"
#include "main_frame.h"
#include "plan_data.h"
#include "plugin_api.h"
#include "settings_store.h"
#include "support/setting_values.h"

namespace {

SettingGetter Settings() {
    return [](std::string_view key) { return SettingsStore().GetSetting(key); };
}

bool FilterActive() { return GetBoolSetting(Settings(), "ViewFilterActive", false); }

bool CanFilter(const CMainFrame& frame) {
    return frame.Data() != nullptr && frame.Data()->properties != nullptr && Host().publicFilter != nullptr;
}

void RunFilterDialog(CMainFrame& frame) {
    if (!CanFilter(frame)) return;
    CPlanData& data = *frame.Data();
    CFilter* filter = Host().publicFilter;
    CFilterDlg dialog(data.properties->IsWriteProtected(), &data, Settings(), &frame);
    dialog.choice = ReadFilterChoice(filter);
    if (dialog.DoModal() != ui::IDOK) return;
    ApplyFilterDialog(filter, dialog.choice);
    SettingsStore().SetSetting("ViewFilterActive", "1");
    QELA_OnFilterChanged(1);
}

}  // namespace

void RegisterFilterFrameCommands(CMainFrame& frame) {
    CMainFrame* f = &frame;
    frame.FrameCommands().Set(app_ids::ID_FILTER_ON_OFF, {[] {
        const bool active = !FilterActive();
        SettingsStore().SetSetting("ViewFilterActive", active ? "1" : "0");
        QELA_OnFilterChanged(active ? 1 : 0);
    }, {}, [] { return FilterActive(); }});
    frame.FrameCommands().Set(app_ids::ID_FILTER_DIALOG,
                              {[f] { RunFilterDialog(*f); }, [f] { return CanFilter(*f); }, {}});
}
