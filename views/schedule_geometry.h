#pragma once

// The arithmetic of the schedule view's windows, with no window: scroll
// codes, the vertical thumb's snap, the divider's clamp, column and line
// hit tests, the time bar's bands and the expander box.

#include "booking_drag.h"

class CScheduleModel;

// A scroll bar's state: position, page (whole units shown) and the largest
// position.
struct ScrollState {
    int pos = 0;
    int page = 0;
    int max = 0;
};

// total - 1 when fewer than total units fit the page, else 0.
int ScrollMaxFor(int total, int page);

// The last position the bar can take: the page's first unit when the last
// unit is at the page's end (max - page + 1), at least 0.
int LastScrollPosition(int max, int page);

// The position a scroll code asks for; thumbPos for SB_THUMBPOSITION.
// SB_THUMBTRACK and unknown codes keep pos. Always within 0..max.
int ScrollTarget(int code, const ScrollState& state, int thumbPos);

// A thumb released inside a row moves back to the row's first line, unless
// it rests on the last page's first line (max - page + 1).
int SnapToRowStart(const CScheduleModel& model, int line, const ScrollState& state);

// The divider's left edge for a drag to x, inside [left, right].
int ClampDivider(int x, int left, int right);

// "ViewScheduleColumnWidthMin" brought into 0..65536: wider than any
// screen, narrow enough that the pixel sums of a stretch stay numbers.
int ClampColumnWidthMin(int value);
// Pixels per column: the client width shared by units (at least 1) columns,
// at least 1 and at least columnWidthMin.
int ColumnWidthFor(int clientWidth, int units, int columnWidthMin);
// The column under x; -1 left of 0, beyond clientWidth or for no width.
int ColumnFromX(int x, int clientWidth, int columnWidth);
// Whole units of size in length, never negative; 0 for a size below 1.
int WholeUnits(int length, int size);
// The global line under y of a grid whose first line is firstLine; -1 above it.
int LineFromY(int y, int firstLine, int lineHeight);

// 0 for the time bar's upper band, 1 for the lower one, -1 outside both.
int TimeBarBandAt(int y, int bandHeight);
// The band height: factor percent of the font height, at least 1.
int TimeBarBandHeight(int heightFactor, int fontHeight);

// The expander box's side for a row height and a row height factor
// (0 counts as 120), always odd.
int ExpanderSize(int rowHeight, int rowHeightFactor);
// True when x lies on the box that starts at indent.
bool OnExpander(int x, int indent, int expanderSize);

// The grid's line height: factor percent of one bar line (half the bar
// with notes), plus half a bar with notes; at least 1.
int GridLineHeight(int barHeight, int lineHeightFactor, bool notes);

// The period the model's columns low..high cover (clamped to the columns
// there are): the low column's start moved onto working time, the end of
// the high column's last cell. False when the model has no columns.
bool ColumnSpanPeriod(const CScheduleModel& model, const WorkingTime& wt, int lowColumn, int highColumn,
                      bool realTime, BookingRange& period);

// The largest position in 0..max whose column starts no later than the
// target (notAfter(position) true); 0 when none does. notAfter must turn
// false once and stay false.
template <class NotAfter>
int LastColumnNotAfter(int max, NotAfter notAfter) {
    int low = 0, high = max < 0 ? 0 : max;
    if (!notAfter(0)) return 0;
    while (low < high) {
        const int middle = low + (high - low + 1) / 2;
        if (notAfter(middle)) low = middle;
        else high = middle - 1;
    }
    return low;
}
