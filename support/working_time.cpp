#include "support/working_time.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "plan_records.h"
#include "plat/checked_format.h"
#include "plat/resource_strings.h"

namespace {

int WorkingDaysPerWeek(const WorkingTime& wt) {
    return static_cast<int>(std::count_if(wt.workingDays.begin(), wt.workingDays.end(),
                                          [](std::uint8_t flag) { return flag != 0; }));
}

CDate AddManyDays(const CDate& date, std::int64_t n) {
    const std::int64_t moved = date.GetJulianDay() + n;
    if (moved > CDate::kLastDay) return CDate::FromJulianDay(CDate::kInvalid);
    return AddDays(date, static_cast<int>(n));
}

// The date k working days after date (k >= 1, at least one working weekday):
// whole weeks at once, then at most a week day by day.
CDate AdvanceWorkingDays(const WorkingTime& wt, const CDate& date, std::int64_t k) {
    const int perWeek = WorkingDaysPerWeek(wt);
    const std::int64_t weeks = (k - 1) / perWeek;
    std::int64_t left = k - weeks * perWeek;
    CDate cur = AddManyDays(date, weeks * 7);
    while (left > 0 && cur.IsValid()) {
        cur = AddDays(cur, 1);
        if (wt.IsWorkingDay(cur)) --left;
    }
    return cur;
}

int ToInt(double value) {
    if (std::isnan(value)) return 0;
    if (value >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (value <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

std::string DurationFormat(unsigned id, const char* fallback) {
    std::string format = plat::LoadResString(id);
    return format.empty() ? std::string(fallback) : format;
}

}  // namespace

WorkingTime WorkingTimeOf(const CPlanProperties& properties) {
    WorkingTime wt;
    wt.dayStart = properties.dayStartMinutes;
    wt.dayEnd = properties.dayEndMinutes;
    std::copy(std::begin(properties.workingDays), std::end(properties.workingDays),
              wt.workingDays.begin());
    return wt;
}

bool WorkingTime::IsWorkingDay(const CDate& date) const {
    return workingDays[date.GetDayOfWeek() - 1] != 0;
}

bool WorkingTime::HasWorkingDay() const {
    return WorkingDaysPerWeek(*this) > 0;
}

int CountWorkingDays(const WorkingTime& wt, const CDate& first, const CDate& last) {
    if (!first.IsValid() || !last.IsValid() || last < first) return 0;
    const std::int64_t span = static_cast<std::int64_t>(last.GetJulianDay()) - first.GetJulianDay() + 1;
    std::int64_t count = (span / 7) * WorkingDaysPerWeek(wt);
    const int firstWeekday = first.GetDayOfWeek() - 1;
    for (int i = 0; i < span % 7; ++i) count += wt.workingDays[(firstWeekday + i) % 7] != 0 ? 1 : 0;
    return static_cast<int>(count);
}

CDateTime NextWorkingDay(const WorkingTime& wt, const CDateTime& dateTime) {
    for (int i = 1; i <= 7; ++i) {
        const CDate date = AddDays(dateTime.date, i);
        if (wt.IsWorkingDay(date)) return CDateTime(date, dateTime.time);
    }
    return CDateTime(AddDays(dateTime.date, 1), dateTime.time);
}

double RoundTo(double x, int n) {
    if (n <= 0) return x;
    const double scale = std::pow(10.0, n);
    const double scaled = x * scale + 0.5;
    if (!std::isfinite(scaled)) return x;
    return std::trunc(scaled) / scale;
}

std::string FormatDuration(const WorkingTime& wt, double value, int style, int unit) {
    const int dayLength = wt.Length() > 0 ? wt.Length() : 1;
    double scaled = value;
    if (unit == kUnitHours) scaled = value * 60;
    if (unit == kUnitDays) scaled = value * dayLength;
    const int minutes = ToInt(scaled);

    switch (style) {
    case kDurationMinutes:
        return plat::FormatChecked(DurationFormat(kDurationMinutesString, kDefaultMinutesFormat),
                                   {minutes});
    case kDurationHours:
        return plat::FormatChecked(DurationFormat(kDurationHoursString, kDefaultHoursFormat),
                                   {RoundTo(minutes / 60.0, 2)});
    case kDurationDays:
        return plat::FormatChecked(DurationFormat(kDurationDaysString, kDefaultDaysFormat),
                                   {RoundTo(static_cast<double>(minutes) / dayLength, 2)});
    case kDurationHoursMinutes:
        return plat::FormatChecked(
            DurationFormat(kDurationHoursMinutesString, kDefaultHoursMinutesFormat),
            {minutes / 60, minutes % 60});
    default:
        return std::to_string(minutes);
    }
}

std::string FormatWorkingDayLength(const WorkingTime& wt, int style) {
    return FormatDuration(wt, wt.Length(), style, kUnitMinutes);
}

double BookingWorkingMinutes(const WorkingTime& wt, const CDateTime& start, const CDateTime& end,
                             int resultUnit, bool realTime) {
    if (!start.date.IsValid() || !end.date.IsValid()) return 0;
    if (end.date < start.date ||
        (end.date == start.date && start.time.GetMinutes() >= end.time.GetMinutes()))
        return 0;
    const int dayStart = wt.dayStart;
    const int dayEnd = wt.End();
    const std::int64_t length = realTime ? CTimeOfDay::kMinutesPerDay : wt.Length();
    if (length <= 0) return 0;

    std::int64_t total = 0;
    if (realTime) {
        int days, minutes;
        total = start.DiffMinutes(end, days, minutes);
    } else {
        const CDate ds = start.date;
        const int cs = start.time.GetMinutes();
        CDate de = end.date;
        int ce = end.time.GetMinutes();
        if (ce == 0) {
            de = AddDays(de, -1);
            ce = CTimeOfDay::kMinutesPerDay;
        }
        const int a = std::max(dayStart, cs);
        const int b = std::min(dayEnd, ce);
        if (ds == de) {
            if (!wt.IsWorkingDay(ds))
                total = 0;
            else if (cs <= dayStart && ce >= dayEnd)
                total = length;
            else
                total = std::max(0, b - a);
        } else {
            std::int64_t full = CountWorkingDays(wt, AddDays(ds, 1), AddDays(de, -1));
            std::int64_t part = 0;
            if (wt.IsWorkingDay(ds)) {
                if (cs > dayStart)
                    part = std::max(0, dayEnd - a);
                else
                    ++full;
            }
            if (wt.IsWorkingDay(de)) {
                if (ce < dayEnd)
                    part += std::max(0, b - dayStart);
                else
                    ++full;
            }
            total = full * length + part;
        }
    }
    switch (resultUnit) {
    case kUnitHours:
        return static_cast<double>(total) / 60.0;
    case kUnitDays:
        return static_cast<double>(total) / static_cast<double>(length);
    default:
        return static_cast<double>(total);
    }
}

CDateTime AddWorkingMinutes(const WorkingTime& wt, const CDateTime& start, int n) {
    const int dayStart = wt.dayStart;
    const int dayEnd = wt.End();
    const int length = wt.Length();
    if (n < 1 || length <= 0 || !wt.HasWorkingDay() || !start.date.IsValid()) return start;

    const std::int64_t days = n / length;
    const int rest = n % length;
    CDate date = start.date;
    int m = start.time.GetMinutes();

    // Place the start inside working time.
    if (wt.IsWorkingDay(date) && m < dayEnd) {
        m = std::max(m, dayStart);
    } else {
        m = dayStart;
        date = NextWorkingDay(wt, CDateTime(date)).date;
    }

    // Whole working days. From the day start the first one ends at its day
    // end, each later one at the end of the next working day; from inside a
    // day each one moves to the same time of the next working day. A day that
    // ends at midnight with nothing left over ends at 0:00 of the next
    // calendar day.
    if (days > 0 && m == dayStart) {
        const CDate last = days > 1 ? AdvanceWorkingDays(wt, date, days - 1) : date;
        if (dayEnd < CTimeOfDay::kMinutesPerDay) {
            m = dayEnd;
            date = last;
        } else if (rest > 0) {
            date = AdvanceWorkingDays(wt, date, days);
        } else {
            m = 0;
            date = AddDays(last, 1);
        }
    } else if (days > 0) {
        date = AdvanceWorkingDays(wt, date, days);
    }

    m += rest;
    if (m > dayEnd) {
        date = NextWorkingDay(wt, CDateTime(date)).date;
        m = m - dayEnd + dayStart;
    }
    if (m == CTimeOfDay::kMinutesPerDay) {
        date = NextWorkingDay(wt, CDateTime(date)).date;
        m = 0;
    }
    return CDateTime(date, CTimeOfDay(m));
}

CDateTime MovedBookingEnd(const WorkingTime& wt, const CDateTime& start, const CDateTime& end,
                          const CDateTime& newStart, bool keepWorkingTime) {
    if (!(start < end)) return newStart;
    if (keepWorkingTime) {
        const double working = BookingWorkingMinutes(wt, start, end, kUnitMinutes, false);
        if (working >= 1) return AddWorkingMinutes(wt, newStart, static_cast<int>(std::lround(working)));
    }
    int days = 0, minutes = 0;
    start.DiffMinutes(end, days, minutes);
    CDateTime moved(AddDays(newStart.date, days), newStart.time);
    return moved.AddMinutes(minutes);
}
