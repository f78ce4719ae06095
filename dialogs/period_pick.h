#pragma once

// What a pick on the period choice dialog's calendar chooses, apart from
// the widgets.

#include <optional>

#include "support/calendar_values.h"

struct PeriodPick {
    bool period = false;   // a week, month or year rather than one day
    CDate date;            // the day to show: the picked day, or the period's start
    CDate start;
    CDate end;
};

// The choice for the calendar's notification code (1125 day, 1126 week,
// 1127 month, 1128 year, 1129 today) on the calendar's date; none for a
// cancel or an unknown code. A day that names no day gives the empty date.
std::optional<PeriodPick> PickPeriod(unsigned code, CDate calendarDate, CDate today);
