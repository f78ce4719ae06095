#include "calendar_drag.h"

#include <algorithm>

#include "data_status.h"

CDateTime DayUnitStart(const CalendarDragRules& rules, const CDate& day) {
    CDate date = day;
    if (rules.hideNonWorkingTime) {
        for (int i = 0; i < 7 && !rules.workingTime.IsWorkingDay(date); ++i) date = AddDays(date, 1);
    }
    const int start = rules.realTime ? 0 : std::clamp<int>(rules.workingTime.dayStart, 0, 1439);
    return CDateTime(date, CTimeOfDay(start));
}

CDateTime DayUnitEnd(const CalendarDragRules& rules, const CDate& day) {
    const int end = rules.realTime ? CTimeOfDay::kMinutesPerDay : std::clamp(rules.workingTime.End(), 1, 1440);
    if (end >= CTimeOfDay::kMinutesPerDay) return CDateTime(AddDays(day, 1));
    return CDateTime(day, CTimeOfDay(end));
}

CDate LastDayOf(const CBooking& booking) { return LastDayOf(RangeOf(booking)); }

CDate LastDayOf(const BookingRange& period) {
    const CDate last = period.end.time.GetMinutes() == 0 ? AddDays(period.end.date, -1) : period.end.date;
    return std::max(last, period.start.date);
}

BookingRange MoveBookingByDays(const CBooking& booking, int days, const CalendarDragRules& rules) {
    const BookingRange range = RangeOf(booking);
    const CDateTime start(AddDays(range.start.date, days), range.start.time);
    if (start == range.start || !start.date.IsValid()) return range;
    const CDateTime end = MovedBookingEnd(rules.workingTime, range.start, range.end, start,
                                          rules.keepWorkingTime && !rules.realTime);
    if (!end.date.IsValid()) return range;
    return {start, end};
}

BookingRange ResizeBookingToDay(const CBooking& booking, bool startBorder, const CDate& day,
                                const CalendarDragRules& rules) {
    const auto [start, end] = RangeOf(booking);
    const CDate firstDay = start.date, lastDay = LastDayOf(booking);
    BookingRange period{start, end};
    if (startBorder) {
        const CDate target = std::min(day, lastDay);
        if (target != firstDay) period.start = DayUnitStart(rules, target);
        if (!(period.start < end)) period.start = end;
    } else {
        const CDate target = std::max(day, firstDay);
        if (target != lastDay) period.end = DayUnitEnd(rules, target);
        if (!(start < period.end)) period.end = start;
    }
    return period;
}

BookingRange DaySelectionPeriod(const CDate& one, const CDate& other, const CalendarDragRules& rules) {
    return {DayUnitStart(rules, std::min(one, other)), DayUnitEnd(rules, std::max(one, other))};
}
