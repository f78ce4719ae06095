// A working time changed in its dialog, in the real program: the schedule's
// time axis (non-working time hidden) and the start of a pasted booking
// follow it, and undoing the change brings both back. The views plugin
// shows the schedule; the fixture plugin's view reports the selection to
// paste into.

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <QAbstractButton>
#include <QScrollBar>

#include "app_fixture.h"
#include "app_ids.h"
#include "controls_api.h"
#include "main_app.h"
#include "main_frame.h"
#include "main_view.h"
#include "plan_builder.h"
#include "plan_data.h"
#include "plugin_api.h"
#include "settings_store.h"
#include "support/calendar_values.h"
#include "ui/message.h"
#include "ui/scripted_prompts.h"
#include "when_modal.h"
#include "working_time_dialog.h"
#include "working_time_ids.h"

namespace {

using namespace app_ids;

constexpr int kMonday = 2460689;   // 13 January 2025

class WorkingTimeProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        SettingsStore().Clear();
        dir.Substitute("Views.plugin", QEL_VIEWS_PLUGIN);
        dir.Substitute("booking.plugin", QEL_BOOKING_PLUGIN);
        app = std::make_unique<CMainApp>(dir.Environment());
        ASSERT_TRUE(app->InitInstance());
        frame = app->MainFrame();
        frame->resize(900, 500);
        frame->View()->resize(800, 400);
        SetSetting("ViewActive", "0");
        SetSetting("ViewScheduleBaseUnit", "3");   // hours
        SetSetting("ViewScheduleNonWorkingTimeHide", "1");
        QELA_OnSettingsChanged();
        QELA_OnViewChanged();
        void* module = dlopen(QEL_BOOKING_PLUGIN, RTLD_NOW | RTLD_NOLOAD);
        ASSERT_NE(module, nullptr);
        setSelection = reinterpret_cast<void (*)(const SelectionRecord*)>(dlsym(module, "Fixture_SetSelection"));
        dlclose(module);
        ASSERT_NE(setSelection, nullptr);

        CPlanData* data = frame->Data();
        ASSERT_EQ(data->BeginTransaction("Period"), kDataOk);
        data->properties->BeginChange();
        data->properties->periodStart = kMonday;
        data->properties->periodEnd = kMonday + 27;   // four weeks: twenty working days
        data->CommitTransaction();
        dlgtest::PlanBuilder plan(data);
        van = plan.Resource("Van", 0);
        booking = plan.Booking(van, plan.Task("Move", 0), kMonday, 540, kMonday, 600);
    }
    void TearDown() override {
        setSelection(nullptr);
        prompts.AnswerMessage(ui::IDNO);   // the plan built here is not saved
        app->ExitInstance();
        app.reset();
        SettingsStore().Clear();
    }

    // Hours across the schedule: the columns of the horizontal bar.
    int AxisColumns() {
        QWidget* chart = frame->View()->findChild<QWidget*>("CScheduleChartWnd");
        for (QScrollBar* bar : chart->findChildren<QScrollBar*>())
            if (bar->orientation() == Qt::Horizontal) return bar->maximum() + bar->pageStep();
        return -1;
    }
    // Pastes the copied booking onto Van on a day selected whole; the start
    // minutes of the pasted booking, then the paste is undone.
    int PastedStart(int day) {
        CResource* resources[] = {van};
        SelectionRecord selection{};
        selection.resources = resources;
        selection.resourceCount = 1;
        selection.startDate = day;
        selection.endDate = day + 1;
        setSelection(&selection);
        frame->OnCommand(ID_BOOKING_PASTE);
        setSelection(nullptr);
        std::vector<CBooking*> found(4);
        const int count = van->GetBookings(found.data(), day, 0, day + 1, 0);
        if (count != 1) return -1;
        const int start = found[0]->startMinutes;
        frame->OnCommand(ID_UNDO);
        return start;
    }

    ui::ScriptedPrompts prompts;
    apptest::ProgramDirectory dir;
    std::unique_ptr<CMainApp> app;
    CMainFrame* frame = nullptr;
    void (*setSelection)(const SelectionRecord*) = nullptr;
    CResource* van = nullptr;
    CBooking* booking = nullptr;
};

TEST_F(WorkingTimeProgramTest, AxisAndPasteFollowTheWorkingTimeAndItsUndo) {
    EXPECT_EQ(AxisColumns(), 20 * 9);   // 8:00 to 17:00

    // The selection comes from the fixture's view: the schedule steps aside,
    // and the calendar rule (whole days) applies to the paste.
    SetSetting("ViewActive", "2");
    QELA_OnViewChanged();
    frame->View()->VisibleView()->hide();
    CBooking* bookings[] = {booking};
    SelectionRecord copied{};
    copied.bookings = bookings;
    copied.bookingCount = 1;
    setSelection(&copied);
    frame->OnCommand(ID_BOOKING_COPY);
    EXPECT_EQ(PastedStart(kMonday + 7), 480);

    dlgtest::WhenModal<CWorkingTimeDlg>([](CWorkingTimeDlg* dialog) {
        ui::SendMessage(dialog->GetDlgItem(IDC_WORKING_DAY), WM_SP_TIMEPERIOD_SETTIME, 0, 600);
        static_cast<QAbstractButton*>(dialog->GetDlgItem(ui::IDOK))->click();
    });
    frame->OnCommand(ID_WORKING_TIME);
    ASSERT_EQ(frame->Data()->properties->dayStartMinutes, 600);
    EXPECT_EQ(PastedStart(kMonday + 7), 600);
    SetSetting("ViewActive", "0");
    QELA_OnViewChanged();
    EXPECT_EQ(AxisColumns(), 20 * 7);   // 10:00 to 17:00

    frame->OnCommand(ID_UNDO);
    EXPECT_EQ(frame->Data()->properties->dayStartMinutes, 480);
    EXPECT_EQ(AxisColumns(), 20 * 9);
    SetSetting("ViewActive", "2");
    QELA_OnViewChanged();
    frame->View()->VisibleView()->hide();
    EXPECT_EQ(PastedStart(kMonday + 7), 480);
    EXPECT_TRUE(prompts.asked().empty());
}

}  // namespace
