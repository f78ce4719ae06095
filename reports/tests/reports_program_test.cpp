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

#include "app_fixture.h"
#include "app_ids.h"
#include "main_app.h"
#include "main_frame.h"
#include "main_view.h"
#include "plan_data.h"
#include "report_preview.h"
#include "report_printing.h"
#include "settings_store.h"
#include "support/calendar_values.h"
#include "testing/external_tools.h"
#include "testing/temp_directory.h"
#include "tools/plan_generator.h"
#include "ui/scripted_prompts.h"

namespace {

std::string Squeezed(const std::string& text) { return std::regex_replace(text, std::regex("\\s+"), " "); }

std::string SettingDate(std::int32_t day) { return CDate::FromJulianDay(day).Format(0, "yyyyMMdd"); }

class ReportsProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        SettingsStore().Clear();
        dir.Substitute("Reports.plugin", QEL_REPORTS_PLUGIN);
        app = std::make_unique<CMainApp>(dir.Environment());
        ASSERT_TRUE(app->InitInstance());
        frame = app->MainFrame();
        frame->show();
        SetReportPrintDialog([this](QWidget*, QPrinter& printer, int pageCount) {
            dialogPageCount = pageCount;
            printer.setOutputFileName(QString::fromStdString(pdf));
            return true;
        });
    }
    void TearDown() override {
        SetReportPrintDialog({});
        prompts.AnswerMessage(ui::IDNO);   // the generated plan is not saved
        frame->close();
        app->ExitInstance();
        app.reset();
        SettingsStore().Clear();
    }

    CNewPreviewView* Preview() const { return frame->findChild<CNewPreviewView*>("CNewPreviewView"); }
    void Press(unsigned id) {
        QAction* button = Preview()->Button(id);
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(button->isEnabled()) << id;
        button->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    ui::ScriptedPrompts prompts;
    apptest::ProgramDirectory dir;
    testing::TempDirectory out;
    std::string pdf = out.path() + "/bookings.pdf";
    std::unique_ptr<CMainApp> app;
    CMainFrame* frame = nullptr;
    int dialogPageCount = -1;
};

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

}  // namespace
