#include <gtest/gtest.h>

#include "booking_list_fixture.h"
#include "reports/report_item_lists.h"

namespace {

using Lines = std::vector<std::string>;

std::vector<std::string> RowNames(const std::vector<ReportItemRow>& rows) {
    std::vector<std::string> names;
    for (const ReportItemRow& row : rows) {
        const std::string group = row.group != nullptr ? row.group->name : "-";
        const std::string item = row.item != nullptr ? row.item->name : "-";
        names.push_back(group + "/" + item);
        EXPECT_EQ(row.unused1, 0);
        EXPECT_EQ(row.unused2, 0);
    }
    return names;
}

// Ungrouped items stand among the groups by order index, members follow
// their group, an empty group stands alone, and without groups the items
// come in order index.
TEST_F(BookingListReportTest, ItemListsFollowTreeOrder) {
    CResourceGroup* first = Added(root.resourceGroups, "G1", [](CResourceGroup* g) { g->orderIndex = 1; });
    Added(root.resourceGroups, "G2", [](CResourceGroup* g) { g->orderIndex = 3; });
    Resource("C", 5, first);
    Resource("B", 2);
    Resource("D", 4, first);
    Resource("E", 4);
    Resource("A", 0);
    Task("t3", 2);
    Task("t1", 0);
    Task("t2", 1);

    std::vector<ReportItemRow> rows(3);
    EXPECT_EQ(BuildResourceItemList(&root, rows), 7);
    EXPECT_EQ(RowNames(rows), (Lines{"-/A", "G1/-", "G1/D", "G1/C", "-/B", "G2/-", "-/E"}));
    EXPECT_EQ(BuildTaskItemList(&root, rows), 3);
    EXPECT_EQ(RowNames(rows), (Lines{"-/t1", "-/t2", "-/t3"}));
    EXPECT_EQ(BuildTaskItemList(nullptr, rows), 0);
    EXPECT_TRUE(rows.empty());
}

struct ModelCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> settings;
    Lines expected;
};

// Anna has two bookings in the visible week, Ben one, Cleo none; a booking
// on the 13th lies just past a visible range that ends at 0:00 of that day;
// one on the 3rd runs into the week and counts from the 6th at 0:00.
TEST_F(BookingListReportTest, ModelEdgeCases) {
    CResource* anna = Resource("Anna", 0);
    CResource* ben = Resource("Ben", 1);
    Resource("Cleo", 2);
    CTask* build = Task("Build", 0);
    CTask* test = Task("Test", 1);
    AddBooking(anna, build, Day(6), 540, Day(6), 720);
    AddBooking(anna, test, Day(7), 600, Day(7), 660);
    AddBooking(ben, build, Day(3), 900, Day(6), 600);
    AddBooking(ben, test, Day(13), 480, Day(13), 540);

    const std::vector<ModelCase> cases = {
        {"visible week without its 0:00 end day", {},
         {"Anna: Build 180 min, Test 60 min, | 240 min", "Ben: Build 120 min,", "Cleo:"}},
        {"visible end later that day includes it", {{"ViewVisibleTimeLast", "600"}},
         {"Anna: Build 180 min, Test 60 min, | 240 min", "Ben: Build 120 min, Test 60 min, | 180 min", "Cleo:"}},
        {"range without bookings lists every item",
         {{"ViewVisibleDateFirst", "20250120"}, {"ViewVisibleDateLast", "20250124"}},
         {"Anna:", "Ben:", "Cleo:"}},
        {"duration off hides every total", {{"ReportsBookingListDateShowDuration", "0"}},
         {"Anna: Build 180 min, Test 60 min,", "Ben: Build 120 min,", "Cleo:"}},
        {"total off", {{"ReportsBookingListDateShowDurationTotal", "0"}},
         {"Anna: Build 180 min, Test 60 min,", "Ben: Build 120 min,", "Cleo:"}},
        {"by tasks", {{"ReportsBookingListGroupByResources", "0"}},
         {"Build: Ben 120 min, Anna 180 min, | 300 min", "Test: Anna 60 min,"}},
        {"fixed range of one day",
         {{"ReportsBookingListDateRangeFixed", "1"}, {"ReportsBookingListDateRangeFixedStart", "20250113"},
          {"ReportsBookingListDateRangeFixedEnd", "20250113"}},
         {"Anna:", "Ben: Test 60 min,", "Cleo:"}},
        {"single visible day ending at 0:00 of the same day stays",
         {{"ViewVisibleDateFirst", "20250107"}, {"ViewVisibleDateLast", "20250107"}},
         {"Anna: Test 60 min,", "Ben:", "Cleo:"}},
    };
    for (const ModelCase& c : cases) {
        reports_test::Settings saved = settings;
        for (const auto& [key, value] : c.settings) settings.Set(key, value);
        CBookingListReport report(true);
        report.BuildModel(Context());
        EXPECT_EQ(Summary(report), c.expected) << c.name;
        settings = saved;
    }
}

TEST_F(BookingListReportTest, RangeAndTitleFromSettings) {
    CDate first, last;
    CBookingListReport::ReadRange(settings.Getter(), first, last);
    EXPECT_EQ(first, CDate(6, 1, 2025));
    EXPECT_EQ(last, CDate(12, 1, 2025));

    EXPECT_EQ(CBookingListReport::ReportTitle(settings.Getter()), "Booking List");
    settings.Set("ReportsBookingListTitle", "Week plan");
    EXPECT_EQ(CBookingListReport::ReportTitle(settings.Getter()), "Week plan");
    settings.Set("ReportsBookingListTitleEmpty", "1");
    EXPECT_EQ(CBookingListReport::ReportTitle(settings.Getter()), "");

    CBookingListReport report(true);
    report.BuildModel(Context());
    EXPECT_EQ(report.subtitle.find('%'), std::string::npos) << report.subtitle;
    EXPECT_NE(report.subtitle.find("2025"), std::string::npos) << report.subtitle;
}

}  // namespace
