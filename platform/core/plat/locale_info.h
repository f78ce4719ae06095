#pragma once

#include <array>
#include <string>

namespace plat {

// What the system's own formatting needs to know of the user's locale.
// Texts are UTF-8. Day lists start on Monday (glibc's DAY_1 is Sunday).
struct LocaleInfo {
    std::array<std::string, 7> dayNames;          // "Monday" ...
    std::array<std::string, 7> abbrevDayNames;    // "Mon" ...
    std::array<std::string, 12> monthNames;       // nominative, for lists and "MMMM" without a day
    std::array<std::string, 12> abbrevMonthNames;
    std::array<std::string, 12> genitiveMonthNames;       // "MMMM" in a picture that holds a day
    std::array<std::string, 12> abbrevGenitiveMonthNames;
    int firstDayOfWeek = 0;        // 0 = Monday ... 6 = Sunday
    bool hour24 = true;            // clock style
    std::string amText = "AM";
    std::string pmText = "PM";
    int dateOrder = 0;             // 0 month-day-year, 1 day-month-year, 2 year-month-day
    std::string dateSeparator = "/";
    std::string timeSeparator = ":";
    std::string shortDatePicture = "M/d/yyyy";   // picture language of FormatDate
    std::string longDatePicture = "dddd, MMMM d, yyyy";
    std::string timePicture = "h:mm:ss tt";      // picture language of FormatTime
    std::string decimalSeparator = ".";
    std::string groupSeparator = ",";   // between groups of three digits; "" when the locale groups none
    bool metric = true;
};

// The user's locale read from glibc (setlocale(LC_ALL, "") must have run).
LocaleInfo LoadSystemLocale();

// The locale every formatter uses: the system locale, read once on first
// use, unless a test or the program has installed another.
const LocaleInfo& CurrentLocale();
void SetCurrentLocale(const LocaleInfo& locale);
// Drops an installed locale; the next CurrentLocale() reads the system again.
void ResetCurrentLocale();
// The installed locale, or null when CurrentLocale() is the system's.
const LocaleInfo* InstalledLocale();

}  // namespace plat
