// The callbacks of the views plugin: they make the schedule and calendar
// windows inside the host's main view, show the one "ViewActive" names, and
// pass keys, data, settings and filter changes to the visible one.

#include <dlfcn.h>

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <algorithm>
#include <cstring>

#include "calendar_view_wnd.h"
#include "host_messages.h"
#include "plat/resource_strings.h"
#include "plugin_api.h"
#include "plugin_base.h"
#include "schedule_chart_wnd.h"
#include "schedule_view_wnd.h"
#include "string_ids.h"
#include "support/ini_transfer.h"
#include "support/version_reader.h"
#include "support/working_time.h"
#include "ui/key_codes.h"
#include "ui/message.h"
#include "ui/scroll_bar.h"

namespace {

QPointer<QWidget> g_hostMainWnd;
QPointer<CScheduleViewWnd> g_scheduleView;
QPointer<CCalendarViewWnd> g_calendarView;
bool g_firstViewChange = true;
bool g_firstFileOpen = true;

bool IsShown(const QWidget* window) { return window != nullptr && !window->isHidden(); }

QWidget* ActiveView() {
    if (IsShown(g_scheduleView)) return g_scheduleView;
    if (IsShown(g_calendarView)) return g_calendarView;
    return nullptr;
}

void CopyField(char* field, std::size_t size, const std::string& text) {
    const std::size_t length = std::min(text.size(), size - 1);
    std::memcpy(field, text.data(), length);
    field[length] = '\0';
}

void* OwnModule() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&CopyField), &info) == 0) return nullptr;
    return dlopen(info.dli_fname, RTLD_NOW | RTLD_NOLOAD);
}

void RegisterView(QWidget* window) {
    if (g_hostApi.IsBound()) g_hostApi.registerItem(QELA_REGISTER_VIEW, &window);
}

void GoToToday() {
    const SettingGetter get = PluginSettingGetter();
    int start = 0;
    if (GetBoolSetting(get, "ViewScheduleNonWorkingTimeHide", false) && g_pluginPlanData != nullptr &&
        g_pluginPlanData->properties != nullptr)
        start = WorkingTimeOf(*g_pluginPlanData->properties).dayStart;
    CDateTime today(CDate::Today(), CTimeOfDay(start));
    for (QWidget* view : {static_cast<QWidget*>(g_scheduleView), static_cast<QWidget*>(g_calendarView)})
        ui::SendMessage(view, WM_PLUGIN_GOTO_DATE, 1, reinterpret_cast<ui::LPARAM>(&today));
}

const char* const kCalendarLayoutKeys[] = {"ViewCalendarDayWidth", "ViewCalendarDayHeight"};

}  // namespace

QEL_API std::int32_t QELPlugin_OnPluginInfo(const char*, const char*, const char*, QelModule resources,
                                            PluginInfo* info) {
    if (info == nullptr || !InitPluginBase(QGuiApplication::primaryScreen() != nullptr
                                               ? static_cast<int>(QGuiApplication::primaryScreen()->logicalDotsPerInchY())
                                               : 96))
        return 0;
    void* self = OwnModule();
    SetResourceInstance(resources);
    CopyField(info->name, sizeof info->name, GetVersionInfoString("ProductName", self));
    CopyField(info->company, sizeof info->company, GetVersionInfoString("CompanyName", self));
    CopyField(info->version, sizeof info->version, GetVersionInfoString("ProductVersion", self));
    CopyField(info->description, sizeof info->description, plat::LoadResString(ids::VIEWS_DESCRIPTION));
    CopyField(info->language, sizeof info->language, GetVersionInfoString("", nullptr));
    if (self != nullptr) dlclose(self);
    return 1;
}

QEL_API std::int32_t QELPlugin_OnStart(CPlanData* data) {
    if (g_pluginPlanData == nullptr) g_pluginPlanData = data;
    if (g_hostApi.IsBound()) g_hostApi.getPublicFilter(&g_pluginPublicFilter);
    return 1;
}

QEL_API std::int32_t QELPlugin_OnInitialized() { return 1; }

QEL_API std::int32_t QELPlugin_OnWindowInit(QelWnd frame, QelWnd view) {
    g_hostMainWnd = frame;
    if (view == nullptr) return 1;
    if (!g_scheduleView) {
        g_scheduleView = new CScheduleViewWnd(view);
        RegisterView(g_scheduleView);
    }
    if (!g_calendarView) {
        g_calendarView = new CCalendarViewWnd(view);
        RegisterView(g_calendarView);
    }
    return 1;
}

QEL_API std::int32_t QELPlugin_OnKeyDispatch(std::int32_t key, std::int32_t modifiers) {
    if (!ui::HasKeyboard(g_hostMainWnd)) return 0;
    if (IsShown(g_scheduleView)) return g_scheduleView->OnKeyDown(key, modifiers);
    if (IsShown(g_calendarView)) return g_calendarView->OnKeyDown(key, modifiers);
    return 0;
}

QEL_API std::int32_t QELPlugin_OnFileOpened(std::int32_t kind) {
    if (kind != 0) return 1;
    if (GetBoolSetting(PluginSettingGetter(), "ViewOpenFileToday", true)) {
        GoToToday();
    } else if (g_firstFileOpen) {
        if (g_scheduleView) ui::SendMessage(g_scheduleView->Chart(), WM_HSCROLL_CODE, ui::SB_LEFT, 0);
        g_firstFileOpen = false;
    }
    return 1;
}

QEL_API std::int32_t QELPlugin_OnDataChanged(std::uint32_t mask) {
    ui::SendMessage(ActiveView(), WM_VIEW_DATA_CHANGED, 0, static_cast<ui::LPARAM>(mask));
    return 1;
}

QEL_API std::int32_t QELPlugin_OnSettingsChanged() {
    ui::SendMessage(ActiveView(), WM_VIEW_SETTINGS_CHANGED, 0, 0);
    return 1;
}

QEL_API std::int32_t QELPlugin_OnFilterChanged(std::int32_t) {
    ui::SendMessage(ActiveView(), WM_VIEW_FILTER_CHANGED, 0, 0);
    return 1;
}

QEL_API std::int32_t QELPlugin_OnViewChanged() {
    int current = -1;
    if (IsShown(g_scheduleView)) current = g_scheduleView->IsResourceMode() ? 0 : 1;
    else if (IsShown(g_calendarView)) current = 2;
    const int wanted = GetIntSetting(PluginSettingGetter(), "ViewActive", 0);
    if (wanted == current) return 1;
    if (QWidget* shown = ActiveView()) shown->hide();
    QWidget* taken = g_calendarView;
    if (wanted == 0 || wanted == 1) {
        if (g_scheduleView) g_scheduleView->SetResourceMode(wanted == 0);
        taken = g_scheduleView;
    }
    if (taken != nullptr) {
        // Sized first: a hidden main window delivers no resize events, and
        // the activation lays the view out for its size.
        if (QWidget* parent = taken->parentWidget()) taken->setGeometry(parent->rect());
        ui::SendMessage(taken, WM_VIEW_ACTIVATED, 0, 0);
        taken->show();
    }
    if (g_firstViewChange && GetBoolSetting(PluginSettingGetter(), "ViewOpenFileToday", true)) GoToToday();
    g_firstViewChange = false;
    return 1;
}

QEL_API std::int32_t QELPlugin_OnLoadSettings(const char* iniPath) {
    const std::string path = iniPath != nullptr ? iniPath : "";
    CScheduleViewWnd::LoadLayout(path);
    for (const char* key : kCalendarLayoutKeys) IniToStore(PluginSettingGetter(), PluginSettingSetter(), "Views", key, path);
    return 1;
}

QEL_API std::int32_t QELPlugin_OnSaveSettings(const char* iniPath, std::int32_t) {
    const std::string path = iniPath != nullptr ? iniPath : "";
    CScheduleViewWnd::SaveLayout(path);
    for (const char* key : kCalendarLayoutKeys) StoreToIni(PluginSettingGetter(), "Views", key, path);
    return 1;
}

// The host frees the plan after this: a later start in the same process
// (the library stays loaded) must not find the old root kept.
QEL_API std::int32_t QELPlugin_OnExit() {
    g_pluginPlanData = nullptr;
    g_pluginPublicFilter = nullptr;
    g_firstViewChange = true;
    g_firstFileOpen = true;
    return 1;
}

QEL_API std::int32_t QELPlugin_OnMenuInit(QelWnd, QelMenu) { return 1; }
QEL_API std::int32_t QELPlugin_OnToolbarInit(CMainToolBar*) { return 1; }
