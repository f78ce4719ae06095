#include <gtest/gtest.h>

#include "schedule_geometry.h"
#include "ui/scroll_bar.h"

namespace {

TEST(ScheduleGeometryTest, ScrollCodesStayInRange) {
    struct Case {
        int code, pos, page, max, thumb, expected;
    } cases[] = {
        {ui::SB_LINEUP, 0, 10, 50, 0, 0},       {ui::SB_LINEUP, 5, 10, 50, 0, 4},
        {ui::SB_LINEDOWN, 50, 10, 50, 0, 50},   {ui::SB_LINEDOWN, 5, 10, 50, 0, 6},
        {ui::SB_PAGEUP, 4, 10, 50, 0, 0},       {ui::SB_PAGEUP, 24, 10, 50, 0, 14},
        {ui::SB_PAGEDOWN, 45, 10, 50, 0, 50},   {ui::SB_PAGEDOWN, 5, 10, 50, 0, 15},
        {ui::SB_TOP, 30, 10, 50, 0, 0},         {ui::SB_BOTTOM, 3, 10, 50, 0, 50},
        {ui::SB_THUMBPOSITION, 3, 10, 50, 70, 50}, {ui::SB_THUMBPOSITION, 3, 10, 50, 17, 17},
        {ui::SB_THUMBTRACK, 3, 10, 50, 17, 3},  {ui::SB_ENDSCROLL, 3, 10, 50, 0, 3},
        // A page of 0 lines (a window lower than one line) still moves by one.
        {ui::SB_PAGEDOWN, 3, 0, 50, 0, 4},      {ui::SB_BOTTOM, 3, 10, 0, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ScrollTarget(c.code, {c.pos, c.page, c.max}, c.thumb), c.expected)
            << "code " << c.code << " pos " << c.pos;
    }
}

// The horizontal bar of a year at the day unit: range 0..total - 1 with a
// page of the whole columns shown; the codes move within 0..total - page.
TEST(ScheduleGeometryTest, DayUnitBarStopsAtTheLastPage) {
    struct Case {
        int total, page, code, pos, expected;
    } cases[] = {
        {365, 40, ui::SB_BOTTOM, 0, 325},      {365, 40, ui::SB_LINEDOWN, 325, 325},
        {365, 40, ui::SB_LINEDOWN, 324, 325},  {365, 40, ui::SB_PAGEDOWN, 300, 325},
        {365, 40, ui::SB_PAGEUP, 325, 285},    {365, 40, ui::SB_THUMBPOSITION, 0, 325},
        {366, 1, ui::SB_BOTTOM, 0, 365},       {40, 40, ui::SB_LINEDOWN, 0, 0},
        {41, 40, ui::SB_LINEDOWN, 0, 1},       {41, 40, ui::SB_LINEDOWN, 1, 1},
        {365, 0, ui::SB_BOTTOM, 0, 364},       // narrower than a column: a page of one
    };
    for (const Case& c : cases) {
        const int max = ScrollMaxFor(c.total, c.page);
        const int last = LastScrollPosition(max, c.page);
        EXPECT_EQ(ScrollTarget(c.code, {c.pos, c.page, last}, 1000), c.expected)
            << "total " << c.total << " page " << c.page << " code " << c.code << " pos " << c.pos;
    }
}

TEST(ScheduleGeometryTest, RangeAndWidthsAreClamped) {
    EXPECT_EQ(ScrollMaxFor(30, 10), 29);
    EXPECT_EQ(ScrollMaxFor(10, 10), 0);   // everything fits: no scrolling
    EXPECT_EQ(ScrollMaxFor(0, 0), 0);
    // Client width, units on screen, minimum width -> column width.
    EXPECT_EQ(ColumnWidthFor(800, 40, 3), 20);
    EXPECT_EQ(ColumnWidthFor(800, 0, 3), 800);      // units 0 counts as 1
    EXPECT_EQ(ColumnWidthFor(100, 32767, 3), 3);    // narrower than the units: the minimum
    EXPECT_EQ(ColumnWidthFor(100, 32767, 0), 1);
    EXPECT_EQ(ColumnWidthFor(0, 40, -5), 1);
    EXPECT_EQ(WholeUnits(100, 0), 0);
    EXPECT_EQ(WholeUnits(100, 30), 3);
    EXPECT_EQ(GridLineHeight(0, 0, false), 1);
    EXPECT_EQ(GridLineHeight(14, 160, false), 22);
    EXPECT_EQ(GridLineHeight(14, 160, true), 18);
}

TEST(ScheduleGeometryTest, DividerClampsToItsBounds) {
    EXPECT_EQ(ClampDivider(-40, 0, 580), 0);
    EXPECT_EQ(ClampDivider(200, 0, 580), 200);
    EXPECT_EQ(ClampDivider(900, 0, 580), 580);
    // A window narrower than the grid's minimum: the left edge wins.
    EXPECT_EQ(ClampDivider(10, 0, -15), 0);
}

TEST(ScheduleGeometryTest, HitTestsOfColumnsLinesBandsAndExpanders) {
    // A column's last pixel belongs to the next column.
    EXPECT_EQ(ColumnFromX(-1, 400, 20), -1);
    EXPECT_EQ(ColumnFromX(0, 400, 20), 0);
    EXPECT_EQ(ColumnFromX(18, 400, 20), 0);
    EXPECT_EQ(ColumnFromX(19, 400, 20), 1);
    EXPECT_EQ(ColumnFromX(401, 400, 20), -1);
    EXPECT_EQ(ColumnFromX(10, 400, 0), -1);
    EXPECT_EQ(LineFromY(-1, 5, 20), -1);
    EXPECT_EQ(LineFromY(45, 5, 20), 7);
    EXPECT_EQ(LineFromY(45, 5, 0), 50);
    EXPECT_EQ(TimeBarBandAt(-1, 12), -1);
    EXPECT_EQ(TimeBarBandAt(11, 12), 0);
    EXPECT_EQ(TimeBarBandAt(12, 12), 1);
    EXPECT_EQ(TimeBarBandAt(24, 12), -1);
    EXPECT_EQ(TimeBarBandHeight(110, 13), 14);
    EXPECT_EQ(TimeBarBandHeight(0, 13), 1);
    EXPECT_EQ(ExpanderSize(24, 153), 9);
    EXPECT_EQ(ExpanderSize(24, 0), 13);   // factor 0 counts as 120; even sizes grow to odd
    EXPECT_EQ(ExpanderSize(0, 153), 1);
    EXPECT_TRUE(OnExpander(3, 3, 9));
    EXPECT_TRUE(OnExpander(12, 3, 9));
    EXPECT_FALSE(OnExpander(13, 3, 9));
    EXPECT_FALSE(OnExpander(2, 3, 9));
}

TEST(ScheduleGeometryTest, LastColumnNotAfterFindsTheTargetsColumn) {
    // Columns start every 7 units; the target 30 lies in column 4 (28..34).
    const auto notAfter = [](int target) { return [target](int n) { return n * 7 <= target; }; };
    EXPECT_EQ(LastColumnNotAfter(100, notAfter(30)), 4);
    EXPECT_EQ(LastColumnNotAfter(100, notAfter(28)), 4);
    EXPECT_EQ(LastColumnNotAfter(3, notAfter(30)), 3);    // past the end: the last position
    EXPECT_EQ(LastColumnNotAfter(100, notAfter(-1)), 0);  // before the start: the first
    EXPECT_EQ(LastColumnNotAfter(0, notAfter(30)), 0);
}

}  // namespace
