#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <QTimeEdit>

#include <map>
#include <set>

#include "report_test_support.h"
#include "reports/report_strings.h"
#include "reports/settings_dialogs.h"
#include "ui/win_types.h"
#include "ui/scripted_prompts.h"
#include "testing/fake_locales.h"

namespace {

using reports_test::Settings;

// The period shows dates as the program's dialogs do, in the picture the
// program hands to the control library.
class SettingsDialogsTest : public ::testing::Test {
protected:
    SettingsDialogsTest() { spcc_setdateformat("d.M.yyyy"); }
    ~SettingsDialogsTest() override { spcc_setdateformat(nullptr); }

    SettingSetter Setter() {
        return [this](std::string_view key, std::string_view value) {
            settings.Set(std::string(key), std::string(value));
        };
    }
    std::string Get(const char* key) { return settings.Getter()(key); }

    reports_test::ReportEnvironment environment;
    ::testing::ScopedLocale locale{::testing::EnglishUnitedStates()};
    Settings settings;
};

QLineEdit* PeriodPart(const PeriodDialog& dialog, int part) {
    return dialog.period.GetSafeHwnd()->findChildren<QLineEdit*>().at(part);
}

// Types the text over what the part shows, as a user does.
void TypeDate(const PeriodDialog& dialog, int part, const QString& text) {
    QLineEdit* edit = PeriodPart(dialog, part);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// Every label, box and button shows its whole text, and no two of them
// share a mnemonic letter.
void ExpectReadable(QDialog& dialog) {
    dialog.adjustSize();
    dialog.show();
    std::map<QChar, QString> mnemonics;
    auto check = [&](QWidget* widget, const QString& text) {
        if (!widget->isVisible()) return;
        EXPECT_GE(widget->width(), widget->minimumSizeHint().width()) << text.toStdString();
        const int amp = text.indexOf('&');
        if (amp < 0 || amp + 1 >= text.size()) return;
        const QChar letter = text[amp + 1].toLower();
        EXPECT_FALSE(mnemonics.count(letter)) << text.toStdString() << " and " << mnemonics[letter].toStdString();
        mnemonics[letter] = text;
    };
    for (QLabel* label : dialog.findChildren<QLabel*>()) check(label, label->text());
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) check(button, button->text());
    EXPECT_GE(mnemonics.size(), 8u);
    dialog.hide();
}

TEST_F(SettingsDialogsTest, BookingListDialogShowsStatesAndStoresEverySetting) {
    settings.Set("ReportsBookingListShowHeader", "0");
    settings.Set("ReportsBookingListDateShowDuration", "0");
    settings.Set("ReportsBookingListDateFormat", "3");
    settings.Set("ReportsBookingListDateRangeFixedStart", "20250106");
    BookingListSettingsValues values;
    values.Load(settings.Getter());
    BookingListSettingsDialog dialog(nullptr, values);
    ExpectReadable(dialog);

    EXPECT_EQ(dialog.page.title->text().toStdString(), "Booking List");
    EXPECT_FALSE(dialog.page.title->isEnabled());
    EXPECT_FALSE(dialog.period.GetSafeHwnd()->isEnabled());
    EXPECT_FALSE(dialog.total->isEnabled());
    EXPECT_EQ(dialog.dateFormat->count(), 4);
    EXPECT_EQ(dialog.dateFormat->currentData().toInt(), 3);
    EXPECT_EQ(PeriodPart(dialog, 0)->text(), "6.1.2025");
    EXPECT_EQ(PeriodPart(dialog, 1)->text(), "5.3.2024");   // today

    dialog.page.showHeader->setChecked(true);
    dialog.page.rangeChoice->button(1)->setChecked(true);
    dialog.duration->setChecked(true);
    EXPECT_TRUE(dialog.page.title->isEnabled());
    EXPECT_TRUE(dialog.period.GetSafeHwnd()->isEnabled());
    EXPECT_TRUE(dialog.total->isEnabled());

    dialog.page.title->clear();
    dialog.grouping->button(1)->setChecked(true);
    dialog.alignment->button(0)->setChecked(true);
    dialog.notes->setChecked(true);
    dialog.dateFormat->setCurrentIndex(0);
    dialog.page.footer->setText("Confidential");
    TypeDate(dialog, 1, "17.1.2025");
    dialog.accept();
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    dialog.Values().Store(Setter());

    const std::map<std::string, std::string> expected = {
        {"ReportsBookingListShowHeader", "1"},       {"ReportsBookingListTitle", ""},
        {"ReportsBookingListTitleEmpty", "1"},       {"ReportsBookingListDateRangeFixed", "1"},
        {"ReportsBookingListDateRangeFixedStart", "20250106"},
        {"ReportsBookingListDateRangeFixedEnd", "20250117"},
        {"ReportsBookingListDateFormat", "1"},       {"ReportsBookingListDateAlignment", "0"},
        {"ReportsBookingListShowFooter", "1"},       {"ReportsBookingListFooterNotice", "Confidential"},
        {"ReportsBookingListGroupByResources", "0"}, {"ReportsBookingListDateShowNotes", "1"},
        {"ReportsBookingListDateShowDuration", "1"}, {"ReportsBookingListDateShowDurationTotal", "1"},
    };
    for (const auto& [key, value] : expected) EXPECT_EQ(Get(key.c_str()), value) << key;

    BookingListSettingsValues again;
    again.Load(settings.Getter());
    EXPECT_EQ(again.title, "");
}

// A date the control cannot read is refused on OK while the fixed range is
// chosen: the message, the focus on the period, the dialog still open and
// nothing stored. Once the visible range is chosen instead, the stored date
// stays as it was.
TEST_F(SettingsDialogsTest, PeriodRefusesDatesItCannotRead) {
    const struct {
        const char* typed;
        bool thenVisibleRange;
        const char* stored;   // "" refused
    } cases[] = {
        {"31.2.2025", false, ""},
        {"", false, ""},
        {"next week", false, ""},
        {"7.1.25", false, "20250107"},   // a two-digit year as the control reads it
        {"31.2.2025", true, "20250106"},
        {"", true, "20250106"},
        {"8.1.2025", true, "20250108"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        ui::ScriptedPrompts prompts;
        settings.Set("ReportsBookingListDateRangeFixed", "1");
        settings.Set("ReportsBookingListDateRangeFixedStart", "20250106");
        BookingListSettingsValues values;
        values.Load(settings.Getter());
        BookingListSettingsDialog dialog(nullptr, values);
        dialog.show();
        TypeDate(dialog, 0, c.typed);
        if (c.thenVisibleRange) dialog.page.rangeChoice->button(0)->setChecked(true);
        const bool refused = *c.stored == '\0';
        if (refused) prompts.AnswerMessage(ui::IDOK);
        dialog.accept();
        if (refused) {
            EXPECT_TRUE(dialog.isVisible());
            ASSERT_EQ(prompts.asked().size(), 1u);
            EXPECT_EQ(prompts.asked()[0].text, plat::LoadResString(kStrDateMissing));
            EXPECT_EQ(dialog.focusWidget(), PeriodPart(dialog, 0));
            continue;
        }
        EXPECT_TRUE(prompts.asked().empty());
        ASSERT_EQ(dialog.result(), QDialog::Accepted);
        dialog.Values().Store(Setter());
        EXPECT_EQ(Get("ReportsBookingListDateRangeFixedStart"), c.stored);
    }
}

TEST_F(SettingsDialogsTest, CalendarDialogShowsStatesAndStoresEverySetting) {
    settings.Set("ReportsCalendarShowAdditionalBookings", "0");
    settings.Set("ReportsCalendarWeeks", "50");
    settings.Set("ReportsCalendarWeeksMax", "8");
    settings.Set("ReportsCalendarTitle", "Month");
    CalendarSettingsValues values;
    values.Load(settings.Getter());
    CalendarSettingsDialog dialog(nullptr, values);
    ExpectReadable(dialog);

    EXPECT_EQ(dialog.page.title->text().toStdString(), "Month");
    EXPECT_EQ(dialog.weeks->value(), 8);
    EXPECT_EQ(dialog.weeks->maximum(), 8);
    EXPECT_FALSE(dialog.byDay->isEnabled());
    EXPECT_FALSE(dialog.where->button(1)->isEnabled());
    dialog.additional->setChecked(true);
    EXPECT_TRUE(dialog.byDay->isEnabled());
    dialog.where->button(1)->setChecked(true);
    dialog.weeks->setValue(3);
    dialog.Values().Store(Setter());

    const std::map<std::string, std::string> expected = {
        {"ReportsCalendarShowHeader", "1"}, {"ReportsCalendarTitle", "Month"},
        {"ReportsCalendarTitleEmpty", "0"}, {"ReportsCalendarShowAdditionalBookings", "1"},
        {"ReportsCalendarShowAdditionalBookingsAfterEveryPage", "0"},
        {"ReportsCalendarGroupBookingsByDay", "0"}, {"ReportsCalendarWeeks", "3"},
    };
    for (const auto& [key, value] : expected) EXPECT_EQ(Get(key.c_str()), value) << key;
}

// By the day the times stay hidden; a reversed range is refused with a
// message and the dialog stays open; OK stores the seven keys and the range.
TEST_F(SettingsDialogsTest, ScheduleDialogShowsStatesRefusesReversedRangesAndStores) {
    ui::ScriptedPrompts prompts;
    settings.Set("ReportsSchedulePrinterWidthLabelColumn", "");
    settings.Set("ReportsSchedulePages", "500");
    settings.Set("ReportsSchedulePageMax", "20");
    settings.Set("ReportsScheduleDateRangeFixedStartDate", "20250106");
    settings.Set("ReportsScheduleDateRangeFixedEndDate", "20250111");
    ScheduleReportSettingsValues values;
    values.Load(settings.Getter(), true);
    ScheduleReportSettingsDialog dialog(nullptr, values);
    ExpectReadable(dialog);
    dialog.show();

    EXPECT_EQ(dialog.page.title->text().toStdString(), "Schedule");
    EXPECT_FALSE(dialog.period.GetSafeHwnd()->isEnabled());
    EXPECT_FALSE(dialog.times->isVisible());
    EXPECT_EQ(dialog.pages->value(), 20);
    EXPECT_EQ(dialog.pages->maximum(), 20);
    EXPECT_DOUBLE_EQ(dialog.labelWidth->value(), 5.0);   // a missing width shows 5 cm
    EXPECT_EQ(PeriodPart(dialog, 1)->text(), "10.1.2025");   // the last day, not the day after

    dialog.page.rangeChoice->button(1)->setChecked(true);
    EXPECT_TRUE(dialog.period.GetSafeHwnd()->isEnabled());
    TypeDate(dialog, 1, "5.1.2025");
    prompts.AnswerMessage(ui::IDOK);
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(prompts.asked().size(), 1u);
    EXPECT_NE(prompts.asked()[0].text.find("before its start"), std::string::npos);
    EXPECT_EQ(dialog.focusWidget(), PeriodPart(dialog, 0));
    EXPECT_TRUE(Get("ReportsScheduleDateRangeFixed").empty());

    TypeDate(dialog, 1, "6.1.2025");
    dialog.pages->setValue(3);
    dialog.labelWidth->setValue(4.1);
    dialog.page.footer->setText("Draft");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    dialog.Values().Store(Setter());
    const std::map<std::string, std::string> expected = {
        {"ReportsScheduleShowHeader", "1"},
        {"ReportsScheduleTitle", "Schedule"},
        {"ReportsScheduleTitleEmpty", "0"},
        {"ReportsScheduleShowFooter", "1"},
        {"ReportsScheduleFooterNotice", "Draft"},
        {"ReportsScheduleDateRangeFixed", "1"},
        {"ReportsScheduleDateRangeFixedStartDate", "20250106"},
        {"ReportsScheduleDateRangeFixedEndDate", "20250107"},
        {"ReportsScheduleTimeRangeFixedEndTime", "0"},
        {"ReportsSchedulePages", "3"},
        {"ReportsSchedulePrinterWidthLabelColumn", "410"},
    };
    for (const auto& [key, value] : expected) EXPECT_EQ(Get(key.c_str()), value) << key;

    settings.Set("ViewScheduleBaseUnit", "2");
    values.Load(settings.Getter(), false);
    ScheduleReportSettingsDialog hours(nullptr, values);
    hours.show();
    EXPECT_TRUE(hours.times->isVisible());
    EXPECT_NEAR(hours.labelWidth->value(), 4.1 * 0.3937, 0.01);   // in inches
    EXPECT_NE(hours.labelWidth->suffix().indexOf("in"), -1);
}

}  // namespace
