#pragma once

// The option dialogs' settings as plain values: read from and written to the
// settings store, apart from the widgets.

#include <array>
#include <string>
#include <vector>

#include "support/setting_values.h"
#include "support/time_bar_units.h"
#include "ui/win_types.h"

struct ViewOptions {
    int durationStyle = 4;          // 1..4
    bool showNonWorkingTime = true; // the inverse of "ViewScheduleNonWorkingTimeHide"
    ui::COLORREF nonWorkingColor = 0xD4D4D4;
    bool fileOpenLast = true;
    bool showNotesOnBookings = false;
    bool openFileToday = true;
    bool checkBookingConflicts = false;
    bool markToday = true;
    std::string font;               // the default face when the setting is empty
};

ViewOptions LoadViewOptions(const SettingGetter& get, const std::string& defaultFont);
void SaveViewOptions(const ViewOptions& options, const SettingSetter& set);

struct ScheduleOptions {
    int baseUnit = 4;               // 0..7
    LabelCodes major{};             // by major unit
    LabelCodes minor{};             // by base unit
    bool weekNumbers = false;       // "ViewScheduleFormatEnableWeekNumber", read only
};

ScheduleOptions LoadScheduleOptions(const SettingGetter& get);
void SaveScheduleOptions(const ScheduleOptions& options, const SettingSetter& set);

// The label formats a unit's time-bar row may use, in the order offered.
// A unit outside 0..7 has none.
std::vector<int> AllowedLabelCodes(int unit, bool weekNumbers);
// The position of the stored code in the list; 0 (the first) when it is not there.
int LabelCodeIndex(const std::vector<int>& codes, int stored);

// Eight numbers joined by one blank, as the list settings keep them.
template <class Number>
std::string JoinNumbers(const std::array<Number, kTimeBarUnitCount>& values) {
    std::string text;
    for (Number value : values) {
        if (!text.empty()) text += ' ';
        text += std::to_string(value);
    }
    return text;
}

// The base unit the units-on-screen dialog edits: "ViewScheduleBaseUnit",
// the day (4) when the setting names no unit.
int UnitsOnScreenUnit(const SettingGetter& get);
// The most units a screen may show: "ViewScheduleUnitsOnScreenMax" (100)
// within 1..32767, the range the stored numbers take.
int UnitsOnScreenMax(const SettingGetter& get);
