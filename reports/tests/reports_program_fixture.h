#pragma once

// The reports plugin inside the real program on the tests' program
// directory: the main window shown, prints going to a PDF file, questions
// answered by a script.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPrinter>

#include <memory>
#include <regex>
#include <string>

#include "app_fixture.h"
#include "data_status.h"
#include "main_app.h"
#include "main_frame.h"
#include "report_preview.h"
#include "report_printing.h"
#include "settings_store.h"
#include "support/calendar_values.h"
#include "testing/temp_directory.h"
#include "tools/plan_generator.h"
#include "ui/scripted_prompts.h"

namespace reports_program_test {

inline std::string Squeezed(const std::string& text) { return std::regex_replace(text, std::regex("\\s+"), " "); }

inline std::string SettingDate(std::int32_t day) { return CDate::FromJulianDay(day).Format(0, "yyyyMMdd"); }

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

    // A plan generated around 15 March 2025, the schedule view (0
    // resources, 1 tasks) showing from 0:00 of the first day to 0:00 of the
    // last in the base unit, as the view writes it.
    void ShowSchedule(int view, int baseUnit, const char* firstDay, const char* lastDay) {
        PlanShape shape;
        shape.centreDay = DateToJulianDay(3, 15, 2025);
        ASSERT_EQ(GeneratePlan(*frame->Data(), shape), kDataOk);
        SetSetting("ViewActive", std::to_string(view));
        SetSetting("ViewScheduleBaseUnit", std::to_string(baseUnit));
        SetSetting("ViewVisibleDateFirst", firstDay);
        SetSetting("ViewVisibleTimeFirst", "0");
        SetSetting("ViewVisibleDateLast", lastDay);
        SetSetting("ViewVisibleTimeLast", "0");
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

}  // namespace reports_program_test
