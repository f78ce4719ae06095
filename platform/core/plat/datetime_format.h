#pragma once

#include <string>

#include "locale_info.h"

namespace plat {

// Flags of the date and time formatter.
inline constexpr unsigned DATE_SHORTDATE = 0x1;
inline constexpr unsigned DATE_LONGDATE = 0x2;
inline constexpr unsigned TIME_NOMINUTESORSECONDS = 0x1;
inline constexpr unsigned TIME_NOSECONDS = 0x2;
inline constexpr unsigned TIME_NOTIMEMARKER = 0x4;
inline constexpr unsigned TIME_FORCE24HOURFORMAT = 0x8;

struct CalendarDate {
    int year = 0;
    int month = 0;       // 1 to 12
    int day = 0;
    int dayOfWeek = 0;   // 0 = Sunday ... 6 = Saturday
};

// Interprets a date picture: d dd ddd dddd, M MM MMM MMMM, y yy yyyy, g gg,
// quoted literals ('' is a quote); the era (g, gg) prints nothing, as the
// locale data names no eras. MMM and MMMM take the genitive names when the
// picture holds a day number (d, dd). A null picture takes the locale's short
// form, or its long form with DATE_LONGDATE. Digits are always ASCII.
// An impossible date (month outside 1..12, day outside 1..31) gives "".
std::string FormatDate(const LocaleInfo& locale, const CalendarDate& date,
                       unsigned flags, const char* picture);

// Interprets a time picture: h hh H HH m mm s ss t tt and quoted literals.
// A null picture takes the locale's time form; TIME_NOSECONDS and
// TIME_NOMINUTESORSECONDS drop the seconds (minutes) and the separator
// before them, TIME_NOTIMEMARKER drops t/tt, TIME_FORCE24HOURFORMAT prints
// h/hh as H/HH. Hour 24 prints "24" for H/HH and as midnight for h/hh.
// Hour outside 0..24, minute or second outside 0..59 gives "".
std::string FormatTime(const LocaleInfo& locale, int hour, int minute, int second,
                       unsigned flags, const char* picture);

// The same on the current locale.
std::string FormatDate(const CalendarDate& date, unsigned flags, const char* picture);
std::string FormatTime(int hour, int minute, int second, unsigned flags, const char* picture);

}  // namespace plat
