#pragma once

// What the report settings dialogs show and store, apart from any window.

#include <string>

#include "support/calendar_values.h"
#include "support/setting_values.h"

struct BookingListSettingsValues {
    bool showHeader = true;
    std::string title;          // the stored title, string 26000 when none
    bool fixedRange = false;
    CDate rangeStart;
    CDate rangeEnd;
    int dateFormat = 2;
    int dateAlignment = 1;
    bool showFooter = true;
    std::string footerNotice;
    bool groupByResources = true;
    bool showNotes = false;
    bool showDuration = true;
    bool showDurationTotal = true;

    void Load(const SettingGetter& get);
    // An empty title switches the title off.
    void Store(const SettingSetter& set) const;
};

struct CalendarSettingsValues {
    bool showHeader = true;
    std::string title;
    bool fixedRange = false;
    CDate rangeStart;
    CDate rangeEnd;
    bool showFooter = true;
    std::string footerNotice;
    bool showAdditionalBookings = true;
    bool additionalAfterEveryPage = true;
    bool groupBookingsByDay = false;
    int weeks = 4;
    int weeksMax = 20;

    void Load(const SettingGetter& get);
    void Store(const SettingSetter& set) const;
};

// The schedule report's dialog. The label width is shown in centimetres,
// or inches when the locale is not metric; with a base unit of a day or
// coarser the times are not shown and the stored end (0:00 of the day
// after) shows as the last day itself.
struct ScheduleReportSettingsValues {
    bool showHeader = true;
    std::string title;
    bool fixedRange = false;
    CDate rangeStart;
    CDate rangeEnd;
    int startTime = 0;   // minutes
    int endTime = 0;
    bool showFooter = true;
    std::string footerNotice;
    int pages = 1;
    int pagesMax = 100;
    double labelWidth = 5.0;   // in the unit below
    bool metric = true;
    bool dayOrCoarser = true;

    void Load(const SettingGetter& get, bool metricLocale);
    // False when the fixed range does not end after it starts (nothing is
    // then stored).
    bool RangeValid() const;
    void Store(const SettingSetter& set) const;
};

// The stored label width (hundredths of a centimetre) in centimetres or
// inches, and back, rounded to the nearest stored unit.
double LabelWidthShown(int stored, bool metric);
int LabelWidthStored(double shown, bool metric);
