#include "reports/report_settings.h"

#include <algorithm>
#include <span>

#include "plat/resource_strings.h"
#include "plat/utf8.h"
#include "reports/report_strings.h"
#include "support/ini_transfer.h"
#include "ui/prompts.h"

namespace {

using KeyList = std::span<const std::string_view>;

constexpr std::string_view kDirectorySection = "Reports";
constexpr std::string_view kDirectoryKeys[] = {"ReportsDirectoryHtml", "ReportsDirectoryExport"};

constexpr std::string_view kBookingListSection = "Reports Booking List";
constexpr std::string_view kBookingListKeys[] = {
    "ReportsBookingListShowHeader",       "ReportsBookingListTitle",
    "ReportsBookingListTitleEmpty",       "ReportsBookingListShowFooter",
    "ReportsBookingListFooterNotice",     "ReportsBookingListDateFormat",
    "ReportsBookingListDateAlignment",    "ReportsBookingListDateShowNotes",
    "ReportsBookingListDateShowDuration", "ReportsBookingListDateShowDurationTotal",
    "ReportsBookingListGroupByResources",
};

constexpr std::string_view kCalendarSection = "Reports Calendar";
constexpr std::string_view kCalendarKeys[] = {
    "ReportsCalendarShowHeader",
    "ReportsCalendarTitle",
    "ReportsCalendarTitleEmpty",
    "ReportsCalendarShowFooter",
    "ReportsCalendarFooterNotice",
    "ReportsCalendarWeeks",
    "ReportsCalendarShowAdditionalBookings",
    "ReportsCalendarShowAdditionalBookingsAfterEveryPage",
    "ReportsCalendarGroupBookingsByDay",
};

constexpr std::string_view kScheduleSection = "Reports Schedule";
constexpr std::string_view kScheduleKeys[] = {
    "ReportsScheduleShowHeader",   "ReportsScheduleTitle", "ReportsScheduleTitleEmpty",
    "ReportsScheduleShowFooter",   "ReportsScheduleFooterNotice", "ReportsSchedulePages",
    "ReportsSchedulePrinterWidthLabelColumn",
};

constexpr std::size_t kFileNameMax = 255;

void Load(const SettingGetter& get, const SettingSetter& set, std::string_view section, KeyList keys,
          const std::string& iniPath) {
    for (std::string_view key : keys) IniToStore(get, set, section, key, iniPath);
}

bool Save(const SettingGetter& get, std::string_view section, KeyList keys, const std::string& iniPath) {
    bool written = true;
    for (std::string_view key : keys) written = StoreToIni(get, section, key, iniPath) && written;
    return written;
}

}  // namespace

void LoadBookingListSettings(const SettingGetter& get, const SettingSetter& set, const std::string& iniPath) {
    Load(get, set, kBookingListSection, kBookingListKeys, iniPath);
}

bool SaveBookingListSettings(const SettingGetter& get, const std::string& iniPath) {
    return Save(get, kBookingListSection, kBookingListKeys, iniPath);
}

void LoadCalendarSettings(const SettingGetter& get, const SettingSetter& set, const std::string& iniPath) {
    Load(get, set, kCalendarSection, kCalendarKeys, iniPath);
}

bool SaveCalendarSettings(const SettingGetter& get, const std::string& iniPath) {
    return Save(get, kCalendarSection, kCalendarKeys, iniPath);
}

void LoadScheduleReportSettings(const SettingGetter& get, const SettingSetter& set, const std::string& iniPath) {
    Load(get, set, kScheduleSection, kScheduleKeys, iniPath);
}

bool SaveScheduleReportSettings(const SettingGetter& get, const std::string& iniPath) {
    return Save(get, kScheduleSection, kScheduleKeys, iniPath);
}

void LoadReportSettings(const SettingGetter& get, const SettingSetter& set, const std::string& iniPath) {
    Load(get, set, kDirectorySection, kDirectoryKeys, iniPath);
    LoadBookingListSettings(get, set, iniPath);
    LoadCalendarSettings(get, set, iniPath);
    LoadScheduleReportSettings(get, set, iniPath);
}

bool SaveReportSettings(const SettingGetter& get, const std::string& iniPath) {
    bool written = Save(get, kDirectorySection, kDirectoryKeys, iniPath);
    written = SaveBookingListSettings(get, iniPath) && written;
    written = SaveCalendarSettings(get, iniPath) && written;
    return SaveScheduleReportSettings(get, iniPath) && written;
}

std::string SuggestSaveName(std::string_view proposed, std::string_view extension, std::string_view defaultName) {
    const bool onlyDots = proposed.find_first_not_of('.') == std::string_view::npos;
    if (onlyDots || proposed.find_first_of("\\?:*\"<>|/") != std::string_view::npos) return std::string(defaultName);
    const std::size_t room = kFileNameMax > extension.size() + 1 ? kFileNameMax - extension.size() - 1 : 0;
    return std::string(plat::CutUtf8(proposed, room)) + "." + std::string(extension);
}

std::optional<std::string> ChooseSaveFile(QWidget* parent, const SaveFileStrings& strings,
                                          std::string_view directoryKey, std::string_view proposedName,
                                          const SettingGetter& get, const SettingSetter& set) {
    const std::string extension = plat::LoadResString(strings.extension);
    ui::FileDialogRequest request;
    request.fileName = SuggestSaveName(proposedName, extension, plat::LoadResString(strings.defaultName));
    request.defaultExt = extension;
    request.filter = plat::LoadResString(strings.filter);
    request.title = plat::LoadResString(strings.title);
    request.initialDir = ui::UserFolder({get(directoryKey)});
    request.overwritePrompt = true;
    std::optional<std::string> path = ui::CurrentPrompts().SaveFile(parent, request);
    if (!path || path->empty()) return std::nullopt;
    const std::size_t slash = path->rfind('/');
    if (slash != std::string::npos) set(directoryKey, path->substr(0, slash + 1));
    return path;
}

std::optional<std::string> ChooseHtmlFile(QWidget* parent, std::string_view proposedName, const SettingGetter& get,
                                          const SettingSetter& set) {
    std::string name(proposedName);
    std::erase(name, ' ');
    return ChooseSaveFile(parent, {kStrHtmlDefaultName, kStrHtmlExtension, kStrHtmlFilter, kStrHtmlSaveTitle},
                          "ReportsDirectoryHtml", name, get, set);
}

std::optional<std::string> ChooseExportFile(QWidget* parent, std::string_view proposedName, const SettingGetter& get,
                                            const SettingSetter& set) {
    return ChooseSaveFile(parent,
                          {kStrExportDefaultName, kStrExportExtension, kStrExportFilter, kStrExportSaveTitle},
                          "ReportsDirectoryExport", proposedName, get, set);
}
