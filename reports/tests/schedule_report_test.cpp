#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "booking_list_fixture.h"
#include "checkers.h"
#include "date_setting.h"
#include "drawing.h"
#include "plat/files.h"
#include "reports/report_settings_values.h"
#include "reports/schedule_report_html.h"
#include "reports/schedule_report_layout.h"
#include "reports/schedule_report_print.h"
#include "schedule_chart_paint.h"
#include "testing/temp_directory.h"
#include "tests/fixed_backend.h"

namespace {

using doc::testing::OpsOn;
using doc::testing::StringsOn;

const doc::Paper kPaper{2100, 2970, {30, 40, 50, 60}};
constexpr ReportColor kBarColour = 0x3366CC;

// The plan of the booking-list tests, reported by day from the week of
// the 6th: ten day columns, 6 to 15 January.
class ScheduleReportTest : public BookingListReportTest {
protected:
    ScheduleReportTest() {
        settings.Set("ViewScheduleBaseUnit", "4");
        settings.Set("ViewVisibleDateLast", "20250116");
        settings.Set("ReportsErrorMessage", "0");
    }

    // Fills the document; returns the renderer's result.
    int Print(CSchedulePrintRenderer& report) { return report.Print(*document, nullptr, nullptr); }

    // The rightmost vertical line of a page: its schedule's right edge.
    int RightEdge(int page) const {
        int right = 0;
        for (const doc::LineOp& line : OpsOn<doc::LineOp>(*document, page))
            if (line.x1 == line.x2) right = std::max(right, line.x1);
        return right;
    }
    std::vector<doc::FillOp> BarFills(int page) const {
        std::vector<doc::FillOp> fills;
        for (const doc::FillOp& fill : OpsOn<doc::FillOp>(*document, page))
            if (fill.fill == kBarColour) fills.push_back(fill);
        return fills;
    }
    bool Shows(int page, const std::string& text) const {
        const std::vector<std::string> strings = StringsOn(*document, page);
        return std::find(strings.begin(), strings.end(), text) != strings.end();
    }

    CBooking* Bar(CResource* resource, CTask* task, int firstDay, int lastDay) {
        CBooking* booking = AddBooking(resource, task, Day(firstDay), 480, Day(lastDay), 1020);
        booking->color2 = kBarColour;
        return booking;
    }

    std::unique_ptr<doc::ReportDocument> document = doc::testing::MakeDocument(kPaper);
    ::testing::TempDirectory dir;
};

// Ten columns on three pages across: 4, 3 and 3 at the first page's column
// width; a bar from the 9th to the 12th lies on the first two pages, cut at
// the edge, with its task's name in each part.
TEST_F(ScheduleReportTest, ColumnsSpreadAcrossPagesAndBarsAreCutAtTheirEdges) {
    CTask* build = Task("Build", 0);
    Bar(Resource("Anna", 0), build, 9, 12);
    settings.Set("ReportsSchedulePages", "3");
    CSchedulePrintRenderer report(Context());
    ASSERT_EQ(Print(report), 0);
    ASSERT_EQ(document->GetPageCount(), 3);

    const int label = 400;
    const int columnWidth = (report.pageWidth - label) / 4;
    EXPECT_EQ(RightEdge(1), label + 4 * columnWidth);
    EXPECT_EQ(RightEdge(2), label + 3 * columnWidth);
    EXPECT_EQ(RightEdge(3), label + 3 * columnWidth);

    const std::vector<doc::FillOp> first = BarFills(1), second = BarFills(2);
    ASSERT_EQ(first.size(), 1u);
    ASSERT_EQ(second.size(), 1u);
    EXPECT_TRUE(BarFills(3).empty());
    EXPECT_EQ(first[0].box.Right(), label + 4 * columnWidth);   // up to the first page's edge
    EXPECT_GE(first[0].box.x, label + 3 * columnWidth);          // from the 9th, the fourth column
    EXPECT_EQ(second[0].box.x, label);                           // on from the second page's left
    EXPECT_LE(second[0].box.Right(), label + 3 * columnWidth);
    EXPECT_EQ(first[0].box.y, second[0].box.y);
    EXPECT_TRUE(Shows(1, "Build"));
    EXPECT_TRUE(Shows(2, "Build"));
    EXPECT_FALSE(Shows(3, "Build"));
    for (int page = 1; page <= 3; ++page) EXPECT_TRUE(Shows(page, "Anna")) << page;
}

// A row of more lines than a page holds goes on in the next band, where
// its label repeats with " (continued)"; the row after it does not.
TEST_F(ScheduleReportTest, RowsContinuedOnTheNextBandRepeatTheirLabel) {
    CTask* build = Task("Build", 0);
    CResource* busy = Resource("Busy", 0);
    for (int i = 0; i < 45; ++i) Bar(busy, build, 7, 7);
    Bar(Resource("Next", 1), build, 8, 8);
    CSchedulePrintRenderer report(Context());
    ASSERT_EQ(Print(report), 0);
    ASSERT_EQ(document->GetPageCount(), 2);
    EXPECT_TRUE(Shows(1, "Busy"));
    EXPECT_FALSE(Shows(1, "Busy (continued)"));
    EXPECT_TRUE(Shows(2, "Busy (continued)"));
    EXPECT_TRUE(Shows(2, "Next"));
    EXPECT_FALSE(Shows(2, "Next (continued)"));
    EXPECT_EQ(BarFills(1).size() + BarFills(2).size(), 46u);
}

// Every band of lines has pages of its own: with two pages across, the
// bars of the lines of the first band stand on pages 1 and 2, those of the
// second band on pages 3 and 4, each within its page's body.
TEST_F(ScheduleReportTest, BarsOfEachBandStandOnThatBandsPages) {
    CTask* build = Task("Build", 0);
    CResource* busy = Resource("Busy", 0);
    for (int i = 0; i < 45; ++i) Bar(busy, build, 9, 12);   // one line each, across both pages
    Bar(Resource("Next", 1), build, 9, 12);
    settings.Set("ReportsSchedulePages", "2");
    CSchedulePrintRenderer report(Context());
    ASSERT_EQ(Print(report), 0);
    ASSERT_EQ(document->GetPageCount(), 4);

    const std::size_t firstBand = BarFills(1).size();
    EXPECT_GT(firstBand, 0u);
    EXPECT_LT(firstBand, 46u);
    EXPECT_EQ(BarFills(2).size(), firstBand);
    EXPECT_EQ(BarFills(3).size(), 46 - firstBand);
    EXPECT_EQ(BarFills(4).size(), 46 - firstBand);
    for (int page = 1; page <= 4; ++page) {
        for (const doc::FillOp& bar : BarFills(page)) {
            EXPECT_GE(bar.box.y, report.bodyTop) << page;
            EXPECT_LE(bar.box.Bottom(), report.bodyBottom) << page;
        }
    }
    EXPECT_TRUE(Shows(3, "Next"));
    EXPECT_FALSE(Shows(1, "Next"));
}

// Settings out of range are clamped: pages across, the label column, the
// tallest line, a period of nine thousand years.
TEST_F(ScheduleReportTest, SettingsOutOfRangeAreClamped) {
    CTask* build = Task("Build", 0);
    for (int i = 0; i < 3; ++i) Bar(Resource(("R" + std::to_string(i)).c_str(), i), build, 7, 8);
    struct Case {
        const char* name;
        std::map<std::string, std::string> settings;
        int pages;
        int divider;   // x of the label column's divider; -1 none
    };
    const int halfPage = (2100 - 200) / 2;
    const Case cases[] = {
        {"no pages across", {{"ReportsSchedulePages", "0"}}, 1, 400},
        {"negative pages across", {{"ReportsSchedulePages", "-7"}}, 1, 400},
        {"more pages than columns", {{"ReportsSchedulePages", "10000"}}, 10, 400},
        {"label wider than the page", {{"ReportsSchedulePrinterWidthLabelColumn", "5000"}}, 1, halfPage},
        {"no label column", {{"ReportsSchedulePrinterWidthLabelColumn", "-3"}}, 1, -1},
        {"the tallest line, one to a page",
         {{"ReportsSchedulePrinterLabelFontSize", "20000"}, {"ReportsSchedulePrinterLabelHeightRowFactor", "20000"}},
         3,
         400},
        {"nine thousand years by the hour",
         {{"ViewScheduleBaseUnit", "1"}, {"ReportsScheduleDateRangeFixed", "1"},
          {"ReportsScheduleDateRangeFixedStartDate", "10010101"}, {"ReportsScheduleDateRangeFixedEndDate", "99991231"},
          {"ReportsSchedulePages", "10000"}},
         100, 400},
    };
    for (const Case& c : cases) {
        reports_test::Settings saved = settings;
        for (const auto& [key, value] : c.settings) settings.Set(key, value);
        document = doc::testing::MakeDocument(kPaper);
        const auto start = std::chrono::steady_clock::now();
        CSchedulePrintRenderer report(Context());
        EXPECT_EQ(Print(report), 0) << c.name;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20)) << c.name;
        EXPECT_EQ(document->GetPageCount(), c.pages) << c.name;
        std::set<int> dividers;
        for (const doc::LineOp& line : OpsOn<doc::LineOp>(*document, 1))
            if (line.pen.width == report.thickLinesWidth && line.x1 == line.x2) dividers.insert(line.x1);
        EXPECT_EQ(dividers, c.divider < 0 ? std::set<int>{} : std::set<int>{c.divider}) << c.name;
        settings = saved;
    }
}

// A period whose columns would be narrower than the output's unit (a
// hundredth of a centimetre printed, a pixel in HTML) is refused: nothing
// is printed or written and the column count is kept for the message.
// More pages across make it fit.
TEST_F(ScheduleReportTest, PeriodsTooWideForThePageAreRefused) {
    Bar(Resource("Anna", 0), Task("Build", 0), 7, 8);
    struct Case {
        const char* name;
        bool html;
        const char* base;   // "ViewScheduleBaseUnit"
        const char* last;   // the fixed range's end date, from 1 January 2025
        const char* pages;
        int result;
        int columns;
    };
    const Case cases[] = {
        {"hours over four months", false, "3", "20250501", "1", CScheduleReport::kPeriodTooWide, 2880},
        {"the same on two pages across", false, "3", "20250501", "2", 0, 2880},
        {"nine thousand years by the day", false, "4", "99991231", "1", CScheduleReport::kPeriodTooWide,
         CScheduleReport::kMaxColumns},
        {"hours over two months in HTML", true, "3", "20250301", "1", CScheduleReport::kPeriodTooWide, 1416},
        {"hours over one month in HTML", true, "3", "20250201", "1", 0, 744},
        {"the two months on two pages", true, "3", "20250301", "2", 0, 1416},
    };
    settings.Set("ReportsScheduleDateRangeFixed", "1");
    settings.Set("ReportsScheduleDateRangeFixedStartDate", "20250101");
    settings.Set("ViewScheduleNonWorkingTimeHide", "0");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        settings.Set("ViewScheduleBaseUnit", c.base);
        settings.Set("ReportsScheduleDateRangeFixedEndDate", c.last);
        settings.Set("ReportsSchedulePages", c.pages);
        if (c.html) {
            const std::string path = dir.File(std::string(c.name) + ".html");
            CScheduleHtmlRenderer page(Context());
            EXPECT_EQ(page.Render(path), c.result);
            EXPECT_EQ(page.columnCount, c.columns);
            EXPECT_EQ(plat::GetPathKind(path) == plat::PathKind::File, c.result == 0);
            if (c.result != 0) {
                EXPECT_TRUE(page.WrittenFiles().empty());
            }
        } else {
            document = doc::testing::MakeDocument(kPaper);
            CSchedulePrintRenderer report(Context());
            EXPECT_EQ(Print(report), c.result);
            EXPECT_EQ(report.columnCount, c.columns);
            if (c.result == 0) {
                EXPECT_TRUE(Shows(1, "Anna"));
            }
        }
    }
}

// Settings far outside their range come within one that still draws; a
// font size factor that is no number is taken as 1.
TEST_F(ScheduleReportTest, HtmlSizesFarOutOfRangeAreClamped) {
    struct Case {
        const char* key;
        const char* value;
        int timeBar, label, booking, minimumBar;
    };
    const Case cases[] = {
        {"ViewFontSizeFactor", "NaN", 70, 100, 77, 3},
        {"ViewFontSizeFactor", "1e300", 700, 720, 720, 3},
        {"ViewFontSizeFactor", "-1e300", 7, 10, 7, 3},
        {"ReportsScheduleHtmlTimebarFontSize", "16500000", 720, 100, 77, 3},
        {"ReportsScheduleHtmlTimebarFontSize", "-2147483648", 1, 100, 77, 3},
        {"ReportsScheduleHtmlColumnWidthMin", "2147483647", 70, 100, 77, 1000},
        {"ReportsScheduleHtmlColumnWidthMin", "-1", 70, 100, 77, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + c.value);
        const reports_test::Settings saved = settings;
        settings.Set(c.key, c.value);
        const CScheduleHtmlRenderer page(Context());
        EXPECT_EQ(page.timeBarFontSize, c.timeBar);
        EXPECT_EQ(page.labelFontSize, c.label);
        EXPECT_EQ(page.bookingFontSize, c.booking);
        EXPECT_EQ(page.minimumBarWidth, c.minimumBar);
        settings = saved;
    }
}

// The rows follow the view that is active, and the groups it collapsed
// stay collapsed; ids of groups that are gone are skipped.
TEST_F(ScheduleReportTest, RowsFollowTheActiveViewAndItsCollapsedGroups) {
    CResourceGroup* team = AddResourceGroup("Team");
    CResource* anna = Resource("Anna", 0, team);
    CTaskGroup* phase = AddTaskGroup("Phase");
    CTask* build = Task("Build", 0, phase);
    Bar(anna, build, 7, 7);
    const std::string teamId = std::to_string(team->id), phaseId = std::to_string(phase->id);
    struct Case {
        const char* active;
        const char* collapsedResources;
        const char* collapsedTasks;
        std::vector<std::string> shown;
        std::vector<std::string> hidden;
    };
    const Case cases[] = {
        {"0", "", "", {"Resources", "Team", "Anna", "Build"}, {"Tasks", "Phase"}},
        {"1", "", "", {"Tasks", "Phase", "Build", "Anna"}, {"Resources", "Team"}},
        {"0", "99999 x", "", {"Team", "Anna"}, {}},
        {"2", "", "", {"Resources", "Anna"}, {"Tasks"}},
    };
    for (const Case& c : cases) {
        settings.Set("ViewActive", c.active);
        settings.Set("ViewGroupsCollapsedResources", c.collapsedResources);
        settings.Set("ViewGroupsCollapsedTasks", c.collapsedTasks);
        document = doc::testing::MakeDocument(kPaper);
        CSchedulePrintRenderer report(Context());
        ASSERT_EQ(Print(report), 0);
        for (const std::string& text : c.shown) EXPECT_TRUE(Shows(1, text)) << c.active << " " << text;
        for (const std::string& text : c.hidden) EXPECT_FALSE(Shows(1, text)) << c.active << " " << text;
    }
    for (const auto& [active, key, group, member] :
         {std::tuple{"0", "ViewGroupsCollapsedResources", teamId, "Anna"},
          std::tuple{"1", "ViewGroupsCollapsedTasks", phaseId, "Build"}}) {
        settings.Set("ViewActive", active);
        settings.Set(key, "424242 " + group);
        document = doc::testing::MakeDocument(kPaper);
        CSchedulePrintRenderer report(Context());
        ASSERT_EQ(Print(report), 0);
        EXPECT_FALSE(Shows(1, member)) << key;
        settings.Set(key, "");
    }
}

TEST_F(ScheduleReportTest, TitleFromTheSettings) {
    const std::pair<std::map<std::string, std::string>, std::string> cases[] = {
        {{}, "Schedule"},
        {{{"ReportsScheduleTitle", "Week 2"}}, "Week 2"},
        {{{"ReportsScheduleTitle", "Week 2"}, {"ReportsScheduleTitleEmpty", "1"}}, ""},
    };
    for (const auto& [values, title] : cases) {
        reports_test::Settings local;
        for (const auto& [key, value] : values) local.Set(key, value);
        EXPECT_EQ(CScheduleReport::GetTitle(local.Getter()), title);
    }
}

// The HTML page of the week: valid, with images cut to the largest image
// size, each image a valid PNG, and only the first carrying the time bar.
TEST_F(ScheduleReportTest, HtmlPagesAndImagesPassTheCheckers) {
    CTask* build = Task("Build <&>", 0);
    for (int i = 0; i < 12; ++i) Bar(Resource(("Worker " + std::to_string(i)).c_str(), i), build, 6 + i % 5, 8 + i % 5);
    for (const char* sizeMax : {"4000000", "60000"}) {
        settings.Set("ReportsHtmlImageSizeMax", sizeMax);
        CScheduleHtmlRenderer page(Context());
        const std::string path = dir.File("week" + std::string(sizeMax) + ".html");
        ASSERT_EQ(page.Render(path), 0) << sizeMax;
        EXPECT_EQ(reports_test::HtmlProblems(path), "") << sizeMax;
        ASSERT_GE(page.imageCount, 1) << sizeMax;
        ASSERT_EQ(page.WrittenFiles().size(), static_cast<std::size_t>(page.imageCount) + 1) << sizeMax;
        int totalHeight = 0;
        int width = 0;
        for (int i = 0; i < page.imageCount; ++i) {
            const std::string& png = page.WrittenFiles()[static_cast<std::size_t>(i)];
            EXPECT_EQ(reports_test::PngProblems(png), "") << png;
            const QImage image(QString::fromStdString(png));
            ASSERT_FALSE(image.isNull()) << png;
            EXPECT_LE(static_cast<long long>(image.width()) * image.height(), std::stoll(sizeMax)) << png;
            width = image.width();
            totalHeight += image.height();
        }
        const int lines = 12;   // one a worker
        const int perImage = LinesPerImage(std::stoi(sizeMax), width, 2 * page.barRowHeight, page.lineHeight);
        EXPECT_EQ(page.imageCount, (lines - 1) / perImage + 1) << sizeMax;
        if (std::string(sizeMax) == "60000") {
            EXPECT_GT(page.imageCount, 2);
        }
        EXPECT_EQ(totalHeight, 2 * page.barRowHeight + lines * page.lineHeight) << sizeMax;
    }
}

// What cannot be written is said and leaves nothing under the final name.
TEST_F(ScheduleReportTest, HtmlToAPlaceThatCannotBeWrittenFails) {
    Bar(Resource("Anna", 0), Task("Build", 0), 7, 8);
    const std::string cases[] = {
        dir.File("missing/folder/week.html"),
        dir.File(std::string(300, 'w') + ".html"),
    };
    for (const std::string& path : cases) {
        CScheduleHtmlRenderer page(Context());
        EXPECT_EQ(page.Render(path), 1) << path;
        EXPECT_NE(page.LastError(), "") << path;
        EXPECT_TRUE(page.WrittenFiles().empty()) << path;
        EXPECT_NE(plat::GetPathKind(path), plat::PathKind::File) << path;
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 0);
}

// The image of a week shows the bars where the schedule view paints them:
// the chart part of the image is the view's painting of the same columns,
// pixel for pixel.
TEST_F(ScheduleReportTest, ImageOfAWeekIsTheViewsPaintingOfIt) {
    settings.Set("ViewVisibleDateLast", "20250113");
    settings.Set("ViewScheduleNonWorkingTimeHide", "0");
    settings.Set("ViewBkColorSaturday", "#e0e0ff");
    CTask* build = Task("Build", 0);
    CTask* test = Task("Test", 1);
    CResource* anna = Resource("Anna", 0);
    Bar(anna, build, 6, 8);
    Bar(anna, test, 7, 10);
    Bar(Resource("Ben", 1), test, 9, 12);
    CScheduleHtmlRenderer page(Context());
    const std::string path = dir.File("week.html");
    ASSERT_EQ(page.Render(path), 0);
    ASSERT_EQ(page.imageCount, 1);
    const QImage png = QImage(QString::fromStdString(dir.File("week.png"))).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(png.isNull());

    // The view's chart painting, on a model of the same settings and columns.
    CScheduleModel view(Context());
    view.LoadSettings();
    view.BuildDayTable();
    view.markToday = false;
    view.columnWidth = page.columnWidth;
    view.minimumBarWidth = page.minimumBarWidth;
    view.LayoutRows(page.PeriodStart(), 7);
    ASSERT_EQ(view.GetTotalLines(), 3);
    const int top = 2 * page.barRowHeight;
    const int left = page.htmlLabelWidth;
    const ui::Rect client{0, 0, 7 * page.columnWidth, 3 * page.lineHeight};
    ASSERT_EQ(png.width(), left + client.right);
    QImage chart(client.right, client.bottom, QImage::Format_RGB32);
    {
        QPainter painter(&chart);
        QelDC dc(painter);
        dc.SelectFont(CreatePointFont(CScheduleHtmlRenderer::kDpi, page.bookingFontSize, page.fontFace, 400));
        PaintScheduleChart(dc, view, {client, 0, page.lineHeight, page.barHeight}, client);
    }
    // Inside the image's border, which the view does not have.
    int differing = 0;
    for (int y = 0; y < client.bottom - 1; ++y)
        for (int x = 0; x < client.right - 1; ++x)
            if (png.pixel(left + x, top + y) != chart.pixel(x, y)) ++differing;
    EXPECT_EQ(differing, 0);
    // And the bars lie in the columns of their days.
    for (int line = 0; line < view.GetTotalLines(); ++line)
        for (const ScheduleBar& bar : page.BarsOfLine(line)) {
            const int day = CDate::FromJulianDay(bar.booking->startDay).GetDay();
            EXPECT_EQ(bar.left / page.columnWidth, day - 6) << bar.booking->task->name;
        }
}

TEST(ScheduleReportValuesTest, LabelWidthKeepsItsValueThroughTheDialog) {
    for (int stored : {0, 1, 409, 410, 500, 1233, 1234, 2970}) {
        for (bool metric : {true, false})
            EXPECT_EQ(LabelWidthStored(LabelWidthShown(stored, metric), metric), stored) << stored << " " << metric;
    }
    EXPECT_DOUBLE_EQ(LabelWidthShown(500, true), 5.0);
    EXPECT_NEAR(LabelWidthShown(508, false), 2.0, 1e-9);
    EXPECT_EQ(LabelWidthStored(4.1, true), 410);
}

// A fixed range by the day is stored as ending at 0:00 after its last
// day and shows that day again, so saving twice changes nothing; a range
// that ends before it starts is refused.
TEST(ScheduleReportValuesTest, FixedRangesRoundTripAndReversedOnesAreRefused) {
    reports_test::ReportEnvironment environment;
    struct Case {
        const char* baseUnit;
        const char* start;
        const char* end;
        int startTime;
        int endTime;
        bool valid;
        const char* storedEnd;
        int storedEndTime;
    };
    const Case cases[] = {
        {"4", "20250106", "20250110", 0, 0, true, "20250111", 0},
        {"4", "20250106", "20250106", 0, 0, true, "20250107", 0},     // one day
        {"6", "20250106", "20250105", 0, 0, false, "", 0},
        {"2", "20250106", "20250106", 480, 1020, true, "20250106", 1020},
        {"2", "20250106", "20250106", 600, 600, false, "", 0},
        {"2", "20250107", "20250106", 0, 1020, false, "", 0},
    };
    for (const Case& c : cases) {
        reports_test::Settings settings;
        settings.Set("ViewScheduleBaseUnit", c.baseUnit);
        ScheduleReportSettingsValues values;
        values.Load(settings.Getter(), true);
        values.fixedRange = true;
        values.rangeStart = TextToDate(c.start, CDate());
        values.rangeEnd = TextToDate(c.end, CDate());
        values.startTime = c.startTime;
        values.endTime = c.endTime;
        ASSERT_EQ(values.RangeValid(), c.valid) << c.baseUnit << " " << c.start << "-" << c.end;
        if (!c.valid) continue;
        const SettingSetter set = [&](std::string_view key, std::string_view value) {
            settings.Set(std::string(key), std::string(value));
        };
        values.Store(set);
        EXPECT_EQ(settings.Getter()("ReportsScheduleDateRangeFixedEndDate"), c.storedEnd) << c.start;
        EXPECT_EQ(settings.Getter()("ReportsScheduleTimeRangeFixedEndTime"), std::to_string(c.storedEndTime));
        ScheduleReportSettingsValues again;
        again.Load(settings.Getter(), true);
        EXPECT_EQ(again.rangeStart, values.rangeStart);
        EXPECT_EQ(again.rangeEnd, values.rangeEnd) << c.start << "-" << c.end;
        again.Store(set);
        EXPECT_EQ(settings.Getter()("ReportsScheduleDateRangeFixedEndDate"), c.storedEnd) << "saved twice";
    }
}

}  // namespace
