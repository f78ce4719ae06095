#include "go_to_date.h"

#include "host_messages.h"
#include "main_frame.h"
#include "plan_data.h"
#include "settings_store.h"
#include "support/setting_values.h"
#include "support/working_time.h"

bool GoToDate(CMainFrame& frame, const CDate& date) {
    const SettingGetter get = [](std::string_view key) { return SettingsStore().GetSetting(key); };
    CDateTime target(date);
    const CPlanData* data = frame.Data();
    if (GetBoolSetting(get, "ViewScheduleNonWorkingTimeHide", false) && data != nullptr && data->properties != nullptr)
        target.time = CTimeOfDay(WorkingTimeOf(*data->properties).dayStart);
    return frame.SendToVisibleView(WM_PLUGIN_GOTO_DATE, 1, reinterpret_cast<std::intptr_t>(&target));
}

CDate ShownDate(CMainFrame& frame) {
    CDateTime shown(CDate::Today());
    const CDate today = shown.date;
    if (!frame.SendToVisibleView(WM_PLUGIN_GOTO_DATE, 0, reinterpret_cast<std::intptr_t>(&shown))) return today;
    return shown.date;
}
