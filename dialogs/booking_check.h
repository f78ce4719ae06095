#pragma once

// The booking dialog's rules on what the user entered, apart from the widgets.

#include <string>

#include "support/calendar_values.h"
#include "support/working_time.h"

struct BookingPeriodInput {
    CDate fromDate;
    CDate toDate;
    CTimeOfDay fromTime;
    CTimeOfDay toTime;

    CDateTime Start() const { return {fromDate, fromTime}; }
    CDateTime End() const { return {toDate, toTime}; }
};

// What the dialog says, and where it puts the focus; no string: accepted.
struct BookingRefusal {
    unsigned stringId = 0;
    int controlId = 0;

    bool accepted() const { return stringId == 0; }
    friend bool operator==(const BookingRefusal&, const BookingRefusal&) = default;
};

// A date that names no day, an empty time, then an end before the start.
// An end equal to the start is a period.
BookingRefusal CheckBookingPeriod(const BookingPeriodInput& period);

struct BookingChoice {
    bool haveTask = false;
    bool taskTreeEmpty = false;
    bool editing = false;
    bool haveResource = false;
    BookingPeriodInput period;
};

// The OK rules in order: task, resources, period.
BookingRefusal CheckBookingChoice(const BookingChoice& choice);

// The period's length as the dialog shows it (in working or real time, in
// the duration style), or the text for a period that is not one.
std::string BookingDurationText(const WorkingTime& wt, const BookingPeriodInput& period, bool realTime,
                                int style);
