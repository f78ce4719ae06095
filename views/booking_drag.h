#pragma once

// The arithmetic of moving and resizing a booking on the grid, with no
// window: the cell edges in pixels, the new range for the cell under the
// mouse, and the feedback frames.

#include "booking_range.h"
#include "grid_hit_test.h"
#include "support/calendar_values.h"
#include "support/working_time.h"

// The settings a drag reads at each step.
struct DragRules {
    bool keepWorkingTime = true;   // "ViewBookingMoveKeepWorkingTime"
    bool realTime = false;         // "DurationRealTime"
};

// The date-time where the cell begins: the column's start, plus the days
// into a week, month or year column.
CDateTime CellStart(const CScheduleModel& model, GridCell cell);
// Where the cell ends: a cell of a unit finer than a day after its minutes;
// a day at the working day's end, or at the next 0:00 in real time.
CDateTime CellEnd(const CScheduleModel& model, const WorkingTime& wt, GridCell cell, bool realTime);
// The pixel where the cell begins, and the one just after it.
int CellLeft(const CScheduleModel& model, GridCell cell);
int CellRight(const CScheduleModel& model, GridCell cell);

// The narrowest move frame: a column up to the day unit, a day of a week,
// and a day of a month or a year but at most 4 pixels.
int MinFeedbackWidth(int baseUnit, int columnWidth);

// The cell a dragged border may reach: the start border never passes the
// bar's end cell, the end border never falls below its start cell.
GridCell LimitResizeCell(GridCell cell, bool start, GridCell barStart, GridCell barEnd);
// The bar with its dragged border at the cell.
ui::Rect ResizeFeedback(const CScheduleModel& model, const ui::Rect& bar, bool start, GridCell cell);
// The booking's range with the dragged border on the cell; unchanged while
// the cell is the border's own at the start of the drag. The start never
// passes the end nor the end the start.
BookingRange ResizedRange(const CScheduleModel& model, const WorkingTime& wt, const BookingRange& booking,
                          bool start, GridCell borderCell, GridCell cell, bool realTime);

// The booking's range moved as far as the pointer went from the cell
// pressed to the cell now, so the place grabbed stays under the pointer.
// Units finer than a day and the day unit step over the shown cells (finer
// units then move on to a working day when non-working time is hidden, and
// a start in hidden time first moves to the next shown minute); week,
// month and year units count the days from cell start to cell start. Days
// and longer keep the clock time. An unmoved start keeps the end; otherwise
// the end follows MovedBookingEnd. A move that would leave the calendar
// keeps the booking where it is.
BookingRange MovedRange(const CScheduleModel& model, const WorkingTime& wt, const BookingRange& booking,
                        GridCell pressed, GridCell cell, const DragRules& rules);
// The visible cell holding a range starting at start; the first visible
// cell for a start before them, the last for one beyond.
GridCell CellOfStart(const CScheduleModel& model, const CDateTime& start);
// The visible cell holding the last minute of a range ending at end; the
// last visible cell for an end beyond them.
GridCell CellOfEnd(const CScheduleModel& model, const CDateTime& end);
// The move frame: from the start cell to the end cell, at least minWidth
// wide, a bar high at y but inside the row and the client area.
ui::Rect MoveFeedback(const CScheduleModel& model, GridCell startCell, GridCell endCell, int y, int rowBottom,
                      int barHeight, int clientHeight, int minWidth);

// Where a move drops the booking: the row's resource (else the booking's)
// and the row's task (else the booking's). A group row is no target.
struct MoveTarget {
    CResource* resource = nullptr;
    CTask* task = nullptr;
    bool onGroup = false;
};
MoveTarget MoveTargetOf(const ScheduleRowItem& row, bool resourceMode, const CBooking& booking);
