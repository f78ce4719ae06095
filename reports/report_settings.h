#pragma once

// The reports' settings between INI files and the host's store, and the
// save dialog of HTML pages and exports.

#include <optional>
#include <string>
#include <string_view>

#include "support/setting_values.h"

class QWidget;

// Each moves its section's keys; false when an INI file could not be written.
void LoadBookingListSettings(const SettingGetter& get, const SettingSetter& set, const std::string& iniPath);
bool SaveBookingListSettings(const SettingGetter& get, const std::string& iniPath);
void LoadCalendarSettings(const SettingGetter& get, const SettingSetter& set, const std::string& iniPath);
bool SaveCalendarSettings(const SettingGetter& get, const std::string& iniPath);
void LoadScheduleReportSettings(const SettingGetter& get, const SettingSetter& set, const std::string& iniPath);
bool SaveScheduleReportSettings(const SettingGetter& get, const std::string& iniPath);
// The report folders, then the booking list's, the calendar's and the
// schedule's sections.
void LoadReportSettings(const SettingGetter& get, const SettingSetter& set, const std::string& iniPath);
bool SaveReportSettings(const SettingGetter& get, const std::string& iniPath);

// The name the save dialog proposes: proposed + "." + extension when
// proposed is a usable file name (not empty, no "\\?:*\"<>|/", not only
// dots), cut on a character boundary so that the whole name stays within
// 255 bytes; otherwise defaultName.
std::string SuggestSaveName(std::string_view proposed, std::string_view extension, std::string_view defaultName);

struct SaveFileStrings {
    unsigned defaultName;
    unsigned extension;
    unsigned filter;
    unsigned title;
};

// Asks for a file to save under; the chosen file's folder becomes the
// setting directoryKey. Nothing when cancelled or no path was chosen.
std::optional<std::string> ChooseSaveFile(QWidget* parent, const SaveFileStrings& strings,
                                          std::string_view directoryKey, std::string_view proposedName,
                                          const SettingGetter& get, const SettingSetter& set);
// HTML pages: the proposal without blanks, folder "ReportsDirectoryHtml".
std::optional<std::string> ChooseHtmlFile(QWidget* parent, std::string_view proposedName,
                                          const SettingGetter& get, const SettingSetter& set);
// Exports: folder "ReportsDirectoryExport".
std::optional<std::string> ChooseExportFile(QWidget* parent, std::string_view proposedName,
                                            const SettingGetter& get, const SettingSetter& set);
