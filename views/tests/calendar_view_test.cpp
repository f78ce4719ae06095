// The calendar view's arithmetic with no window: clamps, scrolling by
// weeks, the days a position shows, hit tests, sizing zones and limits,
// drag frames, and moving and resizing bookings by days.

#include <gtest/gtest.h>

#include <cstring>

#include "booking_placement.h"
#include "calendar_drag.h"
#include "calendar_geometry.h"
#include "calendar_selection.h"
#include "plat/resource_strings.h"
#include "string_ids.h"
#include "tests/schedule_fixture.h"
#include "ui/key_codes.h"
#include "ui/scroll_bar.h"

namespace {

// January 2025: the 6th is a Monday. Cells 100 x 100 under a 36-pixel
// header; a day header strip of 14, bars of 20 with 2 pixels around: four
// lines a cell, three of them whole.
class CalendarViewTest : public ScheduleTest {
protected:
    CalendarViewTest() : calendar(PlanContext{&root, nullptr, nullptr, settings.Getter()}) {
        g.monthHeaderHeight = 20;
        g.weekdayHeaderHeight = 16;
        g.dayHeaderHeight = 14;
        g.barHeight = 20;
        g.distance = 2;
        g.dayWidth = 100;
        g.dayHeight = 100;
        g.clientWidth = 700;
        g.clientHeight = 36 + 5 * 100 + 40;
        g.lines = 4;
        g.fullLines = 3;
    }

    void Show(int first, int last, int weekPos = 0, bool hide = false) {
        SetPlan(first, last);
        calendar.hideNonWorkingTime = hide;
        calendar.UpdateVisibleWeekdays();
        g.columnCount = calendar.ShownWeekdayCount();
        CDate from, to;
        VisibleDays(calendar, weekPos, g.RowsInView(), from, to);
        calendar.Layout(from, to);
    }

    CCalendarModel calendar;
    CalendarGeometry g;
};

TEST(CalendarClampTest, CellSizesStayInsideTheScreenAndAboveTheLeast) {
    struct Case {
        const char* name;
        int requested, least, workArea, expected;
    };
    // Widths: a scroll bar of 15; the work area less it and 5.
    const Case widths[] = {
        {"default", 100, 20, 1280, 100},
        {"5 shows 20", 5, 20, 1280, 20},
        {"0", 0, 20, 1280, 20},
        {"negative", -40, 20, 1280, 20},
        {"100,000 shrinks", 100000, 20, 1280, 1260},
        {"least 0 keeps a pixel", -3, 0, 1280, 1},
        {"least above the screen", 50, 100000, 1280, 1260},
        {"screen smaller than the scroll bar", 100, 20, 10, 1},
    };
    for (const Case& c : widths) EXPECT_EQ(ClampDayWidth(c.requested, c.least, c.workArea, 15), c.expected) << c.name;
    // Heights: a strip of 14, at least 10 more visible; the work area less
    // a scroll bar of 15, headers of 40 and 120.
    const Case heights[] = {
        {"default", 100, 10, 1024, 100},
        {"0", 0, 10, 1024, 24},
        {"negative", -100, 10, 1024, 24},
        {"100,000 shrinks", 100000, 10, 1024, 849},
        {"least negative", 5, -100, 1024, 5},
        {"screen too small", 100, 10, 100, 1},
    };
    for (const Case& c : heights)
        EXPECT_EQ(ClampDayHeight(c.requested, 14, c.least, c.workArea, 15, 40), c.expected) << c.name;
}

TEST_F(CalendarViewTest, ScrollingByWeeksStopsAtTheLastPage) {
    Show(Day(8), Day(30, 6));   // 26 weeks, 5 whole rows a page
    const int weeks = (calendar.lastDay.GetJulianDay() - calendar.firstDay.GetJulianDay()) / 7 + 1;
    ASSERT_EQ(weeks, 26);
    struct Case {
        int code, from, thumb, to;
    } cases[] = {
        {ui::SB_LINEDOWN, 0, 0, 1},      {ui::SB_LINEUP, 0, 0, 0},        {ui::SB_PAGEDOWN, 0, 0, 5},
        {ui::SB_PAGEDOWN, 20, 0, 21},    {ui::SB_PAGEUP, 3, 0, 0},        {ui::SB_BOTTOM, 0, 0, 21},
        {ui::SB_TOP, 9, 0, 0},           {ui::SB_THUMBPOSITION, 0, 100, 21},
        {ui::SB_THUMBPOSITION, 0, 7, 7}, {ui::SB_THUMBTRACK, 4, 9, 4},    {ui::SB_LINEDOWN, 21, 0, 21},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CalendarScrollTarget(c.code, WeekScrollState(g, weeks, c.from), c.thumb), c.to)
            << c.code << " from " << c.from;
    // Fewer weeks than rows: nothing to scroll.
    EXPECT_EQ(CalendarScrollTarget(ui::SB_BOTTOM, WeekScrollState(g, 3, 0), 0), 0);
    // A client lower than the headers has no whole row; nothing divides by it.
    g.clientHeight = 10;
    EXPECT_EQ(CalendarScrollTarget(ui::SB_PAGEDOWN, WeekScrollState(g, weeks, 0), 0), 1);
}

TEST(CalendarKeyTest, KeysScrollUnlessAltIsHeld) {
    struct Case {
        int key, modifiers;
        bool used, vertical;
        int code;
    } cases[] = {
        {ui::VK_NEXT, 0, true, true, ui::SB_PAGEDOWN},   {ui::VK_PRIOR, 0, true, true, ui::SB_PAGEUP},
        {ui::VK_HOME, 0, true, true, ui::SB_TOP},        {ui::VK_END, 0, true, true, ui::SB_BOTTOM},
        {ui::VK_UP, 0x04, true, true, ui::SB_LINEUP},    {ui::VK_DOWN, 0, true, true, ui::SB_LINEDOWN},
        {ui::VK_LEFT, 0, true, false, ui::SB_LINELEFT},  {ui::VK_RIGHT, 0, true, false, ui::SB_LINERIGHT},
        {ui::VK_NEXT, 0x10, false, true, 0},             {ui::VK_LEFT, 0x14, false, true, 0},
        {ui::VK_RETURN, 0, false, true, 0},
    };
    for (const Case& c : cases) {
        bool vertical = true;
        int code = 0;
        EXPECT_EQ(CalendarKeyScroll(c.key, c.modifiers, vertical, code), c.used) << c.key << " " << c.modifiers;
        if (!c.used) continue;
        EXPECT_EQ(vertical, c.vertical) << c.key;
        EXPECT_EQ(code, c.code) << c.key;
    }
}

TEST_F(CalendarViewTest, ScrollPositionShowsWholeWeeksOfThePeriod) {
    struct Case {
        const char* name;
        int first, last, pos;
        bool hide;
        int shownFirst, shownLast;
    } cases[] = {
        {"top: six rows from the Monday", Day(8), Day(30, 6), 0, false, Day(6), Day(16, 2)},
        {"one week on", Day(8), Day(30, 6), 1, false, Day(13), Day(23, 2)},
        {"the last week stops at the period", Day(8), Day(30, 6), 25, false, Day(30, 6), Day(6, 7)},
        {"past the end shows the last week", Day(8), Day(30, 6), 900, false, Day(30, 6), Day(6, 7)},
        {"weekend hidden: Monday to Friday", Day(8), Day(30, 6), 0, true, Day(6), Day(14, 2)},
        {"one day", Day(8), Day(8), 0, false, Day(6), Day(12)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Show(c.first, c.last, c.pos, c.hide);
        CDate first, last;
        VisibleDays(calendar, c.pos, g.RowsInView(), first, last);
        EXPECT_EQ(first.GetJulianDay(), c.shownFirst);
        EXPECT_EQ(last.GetJulianDay(), c.shownLast);
    }
    // 9,000 years: the last position still names real days.
    SetPlan(CDate::kFirstDay, CDate::kLastDay);
    calendar.UpdateVisibleWeekdays();
    const int weeks = (calendar.lastDay.GetJulianDay() - calendar.firstDay.GetJulianDay()) / 7 + 1;
    const int bottom = CalendarScrollTarget(ui::SB_BOTTOM, WeekScrollState(g, weeks, 0), 0);
    CDate first, last;
    VisibleDays(calendar, bottom, g.RowsInView(), first, last);
    EXPECT_TRUE(first.IsValid());
    EXPECT_EQ(last, calendar.lastDay);
    calendar.Layout(first, last);
    EXPECT_LE(calendar.Weeks().size(), 6u);
    EXPECT_EQ(WeekPositionOf(calendar, CDate(1, 1, 2025), bottom),
              (Day(1) - calendar.firstDay.GetJulianDay()) / 7);
}

// A: Monday 8:00 to Wednesday 17:00, line 0; B: Friday 8:00 to next Tuesday
// 17:00, two segments; C: Monday 9:00 to 12:00 on line 1.
class CalendarBarsTest : public CalendarViewTest {
protected:
    void SetUp() override {
        resource = Resource("R", 0);
        task = Task("T", 0);
        a = AddBooking(resource, task, Day(6), 480, Day(8), 1020);
        b = AddBooking(resource, task, Day(10), 480, Day(14), 1020);
        c = AddBooking(resource, task, Day(6), 540, Day(6), 720);
        Show(Day(6), Day(30, 6));
    }
    int LineY(int row, int line, int below = 5) const { return g.LineTop(row, line) + below; }

    CResource* resource = nullptr;
    CTask* task = nullptr;
    CBooking *a = nullptr, *b = nullptr, *c = nullptr;
};

TEST_F(CalendarBarsTest, PointsHitCellsBarsAndGrips) {
    struct Case {
        const char* name;
        int x, y;
        const CBooking* booking;
        int part;
    } cases[] = {
        {"month header", 150, 5, nullptr, 0},
        {"day header strip", 150, 40, nullptr, 0},
        {"A's body", 150, LineY(0, 0), a, kBarBody},
        {"A's start grip", 2, LineY(0, 0), a, kBarStart},
        {"A's end grip", 297, LineY(0, 0), a, kBarEnd},
        {"gap above the line", 150, g.LineTop(0, 0) - 1, nullptr, 0},
        {"gap below the line", 150, g.LineTop(0, 0) + 20, nullptr, 0},
        {"C on line 1", 50, LineY(0, 1), c, kBarBody},
        {"line 1 on Tuesday is empty", 150, LineY(0, 1), nullptr, 0},
        {"B goes on: no end grip on Sunday", 698, LineY(0, 0), b, kBarBody},
        {"B's second week: no start grip on Monday", 2, LineY(1, 0), b, kBarBody},
        {"B's end on Tuesday", 198, LineY(1, 0), b, kBarEnd},
        {"right of the grid", 710, LineY(0, 0), nullptr, 0},
    };
    for (const Case& k : cases) {
        const CalendarBarHit hit = HitTestBar(g, calendar, k.x, k.y, 5);
        EXPECT_EQ(hit.segment != nullptr ? hit.segment->booking : nullptr, k.booking) << k.name;
        EXPECT_EQ(hit.part, k.part) << k.name;
    }
    const CalendarBarHit hit = HitTestBar(g, calendar, 150, LineY(0, 0), 5);
    EXPECT_EQ(hit.bar, (ui::Rect{0, g.LineTop(0, 0), 300, g.LineTop(0, 0) + 20}));
    int row = -1, column = -1;
    ASSERT_TRUE(CellAt(g, 250, 200, row, column));
    EXPECT_EQ(row, 1);
    EXPECT_EQ(column, 2);
    EXPECT_EQ(DayCellAt(calendar, row, column)->start.date.GetJulianDay(), Day(15));
}

TEST_F(CalendarBarsTest, SizingZonesOnCellBorders) {
    struct Case {
        const char* name;
        int x, y, kind, index;
    } cases[] = {
        {"column border 1 below the bars", 199, LineY(0, 2), kColumnBorder, 1},
        {"on A's bar", 199, LineY(0, 0), 0, -1},
        {"right of A's end: the bar 3 pixels back blocks the zone", 301, LineY(0, 0), 0, -1},
        {"the same border a line lower", 301, LineY(0, 1), kColumnBorder, 2},
        {"row border", 350, g.RowTop(1) + 2, kRowBorder, 0},
        {"too far from a border", 150, LineY(0, 2), 0, -1},
        {"in the month header", 199, 10, 0, -1},
    };
    for (const Case& c : cases) {
        const CalendarZone zone = HitTestZone(g, calendar, c.x, c.y, 3, 5);
        EXPECT_EQ(zone.kind, c.kind) << c.name;
        EXPECT_EQ(zone.index, c.index) << c.name;
    }
}

TEST_F(CalendarBarsTest, CellSizingIsClampedToItsLimits) {
    const SizingLimits rows = CellSizingLimits(g, {kRowBorder, 1}, 20, 10, 0, 15);
    EXPECT_EQ(rows.lowY, g.RowTop(1) + 10 + 14);
    EXPECT_EQ(rows.highY, g.clientHeight - 5 - 15);
    // Released 4 pixels above the lowest line: the least height.
    const int y = std::clamp(rows.lowY - 4, rows.lowY, rows.highY);
    EXPECT_EQ(SizedDayHeight(g, 1, y), 24);
    const SizingLimits columns = CellSizingLimits(g, {kColumnBorder, 2}, 20, 10, 15, 0);
    EXPECT_EQ(columns.lowX, 220);
    EXPECT_EQ(columns.highX, 685);
    EXPECT_EQ(SizedDayWidth(g, 2, std::clamp(5000, columns.lowX, columns.highX)), 485);
    EXPECT_EQ(SizedDayWidth(g, 2, 250), 50);
}

TEST_F(CalendarBarsTest, DragFramesFollowTheCursorRowOnly) {
    // B's range: Friday to Tuesday, over two rows; the cursor in row 1, 30
    // pixels below the strip; row 0 on line 0.
    const int cursorRow = 1, offset = 30;
    const auto top = [&](int row) {
        return row == cursorRow ? g.RowTop(row) + g.dayHeaderHeight + offset : g.LineTop(row, 0);
    };
    const std::vector<ui::Rect> frames =
        DayRangeFrames(g, calendar, CDate::FromJulianDay(Day(10)), CDate::FromJulianDay(Day(14)), top);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0], (ui::Rect{399, g.LineTop(0, 0), 700, g.LineTop(0, 0) + 20}));
    EXPECT_EQ(frames[1], (ui::Rect{0, g.RowTop(1) + 44, 200, g.RowTop(1) + 64}));
    // Low in the row: moved up to end at the row's bottom.
    const std::vector<ui::Rect> low = DayRangeFrames(g, calendar, CDate::FromJulianDay(Day(15)),
                                                     CDate::FromJulianDay(Day(15)), [&](int row) { return g.RowTop(row) + 95; });
    ASSERT_EQ(low.size(), 1u);
    EXPECT_EQ(low[0].bottom, g.RowTop(2));
    EXPECT_EQ(low[0].top, g.RowTop(2) - 20);
    EXPECT_TRUE(DayRangeFrames(g, calendar, CDate(1, 1, 2030), CDate(2, 1, 2030), top).empty());
}

TEST_F(CalendarBarsTest, DaySelectionRectangleHoldsItsShownCells) {
    struct Case {
        const char* name;
        int first, last, firstColumn;
        ui::Rect rect;
    } cases[] = {
        {"one day", Day(8), Day(8), 0, {200, 36, 299, 136}},
        {"Friday to Tuesday over two rows", Day(10), Day(14), 0, {0, 36, 699, 236}},
        {"a whole week row", Day(13), Day(19), 0, {0, 136, 699, 236}},
        {"scrolled: cut at the grid's left", Day(6), Day(8), 2, {0, 36, 99, 136}},
        {"scrolled out of sight", Day(6), Day(7), 2, {}},
        {"not laid out", Day(1, 1, 2030), Day(2, 1, 2030), 0, {}},
    };
    for (const Case& c : cases) {
        g.firstColumn = c.firstColumn;
        EXPECT_EQ(DayRangeRect(g, calendar, CDate::FromJulianDay(c.first), CDate::FromJulianDay(c.last)), c.rect)
            << c.name;
    }
}

CDateTime At(int day, int minutes) { return CDateTime(CDate::FromJulianDay(day), CTimeOfDay(minutes)); }

TEST_F(CalendarBarsTest, MovingByDaysKeepsTheTimeAndTheLength) {
    struct Case {
        const char* name;
        int startDay, startMinutes, endDay, endMinutes, toDay;
        bool keepWorkingTime, realTime;
        BookingRange expected;
    } cases[] = {
        {"two working days, two days on", Day(6), 480, Day(7), 1020, Day(8), true, false, {At(Day(8), 480), At(Day(9), 1020)}},
        {"over the weekend in working time", Day(9), 480, Day(10), 1020, Day(10), true, false,
         {At(Day(10), 480), At(Day(13), 1020)}},
        {"over the weekend in real time", Day(9), 480, Day(10), 1020, Day(10), true, true,
         {At(Day(10), 480), At(Day(11), 1020)}},
        {"without keeping working time", Day(9), 480, Day(10), 1020, Day(10), false, false,
         {At(Day(10), 480), At(Day(11), 1020)}},
        {"a Saturday booking keeps its length", Day(11), 600, Day(11), 720, Day(12), true, false,
         {At(Day(12), 600), At(Day(12), 720)}},
        {"ending at 0:00", Day(6), 480, Day(8), 0, Day(7), false, false, {At(Day(7), 480), At(Day(9), 0)}},
        {"the same day keeps the end", Day(6), 480, Day(7), 900, Day(6), true, false, {At(Day(6), 480), At(Day(7), 900)}},
        {"an evening keeps its length", Day(6), 1080, Day(6), 1200, Day(8), true, false,
         {At(Day(8), 1080), At(Day(8), 1200)}},
        {"a day back", Day(7), 480, Day(8), 1020, Day(6), true, false, {At(Day(6), 480), At(Day(7), 1020)}},
        {"out of the calendar it stays", Day(6), 480, Day(7), 900, CDate::kLastDay + 1, true, false,
         {At(Day(6), 480), At(Day(7), 900)}},
    };
    for (const Case& k : cases) {
        CBooking* booking = NewBooking(resource, task, k.startDay, static_cast<int16_t>(k.startMinutes), k.endDay,
                                       static_cast<int16_t>(k.endMinutes));
        CalendarDragRules rules;
        rules.keepWorkingTime = k.keepWorkingTime;
        rules.realTime = k.realTime;
        const BookingRange moved = MoveBookingByDays(*booking, k.toDay - k.startDay, rules);
        EXPECT_EQ(moved, k.expected) << k.name;
        booking->Delete();
    }
}

TEST_F(CalendarBarsTest, ResizingByDaysStopsAtTheOtherBorder) {
    struct Case {
        const char* name;
        int startDay, startMinutes, endDay, endMinutes;
        bool startBorder;
        int toDay;
        bool realTime;
        BookingRange expected;
    } cases[] = {
        {"end on to Friday", Day(8), 600, Day(8), 900, false, Day(10), false, {At(Day(8), 600), At(Day(10), 1020)}},
        {"end in real time", Day(8), 600, Day(8), 900, false, Day(10), true, {At(Day(8), 600), At(Day(11), 0)}},
        {"end dragged before the start day stops there", Day(8), 600, Day(10), 900, false, Day(6), false,
         {At(Day(8), 600), At(Day(8), 1020)}},
        {"end back on its own day keeps its time", Day(8), 600, Day(10), 900, false, Day(10), false,
         {At(Day(8), 600), At(Day(10), 900)}},
        {"end at 0:00 Wednesday: Tuesday is its last day", Day(6), 480, Day(8), 0, false, Day(7), false,
         {At(Day(6), 480), At(Day(8), 0)}},
        {"end at 0:00 Wednesday dragged to Wednesday", Day(6), 480, Day(8), 0, false, Day(8), false,
         {At(Day(6), 480), At(Day(8), 1020)}},
        {"start back to Monday", Day(8), 600, Day(10), 900, true, Day(6), false, {At(Day(6), 480), At(Day(10), 900)}},
        {"start in real time", Day(8), 600, Day(10), 900, true, Day(6), true, {At(Day(6), 0), At(Day(10), 900)}},
        {"start past the last day stops there", Day(8), 600, Day(10), 900, true, Day(14), false,
         {At(Day(10), 480), At(Day(10), 900)}},
        {"start onto a last day that ends before the working day", Day(8), 600, Day(10), 300, true, Day(10), false,
         {At(Day(10), 300), At(Day(10), 300)}},
    };
    for (const Case& k : cases) {
        CBooking* booking = NewBooking(resource, task, k.startDay, static_cast<int16_t>(k.startMinutes), k.endDay,
                                       static_cast<int16_t>(k.endMinutes));
        CalendarDragRules rules;
        rules.realTime = k.realTime;
        EXPECT_EQ(ResizeBookingToDay(*booking, k.startBorder, CDate::FromJulianDay(k.toDay), rules), k.expected)
            << k.name;
        booking->Delete();
    }
    CalendarDragRules hidden;
    hidden.hideNonWorkingTime = true;
    EXPECT_EQ(DaySelectionPeriod(CDate::FromJulianDay(Day(13)), CDate::FromJulianDay(Day(11)), hidden),
              (BookingRange{At(Day(13), 480), At(Day(13), 1020)}));
}

const char* UndoNames(unsigned id) { return id == ids::UNDO_RESIZE_BOOKING ? "Resize Booking" : ""; }

// The calendar writes a resize through the shared placement writer, keeping
// the booking's resource and task.
TEST_F(CalendarBarsTest, ResizeIsOneNamedUndoStep) {
    plat::SetResourceStringSource(&UndoNames);
    const std::size_t steps = history.undoList.size();
    const BookingPlacement resized{At(Day(9), 480), At(Day(13), 1020), a->resource, a->task};
    ASSERT_EQ(WriteBookingPlacement(root, a, resized, ids::UNDO_RESIZE_BOOKING, {}), PlacementResult::Written);
    EXPECT_EQ(a->startDay, Day(9));
    EXPECT_EQ(a->endDay, Day(13));
    EXPECT_EQ(a->endMinutes, 1020);
    EXPECT_EQ(a->resource, resource);
    EXPECT_EQ(a->task, task);
    ASSERT_EQ(history.undoList.size(), steps + 1);
    EXPECT_STREQ(history.undoList.back().name, "Resize Booking");
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(a->startDay, Day(6));
    EXPECT_EQ(a->startMinutes, 480);
    EXPECT_EQ(a->endDay, Day(8));
    EXPECT_EQ(a->endMinutes, 1020);
    // A booking no longer in the plan is not written.
    CBooking* loose = NewBooking(resource, task, Day(6), 0, Day(6), 60);
    EXPECT_EQ(WriteBookingPlacement(root, loose, {At(Day(9), 480), At(Day(9), 600), resource, task},
                                    ids::UNDO_RESIZE_BOOKING, {}),
              PlacementResult::Gone);
    EXPECT_EQ(loose->startDay, Day(6));
    EXPECT_EQ(history.undoList.size(), steps);
    loose->Delete();
    plat::SetResourceStringSource(nullptr);
}

TEST_F(CalendarBarsTest, SelectionRecordHoldsTheBookingOrTheDays) {
    CalendarDaySelection days{true, false, CDate::FromJulianDay(Day(13)), CDate::FromJulianDay(Day(10))};
    CalendarSelectionCache cache;
    struct Case {
        const char* name;
        CBooking* selected;
        int capacity;
        bool withArray;
        int count;
        std::vector<CBooking*> written;
    } cases[] = {
        {"the days' bookings", nullptr, 4, true, 1, {b}},
        {"counted without an array", nullptr, 0, false, 1, {}},
        {"no room: counted, nothing written", nullptr, 0, true, 1, {}},
        {"the selected booking", a, 4, true, 1, {a}},
    };
    for (const Case& c : cases) {
        CBooking* array[4] = {};
        SelectionRecord record{};
        record.bookings = c.withArray ? array : nullptr;
        record.bookingCapacity = c.capacity;
        record.resourceCount = 7;
        FillCalendarSelection(record, c.selected, days, root.bookings, cache);
        EXPECT_EQ(record.bookingCount, c.count) << c.name;
        EXPECT_EQ(record.resourceCount, 0) << c.name;
        EXPECT_EQ(record.startDate, Day(10)) << c.name;
        EXPECT_EQ(record.endDate, Day(14)) << c.name;
        for (std::size_t i = 0; i < 4; ++i)
            EXPECT_EQ(array[i], i < c.written.size() ? c.written[i] : nullptr) << c.name << " " << i;
    }
    // A later selection is collected anew.
    days.end = CDate::FromJulianDay(Day(6));
    cache.Drop();
    SelectionRecord record{};
    FillCalendarSelection(record, nullptr, days, root.bookings, cache);
    EXPECT_EQ(record.bookingCount, 3);
}

}  // namespace
