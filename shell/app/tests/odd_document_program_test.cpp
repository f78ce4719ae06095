// Documents with values the reader keeps as they are (booking minutes
// outside the day, a period that ends with the calendar) opened from their
// file, shown in every view and unit, printed and written as HTML by the
// real plugins. The sanitizer build is the judge of the arithmetic.

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QPrinter>
#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "app_fixture.h"
#include "app_ids.h"
#include "main_app.h"
#include "main_frame.h"
#include "main_view.h"
#include "plan_builder.h"
#include "plan_data.h"
#include "plugin_api.h"
#include "report_preview.h"
#include "report_printing.h"
#include "settings_store.h"
#include "support/calendar_values.h"
#include "testing/temp_directory.h"
#include "ui/message.h"
#include "ui/scripted_prompts.h"
#include "ui/scroll_bar.h"

namespace {

constexpr unsigned kVScroll = 0x0115;
constexpr unsigned kHScroll = 0x0114;

int Day(int day, int month, int year) { return DateToJulianDay(month, day, year); }

struct OddBooking {
    int startDay, startMinutes, endDay, endMinutes;
};

struct OddDocument {
    const char* name;
    int periodStart, periodEnd;
    std::array<uint8_t, 7> workingDays;
    std::vector<OddBooking> bookings;
};

class OddDocumentTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir.UseRealPlugins();
        app = apptest::StartShown(dir, 900, 600);
        ASSERT_TRUE(app);
        frame = app->MainFrame();
        SetSetting("ViewOpenFileToday", "0");
        SetReportPrintDialog([this](QWidget*, QPrinter& printer, int) {
            printer.setOutputFileName(QString::fromStdString(out.path() + "/report.pdf"));
            return true;
        });
    }
    void TearDown() override {
        SetReportPrintDialog({});
        apptest::EndUnsaved(app);
    }

    // The document written to its file and opened from there.
    void Open(const OddDocument& d) {
        frame->Files().OnFileNew();
        dlgtest::PlanBuilder plan(frame->Data());
        plan.Period(d.periodStart, d.periodEnd);
        plan.Begin();
        frame->Data()->properties->BeginChange();
        std::copy(d.workingDays.begin(), d.workingDays.end(), frame->Data()->properties->workingDays);
        plan.Commit();
        CResource* resource = plan.Resource("R", 0);
        CTask* task = plan.Task("T", 0);
        for (const OddBooking& b : d.bookings) {
            CBooking* booking = plan.Booking(resource, task, b.startDay, 0, b.endDay, 0);
            plan.Begin();
            booking->BeginChange();
            booking->startMinutes = static_cast<int16_t>(b.startMinutes);
            booking->endMinutes = static_cast<int16_t>(b.endMinutes);
            plan.Commit();
        }
        const std::string path = out.path() + "/" + std::to_string(d.periodStart) + ".qel";
        ASSERT_TRUE(frame->Files().SaveDocumentTo(path));
        ASSERT_TRUE(frame->Files().OpenDocument(path));
        ASSERT_EQ(frame->Data()->bookings->GetCount(), static_cast<int>(d.bookings.size()));
    }

    void Show(int view) {
        SetSetting("ViewActive", std::to_string(view));
        QELA_OnViewChanged();
    }
    QWidget* Find(const char* name) const { return frame->View()->findChild<QWidget*>(name); }

    // The visible view's report previewed, printed, then written as HTML.
    void PrintAndExport(const std::string& html) {
        for (unsigned button : {CNewPreviewView::ID_PRINT, CNewPreviewView::ID_EXPORT}) {
            frame->OnCommand(app_ids::ID_REPORT_PREVIEW);
            CNewPreviewView* preview = frame->findChild<CNewPreviewView*>("CNewPreviewView");
            if (preview == nullptr) continue;   // a report that refuses its period says so
            QAction* action = preview->Button(button);
            ASSERT_NE(action, nullptr);
            if (button == CNewPreviewView::ID_EXPORT) prompts.AnswerFile(html);
            if (action->isEnabled()) action->trigger();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (CNewPreviewView* left = frame->findChild<CNewPreviewView*>("CNewPreviewView"))
                left->Button(CNewPreviewView::ID_CLOSE)->trigger();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }

    ui::ScriptedPrompts prompts;
    apptest::ProgramDirectory dir;
    testing::TempDirectory out;
    std::unique_ptr<CMainApp> app;
    CMainFrame* frame = nullptr;
};

TEST_F(OddDocumentTest, ShownPrintedAndWrittenInEveryUnit) {
    const std::array<uint8_t, 7> weekdays = {1, 1, 1, 1, 1, 0, 0};
    const std::array<uint8_t, 7> weekend = {0, 0, 0, 0, 0, 1, 1};
    const OddDocument documents[] = {
        {"minutes outside the day", Day(1, 1, 2025), Day(31, 3, 2025), weekdays,
         {{Day(6, 1, 2025), 3 * 1440 + 600, Day(9, 1, 2025), 1020},
          {Day(20, 1, 2025), -5 * 1440, Day(13, 1, 2025), 2 * 1440},
          {Day(1, 1, 2025), 32767, Day(1, 2, 2025), -32768},
          {Day(3, 2, 2025), 600, Day(3, 2, 2025), 600}}},
        {"a weekend period ending with the calendar", Day(27, 12, 9999), Day(31, 12, 9999), weekend,
         {{Day(25, 12, 9999), 600, Day(26, 12, 9999), 1020},
          {Day(31, 12, 9999), 1000, Day(31, 12, 9999), 32767},
          {Day(20, 12, 9999), 32767, Day(31, 12, 9999), 1439}}},
    };
    for (const OddDocument& d : documents) {
        SCOPED_TRACE(d.name);
        ASSERT_NO_FATAL_FAILURE(Open(d));
        for (const char* hide : {"0", "1"}) {
            SetSetting("ViewScheduleNonWorkingTimeHide", hide);
            Show(0);
            for (int unit = 0; unit < 8; ++unit) {
                SetSetting("ViewScheduleBaseUnit", std::to_string(unit));
                QELA_OnSettingsChanged();
                frame->grab();
                ui::SendMessage(Find("CScheduleChartWnd"), kHScroll, ui::SB_RIGHT, 0);
                frame->grab();
            }
            PrintAndExport(out.path() + "/schedule.html");
            Show(2);
            frame->grab();
            ui::SendMessage(Find("CCalendarViewWnd"), kVScroll, ui::SB_BOTTOM, 0);
            frame->grab();
            PrintAndExport(out.path() + "/calendar.html");
        }
        for (const char* file : {"/report.pdf", "/schedule.html", "/calendar.html"}) {
            EXPECT_TRUE(std::filesystem::exists(out.path() + file)) << file;
            std::filesystem::remove(out.path() + file);
        }
    }
}

}  // namespace
