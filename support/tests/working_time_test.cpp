#include "support/working_time.h"

#include <gtest/gtest.h>

#include <climits>

#include "plan_records.h"
#include "plat/resource_strings.h"
#include "testing/fake_locales.h"

namespace {

// 8:00 to 17:00, Monday to Friday.
const WorkingTime kOffice = {480, 1020, {1, 1, 1, 1, 1, 0, 0}};

// A week of February 2024: Monday the 5th to Monday the 12th.
CDateTime At(int day, int hour, int minute = 0) {
    return CDateTime(CDate(day, 2, 2024), CTimeOfDay(hour, minute));
}
constexpr int kMon = 5, kTue = 6, kWed = 7, kFri = 9, kSat = 10, kSun = 11, kNextMon = 12;

std::string Text(const CDateTime& dt) {
    return dt.date.Format(0, "ddd d") + " " + std::to_string(dt.time.GetMinutes() / 60) + ":" +
           std::to_string(dt.time.GetMinutes() % 60);
}

TEST(WorkingTime, BookingWorkingMinutes) {
    struct Case {
        CDateTime start, end;
        int unit;
        bool realTime;
        double expected;
    };
    const Case cases[] = {
        {At(kMon, 10), At(kMon, 12), 0, false, 120},
        {At(kMon, 7), At(kMon, 18), 0, false, 540},
        {At(kFri, 16), At(kNextMon, 9), 0, false, 120},
        {At(kMon, 0), At(kTue, 0), 0, false, 540},   // the end is 24:00 of Monday
        {At(kMon, 10), At(kTue, 0), 0, false, 420},
        {At(kSat, 10), At(kSat, 12), 0, false, 0},
        {At(kSat, 10), At(kSat, 12), 0, true, 120},
        {At(kFri, 16), At(kNextMon, 9), 0, true, 3900},
        {At(kMon, 10), At(kWed, 10), 0, false, 420 + 540 + 120},
        {At(kMon, 8), At(kFri, 17), 0, false, 5 * 540},
        {At(kMon, 18), At(kTue, 7), 0, false, 0},
        {At(kMon, 12), At(kMon, 10), 0, false, 0},   // end before start
        {At(kMon, 10), At(kMon, 10), 0, false, 0},
        {At(kMon, 10), At(kMon, 12), 1, false, 2},
        {At(kMon, 7), At(kMon, 18), 2, false, 1},
        {At(kMon, 0), At(kWed, 0), 2, true, 2},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(BookingWorkingMinutes(kOffice, c.start, c.end, c.unit, c.realTime),
                         c.expected)
            << Text(c.start) << " to " << Text(c.end) << " unit " << c.unit << " real "
            << c.realTime;
}

TEST(WorkingTime, AddWorkingMinutes) {
    struct Case {
        CDateTime start;
        int minutes;
        CDateTime expected;
    };
    const Case cases[] = {
        {At(kMon, 10), 600, At(kTue, 11)},          // one day and 60 minutes
        {At(kFri, 16, 30), 60, At(kNextMon, 8, 30)},
        {At(kMon, 10), 0, At(kMon, 10)},
        {At(kMon, 10), -5, At(kMon, 10)},
        {At(kMon, 7), 30, At(kMon, 8, 30)},         // raised to the day start
        {At(kMon, 18), 30, At(kTue, 8, 30)},        // after the day end
        {At(kSat, 10), 60, At(kNextMon, 9)},        // not a working day
        {At(kMon, 8), 540, At(kMon, 17)},           // a whole day ends at its end
        {At(kMon, 8), 1080, At(kTue, 17)},
        {At(kFri, 8), 1080, At(kNextMon, 17)},
        {At(kMon, 10), 540 * 5, At(kNextMon, 10)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AddWorkingMinutes(kOffice, c.start, c.minutes), c.expected)
            << Text(c.start) << " + " << c.minutes << " gave "
            << Text(AddWorkingMinutes(kOffice, c.start, c.minutes));
}

// A moved booking keeps its working length, or its real one when asked; a
// booking without working minutes keeps its real length either way.
TEST(WorkingTime, MovedBookingEnd) {
    struct Case {
        const char* what;
        CDateTime start, end, newStart;
        bool keepWorkingTime;
        CDateTime expected;
    };
    const Case cases[] = {
        {"two working hours over the weekend", At(kMon, 10), At(kMon, 12), At(kFri, 16), true, At(kNextMon, 9)},
        {"the real length over the weekend", At(kMon, 10), At(kMon, 12), At(kFri, 16), false, At(kFri, 18)},
        {"a weekend span in working time", At(kFri, 16), At(kNextMon, 9), At(kTue, 16), true, At(kWed, 9)},
        {"a weekend span in real time", At(kFri, 16), At(kNextMon, 9), At(kTue, 16), false, At(kFri, 9)},
        {"an evening keeps its two hours", At(kMon, 18), At(kMon, 20), At(kTue, 18), true, At(kTue, 20)},
        {"an evening moved into the day", At(kMon, 18), At(kMon, 20), At(kWed, 9), true, At(kWed, 11)},
        {"a Saturday keeps its length", At(kSat, 10), At(kSat, 12), At(kSun, 10), true, At(kSun, 12)},
        {"a night over midnight", At(kMon, 22), At(kTue, 2), At(kWed, 22), true, At(kTue + 2, 2)},
        {"an end at 0:00 in real time", At(kMon, 8), At(kTue, 0), At(kWed, 8), false, At(kWed + 1, 0)},
        {"no length", At(kMon, 10), At(kMon, 10), At(kTue, 9), true, At(kTue, 9)},
        {"an end before the start", At(kMon, 12), At(kMon, 10), At(kTue, 9), false, At(kTue, 9)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MovedBookingEnd(kOffice, c.start, c.end, c.newStart, c.keepWorkingTime), c.expected)
            << c.what << ": gave " << Text(MovedBookingEnd(kOffice, c.start, c.end, c.newStart, c.keepWorkingTime));
}

// Days that end at midnight: whole days from the day start end at 0:00 of
// the day after the last working day they cover.
TEST(WorkingTime, AddWorkingMinutesOnDaysEndingAtMidnight) {
    const WorkingTime allDay = {0, 1440, {1, 1, 1, 1, 1, 0, 0}};
    const WorkingTime fromEight = {480, 0, {1, 1, 1, 1, 1, 0, 0}};   // an end of 0 is 24:00
    struct Case {
        const WorkingTime* wt;
        CDateTime start;
        int minutes;
        CDateTime expected;
    };
    const Case cases[] = {
        {&allDay, At(kMon, 0), 1440, At(kTue, 0)},
        {&allDay, At(kFri, 0), 1440, At(kSat, 0)},
        {&allDay, At(kFri, 0), 2880, At(13, 0)},
        {&allDay, At(kFri, 0), 2880 + 60, At(13, 1)},
        {&allDay, At(kMon, 10), 1440, At(kTue, 10)},
        {&fromEight, At(kMon, 8), 960, At(kTue, 0)},
        {&fromEight, At(kFri, 8), 1920, At(13, 0)},
        {&fromEight, At(kFri, 8), 1920 + 30, At(13, 8, 30)},
        {&fromEight, At(kMon, 20), 240, At(kTue, 0)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AddWorkingMinutes(*c.wt, c.start, c.minutes), c.expected)
            << Text(c.start) << " + " << c.minutes << " gave "
            << Text(AddWorkingMinutes(*c.wt, c.start, c.minutes));
}

// Working times read from a file may have no length or no working weekday;
// every function returns at once instead of dividing by zero or searching
// forever.
TEST(WorkingTime, DegenerateWorkingTimesReturnAtOnce) {
    const WorkingTime noLength = {480, 480, {1, 1, 1, 1, 1, 0, 0}};
    const WorkingTime backwards = {900, 600, {1, 1, 1, 1, 1, 0, 0}};
    const WorkingTime noWeekday = {480, 1020, {0, 0, 0, 0, 0, 0, 0}};
    for (const WorkingTime* wt : {&noLength, &backwards, &noWeekday}) {
        EXPECT_EQ(AddWorkingMinutes(*wt, At(kMon, 10), 600), At(kMon, 10));
        EXPECT_EQ(BookingWorkingMinutes(*wt, At(kMon, 10), At(kTue, 12), 2, false), 0);
        EXPECT_EQ(NextWorkingDay(*wt, At(kSat, 9)).date.GetJulianDay(),
                  wt == &noWeekday ? At(kSun, 9).date.GetJulianDay()
                                   : At(kNextMon, 9).date.GetJulianDay());
        EXPECT_FALSE(FormatDuration(*wt, 720, kDurationDays, kUnitMinutes).empty());
    }
    EXPECT_DOUBLE_EQ(BookingWorkingMinutes(noWeekday, At(kSat, 10), At(kSat, 12), 0, true), 120);

    const WorkingTime oneMinute = {480, 481, {1, 1, 1, 1, 1, 0, 0}};
    // Two thousand million one-minute days end beyond the calendar.
    EXPECT_EQ(AddWorkingMinutes(oneMinute, At(kMon, 8), INT_MAX).date.GetJulianDay(),
              CDate::kInvalid);
    EXPECT_EQ(AddWorkingMinutes(oneMinute, At(kMon, 8), 10), At(16, 8, 1));

    const CDateTime empty(CDate::FromJulianDay(CDate::kEmpty), CTimeOfDay(600));
    EXPECT_EQ(AddWorkingMinutes(kOffice, empty, 60), empty);
    EXPECT_EQ(BookingWorkingMinutes(kOffice, empty, At(kMon, 12), 0, true), 0);
}

TEST(WorkingTime, CountAndNextWorkingDays) {
    struct Case {
        int first, last;
        int expected;
    };
    for (const Case& c : {Case{kMon, kMon, 1}, Case{kSat, kSat, 0}, Case{kTue, kMon, 0},
                          Case{kMon, kSun, 5}, Case{kWed, kNextMon, 4}, Case{kSat, kNextMon, 1}})
        EXPECT_EQ(CountWorkingDays(kOffice, CDate(c.first, 2, 2024), CDate(c.last, 2, 2024)),
                  c.expected)
            << c.first << ".." << c.last;
    // Whole years: 2024 has 262 weekdays.
    EXPECT_EQ(CountWorkingDays(kOffice, CDate(1, 1, 2024), CDate(31, 12, 2024)), 262);
    EXPECT_EQ(CountWorkingDays(kOffice, CDate::FromJulianDay(0), CDate(31, 12, 2024)), 0);

    EXPECT_EQ(NextWorkingDay(kOffice, At(kFri, 13, 5)), At(kNextMon, 13, 5));
    EXPECT_EQ(NextWorkingDay(kOffice, At(kMon, 9)), At(kTue, 9));
    const WorkingTime sundaysOnly = {480, 1020, {0, 0, 0, 0, 0, 0, 1}};
    EXPECT_EQ(NextWorkingDay(sundaysOnly, At(kSun, 9)), At(18, 9));
}

struct FakeProperties : CPlanProperties {
    bool IsWriteProtected() override { return false; }
    int32_t BeginChange() override { return 0; }
};

TEST(WorkingTime, ReadFromTheDocumentProperties) {
    FakeProperties properties;
    properties.dayStartMinutes = 420;
    properties.dayEndMinutes = 0;
    properties.workingDays[6] = 1;
    const WorkingTime wt = WorkingTimeOf(properties);
    EXPECT_EQ(wt.dayStart, 420);
    EXPECT_EQ(wt.End(), 1440);
    EXPECT_EQ(wt.workingDays, (std::array<std::uint8_t, 7>{1, 1, 1, 1, 1, 0, 1}));
}

TEST(WorkingTime, RoundTo) {
    struct Case {
        double x;
        int n;
        double expected;
    };
    for (const Case& c : {Case{1.234, 2, 1.23}, Case{-1.234, 2, -1.22}, Case{2.5, 0, 2.5},
                          Case{2.5, -3, 2.5}, Case{1.005, 1, 1.0}, Case{0.125, 2, 0.13},
                          Case{7.0, 400, 7.0}})
        EXPECT_DOUBLE_EQ(RoundTo(c.x, c.n), c.expected) << c.x << " to " << c.n;
}

const char* DurationFormats(unsigned id) {
    switch (id) {
    case 430: return "%d Min.";
    case 427: return "%.2f Std.";
    case 428: return "%.2f AT";
    case 429: return "%d:%02d";
    default: return "";
    }
}

class DurationTest : public ::testing::Test {
protected:
    void TearDown() override { plat::SetResourceStringSource(nullptr); }
    testing::ScopedLocale locale_{testing::EnglishUnitedStates()};
};

TEST_F(DurationTest, StylesWithResourceFormats) {
    plat::SetResourceStringSource(DurationFormats);
    const WorkingTime eightHours = {480, 960, {1, 1, 1, 1, 1, 0, 0}};
    struct Case {
        double value;
        int style, unit;
        const char* expected;
    };
    const Case cases[] = {
        {135, kDurationMinutes, kUnitMinutes, "135 Min."},
        {135, kDurationHours, kUnitMinutes, "2.25 Std."},
        {720, kDurationDays, kUnitMinutes, "1.50 AT"},
        {135, kDurationHoursMinutes, kUnitMinutes, "2:15"},
        {135.9, 0, kUnitMinutes, "135"},
        {135, 9, kUnitMinutes, "135"},
        {1.5, kDurationMinutes, kUnitHours, "90 Min."},
        {0.5, kDurationMinutes, kUnitDays, "240 Min."},
        {100, kDurationHours, kUnitMinutes, "1.67 Std."},
        {1e300, kDurationMinutes, kUnitMinutes, "2147483647 Min."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatDuration(eightHours, c.value, c.style, c.unit), c.expected)
            << c.value << " style " << c.style << " unit " << c.unit;
    EXPECT_EQ(FormatWorkingDayLength(eightHours, kDurationHoursMinutes), "8:00");
    EXPECT_EQ(FormatWorkingDayLength(kOffice, kDurationHours), "9.00 Std.");
}

TEST_F(DurationTest, BuiltInFormatsAndDayLengths) {
    const WorkingTime toMidnight = {480, 0, {1, 1, 1, 1, 1, 0, 0}};
    const WorkingTime noLength = {600, 600, {1, 1, 1, 1, 1, 0, 0}};
    EXPECT_EQ(FormatDuration(kOffice, 135, kDurationMinutes, kUnitMinutes), "135 min");
    EXPECT_EQ(FormatDuration(kOffice, 135, kDurationHours, kUnitMinutes), "2.25 h");
    EXPECT_EQ(FormatDuration(toMidnight, 480, kDurationDays, kUnitMinutes), "0.50 d");
    EXPECT_EQ(FormatDuration(noLength, 3, kDurationDays, kUnitMinutes), "3.00 d");
    EXPECT_EQ(FormatDuration(kOffice, 135, kDurationHoursMinutes, kUnitMinutes), "2:15 h");
    EXPECT_EQ(FormatWorkingDayLength(toMidnight, kDurationMinutes), "960 min");
}

}  // namespace
