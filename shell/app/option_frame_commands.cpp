#include "app_ids.h"
#include "frame_commands.h"
#include "go_to_date.h"
#include "host_objects.h"
#include "main_frame.h"
#include "main_view.h"
#include "option_dialogs.h"
#include "option_ids.h"
#include "plat/resource_strings.h"
#include "plan_data.h"
#include "plugin_api.h"
#include "print_setup_dialog.h"
#include "print_setup_values.h"
#include "string_ids.h"
#include "settings_store.h"
#include "support/working_time.h"
#include "working_time_dialog.h"

namespace {

SettingGetter Settings() {
    return [](std::string_view key) { return SettingsStore().GetSetting(key); };
}

SettingSetter Store() {
    return [](std::string_view key, std::string_view value) { SettingsStore().SetSetting(key, value); };
}

bool HaveProperties(const CMainFrame& frame) { return frame.Data() != nullptr && frame.Data()->properties != nullptr; }

void RunScheduleOptions(CMainFrame& frame) {
    CPlanData& data = *frame.Data();
    const CPlanProperties& properties = *data.properties;
    CScheduleOptionsDlg dialog(data.properties->IsWriteProtected(), properties.workingDays,
                               GetBoolSetting(Settings(), "AllowDatePeriodWithoutWorkingDays", false), &frame);
    dialog.options = LoadScheduleOptions(Settings());
    dialog.fromDate = CDate::FromJulianDay(properties.periodStart);
    dialog.toDate = CDate::FromJulianDay(properties.periodEnd);
    if (dialog.DoModal() != ui::IDOK) return;
    if (dialog.fromDate.GetJulianDay() != properties.periodStart || dialog.toDate.GetJulianDay() != properties.periodEnd)
        SetWorkingPeriod(&data, dialog.fromDate, dialog.toDate);
    SaveScheduleOptions(dialog.options, Store());
    frame.SyncBaseUnitCombo();
    QELA_OnSettingsChanged();
}

void RunViewOptions(CMainFrame& frame) {
    CViewOptionsDlg dialog(WorkingTimeOf(*frame.Data()->properties), &frame);
    dialog.options = LoadViewOptions(Settings(), plat::LoadResString(option_ids::DEFAULT_VIEW_FONT));
    if (dialog.DoModal() != ui::IDOK) return;
    SaveViewOptions(dialog.options, Store());
    QELA_OnSettingsChanged();
}

void RunUnitsOnScreen(CMainFrame& frame) {
    CUnitsOnScreenDlg dialog(Settings(), &frame);
    if (dialog.DoModal() != ui::IDOK) return;
    SettingsStore().SetSetting(kUnitsOnScreenKey, JoinNumbers(dialog.units));
    QELA_OnSettingsChanged();
}

void RunEditSetting(CMainFrame& frame) {
    CSettingEditDlg dialog(Settings(), &frame);
    if (dialog.DoModal() != ui::IDOK || dialog.key.empty()) return;
    SettingsStore().SetSetting(dialog.key, dialog.value);
    QELA_OnSettingsChanged();
}

void RunPrintSetup(CMainFrame& frame) {
    const PrintSetup stored = LoadPrintSetup(Settings(), plat::LoadResString(ids::DEFAULT_PRINTER_FONT));
    CPrintSetupDlg dialog(Host().printer, &frame);
    dialog.fontName = stored.font;
    dialog.margins = stored.marginsCm;
    if (dialog.DoModal() != ui::IDOK) return;
    SavePrintSetup({dialog.fontName, dialog.margins}, Store());
    QELA_OnSettingsChanged();
}

}  // namespace

void RegisterOptionFrameCommands(CMainFrame& frame) {
    CMainFrame* f = &frame;
    const auto haveDocument = [f] { return HaveProperties(*f); };
    CFrameCommandTable& commands = frame.FrameCommands();
    commands.Set(app_ids::ID_WORKING_TIME, {[f] { EditWorkingTime(f->Data(), Settings(), f); }, haveDocument, {}});
    // The chosen date goes to the visible view; with none there is nowhere to go.
    commands.Set(app_ids::ID_CHOOSE_PERIOD, {[f] {
        CPeriodChoiceDlg dialog(ShownDate(*f), f);
        if (dialog.DoModal() == ui::IDOK) GoToDate(*f, dialog.date);
    }, [f] { return f->View()->VisibleView() != nullptr; }, {}});
    commands.Set(app_ids::ID_SCHEDULE_OPTIONS, {[f] { RunScheduleOptions(*f); }, haveDocument, {}});
    commands.Set(app_ids::ID_VIEW_OPTIONS, {[f] { RunViewOptions(*f); }, haveDocument, {}});
    commands.Set(app_ids::ID_UNITS_ON_SCREEN, {[f] { RunUnitsOnScreen(*f); }, {}, {}});
    commands.Set(app_ids::ID_EDIT_SETTING, {[f] { RunEditSetting(*f); }, {}, {}});
    commands.Set(app_ids::ID_FILE_PRINT_SETUP, {[f] { RunPrintSetup(*f); }, {}, {}});
    commands.Set(app_ids::ID_APP_ABOUT, {[f] { CAboutDlg(f).DoModal(); }, {}, {}});
}
