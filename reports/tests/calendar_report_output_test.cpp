#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <regex>
#include <set>
#include <string>

#include "calendar_report_fixture.h"
#include "checkers.h"
#include "plan_generator.h"
#include "plat/files.h"
#include "print_to_pdf.h"
#include "reports/calendar_report_html.h"
#include "reports/calendar_report_print.h"
#include "testing/external_tools.h"
#include "testing/temp_directory.h"
#include "ui/scripted_prompts.h"

namespace {

using ::testing::ReadFile;
using reports_test::PrintToPdf;

std::string Squeezed(const std::string& text) { return std::regex_replace(text, std::regex("\\s+"), " "); }

std::set<std::string> FilesIn(const std::string& directory) {
    std::set<std::string> names;
    for (const auto& entry : plat::ReadDirectory(directory)) names.insert(entry.name);
    return names;
}

QRgb Rgb(std::uint32_t colourRef) {
    return qRgb(static_cast<int>(colourRef & 0xFF), static_cast<int>((colourRef >> 8) & 0xFF),
                static_cast<int>((colourRef >> 16) & 0xFF));
}

class CalendarOutputTest : public CalendarReportTest {
protected:
    // The demo plan around the middle of September.
    void DemoPlan() {
        PlanShape shape;
        shape.centreDay = Day(15);
        ASSERT_EQ(GeneratePlan(root, shape), kDataOk);
        SetPeriod(root.properties->periodStart, root.properties->periodEnd);
        settings.Set("ReportsCalendarShowAdditionalBookings", "1");
    }


    ::testing::TempDirectory dir;
};

// The demo plan as PDF and as HTML: the PDF has the document's pages with
// the range caption and weekday names; every HTML page and image passes
// the checkers, and only the promised files are written.
TEST_F(CalendarOutputTest, DemoPlanToPdfAndHtml) {
    DemoPlan();
    CCalendarPrint report(Context(), {});
    const std::string pdf = dir.File("calendar.pdf");
    const int pages = PrintToPdf(pdf, report);
    ASSERT_GE(pages, 2);
    EXPECT_EQ(::testing::PdfPageCount(pdf), pages);
    const std::string first = Squeezed(::testing::PdfPageText(pdf, 1));
    for (const char* text : {"September", "2024", "Montag", "Sonntag", "Calendar"})
        EXPECT_NE(first.find(text), std::string::npos) << text << "\n" << first;

    const std::string html = dir.File("calendar.html");
    CCalendarHtml page(Context());
    ASSERT_EQ(page.Render(html), 0);
    ASSERT_GE(page.imageCount, 1);
    EXPECT_EQ(reports_test::HtmlProblems(html), "");
    std::set<std::string> expected = {"calendar.pdf", "calendar.html"};
    for (int i = 1; i <= page.imageCount; ++i) {
        const std::string name = page.imageCount > 1 ? "calendar" + std::to_string(i) + ".png" : "calendar.png";
        expected.insert(name);
        EXPECT_EQ(reports_test::PngProblems(dir.File(name)), "") << name;
        EXPECT_NE(ReadFile(html).find("src=\"" + name + "\""), std::string::npos) << name;
    }
    EXPECT_EQ(FilesIn(dir.path()), expected);
    EXPECT_NE(reports_test::CellTextsByPython(html).find("Resource"), std::string::npos);
}

// Read back, the image shows a booking in its second colour where the
// layout puts it, and the marker over a day whose bookings did not fit.
TEST_F(CalendarOutputTest, ImageShowsBookingsAndMarkersWhereTheLayoutPutsThem) {
    settings.Set("ReportsCalendarHtmlBookingsPerDayFixed", "1");
    settings.Set("ReportsCalendarShowAdditionalBookings", "1");
    CBooking* shown = AddBooking(resource, task, Day(3), 480, Day(4), 1020);
    AddBooking(AddResource("Zoe Late"), task, Day(4), 600, Day(4), 700);
    Begin();
    ASSERT_EQ(shown->BeginChange(), kDataOk);
    shown->color2 = 0x00C000;
    root.CommitTransaction();

    CCalendarHtml page(Context());
    const std::string html = dir.File("week.html");
    ASSERT_EQ(page.Render(html), 0);
    ASSERT_EQ(page.imageCount, 1);
    const QImage image(QString::fromStdString(dir.File("week.png")));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), page.images.imageWidth);
    const int weekTop = page.monthYearHeaderHeight + page.weekdayHeaderHeight;
    EXPECT_EQ(image.height(), weekTop + 2 * page.images.weekRowHeight);

    const int entryTop = weekTop + page.dayHeaderHeight + page.bookingDistance;
    EXPECT_EQ(image.pixel(page.dayWidth + 1, entryTop + 1), Rgb(0x00C000)) << "Tuesday";
    EXPECT_EQ(image.pixel(3 * page.dayWidth - 3, entryTop + 1), Rgb(0x00C000)) << "Wednesday";
    EXPECT_EQ(image.pixel(3 * page.dayWidth + 3, entryTop + 1), qRgb(255, 255, 255)) << "Thursday";

    const int k = 2 * page.dayHeaderHeight / 9;
    ASSERT_GT(k, 1);
    const int markerTop = weekTop + (page.dayHeaderHeight - k) / 2;
    EXPECT_EQ(image.pixel(2 * page.dayWidth + 4 + k, markerTop + 1), qRgb(0, 0, 0)) << "Wednesday's marker";
    EXPECT_NE(image.pixel(page.dayWidth + 4 + k, markerTop + 1), qRgb(0, 0, 0)) << "no marker on Tuesday";
    EXPECT_NE(reports_test::CellTextsByPython(html).find("Zoe Late"), std::string::npos);
    EXPECT_EQ(reports_test::HtmlProblems(html), "");
}

// Settings and names that cannot work: a clear message or a clamp, no
// file left under the final name, no huge image.
TEST_F(CalendarOutputTest, BadInputIsClampedOrRefusedCleanly) {
    dir.Write("plain-file", "x");
    struct Case {
        const char* name;
        std::string path;
        std::vector<std::pair<std::string, std::string>> settings;
        int result;
        std::int64_t failAfter;
    };
    const Case cases[] = {
        {"missing folder", dir.File("missing/calendar.html"), {}, 1, -1},
        {"folder is a file", dir.File("plain-file/calendar.html"), {}, 1, -1},
        {"300-character name", dir.File(std::string(295, 'c') + ".html"), {}, 1, -1},
        // The images are written, the page is not: the images go too.
        {"disk full at the page", dir.File("full.html"),
         {{"ReportsHtmlImageSizeMax", "40000"}, {"ReportsHtmlCSS", std::string(20000, ' ')}}, 1, 10000},
    };
    for (const Case& c : cases) {
        const reports_test::Settings saved = settings;
        for (const auto& [key, value] : c.settings) settings.Set(key, value);
        ui::ScriptedPrompts prompts;
        CCalendarHtml page(Context());
        plat::SetWriteFailureForTesting(c.failAfter);
        EXPECT_EQ(page.Render(c.path), c.result) << c.name;
        plat::SetWriteFailureForTesting(-1);
        EXPECT_EQ(prompts.asked().size(), 1u) << c.name;
        EXPECT_EQ(FilesIn(dir.path()), std::set<std::string>{"plain-file"}) << c.name;
        settings = saved;
    }

    // Nine thousand years: ten years of weeks, in images no larger than
    // the area allows.
    SetPeriod(DateToJulianDay(1, 1, 1000), DateToJulianDay(12, 31, 9999));
    settings.Set("ReportsCalendarHtmlImageWidth", "70");
    settings.Set("ReportsCalendarHtmlBookingsPerDayFixed", "0");
    settings.Set("ReportsHtmlImageSizeMax", "200000");
    CCalendarHtml page(Context());
    ASSERT_EQ(page.Render(dir.File("long.html")), 0);
    EXPECT_TRUE(page.periodCut);
    ASSERT_GT(page.imageCount, 1);
    EXPECT_EQ(page.imageCount, CalendarImageCount(kCalendarMaxWeeks, page.images.weeksPerImage));
    for (int i = 1; i <= page.imageCount; ++i) {
        const QImage image(QString::fromStdString(dir.File("long" + std::to_string(i) + ".png")));
        ASSERT_FALSE(image.isNull()) << i;
        EXPECT_LE(static_cast<std::int64_t>(image.width()) * image.height(), 200000) << i;
    }

    // No column to draw: the page is still written, without images.
    settings.Set("ReportsCalendarHtmlImageWidth", "0");
    CCalendarHtml narrow(Context());
    ASSERT_EQ(narrow.Render(dir.File("narrow.html")), 0);
    EXPECT_EQ(narrow.WrittenFiles(), std::vector<std::string>{dir.File("narrow.html")});
    EXPECT_EQ(reports_test::HtmlProblems(dir.File("narrow.html")), "");
}

}  // namespace
