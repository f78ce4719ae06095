#pragma once

// What the calendar has selected, as the host reads it: one booking, or a
// range of days with the bookings that overlap it.

#include <vector>

#include "plan_data.h"
#include "plugin_records.h"
#include "support/calendar_values.h"

struct CalendarDaySelection {
    bool exists = false;
    bool selecting = false;   // the left button is still down
    CDate anchor;
    CDate end;

    CDate Lower() const { return anchor < end ? anchor : end; }
    CDate Upper() const { return anchor < end ? end : anchor; }
    bool Holds(const CDate& day) const { return exists && !(day < Lower()) && !(Upper() < day); }
};

// The bookings of a day selection, collected once per selection.
class CalendarSelectionCache {
public:
    void Drop() { valid_ = false; }
    const std::vector<CBooking*>& BookingsOf(const CalendarDaySelection& days, CBookingCollection* bookings);

private:
    bool valid_ = false;
    std::vector<CBooking*> bookings_;
};

// Fills record: no resources, tasks or groups; the selected booking, or
// without one the bookings of the selected days; the days from the lower
// one's 0:00 to the day after the upper one. Counts are always whole; the
// arrays get at most their capacity.
void FillCalendarSelection(SelectionRecord& record, CBooking* selected, const CalendarDaySelection& days,
                           CBookingCollection* bookings, CalendarSelectionCache& cache);
