#pragma once

// Where a booking made from a selected period starts and ends.

#include "support/calendar_values.h"

// Outside the schedule views (view 0 and 1), and in them at a base unit of a
// day or more, a selection covers whole days: a start at 0:00 moves to the
// working day's start, and an end at 0:00 of a later day becomes the working
// day's end on the day before (unless the working day ends at midnight).
// end may be null when only the start matters.
void FitSelectedPeriod(CDateTime& start, CDateTime* end, int viewActive, int baseUnit, int dayStartMinutes,
                       int dayEndMinutes);
