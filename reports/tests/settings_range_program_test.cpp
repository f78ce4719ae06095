// Settings far outside their range, read from the program's settings file:
// the program starts, draws its three views, prints the schedule, the
// calendar and the booking list and writes the schedule and the calendar as
// HTML. The sanitizer build ends the test at the first undefined operation.

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <filesystem>
#include <string>
#include <vector>

#include "app_ids.h"
#include "main_frame.h"
#include "reports_program_fixture.h"
#include "settings_store.h"

namespace {

using reports_program_test::ReportsProgramTest;

// The settings whose arithmetic overflowed; the indents take four values.
const char* const kKeys[] = {
    "ReportsScheduleHtmlColumnWidthMin",  "ReportsSchedulePrinterColumnWidthMin",
    "ReportsScheduleHtmlTimebarFontSize", "ReportsCalendarHtmlBookingDistance",
    "ViewFontSizeFactor",                 "ReportsPrinterHeaderVerticalSpaceBody",
    "ReportsPrinterHeaderIndent",
};

class SettingsRangeProgramTest : public ReportsProgramTest, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        std::string file;
        for (const char* key : kKeys) file += std::string(key) + "=" + Value(key) + "\n";
        dir.WriteSettings(file);
        dir.Substitute("Views.plugin", QEL_VIEWS_PLUGIN);
        ReportsProgramTest::SetUp();
    }

    static std::string Value(const std::string& key) {
        const std::string value = GetParam();
        return key == "ReportsPrinterHeaderIndent" ? value + " " + value + " " + value + " " + value : value;
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
    for (const char* key : kKeys) EXPECT_EQ(GetSetting(key), Value(key)) << key;
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

INSTANTIATE_TEST_SUITE_P(FarOutOfRange, SettingsRangeProgramTest,
                         ::testing::Values("-2147483648", "-1", "0", "2147483647", "NaN", "1e300"));

}  // namespace
