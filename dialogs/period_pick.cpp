#include "period_pick.h"

#include <algorithm>

#include "controls_api.h"

namespace {

// The first and last day of the date's month, within the days the calendar
// names; a date that names no day stays as it is.
CDate MonthStart(CDate date) {
    if (!date.IsValid()) return date;
    return CDate::FromJulianDay(std::max(date.GetJulianDay() - date.GetDay() + 1, CDate::kFirstDay));
}

CDate MonthEnd(CDate date) {
    if (!date.IsValid()) return date;
    return CDate::FromJulianDay(date.GetJulianDay() + date.GetDaysInMonth() - date.GetDay());
}

}  // namespace

std::optional<PeriodPick> PickPeriod(unsigned code, CDate calendarDate, CDate today) {
    if (code != SPCN_CALENDAR_TODAY && !calendarDate.IsValid()) calendarDate.SetEmpty();
    PeriodPick pick;
    switch (code) {
    case SPCN_CALENDAR_DAY:
        pick.date = calendarDate;
        return pick;
    case SPCN_CALENDAR_TODAY:
        pick.date = today;
        return pick;
    case SPCN_CALENDAR_WEEK:
        pick.start = calendarDate;
        pick.end = calendarDate.IsValid() ? CDate::FromJulianDay(std::min(calendarDate.GetJulianDay() + 6, CDate::kLastDay))
                                          : calendarDate;
        break;
    case SPCN_CALENDAR_MONTH:
        pick.start = MonthStart(calendarDate);
        pick.end = MonthEnd(calendarDate);
        break;
    case SPCN_CALENDAR_YEAR: {
        pick.start = MonthStart(calendarDate);
        pick.end = MonthEnd(calendarDate);
        // Month by month, so that years before 100 need no year arithmetic.
        while (pick.start.IsValid() && pick.start.GetMonth() != 1 && pick.start.GetJulianDay() > CDate::kFirstDay)
            pick.start = MonthStart(CDate::FromJulianDay(pick.start.GetJulianDay() - 1));
        while (pick.end.IsValid() && pick.end.GetMonth() != 12 && pick.end.GetJulianDay() < CDate::kLastDay)
            pick.end = MonthEnd(CDate::FromJulianDay(pick.end.GetJulianDay() + 1));
        break;
    }
    default:
        return std::nullopt;
    }
    pick.period = true;
    // The caller goes to the date; after a period pick that is its start.
    pick.date = pick.start;
    return pick;
}
