// The exports of a plan: the resource and task lists, the booking list, and
// the export command's choice applied to them.

#include <gtest/gtest.h>

#include "booking_list_fixture.h"
#include "export_support.h"
#include "reports/delimited_export.h"
#include "reports/settings_dialogs.h"
#include "testing/temp_directory.h"

namespace {

using testing::ReadFile;
using Lines = std::vector<std::string>;

// The file's lines, its title line first.
Lines SplitLines(const std::string& text) {
    Lines lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\r\n") == 0) {
            lines.emplace_back();
            ++i;
        } else {
            lines.back() += text[i];
        }
    }
    return lines;
}

class ExportPlanTest : public BookingListReportTest {
protected:
    SettingSetter Setter() {
        return [this](std::string_view key, std::string_view value) { settings.Set(std::string(key), std::string(value)); };
    }

    // Machines (Crane, Digger) and an ungrouped Anna; tasks Build (in Work)
    // and an ungrouped Test.
    void SmallPlan() {
        machines = Added(root.resourceGroups, "Machines", [](CResourceGroup* g) { g->orderIndex = 0; });
        work = Added(root.taskGroups, "Work", [](CTaskGroup* g) { g->orderIndex = 0; });
        crane = Resource("Crane", 1, machines);
        Begin();
        crane->BeginChange();
        crane->SetDescription("lifts\n40 t");
        root.CommitTransaction();
        digger = Resource("Digger", 0, machines);
        anna = Resource("Anna", 1);
        build = Task("Build", 0, work);
        test = Task("Test", 1);
    }

    CResourceGroup* machines = nullptr;
    CTaskGroup* work = nullptr;
    CResource *crane = nullptr, *digger = nullptr, *anna = nullptr;
    CTask *build = nullptr, *test = nullptr;
    testing::TempDirectory dir;
};

TEST_F(ExportPlanTest, ItemListsInTreeOrderWithGroupsAndDescriptions) {
    SmallPlan();
    CFilter* filter = root.filters->Create();
    filter->SetExcludedResources(&anna, 1);
    struct Case {
        const char* name;
        bool resources;
        const char* filterActive;
        Lines lines;
    };
    const Case cases[] = {
        {"resources", true, "0",
         {"Resource\tResource Group\tDescription", "Digger\tMachines\t", "Crane\tMachines\tlifts 40 t", "Anna\t\t"}},
        {"resources through the public filter", true, "1",
         {"Resource\tResource Group\tDescription", "Digger\tMachines\t", "Crane\tMachines\tlifts 40 t"}},
        {"tasks", false, "0", {"Task\tTask Group\tDescription", "Build\tWork\t", "Test\t\t"}},
    };
    for (const Case& c : cases) {
        settings.Set("ViewFilterActive", c.filterActive);
        CItemListExport file(settings.Getter(), c.resources);
        file.WriteBody(PlanContext{&root, filter, nullptr, settings.Getter()});
        EXPECT_EQ(SplitLines(file.Text()), c.lines) << c.name;
    }
    filter->Delete();
}

// One row per booking, the grouping item first; an end at 24:00 is written
// as 0:00 of the next day, which reads back as the same moment.
TEST_F(ExportPlanTest, BookingRowsFollowTheGrouping) {
    SmallPlan();
    CBooking* first = AddBooking(crane, build, Day(6), 540, Day(6), 720, "north\tgate");
    Begin();
    first->BeginChange();
    first->color1 = 0x00FF8000;   // blue 255, green 128, red 0
    first->color2 = 0x000000FF;
    first->flag = 0;
    root.CommitTransaction();
    AddBooking(anna, test, Day(7), 900, Day(8), 1440);
    struct Case {
        const char* name;
        const char* byResources;
        Lines lines;
    };
    const Case cases[] = {
        {"by resources", "1",
         {"Resource\tGroup Resource\tTask\tGroup Task\tStart Date\tStart Time\tEnd Date\tEnd Time\tDuration\tNotes\t"
          "Flag\tColor Text\tColor Background",
          "Crane\tMachines\tBuild\tWork\t1/6/2025\t9:00 AM\t1/6/2025\t12:00 PM\t180 min\tnorth gate\t0\t0 128 255\t"
          "255 0 0",
          "Anna\t\tTest\t\t1/7/2025\t3:00 PM\t1/9/2025\t12:00 AM\t660 min\t\t1\t0 0 0\t255 255 255"}},
        {"by tasks", "0",
         {"Task\tGroup Task\tResource\tGroup Resource\tStart Date\tStart Time\tEnd Date\tEnd Time\tDuration\tNotes\t"
          "Flag\tColor Text\tColor Background",
          "Build\tWork\tCrane\tMachines\t1/6/2025\t9:00 AM\t1/6/2025\t12:00 PM\t180 min\tnorth gate\t0\t0 128 255\t"
          "255 0 0",
          "Test\t\tAnna\t\t1/7/2025\t3:00 PM\t1/9/2025\t12:00 AM\t660 min\t\t1\t0 0 0\t255 255 255"}},
    };
    for (const Case& c : cases) {
        settings.Set("ReportsBookingListGroupByResources", c.byResources);
        CBookingListExport file(settings.Getter());
        file.WriteBody(Context());
        EXPECT_EQ(SplitLines(file.Text()), c.lines) << c.name;
    }
}

// The command's choice: the dialog's range and the active view's grouping
// hold for the run only; the booking list's own settings stay as they were.
TEST_F(ExportPlanTest, ChosenExportUsesTheDialogRangeAndKeepsTheBookingListSettings) {
    SmallPlan();
    AddBooking(crane, build, Day(2), 540, Day(2), 600);
    AddBooking(digger, test, Day(20), 540, Day(20), 600);
    AddBooking(anna, build, Day(21), 540, Day(21), 600);
    const std::map<std::string, std::string> kept = {
        {"ReportsBookingListDateRangeFixed", "0"},
        {"ReportsBookingListDateRangeFixedStart", "20250101"},
        {"ReportsBookingListDateRangeFixedEnd", "20250103"},
        {"ReportsBookingListGroupByResources", "1"},
    };
    for (const auto& [key, value] : kept) settings.Set(key, value);
    settings.Set("ViewActive", "1");
    settings.Set("ReportsExportUseLocalizedDate", "0");

    ExportChoice choice{2, CDate(20, 1, 2025), CDate(21, 1, 2025), dir.File("bookings.csv")};
    ASSERT_EQ(ExportChosen(Context(), Setter(), choice), CExportFile::kWritten);
    const Lines lines = SplitLines(ReadFile(choice.fileName));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].substr(0, lines[1].find("\t2025")), "Build\tWork\tAnna\t");
    EXPECT_EQ(lines[2].substr(0, lines[2].find("\t2025")), "Test\t\tDigger\tMachines");
    const SettingGetter get = settings.Getter();
    for (const auto& [key, value] : kept) EXPECT_EQ(get(key), value) << key;
    EXPECT_EQ(get("ReportsExportFilename"), choice.fileName);
    EXPECT_EQ(get("ReportsExportSelectionLast"), "2");

    struct ListCase {
        int what;
        const char* title;
    };
    for (const ListCase& c : {ListCase{0, "Resource\t"}, ListCase{1, "Task\t"}}) {
        choice.what = c.what;
        choice.fileName = dir.File("list" + std::to_string(c.what) + ".csv");
        ASSERT_EQ(ExportChosen(Context(), Setter(), choice), CExportFile::kWritten);
        EXPECT_TRUE(ReadFile(choice.fileName).starts_with(c.title)) << c.what;
        EXPECT_EQ(get("ReportsExportSelectionLast"), std::to_string(c.what));
    }
    choice.what = 3;
    choice.fileName = dir.File("nothing.csv");
    EXPECT_EQ(ExportChosen(Context(), Setter(), choice), 0);
    EXPECT_EQ(ReadFile(choice.fileName), "");
}

// The dialog starts on the view's visible range (an end at 0:00 names the
// day before), or on the stored export range when that is switched on.
TEST_F(ExportPlanTest, TheDialogStartsOnTheVisibleOrTheStoredRange) {
    struct Case {
        const char* name;
        std::vector<std::pair<std::string, std::string>> settings;
        CDate start, end;
        int what;
    };
    const Case cases[] = {
        {"visible range", {}, CDate(6, 1, 2025), CDate(12, 1, 2025), 0},
        {"visible range ending at 8:00", {{"ViewVisibleTimeLast", "480"}}, CDate(6, 1, 2025), CDate(13, 1, 2025), 0},
        {"stored range",
         {{"ReportsExportDateRangeReset", "1"}, {"ReportsExportDateRangeStart", "20250201"},
          {"ReportsExportDateRangeEnd", "20250228"}, {"ReportsExportSelectionLast", "2"}},
         CDate(1, 2, 2025), CDate(28, 2, 2025), 2},
    };
    for (const Case& c : cases) {
        reports_test::Settings values{{"ViewVisibleDateFirst", "20250106"}, {"ViewVisibleDateLast", "20250113"}};
        for (const auto& [key, value] : c.settings) values.Set(key, value);
        ExportChoice choice;
        ReadExportStart(values.Getter(), choice);
        EXPECT_EQ(choice.rangeStart, c.start) << c.name;
        EXPECT_EQ(choice.rangeEnd, c.end) << c.name;
        EXPECT_EQ(choice.what, c.what) << c.name;
    }
}

// Python's csv module reads back exactly the plan's records, non-ASCII
// names included, with a tab and no quoting and with ";" and quotes.
TEST_F(ExportPlanTest, PythonReadsThePlansRecordsBack) {
    CResourceGroup* group = Added(root.resourceGroups, "Gr\xC3\xB6\xC3\x9F" "e", [](CResourceGroup* g) { g->orderIndex = 0; });
    CResource* zoe = Resource("Zo\xC3\xAB", 0, group);
    CResource* lukasz = Resource("\xC5\x81ukasz", 1);
    CTask* nihon = Task("\xE6\x97\xA5\xE6\x9C\xAC", 0);
    AddBooking(zoe, nihon, Day(6), 480, Day(6), 600, "caf\xC3\xA9 \xE2\x82\xAC");
    AddBooking(lukasz, nihon, Day(8), 0, Day(9), 30);
    settings.Set("ReportsExportUseLocalizedDate", "0");
    settings.Set("ViewFormatDuration", "1");
    const export_test::Records resources = {
        {"Resource", "Resource Group", "Description"},
        {"Zo\xC3\xAB", "Gr\xC3\xB6\xC3\x9F" "e", ""},
        {"\xC5\x81ukasz", "", ""},
    };
    const export_test::Records bookings = {
        {"Resource", "Group Resource", "Task", "Group Task", "Start Date", "Start Time", "End Date", "End Time",
         "Duration", "Notes", "Flag", "Color Text", "Color Background"},
        {"Zo\xC3\xAB", "Gr\xC3\xB6\xC3\x9F" "e", "\xE6\x97\xA5\xE6\x9C\xAC", "", "20250106", "8:00 AM", "20250106",
         "10:00 AM", "120 min", "caf\xC3\xA9 \xE2\x82\xAC", "1", "0 0 0", "255 255 255"},
        {"\xC5\x81ukasz", "", "\xE6\x97\xA5\xE6\x9C\xAC", "", "20250108", "12:00 AM", "20250109", "12:30 AM",
         "540 min", "", "1", "0 0 0", "255 255 255"},
    };
    for (const auto& [separator, quote] : {std::pair{"\t", ""}, std::pair{";", "\""}}) {
        settings.Set("ReportsExportSeparator", separator);
        settings.Set("ReportsExportDelimiter", quote);
        ExportChoice choice{0, CDate(1, 1, 2025), CDate(31, 1, 2025), dir.File("resources.csv")};
        ASSERT_EQ(ExportChosen(Context(), Setter(), choice), CExportFile::kWritten);
        EXPECT_EQ(export_test::ReadByPython(choice.fileName, separator, quote), resources) << separator;
        choice.what = 2;
        choice.fileName = dir.File("bookings.csv");
        ASSERT_EQ(ExportChosen(Context(), Setter(), choice), CExportFile::kWritten);
        EXPECT_EQ(export_test::ReadByPython(choice.fileName, separator, quote), bookings) << separator;
    }
}

}  // namespace
