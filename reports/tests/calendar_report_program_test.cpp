// The calendar report inside the real program, on the demo plan: from the
// view report's menu command to the preview, from the preview to an HTML
// page with its images, and to a PDF.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "app_ids.h"
#include "checkers.h"
#include "plan_data.h"
#include "reports_program_fixture.h"
#include "testing/external_tools.h"
#include "testing/temp_directory.h"
#include "tools/plan_generator.h"

namespace {

using reports_program_test::ReportsProgramTest;
using reports_program_test::SettingDate;
using reports_program_test::Squeezed;

class CalendarProgramTest : public ReportsProgramTest {
protected:
    void SetUp() override {
        ReportsProgramTest::SetUp();
        PlanShape shape;
        shape.centreDay = DateToJulianDay(3, 15, 2025);
        CPlanData& data = *frame->Data();
        ASSERT_EQ(GeneratePlan(data, shape), kDataOk);
        SetSetting("ViewActive", "2");
        SetSetting("ReportsCalendarDateRangeFixed", "1");
        SetSetting("ReportsCalendarDateRangeFixedStart", SettingDate(data.properties->periodStart));
        SetSetting("ReportsCalendarDateRangeFixedEnd", SettingDate(data.properties->periodEnd));
    }
};

// The preview shows the calendar's pages; its export writes the page and
// its images with the bookings per day the printed page fitted.
TEST_F(CalendarProgramTest, PreviewThenHtml) {
    frame->OnCommand(app_ids::ID_REPORT_PREVIEW);
    ASSERT_NE(Preview(), nullptr);
    EXPECT_GE(Preview()->PageCount(), 2);
    const int fitted = std::stoi(GetSetting("ReportsCalendarHtmlBookingsPerDay"));
    EXPECT_GE(fitted, 1);   // stored by the print; -1 before it

    const std::string html = out.path() + "/calendar.html";
    prompts.AnswerFile(html);
    Press(CNewPreviewView::ID_EXPORT);
    ASSERT_EQ(prompts.asked().size(), 1u);
    EXPECT_EQ(prompts.asked()[0].kind, ui::ScriptedPrompts::Kind::SaveFile);
    EXPECT_EQ(Preview(), nullptr);   // a written page ends the preview

    EXPECT_EQ(reports_test::HtmlProblems(html), "");
    int images = 0;
    for (const auto& entry : std::filesystem::directory_iterator(out.path())) {
        if (entry.path().extension() != ".png") continue;
        ++images;
        EXPECT_EQ(reports_test::PngProblems(entry.path().string()), "") << entry.path();
    }
    EXPECT_GE(images, 1);
    EXPECT_NE(reports_test::CellTextsByPython(html).find("Resource"), std::string::npos);
}

// A page that cannot be written takes none of its images' names: the
// images of an earlier page beside it, whose names the new ones share,
// stay as they were, and nothing else is left behind.
TEST_F(CalendarProgramTest, FailedHtmlKeepsTheImagesOfAnEarlierPage) {
    const auto images = [this] {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator(out.path()))
            if (entry.is_regular_file()) files[entry.path().filename().string()] = testing::ReadFile(entry.path());
        return files;
    };
    const auto exportTo = [this](const std::string& path) {
        frame->OnCommand(app_ids::ID_REPORT_PREVIEW);
        ASSERT_NE(Preview(), nullptr);
        prompts.AnswerFile(path);
        Press(CNewPreviewView::ID_EXPORT);
    };
    ASSERT_NO_FATAL_FAILURE(exportTo(out.path() + "/calendar.html"));
    ASSERT_EQ(Preview(), nullptr);
    const std::map<std::string, std::string> before = images();
    ASSERT_GE(before.size(), 2u);   // the page and its images

    // Another page whose images take the same names, drawn differently.
    SetSetting("ReportsCalendarHtmlFontSizeMonthYear", "30");
    std::filesystem::create_directory(out.path() + "/calendar.htm");
    const std::size_t asked = prompts.asked().size();
    ASSERT_NO_FATAL_FAILURE(exportTo(out.path() + "/calendar.htm"));
    EXPECT_NE(Preview(), nullptr);   // not written: the preview stays
    ASSERT_EQ(prompts.asked().size(), asked + 2);
    EXPECT_NE(prompts.asked().back().text.find("calendar.htm"), std::string::npos);
    EXPECT_EQ(images(), before);
}

// Printing from the preview writes as many PDF pages as it showed: the
// range caption and the weekday names on the first.
TEST_F(CalendarProgramTest, PreviewThenPdf) {
    ASSERT_TRUE(testing::HaveTool("pdfinfo", "poppler-utils"));
    frame->OnCommand(app_ids::ID_REPORT_PREVIEW);
    ASSERT_NE(Preview(), nullptr);
    const int pages = Preview()->PageCount();
    Press(CNewPreviewView::ID_PRINT);
    EXPECT_EQ(dialogPageCount, pages);
    ASSERT_EQ(testing::PdfPageCount(pdf), pages);
    const std::string first = Squeezed(testing::PdfPageText(pdf, 1));
    for (const char* text : {"Calendar", "2025", "Monday", "Sunday"})
        EXPECT_NE(first.find(text), std::string::npos) << text << "\n" << first;
    EXPECT_EQ(Preview(), nullptr);
}

}  // namespace
