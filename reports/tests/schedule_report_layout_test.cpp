#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "reports/schedule_report_layout.h"

namespace {

TEST(ScheduleReportLayoutTest, ColumnsSpreadOverThePagesAcross) {
    struct Case {
        int columns;
        int pages;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {10, 3, {4, 3, 3}},
        {10, 1, {10}},
        {10, 0, {10}},            // no pages across prints one
        {10, -4, {10}},
        {3, 10, {1, 1, 1}},       // never a page without a column
        {10, 10000, std::vector<int>(10, 1)},
        {11, 4, {3, 3, 3, 2}},
        {0, 3, {}},
        {-1, 3, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitColumns(c.columns, c.pages), c.expected) << c.columns << " on " << c.pages;
}

TEST(ScheduleReportLayoutTest, LabelColumnsAreAtMostHalfTheWidth) {
    struct Case {
        int setting;
        int width;
        int printed;
        int html;
    };
    const Case cases[] = {
        {400, 1900, 400, 400},
        {5000, 1900, 950, 950},
        {951, 1901, 950, 950},
        {-20, 1900, 0, 0},
        {400, 0, 0, 0},
        {400, -10, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ScheduleLabelWidth(c.setting, c.width), c.printed) << c.setting << " of " << c.width;
        EXPECT_EQ(ScheduleHtmlLabelWidth(c.setting, c.width), c.html) << c.setting << " of " << c.width;
    }
}

TEST(ScheduleReportLayoutTest, LinesPagesAndBands) {
    EXPECT_EQ(LinesPerPage(2000, 67), 29);
    EXPECT_EQ(LinesPerPage(60, 67), 1);     // a line taller than the body still prints, one a page
    EXPECT_EQ(LinesPerPage(-50, 67), 1);
    EXPECT_EQ(LinesPerPage(2000, 0), 0);    // nothing can be laid out
    const int bands[][3] = {{0, 29, 1}, {1, 29, 1}, {29, 29, 1}, {30, 29, 2}, {58, 29, 2}, {59, 29, 3}, {5, 1, 5}};
    for (const auto& [lines, perPage, expected] : bands)
        EXPECT_EQ(BandCount(lines, perPage), expected) << lines << " lines, " << perPage << " a page";
}

TEST(ScheduleReportLayoutTest, BarsAreCutAtPageEdges) {
    const std::vector<int> columns = {4, 3, 3};   // 40 units a column: pages at 0, 160, 280
    struct Case {
        const char* name;
        int left;
        int right;
        std::vector<BarPart> expected;
    };
    const Case cases[] = {
        {"inside the first page", 10, 50, {{0, 10, 41}}},
        {"across the first edge", 150, 170, {{0, 150, 10}, {1, 0, 11}}},
        {"over all pages", -30, 500, {{0, 0, 160}, {1, 0, 120}, {2, 0, 120}}},
        {"on the last unit of a page", 159, 159, {{0, 159, 1}}},
        {"on the first unit of a page", 160, 160, {{1, 0, 1}}},
        {"beyond the last page", 400, 420, {}},
        {"before the first page", -20, -1, {}},
    };
    for (const Case& c : cases) {
        const std::vector<BarPart> parts = ClipBarToPages(c.left, c.right, columns, 40);
        ASSERT_EQ(parts.size(), c.expected.size()) << c.name;
        for (std::size_t i = 0; i < parts.size(); ++i) {
            EXPECT_EQ(parts[i].page, c.expected[i].page) << c.name;
            EXPECT_EQ(parts[i].left, c.expected[i].left) << c.name;
            EXPECT_EQ(parts[i].width, c.expected[i].width) << c.name;
        }
    }
    EXPECT_TRUE(ClipBarToPages(0, 10, columns, 0).empty());
}

TEST(ScheduleReportLayoutTest, LabelsRepeatOnlyWhereARowContinuesOnANewBand) {
    struct Case {
        int lineInRow;
        bool firstOfBand;
        const char* expected;
    };
    const Case cases[] = {
        {0, false, "Anna"},
        {0, true, "Anna"},                 // a row that starts a band is not continued
        {1, false, ""},
        {3, true, "Anna (continued)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BandLineLabel("Anna", c.lineInRow, c.firstOfBand, " (continued)"), c.expected)
            << c.lineInRow << " " << c.firstOfBand;
}

TEST(ScheduleReportLayoutTest, ImagesStayWithinTheLargestSize) {
    EXPECT_EQ(ScheduleImageWidth(1, 1000, 4000000, 60), 1000);
    EXPECT_EQ(ScheduleImageWidth(3, 1000, 4000000, 60), 3000);
    EXPECT_EQ(ScheduleImageWidth(10000, 1000, 4000000, 60), 66666);
    EXPECT_EQ(ScheduleImageWidth(1, 1000, 4000000, 0), 1000);
    // Pages times width beyond 32 bits, and no time bar or line to limit it.
    EXPECT_EQ(ScheduleImageWidth(100000, 100000, 4000000, 0), INT_MAX);
    EXPECT_LE(ScheduleImageWidth(1, -5, 4000000, 60), 0);

    EXPECT_EQ(LinesPerImage(4000000, 1000, 40, 30), 132);
    EXPECT_EQ(LinesPerImage(1000, 1000, 40, 30), 1);   // smaller than a time bar: one line still
    EXPECT_EQ(LinesPerImage(4000000, 0, 40, 30), 1);
}

}  // namespace
