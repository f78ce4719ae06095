#include "plat/locale_info.h"

#include <gtest/gtest.h>

#include <clocale>

#include "langinfo_parse.h"
#include "plat/datetime_format.h"
#include "testing/fake_locales.h"

namespace {

namespace li = plat::langinfo;

// The formats below are those glibc's locales give for D_FMT, T_FMT and T_FMT_AMPM.
TEST(LocaleFormats, DateFormatGivesOrderSeparatorAndPicture) {
    struct Case {
        const char* format;
        int order;
        const char* separator;
        const char* picture;
    };
    const Case cases[] = {
        {"%m/%d/%Y", 0, "/", "MM/dd/yyyy"},
        {"%d.%m.%Y", 1, ".", "dd.MM.yyyy"},
        {"%d/%m/%y", 1, "/", "dd/MM/yyyy"},
        {"%Y-%m-%d", 2, "-", "yyyy-MM-dd"},
        {"%F", 2, "-", "yyyy-MM-dd"},
        {"%D", 0, "/", "MM/dd/yyyy"},
        {"%-m/%-d/%Y", 0, "/", "M/d/yyyy"},
        {"%e.%m.%Y", 1, ".", "d.MM.yyyy"},
        {"%Y\u5e74%m\u6708%d\u65e5", 2, "\u5e74", "yyyy\u5e74MM\u6708dd\u65e5"},
        {"%d %b %Y", 1, " ", "dd MMM yyyy"},
        // Letters in the literal text are quoted; a weekday in front leaves no stray separator.
        {"%d de %B de %Y", 1, " de ", "dd 'de' MMMM 'de' yyyy"},
        {"%a %d.%m.%Y", 1, " ", "ddd dd.MM.yyyy"},
        {"%Z %d.%m.%Y", 1, ".", "dd.MM.yyyy"},
        // Without all three parts the defaults stay.
        {"%H:%M", 0, "/", "M/d/yyyy"},
        {"", 0, "/", "M/d/yyyy"},
        {"%", 0, "/", "M/d/yyyy"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        const li::DateFacts facts = li::ParseDateFormat(c.format, "%I:%M:%S %p");
        EXPECT_EQ(facts.order, c.order);
        EXPECT_EQ(facts.separator, c.separator);
        EXPECT_EQ(facts.picture, c.picture);
    }
}

TEST(LocaleFormats, TimeFormatGivesClockStyleSeparatorAndPicture) {
    struct Case {
        const char* format;
        const char* ampm;
        bool hour24;
        const char* separator;
        const char* picture;
    };
    const Case cases[] = {
        {"%H:%M:%S", "", true, ":", "HH:mm:ss"},
        {"%T", "", true, ":", "HH:mm:ss"},
        {"%R", "", true, ":", "HH:mm"},
        {"%k.%M", "", true, ".", "H.mm"},
        {"%r", "%I:%M:%S %p", false, ":", "hh:mm:ss tt"},
        {"%r", "", false, ":", "hh:mm:ss tt"},
        {"%r", "%r", false, ":", "hh:mm:ss tt"},
        {"%l:%M:%S %p", "", false, ":", "h:mm:ss tt"},
        {"%p %I\u6642%M\u5206%S\u79d2", "", false, "\u6642", "tt hh\u6642mm\u5206ss\u79d2"},
        {"%H h %M", "", true, " h ", "HH 'h' mm"},
        {"%H:%M:%S %Z", "", true, ":", "HH:mm:ss"},
        {"", "", true, ":", "HH:mm:ss"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        const li::TimeFacts facts = li::ParseTimeFormat(c.format, c.ampm);
        EXPECT_EQ(facts.hour24, c.hour24);
        EXPECT_EQ(facts.separator, c.separator);
        EXPECT_EQ(facts.picture, c.picture);
    }
}

TEST(LocaleFormats, BuiltPicturesPrintWhatTheFormatWould) {
    const plat::LocaleInfo locale = testing::GermanGermany();
    const plat::CalendarDate date{2024, 3, 5, 2};
    EXPECT_EQ(plat::FormatDate(locale, date, 0, li::ParseDateFormat("%d de %B de %Y", "").picture.c_str()),
              "05 de M\u00e4rz de 2024");
    EXPECT_EQ(plat::FormatTime(locale, 9, 5, 0, 0, li::ParseTimeFormat("%H h %M", "").picture.c_str()),
              "09 h 05");
}

TEST(LocaleFormats, FirstDayOfWeekCountsFromTheWeekStart) {
    struct Case {
        unsigned week1st;
        int firstWeekday;
        int expected;   // 0 = Monday
    };
    const Case cases[] = {
        {19971130, 1, 6},   // the week starts on that Sunday
        {19971130, 2, 0},   // one day on: Monday
        {19971130, 7, 5},   // Saturday
        {19971201, 1, 0},   // a Monday-based locale
        {19971201, 7, 6},
        {20000101, 1, 5},   // a Saturday
        {0, 1, 6},          // nothing known: Sunday
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.week1st << " + " << c.firstWeekday);
        EXPECT_EQ(li::FirstDayOfWeek(c.week1st, c.firstWeekday), c.expected);
    }
}

TEST(SystemLocale, LoadsUnderTheMachineLocale) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous != nullptr ? previous : "C";
    std::setlocale(LC_ALL, "");
    const plat::LocaleInfo locale = plat::LoadSystemLocale();
    std::setlocale(LC_ALL, saved.c_str());

    for (const std::string& name : locale.dayNames) EXPECT_FALSE(name.empty());
    for (const std::string& name : locale.monthNames) EXPECT_FALSE(name.empty());
    EXPECT_GE(locale.firstDayOfWeek, 0);
    EXPECT_LE(locale.firstDayOfWeek, 6);
    EXPECT_GE(locale.dateOrder, 0);
    EXPECT_LE(locale.dateOrder, 2);
    EXPECT_FALSE(locale.decimalSeparator.empty());
    const plat::CalendarDate date{2024, 3, 5, 2};
    EXPECT_FALSE(plat::FormatDate(locale, date, 0, nullptr).empty());
    EXPECT_FALSE(plat::FormatDate(locale, date, plat::DATE_LONGDATE, nullptr).empty());
    EXPECT_FALSE(plat::FormatTime(locale, 13, 5, 0, 0, nullptr).empty());
}

TEST(SystemLocale, TheCLocaleStartsOnSundayWithEnglishNames) {
    const plat::LocaleInfo locale = plat::LoadSystemLocale();   // tests run under "C"
    EXPECT_EQ(locale.dayNames[0], "Monday");
    EXPECT_EQ(locale.dayNames[6], "Sunday");
    EXPECT_EQ(locale.abbrevDayNames[0], "Mon");
    EXPECT_EQ(locale.monthNames[0], "January");
    EXPECT_EQ(locale.abbrevMonthNames[11], "Dec");
    EXPECT_EQ(locale.firstDayOfWeek, 6);
    EXPECT_TRUE(locale.hour24);
    EXPECT_EQ(locale.shortDatePicture, "MM/dd/yyyy");
    EXPECT_EQ(locale.timePicture, "HH:mm:ss");
    EXPECT_EQ(locale.decimalSeparator, ".");
    EXPECT_EQ(locale.groupSeparator, "");   // "C" groups no digits
}

TEST(CurrentLocale, InstalledLocaleWinsUntilReset) {
    plat::LocaleInfo custom;
    custom.dateSeparator = "#";
    plat::SetCurrentLocale(custom);
    EXPECT_EQ(plat::CurrentLocale().dateSeparator, "#");
    ASSERT_NE(plat::InstalledLocale(), nullptr);
    plat::ResetCurrentLocale();
    EXPECT_EQ(plat::InstalledLocale(), nullptr);
    EXPECT_EQ(plat::CurrentLocale().dayNames[0], plat::LoadSystemLocale().dayNames[0]);
}

}  // namespace
