// The reports plugin inside the real program: the booking list runs from
// its menu command through the host's report command to the preview, then
// to a PDF, on a generated plan.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPrinter>
#include <QStackedWidget>

#include <filesystem>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "app_ids.h"
#include "checkers.h"
#include "main_app.h"
#include "main_frame.h"
#include "main_view.h"
#include "plan_data.h"
#include "plat/checked_format.h"
#include "plat/resource_strings.h"
#include "reports_program_fixture.h"
#include "string_ids.h"
#include "support/calendar_values.h"
#include "testing/external_tools.h"
#include "tools/plan_generator.h"

namespace {

using reports_program_test::ReportsProgramTest;
using reports_program_test::SettingDate;
using reports_program_test::Squeezed;

// The global report's menu command fills the preview through the plugin's
// print callback; printing it writes as many PDF pages as the preview
// showed, naming every booking's resource and task.
TEST_F(ReportsProgramTest, BookingListToPreviewAndPdf) {
    ASSERT_TRUE(testing::HaveTool("pdfinfo", "poppler-utils"));
    PlanShape shape;
    shape.resourceGroups = 2;
    shape.resources = 5;
    shape.taskGroups = 2;
    shape.tasks = 4;
    shape.bookings = 60;
    shape.centreDay = DateToJulianDay(3, 15, 2025);
    shape.spanDays = 30;
    CPlanData& data = *frame->Data();
    ASSERT_EQ(GeneratePlan(data, shape), kDataOk);
    SetSetting("ReportsBookingListDateRangeFixed", "1");
    SetSetting("ReportsBookingListDateRangeFixedStart", SettingDate(data.properties->periodStart));
    SetSetting("ReportsBookingListDateRangeFixedEnd", SettingDate(data.properties->periodEnd));

    std::vector<CBooking*> bookings(static_cast<std::size_t>(data.bookings->GetCount()));
    ASSERT_EQ(bookings.size(), 60u);
    data.bookings->GetAll(bookings.data());
    std::set<std::string> names;
    for (const CBooking* booking : bookings) {
        names.insert(booking->resource->name);
        names.insert(booking->task->name);
    }

    frame->OnCommand(app_ids::ID_REPORT_GLOBAL);
    ASSERT_NE(Preview(), nullptr);
    const int pages = Preview()->PageCount();
    ASSERT_GT(pages, 1);   // sixty bookings do not fit one page
    EXPECT_EQ(Preview()->PageDisplay(), QString("1/%1").arg(pages));

    Press(CNewPreviewView::ID_PRINT);
    EXPECT_EQ(dialogPageCount, pages);
    ASSERT_EQ(testing::PdfPageCount(pdf), pages);
    std::string text;
    for (int page = 1; page <= pages; ++page) text += Squeezed(testing::PdfPageText(pdf, page)) + " ";
    for (const std::string& name : names) EXPECT_NE(text.find(Squeezed(name)), std::string::npos) << name;
    EXPECT_EQ(Preview(), nullptr);   // printing ends the preview

    EXPECT_TRUE(prompts.asked().empty());
}

// The plugin's file chooser goes through the program's prompt service, so
// the test's script answers it: the preview's export writes the HTML page
// to the scripted path.
TEST_F(ReportsProgramTest, PluginFileChooserTakesTheProgramsScriptedAnswer) {
    PlanShape shape;
    shape.resources = 3;
    shape.tasks = 2;
    shape.bookings = 5;
    shape.centreDay = DateToJulianDay(3, 15, 2025);
    ASSERT_EQ(GeneratePlan(*frame->Data(), shape), kDataOk);
    frame->OnCommand(app_ids::ID_REPORT_GLOBAL);
    ASSERT_NE(Preview(), nullptr);

    const std::string html = out.path() + "/chosen.html";
    prompts.AnswerFile(html);
    Press(CNewPreviewView::ID_EXPORT);

    ASSERT_EQ(prompts.asked().size(), 1u);
    EXPECT_EQ(prompts.asked()[0].kind, ui::ScriptedPrompts::Kind::SaveFile);
    EXPECT_TRUE(prompts.allAnswered());
    EXPECT_TRUE(std::filesystem::is_regular_file(html));
    EXPECT_EQ(Preview(), nullptr);   // a written page ends the preview
}

// The view's report of the resource schedule on the demo plan, over the
// fortnight the view shows (written by hand here, as the view writes it):
// the preview holds the pages across for every band, and printing writes
// them all to a PDF that names every resource and the tasks of the bookings.
TEST_F(ReportsProgramTest, ScheduleReportToPreviewAndPdf) {
    ASSERT_TRUE(testing::HaveTool("pdfinfo", "poppler-utils"));
    ASSERT_NO_FATAL_FAILURE(ShowSchedule(0, 4, "20250310", "20250324"));
    CPlanData& data = *frame->Data();
    SetSetting("ReportsSchedulePages", "2");

    std::vector<CBooking*> bookings(static_cast<std::size_t>(data.bookings->GetCount()));
    data.bookings->GetAll(bookings.data());
    std::set<std::string> resources, tasks;
    for (const CBooking* booking : bookings) {
        resources.insert(booking->resource->name);
        if (booking->endDay >= DateToJulianDay(3, 10, 2025) && booking->startDay < DateToJulianDay(3, 24, 2025))
            tasks.insert(booking->task->name);
    }
    ASSERT_FALSE(tasks.empty());

    frame->OnCommand(app_ids::ID_REPORT_PREVIEW);
    ASSERT_NE(Preview(), nullptr);
    const int pages = Preview()->PageCount();
    ASSERT_GE(pages, 2);
    EXPECT_EQ(pages % 2, 0);   // two pages across in every band

    Press(CNewPreviewView::ID_PRINT);
    EXPECT_EQ(dialogPageCount, pages);
    ASSERT_EQ(testing::PdfPageCount(pdf), pages);
    std::string text;
    for (int page = 1; page <= pages; ++page) {
        const std::string pageText = Squeezed(testing::PdfPageText(pdf, page));
        EXPECT_NE(pageText.find("Schedule"), std::string::npos) << page;
        EXPECT_NE(pageText.find("Resources"), std::string::npos) << page;
        text += pageText + " ";
    }
    for (const std::string& name : resources) EXPECT_NE(text.find(Squeezed(name)), std::string::npos) << name;
    for (const std::string& name : tasks) EXPECT_NE(text.find(Squeezed(name)), std::string::npos) << name;
    EXPECT_TRUE(prompts.asked().empty());
}

// A schedule whose columns would be narrower than the page's unit (hours
// over four months on one page) is refused with the reason, whether
// previewed, printed or written as HTML: no preview, no PDF, no page.
TEST_F(ReportsProgramTest, ScheduleThatDoesNotFitIsRefusedWithTheReason) {
    ASSERT_NO_FATAL_FAILURE(ShowSchedule(0, 4, "20250310", "20250324"));
    SetSetting("ViewScheduleNonWorkingTimeHide", "0");
    frame->OnCommand(app_ids::ID_REPORT_PREVIEW);
    ASSERT_NE(Preview(), nullptr);   // a fortnight by the day fits

    const std::string tooWide = plat::FormatChecked(plat::LoadResString(ids::REPORT_SCHEDULE_PERIOD_TOO_WIDE), {"2880"});
    const auto expectTold = [&](std::vector<std::string> texts) {
        std::vector<std::string> asked;
        for (const ui::ScriptedPrompts::Asked& question : prompts.asked())
            if (question.kind == ui::ScriptedPrompts::Kind::Message) asked.push_back(question.text);
        EXPECT_EQ(asked, texts);
    };
    // Hours from 1 January to 1 May.
    SetSetting("ViewScheduleBaseUnit", "3");
    SetSetting("ViewVisibleDateFirst", "20250101");
    SetSetting("ViewVisibleDateLast", "20250501");
    const std::string html = out.path() + "/Schedule.html";
    prompts.AnswerFile(html);
    Press(CNewPreviewView::ID_EXPORT);
    ASSERT_NE(Preview(), nullptr);   // nothing written: the preview stays
    expectTold({tooWide});
    Press(CNewPreviewView::ID_CLOSE);

    frame->OnCommand(app_ids::ID_REPORT_PREVIEW);
    EXPECT_EQ(Preview(), nullptr);
    expectTold({tooWide, tooWide, plat::LoadResString(ids::COMMAND_FAILED)});

    frame->OnCommand(app_ids::ID_REPORT_PRINT);
    expectTold({tooWide, tooWide, plat::LoadResString(ids::COMMAND_FAILED), tooWide});
    EXPECT_TRUE(std::filesystem::is_empty(out.path()));
}

// The task schedule's report written as HTML from the preview, to the file
// the user chooses: a valid page whose images are valid PNGs showing the
// tasks in the label column.
TEST_F(ReportsProgramTest, TaskScheduleReportToHtml) {
    ASSERT_NO_FATAL_FAILURE(ShowSchedule(1, 4, "20250310", "20250317"));
    SetSetting("ReportsHtmlImageSizeMax", "200000");   // several images
    frame->OnCommand(app_ids::ID_REPORT_PREVIEW);
    ASSERT_NE(Preview(), nullptr);

    const std::string html = out.path() + "/Tasks.html";
    prompts.AnswerFile(html);
    Press(CNewPreviewView::ID_EXPORT);
    ASSERT_EQ(prompts.asked().size(), 1u);
    EXPECT_EQ(prompts.asked()[0].file.fileName, "Schedule.html");
    EXPECT_EQ(reports_test::HtmlProblems(html), "");
    const std::string page = testing::ReadFile(html);
    EXPECT_NE(page.find("<title>Schedule</title>"), std::string::npos);
    int images = 0;
    for (const auto& entry : std::filesystem::directory_iterator(out.path())) {
        if (entry.path().extension() != ".png") continue;
        ++images;
        EXPECT_EQ(reports_test::PngProblems(entry.path().string()), "") << entry.path();
        EXPECT_NE(page.find(entry.path().filename().string()), std::string::npos) << entry.path();
    }
    EXPECT_GT(images, 1);
    EXPECT_TRUE(std::filesystem::is_regular_file(out.path() + "/Tasks1.png"));
}

}  // namespace
