#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <map>
#include <random>
#include <tuple>

#include "line_packing.h"
#include "schedule_fixture.h"
#include "testing/fake_locales.h"

namespace {

TEST_F(ScheduleTest, BaseUnitOutsideItsRangeLoadsAsDay) {
    for (const auto& [stored, expected] : std::vector<std::pair<std::string, int>>{
             {"9", 4}, {"-1", 4}, {"8", 4}, {"6", 6}, {"0", 0}, {"", 4}}) {
        model.SetDefaults();
        settings.values["ViewScheduleBaseUnit"] = stored;
        model.LoadSettings();
        EXPECT_EQ(model.baseUnit, expected) << stored;
    }
}

TEST_F(ScheduleTest, TimeAxisTable) {
    struct Case {
        const char* name;
        int unit;
        bool hide;
        int dayStart, dayEnd;
        std::array<uint8_t, 7> working;
        int periodStart, periodEnd;
        // expected
        bool hideAfter;
        int shownStart, shownEnd, first, last, dayCount, unitCount;
    };
    const std::array<uint8_t, 7> weekdays{1, 1, 1, 1, 1, 0, 0}, none{0, 0, 0, 0, 0, 0, 0};
    const Case cases[] = {
        {"15-minute cells round the working day outwards", 2, true, 490, 1010, weekdays, Day(6), Day(10),
         true, 480, 1020, Day(6), Day(10), 5, 5 * 36},
        {"hour cells show the whole day", 3, false, 490, 1010, weekdays, Day(6), Day(7),
         false, 0, 1440, Day(6), Day(7), 2, 48},
        {"week never hides", 5, true, 480, 1020, weekdays, Day(8), Day(15),
         false, 0, 1440, Day(6), Day(20), 15, 3},
        {"a period ending on a first day of the week keeps it", 5, false, 480, 1020, weekdays, Day(6), Day(13),
         false, 0, 1440, Day(6), Day(13), 8, 2},
        {"month: one extra trailing month", 6, false, 480, 1020, weekdays, Day(10), Day(20),
         false, 0, 1440, Day(1), Day(1, 2), 32, 2},
        {"year", 7, false, 480, 1020, weekdays, Day(10), Day(20, 3, 2026),
         false, 0, 1440, Day(1), Day(1, 1, 2027), 731, 3},
        {"hidden weekend at both ends", 4, true, 480, 1020, weekdays, Day(4), Day(12),
         true, 0, 1440, Day(6), Day(10), 5, 5},
        {"no working weekday gives an empty axis", 4, true, 480, 1020, none, Day(6), Day(20),
         true, 0, 1440, 0, 0, 0, 0},
        {"no working time gives an empty axis", 1, true, 600, 600, weekdays, Day(6), Day(20),
         true, 600, 600, Day(6), Day(20), 0, 0},
        {"day start after day end gives an empty axis", 3, true, 900, 480, weekdays, Day(6), Day(20),
         true, 900, 480, Day(6), Day(20), 0, 0},
        {"a working day ending at 0:00 runs to midnight", 3, true, 1080, 0, weekdays, Day(6), Day(6),
         true, 1080, 1440, Day(6), Day(6), 1, 6},
        {"end before start is one day", 4, false, 480, 1020, weekdays, Day(10), Day(6),
         false, 0, 1440, Day(10), Day(10), 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetPlan(c.periodStart, c.periodEnd, c.dayStart, c.dayEnd, c.working);
        model.baseUnit = c.unit;
        model.hideNonWorkingTime = c.hide;
        model.BuildDayTable();
        EXPECT_EQ(model.hideNonWorkingTime, c.hideAfter);
        EXPECT_EQ(model.DayStart(), c.shownStart);
        EXPECT_EQ(model.DayEnd(), c.shownEnd);
        if (c.first != 0) {
            EXPECT_EQ(model.FirstDay().GetJulianDay(), c.first);
            EXPECT_EQ(model.LastDay().GetJulianDay(), c.last);
        }
        EXPECT_EQ(model.DayCount(), c.dayCount);
        EXPECT_EQ(model.GetUnitCount(), c.unitCount);
        EXPECT_EQ(model.IsEmptyAxis(), c.unitCount == 0);
        // Nothing divides by zero or loops on an empty axis.
        model.LayoutRows(CDateTime(CDate::FromJulianDay(c.periodStart)), 40);
        EXPECT_EQ(model.Columns().empty(), c.unitCount == 0);
        const CDateTime moved = model.StepUnits(CDateTime(CDate::FromJulianDay(c.periodStart)), 1000);
        EXPECT_TRUE(moved.date.IsValid());
    }
}

TEST_F(ScheduleTest, WeekFollowsTheLocalesFirstDay) {
    testing::ScopedLocale locale(testing::EnglishUnitedStates());
    CLocaleNames names;
    names.Load(nullptr);
    model.Context().localeNames = &names;
    SetPlan(Day(8), Day(15));
    Layout(5, 3);
    EXPECT_EQ(model.FirstDay().GetJulianDay(), Day(5));   // Sunday
    EXPECT_EQ(model.LastDay().GetJulianDay(), Day(19));
    ASSERT_EQ(model.Columns().size(), 3u);
    EXPECT_EQ(model.Columns()[0].end.date.GetJulianDay(), Day(12));   // after Saturday
}

std::string Show(const CDateTime& t) {
    return std::to_string(t.date.GetDay()) + "/" + std::to_string(t.date.GetMonth()) + " " +
           std::to_string(t.time.GetMinutes() / 60) + ":" + std::to_string(t.time.GetMinutes() % 60);
}

TEST_F(ScheduleTest, StepUnitsTable) {
    SetPlan(Day(1), Day(31));
    struct Case { int unit; bool hide; CDateTime from; int n; const char* expected; };
    const auto at = [&](int day, int minutes) { return CDateTime(CDate::FromJulianDay(Day(day)), CTimeOfDay(minutes)); };
    const Case cases[] = {
        {2, true, at(10, 1005), 1, "13/1 8:0"},      // Friday 16:45 to Monday 8:00
        {2, true, at(13, 480), -1, "10/1 16:45"},
        {2, true, at(6, 480), 36 * 5, "13/1 8:0"},   // a working week of cells
        {3, false, at(6, 1380), 2, "7/1 1:0"},
        {3, false, at(7, 60), -2, "6/1 23:0"},
        {4, true, at(10, 0), 1, "13/1 0:0"},
        {4, true, at(11, 0), 1, "13/1 0:0"},         // from a hidden Saturday
        {4, true, at(13, 0), -6, "3/1 0:0"},
        {4, false, at(10, 0), 1, "11/1 0:0"},
        {5, false, at(6, 0), -2, "23/12 0:0"},
        {6, false, at(31, 0), 1, "28/2 0:0"},
        {7, false, at(6, 0), 2, "6/1 0:0"},
    };
    for (const Case& c : cases) {
        model.baseUnit = c.unit;
        model.hideNonWorkingTime = c.hide;
        model.BuildDayTable();
        const CDateTime moved = model.StepUnits(c.from, c.n);
        std::string shown = Show(moved);
        if (c.unit == 7) shown += " " + std::to_string(moved.date.GetYear());
        EXPECT_EQ(shown, std::string(c.expected) + (c.unit == 7 ? " 2027" : "")) << c.unit << " " << c.n;
    }
}

// Stepping n at once equals n single steps, and back again, across hidden
// nights and weekends.
TEST_F(ScheduleTest, StepUnitsAgreesWithSingleSteps) {
    SetPlan(Day(1), Day(31), 450, 1000);
    for (int unit = 0; unit <= 4; ++unit) {
        for (bool hide : {false, true}) {
            model.baseUnit = unit;
            model.hideNonWorkingTime = hide;
            model.BuildDayTable();
            const CDateTime start(CDate::FromJulianDay(Day(8)), CTimeOfDay(hide && unit < 4 ? model.DayStart() + model.CellMinutes() * 3 : 0));
            for (int n : {1, 7, 29, 100, 1000}) {
                CDateTime single = start;
                for (int i = 0; i < n; ++i) single = model.StepUnits(single, 1);
                SCOPED_TRACE(::testing::Message() << unit << " " << hide << " " << n);
                EXPECT_EQ(model.StepUnits(start, n), single);
                EXPECT_EQ(model.StepUnits(single, -n), start);
            }
        }
    }
}

TEST_F(ScheduleTest, CellsAndVisibleTime) {
    SetPlan(Day(6), Day(17), 480, 1020);
    model.baseUnit = 2;
    model.hideNonWorkingTime = true;
    model.BuildDayTable();
    EXPECT_EQ(model.CellsFromMinutes(31, false), 3);
    EXPECT_EQ(model.CellsFromMinutes(31, true), 2);
    const auto at = [&](int day, int minutes) { return CDateTime(CDate::FromJulianDay(Day(day)), CTimeOfDay(minutes)); };
    EXPECT_TRUE(model.IsNonWorkingTime(at(7, 480), false));
    EXPECT_FALSE(model.IsNonWorkingTime(at(8, 0), true));     // 24:00 of Tuesday is past 17:00
    EXPECT_TRUE(model.IsNonWorkingTime(at(8, 1020), true));
    EXPECT_FALSE(model.IsNonWorkingTime(at(7, 1021), false));
    EXPECT_FALSE(model.IsNonWorkingTime(at(11, 600), false));   // Saturday
    model.hideNonWorkingTime = false;
    model.BuildDayTable();
    EXPECT_TRUE(model.IsNonWorkingTime(at(11, 600), false));
    EXPECT_TRUE(model.IsNonWorkingCell(at(7, 465)));
    EXPECT_FALSE(model.IsNonWorkingCell(at(7, 466)));
    EXPECT_TRUE(model.IsNonWorkingCell(at(7, 1020)));
    EXPECT_TRUE(model.IsNonWorkingCell(at(11, 600)));
}

// (line, left, right) of each bar of the first row, by line then left.
std::vector<std::tuple<int, int, int>> BarsOf(const CScheduleModel& model, int row) {
    std::vector<std::tuple<int, int, int>> bars;
    const ScheduleRow& r = model.Rows()[static_cast<std::size_t>(row)];
    for (int line = r.firstLine; line < r.firstLine + r.lineCount; ++line)
        for (const ScheduleBar& bar : model.BarsOfLine(line)) bars.emplace_back(line - r.firstLine, bar.left, bar.right);
    return bars;
}

TEST_F(ScheduleTest, BarsAndLinesTable) {
    struct Booking { int startDay, startMinutes, endDay, endMinutes; };
    struct Case {
        const char* name;
        int unit;
        bool hide;
        int width;
        std::vector<Booking> bookings;
        std::vector<std::tuple<int, int, int>> expected;
        int lines;
    };
    const Case cases[] = {
        {"two on one day share a column, a later one reuses line 0", 4, false, 20,
         {{7, 480, 7, 600}, {7, 660, 7, 720}, {8, 480, 8, 600}},
         {{0, 20, 39}, {0, 40, 59}, {1, 20, 39}}, 2},
        {"an end at 0:00 fills only its own day of a week column", 5, false, 70,
         {{7, 480, 8, 0}}, {{0, 10, 19}}, 1},
        {"a whole week fills the week column", 5, false, 70,
         {{6, 0, 13, 0}}, {{0, 0, 69}}, 1},
        {"from 0:00 to 0:00 of one day keeps that day", 5, false, 70,
         {{8, 0, 8, 0}}, {{0, 20, 29}}, 1},
        {"several days of a week column", 5, false, 70,
         {{7, 600, 9, 900}}, {{0, 10, 39}}, 1},
        {"a booking of no length at a column start counts for that column", 3, false, 10,
         {{6, 120, 6, 120}}, {{0, 20, 29}}, 1},
        {"a Saturday booking with hidden weekends has no bar", 4, true, 20,
         {{11, 480, 11, 600}, {10, 480, 10, 600}}, {{0, 80, 99}}, 1},
        {"no length at 0:00 on a week column's first day keeps that day", 5, false, 70,
         {{6, 0, 6, 0}}, {{0, 0, 9}}, 1},
        {"no length at 0:00 on a month column's first day keeps that day", 6, false, 62,
         {{1, 0, 1, 0}}, {{0, 0, 1}}, 1},
        {"minutes past the day carry into the days they reach", 5, false, 70,
         {{6, 2 * 1440 + 600, 8, 1020}, {13, 2 * 1440, 13, 4 * 1440}}, {{0, 20, 29}, {0, 90, 109}}, 1},
        {"minutes before the day carry back", 5, false, 70,
         {{13, -7 * 1440 + 600, 6, 1020}}, {{0, 0, 9}}, 1},
        {"a start day before the column whose minutes reach into it", 5, false, 70,
         {{1, 5 * 1440 + 600, 6, 1020}}, {{0, 0, 9}}, 1},
        {"overlapping bookings stack", 4, false, 10,
         {{6, 0, 9, 0}, {7, 0, 8, 0}, {8, 0, 10, 0}, {9, 0, 9, 60}},
         {{0, 0, 29}, {0, 30, 39}, {1, 10, 19}, {1, 20, 39}}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetPlan(Day(6), Day(20));
        CTask* task = Task("T", 0);
        CResource* resource = Resource("R", 0);
        for (const Booking& b : c.bookings)
            AddBooking(resource, task, Day(b.startDay), static_cast<int16_t>(b.startMinutes), Day(b.endDay),
                       static_cast<int16_t>(b.endMinutes));
        Layout(c.unit, 40, c.hide, c.width);
        ASSERT_EQ(model.Rows().size(), 1u);
        auto bars = BarsOf(model, 0);
        std::sort(bars.begin(), bars.end());
        EXPECT_EQ(bars, c.expected);
        EXPECT_EQ(model.Rows()[0].lineCount, c.lines);
        Begin();
        resource->Delete();
        task->Delete();
        root.CommitTransaction();
    }
}

// A week column of 7 pixels has one pixel a day, a month column of 20 none:
// a one-day booking keeps a bar only through the least bar width, which
// never reaches past the stretch.
TEST_F(ScheduleTest, LeastBarWidthKeepsShortBookings) {
    struct Case {
        int unit, width, minimum;
        bool bar;
        int left, right;
    };
    const Case cases[] = {
        {5, 7, 0, false, 0, 0},          {5, 7, 3, true, 2, 5},
        {6, 20, 0, false, 0, 0},         {6, 20, 3, true, 0, 3},
        {6, 20, INT_MIN, false, 0, 0},   {6, 20, INT_MAX, true, 0, 40 * 20},
        {4, 20, 3, true, 40, 59},
    };
    SetPlan(Day(6), Day(20));
    CBooking* booking = AddBooking(Resource("R", 0), Task("T", 0), Day(8), 480, Day(8), 1020);
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "unit " << c.unit << " least width " << c.minimum);
        model.minimumBarWidth = c.minimum;
        Layout(c.unit, 40, false, c.width);
        const ScheduleBar* bar = model.FindBookingEntry(booking);
        ASSERT_EQ(bar != nullptr, c.bar);
        if (bar == nullptr) continue;
        EXPECT_EQ(bar->left, c.left);
        EXPECT_EQ(bar->right, c.right);
    }
}

// A stretch that starts in a hidden night steps back into the day before:
// columns out of order are still searched whole.
TEST_F(ScheduleTest, ColumnsOutOfOrderStillFindTheirBookings) {
    SetPlan(Day(6), Day(20));
    CBooking* booking = AddBooking(Resource("R", 0), Task("T", 0), Day(6), 660, Day(6), 720);
    model.baseUnit = 2;
    model.hideNonWorkingTime = true;
    model.columnWidth = 10;
    model.BuildDayTable();
    model.LayoutRows(CDateTime(CDate::FromJulianDay(Day(7)), CTimeOfDay(120)), 10);
    ASSERT_EQ(model.Columns().size(), 10u);
    EXPECT_EQ(model.Columns()[1].start, CDateTime(CDate::FromJulianDay(Day(6)), CTimeOfDay(675)));
    const ScheduleBar* bar = model.FindBookingEntry(booking);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->left, 10);
    EXPECT_EQ(bar->right, 39);
}

TEST_F(ScheduleTest, GripsWhereTheBorderIsVisible) {
    SetPlan(Day(6), Day(20));
    CResource* resource = Resource("R", 0);
    CTask* task = Task("T", 0);
    CBooking* inside = AddBooking(resource, task, Day(7), 600, Day(7), 700);
    CBooking* early = AddBooking(resource, task, Day(6), 300, Day(6), 700);
    CBooking* beyond = AddBooking(resource, task, Day(7), 900, Day(30), 700);
    // Saturday less 14 hours is Friday 10:00; Friday and three days 11:00 is Monday 11:00.
    CBooking* carried = AddBooking(resource, task, Day(11), -1440 + 600, Day(10), 3 * 1440 + 660);
    settings.values["ViewScheduleNonWorkingTimeHide"] = "1";
    model.LoadSettings();
    Layout(3, 60, true);
    const ScheduleBar* bar = model.FindBookingEntry(inside);
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->startGrip && bar->endGrip);
    ASSERT_NE(model.FindBookingEntry(early), nullptr);
    EXPECT_FALSE(model.FindBookingEntry(early)->startGrip);   // 5:00 is hidden
    EXPECT_TRUE(model.FindBookingEntry(early)->endGrip);
    ASSERT_NE(model.FindBookingEntry(beyond), nullptr);
    EXPECT_TRUE(model.FindBookingEntry(beyond)->startGrip);
    EXPECT_FALSE(model.FindBookingEntry(beyond)->endGrip);   // past the stretch
    ASSERT_NE(model.FindBookingEntry(carried), nullptr);
    EXPECT_TRUE(model.FindBookingEntry(carried)->startGrip);
    EXPECT_TRUE(model.FindBookingEntry(carried)->endGrip);
}

TEST_F(ScheduleTest, RowsTable) {
    SetPlan(Day(6), Day(20));
    CResourceGroup* g = ResourceGroup("G", 1);
    CResourceGroup* h = ResourceGroup("H", 3);
    CResource* u = Resource("u", 2);
    Resource("t1", 1, g);
    Resource("t0", 0, g);
    CResource* h0 = Resource("h0", 0, h);
    CTask* task = Task("T", 0);
    AddBooking(u, task, Day(7), 480, Day(7), 600);
    AddBooking(h0, task, Day(8), 480, Day(8), 600);

    struct Case {
        const char* name;
        std::map<std::string, std::string, std::less<>> values;
        bool collapseG;
        std::vector<std::string> rows;
    };
    const Case cases[] = {
        {"tree order", {}, false, {"[G]", "  t0", "  t1", "u", "[H]", "  h0"}},
        {"collapsed group keeps its row", {}, true, {"[G]", "u", "[H]", "  h0"}},
        {"hidden groups show members flat", {{"ViewScheduleHideAllGroups", "1"}}, true,
         {"t0", "t1", "u", "h0"}},
        {"unused rows hidden", {{"ViewScheduleHideUnusedObjects", "1"}}, false, {"[G]", "u", "[H]", "  h0"}},
        {"no indent without group rows", {{"ViewScheduleGroup", "0"}}, false, {"[G]", "t0", "t1", "u", "[H]", "h0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        settings.values = c.values;
        model.SetDefaults();
        model.LoadSettings();
        model.ClearCollapsedGroups(true);
        model.SetResourceGroupCollapsed(g, c.collapseG);
        Layout(4, 14);
        EXPECT_EQ(RowNames(), c.rows);
        int lines = 0;
        for (const ScheduleRow& row : model.Rows()) {
            EXPECT_EQ(row.firstLine, lines);
            EXPECT_EQ(row.lineCount, 1);
            lines += row.lineCount;
        }
        EXPECT_EQ(model.GetTotalLines(), lines);
    }
    std::string text;
    bool isGroup, indented;
    model.SetResourceGroupCollapsed(g, true);
    settings.values.clear();
    model.SetDefaults();
    Layout(4, 14);
    EXPECT_EQ(model.GetRowLabel(0, text, isGroup, indented), 2);
    EXPECT_EQ(model.GetRowLabel(2, text, isGroup, indented), 1);
    EXPECT_EQ(model.GetRowLabel(3, text, isGroup, indented), 0);
    EXPECT_TRUE(indented);
    EXPECT_EQ(model.GetRowLabel(9, text, isGroup, indented), -1);
    EXPECT_TRUE(model.FindRange({h, nullptr, nullptr, nullptr}));
    EXPECT_FALSE(model.FindRange({nullptr, Resource("new", 9), nullptr, nullptr}));
}

TEST_F(ScheduleTest, FilterRemovesExcludedRowsAndBookings) {
    SetPlan(Day(6), Day(20));
    CResource* a = Resource("a", 0);
    CResource* b = Resource("b", 1);
    CTask* kept = Task("kept", 0);
    CTask* dropped = Task("dropped", 1);
    AddBooking(a, kept, Day(7), 480, Day(7), 600);
    AddBooking(a, dropped, Day(7), 480, Day(7), 600);
    CFilter* filter = root.filters->Create();
    filter->SetExcludedResources(&b, 1);
    filter->SetExcludedTasks(&dropped, 1);
    model.Context().publicFilter = filter;
    for (const auto& [active, rows, lines] : {std::tuple{"0", 2u, 2}, std::tuple{"1", 1u, 1}}) {
        settings.values["ViewFilterActive"] = active;
        Layout(4, 10);
        EXPECT_EQ(model.Rows().size(), rows);
        EXPECT_EQ(model.Rows()[0].lineCount, lines);
    }
    filter->Delete();
}

TEST_F(ScheduleTest, RowFromLineAndCollapsedGroupsText) {
    SetPlan(Day(6), Day(20));
    CResourceGroup* g = ResourceGroup("G", 0);
    CResourceGroup* h = ResourceGroup("H", 1);
    CResource* r = Resource("r", 2);
    CTask* task = Task("T", 0);
    for (int i = 0; i < 3; ++i) AddBooking(r, task, Day(7), 480, Day(7), 600);
    Layout(4, 10);
    // Rows: G (1 line), H (1 line), r (3 lines).
    struct Case { int line; bool found; int row, lineInRow; bool isLast; };
    for (const Case& c : {Case{-1, false, 0, 0, false}, Case{0, true, 0, 0, true}, Case{2, true, 2, 0, false},
                          Case{4, true, 2, 2, true}, Case{5, false, 0, 0, false}}) {
        int row = -9, lineInRow = -9;
        bool isLast = false;
        ASSERT_EQ(model.RowFromLine(c.line, row, lineInRow, isLast), c.found) << c.line;
        if (!c.found) continue;
        EXPECT_EQ(row, c.row);
        EXPECT_EQ(lineInRow, c.lineInRow);
        EXPECT_EQ(isLast, c.isLast);
    }
    model.SetResourceGroupCollapsed(h, true);
    model.SetResourceGroupCollapsed(g, true);
    std::string resources, tasks;
    model.FormatCollapsedGroups(resources, tasks);
    EXPECT_EQ(resources, std::to_string(g->id) + " " + std::to_string(h->id));
    EXPECT_EQ(tasks, "");
    Begin();
    g->Delete();
    root.CommitTransaction();
    model.PruneCollapsedGroups();
    model.FormatCollapsedGroups(resources, tasks);
    EXPECT_EQ(resources, std::to_string(h->id));
}

TEST_F(ScheduleTest, BadSettingsAreClamped) {
    SetPlan(Day(6), Day(20));
    CResource* r = Resource("r", 0);
    AddBooking(r, Task("T", 0), Day(7), 480, Day(7), 600);
    for (const auto& [key, value] : std::vector<std::pair<std::string, std::string>>{
             {"ViewScheduleUnitsOnScreen", "0 0 0 0 0 0 0 0"},
             {"ViewScheduleUnitsOnScreen", "40000 40000 40000 40000 40000 40000 40000 40000"}}) {
        settings.values[key] = value;
        model.LoadSettings();
        for (short units : model.unitsOnScreen) {
            EXPECT_GE(units, 1);
            EXPECT_LE(units, 32767);
        }
    }
    for (int width : {0, -5}) {
        model.columnWidth = width;
        model.BuildDayTable();
        model.LayoutRows(CDateTime(model.FirstDay()), 10);
        ASSERT_EQ(model.Rows().size(), 1u);
        const ScheduleBar* bar = model.FindBookingEntry(model.BarsOfLine(0).empty() ? nullptr : model.BarsOfLine(0)[0].booking);
        EXPECT_EQ(model.ColumnWidth(), 1);
        EXPECT_TRUE(bar == nullptr || bar->left >= 0);
    }
}

TEST_F(ScheduleTest, FilterObjectsRefusesWhatItCannotRead) {
    SetPlan(Day(6), Day(20));
    CResource* r = Resource("r", 0);
    CTask* keep = Task("keep", 0);
    CTask* drop = Task("drop", 1);
    CBooking* kept = AddBooking(r, keep, Day(7), 480, Day(7), 600);
    CBooking* dropped = AddBooking(r, drop, Day(7), 480, Day(7), 600);
    CBooking* both[] = {kept, dropped};
    CFilter* filter = root.filters->Create();
    filter->SetExcludedTasks(&drop, 1);
    std::vector<CBooking*> list = {kept};
    EXPECT_EQ(FilterObjects(nullptr, 2, list, nullptr), 1);
    EXPECT_EQ(FilterObjects(both, -1, list, filter), 1);
    EXPECT_EQ(FilterObjects(both, 0, list, nullptr), 1);
    EXPECT_EQ(FilterObjects(both, 2, list, filter), 2);
    EXPECT_EQ(list, (std::vector<CBooking*>{kept, kept}));
    EXPECT_EQ(FilterObjects(both, 2, list, nullptr), 4);
    EXPECT_FALSE(IsExcludedByFilter({nullptr, r, nullptr, nullptr}, nullptr));
    EXPECT_TRUE(IsExcludedByFilter({nullptr, nullptr, nullptr, drop}, filter));
    EXPECT_FALSE(IsExcludedByFilter({}, filter));
    filter->Delete();
}

// The plain first fit: each bar, in order, takes the lowest line whose end
// is at or before its left edge.
std::vector<int> NaiveFirstFit(const std::vector<BarSpan>& bars) {
    std::vector<int> ends, lines;
    for (const BarSpan& bar : bars) {
        if (bar.right <= bar.left) {
            lines.push_back(-1);
            continue;
        }
        std::size_t line = 0;
        while (line < ends.size() && ends[line] > bar.left) ++line;
        if (line == ends.size()) ends.push_back(0);
        ends[line] = bar.right;
        lines.push_back(static_cast<int>(line));
    }
    return lines;
}

TEST(PackFirstFit, EqualsTheNaiveFirstFit) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        const int n = static_cast<int>(random() % 300);
        const int span = 1 + static_cast<int>(random() % 500);
        std::vector<BarSpan> bars;
        for (int i = 0; i < n; ++i) {
            const int left = static_cast<int>(random() % static_cast<unsigned>(span));
            bars.push_back({left, left + static_cast<int>(random() % 60) - 3});
        }
        std::sort(bars.begin(), bars.end(), [](const BarSpan& a, const BarSpan& b) { return a.left < b.left; });
        std::vector<int> lines;
        PackFirstFit(bars, lines);
        const std::vector<int> naive = NaiveFirstFit(bars);
        EXPECT_EQ(lines, naive);
        // With a limit the lines below it stay, and the rest meet at the limit.
        FirstFitPacker packer;
        for (int limit : {0, 1, 2, 5}) {
            std::vector<int> expected = naive;
            for (int& line : expected) line = std::min(line, limit);
            packer.Pack(bars, lines, limit);
            EXPECT_EQ(lines, expected) << "limit " << limit;
        }
    }
}

// On random plans the lines of every row equal a naive first fit over the
// row's bars, ordered plainly by left edge, start, later end first, names.
TEST_F(ScheduleTest, PackedLinesEqualANaiveFirstFitForEveryUnit) {
    SetPlan(Day(6), Day(16, 2));
    std::mt19937 random(11);
    std::vector<CResource*> resources = {Resource("a", 0), Resource("b", 1), Resource("c", 2)};
    std::vector<CTask*> tasks = {Task("x", 0), Task("y", 1)};
    const int minutes[] = {0, 0, 480, 495, 600, 720, 1020, 1439};
    for (int i = 0; i < 150; ++i) {
        const int startDay = Day(6) + static_cast<int>(random() % 30);
        const int startMinutes = minutes[random() % 8];
        const int length = static_cast<int>(random() % 4) == 0 ? 0 : static_cast<int>(random() % 5000);
        const long long endKey = startDay * 1440LL + startMinutes + length;
        AddBooking(resources[random() % 3], tasks[random() % 2], startDay, static_cast<int16_t>(startMinutes),
                   static_cast<int32_t>(endKey / 1440), static_cast<int16_t>(endKey % 1440));
    }
    for (int unit = 0; unit <= 7; ++unit) {
        for (bool hide : {false, true}) {
            SCOPED_TRACE(::testing::Message() << "unit " << unit << " hide " << hide);
            model.minimumBarWidth = unit % 2;
            // About the month that holds the bookings.
            const int columns[] = {43200, 8640, 2880, 720, 40, 6, 3, 2};
            Layout(unit, columns[unit], hide, unit >= 5 ? 35 : 12);
            std::size_t bars = 0;
            int mostLines = 0;
            for (const ScheduleRow& r : model.Rows()) {
                mostLines = std::max(mostLines, r.lineCount);
                for (int line = r.firstLine; line < r.firstLine + r.lineCount; ++line) bars += model.BarsOfLine(line).size();
            }
            EXPECT_GT(bars, 10u);
            EXPECT_GT(mostLines, 1);
            for (std::size_t row = 0; row < model.Rows().size(); ++row) {
                const ScheduleRow& r = model.Rows()[row];
                struct Placed { ScheduleBar bar; long long start, end; };
                std::vector<Placed> placed;
                for (int line = r.firstLine; line < r.firstLine + r.lineCount; ++line)
                    for (const ScheduleBar& bar : model.BarsOfLine(line)) {
                        EXPECT_EQ(bar.line, line);
                        const CBooking* b = bar.booking;
                        placed.push_back({bar, b->startDay * 1440LL + b->startMinutes, b->endDay * 1440LL + b->endMinutes});
                    }
                std::stable_sort(placed.begin(), placed.end(), [](const Placed& x, const Placed& y) {
                    if (x.bar.left != y.bar.left) return x.bar.left < y.bar.left;
                    if (x.start != y.start) return x.start < y.start;
                    if (x.end != y.end) return x.end > y.end;
                    return std::string(x.bar.booking->task->name) < y.bar.booking->task->name;
                });
                std::vector<BarSpan> spans;
                for (const Placed& p : placed) spans.push_back({p.bar.left, p.bar.right});
                const std::vector<int> naive = NaiveFirstFit(spans);
                std::multiset<std::tuple<int, int, int>> got, expected;
                for (std::size_t i = 0; i < placed.size(); ++i) {
                    got.emplace(placed[i].bar.left, placed[i].bar.right, placed[i].bar.line - r.firstLine);
                    expected.emplace(spans[i].left, spans[i].right, naive[i]);
                }
                EXPECT_EQ(got, expected);
                const int naiveLines = naive.empty() ? 1 : *std::max_element(naive.begin(), naive.end()) + 1;
                EXPECT_EQ(r.lineCount, std::max(1, naiveLines));
            }
        }
    }
}

}  // namespace
