#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "calendar_report_fixture.h"
#include "reports/calendar_report_html.h"
#include "reports/calendar_report_pages.h"
#include "reports/calendar_report_print.h"
#include "testing/temp_directory.h"
#include "tests/fixed_backend.h"

namespace {

using doc::testing::OpsOn;
using doc::testing::StringsOn;

// A4 without unprintable border, text measured with the document's fixed metrics.
const doc::Paper kPaper{2100, 2970, {0, 0, 0, 0}};

std::string Caption(int day) {
    bool first = false;
    return CCalendarModel::FormatDayCaption(CDate::FromJulianDay(day), first) + " ";
}

bool Has(const std::vector<std::string>& strings, const std::string& text) {
    return std::find(strings.begin(), strings.end(), text) != strings.end();
}

class CalendarPrintTest : public CalendarReportTest {
protected:
    CalendarPrintTest() {
        settings.Set("ReportsCalendarShowHeader", "0");
        settings.Set("ReportsCalendarShowFooter", "0");
    }

    // Prints the report into a fresh document; returns the report's result.
    int Print(CCalendarPrint& report) { return report.Print(*document, nullptr, nullptr); }

    // The day captions printed on a page, in drawing order.
    std::vector<std::string> DayCaptions(int page) const {
        std::vector<std::string> captions;
        for (const std::string& text : StringsOn(*document, page))
            if (!text.empty() && text.back() == ' ') captions.push_back(text);
        return captions;
    }

    // The bookings a day cell holds on the default page.
    int BookingsPerDay() {
        CCalendarPrint probe(Context(), {});
        EXPECT_EQ(Print(probe), 0);
        return probe.bookingsPerDay;
    }

    std::unique_ptr<doc::ReportDocument> document = doc::testing::MakeDocument(kPaper);
};

TEST_F(CalendarPrintTest, PagesHoldWholeWeeksOfThePeriod) {
    struct Case {
        const char* name;
        std::vector<std::pair<std::string, std::string>> settings;
        int pages;
        int firstDay, lastDay;   // of the last page; 0 0: no day printed
    };
    const Case cases[] = {
        {"10 days at 4 weeks a page", {{"ReportsCalendarDateRangeFixedStart", "20240904"},
                                       {"ReportsCalendarDateRangeFixedEnd", "20240913"}}, 1, Day(2), Day(29)},
        // 1-28 September starts on a Sunday: five weeks, so two pages.
        {"period starting on a Sunday", {{"ReportsCalendarDateRangeFixedStart", "20240901"},
                                         {"ReportsCalendarDateRangeFixedEnd", "20240928"}}, 2, Day(23), DateToJulianDay(10, 20, 2024)},
        {"weeks 0 prints a week a page", {{"ReportsCalendarWeeks", "0"}}, 2, Day(9), Day(15)},
        {"weeks -1 prints a week a page", {{"ReportsCalendarWeeks", "-1"}}, 2, Day(9), Day(15)},
        {"weeks 1,000 stop at the dialog's limit", {{"ReportsCalendarWeeks", "1000"}}, 1, Day(2), Day(2) + 20 * 7 - 1},
        {"reversed period", {{"ReportsCalendarDateRangeFixedStart", "20240913"},
                             {"ReportsCalendarDateRangeFixedEnd", "20240904"}}, 1, 0, 0},
        // The view's range ends at 0:00 of the 9th: the 9th is not shown.
        {"visible range ending at midnight", {{"ReportsCalendarDateRangeFixed", "0"},
                                              {"ViewVisibleDateFirst", "20240902"},
                                              {"ViewVisibleDateLast", "20240909"},
                                              {"ViewVisibleTimeLast", "0"},
                                              {"ReportsCalendarWeeks", "1"}}, 1, Day(2), Day(8)},
        {"visible range ending in the day", {{"ReportsCalendarDateRangeFixed", "0"},
                                             {"ViewVisibleDateFirst", "20240902"},
                                             {"ViewVisibleDateLast", "20240909"},
                                             {"ViewVisibleTimeLast", "600"},
                                             {"ReportsCalendarWeeks", "1"}}, 2, Day(9), Day(15)},
    };
    for (const Case& c : cases) {
        const reports_test::Settings saved = settings;
        for (const auto& [key, value] : c.settings) settings.Set(key, value);
        document = doc::testing::MakeDocument(kPaper);
        CCalendarPrint report(Context(), {});
        ASSERT_EQ(Print(report), 0) << c.name;
        ASSERT_EQ(document->GetPageCount(), c.pages) << c.name;
        const std::vector<std::string> captions = DayCaptions(c.pages);
        if (c.firstDay == 0) {
            EXPECT_TRUE(captions.empty()) << c.name;
        } else {
            ASSERT_FALSE(captions.empty()) << c.name;
            EXPECT_EQ(captions.front(), Caption(c.firstDay)) << c.name;
            EXPECT_EQ(captions.back(), Caption(c.lastDay)) << c.name;
            EXPECT_EQ(captions.size() % 7, 0u) << c.name << ": whole weeks";
        }
        settings = saved;
    }
}

// A crowded Friday to Monday: bookingsPerDay bookings span it, one more
// starts later on Friday and fits in neither week. The 4th holds exactly
// as many as fit.
class CalendarOverflowTest : public CalendarPrintTest {
protected:
    void SetUp() override {
        perDay = BookingsPerDay();
        ASSERT_GT(perDay, 0);
        CTask* other = AddTask("Wiring");
        for (int i = 0; i < perDay; ++i) {
            AddBooking(resource, task, Day(6), static_cast<int16_t>(480 + i), Day(9), 1020);
            AddBooking(resource, other, Day(4), static_cast<int16_t>(480 + i), Day(4), 1020);
        }
        late = AddResource("Zoe Late");
        AddBooking(late, task, Day(6), 1380, Day(9), 600);
        settings.Set("ReportsCalendarShowAdditionalBookings", "1");
        document = doc::testing::MakeDocument(kPaper);
    }

    int perDay = 0;
    CResource* late = nullptr;
};

TEST_F(CalendarOverflowTest, MarkersOnlyWhereABookingDidNotFitAndEachListedOnce) {
    struct Case {
        const char* name;
        std::vector<std::pair<std::string, std::string>> settings;
        int pages;
        std::vector<std::string> listed;   // texts of the additional-bookings page
        long lateRows;                     // rows of the late booking there
    };
    const std::string friday = FormatAdditionalDay(CDate::FromJulianDay(Day(6)));
    const std::string monday = FormatAdditionalDay(CDate::FromJulianDay(Day(9)));
    const Case cases[] = {
        // Neither key set: listed after the page, not grouped by day.
        {"defaults", {{"ReportsCalendarShowAdditionalBookings", ""}}, 2, {"Additional Bookings", "Zoe Late"}, 1},
        {"at the end", {{"ReportsCalendarShowAdditionalBookingsAfterEveryPage", "0"}}, 2,
         {"Additional Bookings", "Zoe Late"}, 1},
        // Under each day of a week where it did not fit.
        {"grouped by day", {{"ReportsCalendarGroupBookingsByDay", "1"}}, 2, {"Day", friday, monday, "Zoe Late"}, 2},
        {"not shown", {{"ReportsCalendarShowAdditionalBookings", "0"}}, 1, {}, 0},
    };
    for (const Case& c : cases) {
        const reports_test::Settings saved = settings;
        for (const auto& [key, value] : c.settings) settings.Set(key, value);
        document = doc::testing::MakeDocument(kPaper);
        CCalendarPrint report(Context(), {});
        ASSERT_EQ(Print(report), 0) << c.name;
        ASSERT_EQ(report.bookingsPerDay, perDay) << c.name;
        ASSERT_EQ(document->GetPageCount(), c.pages) << c.name;

        // Friday, Saturday and Sunday of the first week, Monday of the second.
        const auto markers = OpsOn<doc::PolygonOp>(*document, 1);
        std::vector<int> columns;
        for (const doc::PolygonOp& marker : markers) columns.push_back(marker.points[0].x / report.dayWidth);
        EXPECT_EQ(columns, (std::vector<int>{4, 5, 6, 0})) << c.name;

        const std::vector<std::string> calendar = StringsOn(*document, 1);
        EXPECT_FALSE(Has(calendar, "Zoe Late")) << c.name << ": the late booking fits in no cell";
        EXPECT_EQ(std::count(calendar.begin(), calendar.end(), "Anna Berg"), 3 * perDay) << c.name;
        if (c.pages == 2) {
            const std::vector<std::string> listed = StringsOn(*document, 2);
            for (const std::string& text : c.listed) EXPECT_TRUE(Has(listed, text)) << c.name << ": " << text;
            EXPECT_EQ(std::count(listed.begin(), listed.end(), "Zoe Late"), c.lateRows) << c.name;
            EXPECT_FALSE(Has(listed, "Anna Berg")) << c.name;
        }
        settings = saved;
    }
}

// Each booking entry is filled in the booking's second colour, framed with
// the booking lines, at its line of the day cell.
TEST_F(CalendarPrintTest, BookingEntriesSitOnTheirLinesInTheirColours) {
    CBooking* first = AddBooking(resource, task, Day(3), 480, Day(4), 600, "line one\nline two");
    CBooking* second = AddBooking(resource, task, Day(3), 540, Day(3), 600);
    Begin();
    for (auto [booking, colour] : {std::pair{first, 0x00C0FFu}, std::pair{second, 0xFFC000u}}) {
        ASSERT_EQ(booking->BeginChange(), kDataOk);
        booking->color1 = 0x000080;
        booking->color2 = colour;
    }
    root.CommitTransaction();
    settings.Set("ViewShowNotesOnBookings", "1");
    CCalendarPrint report(Context(), {});
    ASSERT_EQ(Print(report), 0);

    std::vector<doc::FillOp> entries;
    for (const doc::FillOp& fill : OpsOn<doc::FillOp>(*document, 1))
        if (fill.outline.width == report.bookingLinesWidth && fill.outline.Visible()) entries.push_back(fill);
    ASSERT_EQ(entries.size(), 2u);
    const int entry = report.textLineHeight * 3;
    const int weekTop = report.monthYearHeaderHeight + report.weekdayHeaderHeight;
    const int lineTop = weekTop + report.dayHeaderHeight + report.bookingDistance;
    EXPECT_EQ(entries[0].box.x, report.dayWidth);
    EXPECT_EQ(entries[0].box.width, 2 * report.dayWidth);
    EXPECT_EQ(entries[0].box.y, lineTop);
    EXPECT_EQ(entries[0].box.height, entry);
    EXPECT_EQ(entries[0].fill, 0x00C0FFu);
    EXPECT_EQ(entries[1].box.y, lineTop + entry + report.bookingDistance);
    EXPECT_EQ(entries[1].fill, 0xFFC000u);
    EXPECT_TRUE(Has(StringsOn(*document, 1), "line one line two"));
}

// Each weekday's column takes the weekday's own colour where it has one,
// else the calendar's background on a working day and the non-working
// colour on another; in HTML a working day without a colour of its own
// stays as the image is.
TEST_F(CalendarPrintTest, ColumnsTakeTheirWeekdaysColour) {
    settings.Set("ViewCalendarColorBk", std::to_string(0xF0FFF0));
    settings.Set("ViewScheduleNonWorkingTimeColor", std::to_string(0xD4D4D4));
    settings.Set("ViewBkColorWednesday", std::to_string(0x80C0FF));
    settings.Set("ViewBkColorSunday", std::to_string(0xFFE0C0));
    struct Case {
        int column;   // from Monday
        ReportColor printed;
        ReportColor html;
    };
    const Case cases[] = {
        {1, 0xF0FFF0, 0xFFFFFF},   // Tuesday works
        {2, 0x80C0FF, 0x80C0FF},   // Wednesday has its own
        {5, 0xD4D4D4, 0xD4D4D4},   // Saturday does not work
        {6, 0xFFE0C0, 0xFFE0C0},   // Sunday has its own
    };

    CCalendarPrint report(Context(), {});
    ASSERT_EQ(Print(report), 0);
    const int weekTop = report.monthYearHeaderHeight + report.weekdayHeaderHeight;
    std::map<int, ReportColor> columns;
    for (const doc::FillOp& fill : OpsOn<doc::FillOp>(*document, 1))
        if (fill.box.y == weekTop && fill.box.width == report.dayWidth && fill.box.x % report.dayWidth == 0)
            columns.emplace(fill.box.x / report.dayWidth, fill.fill);
    ASSERT_EQ(columns.size(), 7u);

    ::testing::TempDirectory dir;
    CCalendarHtml page(Context());
    ASSERT_EQ(page.Render(dir.File("week.html")), 0);
    const QImage image(QString::fromStdString(dir.File("week.png")));
    ASSERT_FALSE(image.isNull());
    const int y = page.monthYearHeaderHeight + page.weekdayHeaderHeight + page.dayHeaderHeight + 3;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.column);
        EXPECT_EQ(columns[c.column], c.printed);
        const QRgb pixel = image.pixel(c.column * page.dayWidth + page.dayWidth / 2, y);
        EXPECT_EQ(pixel, qRgb(c.html & 0xFF, (c.html >> 8) & 0xFF, (c.html >> 16) & 0xFF));
    }
}

// What the preview's page fitted is what an HTML page made from it uses.
TEST_F(CalendarPrintTest, PrintTellsTheHtmlPageItsBookingsPerDay) {
    settings.Set("ReportsCalendarHtmlBookingsPerDay", "-1");
    EXPECT_EQ(CCalendarHtml(Context()).bookingsPerDay, 3);
    CCalendarPrint report(Context(), Setter());
    ASSERT_EQ(Print(report), 0);
    ASSERT_GT(report.bookingsPerDay, 3);
    EXPECT_EQ(CCalendarHtml(Context()).bookingsPerDay, report.bookingsPerDay);
    settings.Set("ReportsCalendarHtmlBookingsPerDayFixed", "1");
    EXPECT_EQ(CCalendarHtml(Context()).bookingsPerDay, 1);
}

TEST_F(CalendarPrintTest, TitleComesFromTheSettings) {
    struct Case {
        const char* title;
        const char* empty;
        const char* expected;
    };
    const Case cases[] = {{"", "", "Calendar"}, {"Site plan", "", "Site plan"}, {"Site plan", "1", ""}};
    for (const Case& c : cases) {
        settings.Set("ReportsCalendarTitle", c.title);
        settings.Set("ReportsCalendarTitleEmpty", c.empty);
        EXPECT_EQ(CCalendarReport::GetTitle(settings.Getter()), c.expected) << c.title << c.empty;
        EXPECT_EQ(CCalendarPrint(Context(), {}).title, c.expected);
    }
}

// 9,000 years print ten years of weeks and say the period was cut.
TEST_F(CalendarPrintTest, LongPeriodIsCut) {
    SetPeriod(DateToJulianDay(1, 1, 1000), DateToJulianDay(12, 31, 9999));
    CCalendarPrint report(Context(), {});
    ASSERT_EQ(Print(report), 0);
    EXPECT_TRUE(report.periodCut);
    EXPECT_EQ(document->GetPageCount(), CalendarPageCount(kCalendarMaxWeeks, report.weeksPerPage));
}

}  // namespace
