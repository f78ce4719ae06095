#include "app_ids.h"
#include "frame_commands.h"
#include "go_to_date.h"
#include "main_frame.h"
#include "plan_data.h"
#include "settings_store.h"
#include "working_time_dialog.h"

namespace {

SettingGetter Settings() {
    return [](std::string_view key) { return SettingsStore().GetSetting(key); };
}

bool HaveProperties(const CMainFrame& frame) { return frame.Data() != nullptr && frame.Data()->properties != nullptr; }

}  // namespace

void RegisterOptionFrameCommands(CMainFrame& frame) {
    CMainFrame* f = &frame;
    frame.FrameCommands().Set(app_ids::ID_WORKING_TIME,
                              {[f] { EditWorkingTime(f->Data(), Settings(), f); }, [f] { return HaveProperties(*f); }, {}});
    frame.FrameCommands().Set(app_ids::ID_CHOOSE_PERIOD, {[f] {
        CPeriodChoiceDlg dialog(ShownDate(*f), f);
        if (dialog.DoModal() == ui::IDOK) GoToDate(*f, dialog.date);
    }, {}, {}});
}
