#pragma once

// Moving and resizing bookings by whole days in the calendar, with no
// window: the day unit's start and end, where a moved or resized booking
// lands, the period of a day selection, and the one undo step that writes
// the new period into the plan.

#include "booking_range.h"
#include "plan_data.h"
#include "support/calendar_values.h"
#include "support/working_time.h"

struct CalendarDragRules {
    WorkingTime workingTime;
    bool hideNonWorkingTime = false;   // "ViewScheduleNonWorkingTimeHide"
    bool realTime = false;             // "DurationRealTime"
    bool keepWorkingTime = true;       // "ViewBookingMoveKeepWorkingTime"
};

// The start of the day unit on day: forward to a working day when
// non-working time is hidden, at the working day's start, or 0:00 in real time.
CDateTime DayUnitStart(const CalendarDragRules& rules, const CDate& day);
// The end of the day unit on day: the working day's end, or the next day's
// 0:00 in real time.
CDateTime DayUnitEnd(const CalendarDragRules& rules, const CDate& day);

// The last day a booking covers: an end at 0:00 counts for the day before,
// never before the start day.
CDate LastDayOf(const CBooking& booking);

// The last day a period covers, by the same rule.
CDate LastDayOf(const BookingRange& period);

// The booking moved by days calendar days at its own time of day. An
// unmoved booking keeps its end; a moved one's end follows MovedBookingEnd
// (its working length, or its real length when asked, in real time or when
// it has no working minutes). A move out of the calendar changes nothing.
BookingRange MoveBookingByDays(const CBooking& booking, int days, const CalendarDragRules& rules);

// One border of a booking dragged to day: the start border stops at the
// booking's last day, the end border at its first; the booking's own day
// keeps its time.
BookingRange ResizeBookingToDay(const CBooking& booking, bool startBorder, const CDate& day,
                                const CalendarDragRules& rules);

// The period of a selection of the days from one to other (either order).
BookingRange DaySelectionPeriod(const CDate& one, const CDate& other, const CalendarDragRules& rules);
