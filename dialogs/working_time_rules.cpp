#include "working_time_rules.h"

#include <algorithm>

#include "booking_ids.h"
#include "working_time_ids.h"

bool PeriodReversed(CDate from, CDate to) {
    return from.IsValid() && to.IsValid() && to.GetJulianDay() < from.GetJulianDay();
}

bool CheckPeriodHasWorkingDays(CDate from, CDate to, const std::uint8_t (&flags)[7], bool allowWithout) {
    if (!from.IsValid() || !to.IsValid() || to.GetJulianDay() < from.GetJulianDay()) return false;
    if (allowWithout) return true;
    const std::int32_t first = from.GetJulianDay();
    const std::int32_t last = std::min(to.GetJulianDay(), first + 7);
    for (std::int32_t day = first; day <= last; ++day) {
        if (flags[CDate::FromJulianDay(day).GetDayOfWeek() - 1] != 0) return true;
    }
    return false;
}

WorkingTimeRefusal CheckWorkingTime(const WorkingTimeInput& input) {
    if (!input.from.IsValid() || !input.to.IsValid()) return {booking_ids::DATE_MISSING, IDC_WORKING_PERIOD};
    if (input.dayStart.IsEmpty() || input.dayEnd.IsEmpty()) return {booking_ids::TIME_MISSING, IDC_WORKING_DAY};
    bool anyDay = false;
    for (std::uint8_t flag : input.flags) anyDay = anyDay || flag != 0;
    if (!anyDay) return {working_time_ids::NO_WEEKDAY, IDC_WORKING_WEEKDAYS};
    if (PeriodReversed(input.from, input.to)) return {booking_ids::PERIOD_REVERSED, IDC_WORKING_PERIOD};
    if (!CheckPeriodHasWorkingDays(input.from, input.to, input.flags, input.allowWithoutWorkingDays))
        return {working_time_ids::NO_WORKING_DAY_IN_PERIOD, IDC_WORKING_PERIOD};
    const int start = input.dayStart.GetMinutes();
    const int end = input.dayEnd.GetMinutes();
    if (end != 0 && start >= end) return {working_time_ids::DAY_END_NOT_AFTER_START, IDC_WORKING_DAY};
    return {};
}

WorkingDayMinutes StoredWorkingDay(int startMinutes, int endMinutes) {
    if (startMinutes == endMinutes) return {0, CTimeOfDay::kMinutesPerDay};
    if (startMinutes >= endMinutes) return {startMinutes, CTimeOfDay::kMinutesPerDay};
    return {startMinutes, endMinutes};
}
