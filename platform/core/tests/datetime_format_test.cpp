#include "plat/datetime_format.h"

#include <gtest/gtest.h>

#include "testing/fake_locales.h"

namespace {

using plat::CalendarDate;

const plat::LocaleInfo kUs = testing::EnglishUnitedStates();
const plat::LocaleInfo kDe = testing::GermanGermany();

const CalendarDate kTuesday{2024, 3, 5, 2};
const CalendarDate kSunday{2005, 11, 20, 0};

struct DateCase {
    const plat::LocaleInfo* locale;
    CalendarDate date;
    unsigned flags;
    const char* picture;
    const char* expected;
};

TEST(FormatDate, InterpretsPictures) {
    const DateCase cases[] = {
        {&kUs, kTuesday, 0, nullptr, "3/5/2024"},
        {&kUs, kTuesday, plat::DATE_SHORTDATE, nullptr, "3/5/2024"},
        {&kUs, kTuesday, plat::DATE_LONGDATE, nullptr, "Tuesday, March 5, 2024"},
        {&kDe, kTuesday, 0, nullptr, "05.03.2024"},
        {&kDe, kTuesday, plat::DATE_LONGDATE, nullptr, "Dienstag, 5. M\u00e4rz 2024"},
        {&kUs, kTuesday, 0, "d dd ddd dddd ddddd", "5 05 Tue Tuesday Tuesday"},
        {&kUs, kTuesday, 0, "M MM MMM MMMM MMMMM", "3 03 Mar March March"},
        {&kDe, kTuesday, 0, "MMM MMMM", "M\u00e4r M\u00e4rz"},
        {&kUs, kSunday, 0, "y yy yyy yyyy", "5 05 2005 2005"},
        {&kUs, kSunday, 0, "dddd ddd", "Sunday Sun"},
        {&kUs, CalendarDate{2000, 1, 1, 6}, 0, "y|yy|dddd", "0|00|Saturday"},
        {&kUs, CalendarDate{812, 7, 9, 0}, 0, "yyyy", "0812"},
        {&kUs, kTuesday, 0, "yyyyMMdd", "20240305"},
        // Quoted literals, '' for a quote inside and outside quotes, an unterminated quote.
        {&kUs, kTuesday, 0, "'day' d 'of' MMMM", "day 5 of March"},
        {&kUs, kTuesday, 0, "'It''s' d", "It's 5"},
        {&kUs, kTuesday, 0, "d''M", "5'3"},
        {&kUs, kTuesday, 0, "d 'open", "5 open"},
        // Other characters are copied as they stand.
        {&kUs, kTuesday, 0, "d/M - x! hms", "5/3 - x! hms"},
        // The era prints nothing.
        {&kUs, kTuesday, 0, "yyyy g|gg", "2024 |"},
        {&kUs, kTuesday, 0, "", ""},
        // A day of week outside 0..6 is taken modulo 7.
        {&kUs, CalendarDate{2024, 3, 5, 9}, 0, "ddd", "Tue"},
        // Impossible dates give nothing.
        {&kUs, CalendarDate{2024, 0, 5, 2}, 0, "d", ""},
        {&kUs, CalendarDate{2024, 13, 5, 2}, 0, "d", ""},
        {&kUs, CalendarDate{2024, 3, 0, 2}, 0, nullptr, ""},
        {&kUs, CalendarDate{2024, 3, 32, 2}, 0, nullptr, ""},
    };
    for (const DateCase& c : cases) {
        SCOPED_TRACE(c.picture != nullptr ? c.picture : "(locale picture)");
        EXPECT_EQ(plat::FormatDate(*c.locale, c.date, c.flags, c.picture), c.expected);
    }
}

TEST(FormatDate, GenitiveMonthNamesOnlyBesideADayNumber) {
    plat::LocaleInfo locale = kDe;
    locale.monthNames[2] = "marzec";
    locale.genitiveMonthNames[2] = "marca";
    locale.abbrevMonthNames[2] = "mar";
    locale.abbrevGenitiveMonthNames[2] = "mar.";
    EXPECT_EQ(plat::FormatDate(locale, kTuesday, 0, "d MMMM"), "5 marca");
    EXPECT_EQ(plat::FormatDate(locale, kTuesday, 0, "dd MMM"), "05 mar.");
    EXPECT_EQ(plat::FormatDate(locale, kTuesday, 0, "MMMM yyyy"), "marzec 2024");
    // A day name is no day number, and a quoted d is no field.
    EXPECT_EQ(plat::FormatDate(locale, kTuesday, 0, "dddd MMMM"), "Dienstag marzec");
    EXPECT_EQ(plat::FormatDate(locale, kTuesday, 0, "'d' MMMM"), "d marzec");
    // Without genitive names the nominative list serves.
    locale.genitiveMonthNames[2].clear();
    EXPECT_EQ(plat::FormatDate(locale, kTuesday, 0, "d MMMM"), "5 marzec");
}

struct TimeCase {
    const plat::LocaleInfo* locale;
    int hour, minute, second;
    unsigned flags;
    const char* picture;
    const char* expected;
};

TEST(FormatTime, InterpretsPicturesAndFlags) {
    const TimeCase cases[] = {
        {&kUs, 13, 5, 9, 0, nullptr, "1:05:09 PM"},
        {&kUs, 0, 0, 0, 0, nullptr, "12:00:00 AM"},
        {&kUs, 12, 0, 0, 0, nullptr, "12:00:00 PM"},
        {&kUs, 11, 59, 59, 0, nullptr, "11:59:59 AM"},
        {&kUs, 13, 5, 9, plat::TIME_NOSECONDS, nullptr, "1:05 PM"},
        {&kUs, 13, 5, 9, plat::TIME_NOMINUTESORSECONDS, nullptr, "1 PM"},
        {&kUs, 13, 5, 9, plat::TIME_NOTIMEMARKER, nullptr, "1:05:09"},
        {&kUs, 13, 5, 9, plat::TIME_FORCE24HOURFORMAT, nullptr, "13:05:09"},
        {&kUs, 13, 5, 9, plat::TIME_FORCE24HOURFORMAT | plat::TIME_NOSECONDS, nullptr, "13:05"},
        {&kDe, 13, 5, 9, 0, nullptr, "13:05:09"},
        {&kDe, 7, 5, 9, plat::TIME_NOSECONDS, nullptr, "07:05"},
        {&kUs, 9, 7, 3, 0, "h hh H HH m mm s ss t tt", "9 09 9 09 7 07 3 03 A AM"},
        {&kUs, 21, 7, 3, 0, "hhh HHH t", "09 21 P"},
        {&kUs, 13, 5, 0, 0, "HH'h'mm", "13h05"},
        {&kUs, 13, 5, 0, 0, "HH 'o''clock'", "13 o'clock"},
        // Flags apply to a given picture too; a marker in front takes the blank after it.
        {&kUs, 13, 5, 9, plat::TIME_NOTIMEMARKER, "tt h:mm", "1:05"},
        {&kUs, 13, 5, 9, plat::TIME_NOSECONDS, "HH.mm.ss", "13.05"},
        {&kUs, 13, 5, 9, plat::TIME_NOMINUTESORSECONDS, "HH:mm:ss", "13"},
        // Hour 24: "24" in 24-hour fields, midnight in 12-hour fields.
        {&kUs, 24, 0, 0, 0, "H HH h hh tt", "24 24 12 12 AM"},
        {&kUs, 24, 0, 0, 0, nullptr, "12:00:00 AM"},
        {&kUs, 24, 0, 0, plat::TIME_FORCE24HOURFORMAT | plat::TIME_NOSECONDS, nullptr, "24:00"},
        {&kDe, 24, 0, 0, plat::TIME_NOSECONDS, nullptr, "24:00"},
        // Out of range.
        {&kUs, -1, 0, 0, 0, nullptr, ""},
        {&kUs, 25, 0, 0, 0, nullptr, ""},
        {&kUs, 10, 60, 0, 0, nullptr, ""},
        {&kUs, 10, 0, 60, 0, nullptr, ""},
        {&kUs, 10, -1, 0, 0, nullptr, ""},
    };
    for (const TimeCase& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.picture != nullptr ? c.picture : "(locale picture)") << " at "
                                        << c.hour << ":" << c.minute << ":" << c.second << " flags " << c.flags);
        EXPECT_EQ(plat::FormatTime(*c.locale, c.hour, c.minute, c.second, c.flags, c.picture), c.expected);
    }
}

TEST(FormatTime, MarkerInitialIsACodePoint) {
    plat::LocaleInfo locale = kUs;
    locale.amText = "\u5348\u524d";
    EXPECT_EQ(plat::FormatTime(locale, 9, 0, 0, 0, "t|tt"), "\u5348|\u5348\u524d");
}

TEST(FormatDateTime, CurrentLocaleFollowsTheInstalledOne) {
    {
        testing::ScopedLocale german(kDe);
        EXPECT_EQ(plat::FormatDate(kTuesday, 0, nullptr), "05.03.2024");
        EXPECT_EQ(plat::FormatTime(13, 5, 9, 0, nullptr), "13:05:09");
        {
            testing::ScopedLocale american(kUs);
            EXPECT_EQ(plat::FormatDate(kTuesday, 0, nullptr), "3/5/2024");
        }
        EXPECT_EQ(plat::FormatDate(kTuesday, 0, nullptr), "05.03.2024");
    }
    EXPECT_EQ(plat::InstalledLocale(), nullptr);
}

}  // namespace
