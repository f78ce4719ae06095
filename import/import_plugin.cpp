// The import plugin's exports: commands that import resources, tasks and
// bookings from delimited text files through the import dialog.

#include <memory>

#include <QMenuBar>

#include "import/import_dialog.h"
#include "import/import_menu.h"
#include "import/name_group_importer.h"
#include "import/booking_importer.h"
#include "plat/dynlib.h"
#include "plat/resource_strings.h"
#include "plugin_api.h"
#include "plugin_base.h"
#include "string_ids.h"
#include "support/ini_transfer.h"
#include "support/version_reader.h"

namespace {

constexpr const char* kSection = "Import";
constexpr const char* kFolderKey = "ImportFolderLast";

template <class Importer>
void RunImport(unsigned texts, QelWnd frame) {
    CImportDlg dialog(std::make_unique<Importer>(g_pluginPlanData, PluginSettingGetter()), texts,
                      PluginSettingGetter(), PluginSettingSetter(), frame);
    dialog.DoModal();
}

void OnImportResources(QelWnd frame) { RunImport<CResourceImporter>(ids::IMPORT_RESOURCES_TEXTS, frame); }
void OnImportTasks(QelWnd frame) { RunImport<CTaskImporter>(ids::IMPORT_TASKS_TEXTS, frame); }
void OnImportBookings(QelWnd frame) { RunImport<CBookingImporter>(ids::IMPORT_BOOKINGS_TEXTS, frame); }
std::uint8_t OnUpdateImportBookings(QelWnd) { return ImportCommandState(g_pluginPlanData); }

std::string OwnVersionValue(const char* name) {
    static const int anchor = 0;
    static void* const self = plat::LoadLibrary(plat::ModulePathOf(&anchor));
    return self != nullptr ? GetVersionInfoString(name, self) : std::string();
}

}  // namespace

QEL_API std::int32_t QELPlugin_OnPluginInfo(const char*, const char*, const char* hostLanguage,
                                            QelModule resources, PluginInfo* info) {
    if (!g_hostApi.IsBound() && !g_hostApi.Bind(plat::ProgramModule())) return 0;
    SetResourceInstance(resources);
    if (info == nullptr) return 1;
    CopyTextField(info->name, sizeof info->name, OwnVersionValue("ProductName"));
    CopyTextField(info->company, sizeof info->company, OwnVersionValue("CompanyName"));
    CopyTextField(info->version, sizeof info->version, OwnVersionValue("ProductVersion"));
    CopyTextField(info->description, sizeof info->description, plat::LoadResString(ids::IMPORT_PLUGIN_DESCRIPTION));
    CopyTextField(info->language, sizeof info->language, hostLanguage != nullptr ? hostLanguage : "");
    return 1;
}

QEL_API std::int32_t QELPlugin_OnStart(CPlanData* data) {
    if (g_pluginPlanData == nullptr) g_pluginPlanData = data;
    return 1;
}

// The plan goes with the program's exit; a later start hands over a new one.
QEL_API std::int32_t QELPlugin_OnExit() {
    g_pluginPlanData = nullptr;
    return 1;
}

QEL_API std::int32_t QELPlugin_OnMenuInit(QelWnd, QelMenu menu) {
    const auto text = [](unsigned id) { return plat::LoadResString(id); };
    const std::vector<ImportMenuCommand> commands = {
        {text(ids::IMPORT_RESOURCES_TEXTS), text(ids::IMPORT_RESOURCES_TEXTS + 1), &OnImportResources,
         &OnUpdateImportBookings},
        {text(ids::IMPORT_TASKS_TEXTS), text(ids::IMPORT_TASKS_TEXTS + 1), &OnImportTasks, &OnUpdateImportBookings},
        {text(ids::IMPORT_BOOKINGS_TEXTS), text(ids::IMPORT_BOOKINGS_TEXTS + 1), &OnImportBookings,
         &OnUpdateImportBookings},
    };
    return InsertImportMenu(qobject_cast<QMenuBar*>(menu), text(ids::IMPORT_MENU), commands,
                            [](const PluginCommand& command) {
                                return g_hostApi.registerCommand != nullptr ? g_hostApi.registerCommand(&command) : 0;
                            });
}

QEL_API std::int32_t QELPlugin_OnLoadSettings(const char* iniPath) {
    IniToStore(PluginSettingGetter(), PluginSettingSetter(), kSection, kFolderKey, iniPath != nullptr ? iniPath : "");
    return 1;
}

QEL_API std::int32_t QELPlugin_OnSaveSettings(const char* iniPath, std::int32_t) {
    StoreToIni(PluginSettingGetter(), kSection, kFolderKey, iniPath != nullptr ? iniPath : "");
    return 1;
}
