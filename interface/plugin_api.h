#pragma once

// The plugin interface: callbacks a plugin library exports (QELPlugin_On...)
// and the functions the main program exports for its plugins (QELA_...).
// Every function returns a 32-bit integer (GetSetting a pointer); the host
// ignores the result of a callback whose broadcast only notifies.

#include <cstdint>

#include "plugin_records.h"
#include "qel_export.h"

// --- Callbacks of a plugin, in the host's stored order ----------------------

QEL_API std::int32_t QELPlugin_OnStart(CPlanData* data);
QEL_API std::int32_t QELPlugin_OnInitialized();
QEL_API std::int32_t QELPlugin_OnRegister();
QEL_API std::int32_t QELPlugin_OnExit();
QEL_API std::int32_t QELPlugin_OnKeyDispatch(std::int32_t virtualKey, std::int32_t modifiers);
QEL_API std::int32_t QELPlugin_OnPreCommand(const char* name, void* arg);
QEL_API std::int32_t QELPlugin_OnDataChanged(std::uint32_t changeMask);
QEL_API std::int32_t QELPlugin_OnFileOpened(std::int32_t kind);
QEL_API std::int32_t QELPlugin_OnViewChanged();
QEL_API std::int32_t QELPlugin_OnSettingsChanged();
QEL_API std::int32_t QELPlugin_OnPluginInfo(const char* hostName, const char* hostVersion,
                                            const char* hostLanguage, QelModule resources,
                                            PluginInfo* info);
QEL_API std::int32_t QELPlugin_OnLoadSettings(const char* iniPath);
QEL_API std::int32_t QELPlugin_OnSaveSettings(const char* iniPath, std::int32_t flag);
QEL_API std::int32_t QELPlugin_OnBeginReport(std::int32_t value);
QEL_API std::int32_t QELPlugin_OnEndReport();
QEL_API std::int32_t QELPlugin_OnWindowInit(QelWnd frame, QelWnd activeView);
QEL_API std::int32_t QELPlugin_OnMenuInit(QelWnd frame, QelMenu menu);
QEL_API std::int32_t QELPlugin_OnToolbarInit(CMainToolBar* toolbar);
QEL_API std::int32_t QELPlugin_OnBuildContextMenu(PluginAddMenuItemFn addItem);
QEL_API std::int32_t QELPlugin_OnFilterChanged(std::int32_t active);

typedef std::int32_t (*QELPluginOnStartFn)(CPlanData*);
typedef std::int32_t (*QELPluginOnInitializedFn)();
typedef std::int32_t (*QELPluginOnRegisterFn)();
typedef std::int32_t (*QELPluginOnExitFn)();
typedef std::int32_t (*QELPluginOnKeyDispatchFn)(std::int32_t, std::int32_t);
typedef std::int32_t (*QELPluginOnPreCommandFn)(const char*, void*);
typedef std::int32_t (*QELPluginOnDataChangedFn)(std::uint32_t);
typedef std::int32_t (*QELPluginOnFileOpenedFn)(std::int32_t);
typedef std::int32_t (*QELPluginOnViewChangedFn)();
typedef std::int32_t (*QELPluginOnSettingsChangedFn)();
typedef std::int32_t (*QELPluginOnPluginInfoFn)(const char*, const char*, const char*, QelModule,
                                                PluginInfo*);
typedef std::int32_t (*QELPluginOnLoadSettingsFn)(const char*);
typedef std::int32_t (*QELPluginOnSaveSettingsFn)(const char*, std::int32_t);
typedef std::int32_t (*QELPluginOnBeginReportFn)(std::int32_t);
typedef std::int32_t (*QELPluginOnEndReportFn)();
typedef std::int32_t (*QELPluginOnWindowInitFn)(QelWnd, QelWnd);
typedef std::int32_t (*QELPluginOnMenuInitFn)(QelWnd, QelMenu);
typedef std::int32_t (*QELPluginOnToolbarInitFn)(CMainToolBar*);
typedef std::int32_t (*QELPluginOnBuildContextMenuFn)(PluginAddMenuItemFn);
typedef std::int32_t (*QELPluginOnFilterChangedFn)(std::int32_t);

#define QELPLUGIN_ONSTART_SYMBOL "QELPlugin_OnStart"
#define QELPLUGIN_ONINITIALIZED_SYMBOL "QELPlugin_OnInitialized"
#define QELPLUGIN_ONREGISTER_SYMBOL "QELPlugin_OnRegister"
#define QELPLUGIN_ONEXIT_SYMBOL "QELPlugin_OnExit"
#define QELPLUGIN_ONKEYDISPATCH_SYMBOL "QELPlugin_OnKeyDispatch"
#define QELPLUGIN_ONPRECOMMAND_SYMBOL "QELPlugin_OnPreCommand"
#define QELPLUGIN_ONDATACHANGED_SYMBOL "QELPlugin_OnDataChanged"
#define QELPLUGIN_ONFILEOPENED_SYMBOL "QELPlugin_OnFileOpened"
#define QELPLUGIN_ONVIEWCHANGED_SYMBOL "QELPlugin_OnViewChanged"
#define QELPLUGIN_ONSETTINGSCHANGED_SYMBOL "QELPlugin_OnSettingsChanged"
#define QELPLUGIN_ONPLUGININFO_SYMBOL "QELPlugin_OnPluginInfo"
#define QELPLUGIN_ONLOADSETTINGS_SYMBOL "QELPlugin_OnLoadSettings"
#define QELPLUGIN_ONSAVESETTINGS_SYMBOL "QELPlugin_OnSaveSettings"
#define QELPLUGIN_ONBEGINREPORT_SYMBOL "QELPlugin_OnBeginReport"
#define QELPLUGIN_ONENDREPORT_SYMBOL "QELPlugin_OnEndReport"
#define QELPLUGIN_ONWINDOWINIT_SYMBOL "QELPlugin_OnWindowInit"
#define QELPLUGIN_ONMENUINIT_SYMBOL "QELPlugin_OnMenuInit"
#define QELPLUGIN_ONTOOLBARINIT_SYMBOL "QELPlugin_OnToolbarInit"
#define QELPLUGIN_ONBUILDCONTEXTMENU_SYMBOL "QELPlugin_OnBuildContextMenu"
#define QELPLUGIN_ONFILTERCHANGED_SYMBOL "QELPlugin_OnFilterChanged"

// --- Functions of the main program ----------------------------------------

QEL_API char* QELA_GetSetting(const char* key, char* buffer, std::int16_t size);
QEL_API std::int32_t QELA_SetSetting(const char* key, const char* value);
QEL_API std::int32_t QELA_OnSettingsChanged();
QEL_API std::int32_t QELA_OnBeginReport(std::int32_t value);
QEL_API std::int32_t QELA_OnEndReport();
QEL_API std::int32_t QELA_OnFileOpened(std::int32_t kind);
QEL_API std::int32_t QELA_OnViewChanged();
QEL_API std::int32_t QELA_LoadSettings(const char* iniPath);
QEL_API std::int32_t QELA_SaveSettings(const char* iniPath, std::int32_t flag);
QEL_API std::int32_t QELA_RegisterCommand(const PluginCommand* command);
QEL_API std::int32_t QELA_Register(const char* what, void* arg);
QEL_API std::int32_t QELA_Command(const char* name, void* arg);
QEL_API std::int32_t QELA_GetCurrentSelection(SelectionRecord* selection);
QEL_API std::int32_t QELA_PrepareReport();
QEL_API std::int32_t QELA_OnBuildContextMenu(PluginAddMenuItemFn addItem);
QEL_API std::int32_t QELA_GetClipboardInfo(CBooking** booking, std::int32_t* flag);
QEL_API std::int32_t QELA_SetClipboardInfo(CBooking* const* items, std::int32_t count);
QEL_API std::int32_t QELA_OnFilterChanged(std::int32_t active);
QEL_API std::int32_t QELA_GetPublicFilter(CFilter** filter);

typedef char* (*QELAGetSettingFn)(const char*, char*, std::int16_t);
typedef std::int32_t (*QELASetSettingFn)(const char*, const char*);
typedef std::int32_t (*QELAOnSettingsChangedFn)();
typedef std::int32_t (*QELAOnBeginReportFn)(std::int32_t);
typedef std::int32_t (*QELAOnEndReportFn)();
typedef std::int32_t (*QELAOnFileOpenedFn)(std::int32_t);
typedef std::int32_t (*QELAOnViewChangedFn)();
typedef std::int32_t (*QELALoadSettingsFn)(const char*);
typedef std::int32_t (*QELASaveSettingsFn)(const char*, std::int32_t);
typedef std::int32_t (*QELARegisterCommandFn)(const PluginCommand*);
typedef std::int32_t (*QELARegisterFn)(const char*, void*);
typedef std::int32_t (*QELACommandFn)(const char*, void*);
typedef std::int32_t (*QELAGetCurrentSelectionFn)(SelectionRecord*);
typedef std::int32_t (*QELAPrepareReportFn)();
typedef std::int32_t (*QELAOnBuildContextMenuFn)(PluginAddMenuItemFn);
typedef std::int32_t (*QELAGetClipboardInfoFn)(CBooking**, std::int32_t*);
typedef std::int32_t (*QELASetClipboardInfoFn)(CBooking* const*, std::int32_t);
typedef std::int32_t (*QELAOnFilterChangedFn)(std::int32_t);
typedef std::int32_t (*QELAGetPublicFilterFn)(CFilter**);

// The 17 functions a plugin binds, in the order it looks them up; the first
// one missing fails the binding. OnViewChanged and OnFilterChanged are the
// host's own.
inline constexpr int QELA_BOUND_FUNCTION_COUNT = 17;
inline constexpr const char* QELA_BOUND_FUNCTION_NAMES[QELA_BOUND_FUNCTION_COUNT] = {
    "QELA_GetSetting",      "QELA_SetSetting",         "QELA_OnSettingsChanged",
    "QELA_OnFileOpened",    "QELA_OnBeginReport",      "QELA_OnEndReport",
    "QELA_LoadSettings",    "QELA_SaveSettings",       "QELA_Register",
    "QELA_RegisterCommand", "QELA_Command",            "QELA_GetCurrentSelection",
    "QELA_PrepareReport",   "QELA_OnBuildContextMenu", "QELA_GetClipboardInfo",
    "QELA_SetClipboardInfo", "QELA_GetPublicFilter",
};

// Setting buffers of the plugins hold this many bytes.
inline constexpr std::int16_t QELA_SETTING_BUFFER_SIZE = 4096;

// Texts of QELA_Register.
#define QELA_REGISTER_VIEW "RegisterView"
#define QELA_REGISTER_REPORT "RegisterReport"
#define QELA_REGISTER_EXPORT "RegisterExport"
