#include <gtest/gtest.h>

#include "testing/fake_locales.h"
#include "value_text.h"

namespace {

struct DayCase {
    int year, month, day;
    std::int32_t julian;
};

const DayCase kDays[] = {
#include "julian_days.inc"
};

TEST(ValueText, JulianDaysRoundTripThroughTheShownText) {
    const plat::LocaleInfo de = testing::GermanGermany();
    for (const DayCase& c : kDays) {
        char expected[16];
        std::snprintf(expected, sizeof expected, "%04d-%02d-%02d", c.year, c.month, c.day);
        const std::string shown = spcc::FormatDay(de, c.julian, "yyyy-MM-dd");
        EXPECT_EQ(shown, expected) << c.julian;
        EXPECT_EQ(spcc::ParseDay(de, shown, "yyyy-MM-dd", 2026), c.julian) << shown;
    }
}

TEST(ValueText, ReservedDayNumbersShowNothing) {
    const plat::LocaleInfo de = testing::GermanGermany();
    EXPECT_EQ(spcc::FormatDay(de, spcc::kEmptyDay, "d.M.yyyy"), "");
    EXPECT_EQ(spcc::FormatDay(de, spcc::kInvalidDay, "d.M.yyyy"), "");
    EXPECT_EQ(spcc::FormatDay(de, 2451545, ""), "01.01.2000");   // the locale's short form
}

TEST(ValueText, TypedDatesAreReadByThePicture) {
    const plat::LocaleInfo de = testing::GermanGermany();
    const plat::LocaleInfo us = testing::EnglishUnitedStates();
    struct Case {
        const plat::LocaleInfo* locale;
        const char* picture;
        const char* text;
        std::int32_t julian;
    };
    const std::int32_t april3 = 2461134;   // 3 April 2026
    const Case cases[] = {
        {&de, "d.M.yyyy", "3.4.2026", april3},
        {&de, "d.M.yyyy", " 03.04.2026 ", april3},
        {&de, "d.M.yyyy", "3.4.26", april3},
        {&de, "d.M.yyyy", "3.4.", april3},              // the reference year
        {&de, "d.M.yyyy", "3.4.99", 2451272},           // 3 April 1999
        {&de, "d.M.yyyy", "3.4.49", 2469535},           // 3 April 2049
        {&de, "", "3.4.2026", april3},                  // the locale's picture
        {&us, "M/d/yyyy", "4/3/2026", april3},
        {&de, "d. MMMM yyyy", "3. April 2026", april3},
        {&de, "d. MMMM yyyy", "3 apr 2026", april3},
        {&de, "d. MMMM yyyy", "3.4.2026", april3},      // a number for the month name
        {&de, "dddd, d. MMMM yyyy", "Freitag, 3. April 2026", april3},
        {&de, "d.M.yyyy", "3. April 2026", april3},     // a name for the month number
        {&de, "d.M.yyyy", "", spcc::kEmptyDay},
        {&de, "d.M.yyyy", "   ", spcc::kEmptyDay},
        {&de, "d.M.yyyy", "31.2.2026", spcc::kInvalidDay},
        {&de, "d.M.yyyy", "29.2.2025", spcc::kInvalidDay},
        {&de, "d.M.yyyy", "29.2.2024", 2460370},
        {&de, "d.M.yyyy", "3", spcc::kInvalidDay},
        {&de, "d.M.yyyy", "1.2.3.4", spcc::kInvalidDay},
        {&de, "d.M.yyyy", "x", spcc::kInvalidDay},
        {&de, "d.M.yyyy", "-", spcc::kInvalidDay},
        {&de, "d.M.yyyy", "3.4.99999999999", spcc::kInvalidDay},
    };
    for (const Case& c : cases)
        EXPECT_EQ(spcc::ParseDay(*c.locale, c.text, c.picture, 2026), c.julian)
            << c.picture << " / " << c.text;
}

TEST(ValueText, MinutesAreShownByThePictureAndWrapIntoTheDay) {
    const plat::LocaleInfo de = testing::GermanGermany();
    const plat::LocaleInfo us = testing::EnglishUnitedStates();
    EXPECT_EQ(spcc::FormatMinutes(de, 510, "HH:mm"), "08:30");
    EXPECT_EQ(spcc::FormatMinutes(de, 1440, "HH:mm"), "00:00");
    EXPECT_EQ(spcc::FormatMinutes(de, 1439, "H:mm"), "23:59");
    EXPECT_EQ(spcc::FormatMinutes(de, -1, "HH:mm"), "");
    EXPECT_EQ(spcc::FormatMinutes(de, 510, ""), "08:30");   // no seconds
    EXPECT_EQ(spcc::FormatMinutes(us, 780, "h:mm tt"), "1:00 PM");
}

TEST(ValueText, TypedTimesGiveMinutesOrEmpty) {
    const plat::LocaleInfo de = testing::GermanGermany();
    const plat::LocaleInfo us = testing::EnglishUnitedStates();
    struct Case {
        const plat::LocaleInfo* locale;
        const char* text;
        int minutes;
    };
    const Case cases[] = {
        {&de, "8:30", 510},      {&de, "08:30", 510},    {&de, "830", 510},
        {&de, "0830", 510},      {&de, "8", 480},        {&de, "0:00", 0},
        {&de, "23:59", 1439},    {&de, "24:00", 0},      {&de, "8:30:15", 510},
        {&de, "24:01", -1},      {&de, "7:60", -1},      {&de, "", -1},
        {&de, " ", -1},          {&de, "ab", -1},        {&de, "1:2:3:4", -1},
        {&de, "123:00", -1},     {&us, "12:00 AM", 0},   {&us, "12:30 pm", 750},
        {&us, "1 PM", 780},      {&us, "1:15 a", 75},    {&us, "13:00 PM", -1},
        {&us, "13:00", 780},
    };
    for (const Case& c : cases) EXPECT_EQ(spcc::ParseMinutes(*c.locale, c.text), c.minutes) << c.text;
}

}  // namespace
