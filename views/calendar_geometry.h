#pragma once

// The arithmetic of the calendar view, with no window: cell sizes and their
// clamps, where rows, columns, cells and bars lie, what lies under a point,
// the cell-border sizing zones and their limits, scrolling by weeks and the
// days a scroll position shows. Rows count from the first visible week,
// columns are visible weekdays counted from the first of the week.

#include <functional>
#include <vector>

#include "calendar_model.h"
#include "schedule_geometry.h"
#include "ui/painter.h"

struct CalendarGeometry {
    int monthHeaderHeight = 0;
    int weekdayHeaderHeight = 0;
    int dayHeaderHeight = 0;
    int barHeight = 0;          // one booking: two text lines, three with notes
    int distance = 0;           // gap above and below each booking line
    int dayWidth = 1;
    int dayHeight = 1;
    int clientWidth = 0;
    int clientHeight = 0;
    int firstColumn = 0;        // the horizontal scroll position
    int columnCount = 0;        // shown weekdays
    int lines = 0;              // booking lines of a cell, the partly shown one included
    int fullLines = 0;          // of them, those shown whole

    int HeaderHeight() const { return monthHeaderHeight + weekdayHeaderHeight; }
    int Pitch() const { return barHeight + 2 * distance; }
    // Week rows shown whole, and with a partly shown one.
    int FullRows() const;
    int RowsInView() const;
    int FullColumns() const;
    // The width the visible columns take, at most the client's.
    int GridWidth() const;
    int RowTop(int row) const { return HeaderHeight() + row * dayHeight; }
    int ColumnLeft(int column) const { return (column - firstColumn) * dayWidth; }
    // The painted cell, leaving the grid lines free: its right column and
    // the row below it.
    ui::Rect CellRect(int row, int column) const;
    // The top of a booking line in a row.
    int LineTop(int row, int line) const { return RowTop(row) + dayHeaderHeight + distance + line * Pitch(); }
};

// The cell sizes after their clamps: not above the work area less a scroll
// bar and the headers, not below the least setting, never below 1, so no
// setting (0, negative, huge) and no small screen leaves a size to divide by zero.
int ClampDayWidth(int dayWidth, int dayWidthMin, int workAreaWidth, int scrollBarWidth);
int ClampDayHeight(int dayHeight, int dayHeaderHeight, int visibleMin, int workAreaHeight, int scrollBarHeight,
                   int headerHeight);

// The vertical scroll state for weekCount weeks: page = whole rows.
ScrollState WeekScrollState(const CalendarGeometry& g, int weekCount, int pos);
ScrollState ColumnScrollState(const CalendarGeometry& g, int pos);
// ScrollTarget kept to the last reachable position, max - page + 1.
int CalendarScrollTarget(int code, const ScrollState& state, int thumbPos);

// The first and last day shown from week position weekPos with rows rows:
// whole weeks of shown days, within the model's period.
void VisibleDays(const CCalendarModel& model, int weekPos, int rows, CDate& first, CDate& last);
// The week position that shows date, within 0..maxPos.
int WeekPositionOf(const CCalendarModel& model, const CDate& date, int maxPos);

// The cell under a point; false above the headers, below the client, right
// of the grid or past the shown weekdays.
bool CellAt(const CalendarGeometry& g, int x, int y, int& row, int& column);
// The day cell of the laid-out model at row and column, null when none.
const CalendarDayCell* DayCellAt(const CCalendarModel& model, int row, int column);

// Parts of a bar under the point.
inline constexpr int kBarBody = 1;
inline constexpr int kBarStart = 2;
inline constexpr int kBarEnd = 3;

struct CalendarBarHit {
    const CalendarSegment* segment = nullptr;
    int row = -1;
    ui::Rect bar;
    int part = 0;
};
// The bar under the point: its segment, row, visible rectangle and part
// (a border grip only where the booking starts or ends).
CalendarBarHit HitTestBar(const CalendarGeometry& g, const CCalendarModel& model, int x, int y, int borderDetect);

// Cursor kinds over a cell border.
inline constexpr int kColumnBorder = 4;
inline constexpr int kRowBorder = 5;

struct CalendarZone {
    int kind = 0;     // 0 none, kColumnBorder or kRowBorder
    int index = -1;   // the visible column or row left of or above the border
};
// The sizing zone under the point. A bar reaching over a column border
// (3 pixels on its other side) blocks that border's zone.
CalendarZone HitTestZone(const CalendarGeometry& g, const CCalendarModel& model, int x, int y, int sizingDetect,
                         int borderDetect);

struct SizingLimits {
    int lowX = 0, highX = 0, lowY = 0, highY = 0;
};
// reserveRight and reserveBottom: the room a scroll bar would take that is not shown.
SizingLimits CellSizingLimits(const CalendarGeometry& g, const CalendarZone& zone, int dayWidthMin, int visibleMin,
                              int reserveRight, int reserveBottom);
// The cell size a sizing line at x (columns) or y (rows) asks for.
int SizedDayWidth(const CalendarGeometry& g, int index, int lineX);
int SizedDayHeight(const CalendarGeometry& g, int index, int lineY);

// Frames 2 pixels wide around the days first..last, one per visible row
// they touch; topOf(row) gives each frame's top before it is kept inside
// the row below its header strip and inside the client.
std::vector<ui::Rect> DayRangeFrames(const CalendarGeometry& g, const CCalendarModel& model, const CDate& first,
                                     const CDate& last, const std::function<int(int row)>& topOf);

// The rectangle around the shown cells of the days first..last as the day
// selection inverts them, inside the visible grid; empty when none is shown.
ui::Rect DayRangeRect(const CalendarGeometry& g, const CCalendarModel& model, const CDate& first, const CDate& last);

// The scroll a key asks for: vertical by weeks or horizontal by columns.
// False for other keys and whenever Alt is held (modifier bit 0x10).
bool CalendarKeyScroll(int virtualKey, int modifiers, bool& vertical, int& code);
