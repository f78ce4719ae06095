// The printed booking list's table on a document with fixed text metrics:
// where its columns stand for each date format, what the totals row joins,
// and the space around a group's title row.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "booking_list_fixture.h"
#include "reports/booking_list_print.h"
#include "tests/fixed_backend.h"

namespace {

using doc::testing::OpsOn;

const doc::Paper kPaper{2100, 2970, {0, 0, 0, 0}};

struct Placed {
    int x = -1;
    int right = -1;
    int y = -1;
};

class BookingListPrintTest : public BookingListReportTest {
protected:
    BookingListPrintTest() {
        anna = Resource("Anna", 0);
        ben = Resource("Ben", 1);
        build = Task("Build", 0);
        first = AddBooking(anna, build, Day(6), 540, Day(7), 600, "first note");   // dates differ in every format
        AddBooking(anna, build, Day(7), 540, Day(7), 660, "second note");
        AddBooking(ben, build, Day(8), 540, Day(8), 600, "");
        settings.Set("ReportsBookingListShowHeader", "0");
        settings.Set("ReportsBookingListShowFooter", "0");
    }

    // Fills a fresh document with the list.
    void Print(CBookingListPrint& report) {
        report.BuildModel(Context());
        document = doc::testing::MakeDocument(kPaper);
        ASSERT_EQ(report.Print(*document, nullptr, nullptr), 0);
    }

    // The first line of the first page with this text: its left and right
    // edge and its top.
    Placed Find(const std::string& text) const {
        doc::FixedTextMeasure measure;
        for (const doc::TextOp& op : OpsOn<doc::TextOp>(*document, 1))
            for (const doc::TextLine& line : op.lines)
                if (line.text == text) return {line.x, line.x + measure.Width(op.font, line.text), line.y};
        ADD_FAILURE() << "no text " << text;
        return {};
    }

    CResource* anna = nullptr;
    CResource* ben = nullptr;
    CTask* build = nullptr;
    CBooking* first = nullptr;
    std::unique_ptr<doc::ReportDocument> document;
};

// Columns of relative widths 1 (indent), 3.5 (item), 4.5 (notes), the two
// dates at 3.5, 3, 2.5 or 2 by date format, 1.5 (duration), over the page.
// The totals row joins the columns from the item to the end date, so
// "Total:" ends where the end dates do and the total where the durations do.
TEST_F(BookingListPrintTest, ColumnsFollowTheDateFormatAndTotalsSpanToTheEndDate) {
    for (const bool notes : {false, true}) {
        for (const auto& [format, dateWidth] : {std::pair{1, 3.5}, {2, 3.0}, {3, 2.5}, {4, 2.0}}) {
            SCOPED_TRACE(std::string(notes ? "notes, " : "") + "date format " + std::to_string(format));
            settings.Set("ReportsBookingListDateShowNotes", notes ? "1" : "0");
            settings.Set("ReportsBookingListDateFormat", std::to_string(format));
            CBookingListPrint report(settings.Getter());
            ASSERT_NO_FATAL_FAILURE(Print(report));

            std::vector<double> relative = {1.0, 3.5};
            if (notes) relative.push_back(4.5);
            relative.insert(relative.end(), {dateWidth, dateWidth, 1.5});
            double sum = 0;
            for (double r : relative) sum += r;
            std::vector<int> rightEdges;
            int edge = 0;
            for (double r : relative) rightEdges.push_back(edge += static_cast<int>(r / sum * report.pageWidth));
            const std::size_t endColumn = relative.size() - 2;

            const int indent = Find("Build").x - rightEdges[0];
            EXPECT_GT(indent, 0);
            const Placed end = Find(report.FormatEnd(*first));
            const Placed duration = Find(report.groups[0].bookings[0].duration);
            EXPECT_EQ(end.right, rightEdges[endColumn] - indent);
            EXPECT_EQ(duration.right, rightEdges.back() - indent);
            EXPECT_EQ(Find("Total:").right, end.right);
            EXPECT_EQ(Find(report.groups[0].total).right, duration.right);
            if (notes) {
                EXPECT_EQ(Find("first note").x, rightEdges[1] + indent);
            }
        }
    }
}

// A group's title row has the table subtitle spaces before and after it.
TEST_F(BookingListPrintTest, GroupTitlesTakeTheSubtitleSpaces) {
    struct Gaps {
        int afterTitle;    // from Anna's title to her first booking
        int beforeTitle;   // from Anna's totals to Ben's title
    };
    const auto measure = [&](const char* before, const char* after) {
        settings.Set("ReportsPrinterTableSubtitleSpaceBefore", before);
        settings.Set("ReportsPrinterTableSubtitleSpaceAfter", after);
        CBookingListPrint report(settings.Getter());
        Print(report);
        return Gaps{Find("Build").y - Find("Anna").y, Find("Ben").y - Find("Total:").y};
    };
    const Gaps none = measure("0", "0");
    const Gaps some = measure("200", "70");
    EXPECT_EQ(some.afterTitle - none.afterTitle, 70);
    EXPECT_EQ(some.beforeTitle - none.beforeTitle, 200);
}

}  // namespace
