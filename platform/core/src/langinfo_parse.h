#pragma once

#include <string>
#include <string_view>

// Turns glibc's strftime formats into the picture language of the formatter.
namespace plat::langinfo {

// %D %F %R %T and %r (with the locale's 12-hour format) spelled out.
std::string ExpandFormat(std::string_view format, std::string_view ampmFormat);

struct DateFacts {
    int order = 0;   // 0 month-day-year, 1 day-month-year, 2 year-month-day
    std::string separator = "/";
    std::string picture = "M/d/yyyy";
};
// A format without day, month and year keeps the defaults.
DateFacts ParseDateFormat(std::string_view format, std::string_view ampmFormat);

struct TimeFacts {
    bool hour24 = true;
    std::string separator = ":";
    std::string picture = "HH:mm:ss";
};
TimeFacts ParseTimeFormat(std::string_view format, std::string_view ampmFormat);

// 0 = Monday, from _NL_TIME_WEEK_1STDAY (yyyymmdd) and _NL_TIME_FIRST_WEEKDAY
// (1 = the weekday of that date).
int FirstDayOfWeek(unsigned week1stDay, int firstWeekday);

std::string LongDatePicture(int order, const std::string& separator);

}  // namespace plat::langinfo
