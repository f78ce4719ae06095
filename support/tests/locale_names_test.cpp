#include "support/locale_names.h"

#include <gtest/gtest.h>

#include <cstring>

#include "plat/resource_strings.h"
#include "testing/fake_locales.h"

namespace {

const char* HolidayStrings(unsigned id) {
    if (id == 5010) return "Feiertag";
    if (id == 5011) return "Ft";
    return "";
}

const char* NoStrings(unsigned) {
    return "";
}

class LocaleNamesTest : public ::testing::Test {
protected:
    void TearDown() override { plat::SetResourceStringSource(nullptr); }
};

TEST_F(LocaleNamesTest, WeekStartingOnSunday) {
    testing::ScopedLocale locale(testing::EnglishUnitedStates());
    CLocaleNames names;
    EXPECT_EQ(names.Load(nullptr), 1);
    EXPECT_EQ(names.FirstDayOfWeek(), 7);
    EXPECT_EQ(names.LastDayOfWeek(), 6);
    struct Case {
        int column, index;
    };
    for (const Case& c : {Case{0, 6}, Case{1, 0}, Case{6, 5}, Case{7, 7}, Case{-1, -1},
                          Case{-100, -100}})
        EXPECT_EQ(names.WeekdayIndex(c.column), c.index) << c.column;
    EXPECT_FALSE(names.Is24Hour());
    EXPECT_EQ(names.DateOrder(), 0);
    EXPECT_EQ(names.DateSeparator(), "/");
    EXPECT_FALSE(names.IsMetric());
}

TEST_F(LocaleNamesTest, WeekStartingOnMonday) {
    testing::ScopedLocale locale(testing::GermanGermany());
    CLocaleNames names;
    names.Load(nullptr);
    EXPECT_EQ(names.FirstDayOfWeek(), 1);
    EXPECT_EQ(names.LastDayOfWeek(), 7);
    EXPECT_EQ(names.WeekdayIndex(0), 0);
    EXPECT_EQ(names.WeekdayIndex(6), 6);
    EXPECT_TRUE(names.Is24Hour());
    EXPECT_EQ(names.DateOrder(), 1);
    EXPECT_EQ(names.DayNames()[0], "Montag");
    EXPECT_EQ(names.ShortMonthNames()[2], "M\u00e4r");
}

// The holiday entry stays "Holiday"/"Ho" without resource strings; the
// initial of the holiday is the whole short name.
TEST_F(LocaleNamesTest, HolidayNamesFromTheResourcesOrBuiltIn) {
    testing::ScopedLocale locale(testing::EnglishUnitedStates());
    CLocaleNames names;
    names.Load(nullptr);
    EXPECT_EQ(names.DayNames()[CLocaleNames::kHoliday], "Holiday");
    EXPECT_EQ(names.ShortDayNames()[CLocaleNames::kHoliday], "Ho");
    EXPECT_EQ(names.DayInitials()[CLocaleNames::kHoliday], "Ho");

    plat::SetResourceStringSource(NoStrings);
    names.Load(nullptr);
    EXPECT_EQ(names.DayNames()[CLocaleNames::kHoliday], "Holiday");

    plat::SetResourceStringSource(HolidayStrings);
    names.Load(nullptr);
    EXPECT_EQ(names.DayNames()[CLocaleNames::kHoliday], "Feiertag");
    EXPECT_EQ(names.ShortDayNames()[CLocaleNames::kHoliday], "Ft");
    EXPECT_EQ(names.DayInitials()[CLocaleNames::kHoliday], "Ft");
    EXPECT_EQ(names.DayNames()[0], "Monday");
}

TEST_F(LocaleNamesTest, InitialsAreWholeCharacters) {
    plat::LocaleInfo info = testing::GermanGermany();
    info.dayNames[2] = "\u015broda";
    info.dayNames[3] = "\u010dtvrtek";
    testing::ScopedLocale locale(info);
    CLocaleNames names;
    names.Load(nullptr);
    EXPECT_EQ(names.DayInitials()[0], "M");
    EXPECT_EQ(names.DayInitials()[2], "\u015b");
    EXPECT_EQ(names.DayInitials()[3], "\u010d");
}

TEST_F(LocaleNamesTest, UsableBeforeLoad) {
    const CLocaleNames names;
    for (const std::string& name : names.DayNames()) EXPECT_EQ(name, "");
    EXPECT_EQ(names.MonthNames().size(), 12u);
    EXPECT_EQ(names.WeekdayIndex(3), 3);
}

}  // namespace
