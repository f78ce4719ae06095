// A program without a GUI application (a plugin's own tests, say) still
// gets a working document: text is measured with fixed metrics.

#include <gtest/gtest.h>

#include "qt_device.h"
#include "report_document_impl.h"

namespace doc {
namespace {

TEST(HeadlessTest, TextIsMeasuredWithFixedMetrics) {
    ReportDocument document(std::make_unique<QtDevice>());
    document.BeginPrinting(nullptr, nullptr);
    EXPECT_EQ(document.GetPageWidth(), 2100);
    int cx = 0;
    int cy = 0;
    document.GetTextExtent(&cx, &cy, "abcd");
    EXPECT_EQ(cx, 4 * 18);
    EXPECT_EQ(cy, 42);

    ASSERT_EQ(document.AddTable(0, 0, 1000, 2970, 0), 0);
    const int widths[] = {1000};
    for (int i = 0; i < 100; ++i) document.SetColumnWidths(kReportRowData, 1, widths);
    EXPECT_EQ(document.EndTable(), 0);
    EXPECT_EQ(document.GetPageCount(), 2);  // 70 rows of 42 fit a page
}

}  // namespace
}  // namespace doc
