#pragma once

// A booking's start and end as the document holds them, to compare whole.

#include "plan_records.h"

struct BookingTimes {
    int startDay, startMinutes, endDay, endMinutes;
    friend bool operator==(const BookingTimes&, const BookingTimes&) = default;
};

inline BookingTimes TimesOf(const CBooking* b) { return {b->startDay, b->startMinutes, b->endDay, b->endMinutes}; }
