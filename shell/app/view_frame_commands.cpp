#include "frame_commands.h"

#include "app_ids.h"
#include "go_to_date.h"
#include "host_messages.h"
#include "main_frame.h"
#include "main_view.h"
#include "plugin_api.h"
#include "settings_store.h"
#include "support/setting_values.h"

namespace {

int IntSettingOr(const char* key, int fallback) {
    return GetIntSetting([](std::string_view k) { return GetSetting(std::string(k)); }, key, fallback);
}

}  // namespace

void RegisterViewFrameCommands(CMainFrame& frame) {
    for (unsigned view = 0; view < 3; ++view) {
        frame.FrameCommands().Set(app_ids::ID_VIEW_FIRST + view,
                                  {[view] {
                                       SettingsStore().SetSetting("ViewActive", std::to_string(view));
                                       QELA_OnViewChanged();
                                   },
                                   {},
                                   [view] { return IntSettingOr("ViewActive", -1) == static_cast<int>(view); }});
    }
    frame.FrameCommands().Set(app_ids::ID_GO_TO_TODAY, {[&frame] { GoToDate(frame, CDate::Today()); },
                                                        [&frame] { return frame.View()->VisibleView() != nullptr; },
                                                        {}});
    frame.FrameCommands().Set(app_ids::ID_VIEW_COMMAND,
                              {[&frame] { frame.View()->SendToVisibleView(WM_PLUGIN_VIEW_COMMAND, 0, 0); },
                               [&frame] { return frame.View()->VisibleView() != nullptr; },
                               {}});
}
