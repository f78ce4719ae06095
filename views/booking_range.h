#pragma once

// A booking's start and end as date-times.

#include "plan_records.h"
#include "support/calendar_values.h"

struct BookingRange {
    CDateTime start;
    CDateTime end;
    friend bool operator==(const BookingRange&, const BookingRange&) = default;
};

inline BookingRange RangeOf(const CBooking& b) {
    return {CDateTime(CDate::FromJulianDay(b.startDay), CTimeOfDay(b.startMinutes)),
            CDateTime(CDate::FromJulianDay(b.endDay), CTimeOfDay(b.endMinutes))};
}
