#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>

#include "mnemonics.h"
#include "report_test_support.h"
#include "reports/report_strings.h"
#include "reports/settings_dialogs.h"
#include "ui/message.h"
#include "ui/win_types.h"
#include "ui/scripted_prompts.h"
#include "testing/fake_locales.h"
#include "when_modal.h"

namespace {

using reports_test::Settings;

// The periods show dates and times as the program's dialogs do, in the
// pictures the program hands to the control library.
class SettingsDialogsTest : public ::testing::Test {
protected:
    SettingsDialogsTest() {
        spcc_setdateformat("d.M.yyyy");
        spcc_settimeformat("HH:mm");
    }
    ~SettingsDialogsTest() override {
        spcc_setdateformat(nullptr);
        spcc_settimeformat(nullptr);
    }

    SettingSetter Setter() {
        return [this](std::string_view key, std::string_view value) {
            settings.Set(std::string(key), std::string(value));
        };
    }
    std::string Get(const char* key) { return settings.Getter()(key); }
    // A report dialog opened on what the settings hold now.
    template <class Values, class Dialog>
    std::unique_ptr<QDialog> DialogFromSettings() {
        Values values;
        values.Load(settings.Getter());
        return std::make_unique<Dialog>(nullptr, values);
    }
    void Set(std::initializer_list<std::pair<const char*, const char*>> values) {
        for (const auto& [key, value] : values) settings.Set(key, value);
    }

    reports_test::ReportEnvironment environment;
    ::testing::ScopedLocale locale{::testing::EnglishUnitedStates()};
    Settings settings;
};

// The edit of a part (0 from, 1 to) of a period control.
QLineEdit* Part(const CSPCtrl& period, int part) {
    return period.GetSafeHwnd()->findChildren<QLineEdit*>().at(part);
}

QLineEdit* PeriodPart(const PeriodDialog& dialog, int part) { return Part(dialog.period, part); }

// Types the text over what the edit shows, as a user does: everything
// selected, deleted, then the text key by key.
void TypeOver(QWidget* edit, const QString& text) {
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

void TypeDate(const PeriodDialog& dialog, int part, const QString& text) { TypeOver(PeriodPart(dialog, part), text); }

// What a number edit of the control library shows.
QString Shown(const CSPCtrl& edit) { return edit.GetSafeHwnd()->findChild<QLineEdit*>()->text(); }

// Every label, box and button shows its whole text, and no two of them
// share a mnemonic letter.
void ExpectReadable(QDialog& dialog) {
    dialog.adjustSize();
    dialog.show();
    auto check = [](QWidget* widget, const QString& text) {
        if (!widget->isVisible()) return;
        EXPECT_GE(widget->width(), widget->minimumSizeHint().width()) << text.toStdString();
    };
    for (QLabel* label : dialog.findChildren<QLabel*>()) check(label, label->text());
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) check(button, button->text());
    EXPECT_EQ(dlgtest::RepeatedMnemonics(dialog), dlgtest::MnemonicTexts{});
    EXPECT_GE(dlgtest::Mnemonics(dialog).size(), 8u);
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
        settings.Set("ReportsBookingListDateRangeFixedEnd", "20250131");
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

// A fixed range whose end lies before its start is refused on OK; with the
// visible range chosen the stored dates do not matter.
TEST_F(SettingsDialogsTest, ReversedFixedRangeIsRefused) {
    const struct {
        const char* prefix;
        std::function<std::unique_ptr<QDialog>()> make;
    } dialogs[] = {
        {"ReportsBookingList",
         [&] { return DialogFromSettings<BookingListSettingsValues, BookingListSettingsDialog>(); }},
        {"ReportsCalendar", [&] { return DialogFromSettings<CalendarSettingsValues, CalendarSettingsDialog>(); }},
    };
    for (const auto& d : dialogs) {
        for (bool fixed : {true, false}) {
            SCOPED_TRACE(std::string(d.prefix) + (fixed ? " fixed" : " visible"));
            ui::ScriptedPrompts prompts;
            settings.Set(std::string(d.prefix) + "DateRangeFixed", fixed ? "1" : "0");
            settings.Set(std::string(d.prefix) + "DateRangeFixedStart", "20250110");
            settings.Set(std::string(d.prefix) + "DateRangeFixedEnd", "20250105");
            const std::unique_ptr<QDialog> dialog = d.make();
            dialog->show();
            if (fixed) prompts.AnswerMessage(ui::IDOK);
            dialog->accept();
            EXPECT_EQ(dialog->isVisible(), fixed);
            ASSERT_EQ(prompts.asked().size(), fixed ? 1u : 0u);
            if (fixed) { EXPECT_EQ(prompts.asked()[0].text, plat::LoadResString(kStrPeriodReversed)); }
        }
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
    EXPECT_EQ(Shown(dialog.weeks), "8");
    EXPECT_FALSE(dialog.byDay->isEnabled());
    EXPECT_FALSE(dialog.where->button(1)->isEnabled());
    dialog.additional->setChecked(true);
    EXPECT_TRUE(dialog.byDay->isEnabled());
    dialog.where->button(1)->setChecked(true);
    TypeOver(dialog.weeks.GetSafeHwnd(), "3");
    dialog.accept();
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    dialog.Values().Store(Setter());

    const std::map<std::string, std::string> expected = {
        {"ReportsCalendarShowHeader", "1"}, {"ReportsCalendarTitle", "Month"},
        {"ReportsCalendarTitleEmpty", "0"}, {"ReportsCalendarShowAdditionalBookings", "1"},
        {"ReportsCalendarShowAdditionalBookingsAfterEveryPage", "0"},
        {"ReportsCalendarGroupBookingsByDay", "0"}, {"ReportsCalendarWeeks", "3"},
    };
    for (const auto& [key, value] : expected) EXPECT_EQ(Get(key.c_str()), value) << key;
}

// The number edits take what the user types within the bounds the settings
// give; OK refuses a number beyond them or a text that is no number, with
// a message and the dialog left open, and the value stays what it was.
TEST_F(SettingsDialogsTest, NumberEditsKeepTypedValuesWithinTheirBounds) {
    const struct {
        const char* key;
        const char* typed;
        const char* stored;
        bool refused;
    } cases[] = {
        {"ReportsCalendarWeeks", "3", "3", false},
        {"ReportsCalendarWeeks", "8", "8", false},   // the maximum
        {"ReportsCalendarWeeks", "9", "4", true},
        {"ReportsCalendarWeeks", "0", "4", true},
        {"ReportsCalendarWeeks", "", "4", true},
        {"ReportsCalendarWeeks", "x", "4", true},
        {"ReportsSchedulePages", "20", "20", false},   // the maximum
        {"ReportsSchedulePages", "25", "1", true},
        {"ReportsSchedulePages", "0", "1", true},
        {"ReportsSchedulePages", "-3", "1", true},
        {"ReportsSchedulePrinterWidthLabelColumn", "7.25", "725", false},
        {"ReportsSchedulePrinterWidthLabelColumn", "0", "0", false},
        {"ReportsSchedulePrinterWidthLabelColumn", "-1", "500", true},
        {"ReportsSchedulePrinterWidthLabelColumn", "40", "4000", false},   // the report cuts it to half the page
        {"ReportsSchedulePrinterWidthLabelColumn", "", "500", true},
        {"ReportsSchedulePrinterWidthLabelColumn", "cm", "500", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " " + c.typed);
        settings = Settings{{"ReportsCalendarWeeksMax", "8"}, {"ReportsSchedulePageMax", "20"}};
        ui::ScriptedPrompts prompts;
        const auto confirm = [&](QDialog& dialog) {
            dialog.accept();
            EXPECT_EQ(prompts.asked().size(), c.refused ? 1u : 0u);
            EXPECT_EQ(dialog.isVisible(), c.refused);
        };
        if (std::string_view(c.key) == "ReportsCalendarWeeks") {
            CalendarSettingsValues values;
            values.Load(settings.Getter());
            CalendarSettingsDialog dialog(nullptr, values);
            dialog.show();
            TypeOver(dialog.weeks.GetSafeHwnd(), c.typed);
            confirm(dialog);
            dialog.Values().Store(Setter());
        } else {
            ScheduleReportSettingsValues values;
            values.Load(settings.Getter(), true);
            ScheduleReportSettingsDialog dialog(nullptr, values);
            dialog.show();
            const bool pages = std::string_view(c.key) == "ReportsSchedulePages";
            TypeOver((pages ? static_cast<CSPCtrl&>(dialog.pages) : dialog.labelWidth).GetSafeHwnd(), c.typed);
            confirm(dialog);
            dialog.Values().Store(Setter());
        }
        EXPECT_EQ(Get(c.key), c.stored);
    }
}

// By the day the times stay hidden; a reversed range is refused with a
// message and the dialog stays open; OK stores the seven keys and the range.
TEST_F(SettingsDialogsTest, ScheduleDialogShowsStatesRefusesReversedRangesAndStores) {
    ui::ScriptedPrompts prompts;
    Set({{"ReportsSchedulePrinterWidthLabelColumn", ""}, {"ReportsSchedulePages", "500"},
         {"ReportsSchedulePageMax", "20"}, {"ReportsScheduleDateRangeFixedStartDate", "20250106"},
         {"ReportsScheduleDateRangeFixedEndDate", "20250111"}});
    ScheduleReportSettingsValues values;
    values.Load(settings.Getter(), true);
    ScheduleReportSettingsDialog dialog(nullptr, values);
    ExpectReadable(dialog);
    dialog.show();

    EXPECT_EQ(dialog.page.title->text().toStdString(), "Schedule");
    EXPECT_FALSE(dialog.period.GetSafeHwnd()->isEnabled());
    EXPECT_FALSE(dialog.times.GetSafeHwnd()->isVisible());
    EXPECT_EQ(Shown(dialog.pages), "20");
    EXPECT_EQ(Shown(dialog.labelWidth), "5.000");   // a missing width shows 5 cm
    EXPECT_EQ(dialog.unit->text(), "cm");
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
    TypeOver(dialog.pages.GetSafeHwnd(), "3");
    TypeOver(dialog.labelWidth.GetSafeHwnd(), "4.1");
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

    // In inches the width shows to a thousandth, so OK keeps it as stored.
    settings.Set("ViewScheduleBaseUnit", "2");
    values.Load(settings.Getter(), false);
    ScheduleReportSettingsDialog hours(nullptr, values);
    hours.show();
    EXPECT_TRUE(hours.times.GetSafeHwnd()->isVisible());
    EXPECT_EQ(Part(hours.times, 0)->text(), "00:00");
    EXPECT_EQ(Shown(hours.labelWidth), "1.614");
    EXPECT_EQ(hours.unit->text(), "in");
    hours.accept();
    ASSERT_EQ(hours.result(), QDialog::Accepted);
    hours.Values().Store(Setter());
    EXPECT_EQ(Get("ReportsSchedulePrinterWidthLabelColumn"), "410");
}

// Below the day the times are shown and typed in the program's time
// format. While the fixed range is chosen, a time the control cannot read
// is refused on the times and a start not before the end on the dates;
// with the visible range the times stay as they were.
TEST_F(SettingsDialogsTest, ScheduleTimesAreReadAsTypedAndRefusedWhenUnreadableOrReversed) {
    const struct {
        const char* start;
        const char* end;
        bool thenVisibleRange;
        unsigned refusal;   // 0: accepted
        const char* storedStart;
        const char* storedEnd;
    } cases[] = {
        {"8:00", "17:30", false, 0, "480", "1050"},
        {"830", "9", false, 0, "510", "540"},
        {"0:00", "23:59", false, 0, "0", "1439"},
        {"25:00", "17:30", false, kStrTimeMissing, "", ""},
        {"8:00", "", false, kStrTimeMissing, "", ""},
        {"noon", "17:30", false, kStrTimeMissing, "", ""},
        {"10:00", "9:00", false, kStrPeriodReversed, "", ""},
        {"9:00", "9:00", false, kStrPeriodReversed, "", ""},
        {"8:00", "24:00", false, kStrPeriodReversed, "", ""},   // 24:00 reads as 0:00
        {"25:00", "", true, 0, "60", "120"},
        {"8:00", "17:30", true, 0, "480", "1050"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.start) + " - " + c.end);
        ui::ScriptedPrompts prompts;
        Set({{"ViewScheduleBaseUnit", "2"}, {"ReportsScheduleDateRangeFixed", "1"},
             {"ReportsScheduleDateRangeFixedStartDate", "20250106"}, {"ReportsScheduleDateRangeFixedEndDate", "20250106"},
             {"ReportsScheduleTimeRangeFixedStartTime", "60"}, {"ReportsScheduleTimeRangeFixedEndTime", "120"}});
        ScheduleReportSettingsValues values;
        values.Load(settings.Getter(), true);
        ScheduleReportSettingsDialog dialog(nullptr, values);
        dialog.show();
        EXPECT_EQ(Part(dialog.times, 0)->text(), "01:00");
        EXPECT_EQ(Part(dialog.times, 1)->text(), "02:00");
        TypeOver(Part(dialog.times, 0), c.start);
        TypeOver(Part(dialog.times, 1), c.end);
        if (c.thenVisibleRange) dialog.page.rangeChoice->button(0)->setChecked(true);
        if (c.refusal != 0) prompts.AnswerMessage(ui::IDOK);
        dialog.accept();
        if (c.refusal != 0) {
            EXPECT_TRUE(dialog.isVisible());
            ASSERT_EQ(prompts.asked().size(), 1u);
            EXPECT_EQ(prompts.asked()[0].text, plat::LoadResString(c.refusal));
            EXPECT_EQ(dialog.focusWidget(),
                      c.refusal == kStrTimeMissing ? Part(dialog.times, 0) : PeriodPart(dialog, 0));
            continue;
        }
        EXPECT_TRUE(prompts.asked().empty());
        ASSERT_EQ(dialog.result(), QDialog::Accepted);
        dialog.Values().Store(Setter());
        EXPECT_EQ(Get("ReportsScheduleTimeRangeFixedStartTime"), c.storedStart);
        EXPECT_EQ(Get("ReportsScheduleTimeRangeFixedEndTime"), c.storedEnd);
    }
}

// Every report dialog with all of its controls shown (the schedule's times
// below the day): Alt and a letter leads to one control. The export dialog
// only runs modally.
TEST_F(SettingsDialogsTest, EachLetterLeadsToOneControl) {
    settings.Set("ViewScheduleBaseUnit", "2");
    ScheduleReportSettingsValues schedule;
    schedule.Load(settings.Getter(), true);
    ASSERT_FALSE(schedule.dayOrCoarser);
    const struct {
        const char* name;
        std::function<std::unique_ptr<QDialog>()> make;
    } cases[] = {
        {"booking list", [&] { return DialogFromSettings<BookingListSettingsValues, BookingListSettingsDialog>(); }},
        {"calendar", [&] { return DialogFromSettings<CalendarSettingsValues, CalendarSettingsDialog>(); }},
        {"schedule", [&] { return std::make_unique<ScheduleReportSettingsDialog>(nullptr, schedule); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::unique_ptr<QDialog> dialog = c.make();
        dialog->show();
        EXPECT_EQ(dlgtest::RepeatedMnemonics(*dialog), dlgtest::MnemonicTexts{});
    }

    std::optional<dlgtest::MnemonicTexts> exportRepeats;
    dlgtest::WhenModal<QDialog>([&](QDialog* dialog) {
        exportRepeats = dlgtest::RepeatedMnemonics(*dialog);
        dialog->reject();
    });
    ExportChoice choice;
    EXPECT_FALSE(RunExportDialog(nullptr, choice, settings.Getter(), Setter()));
    EXPECT_EQ(exportRepeats, dlgtest::MnemonicTexts{});
}

}  // namespace
