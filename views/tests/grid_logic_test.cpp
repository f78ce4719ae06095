// The booking grid's logic with no window: hit tests, selection, the hover
// and drag states, the drag arithmetic and the written undo step.

#include <gtest/gtest.h>

#include <QBitmap>
#include <QImage>
#include <climits>
#include <functional>

#include "booking_drag.h"
#include "booking_placement.h"
#include "drag_tooltip.h"
#include "tooltip_markup.h"
#include "grid_pointer_state.h"
#include "grid_selection.h"
#include "plat/resource_strings.h"
#include "res_cursor.h"
#include "schedule_fixture.h"
#include "selected_booking.h"
#include "schedule_geometry.h"
#include "string_ids.h"

namespace {

// --- Hit tests ------------------------------------------------------------

TEST(GridHitTest, GripsOfABar) {
    struct Case {
        int left, width;
        bool startGrip, endGrip;
        int x;
        BarPart part;
    } cases[] = {
        // A 12-pixel bar has 3-pixel grips at each end.
        {100, 12, true, true, 100, BarPart::Start},
        {100, 12, true, true, 102, BarPart::Start},
        {100, 12, true, true, 103, BarPart::Body},
        {100, 12, true, true, 108, BarPart::Body},
        {100, 12, true, true, 109, BarPart::End},
        {100, 12, true, true, 111, BarPart::End},
        // A start before the shown period: only the end grip.
        {100, 12, false, true, 100, BarPart::Body},
        {100, 12, false, true, 110, BarPart::End},
        {100, 12, true, false, 110, BarPart::Body},
        // Wide bars stop at the widest grip, narrow ones let the end win.
        {0, 100, true, true, 3, BarPart::Start},
        {0, 100, true, true, 4, BarPart::Body},
        {0, 100, true, true, 96, BarPart::End},
        {0, 6, true, true, 0, BarPart::Start},
        {0, 5, true, true, 4, BarPart::End},
        {0, 2, true, true, 0, BarPart::Body},   // no room for a grip
    };
    for (const Case& c : cases) {
        const ui::Rect bar{c.left, 0, c.left + c.width, 10};
        EXPECT_EQ(PartOfBar(bar, c.x, c.startGrip, c.endGrip, 4), c.part) << c.left << "+" << c.width << " at " << c.x;
    }
}

class GridModelTest : public ScheduleTest {
protected:
    void SetUp() override {
        SetPlan(Day(1), Day(31, 3));
        team = ResourceGroup("Team", 0);
        anna = Resource("Anna", 0, team);
        bert = Resource("Bert", 1, team);
        work = Task("Work", 0);
        rest = Task("Rest", 1);
        // Monday 6 January, 8:00 to 17:00.
        booking = AddBooking(anna, work, Day(6), 480, Day(6), 1020);
        AddBooking(bert, rest, Day(7), 480, Day(8), 1020);
    }
    void LayoutDays() { Layout(4, 30, false, 20); }

    WorkingTime Wt() const { return WorkingTimeOf(*root.properties); }

    CResourceGroup* team = nullptr;
    CResource* anna = nullptr;
    CResource* bert = nullptr;
    CTask* work = nullptr;
    CTask* rest = nullptr;
    CBooking* booking = nullptr;
    GridGeometry geometry{800, 400, 0, 20, 14};
};

TEST_F(GridModelTest, HitTestFindsTheBarAndItsPartUnderThePoint) {
    LayoutDays();
    // Rows: Team (line 0), Anna (1), Bert (2); day columns of 20 pixels from 1 January.
    const ScheduleBar* bar = FindBarById(model, booking->id);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(FindBarById(model, booking->id, bar->line), bar);
    EXPECT_EQ(FindBarById(model, booking->id, bar->line + 1), bar);   // a stale line
    EXPECT_EQ(FindBarById(model, booking->id, 1000), bar);
    EXPECT_EQ(FindBarById(model, booking->id + 1000, bar->line), nullptr);
    const ui::Rect rect = BarRectOf(*bar, geometry);
    EXPECT_EQ(rect.top, 20 + 3);
    EXPECT_EQ(rect.height(), 14);
    const int middleY = rect.top + 5;
    struct Case {
        int x, y;
        const CBooking* booking;
        BarPart part;
    } cases[] = {
        {rect.left + rect.width() / 2, middleY, booking, BarPart::Body},
        {rect.left, middleY, booking, BarPart::Start},
        {rect.right - 1, middleY, booking, BarPart::End},
        {rect.right, middleY, nullptr, BarPart::None},
        {rect.left + 5, rect.top - 1, nullptr, BarPart::None},   // above the bar, inside its line
        {rect.left + 5, -3, nullptr, BarPart::None},
        {801, middleY, nullptr, BarPart::None},                  // right of the client area
        {rect.left + 5, 399, nullptr, BarPart::None},            // below the last line
    };
    for (const Case& c : cases) {
        const GridHit hit = HitTestBooking(model, geometry, c.x, c.y, 4);
        EXPECT_EQ(hit.bar != nullptr ? hit.bar->booking : nullptr, c.booking) << c.x << "," << c.y;
        EXPECT_EQ(hit.part, c.part) << c.x << "," << c.y;
    }
    // A bar running on right of the client area is hit only inside it.
    GridGeometry narrow = geometry;
    narrow.clientWidth = rect.left + 10;
    EXPECT_EQ(HitTestBooking(model, narrow, rect.left + 5, middleY, 4).bar, bar);
    EXPECT_EQ(HitTestBooking(model, narrow, rect.left + 12, middleY, 4).bar, nullptr);
    GridGeometry flat = geometry;
    flat.lineHeight = 0;
    EXPECT_EQ(HitTestBooking(model, flat, rect.left + 5, middleY, 4).bar, nullptr);
    // Scrolled down by one line, Anna's bar is on the first line.
    GridGeometry scrolled = geometry;
    scrolled.firstLine = 1;
    EXPECT_EQ(HitTestBooking(model, scrolled, rect.left + 5, 8, 4).bar, bar);
}

TEST_F(GridModelTest, CellUnderXInWeekMonthAndYearColumns) {
    struct Case {
        int unit, width, x;
        GridCell cell;
    } cases[] = {
        {4, 20, 0, {0, 0}},  {4, 20, 19, {1, 0}},   // the grid line at x + 1 belongs to the next column
        {5, 70, 9, {0, 1}},  {5, 70, 69, {1, 0}},   {5, 70, 68, {0, 6}},
        {6, 62, 3, {0, 2}},  {6, 62, 60, {0, 30}},  // 31 days of 2 pixels
        {6, 20, 5, {0, 0}},                         // less than a pixel a day
        {7, 50, 10, {0, 0}},                        // years keep no days
    };
    for (const Case& c : cases) {
        Layout(c.unit, 3, false, c.width);
        GridCell cell{-1, -1};
        ASSERT_TRUE(CellAtX(model, c.x, 800, cell)) << c.unit << " " << c.x;
        EXPECT_EQ(cell, c.cell) << c.unit << " " << c.x;
    }
    Layout(4, 3, false, 20);
    GridCell cell;
    EXPECT_FALSE(CellAtX(model, 200, 800, cell));
    EXPECT_EQ(ClampedCellAtX(model, 200, 800), (GridCell{2, 0}));
    EXPECT_EQ(ClampedCellAtX(model, -5, 800), (GridCell{0, 0}));
}

// --- Selection ------------------------------------------------------------

TEST(GridSelectionTest, ExtendingKeepsTasksInTheirRow) {
    struct Case {
        bool resourceMode;
        int column, row;
        CellSelection after;
        bool moved;
    } cases[] = {
        {true, 5, 4, {2, 5, 3, 4}, true},
        {false, 5, 4, {2, 5, 3, 3}, true},   // tasks: the row stays the anchor's
        {false, 2, 9, {2, 2, 3, 3}, false},
        {true, -1, 1, {2, 2, 3, 1}, true},   // outside the grid: the column is kept
        {true, 0, -1, {2, 0, 3, 3}, true},
    };
    for (const Case& c : cases) {
        CellSelection s{2, 2, 3, 3};
        EXPECT_EQ(ExtendSelection(s, c.column, c.row, c.resourceMode), c.moved);
        EXPECT_EQ(s, c.after) << c.resourceMode << " " << c.column << "," << c.row;
    }
    CellSelection s{2, 5, 3, 1};
    EXPECT_TRUE(s.Holds(5, 1));
    EXPECT_TRUE(s.Holds(2, 3));
    EXPECT_FALSE(s.Holds(6, 2));
    ShiftSelection(s, -2);
    EXPECT_EQ(s, (CellSelection{0, 3, 3, 1}));
}

// The selected columns' pixels stay within the client area's edges however
// far they have scrolled away or however wide a column is.
TEST(GridSelectionTest, SelectedColumnPixelsStayNearTheClientArea) {
    struct Case {
        int low, high, width, client;
        int left, right;
    } cases[] = {
        {1, 3, 20, 800, 20, 80},
        {-2, 1, 20, 800, -1, 40},            // partly scrolled away to the left
        {38, 45, 20, 800, 760, 800},         // partly beyond the right edge
        {-5000000, -4999990, 1800, 1800, -1, -1},   // far to the left
        {5000000, 5000001, 1800, 1800, 1800, 1800}, // far to the right
        {0, 0, INT_MAX, 800, 0, 800},
        {INT_MIN, INT_MAX, 3, 800, -1, 800},
        {0, 2, 0, 800, 0, 3},                // no width counts as a pixel
    };
    for (const Case& c : cases) {
        const ColumnPixels pixels = SelectedColumnPixels({c.high, c.low, 0, 0}, c.width, c.client);
        EXPECT_EQ(pixels.left, c.left) << c.low << ".." << c.high << " x " << c.width;
        EXPECT_EQ(pixels.right, c.right) << c.low << ".." << c.high << " x " << c.width;
    }
}

TEST(GridSelectionTest, ClampAfterRowsChanged) {
    struct Case {
        CellSelection before;
        int rows;
        bool kept;
        CellSelection after;
    } cases[] = {
        {{0, 1, 2, 5}, 10, true, {0, 1, 2, 5}},
        {{0, 1, 2, 5}, 4, true, {0, 1, 2, 3}},
        {{0, 1, 5, 2}, 3, true, {0, 1, 2, 2}},
        {{0, 1, 4, 5}, 4, false, {}},
        {{0, 1, 0, 0}, 0, false, {}},
    };
    for (const Case& c : cases) {
        CellSelection s = c.before;
        EXPECT_EQ(ClampSelection(s, c.rows), c.kept);
        if (c.kept) {
            EXPECT_EQ(s, c.after);
        }
    }
}

// A new layout numbers the rows afresh: the selection stays on the rows it
// was made on while they are there, else the rows are clamped as before.
TEST_F(GridModelTest, SelectedRowsFollowTheirItems) {
    const ScheduleRowItem teamRow{team, nullptr, nullptr, nullptr}, annaRow{nullptr, anna, nullptr, nullptr},
        bertRow{nullptr, bert, nullptr, nullptr};
    const auto rows = [](std::vector<ScheduleRowItem> items) {
        std::vector<ScheduleRow> result;
        for (std::size_t i = 0; i < items.size(); ++i) result.push_back({items[i], 1, static_cast<int>(i)});
        return result;
    };
    SelectedCells cells;
    cells.anchorRow = bertRow;
    cells.endRow = annaRow;
    struct Case {
        const char* name;
        std::vector<ScheduleRow> rows;
        bool kept;
        int startRow, endRow;
    } cases[] = {
        {"unchanged", rows({teamRow, annaRow, bertRow}), true, 2, 1},
        {"renumbered", rows({bertRow, teamRow, annaRow}), true, 0, 2},
        {"the group row gone", rows({annaRow, bertRow}), true, 1, 0},
        {"the anchor's row gone: clamped", rows({teamRow, annaRow}), true, 1, 1},
        {"no rows left", rows({}), false, 0, 0},
    };
    for (const Case& c : cases) {
        CellSelection s{3, 5, 2, 1};
        EXPECT_EQ(FindSelectionRows(s, cells, c.rows), c.kept) << c.name;
        if (c.kept) {
            EXPECT_EQ(s, (CellSelection{3, 5, c.startRow, c.endRow})) << c.name;
        }
    }
}

// The period of the selected cells is that of its two ends' columns, which
// ever lies first, wherever the columns have scrolled since.
TEST(GridSelectionTest, PeriodRunsFromTheEarlierEndToTheLater) {
    const auto at = [](int day, int minutes) { return CDateTime(CDate::FromJulianDay(day), CTimeOfDay(minutes)); };
    SelectedCells cells;
    cells.anchorPeriod = {at(100, 480), at(100, 1020)};
    cells.endPeriod = {at(97, 480), at(97, 1020)};
    EXPECT_EQ(cells.Period(), (BookingRange{at(97, 480), at(100, 1020)}));
    std::swap(cells.anchorPeriod, cells.endPeriod);
    EXPECT_EQ(cells.Period(), (BookingRange{at(97, 480), at(100, 1020)}));
    cells.endPeriod = cells.anchorPeriod;
    EXPECT_EQ(cells.Period(), (BookingRange{at(97, 480), at(97, 1020)}));
}

// The selected booking is the plan's while the plan holds it, laid out or
// not; a booking gone, or another one at its address, is none.
TEST_F(GridModelTest, SelectedBookingIsKeptWhileThePlanHoldsIt) {
    EXPECT_EQ(SelectedBooking::Of(booking).Get(root.bookings), booking);
    EXPECT_EQ(SelectedBooking{}.Get(root.bookings), nullptr);
    EXPECT_EQ((SelectedBooking{booking, booking->id + 1}.Get(root.bookings)), nullptr) << "another booking's id";
    EXPECT_EQ(SelectedBooking::Of(booking).Get(nullptr), nullptr);
    const SelectedBooking kept = SelectedBooking::Of(booking);
    Begin();
    booking->Delete();
    root.CommitTransaction();
    EXPECT_EQ(kept.Get(root.bookings), nullptr);
}

// The public filter takes a selected booking away only while it is on.
TEST_F(GridModelTest, PublicFilterKeepsWhatItLetsThrough) {
    CFilter* filter = root.filters->Create();   // like the host's public filter: never added
    CResource* hidden = anna;
    filter->SetExcludedResources(&hidden, 1);
    PlanContext context{&root, filter, nullptr, settings.Getter()};
    CBooking* bertsBooking = AllBookings().back();
    ASSERT_EQ(bertsBooking->resource, bert);
    struct Case {
        const char* active;
        CBooking* booking;
        bool kept;
    } cases[] = {{"1", booking, false}, {"1", bertsBooking, true}, {"0", booking, true}, {"", booking, true},
                 {"1", nullptr, true}};
    for (const Case& c : cases) {
        settings.values["ViewFilterActive"] = c.active;
        EXPECT_EQ(PublicFilterKeeps(context, c.booking), c.kept) << c.active;
    }
    context.publicFilter = nullptr;
    settings.values["ViewFilterActive"] = "1";
    EXPECT_TRUE(PublicFilterKeeps(context, booking));
    filter->Delete();
}

TEST_F(GridModelTest, SelectionRecordIsFilledToTheHostsCapacities) {
    AddBooking(anna, rest, Day(7), 480, Day(7), 600);
    GridSelectionSnapshot cells;
    cells.hasCells = true;
    cells.start = CDateTime(CDate::FromJulianDay(Day(6)), CTimeOfDay(0));
    cells.end = CDateTime(CDate::FromJulianDay(Day(9)), CTimeOfDay(0));
    cells.rows = {{team, nullptr, nullptr, nullptr}, {nullptr, anna, nullptr, nullptr}, {nullptr, bert, nullptr, nullptr}};

    // Counting only, as the host asks first.
    SelectionRecord record{};
    FillSelectionRecord(record, cells);
    EXPECT_EQ(record.bookingCount, 3);
    EXPECT_EQ(record.resourceGroupCount, 1);
    EXPECT_EQ(record.resourceCount, 2);
    EXPECT_EQ(record.taskCount, 0);
    EXPECT_EQ(record.startDate, Day(6));
    EXPECT_EQ(record.endDate, Day(9));

    // Arrays one entry short: full counts, nothing written past a capacity.
    CBooking* bookings[3] = {};
    CResource* resources[2] = {};
    record = {};
    record.bookings = bookings;
    record.bookingCapacity = 2;
    record.resources = resources;
    record.resourceCapacity = 1;
    FillSelectionRecord(record, cells);
    EXPECT_EQ(record.bookingCount, 3);
    EXPECT_EQ(bookings[0], booking);
    EXPECT_NE(bookings[1], nullptr);
    EXPECT_EQ(bookings[2], nullptr);
    EXPECT_EQ(record.resourceCount, 2);
    EXPECT_EQ(resources[0], anna);
    EXPECT_EQ(resources[1], nullptr);

    // A selected booking is the only one reported, beside the cells.
    cells.booking = booking;
    record = {};
    record.bookings = bookings;
    record.bookingCapacity = 3;
    FillSelectionRecord(record, cells);
    EXPECT_EQ(record.bookingCount, 1);
    EXPECT_EQ(bookings[0], booking);
    // No cells: no period.
    GridSelectionSnapshot one;
    one.booking = booking;
    record = {};
    record.startDate = 77;
    FillSelectionRecord(record, one);
    EXPECT_EQ(record.bookingCount, 1);
    EXPECT_EQ(record.startDate, 0);
    EXPECT_EQ(record.resourceCount, 0);
}

// --- Hover and drag states ------------------------------------------------

TEST(GridPointerStateTest, PressTimerAndRelease) {
    struct Case {
        const char* name;
        BarPart part;
        bool left, writeProtected, timerFirst;
        int pending;
        DragKind drag;
    } cases[] = {
        {"move", BarPart::Body, true, false, true, kHoverMovePending, DragKind::Move},
        {"resize start", BarPart::Start, true, false, true, kHoverResizePending, DragKind::Resize},
        {"resize end", BarPart::End, true, false, true, kHoverResizePending, DragKind::Resize},
        {"released within the delay", BarPart::Body, true, false, false, kHoverMovePending, DragKind::None},
        {"write-protected", BarPart::Body, true, true, true, kHoverIdle, DragKind::None},
        {"right button", BarPart::End, false, false, true, kHoverIdle, DragKind::None},
        {"off a bar", BarPart::None, true, false, true, kHoverIdle, DragKind::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GridPointerState state;
        EXPECT_EQ(state.Press(c.part, c.left, c.writeProtected), c.pending != kHoverIdle);
        EXPECT_EQ(state.State(), c.pending);
        DragKind released = DragKind::None;
        if (c.timerFirst) {
            state.DragTimer();
            released = state.Release();
        } else {
            released = state.Release();
            EXPECT_EQ(state.DragTimer(), DragKind::None);   // the late timer finds nothing
        }
        EXPECT_EQ(released, c.drag);
        EXPECT_EQ(state.State(), kHoverIdle);
    }
    GridPointerState state;
    state.Press(BarPart::Body, true, false);
    state.DragTimer();
    EXPECT_TRUE(state.Dragging());
    state.Reset();   // the right button cancels
    EXPECT_EQ(state.Release(), DragKind::None);
}

TEST(GridPointerStateTest, HoverShowsTheTooltipOnlyWhileTheCursorStays) {
    ScheduleBar bar;
    const GridHit hit{&bar, BarPart::Body, {10, 10, 50, 20}};
    GridPointerState state;
    EXPECT_TRUE(state.Hover(hit, 12, 12));
    EXPECT_EQ(state.State(), kHoverArmed);
    EXPECT_FALSE(state.Hover(hit, 13, 12));   // already armed
    bool keep = false, hide = false;
    // Not in front: nothing shown, the timer stops.
    EXPECT_FALSE(state.HoverTimer(13, 12, false, keep, hide));
    EXPECT_TRUE(hide);
    EXPECT_TRUE(state.HoverTimer(13, 12, true, keep, hide));
    EXPECT_TRUE(keep);
    EXPECT_EQ(state.State(), kHoverBookingTip);
    EXPECT_FALSE(state.HoverTimer(30, 15, true, keep, hide));
    EXPECT_FALSE(hide);
    EXPECT_FALSE(state.HoverTimer(60, 15, true, keep, hide));   // left the bar
    EXPECT_TRUE(hide);
    EXPECT_FALSE(keep);
    EXPECT_EQ(state.State(), kHoverIdle);
    // Leaving before the timer disarms it.
    state.Hover(hit, 12, 12);
    state.Hover({}, 70, 12);
    EXPECT_EQ(state.State(), kHoverIdle);
    EXPECT_FALSE(state.HoverTimer(12, 12, true, keep, hide));
}

// Scrolling moves the bars from under a hover: it ends, a drag or the
// selection tooltip goes on.
TEST(GridPointerStateTest, EndHoverStopsOnlyAHover) {
    ScheduleBar bar;
    const GridHit hit{&bar, BarPart::Body, {10, 10, 50, 20}};
    bool keep = false, hide = false;
    struct Case {
        const char* name;
        std::function<void(GridPointerState&)> reach;
        bool ended;
        int after;
    } cases[] = {
        {"armed", [&](GridPointerState& s) { s.Hover(hit, 12, 12); }, true, kHoverIdle},
        {"tooltip shown", [&](GridPointerState& s) { s.Hover(hit, 12, 12); s.HoverTimer(12, 12, true, keep, hide); },
         true, kHoverIdle},
        {"idle", [](GridPointerState&) {}, false, kHoverIdle},
        {"selecting", [](GridPointerState& s) { s.ShowSelectionTip(); }, false, kHoverSelectionTip},
        {"move pending", [](GridPointerState& s) { s.Press(BarPart::Body, true, false); }, false, kHoverMovePending},
        {"moving", [](GridPointerState& s) { s.Press(BarPart::Body, true, false); s.DragTimer(); }, false,
         kHoverMoving},
    };
    for (const Case& c : cases) {
        GridPointerState state;
        c.reach(state);
        EXPECT_EQ(state.EndHover(), c.ended) << c.name;
        EXPECT_EQ(state.State(), c.after) << c.name;
        if (c.ended) {
            EXPECT_TRUE(state.HoverRect().IsEmpty()) << c.name;
        }
    }
}

// --- Drag arithmetic --------------------------------------------------------

TEST(BookingDragTest, MinimumFeedbackWidth) {
    struct Case {
        int unit, width, min;
    } cases[] = {{0, 20, 20}, {3, 20, 20}, {4, 25, 25}, {5, 70, 10}, {6, 62, 2},
                 {6, 310, 4}, {6, 20, 0}, {7, 365 * 3, 3}, {7, 5000, 4}};
    for (const Case& c : cases) EXPECT_EQ(MinFeedbackWidth(c.unit, c.width), c.min) << c.unit << " " << c.width;
}

TEST(BookingDragTest, ResizeBordersNeverCross) {
    const GridCell start{2, 1}, end{5, 3};
    struct Case {
        bool startBorder;
        GridCell cell, limited;
    } cases[] = {
        {true, {1, 0}, {1, 0}},   {true, {4, 6}, {4, 6}}, {true, {5, 5}, {5, 3}},
        {true, {9, 0}, {5, 0}},   {false, {6, 0}, {6, 0}}, {false, {2, 0}, {2, 1}},
        {false, {0, 6}, {2, 6}},  {false, {3, 0}, {3, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LimitResizeCell(c.cell, c.startBorder, start, end), c.limited)
            << c.startBorder << " " << c.cell.column << "," << c.cell.day;
}

TEST_F(GridModelTest, ResizedRangeStopsAtTheOtherEnd) {
    LayoutDays();   // column n is 1 January + n
    const BookingRange range = RangeOf(*booking);   // 6 January 8:00 to 17:00
    const auto at = [](int day, int minutes) { return CDateTime(CDate::FromJulianDay(Day(day)), CTimeOfDay(minutes)); };
    struct Case {
        bool startBorder;
        int column;
        BookingRange expected;
    } cases[] = {
        {true, 5, range},                            // the border's own cell: nothing changes
        {true, 3, {at(4, 480), at(6, 1020)}},        // to 4 January, the working day's start
        {false, 7, {at(6, 480), at(8, 1020)}},       // to the working day's end of 8 January
        {false, 5, range},
    };
    for (const Case& c : cases) {
        const GridCell own{5, 0};
        EXPECT_EQ(ResizedRange(model, Wt(), range, c.startBorder, own, {c.column, 0}, false), c.expected)
            << c.startBorder << " " << c.column;
    }
    // A start dragged past the end (the cell limit lets it reach the end's
    // cell) never passes the end.
    const BookingRange shortOne{at(6, 480), at(6, 600)};
    const BookingRange lateStart = ResizedRange(model, Wt(), shortOne, true, {4, 0}, {5, 0}, false);
    EXPECT_LE(lateStart.start, lateStart.end);
    const BookingRange early = ResizedRange(model, Wt(), {at(6, 900), at(7, 600)}, false, {6, 0}, {5, 0}, false);
    EXPECT_EQ(early.end, at(6, 1020));
    // In real time the end is the next midnight.
    EXPECT_EQ(ResizedRange(model, Wt(), range, false, {5, 0}, {6, 0}, true).end, at(8, 0));
}

// A move takes the booking as far as the pointer went from the cell pressed,
// wherever on the bar the press was.
TEST_F(GridModelTest, MovesGoAsFarAsThePointerAndKeepTheLength) {
    const auto at = [](int day, int minutes, int month = 1) {
        return CDateTime(CDate::FromJulianDay(Day(day, month)), CTimeOfDay(minutes));
    };
    // Thursday 9 January 14:00 to Friday 10:00: 180 working minutes on
    // Thursday, 120 on Friday.
    const BookingRange thursday{at(9, 840), at(10, 600)};
    const BookingRange evening{at(9, 1080), at(9, 1200)};
    const CDateTime lastMonday(CDate::FromJulianDay(Day(30, 12, 2024)), CTimeOfDay(480));
    const DragRules working{true, false};
    struct Case {
        const char* name;
        int unit;
        bool hide;
        int width;
        BookingRange booking;
        GridCell pressed, cell;
        DragRules rules;
        BookingRange expected;
    } cases[] = {
        // Days from 1 January, weekends shown: column n is 1 January + n.
        {"grabbed on its second day, moved straight", 4, false, 20, thursday, {9, 0}, {9, 0}, working, thursday},
        // Friday 14:00 plus 300 working minutes runs over the weekend to Monday 10:00.
        {"grabbed on its second day, a day on", 4, false, 20, thursday, {9, 0}, {10, 0}, working,
         {at(10, 840), at(13, 600)}},
        {"whole days keep the clock", 4, false, 20, thursday, {8, 0}, {13, 0}, working, {at(14, 840), at(15, 600)}},
        {"a day back", 4, false, 20, thursday, {9, 0}, {8, 0}, working, {at(8, 840), at(9, 600)}},
        {"over a weekend in real time", 4, false, 20, thursday, {8, 0}, {9, 0}, {true, true},
         {at(10, 840), at(11, 600)}},
        {"keeping the real span", 4, false, 20, thursday, {8, 0}, {9, 0}, {false, false}, {at(10, 840), at(11, 600)}},
        // 14:00 to 20:00: recomputing the end from its 180 working minutes would give 17:00.
        {"an unmoved start keeps the end", 4, false, 20, {at(9, 840), at(9, 1200)}, {8, 0}, {8, 0}, working,
         {at(9, 840), at(9, 1200)}},
        {"an evening keeps its real length", 4, false, 20, evening, {8, 0}, {9, 0}, working,
         {at(10, 1080), at(10, 1200)}},
        // Monday 30 December to Friday 3 January: five working days from Wednesday 1 January.
        {"a start before the stretch", 4, false, 20, {lastMonday, at(3, 1020)}, {1, 0}, {3, 0}, working,
         {at(1, 480), at(7, 1020)}},
        // Days with weekends hidden: Friday 3 January is column 2, Monday the 6th column 3.
        {"hidden weekends count shown days", 4, true, 20, thursday, {2, 0}, {3, 0}, working,
         {at(10, 840), at(13, 600)}},
        // Hours with non-working time hidden: nine columns a day from
        // Wednesday 1 January 8:00; Thursday 10:00 is column 11.
        {"hours: seven shown hours on", 3, true, 20, {at(2, 600), at(3, 720)}, {13, 0}, {20, 0}, working,
         {at(3, 480), at(6, 600)}},
        {"hours: over the hidden weekend", 3, true, 20, {at(2, 600), at(3, 720)}, {13, 0}, {31, 0}, working,
         {at(6, 600), at(7, 720)}},
        {"hours: a start in hidden time moves from its first shown hour", 3, true, 20, {at(2, 360), at(2, 720)},
         {9, 0}, {10, 0}, working, {at(2, 540), at(2, 780)}},
        // Weeks of 70 pixels from Monday 30 December: the 9th is day 3 of column 1.
        {"weeks: grabbed on its second day, a column on", 5, false, 70, thursday, {1, 4}, {2, 4}, working,
         {at(16, 840), at(17, 600)}},
        {"weeks: two days on", 5, false, 70, thursday, {1, 4}, {1, 6}, working, {at(11, 840), at(13, 780)}},
        // Months of 62 pixels: two pixels a day in January.
        {"months: a week on", 6, false, 62, thursday, {0, 9}, {0, 16}, working, {at(16, 840), at(17, 600)}},
        {"months: into February", 6, false, 62, thursday, {0, 9}, {1, 2}, working,
         {at(2, 840, 2), at(3, 780, 2)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Layout(c.unit, 40, c.hide, c.width);
        EXPECT_EQ(MovedRange(model, Wt(), c.booking, c.pressed, c.cell, c.rules), c.expected);
    }
}

TEST_F(GridModelTest, MoveFeedbackCoversTheNewRangeAndAMinimumWidth) {
    const auto at = [](int day, int month, int minutes) {
        return CDateTime(CDate::FromJulianDay(Day(day, month)), CTimeOfDay(minutes));
    };
    // Month columns of 62 pixels: January has 2 pixels a day.
    Layout(6, 3, false, 62);
    const GridCell start{0, 5};
    const GridCell end = CellOfEnd(model, at(7, 1, 1020));
    EXPECT_EQ(end, (GridCell{0, 6}));
    ui::Rect frame = MoveFeedback(model, start, end, 30, 60, 14, 400, MinFeedbackWidth(6, 62));
    EXPECT_EQ(frame.left, 10);
    EXPECT_EQ(frame.right, 14);
    // A booking ending at 0:00 ends on the day before.
    EXPECT_EQ(CellOfEnd(model, at(3, 2, 0)), (GridCell{1, 1}));
    EXPECT_EQ(CellOfStart(model, at(3, 2, 480)), (GridCell{1, 2}));
    EXPECT_EQ(CellOfStart(model, at(3, 2, 0)), (GridCell{1, 2}));
    EXPECT_EQ(CellOfStart(model, CDateTime(CDate::FromJulianDay(Day(20, 12, 2024)), CTimeOfDay(480))),
              (GridCell{0, 0}));   // before the stretch
    // A one-day booking is never narrower than the minimum.
    frame = MoveFeedback(model, {0, 5}, {0, 5}, 30, 60, 14, 400, MinFeedbackWidth(6, 62));
    EXPECT_EQ(frame.width(), 2);
    // Kept inside its row and the client area.
    frame = MoveFeedback(model, {0, 5}, {0, 5}, 55, 60, 14, 400, 2);
    EXPECT_EQ(frame.bottom, 60);
    frame = MoveFeedback(model, {0, 5}, {0, 5}, -8, 60, 14, 400, 2);
    EXPECT_EQ(frame.top, 0);
    // Day unit: at least a column; an end past the visible stretch takes the last column.
    Layout(4, 10, false, 20);
    frame = MoveFeedback(model, {2, 0}, {2, 0}, 0, 60, 14, 400, MinFeedbackWidth(4, 20));
    EXPECT_EQ(frame.width(), 20);
    EXPECT_EQ(CellOfEnd(model, at(1, 3, 0)), (GridCell{9, 0}));
    EXPECT_EQ(CellOfStart(model, at(1, 3, 0)), (GridCell{9, 0}));
    EXPECT_EQ(CellOfStart(model, at(3, 1, 600)), (GridCell{2, 0}));
    // Hours with hidden time: a start before the working day is in its first shown hour.
    Layout(3, 20, true, 20);
    EXPECT_EQ(CellOfStart(model, at(2, 1, 360)), (GridCell{9, 0}));
    EXPECT_EQ(CellOfEnd(model, at(2, 1, 600)), (GridCell{10, 0}));
}

// --- Writing the new place ---------------------------------------------------

const char* TestStrings(unsigned id) {
    return id == ids::UNDO_MOVE_BOOKING ? "Move Booking" : id == ids::UNDO_RESIZE_BOOKING ? "Resize Booking" : "";
}

class PlacementTest : public GridModelTest {
protected:
    void SetUp() override {
        GridModelTest::SetUp();
        plat::SetResourceStringSource(&TestStrings);
    }
    void TearDown() override { plat::SetResourceStringSource(nullptr); }

    BookingPlacement Target() const {
        return {CDateTime(CDate::FromJulianDay(Day(8)), CTimeOfDay(540)),
                CDateTime(CDate::FromJulianDay(Day(9)), CTimeOfDay(600)), bert, rest};
    }
    static bool Allow(CResource*, const CDateTime&, const CDateTime&, CBooking*) { return true; }
};

TEST_F(PlacementTest, OneNamedUndoStepRestoresEveryField) {
    const std::size_t steps = history.undoList.size();
    masks().clear();
    EXPECT_EQ(WriteBookingPlacement(root, booking, Target(), ids::UNDO_MOVE_BOOKING, &Allow), PlacementResult::Written);
    EXPECT_EQ(booking->startDay, Day(8));
    EXPECT_EQ(booking->startMinutes, 540);
    EXPECT_EQ(booking->endDay, Day(9));
    EXPECT_EQ(booking->endMinutes, 600);
    EXPECT_EQ(booking->resource, bert);
    EXPECT_EQ(booking->task, rest);
    ASSERT_EQ(history.undoList.size(), steps + 1);
    EXPECT_STREQ(history.undoList.back().name, "Move Booking");
    ASSERT_EQ(masks().size(), 1u);
    EXPECT_NE(masks()[0] & kChangeBookings, 0u);
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(RangeOf(*booking), (BookingRange{CDateTime(CDate::FromJulianDay(Day(6)), CTimeOfDay(480)),
                                               CDateTime(CDate::FromJulianDay(Day(6)), CTimeOfDay(1020))}));
    EXPECT_EQ(booking->resource, anna);
    EXPECT_EQ(booking->task, work);
}

TEST_F(PlacementTest, RefusalsChangeNothing) {
    const auto refuse = [](CResource*, const CDateTime&, const CDateTime&, CBooking*) { return false; };
    CBooking* checked = nullptr;
    const auto spy = [&](CResource* r, const CDateTime&, const CDateTime&, CBooking* b) {
        checked = b;
        return r == bert && false;
    };
    BookingPlacement noTask = Target();
    noTask.task = nullptr;
    CBooking* stranger = NewBooking(anna, work, Day(6), 480, Day(6), 600);   // never added
    struct Case {
        const char* name;
        CBooking* booking;
        BookingPlacement placement;
        PlacementCheck check;
        PlacementResult result;
    } cases[] = {
        {"conflict refused", booking, Target(), refuse, PlacementResult::Refused},
        {"conflict check sees the booking", booking, Target(), spy, PlacementResult::Refused},
        {"no task", booking, noTask, &Allow, PlacementResult::Gone},
        {"not in the document", stranger, Target(), &Allow, PlacementResult::Gone},
        {"null booking", nullptr, Target(), &Allow, PlacementResult::Gone},
    };
    const std::size_t steps = history.undoList.size();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(WriteBookingPlacement(root, c.booking, c.placement, ids::UNDO_MOVE_BOOKING, c.check), c.result);
        EXPECT_EQ(booking->startDay, Day(6));
        EXPECT_EQ(booking->resource, anna);
    }
    EXPECT_EQ(checked, booking);
    EXPECT_EQ(history.undoList.size(), steps);
    stranger->Delete();
    // Without the texts the step would have no name and clear the history.
    const int clears = history.clears;
    plat::SetResourceStringSource([](unsigned) { return ""; });
    EXPECT_EQ(WriteBookingPlacement(root, booking, Target(), ids::UNDO_MOVE_BOOKING, &Allow), PlacementResult::Failed);
    EXPECT_EQ(history.clears, clears);
    EXPECT_EQ(booking->resource, anna);
}

}  // namespace

namespace {

TEST(ResCursorTest, RecordsBecomeBitmapCursors) {
    const char* rows[kCursorSize] = {"X.", ".X"};
    for (auto& row : rows)
        if (row == nullptr) row = "";
    ResCursor record{1, 1, {}};
    std::copy(std::begin(rows), std::end(rows), record.rows);
    const QCursor cursor = CursorFromRecord(&record);
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.hotSpot(), QPoint(1, 1));
    const QImage bits = cursor.bitmap().toImage();
    const QImage mask = cursor.mask().toImage();
    EXPECT_NE(bits.pixelIndex(0, 0), bits.pixelIndex(1, 0));   // black, white
    EXPECT_EQ(mask.pixelIndex(0, 0), mask.pixelIndex(1, 0));   // both drawn
    EXPECT_NE(mask.pixelIndex(0, 0), mask.pixelIndex(2, 0));   // the rest is transparent
    // Without the resource library the arrow stands in.
    EXPECT_EQ(CursorFromRecord(nullptr).shape(), Qt::ArrowCursor);
    EXPECT_EQ(LoadResCursor(kCursorMoving).shape(), Qt::ArrowCursor);
}

}  // namespace

namespace {

// The value cells of a drag tooltip: bold when changed, red for a group.
TEST_F(GridModelTest, DragTooltipsMarkWhatChanges) {
    const BookingRange range = RangeOf(*booking);
    BookingRange later = range;
    later.end.date = AddDays(later.end.date, 1);
    struct Case {
        const char* name;
        std::string text;
        std::vector<bool> bold;            // the value cell of each line
        std::vector<ui::COLORREF> colour;
    } cases[] = {
        {"move in place", MoveTooltip(*booking, {nullptr, anna, nullptr, nullptr}, true, range),
         {false, false, false, false}, {0, 0, 0, 0}},
        {"move to Bert, later end", MoveTooltip(*booking, {nullptr, bert, nullptr, nullptr}, true, later),
         {true, false, false, true}, {0, 0, 0, 0}},
        {"move onto a group", MoveTooltip(*booking, {team, nullptr, nullptr, nullptr}, true, range),
         {true, false, false, false}, {255, 0, 0, 0}},
        {"tasks: onto Rest", MoveTooltip(*booking, {nullptr, nullptr, nullptr, rest}, false, range),
         {false, true, false, false}, {0, 0, 0, 0}},
        {"resize unchanged", ResizeTooltip(*booking, range, 540, 540.0005, "9:00 h"), {false, false, false}, {0, 0, 0}},
        {"resize longer", ResizeTooltip(*booking, later, 540, 1080, "18:00 h"), {false, true, true}, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TooltipTable table = ParseTooltipMarkup(c.text, 0);
        // The closing "\n" leaves an empty line.
        while (!table.lines.empty() && (table.lines.back().cells.empty() ||
                                        (table.lines.back().cells.size() == 1 && table.lines.back().cells[0].text.empty())))
            table.lines.pop_back();
        ASSERT_EQ(table.lines.size(), c.bold.size());
        for (std::size_t i = 0; i < c.bold.size(); ++i) {
            ASSERT_EQ(table.lines[i].cells.size(), 2u) << i;
            EXPECT_EQ(table.lines[i].cells[1].bold, c.bold[i]) << i;
            EXPECT_EQ(table.lines[i].cells[1].colour, c.colour[i]) << i;
            EXPECT_FALSE(table.lines[i].cells[0].bold) << i;
        }
    }
    EXPECT_EQ(ParseTooltipMarkup(cases[2].text, 0).lines[0].cells[1].text, "Team");
}

}  // namespace

TEST_F(GridModelTest, ColumnSpanPeriodCoversWholeColumnsFromWorkingTime) {
    struct Case {
        int unit;
        bool realTime;
        int low, high;
        int startDay, startMinutes, endDay, endMinutes;
    } cases[] = {
        {3, false, 0, 2, Day(1), 0, Day(1), 180},              // hours
        {4, false, 0, 2, Day(1), 480, Day(3), 1020},           // days between working hours
        {4, true, 0, 2, Day(1), 0, Day(4), 0},                 // whole days in real time
        {4, false, 1, 1, Day(2), 480, Day(2), 1020},
        {4, false, 2, 0, Day(1), 480, Day(3), 1020},           // order does not matter
        {4, false, -4, 9, Day(1), 480, Day(3), 1020},          // clamped to the columns there are
        {5, false, 0, 2, Day(30, 12, 2024), 480, Day(19), 1020},  // weeks up to their last day
        {6, true, 0, 2, Day(1), 0, Day(1, 4), 0},              // months
    };
    for (const Case& c : cases) {
        Layout(c.unit, 3, false, 70);
        BookingRange period;
        ASSERT_TRUE(ColumnSpanPeriod(model, Wt(), c.low, c.high, c.realTime, period)) << c.unit;
        EXPECT_EQ(period.start, CDateTime(CDate::FromJulianDay(c.startDay), CTimeOfDay(c.startMinutes))) << c.unit << " " << c.low;
        EXPECT_EQ(period.end, CDateTime(CDate::FromJulianDay(c.endDay), CTimeOfDay(c.endMinutes))) << c.unit << " " << c.high;
    }
    Layout(4, 0, false, 70);
    BookingRange period;
    EXPECT_FALSE(ColumnSpanPeriod(model, Wt(), 0, 2, false, period));
}
