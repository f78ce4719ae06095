#pragma once

// The working-time dialog's rules on what the user entered and how the
// working day is stored, apart from the widgets.

#include <cstdint>

#include "support/calendar_values.h"

// What the dialog says, and where it puts the focus; no string: accepted.
struct WorkingTimeRefusal {
    unsigned stringId = 0;
    int controlId = 0;

    bool accepted() const { return stringId == 0; }
    friend bool operator==(const WorkingTimeRefusal&, const WorkingTimeRefusal&) = default;
};

// Both ends are dates and the last lies before the first.
bool PeriodReversed(CDate from, CDate to);

// Whether the period holds a working day, judged by its first eight days
// only (a longer period repeats the same week). A period that does not name
// two days, or ends before it starts, holds none. allowWithout accepts any
// period whose end does not lie before its start.
bool CheckPeriodHasWorkingDays(CDate from, CDate to, const std::uint8_t (&flags)[7], bool allowWithout);

struct WorkingTimeInput {
    CDate from;
    CDate to;
    CTimeOfDay dayStart;
    CTimeOfDay dayEnd;
    std::uint8_t flags[7] = {};   // Monday first
    bool allowWithoutWorkingDays = false;
};

// The OK rules in order: dates and times the dialog could read, a weekday,
// a working day in the period, a day that starts before it ends (an end of
// 0:00 is midnight).
WorkingTimeRefusal CheckWorkingTime(const WorkingTimeInput& input);

struct WorkingDayMinutes {
    int start;
    int end;
    friend bool operator==(const WorkingDayMinutes&, const WorkingDayMinutes&) = default;
};

// The working day as the document keeps it: an equal start and end is the
// whole day, an end not after the start (0:00) is midnight, 1440.
WorkingDayMinutes StoredWorkingDay(int startMinutes, int endMinutes);
