#pragma once

// Where a booking's bar lies in the columns of a visible stretch. Date-times
// are compared as minutes since day 0.

#include <vector>

#include "plan_records.h"
#include "support/calendar_values.h"

struct ScheduleColumn;

long long MinuteKey(std::int32_t day, int minutes);
long long MinuteKey(const CDateTime& dateTime);
// The day and the date-time of a minute key: minutes outside 0..1439 are
// carried into the days they reach.
std::int32_t DayOfKey(long long key);
CDateTime DateTimeOfKey(long long key);

class StretchGeometry {
public:
    // Week and month columns (dayOffsets) place a bar's ends on its days.
    StretchGeometry(const std::vector<ScheduleColumn>& columns, int columnWidth, bool dayOffsets);

    // left and right (inclusive) in pixels from the first column; false when
    // the booking overlaps no column. A booking overlaps a column when it
    // starts before the column's end and ends after its start; one of no
    // length counts for the column at whose start it lies.
    bool BarOf(const CBooking& booking, int minimumBarWidth, int& left, int& right) const;

    bool IsEmpty() const { return startKeys_.empty(); }
    // The earliest column start and the latest column end.
    long long Start() const { return start_; }
    long long End() const { return end_; }

private:
    bool Overlapped(long long start, long long end, int& first, int& last) const;

    const std::vector<ScheduleColumn>& columns_;
    int width_;
    bool dayOffsets_;
    std::vector<long long> startKeys_, endKeys_;
    bool ordered_ = true;   // columns follow each other: binary search finds the overlap
    long long start_ = 0, end_ = 0;
};
