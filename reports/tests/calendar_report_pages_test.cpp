#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "reports/calendar_report_pages.h"
#include "support/calendar_values.h"

namespace {

constexpr int kMax = std::numeric_limits<int>::max();
constexpr int kMin = std::numeric_limits<int>::min();

TEST(CalendarReportPages, WeeksPerPageStayWithinTheDialogsLimit) {
    struct Case {
        int setting, weeksMax, expected;
    };
    const Case cases[] = {
        {4, 20, 4},   {0, 20, 1},     {-1, 20, 1},   {1000, 20, 20}, {kMin, 20, 1}, {kMax, 20, 20},
        // The limit itself is a setting: at least 1, at most 100.
        {5, 0, 1},    {5, -3, 1},     {1000, 1000000, kCalendarMaxWeeksPerPage},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CalendarWeeksPerPage(c.setting, c.weeksMax), c.expected) << c.setting << " / " << c.weeksMax;
}

TEST(CalendarReportPages, PagesHoldWholeWeeksOfTheWidenedPeriod) {
    const auto day = [](int y, int m, int d) { return DateToJulianDay(m, d, y); };
    struct Case {
        const char* name;
        std::int32_t first, last;   // already widened to whole weeks
        int weeksPerPage;
        int weeks, pages;
    };
    const Case cases[] = {
        // Ten days from a Monday widen to two weeks: one page of four.
        {"10 days, 4 a page", day(2024, 9, 2), day(2024, 9, 15), 4, 2, 1},
        // 1-28 Sep 2024 starts on a Sunday: five Monday weeks, two pages.
        {"Sunday start", day(2024, 8, 26), day(2024, 9, 29), 4, 5, 2},
        {"one week a page", day(2024, 9, 2), day(2024, 9, 29), 1, 4, 4},
        {"exactly full", day(2024, 9, 2), day(2024, 9, 29), 4, 4, 1},
        {"one day", day(2024, 9, 2), day(2024, 9, 2), 4, 1, 1},
        {"reversed", day(2024, 9, 29), day(2024, 9, 2), 4, 0, 0},
        // 9,000 years stop at ten years' weeks.
        {"9,000 years", day(1000, 1, 6), day(9999, 12, 26), 4, kCalendarMaxWeeks, (kCalendarMaxWeeks + 3) / 4},
    };
    for (const Case& c : cases) {
        const int weeks = CalendarWeekCount(c.first, c.last);
        EXPECT_EQ(weeks, c.weeks) << c.name;
        EXPECT_EQ(CalendarPageCount(weeks, c.weeksPerPage), c.pages) << c.name;
    }
    EXPECT_EQ(CalendarPageCount(10, 0), 10) << "no weeks per page counts as one";
}

TEST(CalendarReportPages, PrintedGeometryGuardsItsDivisions) {
    struct Case {
        const char* name;
        int pageWidth, bodyHeight, days, weeksPerPage, monthYear, weekday, dayHeader, entry, distance;
        CalendarPrintLayout expected;
    };
    const Case cases[] = {
        // A4 body 1900 x 2500: (2500 - 80 - 60) / 4 = 590 a row; (590 - 50) / (60 + 20) = 6 entries.
        {"A4, four weeks", 1900, 2500, 7, 4, 80, 60, 50, 60, 20, {271, 590, 6}},
        {"five columns", 1900, 2500, 5, 4, 80, 60, 50, 60, 20, {380, 590, 6}},
        {"one week a page", 1900, 2500, 7, 1, 80, 60, 50, 60, 20, {271, 2360, 28}},
        // A row that only holds its caption holds no booking.
        {"row smaller than caption", 1900, 300, 7, 4, 80, 60, 50, 60, 20, {271, 40, 0}},
        {"headers taller than body", 1900, 100, 7, 4, 80, 60, 50, 60, 20, {271, 0, 0}},
        {"zero entry", 1900, 2500, 7, 4, 80, 60, 50, 0, 0, {271, 590, 0}},
        {"negative distance", 1900, 2500, 7, 4, 80, 60, 50, 60, -60, {271, 590, 0}},
        {"no column", 1900, 2500, 0, 4, 80, 60, 50, 60, 20, {0, 0, 0}},
        {"1,000 weeks a page", 1900, 2500, 7, 1000, 80, 60, 50, 60, 20, {271, 2, 0}},
        {"huge headers", 1900, 2500, 7, 4, kMax, kMax, 50, 60, 20, {271, 0, 0}},
    };
    for (const Case& c : cases) {
        const CalendarPrintLayout got = CalendarPrintGeometry(c.pageWidth, c.bodyHeight, c.days, c.weeksPerPage,
                                                              c.monthYear, c.weekday, c.dayHeader, c.entry, c.distance);
        EXPECT_EQ(got.dayWidth, c.expected.dayWidth) << c.name;
        EXPECT_EQ(got.weekRowHeight, c.expected.weekRowHeight) << c.name;
        EXPECT_EQ(got.bookingsPerDay, c.expected.bookingsPerDay) << c.name;
    }
}

// A preview stores what fitted the page (0 or more); a fresh report stores -1.
TEST(CalendarReportPages, HtmlBookingsPerDayFollowThePrintUnlessFixed) {
    struct Case {
        const char* name;
        int stored, defaultValue, fixed, expected;
    };
    const Case cases[] = {
        {"after a print", 6, 3, -1, 6},
        {"after a print that fitted none", 0, 3, -1, 0},
        {"no print before", -1, 3, -1, 3},
        {"fixed", 6, 3, 2, 2},
        {"fixed at zero", 6, 3, 0, 0},
        {"huge stored value", kMax, 3, -1, kCalendarMaxBookingsPerDay},
        {"negative default", -1, -5, -1, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CalendarHtmlBookingsPerDay(c.stored, c.defaultValue, c.fixed), c.expected) << c.name;
}

TEST(CalendarReportPages, ImagesStayWithinTheirArea) {
    struct Case {
        const char* name;
        int width, days;
        std::int64_t area;
        int headers, dayHeader, entry, distance, bookingsPerDay;
        CalendarImageLayout expected;
    };
    const Case cases[] = {
        // 1022 / 7 = 146; a row 20 + 3 x (32 + 10) = 146; (4,000,000 / 1022 - 40) / 146 = 26 weeks.
        {"defaults", 1022, 7, 4000000, 40, 20, 32, 5, 3, {146, 1022, 146, 3, 26}},
        {"five columns", 1022, 5, 4000000, 40, 20, 32, 5, 3, {204, 1020, 146, 3, 26}},
        {"no bookings", 1022, 7, 4000000, 40, 20, 32, 5, 0, {146, 1022, 20, 0, 193}},
        // A tiny area still holds one week, but never one taller than the area.
        {"tiny area", 1022, 7, 100000, 40, 20, 32, 5, 3, {146, 1022, 20, 0, 2}},
        {"no area", 1022, 7, 0, 40, 20, 32, 5, 3, {146, 1022, 20, 0, 1}},
        // 1,000 bookings a day are cut to what one image holds.
        {"bookings per day too many", 1022, 7, 4000000, 40, 20, 32, 5, 1000, {146, 1022, 3842, 91, 1}},
        {"huge area", 1022, 7, std::numeric_limits<std::int64_t>::max(), 40, 20, 32, 5, 3,
         {146, 1022, 146, 3, static_cast<int>((kCalendarMaxImagePixels / 1022 - 40) / 146)}},
        {"width below 1", 0, 7, 4000000, 40, 20, 32, 5, 3, {0, 0, 0, 0, 0}},
        {"narrower than the columns", 6, 7, 4000000, 40, 20, 32, 5, 3, {0, 0, 0, 0, 0}},
        {"huge width", kMax, 7, 4000000, 40, 20, 32, 5, 3, {585, 4095, 146, 3, 6}},
        {"no column", 1022, 0, 4000000, 40, 20, 32, 5, 3, {0, 0, 0, 0, 0}},
        {"zero entry", 1022, 7, 4000000, 40, 20, 0, 0, 3, {146, 1022, 20, 0, 193}},
    };
    for (const Case& c : cases) {
        const CalendarImageLayout got = CalendarImageGeometry(c.width, c.days, c.area, c.headers, c.dayHeader,
                                                              c.entry, c.distance, c.bookingsPerDay);
        EXPECT_EQ(got.dayWidth, c.expected.dayWidth) << c.name;
        EXPECT_EQ(got.imageWidth, c.expected.imageWidth) << c.name;
        EXPECT_EQ(got.weekRowHeight, c.expected.weekRowHeight) << c.name;
        EXPECT_EQ(got.bookingsPerDay, c.expected.bookingsPerDay) << c.name;
        EXPECT_EQ(got.weeksPerImage, c.expected.weeksPerImage) << c.name;
        if (got.imageWidth > 0) {
            const std::int64_t firstImage =
                static_cast<std::int64_t>(got.imageWidth) * (c.headers + got.weeksPerImage * got.weekRowHeight);
            EXPECT_LE(firstImage, std::max<std::int64_t>(std::min(c.area, kCalendarMaxImagePixels),
                                                         static_cast<std::int64_t>(got.imageWidth) *
                                                             (c.headers + c.dayHeader)))
                << c.name;
        }
    }
    EXPECT_EQ(CalendarImageCount(52, 26), 2);
    EXPECT_EQ(CalendarImageCount(53, 26), 3);
    EXPECT_EQ(CalendarImageCount(0, 26), 0);
    EXPECT_EQ(CalendarImageCount(5, 0), 5);
}

}  // namespace
