#pragma once

// The booking grid's selection with no window: one booking or a rectangle of
// cells anchored where the button went down, and the host's selection record
// filled from it.

#include <vector>

#include "booking_range.h"
#include "plugin_records.h"
#include "schedule_rows.h"
#include "support/calendar_values.h"

struct ScheduleRow;

// Columns and rows of a cell selection; the start is the anchor, the end the
// cell the mouse reached (either may be the lower one).
struct CellSelection {
    int startColumn = 0;
    int endColumn = 0;
    int startRow = 0;
    int endRow = 0;

    int LowColumn() const { return startColumn < endColumn ? startColumn : endColumn; }
    int HighColumn() const { return startColumn < endColumn ? endColumn : startColumn; }
    int LowRow() const { return startRow < endRow ? startRow : endRow; }
    int HighRow() const { return startRow < endRow ? endRow : startRow; }
    bool Holds(int column, int row) const {
        return column >= LowColumn() && column <= HighColumn() && row >= LowRow() && row <= HighRow();
    }
    friend bool operator==(const CellSelection&, const CellSelection&) = default;
};

// Moves the selection's end to (column, row); -1 keeps that coordinate. Out
// of resource mode the end row stays the anchor's: tasks are selected one row
// at a time. True when the end moved.
bool ExtendSelection(CellSelection& selection, int column, int row, bool resourceMode);

// A selection moved by n columns (the grid scrolled by -n).
void ShiftSelection(CellSelection& selection, int n);

// The pixels of the selected columns in a client area clientWidth wide:
// from left up to right (exclusive), both within -1 .. clientWidth however
// far the columns lie out of view.
struct ColumnPixels {
    int left = 0;
    int right = 0;
};
ColumnPixels SelectedColumnPixels(const CellSelection& selection, int columnWidth, int clientWidth);

// Rows that no longer exist: false (and nothing to keep) when the lower row
// lies past the last one, else both rows clamped to the last row.
bool ClampSelection(CellSelection& selection, int rowCount);

// What a cell selection was made on, apart from the numbers of its columns
// and rows, which scrolling and a new layout change: the period of the
// anchor's column and of the end's, each taken while it was in view, and
// the items of the anchor's and the end's row.
struct SelectedCells {
    BookingRange anchorPeriod;
    BookingRange endPeriod;
    ScheduleRowItem anchorRow;
    ScheduleRowItem endRow;

    // From the earlier start to the later end: what was selected, wherever
    // the columns are now.
    BookingRange Period() const;
};

// After a new layout: the selection's rows are those of its anchor's and
// end's items again (renumbered rows move with them); an item without a row
// now leaves the rows clamped as ClampSelection does. False when dropped.
bool FindSelectionRows(CellSelection& selection, const SelectedCells& cells, const std::vector<ScheduleRow>& rows);

// What the record is filled from: the selected booking (or none), and for a
// cell selection its period and its rows in order.
struct GridSelectionSnapshot {
    CBooking* booking = nullptr;
    bool hasCells = false;
    CDateTime start;
    CDateTime end;
    std::vector<ScheduleRowItem> rows;
    bool resourceMode = true;
};

// Fills the host's record: full counts always, each array the host passed up
// to its capacity. Without a selected booking the bookings are those of the
// selected rows' resources (else tasks) in the period, each once.
void FillSelectionRecord(SelectionRecord& record, const GridSelectionSnapshot& snapshot);
