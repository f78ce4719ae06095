#include "support/time_bar_labels.h"

#include <gtest/gtest.h>

#include <map>

#include "support/locale_names.h"
#include "support/time_bar_units.h"
#include "testing/fake_locales.h"
#include "testing/scoped_clock.h"

namespace {

// Installs a locale and fills the deliverable's locale names from it.
class WithLocale {
public:
    explicit WithLocale(const plat::LocaleInfo& info) : locale_(info) {
        g_localeNames.Load(nullptr);
    }

private:
    testing::ScopedLocale locale_;
};

plat::LocaleInfo YearFirst() {
    plat::LocaleInfo info = testing::GermanGermany();
    info.dateOrder = 2;
    info.dateSeparator = "-";
    return info;
}

const CDateTime kWednesdayMorning(CDate(31, 1, 2024), CTimeOfDay(11, 45));

TEST(TimeBarLabels, EveryCodeOnEnglishUnitedStates) {
    WithLocale locale(testing::EnglishUnitedStates());
    const char* const expected[39] = {
        "",                              // 0
        "Wed 1/31/2024, 11:45 AM",       // 1
        "1/31/2024, 11:45 AM",           // 2
        "Wed 1/31/2024",                 // 3
        "1/31/2024",                     // 4
        "01/31/2024",                    // 5
        "01/31/2024, 11:45 AM",          // 6
        "January 31, 2024",              // 7
        "January 31, 24",                // 8
        "Jan 31, 24",                    // 9
        "January 31",                    // 10
        "Jan 31",                        // 11
        "1/31",                          // 12
        "31",                            // 13
        "Wednesday",                     // 14
        "Wed",                           // 15
        "W",                             // 16
        "Wed January 31, 24",            // 17
        "Wed Jan 31",                    // 18
        "Wed 1/31",                      // 19
        "Wed 31",                        // 20
        "W 31",                          // 21
        "Jan 31",                        // 22
        "January 2024",                  // 23
        "January 24",                    // 24
        "Jan 2024",                      // 25
        "Jan 24",                        // 26
        "January",                       // 27
        "Jan",                           // 28
        "24",                            // 29
        "2024",                          // 30
        "1/31, 11 AM",                   // 31
        "Jan 31, 11 AM",                 // 32
        "11:45 AM",                      // 33
        "11:45 AM",                      // 34
        "11 AM",                         // 35
        "45",                            // 36
        "1/31/2024 ( W 5)",              // 37
        "W 5",                           // 38
    };
    for (int code = 0; code < 39; ++code)
        EXPECT_EQ(FormatTimeBarLabel(kWednesdayMorning, code, false), expected[code])
            << "code " << code;
    for (int code : {-1, 39, 1000})
        EXPECT_EQ(FormatTimeBarLabel(kWednesdayMorning, code, false), "1/31/2024, 11:45 AM")
            << "code " << code;
}

TEST(TimeBarLabels, TwentyFourHourLocale) {
    WithLocale locale(testing::GermanGermany());
    const std::map<int, std::string> expected = {
        {1, "Mi 31.01.2024, 11:45"}, {7, "31. Januar 2024"}, {12, "31.1"},
        {31, "31.1, 11"},            {34, "11:45"},          {35, "11"},
    };
    for (const auto& [code, text] : expected)
        EXPECT_EQ(FormatTimeBarLabel(kWednesdayMorning, code, false), text) << "code " << code;
}

// An end at midnight names the day it closes, except in the codes built on
// the date as given.
TEST(TimeBarLabels, EndFlagAtMidnightNamesTheDayBefore) {
    WithLocale locale(testing::EnglishUnitedStates());
    const CDateTime firstOfFebruary(CDate(1, 2, 2024), CTimeOfDay(0));
    EXPECT_EQ(FormatTimeBarLabel(firstOfFebruary, 13, true), "31");
    EXPECT_EQ(FormatTimeBarLabel(firstOfFebruary, 13, false), "1");
    EXPECT_EQ(FormatTimeBarLabel(firstOfFebruary, 4, true), "1/31/2024");
    EXPECT_EQ(FormatTimeBarLabel(firstOfFebruary, 38, true), "W 5");
    EXPECT_EQ(FormatTimeBarLabel(firstOfFebruary, 1, true), "Thu 2/1/2024, 12:00 AM");

    const CDateTime mondayMidnight(CDate(5, 2, 2024), CTimeOfDay(0));
    EXPECT_EQ(FormatTimeBarLabel(mondayMidnight, 38, true), "W 6");
    EXPECT_EQ(FormatTimeBarLabel(mondayMidnight, 37, true), "2/5/2024 ( W 6)");
    EXPECT_EQ(FormatTimeBarLabel(mondayMidnight, 6, true), "02/05/2024, 12:00 AM");
    EXPECT_EQ(FormatTimeBarLabel(mondayMidnight, 14, true), "Sunday");

    const CDateTime noon(CDate(1, 2, 2024), CTimeOfDay(12, 0));
    EXPECT_EQ(FormatTimeBarLabel(noon, 13, true), "1");
}

TEST(TimeBarLabels, InitialsOfMultiByteNames) {
    plat::LocaleInfo info = testing::GermanGermany();
    info.abbrevDayNames[2] = "\u015ar";
    WithLocale locale(info);
    EXPECT_EQ(FormatTimeBarLabel(kWednesdayMorning, 16, false), "\u015a");
    EXPECT_EQ(FormatTimeBarLabel(kWednesdayMorning, 21, false), "\u015a 31");
}

TEST(TimeBarLabels, EmptyDatesAndTimes) {
    WithLocale locale(testing::EnglishUnitedStates());
    CDateTime empty(CDate::FromJulianDay(CDate::kEmpty), CTimeOfDay(0));
    empty.time.SetEmpty(true);
    for (int code : {4, 13, 23, 33, 36}) EXPECT_EQ(FormatTimeBarLabel(empty, code, false), "");
}

TEST(DatePictures, EachDateOrder) {
    struct Case {
        int day, month, year;
        const char* monthDayYear;
        const char* dayMonthYear;
        const char* yearMonthDay;
    };
    const Case cases[] = {
        {2, 2, 2, "MM'/'dd'/'yyyy", "dd'.'MM'.'yyyy", "yyyy'-'MM'-'dd"},
        {1, 4, 2, "MMMM d, yyyy", "d'.' MMMM yyyy", "yyyy MMMM d"},
        {1, 3, 0, "MMM d", "d'.' MMM", "MMM d"},
        {0, 4, 2, "MMMM, yyyy", "MMMM yyyy", "yyyy MMMM"},
        {1, 1, 0, "M'/'d", "d'.'M", "M'-'d"},
        {0, 2, 1, "MM'/'yy", "MM'.'yy", "yy'-'MM"},
        {0, 0, 0, "", "", ""},
    };
    for (const Case& c : cases) {
        {
            WithLocale locale(testing::EnglishUnitedStates());
            EXPECT_EQ(BuildDatePicture(c.day, c.month, c.year), c.monthDayYear);
        }
        {
            WithLocale locale(testing::GermanGermany());
            EXPECT_EQ(BuildDatePicture(c.day, c.month, c.year), c.dayMonthYear);
        }
        {
            WithLocale locale(YearFirst());
            EXPECT_EQ(BuildDatePicture(c.day, c.month, c.year), c.yearMonthDay);
        }
    }
}

// An empty separator is left out rather than written as '' (a quote).
TEST(DatePictures, EmptySeparatorsAreLeftOut) {
    plat::LocaleInfo info = testing::EnglishUnitedStates();
    info.dateSeparator = "";
    info.timeSeparator = "";
    WithLocale locale(info);
    EXPECT_EQ(BuildDatePicture(2, 2, 2), "MMddyyyy");
    EXPECT_EQ(FormatTimeBarLabel(kWednesdayMorning, 5, false), "01312024");
    EXPECT_EQ(FormatTimeBarLabel(kWednesdayMorning, 2, false), "1/31/2024, 1145 AM");
}

TEST(TimePictures, TwelveAndTwentyFourHours) {
    struct Case {
        int hour, minute;
        const char* twelve;
        const char* twentyFour;
    };
    for (const Case& c : {Case{1, 0, "h tt", "H"}, Case{2, 2, "hh:mm tt", "HH:mm"},
                          Case{1, 1, "h:m tt", "H:m"}, Case{0, 2, "mm", "mm"},
                          Case{0, 0, "", ""}}) {
        {
            WithLocale locale(testing::EnglishUnitedStates());
            EXPECT_EQ(BuildTimePicture(c.hour, c.minute), c.twelve);
        }
        {
            WithLocale locale(testing::GermanGermany());
            EXPECT_EQ(BuildTimePicture(c.hour, c.minute), c.twentyFour);
        }
    }
}

TEST(TimeBarLabels, WeekdayNamesSamplesAndUnitTexts) {
    WithLocale locale(testing::EnglishUnitedStates());
    EXPECT_EQ(GetWeekdayName(kWednesdayMorning.date, 1), "W");
    EXPECT_EQ(GetWeekdayName(kWednesdayMorning.date, 2), "Wed");
    EXPECT_EQ(GetWeekdayName(kWednesdayMorning.date, 3), "Wednesday");
    EXPECT_EQ(GetWeekdayName(kWednesdayMorning.date, 4), "");

    testing::ScopedClock clock(plat::LocalDateTime{2031, 6, 15, 9, 0, 0});
    EXPECT_EQ(FormatSampleLabel(23, true), "January 2031");
    EXPECT_EQ(FormatSampleLabel(36, true), "45");
    EXPECT_EQ(FormatSampleLabel(36, false), "0");

    const std::map<int, std::string> byUnit = {
        {0, "Wed 1/31/2024, 11:45 AM"}, {3, "Wed 1/31/2024, 11:00 AM"},
        {4, "Wed 1/31/2024"},           {5, "Wed 1/31/2024"},
        {6, "January 2024"},            {7, "2024"},
        {9, "Wed 1/31/2024, 11:45 AM"},
    };
    for (const auto& [unit, text] : byUnit)
        EXPECT_EQ(FormatDateForUnit(kWednesdayMorning, unit), text) << "unit " << unit;
}

SettingGetter Settings(std::map<std::string, std::string, std::less<>> values) {
    return [values = std::move(values)](std::string_view key) {
        const auto it = values.find(key);
        return it == values.end() ? std::string() : it->second;
    };
}

TEST(TimeBarUnits, MajorUnits) {
    const int expected[] = {3, 3, 3, 4, 6, 6, 7, 7};
    for (int unit = 0; unit < 8; ++unit) EXPECT_EQ(MajorUnitOf(unit), expected[unit]);
    EXPECT_EQ(MajorUnitOf(-1), -1);
    EXPECT_EQ(MajorUnitOf(8), 8);
}

TEST(TimeBarUnits, UnitsOnScreenAreClampedToOneThrough32767) {
    struct Case {
        const char* setting;
        UnitsOnScreen expected;
    };
    const Case cases[] = {
        {"", {30, 30, 30, 24, 31, 13, 12, 3}},
        {"10 0 -5", {10, 1, 1, 24, 31, 13, 12, 3}},
        {"1 2 3 4 5 6 7 8 9 10", {1, 2, 3, 4, 5, 6, 7, 8}},
        {"40000 99999999999 32767 x", {32767, 32767, 32767, 1, 31, 13, 12, 3}},
        {"  7   8 ", {7, 8, 30, 24, 31, 13, 12, 3}},
    };
    for (const Case& c : cases) {
        UnitsOnScreen units{};
        LoadUnitsOnScreen(Settings({{std::string(kUnitsOnScreenKey), c.setting}}), units);
        EXPECT_EQ(units, c.expected) << '"' << c.setting << '"';
    }
}

TEST(TimeBarUnits, LabelCodeLists) {
    LabelCodes major{}, minor{};
    LoadTimeBarFormats(Settings({{std::string(kTimeBarFormatMajorKey), "1 2 3"},
                                 {std::string(kTimeBarFormatMinorKey),
                                  "9 9 9 9 9 9 9 -4 50 60"}}),
                       major, minor);
    EXPECT_EQ(major, (LabelCodes{1, 2, 3, 33, 3, 0, 23, 30}));
    EXPECT_EQ(minor, (LabelCodes{9, 9, 9, 9, 9, 9, 9, -4}));

    LabelCodes kept = {5, 5, 5, 5, 5, 5, 5, 5};
    LoadFormatList(Settings({}), kTimeBarFormatMajorKey, kept);
    EXPECT_EQ(kept, (LabelCodes{5, 5, 5, 5, 5, 5, 5, 5}));
}

}  // namespace
