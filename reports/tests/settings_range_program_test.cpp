// Settings far outside their range, read from the program's settings file:
// the program starts, draws its three views, prints the schedule, the
// calendar and the booking list and writes the schedule and the calendar as
// HTML. The sanitizer build ends the test at the first undefined operation.

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <filesystem>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "app_ids.h"
#include "main_frame.h"
#include "reports_program_fixture.h"
#include "settings_store.h"

namespace {

using reports_program_test::ReportsProgramTest;

// A number the program reads from its settings, and how many numbers its
// value holds: the indents take four, the units on screen one per base unit.
struct RangeKey {
    const char* name;
    int numbers = 1;
};

// Settings that take their far values together: the sizes of fonts and
// rows, the lengths at their default sizes (so that rows show), and the
// page's header, footer and margins each alone, which at their largest
// together leave a page no body: refused, not a fault.
struct RangeFamily {
    const char* name;
    std::vector<RangeKey> keys;
};

const RangeFamily kFamilies[] = {
    {"Sizes",
     {
         {"ViewScheduleLabelFontSize"},
         {"ViewScheduleTimeBarFontSize"},
         {"ViewScheduleBookingFontSize"},
         {"ViewScheduleLabelHeaderFontFactor"},
         {"ViewScheduleLabelHeightRowFactor"},
         {"ViewScheduleTimeBarHeightRowFactor"},
         {"ViewScheduleBookingHeightRowFactor"},
         {"ViewScheduleHeightRowFactor"},
         {"ViewScheduleUnitsOnScreen", 8},
         {"ViewFontSizeFactor"},
         {"ReportsScheduleHtmlTimebarFontSize"},
         {"ReportsHtmlImageSizeMax"},
         {"ReportsSchedulePrinterTimebarFontSize"},
         {"ReportsSchedulePrinterLabelFontSize"},
         {"ReportsSchedulePrinterBookingFontSize"},
         {"ReportsSchedulePrinterLabelHeightRowFactor"},
         {"ReportsCalendarPrinterFontSizeMonthYear"},
         {"ReportsCalendarPrinterFontSizeWeekday"},
         {"ReportsCalendarPrinterFontSizeDayHeader"},
         {"ReportsCalendarPrinterFontSizeBooking"},
         {"ReportsCalendarPrinterCaptionFontSize"},
         {"ReportsBookingListCaptionPrinterFontSize"},
     }},
    {"Lengths",
     {
         {"ViewScheduleLabelIndent"},
         {"ViewScheduleLabelIndentSubItem"},
         {"ViewScheduleDividerWidth"},
         {"ViewScheduleLabelWidth"},
         {"ReportsScheduleHtmlColumnWidthMin"},
         {"ReportsScheduleHtmlLabelIndent"},
         {"ReportsScheduleHtmlLabelIndentSubitem"},
         {"ReportsSchedulePrinterColumnWidthMin"},
         {"ReportsSchedulePrinterLabelIndent"},
         {"ReportsSchedulePrinterLabelIndentSubitem"},
         {"ReportsSchedulePrinterBookingIndent"},
         {"ReportsSchedulePrinterTimebarIndent"},
         {"ReportsSchedulePrinterBookingLinesWidth"},
         {"ReportsSchedulePrinterThinLinesWidth"},
         {"ReportsSchedulePrinterThickLinesWidth"},
         {"ReportsSchedulePrinterWidthLabelColumn"},
         {"ReportsCalendarHtmlBookingDistance"},
         {"ReportsCalendarPrinterGridLinesWidth"},
         {"ReportsCalendarPrinterBookingLinesWidth"},
         {"ReportsCalendarPrinterBookingIndent"},
         {"ReportsCalendarPrinterCaptionSpaceAfter"},
         {"ReportsCalendarPrinterBookingDistance"},
         {"ReportsBookingListCaptionPrinterDistance"},
         {"ReportsPrinterPenStdWidth"},
         {"ReportsPrinterPenThickWidth"},
         {"ReportsPrinterTableSubtitleSpaceBefore"},
         {"ReportsPrinterTableSubtitleSpaceAfter"},
         {"ReportsPrinterTableGridHorzStdIndent"},
     }},
    {"Header",
     {{"ReportsPrinterHeaderFontSize"}, {"ReportsPrinterHeaderVerticalSpaceBody"}, {"ReportsPrinterHeaderIndent", 4}}},
    {"Footer",
     {{"ReportsPrinterFooterFontSize"}, {"ReportsPrinterFooterVerticalSpaceBody"}, {"ReportsPrinterFooterIndent", 4}}},
    {"Margins",
     {{"ReportsPrinterMarginsLeft"},
      {"ReportsPrinterMarginsRight"},
      {"ReportsPrinterMarginsTop"},
      {"ReportsPrinterMarginsBottom"}}},
};

struct FarValue {
    const char* name;
    const char* text;
};

const FarValue kFarValues[] = {{"IntMin", "-2147483648"}, {"MinusOne", "-1"}, {"Zero", "0"},
                               {"IntMax", "2147483647"},  {"NaN", "NaN"},     {"Huge", "1e300"}};

void PrintTo(const RangeFamily& family, std::ostream* os) { *os << family.name; }
void PrintTo(const FarValue& value, std::ostream* os) { *os << value.text; }

class SettingsRangeProgramTest : public ReportsProgramTest,
                                 public ::testing::WithParamInterface<std::tuple<RangeFamily, FarValue>> {
protected:
    void SetUp() override {
        std::string file;
        for (const RangeKey& key : Keys()) file += std::string(key.name) + "=" + Value(key) + "\n";
        dir.WriteSettings(file);
        dir.Substitute("Views.plugin", QEL_VIEWS_PLUGIN);
        ReportsProgramTest::SetUp();
    }

    static const std::vector<RangeKey>& Keys() { return std::get<0>(GetParam()).keys; }

    static std::string Value(const RangeKey& key) {
        const std::string value = std::get<1>(GetParam()).text;
        std::string values = value;
        for (int i = 1; i < key.numbers; ++i) values += " " + value;
        return values;
    }

    // The view's report previewed, printed, previewed again and written as HTML.
    void PrintAndWrite(unsigned command, const std::string& name) {
        SCOPED_TRACE(name);
        frame->OnCommand(command);
        ASSERT_NE(Preview(), nullptr);
        pdf = out.path() + "/" + name + ".pdf";
        Press(CNewPreviewView::ID_PRINT);
        EXPECT_TRUE(std::filesystem::is_regular_file(pdf));
        if (command == app_ids::ID_REPORT_GLOBAL) return;
        frame->OnCommand(command);
        ASSERT_NE(Preview(), nullptr);
        const std::string html = out.path() + "/" + name + ".html";
        prompts.AnswerFile(html);
        Press(CNewPreviewView::ID_EXPORT);
        EXPECT_TRUE(std::filesystem::is_regular_file(html));
        EXPECT_EQ(Preview(), nullptr);
    }
};

TEST_P(SettingsRangeProgramTest, ProgramDrawsPrintsAndWritesHtml) {
    for (const RangeKey& key : Keys()) EXPECT_EQ(GetSetting(key.name), Value(key)) << key.name;
    ASSERT_NO_FATAL_FAILURE(ShowSchedule(0, 4, "20250310", "20250324"));
    for (unsigned view = 0; view < 3; ++view) {
        frame->OnCommand(app_ids::ID_VIEW_FIRST + view);
        QCoreApplication::processEvents();
        EXPECT_FALSE(frame->grab().isNull()) << view;
    }
    frame->OnCommand(app_ids::ID_VIEW_FIRST);
    ASSERT_NO_FATAL_FAILURE(PrintAndWrite(app_ids::ID_REPORT_PREVIEW, "schedule"));
    frame->OnCommand(app_ids::ID_VIEW_FIRST + 2);
    ASSERT_NO_FATAL_FAILURE(PrintAndWrite(app_ids::ID_REPORT_PREVIEW, "calendar"));
    ASSERT_NO_FATAL_FAILURE(PrintAndWrite(app_ids::ID_REPORT_GLOBAL, "bookings"));
    for (const ui::ScriptedPrompts::Asked& asked : prompts.asked())
        EXPECT_EQ(asked.kind, ui::ScriptedPrompts::Kind::SaveFile) << asked.text;
}

std::string CaseName(const ::testing::TestParamInfo<SettingsRangeProgramTest::ParamType>& info) {
    return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
}

INSTANTIATE_TEST_SUITE_P(FarOutOfRange, SettingsRangeProgramTest,
                         ::testing::Combine(::testing::ValuesIn(kFamilies), ::testing::ValuesIn(kFarValues)),
                         CaseName);

}  // namespace
