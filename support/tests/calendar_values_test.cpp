#include "support/calendar_values.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>

#include "plat/datetime_format.h"
#include "testing/fake_locales.h"
#include "testing/scoped_clock.h"

namespace {

using namespace std::chrono;

constexpr int kUnixEpochJulianDay = 2440588;

int OracleIsoWeek(sys_days day) {
    const weekday wd{day};
    const sys_days thursday = day + days{4 - static_cast<int>(wd.iso_encoding())};
    const year_month_day t{thursday};
    const sys_days firstOfYear = sys_days{t.year() / January / 1};
    return static_cast<int>((thursday - firstOfYear).count() / 7) + 1;
}

// Every day from the first full Gregorian year to the last four-digit year,
// against the standard library's calendar.
TEST(CalendarValues, AgreesWithStandardCalendarOnEveryDay) {
    const sys_days first = sys_days{year{1583} / January / 1};
    const sys_days last = sys_days{year{9999} / December / 31};
    int failures = 0;
    for (sys_days day = first; day <= last && failures < 10; day += days{1}) {
        const year_month_day ymd{day};
        const int y = static_cast<int>(ymd.year());
        const int m = static_cast<int>(static_cast<unsigned>(ymd.month()));
        const int d = static_cast<int>(static_cast<unsigned>(ymd.day()));
        const std::int32_t expected = static_cast<std::int32_t>(day.time_since_epoch().count()) +
                                      kUnixEpochJulianDay;
        const std::int32_t julian = DateToJulianDay(m, d, y);
        const CDate date = CDate::FromJulianDay(expected);
        int gm = 0, gd = 0, gy = 0;
        date.GetYMD(gm, gd, gy);
        const int isoWeekday = static_cast<int>(weekday{day}.iso_encoding());
        if (julian != expected || gm != m || gd != d || gy != y ||
            date.GetDayOfWeek() != isoWeekday || date.GetWeekOfYear() != OracleIsoWeek(day)) {
            ++failures;
            ADD_FAILURE() << y << "-" << m << "-" << d << ": julian " << julian << " (want "
                          << expected << "), ymd " << gy << "-" << gm << "-" << gd
                          << ", weekday " << date.GetDayOfWeek() << " (want " << isoWeekday
                          << "), week " << date.GetWeekOfYear() << " (want "
                          << OracleIsoWeek(day) << ")";
        }
    }
    EXPECT_EQ(DateToJulianDay(1, 1, 2000), 2451545);
}

TEST(CalendarValues, ConversionOfDayMonthYear) {
    struct Case {
        int month, day, year;
        std::int32_t expected;
    };
    const std::int32_t year1905 = DateToJulianDay(3, 1, 1905);
    const Case cases[] = {
        {2, 29, 1900, 0},
        {2, 29, 2000, 2451604},
        {4, 31, 2000, 0},
        {0, 10, 2000, 0},
        {13, 10, 2000, 0},
        {1, 0, 2000, 0},
        {3, 1, 5, year1905},                         // two-digit years are 1900 + year
        {12, 31, 99, DateToJulianDay(12, 31, 1999)},
        {1, 1, 100, 1757585},                        // 100 stays 100
        {12, 31, 9999, CDate::kLastDay},
        {1, 1, 10000, 0},
        {1, 1, -1, 0},
        {1, 1, INT_MAX, 0},
        {1, 1, INT_MIN, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DateToJulianDay(c.month, c.day, c.year), c.expected)
            << c.year << "-" << c.month << "-" << c.day;
}

// Reserved or out-of-range day numbers read as 0/0/0, print fixed texts and
// are left alone by date arithmetic.
TEST(CalendarValues, ReservedValuesNeverGiveGarbage) {
    for (std::int32_t number : {0, 1, -5, 1721119, CDate::kLastDay + 1, INT_MIN, INT_MAX}) {
        const CDate date = CDate::FromJulianDay(number);
        int m = -1, d = -1, y = -1;
        date.GetYMD(m, d, y);
        EXPECT_EQ(m, 0) << number;
        EXPECT_EQ(d, 0) << number;
        EXPECT_EQ(y, 0) << number;
        EXPECT_GE(date.GetDayOfWeek(), 1) << number;
        EXPECT_LE(date.GetDayOfWeek(), 7) << number;
        EXPECT_EQ(date.GetDaysInMonth(), 0) << number;
    }
    EXPECT_EQ(CDate::FromJulianDay(0).Format(0, nullptr), "invalid");
    EXPECT_EQ(CDate::FromJulianDay(1).Format(0, nullptr), "");

    for (std::int32_t number : {0, 1}) {
        CDate date = CDate::FromJulianDay(number);
        date.AddMonths(1);
        date.SubtractMonths(13);
        date.AddYears(2);
        date.SubtractYears(1);
        EXPECT_EQ(date.MoveToWeekday(3, true), 0);
        EXPECT_EQ(date.GetJulianDay(), number);
        EXPECT_EQ(AddDays(date, 5).GetJulianDay(), number);
    }
}

TEST(CalendarValues, MonthAndYearArithmeticClampsTheDay) {
    enum Op { kAddMonths, kSubtractMonths, kAddYears, kSubtractYears };
    struct Case {
        CDate from;
        Op op;
        int n;
        CDate expected;
    };
    const Case cases[] = {
        {CDate(31, 1, 2024), kAddMonths, 1, CDate(29, 2, 2024)},
        {CDate(31, 1, 2023), kAddMonths, 1, CDate(28, 2, 2023)},
        {CDate(31, 3, 2024), kSubtractMonths, 1, CDate(29, 2, 2024)},
        {CDate(15, 1, 2024), kSubtractMonths, 13, CDate(15, 12, 2022)},
        {CDate(15, 1, 2024), kSubtractMonths, 12, CDate(15, 1, 2023)},
        {CDate(15, 11, 2024), kAddMonths, 14, CDate(15, 1, 2026)},
        {CDate(15, 11, 2024), kAddMonths, -11, CDate(15, 12, 2023)},
        {CDate(15, 11, 2024), kSubtractMonths, -2, CDate(15, 1, 2025)},
        {CDate(29, 2, 2004), kAddYears, 1, CDate(28, 2, 2005)},
        {CDate(29, 2, 2004), kSubtractYears, 4, CDate(29, 2, 2000)},
        {CDate(29, 2, 2004), kAddYears, -1, CDate(28, 2, 2003)},
        {CDate(10, 5, 2024), kAddMonths, 0, CDate(10, 5, 2024)},
        // Beyond the calendar the result is invalid, without overflow.
        {CDate(31, 12, 9999), kAddMonths, 1, CDate::FromJulianDay(0)},
        {CDate(1, 1, 2024), kAddYears, INT_MAX, CDate::FromJulianDay(0)},
        {CDate(1, 1, 2024), kSubtractMonths, INT_MIN, CDate::FromJulianDay(0)},
    };
    for (const Case& c : cases) {
        CDate date = c.from;
        switch (c.op) {
        case kAddMonths: date.AddMonths(c.n); break;
        case kSubtractMonths: date.SubtractMonths(c.n); break;
        case kAddYears: date.AddYears(c.n); break;
        case kSubtractYears: date.SubtractYears(c.n); break;
        }
        EXPECT_EQ(date, c.expected) << c.from.Format(0, "yyyy-MM-dd") << " op " << c.op << " "
                                    << c.n << " gave " << date.Format(0, "yyyy-MM-dd");
    }
}

TEST(CalendarValues, MoveToWeekdayAndEndOfMonth) {
    const CDate wednesday(31, 1, 2024);
    struct Case {
        int weekday;
        bool forward;
        int moved;
    };
    for (const Case& c : {Case{0, true, 5}, Case{0, false, -2}, Case{2, true, 0},
                          Case{2, false, 0}, Case{6, true, 4}, Case{3, false, -6}}) {
        CDate date = wednesday;
        EXPECT_EQ(date.MoveToWeekday(c.weekday, c.forward), c.moved) << c.weekday;
        EXPECT_EQ(date.GetJulianDay(), wednesday.GetJulianDay() + c.moved) << c.weekday;
    }
    CDate date = wednesday;
    date.SetEndOfMonth(2, 2024);
    EXPECT_EQ(date, CDate(29, 2, 2024));
    date.SetEndOfMonth(2, 0);   // 1900, not a leap year
    EXPECT_EQ(date, CDate(28, 2, 1900));
    date.SetEndOfMonth(13, 2024);
    EXPECT_EQ(date.GetJulianDay(), 0);
}

TEST(CalendarValues, DefaultValuesReadTheClock) {
    testing::ScopedClock clock(plat::LocalDateTime{2024, 1, 31, 11, 45, 30});
    EXPECT_EQ(CDate(), CDate(31, 1, 2024));
    EXPECT_EQ(CTimeOfDay().GetMinutes(), 11 * 60 + 45);
    EXPECT_EQ(CDateTime(), CDateTime(CDate(31, 1, 2024), CTimeOfDay(11, 45)));
}

TEST(TimeOfDay, SettersWrapIntoOneDay) {
    struct Case {
        std::int64_t minutes;
        int expected;
    };
    for (const Case& c : {Case{-30, 1410}, Case{1440, 0}, Case{1439, 1439}, Case{-1440, 0},
                          Case{3000, 120}, Case{INT_MIN, static_cast<int>(
                                                            (INT_MIN % 1440) + 1440)}}) {
        CTimeOfDay t(0);
        t.Set(c.minutes);
        EXPECT_EQ(t.GetMinutes(), c.expected) << c.minutes;
    }
    EXPECT_EQ(CTimeOfDay(25, 30).GetMinutes(), 90);
    EXPECT_EQ(CTimeOfDay(INT_MAX, INT_MAX).GetMinutes(),
              static_cast<int>((static_cast<std::int64_t>(INT_MAX) * 61) % 1440));

    CTimeOfDay t(600);
    t.SetEmpty(true);
    EXPECT_TRUE(t.IsEmpty());
    EXPECT_EQ(t.GetMinutes(), 0);
    EXPECT_EQ(t.Format(0, nullptr), "");
    t = 75;
    EXPECT_FALSE(t.IsEmpty());
    t.TruncateToHour();
    EXPECT_EQ(t.GetMinutes(), 60);
}

TEST(DateTime, AddMinutesCarriesWholeDays) {
    const CDate day(5, 5, 2024);
    struct Case {
        int startMinutes;
        int add;
        int dayShift;
        int minutes;
    };
    const Case cases[] = {
        {10, -30, -1, 1420},      // 0:10 - 30 is 23:40 of the day before
        {1390, 50, 1, 0},         // 23:10 + 50 is 0:00 of the next day
        {600, 2880, 2, 600},
        {600, -2880, -2, 600},
        {600, 0, 0, 600},
        {30, -30, 0, 0},
        {0, -1, -1, 1439},
        {600, 1440 * 3 + 900, 4, 60},
        {600, -(1440 * 3 + 700), -4, 1340},
    };
    for (const Case& c : cases) {
        CDateTime value(day, CTimeOfDay(c.startMinutes));
        const CDateTime returned = value.AddMinutes(c.add);
        EXPECT_EQ(returned, value);
        EXPECT_EQ(value.date.GetJulianDay(), day.GetJulianDay() + c.dayShift)
            << c.startMinutes << " + " << c.add;
        EXPECT_EQ(value.time.GetMinutes(), c.minutes) << c.startMinutes << " + " << c.add;
    }
    CDateTime extreme(day, CTimeOfDay(0));
    extreme.AddMinutes(INT_MIN);
    EXPECT_GE(extreme.time.GetMinutes(), 0);
}

TEST(DateTime, DiffMinutesCountsALaterMidnightAsTheDayBefore) {
    struct Case {
        CDateTime from, to;
        std::int64_t total;
        int days, minutes;
    };
    const Case cases[] = {
        {{CDate(5, 5, 2024), 0}, {CDate(6, 5, 2024), 0}, 1440, 0, 1440},
        {{CDate(5, 5, 2024), 480}, {CDate(7, 5, 2024), 360}, 2760, 1, 1320},
        {{CDate(5, 5, 2024), 0}, {CDate(5, 5, 2024), 0}, 0, -1, 1440},
        {{CDate(5, 5, 2024), 600}, {CDate(5, 5, 2024), 690}, 90, 0, 90},
        {{CDate(5, 5, 2024), 600}, {CDate(6, 5, 2024), 0}, 840, 0, 840},
    };
    for (const Case& c : cases) {
        int days = 99, minutes = 99;
        EXPECT_EQ(c.from.DiffMinutes(c.to, days, minutes), c.total);
        EXPECT_EQ(days, c.days);
        EXPECT_EQ(minutes, c.minutes);
    }
}

// The end of a day: "24:00" where the locale or the flag asks for a 24-hour
// clock, midnight otherwise; a picture prints hour 24 by its letters.
TEST(TimeOfDay, EndOfDayFormatting) {
    struct Case {
        bool hour24Locale;
        unsigned flags;
        const char* picture;
        const char* expected;
    };
    const unsigned noSeconds = plat::TIME_NOSECONDS;
    const unsigned force24 = plat::TIME_FORCE24HOURFORMAT;
    const Case cases[] = {
        {true, noSeconds, nullptr, "24:00"},
        {false, noSeconds, nullptr, "12:00 AM"},
        {false, force24, nullptr, "24:00"},
        {false, force24, "h:mm tt", "24:00"},
        {true, 0, "HH:mm", "24:00"},
        {false, 0, "H", "24"},
        {false, 0, "hh:mm tt", "12:00 AM"},
        {true, 0, "h:mm", "12:00"},
    };
    const CTimeOfDay endOfDay = CTimeOfDay::EndOfDay();
    for (const Case& c : cases) {
        testing::ScopedLocale locale(c.hour24Locale ? testing::GermanGermany()
                                                    : testing::EnglishUnitedStates());
        EXPECT_EQ(endOfDay.Format(c.flags, c.picture), c.expected)
            << (c.picture ? c.picture : "(none)") << " flags " << c.flags << " 24h "
            << c.hour24Locale;
    }
}

}  // namespace
