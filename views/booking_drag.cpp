#include "booking_drag.h"

#include <algorithm>

namespace {

const ScheduleColumn* ColumnOf(const CScheduleModel& model, int column) {
    const auto& columns = model.Columns();
    if (columns.empty()) return nullptr;
    return &columns[static_cast<std::size_t>(std::clamp(column, 0, static_cast<int>(columns.size()) - 1))];
}

// The unit a border snaps to: the base unit, a day for longer ones.
int SnapUnit(const CScheduleModel& model) { return std::min(model.baseUnit, 4); }

}  // namespace

CDateTime CellStart(const CScheduleModel& model, GridCell cell) {
    const ScheduleColumn* column = ColumnOf(model, cell.column);
    if (column == nullptr) return CDateTime(CDate::FromJulianDay(CDate::kInvalid));
    CDateTime start = column->start;
    if (model.IsMultiDayUnit()) start.date = AddDays(start.date, cell.day);
    return start;
}

CDateTime CellEnd(const CScheduleModel& model, const WorkingTime& wt, GridCell cell, bool realTime) {
    CDateTime at = CellStart(model, cell);
    if (SnapUnit(model) < 4) return at.AddMinutes(model.CellMinutes());
    if (realTime) return CDateTime(AddDays(at.date, 1));
    at.time = CTimeOfDay(std::clamp(wt.End(), 0, 1439));
    if (wt.End() >= CTimeOfDay::kMinutesPerDay) at = CDateTime(AddDays(at.date, 1));
    return at;
}

int CellLeft(const CScheduleModel& model, GridCell cell) {
    const ScheduleColumn* column = ColumnOf(model, cell.column);
    const int left = model.ColumnWidth() * cell.column;
    return model.IsMultiDayUnit() && column != nullptr ? left + column->pixelsPerDay * cell.day : left;
}

int CellRight(const CScheduleModel& model, GridCell cell) {
    const ScheduleColumn* column = ColumnOf(model, cell.column);
    if (!model.IsMultiDayUnit() || column == nullptr || column->pixelsPerDay <= 0)
        return model.ColumnWidth() * (cell.column + 1);
    return model.ColumnWidth() * cell.column + column->pixelsPerDay * (cell.day + 1);
}

int MinFeedbackWidth(int baseUnit, int columnWidth) {
    switch (baseUnit) {
    case 5: return columnWidth / 7;
    case 6: return std::min(columnWidth / 31, 4);
    case 7: return std::min(columnWidth / 365, 4);
    default: return columnWidth;
    }
}

GridCell LimitResizeCell(GridCell cell, bool start, GridCell barStart, GridCell barEnd) {
    if (start) {
        if (cell.column > barEnd.column) cell.column = barEnd.column;
        if (cell.column == barEnd.column && cell.day > barEnd.day) cell.day = barEnd.day;
    } else {
        if (cell.column < barStart.column) cell.column = barStart.column;
        if (cell.column == barStart.column && cell.day < barStart.day) cell.day = barStart.day;
    }
    return cell;
}

ui::Rect ResizeFeedback(const CScheduleModel& model, const ui::Rect& bar, bool start, GridCell cell) {
    ui::Rect rect = bar;
    if (start) rect.left = CellLeft(model, cell);
    else rect.right = CellRight(model, cell);
    return rect;
}

BookingRange ResizedRange(const CScheduleModel& model, const WorkingTime& wt, const BookingRange& booking,
                          bool start, GridCell borderCell, GridCell cell, bool realTime) {
    if (cell == borderCell || model.Columns().empty()) return booking;
    BookingRange range = booking;
    if (start) {
        range.start = model.AdjustToWorkingDay(CellStart(model, cell), SnapUnit(model), model.hideNonWorkingTime,
                                               realTime);
        if (!(range.start < range.end)) range.start = range.end;
    } else {
        range.end = CellEnd(model, wt, cell, realTime);
        if (!(range.start < range.end)) range.end = range.start;
    }
    return range;
}

namespace {

// Where a start lies on the axis of a unit finer than a day: a start in
// hidden time moves on to the next shown minute, as its bar does.
CDateTime ShownStart(const CScheduleModel& model, CDateTime at) {
    if (!model.hideNonWorkingTime) return at;
    const int minutes = at.time.GetMinutes();
    if (minutes >= model.DayEnd()) at = CDateTime(AddDays(at.date, 1), CTimeOfDay(model.DayStart()));
    else if (minutes < model.DayStart()) at.time = CTimeOfDay(model.DayStart());
    for (int i = 0; i < 7 && at.date.IsValid() && !model.IsShownWeekday(at.date); ++i)
        at = CDateTime(AddDays(at.date, 1), CTimeOfDay(model.DayStart()));
    return at;
}

CDateTime MovedStart(const CScheduleModel& model, const CDateTime& start, GridCell pressed, GridCell cell) {
    if (model.baseUnit > 4) {
        const int days = CellStart(model, cell).date.GetJulianDay() - CellStart(model, pressed).date.GetJulianDay();
        return CDateTime(AddDays(start.date, days), start.time);
    }
    const int steps = cell.column - pressed.column;
    if (steps == 0) return start;
    if (model.baseUnit == 4) return model.StepUnits(start, steps);
    const CDateTime moved = model.StepUnits(ShownStart(model, start), steps);
    return model.AdjustToWorkingDay(moved, model.baseUnit, model.hideNonWorkingTime, false);
}

// The cell of a date-time in the column found for it.
GridCell CellIn(const CScheduleModel& model, int column, const CDate& date) {
    const ScheduleColumn& found = model.Columns()[static_cast<std::size_t>(column)];
    if (!model.IsMultiDayUnit() || found.days <= 0) return {column, 0};
    return {column, std::clamp(date.GetJulianDay() - found.start.date.GetJulianDay(), 0, found.days - 1)};
}

}  // namespace

BookingRange MovedRange(const CScheduleModel& model, const WorkingTime& wt, const BookingRange& booking,
                        GridCell pressed, GridCell cell, const DragRules& rules) {
    if (model.Columns().empty()) return booking;
    const CDateTime start = MovedStart(model, booking.start, pressed, cell);
    if (start == booking.start || !start.date.IsValid()) return booking;
    const CDateTime end =
        MovedBookingEnd(wt, booking.start, booking.end, start, rules.keepWorkingTime && !rules.realTime);
    if (!end.date.IsValid()) return booking;
    return {start, end};
}

GridCell CellOfStart(const CScheduleModel& model, const CDateTime& start) {
    const auto& columns = model.Columns();
    if (columns.empty()) return {};
    // The first column ending after the start.
    const auto after = std::partition_point(columns.begin(), columns.end(),
                                            [&](const ScheduleColumn& c) { return !(start < c.end); });
    const int column = std::min(static_cast<int>(after - columns.begin()), static_cast<int>(columns.size()) - 1);
    return CellIn(model, column, start.date);
}

GridCell CellOfEnd(const CScheduleModel& model, const CDateTime& end) {
    const auto& columns = model.Columns();
    if (columns.empty()) return {};
    // The last column starting before the end.
    const auto after = std::partition_point(columns.begin(), columns.end(),
                                            [&](const ScheduleColumn& c) { return c.start < end; });
    const int column = std::max(0, static_cast<int>(after - columns.begin()) - 1);
    return CellIn(model, column, end.time.GetMinutes() == 0 ? AddDays(end.date, -1) : end.date);
}

ui::Rect MoveFeedback(const CScheduleModel& model, GridCell startCell, GridCell endCell, int y, int rowBottom,
                      int barHeight, int clientHeight, int minWidth) {
    const int top = std::clamp(y, 0, std::max(0, std::min(rowBottom, clientHeight) - barHeight));
    const int left = CellLeft(model, startCell);
    const int right = std::max(CellRight(model, endCell), left + minWidth);
    return {left, top, right, std::min(top + barHeight, clientHeight)};
}

MoveTarget MoveTargetOf(const ScheduleRowItem& row, bool resourceMode, const CBooking& booking) {
    if (resourceMode) return {row.resource, booking.task, row.resourceGroup != nullptr};
    return {booking.resource, row.task, row.taskGroup != nullptr};
}
