#include "booking_check.h"

#include "booking_ids.h"
#include "plat/resource_strings.h"

BookingRefusal CheckBookingPeriod(const BookingPeriodInput& p) {
    if (!p.fromDate.IsValid() || !p.toDate.IsValid()) return {booking_ids::DATE_MISSING, IDC_BOOKING_DATES};
    if (p.fromTime.IsEmpty() || p.toTime.IsEmpty()) return {booking_ids::TIME_MISSING, IDC_BOOKING_TIMES};
    if (p.End() < p.Start()) return {booking_ids::PERIOD_REVERSED, IDC_BOOKING_DATES};
    return {};
}

BookingRefusal CheckBookingChoice(const BookingChoice& c) {
    if (!c.haveTask) {
        return {c.taskTreeEmpty ? booking_ids::NO_TASKS : booking_ids::NO_TASK_CHOSEN, IDC_BOOKING_TASK};
    }
    if (!c.haveResource) {
        return c.editing ? BookingRefusal{booking_ids::NO_RESOURCE_CHOSEN, IDC_BOOKING_RESOURCE_TREE}
                         : BookingRefusal{booking_ids::NO_RESOURCE_CHECKED, IDC_BOOKING_RESOURCE_CHECKS};
    }
    return CheckBookingPeriod(c.period);
}

std::string BookingDurationText(const WorkingTime& wt, const BookingPeriodInput& period, bool realTime,
                                int style) {
    if (!CheckBookingPeriod(period).accepted()) return plat::LoadResString(booking_ids::DURATION_INVALID);
    const double minutes = BookingWorkingMinutes(wt, period.Start(), period.End(), kUnitMinutes, realTime);
    return FormatDuration(wt, minutes, style, kUnitMinutes);
}
