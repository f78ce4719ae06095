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
