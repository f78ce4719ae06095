#pragma once

// The major boundaries of a schedule's time axis, for the grid and the
// upper band of the time bar.

#include "support/calendar_values.h"

class CScheduleModel;

// The start of the next unit after dateTime: 3 the next full hour, 4 the
// next day, 5 the next first day of the week (firstDayOfWeek 1 = Monday),
// 6 the 1st of the next month, 7 the next 1 January, all at 0:00; any
// other unit gives dateTime unchanged.
CDateTime NextUnitStart(const CDateTime& dateTime, int unit, int firstDayOfWeek);

class CTimeScaleIterator {
public:
    // Walks from start, at most limit columns of the model.
    CTimeScaleIterator(const CScheduleModel& model, const CDateTime& start, int limit);

    // The next major boundary: its offset in pixels from start and the
    // first date-time shown after it (the start of the first column at or
    // past it; with week columns, the boundary's day). False when the
    // boundary lies beyond the limit or the axis cannot advance.
    bool Run(CDateTime& segmentStart, int& offset);

private:
    const CScheduleModel& model_;
    CDateTime start_;
    CDateTime current_;    // the last boundary
    CDateTime position_;   // the start of the column reached
    long long count_ = 0;  // columns from start to position_
    int limit_;
};
