#pragma once

// Where the mouse is on the booking grid, with no window: the rectangle of a
// bar, the bar and its part (body or one of the two grips) under a point,
// and the cell (column and day inside a multi-day column) under x.

#include "schedule_model.h"
#include "ui/painter.h"

// What the grid needs of its window to map points: the client size, the
// vertical scroll position and the heights of a line and of a bar.
struct GridGeometry {
    int clientWidth = 0;
    int clientHeight = 0;
    int firstLine = 0;
    int lineHeight = 1;
    int barHeight = 1;
};

enum class BarPart { None = 0, Body = 1, Start = 2, End = 3 };

struct GridHit {
    const ScheduleBar* bar = nullptr;   // valid until the next layout
    BarPart part = BarPart::None;
    ui::Rect rect;
};

// A cell of the visible stretch: the column and, in week, month and year
// columns, the day inside it.
struct GridCell {
    int column = 0;
    int day = 0;
    friend bool operator==(const GridCell&, const GridCell&) = default;
};

// The bar as painted: its line's band shrunk to the bar height, right edge
// exclusive.
ui::Rect BarRectOf(const ScheduleBar& bar, const GridGeometry& geometry);

// The grip of a bar width wide: a quarter of the width, at most borderDetect.
int GripWidth(int width, int borderDetect);

// The part of the bar in rect under x (the point lies in rect). On a bar too
// narrow for two grips the end grip wins.
BarPart PartOfBar(const ui::Rect& rect, int x, bool startGrip, bool endGrip, int borderDetect);

// The first bar of the line under (x, y) that holds the point.
GridHit HitTestBooking(const CScheduleModel& model, const GridGeometry& geometry, int x, int y, int borderDetect);

// The cell under x; false outside the visible columns.
bool CellAtX(const CScheduleModel& model, int x, int clientWidth, GridCell& cell);

// The cell of x clamped to the visible columns: left of them column 0, right
// of them the last column with day 0.
GridCell ClampedCellAtX(const CScheduleModel& model, int x, int clientWidth);

// The model row under y, -1 for none.
int RowAtY(const CScheduleModel& model, const GridGeometry& geometry, int y);

// The bar of the booking with this id in the current layout, null when it
// is not laid out (deleted, filtered, scrolled away). The line where it
// was last seen is looked at first. Safe on a layout older than the last
// change of the plan.
const ScheduleBar* FindBarById(const CScheduleModel& model, int id, int hintLine = -1);
