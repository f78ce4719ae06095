#pragma once

// What every plugin library carries: the binding of the main program's host
// functions, the plugin's view of the plan, typed settings through the host,
// and thin wrappers over named host commands. Everything runs on the host's
// user-interface thread.

#include <string>
#include <string_view>

#include "plan_context.h"
#include "plan_data.h"
#include "plugin_api.h"
#include "support/calendar_values.h"
#include "support/setting_values.h"

// The host functions a plugin calls, bound by name from the running program.
class CHostApi {
public:
    virtual ~CHostApi() = default;

    // Looks the functions up in binding order on module. The first missing
    // one clears the module handle and fails; the pointers found so far stay
    // but are never used. A binding that already succeeded stays as it is.
    bool Bind(void* module);
    bool IsBound() const { return module != nullptr; }

    void* module = nullptr;   // null until the binding succeeded
    QELAGetSettingFn getSetting = nullptr;
    QELASetSettingFn setSetting = nullptr;
    QELAOnSettingsChangedFn onSettingsChanged = nullptr;
    QELAOnFileOpenedFn onFileOpened = nullptr;
    QELAOnBeginReportFn onBeginReport = nullptr;
    QELAOnEndReportFn onEndReport = nullptr;
    QELALoadSettingsFn loadSettings = nullptr;
    QELASaveSettingsFn saveSettings = nullptr;
    QELARegisterFn registerItem = nullptr;
    QELARegisterCommandFn registerCommand = nullptr;
    QELACommandFn command = nullptr;
    QELAGetCurrentSelectionFn getCurrentSelection = nullptr;
    QELAPrepareReportFn prepareReport = nullptr;
    QELAOnBuildContextMenuFn onBuildContextMenu = nullptr;
    QELAGetClipboardInfoFn getClipboardInfo = nullptr;
    QELASetClipboardInfoFn setClipboardInfo = nullptr;
    QELAGetPublicFilterFn getPublicFilter = nullptr;
};

extern CHostApi g_hostApi;
// Handed over by QELPlugin_OnStart.
extern CPlanData* g_pluginPlanData;
extern CFilter* g_pluginPublicFilter;
// 1.0 until ApplyFontSizeFactor ran.
extern double g_fontSizeFactor;

// The plan, public filter, locale names and settings of this plugin, for
// the layout models.
PlanContext PluginPlanContext();

// Binds g_hostApi on the running program, fills g_localeNames and applies
// the font size factor for a screen of dpiY logical pixels per inch. False
// when the binding failed: the plugin then refuses in QELPlugin_OnPluginInfo.
bool InitPluginBase(int dpiY);

// Makes module (the resource library the host passes to
// QELPlugin_OnPluginInfo) the source of the plugin's texts and takes the
// application name (string 0xE000) and the profile key (string 0xE004) from it.
void SetResourceInstance(void* module);
const std::string& PluginAppName();
const std::string& PluginRegistryKey();

// The host's setting under key, "" for an empty key or an unbound host. The
// host cuts values longer than 4095 bytes; the cut stays on a character
// boundary.
std::string GetSettingString(std::string_view key);
// False when the host is not bound or the key is empty.
bool SetSettingString(std::string_view key, std::string_view value);
// The typed readers and writers of the support library, through the host.
SettingGetter PluginSettingGetter();
SettingSetter PluginSettingSetter();

// Below 108 logical pixels per inch the factor becomes 1.2, else 1.0;
// "ViewFontSizeFactor" is written either way.
void ApplyFontSizeFactor(int dpiY);
// A view's font size setting in tenths of a point, 1..kMaxFontSizeSetting;
// without one, size times the font size factor.
int GetViewFontSize(const SettingGetter& get, std::string_view key, int size);

// Sets the two status-bar panes; each text is cut to 255 bytes on a
// character boundary. A null text counts as empty. False when the host is
// not bound or refused the command.
bool SendStatusBarText(const char* text0, const char* text1);

// Asks the host whether booking (null for a new one) may take the place
// resource, start to end. True when the move may proceed. A null resource,
// an invalid period or an unbound host refuses.
bool RequestBookingConflictCheck(CResource* resource, const CDateTime& start,
                                 const CDateTime& end, CBooking* booking);
