#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "reports/print_table.h"
#include "tests/fixed_backend.h"

namespace {

using doc::testing::OpsOn;
using doc::testing::TextsOn;

struct ScaleCase {
    std::vector<double> widths;
    int tableWidth;
    std::vector<double> scaled;
    int sum;
};

TEST(PrintTableTest, ScaleWidthsKeepsProportionsAndTruncatesTheSum) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const ScaleCase cases[] = {
        {{1, 1, 2}, 100, {25, 25, 50}, 100},
        // 33.33 three times: the sum is truncated after every addition.
        {{1, 1, 1}, 100, {100.0 / 3, 100.0 / 3, 100.0 / 3}, 99},
        {{0.5, 0.5}, 3, {1.5, 1.5}, 2},
        {{300, 100}, 2000, {1500, 500}, 2000},
        // Adding up to nothing: not divided, only multiplied.
        {{0, 0}, 500, {0, 0}, 0},
        {{1, -1}, 10, {10, -10}, 0},
        {{}, 100, {}, 0},
        {{nan}, 100, {nan}, 0},
    };
    auto document = doc::testing::MakeDocument({});
    for (const ScaleCase& c : cases) {
        CPrintTable table(*document);
        table.widths = c.widths;
        EXPECT_EQ(table.ScaleWidths(c.tableWidth), c.sum);
        ASSERT_EQ(table.widths.size(), c.scaled.size());
        for (std::size_t i = 0; i < c.scaled.size(); ++i) {
            if (std::isnan(c.scaled[i]))
                EXPECT_TRUE(std::isnan(table.widths[i]));
            else
                EXPECT_NEAR(table.widths[i], c.scaled[i], 1e-9);
        }
    }
}

class PrintTableLayoutTest : public ::testing::Test {
protected:
    std::unique_ptr<doc::ReportDocument> document_ = doc::testing::MakeDocument({2100, 2970, {}});
    CPrintTable table_{*document_};
};

TEST_F(PrintTableLayoutTest, RowsTakeTruncatedWidthsFontsAndLines) {
    ASSERT_EQ(table_.AddTable(100, 200, 1000, 2500, 200), 0);
    table_.widths = {300.9, 500.2};
    const PrintRow header = table_.SetColumnWidths(kReportRowHeader);
    const PrintRow data = table_.SetColumnWidths(kReportRowData);
    EXPECT_EQ(header.kind, kReportRowHeader);
    EXPECT_GT(header.id, 0);
    EXPECT_GT(data.id, 0);
    EXPECT_EQ(table_.SetRowFont(header, 150, true), 0);
    EXPECT_EQ(table_.SetCellText(header, 0, "Resource"), 0);
    EXPECT_EQ(table_.SetCellText(header, 1, "Hours"), 0);
    EXPECT_EQ(table_.SetRowLines(header, kReportLineBottom, 7), 0);
    EXPECT_EQ(table_.SetCellText(data, 0, "Anna"), 0);
    EXPECT_EQ(table_.SetCellText(data, 1, "8:00"), 0);
    EXPECT_EQ(table_.SetCellAlignment(data, 1, kReportAlignRight), 0);
    EXPECT_EQ(table_.SetCellFont(data, 0, 90, false), 0);
    EXPECT_EQ(table_.SetCellLines(data, 1, kReportLineLeft, 4), 0);
    EXPECT_EQ(table_.SetCellOption(data, 0, kReportCellWrap, 0), 0);
    EXPECT_EQ(table_.SetCellText(data, 5, "no such column"), 1);
    ASSERT_EQ(table_.EndTable(), 0);

    const auto texts = TextsOn(*document_, 1);
    const auto at = [&](const std::string& text) {
        for (const auto& t : texts)
            if (t.text == text) return t;
        return doc::testing::PlacedText{-1, -1, ""};
    };
    // Columns start at 100 and 100 + 300 (the truncated width); the cell's
    // text is indented by the default 10.
    EXPECT_EQ(at("Resource").x, 110);
    EXPECT_EQ(at("Hours").x, 410);
    EXPECT_EQ(at("Anna").x, 110);
    // Right-aligned in its 500 units, less the indent.
    EXPECT_EQ(at("8:00").x + 4 * 100 * 18 / 100, 100 + 300 + 500 - 10);

    std::vector<int> fontSizes;
    for (const auto& op : OpsOn<doc::TextOp>(*document_, 1)) fontSizes.push_back(op.font.size);
    EXPECT_NE(std::find(fontSizes.begin(), fontSizes.end(), 150), fontSizes.end());
    EXPECT_NE(std::find(fontSizes.begin(), fontSizes.end(), 90), fontSizes.end());

    std::vector<int> penWidths;
    for (const auto& line : OpsOn<doc::LineOp>(*document_, 1)) penWidths.push_back(line.pen.width);
    EXPECT_NE(std::find(penWidths.begin(), penWidths.end(), 7), penWidths.end());
    EXPECT_NE(std::find(penWidths.begin(), penWidths.end(), 4), penWidths.end());
}

TEST_F(PrintTableLayoutTest, OnlyGroupRowsAreMarkedAndSpansStayInTheRow) {
    ASSERT_EQ(table_.AddTable(0, 0, 1000, 2500, 0), 0);
    table_.widths = {100, 100, 100};
    const PrintRow group = table_.SetColumnWidths(kReportRowGroup);
    const PrintRow data = table_.SetColumnWidths(kReportRowData);
    EXPECT_EQ(table_.MarkGroupRow(group), 0);
    EXPECT_EQ(table_.MarkGroupRow(data), 1);
    EXPECT_EQ(table_.SpanCells(group, 0, 3), 0);
    EXPECT_EQ(table_.SpanCells(data, 2, 2), 1);
    EXPECT_EQ(table_.EndTable(), 0);
    EXPECT_EQ(table_.EndTable(), 1);
}

}  // namespace
