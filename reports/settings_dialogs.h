#pragma once

// The report settings dialogs: thin windows over the settings values.

#include <string>

#include "reports/report_settings_values.h"

class QWidget;

// Each edits its report's settings; true when closed with OK (the settings
// are then written).
bool RunBookingListSettingsDialog(QWidget* parent, const SettingGetter& get, const SettingSetter& set);
bool RunCalendarSettingsDialog(QWidget* parent, const SettingGetter& get, const SettingSetter& set);

// The export's choice: 0 resources, 1 tasks, 2 bookings in the range.
struct ExportChoice {
    int what = 0;
    CDate rangeStart;
    CDate rangeEnd;
    std::string fileName;
};
// OK asks for the file first; cancelling that keeps the dialog open.
bool RunExportDialog(QWidget* parent, ExportChoice& choice, const SettingGetter& get, const SettingSetter& set);
