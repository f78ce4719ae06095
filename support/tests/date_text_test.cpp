#include <gtest/gtest.h>

#include <string>

#include "support/calendar_values.h"
#include "testing/fake_locales.h"
#include "testing/scoped_clock.h"

namespace {

constexpr plat::LocalDateTime kNow = {2026, 7, 15, 10, 0, 0};

plat::LocaleInfo WithOrder(int order, std::string separator) {
    plat::LocaleInfo locale = testing::EnglishUnitedStates();
    locale.dateOrder = order;
    locale.dateSeparator = std::move(separator);
    return locale;
}

std::int32_t Parsed(std::string_view text) {
    CDate date = CDate::FromJulianDay(CDate::kInvalid);
    date.ParseText(text);
    return date.GetJulianDay();
}

std::int32_t Day(int year, int month, int day) {
    return DateToJulianDay(month, day, year);
}

TEST(DateText, FormsUnderEachLocaleOrder) {
    testing::ScopedClock clock(kNow);
    struct Case {
        int order;
        const char* separator;
        std::string text;
        std::int32_t expected;
    };
    const Case cases[] = {
        {0, "/", "", CDate::kEmpty},
        {1, ".", "", CDate::kEmpty},
        // yyyyMMdd whatever the order; seven characters are a day number.
        {0, "/", "20240315", Day(2024, 3, 15)},
        {1, ".", "20240315", Day(2024, 3, 15)},
        {2, "-", "20240315", Day(2024, 3, 15)},
        {1, ".", "2024315", CDate::kInvalid},
        // One number is a day of this month, two are day and month.
        {0, "/", "15", Day(2026, 7, 15)},
        {0, "/", "32", CDate::kInvalid},
        {1, ".", "3.4", Day(2026, 4, 3)},
        {0, "/", "3/4", Day(2026, 3, 4)},
        {2, "-", "3-4", Day(2026, 3, 4)},
        // Three numbers in the locale's order, any of the delimiters.
        {0, "/", "3/4/2024", Day(2024, 3, 4)},
        {1, ".", "3.4.2024", Day(2024, 4, 3)},
        {2, "-", "2024-3-4", Day(2024, 3, 4)},
        {1, ".", "3/4-2024", Day(2024, 4, 3)},
        {0, "/", "1\n2\n2024", Day(2024, 1, 2)},
        {0, "/", "/1//2/2024/", Day(2024, 1, 2)},
        {0, "/", "1/2/2024/7", Day(2024, 1, 2)},
        {0, "/", "2024-03-15", CDate::kInvalid},
        {0, "/", "ab/cd/ef", CDate::kInvalid},
        // The two-digit pivot and short years.
        {0, "/", "1/2/0", Day(2000, 1, 2)},
        {0, "/", "1/2/40", Day(2040, 1, 2)},
        {0, "/", "1/2/41", Day(1941, 1, 2)},
        {0, "/", "1/2/99", Day(1999, 1, 2)},
        {0, "/", "1/2/100", Day(1100, 1, 2)},
        {0, "/", "1/2/999", Day(1999, 1, 2)},
        {0, "/", "1/2/1000", Day(2000, 1, 2)},
        {0, "/", "1/2/1001", Day(1001, 1, 2)},
        // The same pivot where the year comes last or first.
        {1, ".", "2.1.40", Day(2040, 1, 2)},
        {1, ".", "2.1.41", Day(1941, 1, 2)},
        {2, "-", "40-1-2", Day(2040, 1, 2)},
        {2, "-", "41-1-2", Day(1941, 1, 2)},
        {2, "-", "999-1-2", Day(1999, 1, 2)},
        // An order the parser does not know reads as month-day-year.
        {3, "/", "3/4/2024", Day(2024, 3, 4)},
        {3, "/", "3/4", Day(2026, 3, 4)},
        {0, "/", "12/31/9999", Day(9999, 12, 31)},
        {0, "/", "1/1/10000", CDate::kInvalid},
        {0, "/", "1/1/99999999999999999999", CDate::kInvalid},
        {0, "/", "99999999999999999999/1/2024", CDate::kInvalid},
        // Days that do not exist.
        {1, ".", "31.2.2024", CDate::kInvalid},
        {1, ".", "29.2.2024", Day(2024, 2, 29)},
        {1, ".", "29.2.2023", CDate::kInvalid},
        {1, ".", "0.1.2024", CDate::kInvalid},
        // Only delimiters: today.
        {0, "/", "//", Day(2026, 7, 15)},
        {0, "/", "-", Day(2026, 7, 15)},
        // A blank separator splits; one already in the set adds nothing.
        {0, " ", "1 2 2024", Day(2024, 1, 2)},
        {1, " ", "15 3 2024", Day(2024, 3, 15)},
        {1, ".", "15 3 2024", Day(2026, 7, 15)},
        {1, "-.", "15 3 2024", Day(2026, 7, 15)},
        // Eight characters without a delimiter of the set are yyyyMMdd.
        {1, ".", "1 2 2024", CDate::kInvalid},
        // Texts beyond 1023 bytes are not dates.
        {0, "/", "1/2/2024" + std::string(1015, '/'), Day(2024, 1, 2)},
        {0, "/", "1/2/2024" + std::string(1016, '/'), CDate::kInvalid},
    };
    for (const Case& c : cases) {
        testing::ScopedLocale locale(WithOrder(c.order, c.separator));
        EXPECT_EQ(Parsed(c.text), c.expected)
            << "order " << c.order << " text \"" << c.text.substr(0, 40) << "\"";
    }
}

struct OracleCase {
    int order;
    const char* text;
    std::int32_t julianDay;
};

const OracleCase kOracle[] = {
#include "date_texts.inc"
};

// Dates written by another calendar implementation (Python's, see
// make_date_texts.py) read back to the same day.
TEST(DateText, ReadsBackDatesWrittenByAnotherCalendar) {
    const char* separators[] = {"/", ".", "-"};
    for (const OracleCase& c : kOracle) {
        testing::ScopedLocale locale(WithOrder(c.order, separators[c.order]));
        EXPECT_EQ(Parsed(c.text), c.julianDay) << c.text << " in order " << c.order;
    }
}

TEST(TimeText, FormsUnder12And24HourLocales) {
    struct Case {
        bool hour24;
        std::string text;
        bool valid;
        int minutes;   // -1: the empty time
    };
    const Case cases[] = {
        {false, "2:15 PM", true, 14 * 60 + 15},
        {true, "2:15 PM", true, 2 * 60 + 15},
        {false, "12 AM", true, 0},
        {true, "12 AM", true, 12 * 60},
        {false, "12 PM", true, 12 * 60},
        {false, "12:30 am", true, 30},
        {false, "2:15 p", true, 14 * 60 + 15},
        {false, "11 PM", true, 23 * 60},
        {true, "9", true, 9 * 60},
        {true, "9:30", true, 9 * 60 + 30},
        {true, "9.30", true, 9 * 60 + 30},
        {true, "9 30", true, 9 * 60 + 30},
        {true, "930", true, 9 * 60 + 30},
        {true, "0930", true, 9 * 60 + 30},
        {true, "093015", true, 9 * 60 + 30},
        {true, "7:5", true, 7 * 60 + 5},
        {true, "7:055", true, 7 * 60 + 5},
        {true, "23:59", true, 23 * 60 + 59},
        {true, "24:00", true, CTimeOfDay::kMinutesPerDay},
        {true, "", true, -1},
        // Texts that name no time of day.
        {true, "n/a", false, 0},
        {true, "24:01", false, 1},
        {true, "25:00", false, 60},
        {true, "9:75", false, 10 * 60 + 15},
        // Only the first 50 bytes count.
        {true, std::string(49, ' ') + "9", true, 9 * 60},
        {true, std::string(50, ' ') + "9", false, 0},
    };
    for (const Case& c : cases) {
        plat::LocaleInfo info = testing::EnglishUnitedStates();
        info.hour24 = c.hour24;
        testing::ScopedLocale locale(info);
        CTimeOfDay time(5 * 60);
        EXPECT_EQ(time.ParseText(c.text), c.valid) << c.text;
        if (c.minutes < 0) {
            EXPECT_TRUE(time.IsEmpty()) << c.text;
        } else {
            EXPECT_FALSE(time.IsEmpty()) << c.text;
            EXPECT_EQ(time.GetMinutes(), c.minutes) << c.text;
        }
    }
}

// A locale without designators never treats letters as AM or PM.
TEST(TimeText, EmptyDesignatorsMatchNothing) {
    plat::LocaleInfo info = testing::GermanGermany();
    info.hour24 = false;
    testing::ScopedLocale locale(info);
    CTimeOfDay time;
    EXPECT_TRUE(time.ParseText("2:15 PM"));
    EXPECT_EQ(time.GetMinutes(), 2 * 60 + 15);
}

}  // namespace
