// The report settings dialogs inside the real program, opened from the
// preview's bar as a user does, their times and numbers typed in the
// program's own form.

#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app_ids.h"
#include "booking_dialog.h"
#include "booking_ids.h"
#include "plat/resource_strings.h"
#include "reports/report_strings.h"
#include "reports/settings_dialogs.h"
#include "reports_program_fixture.h"
#include "user_actions.h"
#include "when_modal.h"

namespace {

using reports_program_test::ReportsProgramTest;

// A time as the booking dialog shows it.
QString BookingDialogTime(CPlanData* plan, int minutes) {
    CBookingDlg booking(false, plan, [](std::string_view key) { return GetSetting(std::string(key)); });
    booking.fromTime = CTimeOfDay(minutes);
    booking.show();
    const QString shown = booking.GetDlgItem(IDC_BOOKING_TIMES)->findChildren<QLineEdit*>().at(0)->text();
    booking.reject();
    return shown;
}

// By the hour, the schedule report's settings show the times of a fixed
// range; the times and the pages across typed there are stored, and the
// preview is laid out again over those hours, that many pages across.
TEST_F(ReportsProgramTest, ScheduleSettingsFromThePreviewTakeTypedTimesAndPages) {
    ASSERT_NO_FATAL_FAILURE(ShowSchedule(0, 2, "20250310", "20250311"));
    SetSetting("ReportsScheduleDateRangeFixedStartDate", "20250310");
    SetSetting("ReportsScheduleDateRangeFixedEndDate", "20250310");
    const QString from = BookingDialogTime(frame->Data(), 8 * 60 + 30);
    const QString to = BookingDialogTime(frame->Data(), 17 * 60 + 30);
    ASSERT_FALSE(from.isEmpty());

    frame->OnCommand(app_ids::ID_REPORT_PREVIEW);
    ASSERT_NE(Preview(), nullptr);
    bool answered = false;
    dlgtest::WhenModal<QDialog>([&](QDialog* dialog) {
        answered = true;
        QWidget* times = ui::FindControl(dialog, IDC_REPORT_TIMES);
        ASSERT_NE(times, nullptr);
        EXPECT_FALSE(times->isEnabled());
        const QList<QRadioButton*> ranges = dialog->findChildren<QRadioButton*>();
        ASSERT_GE(ranges.size(), 2);
        apptest::Click(ranges[1]);   // the fixed range
        ASSERT_TRUE(times->isVisible() && times->isEnabled());
        apptest::TypeIntoPeriod(times, 0, from);
        apptest::TypeIntoPeriod(times, 1, to);
        apptest::TypeInto(ui::FindControl(dialog, IDC_REPORT_PAGES), "3");
        apptest::Click(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok));
    }, QString::fromStdString(plat::LoadResString(kStrScheduleTitle)));
    Press(CNewPreviewView::ID_RELAYOUT);
    ASSERT_TRUE(answered);
    EXPECT_TRUE(prompts.asked().empty());
    EXPECT_EQ(GetSetting("ReportsScheduleDateRangeFixed"), "1");
    EXPECT_EQ(GetSetting("ReportsScheduleTimeRangeFixedStartTime"), "510");
    EXPECT_EQ(GetSetting("ReportsScheduleTimeRangeFixedEndTime"), "1050");
    EXPECT_EQ(GetSetting("ReportsSchedulePages"), "3");
    ASSERT_NE(Preview(), nullptr);
    EXPECT_GE(Preview()->PageCount(), 3);
    EXPECT_EQ(Preview()->PageCount() % 3, 0);   // three pages across in every band
}

}  // namespace
