#include <gtest/gtest.h>

#include <filesystem>

#include <QPainter>

#include <functional>
#include <regex>
#include <set>

#include "booking_list_fixture.h"
#include "checkers.h"
#include "plan_generator.h"
#include "plat/files.h"
#include "print_to_pdf.h"
#include "reports/booking_list_html.h"
#include "reports/booking_list_print.h"
#include "reports/report_settings.h"
#include "testing/external_tools.h"
#include "testing/temp_directory.h"
#include "ui/scripted_prompts.h"

namespace {

using ::testing::ReadFile;
using reports_test::PrintToPdf;
using ::testing::TempDirectory;

// Blanks and line breaks as one blank, so that wrapped cells still match.
std::string Squeezed(const std::string& text) { return std::regex_replace(text, std::regex("\\s+"), " "); }

class BookingListOutputTest : public BookingListReportTest {
protected:
    // Two resources, one with hostile texts; notes on.
    void HostilePlan() {
        CResource* odd = Resource("a<b & c>d \"q\" &amp;", 0);
        CResource* greek = Resource("\xCE\xB1\xCE\xB2 \xE4\xB8\xAD \xF0\x9F\x98\x80", 1);
        CTask* task = Task("Caf\xC3\xA9 <i>", 0);
        AddBooking(odd, task, Day(6), 540, Day(6), 600, "Note with <b>markup</b> & \"quotes\"");
        AddBooking(odd, task, Day(7), 540, Day(7), 600, "");
        AddBooking(greek, task, Day(8), 540, Day(8), 600, "\xE6\x97\xA5\xE6\x9C\xAC");
        settings.Set("ReportsBookingListDateShowNotes", "1");
    }


    TempDirectory dir;
};

// Every form of the list makes a valid page that says the user's texts.
TEST_F(BookingListOutputTest, HtmlPagesPassTheCheckersInEveryForm) {
    HostilePlan();
    struct Case {
        const char* name;
        std::vector<std::pair<std::string, std::string>> settings;
    };
    const Case cases[] = {
        {"notes and durations", {}},
        {"without notes", {{"ReportsBookingListDateShowNotes", "0"}}},
        {"without duration", {{"ReportsBookingListDateShowDuration", "0"}}},
        {"by tasks, dates left", {{"ReportsBookingListGroupByResources", "0"}, {"ReportsBookingListDateAlignment", "0"}}},
        {"empty range", {{"ViewVisibleDateFirst", "20250120"}, {"ViewVisibleDateLast", "20250121"}}},
        {"no title", {{"ReportsBookingListTitleEmpty", "1"}, {"ReportsBookingListShowFooter", "0"}}},
        {"header off", {{"ReportsBookingListShowHeader", "0"}}},
    };
    int index = 0;
    for (const Case& c : cases) {
        reports_test::Settings saved = settings;
        for (const auto& [key, value] : c.settings) settings.Set(key, value);
        CBookingListHtml page(settings.Getter());
        page.BuildModel(Context());
        const std::string path = dir.File("list" + std::to_string(index++) + ".html");
        ASSERT_EQ(page.Render(path), 0) << c.name;
        EXPECT_EQ(page.WrittenFiles(), std::vector<std::string>{path}) << c.name;
        EXPECT_EQ(reports_test::HtmlProblems(path), "") << c.name;
        const std::string html = ReadFile(path);
        EXPECT_NE(html.find("<title>"), std::string::npos) << c.name;
        EXPECT_EQ(html.find("<b>markup"), std::string::npos) << c.name;
        settings = saved;
    }

    CBookingListHtml page(settings.Getter());
    page.BuildModel(Context());
    const std::string path = dir.File("cells.html");
    ASSERT_EQ(page.Render(path), 0);
    const std::string cells = reports_test::CellTextsByPython(path);
    for (const char* text : {"a<b & c>d \"q\" &amp;", "\xCE\xB1\xCE\xB2 \xE4\xB8\xAD \xF0\x9F\x98\x80",
                             "Note with <b>markup</b> & \"quotes\"", "Caf\xC3\xA9 <i>", "\xE6\x97\xA5\xE6\x9C\xAC",
                             "Total:", "120 min"}) {
        EXPECT_NE(cells.find(text), std::string::npos) << text;
    }
}

// Every row of the HTML table covers all its columns: the heading and the
// group rows span them, the totals cell joins those up to the end date,
// with and without notes and duration.
TEST_F(BookingListOutputTest, EveryHtmlRowCoversEveryColumn) {
    HostilePlan();
    for (const bool notes : {false, true}) {
        for (const bool duration : {false, true}) {
            SCOPED_TRACE(std::string(notes ? "notes " : "") + (duration ? "duration" : ""));
            settings.Set("ReportsBookingListDateShowNotes", notes ? "1" : "0");
            settings.Set("ReportsBookingListDateShowDuration", duration ? "1" : "0");
            CBookingListHtml page(settings.Getter());
            page.BuildModel(Context());
            const std::string html = page.BuildPage();
            const int columns = 4 + notes + duration;
            const std::regex cell("<t[dh] (?:rowspan=\\d+ )?(?:colspan=(\\d+) )?");
            int rows = 0;
            bool totals = false;
            for (std::size_t at = html.find("<tr"); at != std::string::npos; ++rows) {
                const std::size_t next = html.find("<tr", at + 1);
                const std::string row = html.substr(at, next == std::string::npos ? std::string::npos : next - at);
                int covered = 0;
                for (std::sregex_iterator it(row.begin(), row.end(), cell), end; it != end; ++it)
                    covered += (*it)[1].matched ? std::stoi((*it)[1]) : 1;
                EXPECT_EQ(covered, columns) << row;
                totals = totals || row.find("Total:") != std::string::npos;
                at = next;
            }
            EXPECT_EQ(rows, 2 + 2 + 3 + (duration ? 1 : 0));   // headings, groups, bookings, a total
            EXPECT_EQ(totals, duration);
        }
    }
}

// The printed list: one table row per booking, totals and continuation
// titles only where a group has more than one row.
TEST_F(BookingListOutputTest, PrintedTableHoldsEveryBookingAndTheCaption) {
    HostilePlan();
    CBookingListPrint report(settings.Getter());
    report.BuildModel(Context());
    const std::string path = dir.File("list.pdf");
    const int pages = PrintToPdf(path, report);
    ASSERT_EQ(pages, 1);
    EXPECT_EQ(::testing::PdfPageCount(path), 1);
    const std::string text = Squeezed(::testing::PdfPageText(path, 1));
    for (const char* expected : {"Booking List", "Resource", "Notes", "Duration", "a<b & c>d", "Total:", "120 min",
                                 "Caf\xC3\xA9 <i>", "Note with <b>markup</b>", report.subtitle.c_str()}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    }
}

// A demo-sized plan over its whole period: the PDF has the pages the
// document laid out and names every booking's resource and task; the HTML
// page lists them too, and the only file written is the one promised.
TEST_F(BookingListOutputTest, DemoPlanToPdfAndHtml) {
    PlanShape shape;
    shape.centreDay = Day(15);
    ASSERT_EQ(GeneratePlan(root, shape), kDataOk);
    settings.Set("ReportsBookingListDateRangeFixed", "1");
    settings.Set("ReportsBookingListDateRangeFixedStart",
                 CDate::FromJulianDay(root.properties->periodStart).Format(0, "yyyyMMdd"));
    settings.Set("ReportsBookingListDateRangeFixedEnd",
                 CDate::FromJulianDay(root.properties->periodEnd).Format(0, "yyyyMMdd"));
    const bool modifiedBefore = root.IsModified();
    const int bookingsBefore = root.bookings->GetCount();

    CBookingListPrint report(settings.Getter());
    report.BuildModel(Context());
    std::size_t listed = 0;
    for (const BookingListGroup& group : report.groups) listed += group.bookings.size();
    ASSERT_EQ(listed, static_cast<std::size_t>(bookingsBefore));

    const std::string pdf = dir.File("demo.pdf");
    const int pages = PrintToPdf(pdf, report);
    ASSERT_GT(pages, 1);
    EXPECT_EQ(::testing::PdfPageCount(pdf), pages);
    std::string text;
    for (int page = 1; page <= pages; ++page) text += Squeezed(::testing::PdfPageText(pdf, page)) + " ";
    std::set<std::string> names;
    for (CBooking* booking : AllBookings()) {
        names.insert(booking->resource->name);
        names.insert(booking->task->name);
    }
    for (const std::string& name : names) EXPECT_NE(text.find(Squeezed(name)), std::string::npos) << name;

    CBookingListHtml page(settings.Getter());
    page.BuildModel(Context());
    const std::string html = dir.File("demo.html");
    ASSERT_EQ(page.Render(html), 0);
    EXPECT_EQ(reports_test::HtmlProblems(html), "");
    const std::string cells = reports_test::CellTextsByPython(html);
    for (const std::string& name : names) EXPECT_NE(cells.find(name), std::string::npos) << name;
    EXPECT_EQ(page.WrittenFiles(), std::vector<std::string>{html});
    const auto entries = plat::ReadDirectory(dir.path());
    std::set<std::string> files;
    for (const auto& entry : entries) files.insert(entry.name);
    EXPECT_EQ(files, (std::set<std::string>{"demo.pdf", "demo.html"}));

    EXPECT_EQ(root.IsModified(), modifiedBefore);
    EXPECT_EQ(root.bookings->GetCount(), bookingsBefore);
}

// Unwritable places and a full disk: a clear message, nothing under the
// final name (an older page stays whole), the plan untouched.
TEST_F(BookingListOutputTest, WriteFailuresLeaveNothingBehind) {
    HostilePlan();
    dir.Write("plain-file", "x");
    const std::string older = dir.Write("older.html", "older page");
    const int bookings = root.bookings->GetCount();
    const std::vector<uint32_t> changesBefore = masks();
    struct Case {
        const char* name;
        std::string path;
        std::int64_t failAfter;
    };
    const Case cases[] = {
        {"missing folder", dir.File("missing/list.html"), -1},
        {"folder is a file", dir.File("plain-file/list.html"), -1},
        {"full disk", older, 200},
    };
    for (const Case& c : cases) {
        ui::ScriptedPrompts prompts;
        CBookingListHtml page(settings.Getter());
        page.BuildModel(Context());
        plat::SetWriteFailureForTesting(c.failAfter);
        const int result = page.Render(c.path);
        plat::SetWriteFailureForTesting(-1);
        EXPECT_EQ(result, CHtmlPage::kWriteFailed) << c.name;
        EXPECT_TRUE(page.WrittenFiles().empty()) << c.name;
        ASSERT_EQ(prompts.asked().size(), 1u) << c.name;
        EXPECT_NE(prompts.asked()[0].text.find("could not be written"), std::string::npos) << c.name;
        EXPECT_EQ(plat::ReadDirectory(dir.path()).size(), 2u) << c.name;
    }
    EXPECT_EQ(ReadFile(older), "older page");
    EXPECT_EQ(root.bookings->GetCount(), bookings);
    EXPECT_EQ(masks(), changesBefore);
}

// A booking text far over the field's limit is kept to the field, on a
// character boundary, and the page with it stays valid.
TEST_F(BookingListOutputTest, LongBookingTextStaysWithinItsField) {
    CResource* resource = Resource("Anna", 0);
    CTask* task = Task("Build", 0);
    std::string text;
    while (text.size() < 10000) text += "\xCE\xB1<&>";
    CBooking* booking = AddBooking(resource, task, Day(6), 540, Day(6), 600, text.c_str());
    const std::string stored = booking->text;
    EXPECT_LT(stored.size(), sizeof booking->text);
    EXPECT_EQ(text.compare(0, stored.size(), stored), 0);
    settings.Set("ReportsBookingListDateShowNotes", "1");

    CBookingListHtml page(settings.Getter());
    page.BuildModel(Context());
    const std::string path = dir.File("long.html");
    ASSERT_EQ(page.Render(path), 0);
    EXPECT_EQ(reports_test::HtmlProblems(path), "");
    EXPECT_NE(reports_test::CellTextsByPython(path).find(stored), std::string::npos);
    EXPECT_EQ(std::string(booking->text), stored);
}

// The save dialog's proposal: usable titles become the name, others the
// default name; HTML drops blanks; the chosen folder is the next start.
TEST_F(BookingListOutputTest, SaveDialogProposesSafeNames) {
    const std::string longTitle(300, 'x');
    struct Case {
        std::string proposed;
        std::string expected;
    };
    const Case cases[] = {
        {"Week 5 plan", "Week5plan.html"},
        {"Plan: week 5", "Report.html"},
        {"a/b", "Report.html"},
        {"a\\b", "Report.html"},
        {"..", "Report.html"},
        {"", "Report.html"},
        {"..hidden", "..hidden.html"},
        {longTitle, std::string(250, 'x') + ".html"},
    };
    for (const Case& c : cases) {
        ui::ScriptedPrompts prompts;
        prompts.AnswerFile(dir.File("sub/chosen.html"));
        const auto path = ChooseHtmlFile(nullptr, c.proposed, settings.Getter(),
                                         [&](std::string_view key, std::string_view value) {
                                             settings.Set(std::string(key), std::string(value));
                                         });
        ASSERT_TRUE(path.has_value()) << c.proposed;
        ASSERT_EQ(prompts.asked().size(), 1u);
        EXPECT_EQ(prompts.asked()[0].file.fileName, c.expected) << c.proposed;
        EXPECT_EQ(prompts.asked()[0].file.defaultExt, "html");
        EXPECT_TRUE(prompts.asked()[0].file.overwritePrompt);
    }
    EXPECT_EQ(settings.Getter()("ReportsDirectoryHtml"), dir.File("sub/"));

    ui::ScriptedPrompts prompts;
    prompts.AnswerFile(std::nullopt);
    const auto cancelled = ChooseExportFile(nullptr, "Plan with blanks", settings.Getter(),
                                            [](std::string_view, std::string_view) {});
    EXPECT_FALSE(cancelled.has_value());
    ASSERT_EQ(prompts.asked().size(), 1u);
    EXPECT_EQ(prompts.asked()[0].file.fileName, "Plan with blanks.csv");
    // No export folder remembered: the user's folder, never the working
    // folder, which is the program's own.
    const std::string start = prompts.asked()[0].file.initialDir;
    EXPECT_TRUE(std::filesystem::is_directory(start)) << start;
    EXPECT_NE(std::filesystem::path(start), std::filesystem::current_path());
}

}  // namespace
