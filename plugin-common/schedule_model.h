#pragma once

// The layout of a schedule with no window: the time axis (base unit, shown
// days and the shown part of each day, the columns of a visible stretch),
// the rows (resources or tasks with their groups, filtered and collapsed),
// the packing of each row's bookings into lines, and the painting of the
// background and the bars through the painter wrapper.

#include <array>
#include <cstdint>
#include <set>
#include <span>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "plan_context.h"
#include "schedule_rows.h"
#include "support/calendar_values.h"
#include "support/time_bar_units.h"
#include "support/working_time.h"
#include "ui/painter.h"

// A row after layout: its item, its lines and the global index of its first line.
struct ScheduleRow {
    ScheduleRowItem item;
    int lineCount = 1;
    int firstLine = 0;
};

// A booking's bar: pixels from the first column (right inclusive), whether
// its start and end lie in the visible time (so they may be dragged), and
// its global line.
struct ScheduleBar {
    CBooking* booking = nullptr;
    int left = 0;
    int right = 0;
    bool startGrip = false;
    bool endGrip = false;
    int line = 0;
};

// One column of the visible stretch. Week and month columns know their
// days and pixels per day; others have 0.
struct ScheduleColumn {
    CDateTime start;
    CDateTime end;
    int days = 0;
    int pixelsPerDay = 0;
};

class StretchGeometry;

struct RowPacking;

class CScheduleModel {
public:
    explicit CScheduleModel(PlanContext context);
    virtual ~CScheduleModel();

    PlanContext& Context() { return context_; }
    const PlanContext& Context() const { return context_; }

    void SetDefaults();
    // The keys, each with the current value as its default.
    void LoadSettings();
    bool IsMultiDayUnit() const { return baseUnit > 4; }

    // The time axis from the plan's period and working time.
    void BuildDayTable();
    CDateTime StepUnits(const CDateTime& dateTime, int n) const;
    CDate AddWorkingDays(const CDate& date, int n) const;
    int CellsFromMinutes(int minutes, bool roundDown) const;
    // Columns in the whole period.
    int GetUnitCount() const;
    bool IsNonWorkingCell(const CDateTime& dateTime) const;
    // True when dateTime lies in visible time (always, while non-working
    // time is shown); an end at 0:00 counts as 24:00 of the day before.
    bool IsNonWorkingTime(const CDateTime& dateTime, bool isEnd) const;
    // With toWorkingDay the date moves forward to a working weekday; for day
    // and coarser units the time becomes the working day's start, or 0:00
    // with atMidnight.
    CDateTime AdjustToWorkingDay(const CDateTime& dateTime, int unit, bool toWorkingDay,
                                 bool atMidnight) const;

    // Columns, rows, lines and bars of columnCount columns from firstVisible.
    void LayoutRows(const CDateTime& firstVisible, int columnCount);
    // Removes filtered, hidden and collapsed rows; returns the row count.
    int BuildRows(std::vector<ScheduleRowItem>& rows) const;

    int GetTotalLines() const { return totalLines_; }
    // The row of a global line, the line's index in it and whether it is the
    // row's last; false for a line outside the layout.
    bool RowFromLine(int line, int& row, int& lineInRow, bool& isLast) const;
    // The bars of a global line, in packing order.
    std::span<const ScheduleBar> BarsOfLine(int line) const;
    const std::vector<ScheduleRow>& Rows() const { return rows_; }
    const std::vector<ScheduleColumn>& Columns() const { return columns_; }

    void SetResourceGroupCollapsed(const CResourceGroup* group, bool collapsed);
    void SetTaskGroupCollapsed(const CTaskGroup* group, bool collapsed);
    bool IsResourceGroupCollapsed(const CResourceGroup* group) const;
    bool IsTaskGroupCollapsed(const CTaskGroup* group) const;
    void ClearCollapsedGroups(bool resourceMode);
    // Forgets groups that are no longer in the plan.
    void PruneCollapsedGroups();
    // The ids of the collapsed groups, ascending, separated by one space.
    void FormatCollapsedGroups(std::string& resourceText, std::string& taskText) const;

    // 1 for an expanded group row, 2 for a collapsed one, 0 for an item row
    // (indented when group rows are on and its group's row is shown); -1
    // for a row outside the layout.
    int GetRowLabel(int row, std::string& text, bool& isGroup, bool& indented) const;
    const ScheduleBar* FindBookingEntry(const CBooking* booking) const;
    bool FindRange(const ScheduleRowItem& item) const;

    // Day columns, then the major grid lines, from start at rect's left.
    void PaintBackground(QelDC& dc, const ui::Rect& rect, const CDateTime& start) const;
    void PaintDayColumns(QelDC& dc, const ui::Rect& rect, const CDateTime& start) const;
    void PaintGrid(QelDC& dc, const ui::Rect& rect, const CDateTime& start) const;

    // The time axis as built.
    int VisibleMinutesPerDay() const { return visibleMinutes_; }
    int VisibleHoursPerDay() const { return visibleMinutes_ / 60; }
    int DayCount() const { return dayCount_; }
    int CellsPerDay() const { return cellsPerDay_; }
    int CellMinutes() const { return cellMinutes_; }
    int DayStart() const { return dayStart_; }
    int DayEnd() const { return dayEnd_; }
    const CDate& FirstDay() const { return firstDay_; }
    const CDate& LastDay() const { return lastDay_; }
    int MajorUnit() const { return majorUnit_; }
    int MajorLabelCode() const { return majorLabelCode_; }
    int MinorLabelCode() const { return minorLabelCode_; }
    int UnitClass() const { return unitClass_; }
    bool IsShownWeekday(const CDate& date) const;
    // No day or no visible time to show: no columns at all.
    bool IsEmptyAxis() const { return emptyAxis_; }
    // At least one pixel.
    int ColumnWidth() const { return columnWidth < 1 ? 1 : columnWidth; }

    // Settings; the view sets the column width, minimum bar width and today marks.
    bool resourceMode = true;
    int columnWidth = 20;
    int baseUnit = 4;
    UnitsOnScreen unitsOnScreen{};
    bool hideNonWorkingTime = false;
    ui::COLORREF nonWorkingColor = 0xD4D4D4;
    LabelCodes majorLabelCodes{};
    LabelCodes minorLabelCodes{};
    int durationStyle = 4;
    std::array<ui::COLORREF, 7> weekdayColors{};
    ui::COLORREF majorGridColor = 0;
    ui::COLORREF minorGridColor = 0x808080;
    ui::COLORREF horzGridColor = 0;
    bool notesOnBookings = false;
    bool groupRows = true;
    int minimumBarWidth = 0;
    bool markToday = true;
    ui::COLORREF todayColor = 0x80C0FF;

private:
    void BuildColumns(const CDateTime& firstVisible, int columnCount);
    // Every row's bookings of the stretch, one after the other; the bookings
    // of row i are [rowStarts[i], rowStarts[i + 1]).
    void FetchRowBookings(const std::vector<ScheduleRowItem>& rows, CFilter* filter,
                          std::vector<CBooking*>& bookings, std::vector<std::size_t>& rowStarts) const;
    void AppendRow(const ScheduleRowItem& item, const std::vector<CBooking*>& bookings, std::size_t begin,
                   std::size_t end, const StretchGeometry& geometry, RowPacking& packing);
    std::vector<ScheduleRowItem> RowList() const;
    // Moves date forward (or back) to a shown weekday; false when none is.
    bool MoveToShownDay(CDate& date, bool forward) const;
    void ClearLayout();

    PlanContext context_;
    WorkingTime workingTime_;
    std::array<bool, 7> shownWeekdays_{};
    int visibleMinutes_ = 1440;
    int dayCount_ = 0;
    int cellsPerDay_ = 1440;
    int cellMinutes_ = 1;
    int dayStart_ = 0;
    int dayEnd_ = 1440;
    CDate firstDay_, lastDay_;
    int majorUnit_ = 6;
    int majorLabelCode_ = 0;
    int minorLabelCode_ = 0;
    int unitClass_ = 3;
    bool emptyAxis_ = false;

    std::vector<ScheduleColumn> columns_;
    std::vector<ScheduleRow> rows_;
    std::vector<ScheduleBar> bars_;           // by global line
    std::vector<std::size_t> lineStarts_;     // bars of line i: [lineStarts_[i], lineStarts_[i + 1])
    int totalLines_ = 0;
    std::unordered_set<const void*> shownRecords_;   // the groups and items that have a row
    mutable std::unordered_map<const CBooking*, std::size_t> barIndex_;
    mutable bool barIndexBuilt_ = false;

    std::set<std::int32_t> collapsedResourceGroups_;   // by id: ids are never reused
    std::set<std::int32_t> collapsedTaskGroups_;
};

// The bars of one line, in lineRect shifted left by scrollX, clipped to
// clip: fill, the sides of the frame that survive the clip with the current
// pen, the name (and the notes), and the hatched frame of selected.
void DrawBookingRow(QelDC& dc, int line, const ui::Rect& lineRect, const ui::Rect& clip,
                    const CScheduleModel& model, const CBooking* selected, int scrollX, int barHeight);
