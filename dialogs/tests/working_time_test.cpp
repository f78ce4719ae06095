#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QTest>

#include "booking_ids.h"
#include "controls_api.h"
#include "data_library.h"
#include "period_pick.h"
#include "plat/resource_strings.h"
#include "string_ids.h"
#include "support/locale_names.h"
#include "ui/message.h"
#include "ui/scripted_prompts.h"
#include "when_modal.h"
#include "working_time_dialog.h"
#include "working_time_ids.h"
#include "working_time_rules.h"

namespace {

using namespace working_time_ids;

constexpr std::uint8_t kMondayToFriday[7] = {1, 1, 1, 1, 1, 0, 0};

CDate Day(int day, int month, int year) { return CDate(day, month, year); }

TEST(StoredWorkingDayTest, EndNotAfterStartRunsToMidnight) {
    struct Case {
        int start, end;
        WorkingDayMinutes stored;
    } cases[] = {
        {480, 1020, {480, 1020}},
        {480, 0, {480, 1440}},     // 8:00 to 0:00
        {480, 480, {0, 1440}},     // start equal to end: the whole day
        {0, 0, {0, 1440}},
        {1020, 480, {1020, 1440}},
        {0, 1439, {0, 1439}},
    };
    for (const Case& c : cases) EXPECT_EQ(StoredWorkingDay(c.start, c.end), c.stored) << c.start << "-" << c.end;
}

TEST(CheckPeriodHasWorkingDaysTest, LooksAtTheFirstEightDays) {
    const std::uint8_t sundayOnly[7] = {0, 0, 0, 0, 0, 0, 1};
    CDate empty;
    empty.SetEmpty();
    struct Case {
        CDate from, to;
        const std::uint8_t (&flags)[7];
        bool allow;
        bool expected;
    } cases[] = {
        {Day(6, 1, 2024), Day(7, 1, 2024), kMondayToFriday, false, false},   // Saturday and Sunday
        {Day(6, 1, 2024), Day(7, 1, 2024), kMondayToFriday, true, true},     // allowed by the setting
        {Day(6, 1, 2024), Day(8, 1, 2024), kMondayToFriday, false, true},    // up to Monday
        {Day(8, 1, 2024), Day(8, 1, 2024), sundayOnly, false, false},
        {Day(8, 1, 2024), Day(14, 1, 2024), sundayOnly, false, true},        // the seventh day
        {Day(1, 1, 1000), Day(31, 12, 9999), sundayOnly, false, true},      // 9,000 years: eight days looked at
        {Day(8, 1, 2024), Day(5, 1, 2024), kMondayToFriday, false, false},   // reversed
        {Day(8, 1, 2024), Day(5, 1, 2024), kMondayToFriday, true, false},
        {empty, Day(5, 1, 2024), kMondayToFriday, false, false},             // no start date
        {empty, Day(5, 1, 2024), kMondayToFriday, true, false},
        {Day(8, 1, 2024), empty, kMondayToFriday, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CheckPeriodHasWorkingDays(c.from, c.to, c.flags, c.allow), c.expected)
            << c.from.GetJulianDay() << ".." << c.to.GetJulianDay() << " allow " << c.allow;
    }
}

TEST(CheckWorkingTimeTest, RulesInOrder) {
    auto input = [](CDate from, CDate to, CTimeOfDay start, CTimeOfDay end, bool anyDay = true) {
        WorkingTimeInput in;
        in.from = from;
        in.to = to;
        in.dayStart = start;
        in.dayEnd = end;
        if (anyDay) std::copy(std::begin(kMondayToFriday), std::end(kMondayToFriday), std::begin(in.flags));
        return in;
    };
    CTimeOfDay emptyTime(0);
    emptyTime.SetEmpty(true);
    const CDate mon = Day(8, 1, 2024), fri = Day(12, 1, 2024), sat = Day(6, 1, 2024), sun = Day(7, 1, 2024);
    const CDate empty = CDate::FromJulianDay(CDate::kEmpty);
    struct Case {
        WorkingTimeInput in;
        WorkingTimeRefusal expected;
    } cases[] = {
        {input(mon, fri, 480, 1020), {}},
        {input(mon, fri, 480, 0), {}},   // to midnight
        {input(mon, fri, 480, 480), {DAY_END_NOT_AFTER_START, IDC_WORKING_DAY}},
        {input(mon, fri, 1020, 480), {DAY_END_NOT_AFTER_START, IDC_WORKING_DAY}},
        {input(mon, fri, 0, 0), {}},     // the whole day
        {input(sat, sun, 480, 1020), {NO_WORKING_DAY_IN_PERIOD, IDC_WORKING_PERIOD}},
        {input(fri, mon, 480, 1020), {booking_ids::PERIOD_REVERSED, IDC_WORKING_PERIOD}},
        // Every weekday off comes before the period and the day.
        {input(sat, sun, 480, 480, false), {NO_WEEKDAY, IDC_WORKING_WEEKDAYS}},
        // What the dialog could not read comes first of all, the dates before the times.
        {input(empty, fri, 480, 1020), {booking_ids::DATE_MISSING, IDC_WORKING_PERIOD}},
        {input(mon, empty, 480, 1020), {booking_ids::DATE_MISSING, IDC_WORKING_PERIOD}},
        {input(mon, fri, emptyTime, 1020), {booking_ids::TIME_MISSING, IDC_WORKING_DAY}},
        {input(mon, fri, 480, emptyTime), {booking_ids::TIME_MISSING, IDC_WORKING_DAY}},
        {input(empty, fri, emptyTime, emptyTime, false), {booking_ids::DATE_MISSING, IDC_WORKING_PERIOD}},
        {input(sat, sun, 480, emptyTime, false), {booking_ids::TIME_MISSING, IDC_WORKING_DAY}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(CheckWorkingTime(cases[i].in), cases[i].expected) << i;

    WorkingTimeInput allowed = input(sat, sun, 480, 1020);
    allowed.allowWithoutWorkingDays = true;
    EXPECT_TRUE(CheckWorkingTime(allowed).accepted());
}

// Checked against the calendar of the standard library.
std::chrono::year_month_day Ymd(CDate date) {
    return {std::chrono::year(date.GetYear()), std::chrono::month(unsigned(date.GetMonth())),
            std::chrono::day(unsigned(date.GetDay()))};
}

TEST(PickPeriodTest, EachCodeChoosesItsPeriod) {
    using namespace std::chrono;
    const CDate today = Day(10, 12, 2026);
    struct Case {
        unsigned code;
        CDate shown;
        bool period;
        year_month_day date, start, end;
    } cases[] = {
        {SPCN_CALENDAR_DAY, Day(15, 2, 2024), false, 2024y / 2 / 15, {}, {}},
        {SPCN_CALENDAR_TODAY, Day(15, 2, 2024), false, 2026y / 12 / 10, {}, {}},
        {SPCN_CALENDAR_WEEK, Day(27, 12, 2023), true, 2023y / 12 / 27, 2023y / 12 / 27, 2024y / 1 / 2},
        {SPCN_CALENDAR_MONTH, Day(15, 2, 2024), true, 2024y / 2 / 1, 2024y / 2 / 1, 2024y / 2 / 29},
        {SPCN_CALENDAR_MONTH, Day(15, 2, 2100), true, 2100y / 2 / 1, 2100y / 2 / 1, 2100y / 2 / 28},
        {SPCN_CALENDAR_YEAR, Day(15, 7, 2024), true, 2024y / 1 / 1, 2024y / 1 / 1, 2024y / 12 / 31},
        {SPCN_CALENDAR_YEAR, CDate::FromJulianDay(CDate(1, 1, 1000).GetJulianDay() - 365 * 950), true,
         50y / 1 / 1, 50y / 1 / 1, 50y / 12 / 31},
        {SPCN_CALENDAR_WEEK, Day(29, 12, 9999), true, 9999y / 12 / 29, 9999y / 12 / 29, 9999y / 12 / 31},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        const std::optional<PeriodPick> pick = PickPeriod(c.code, c.shown, today);
        ASSERT_TRUE(pick);
        EXPECT_EQ(pick->period, c.period);
        EXPECT_EQ(Ymd(pick->date), c.date);
        if (!c.period) continue;
        EXPECT_EQ(Ymd(pick->start), c.start);
        EXPECT_EQ(Ymd(pick->end), c.end);
        EXPECT_EQ(sys_days(Ymd(pick->end)) - sys_days(Ymd(pick->start)),
                  days(pick->end.GetJulianDay() - pick->start.GetJulianDay()));
    }
    EXPECT_FALSE(PickPeriod(SPCN_CALENDAR_CANCEL, today, today));
    EXPECT_FALSE(PickPeriod(4711, today, today));
    EXPECT_TRUE(PickPeriod(SPCN_CALENDAR_DAY, CDate::FromJulianDay(CDate::kInvalid), today)->date.IsEmpty());
}

const char* Texts(unsigned id) {
    switch (id) {
    case DAY_END_NOT_AFTER_START: return "day end";
    case NO_WEEKDAY: return "no weekday";
    case NO_WORKING_DAY_IN_PERIOD: return "no working day";
    case ids::UNDO_WORKING_TIME: return "Change Working Time";
    default: return "";
    }
}

// Keeps the names of the steps the data store pushes.
class StepNames : public CUndoHistory {
public:
    void Clear() override { names.clear(); }
    bool PushUndo(const UndoEntry* entry, bool) override {
        names.emplace_back(entry->name);
        if (entry->release != nullptr) entry->release(entry->arg);
        return true;
    }
    bool PushRedo(const UndoEntry*) override { return false; }
    std::vector<std::string> names;
};

class WorkingTimeDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        plat::SetResourceStringSource(Texts);
        ASSERT_NE(library.data(), nullptr) << library.error();
        data = library.data();
        data->properties->periodStart = Day(1, 1, 2024).GetJulianDay();
        data->properties->periodEnd = Day(31, 12, 2024).GetJulianDay();
    }
    void TearDown() override { plat::SetResourceStringSource(nullptr); }

    struct Entry {
        int start, end;
        std::vector<int> checkedPositions;
    };
    // Types the entries one after the other, pressing OK after each; the
    // dialog must stay open after every entry but the last.
    void EnterThroughDialog(std::vector<Entry> entries, bool* stayedOpen) {
        dlgtest::WhenModal<CWorkingTimeDlg>([entries, stayedOpen](CWorkingTimeDlg* dialog) {
            for (std::size_t i = 0; i < entries.size(); ++i) {
                QWidget* day = dialog->GetDlgItem(IDC_WORKING_DAY);
                ui::SendMessage(day, WM_SP_TIMEPERIOD_SETTIME, 0, entries[i].start);
                ui::SendMessage(day, WM_SP_TIMEPERIOD_SETTIME, 1, entries[i].end);
                QWidget* days = dialog->GetDlgItem(IDC_WORKING_WEEKDAYS);
                for (int p = 0; p < 7; ++p) ui::SendMessage(days, WM_SP_CHECKGROUP_SETCHECK, p, 0);
                for (int p : entries[i].checkedPositions) ui::SendMessage(days, WM_SP_CHECKGROUP_SETCHECK, p, 1);
                QTest::mouseClick(static_cast<QAbstractButton*>(dialog->GetDlgItem(ui::IDOK)), Qt::LeftButton);
                if (i + 1 < entries.size()) *stayedOpen = *stayedOpen && dialog->isVisible();
            }
            if (dialog->isVisible()) dialog->reject();
        });
    }

    ui::ScriptedPrompts prompts;
    StepNames steps;
    dlgtest::DataLibrary library{&steps};
    CPlanData* data = nullptr;
    const SettingGetter noSettings = [](std::string_view) { return std::string(); };
};

TEST_F(WorkingTimeDialogTest, RefusesThenStoresInOneStep) {
    bool stayedOpen = true;
    // Positions in the user's week; all seven make every weekday a working day.
    EnterThroughDialog({{480, 480, {0, 1, 2, 3, 4, 5, 6}},   // 8:00 to 8:00
                        {480, 1020, {}},                     // every weekday off
                        {480, 0, {0, 1, 2, 3, 4, 5, 6}}},    // 8:00 to midnight
                       &stayedOpen);
    ASSERT_TRUE(EditWorkingTime(data, noSettings));
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(prompts.asked().size(), 2u);
    EXPECT_EQ(prompts.asked()[0].text, "day end");
    EXPECT_EQ(prompts.asked()[1].text, "no weekday");
    EXPECT_EQ(data->properties->dayStartMinutes, 480);
    EXPECT_EQ(data->properties->dayEndMinutes, 1440);
    for (std::uint8_t flag : data->properties->workingDays) EXPECT_EQ(flag, 1);
    EXPECT_EQ(data->properties->periodStart, Day(1, 1, 2024).GetJulianDay());
    EXPECT_EQ(steps.names, std::vector<std::string>{"Change Working Time"});
}

TEST_F(WorkingTimeDialogTest, WeekdaysFollowTheLocalesWeek) {
    // Only the position that shows Wednesday stays checked.
    int wednesday = -1;
    for (int p = 0; p < 7; ++p)
        if (g_localeNames.WeekdayIndex(p) == 2) wednesday = p;
    ASSERT_GE(wednesday, 0);
    bool stayedOpen = true;
    EnterThroughDialog({{540, 1020, {wednesday}}}, &stayedOpen);
    ASSERT_TRUE(EditWorkingTime(data, noSettings));
    const std::uint8_t expected[7] = {0, 0, 1, 0, 0, 0, 0};
    EXPECT_TRUE(std::equal(std::begin(expected), std::end(expected), data->properties->workingDays));
    EXPECT_EQ(data->properties->dayStartMinutes, 540);
}

TEST_F(WorkingTimeDialogTest, StoredMidnightLoadsAsMidnightAndOkIsOffWhenReadOnly) {
    data->properties->dayEndMinutes = 1440;
    CWorkingTimeDlg dialog(true, noSettings);
    dialog.dayStart = 480;
    dialog.dayEnd = 1440;   // shown as 0:00
    dialog.show();
    EXPECT_FALSE(dialog.GetDlgItem(ui::IDOK)->isEnabled());
    EXPECT_EQ(ui::SendMessage(dialog.GetDlgItem(IDC_WORKING_DAY), WM_SP_TIMEPERIOD_GETTIME, 1, 0), 0);
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(WorkingTimeDialogTest, SetWorkingPeriodRefusesWhatNamesNoPeriod) {
    EXPECT_FALSE(SetWorkingPeriod(data, Day(5, 1, 2024), Day(4, 1, 2024)));
    EXPECT_FALSE(SetWorkingPeriod(data, CDate::FromJulianDay(CDate::kEmpty), Day(4, 1, 2024)));
    EXPECT_TRUE(steps.names.empty());
    ASSERT_TRUE(SetWorkingPeriod(data, Day(1, 3, 2025), Day(31, 3, 2025)));
    EXPECT_EQ(data->properties->periodStart, Day(1, 3, 2025).GetJulianDay());
    EXPECT_EQ(data->properties->periodEnd, Day(31, 3, 2025).GetJulianDay());
    EXPECT_EQ(data->properties->dayEndMinutes, 1020);
    EXPECT_EQ(steps.names, std::vector<std::string>{"Change Working Time"});
}

TEST(PeriodChoiceDialogTest, CalendarPicksCloseTheDialog) {
    struct Case {
        unsigned code;
        int result;
        bool period;
        CDate date;
    } cases[] = {
        {SPCN_CALENDAR_DAY, ui::IDOK, false, Day(14, 2, 2024)},
        {SPCN_CALENDAR_MONTH, ui::IDOK, true, Day(1, 2, 2024)},
        {SPCN_CALENDAR_CANCEL, ui::IDCANCEL, false, Day(14, 2, 2024)},
    };
    for (const Case& c : cases) {
        CPeriodChoiceDlg dialog(Day(14, 2, 2024));
        dialog.show();
        ui::NotifyParent(dialog.GetDlgItem(IDC_PERIOD_CALENDAR), c.code);
        EXPECT_EQ(dialog.result(), c.result) << c.code;
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.period, c.period);
        EXPECT_EQ(dialog.date.GetJulianDay(), c.date.GetJulianDay()) << c.code;
    }
    CPeriodChoiceDlg month(Day(14, 2, 2024));
    month.show();
    ui::NotifyParent(month.GetDlgItem(IDC_PERIOD_CALENDAR), SPCN_CALENDAR_MONTH);
    EXPECT_EQ(month.periodEnd.GetJulianDay(), Day(29, 2, 2024).GetJulianDay());
}

}  // namespace
