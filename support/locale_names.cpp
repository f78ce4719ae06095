#include "support/locale_names.h"

#include <clocale>

#include "plat/dynlib.h"
#include "plat/locale_info.h"
#include "plat/resource_strings.h"
#include "plat/utf8.h"

CLocaleNames g_localeNames;

namespace {

constexpr unsigned kHolidayName = 5010;
constexpr unsigned kHolidayShortName = 5011;

}  // namespace

int CLocaleNames::Load(void* module) {
    std::setlocale(LC_ALL, "");
    const plat::LocaleInfo& locale = plat::CurrentLocale();

    for (int i = 0; i < 7; ++i) {
        shortDayNames_[i] = locale.abbrevDayNames[i];
        dayNames_[i] = locale.dayNames[i];
        dayInitials_[i] = std::string(plat::FirstCodePoint(locale.dayNames[i]));
    }

    if (module == nullptr) module = plat::ProgramModule();
    std::string holiday = plat::LoadResString(module, kHolidayName);
    std::string holidayShort = plat::LoadResString(module, kHolidayShortName);
    if (holiday.empty()) holiday = "Holiday";
    if (holidayShort.empty()) holidayShort = "Ho";
    dayInitials_[kHoliday] = holidayShort;
    shortDayNames_[kHoliday] = holidayShort;
    dayNames_[kHoliday] = holiday;

    for (int i = 0; i < 12; ++i) {
        monthNames_[i] = locale.monthNames[i];
        shortMonthNames_[i] = locale.abbrevMonthNames[i];
    }

    firstDayOfWeek_ = (locale.firstDayOfWeek >= 0 && locale.firstDayOfWeek <= 6)
                          ? locale.firstDayOfWeek + 1
                          : 1;
    lastDayOfWeek_ = (firstDayOfWeek_ + 5) % 7 + 1;
    hour24_ = locale.hour24;
    dateOrder_ = (locale.dateOrder >= 0 && locale.dateOrder <= 2) ? locale.dateOrder : 0;
    dateSeparator_ = locale.dateSeparator;
    timeSeparator_ = locale.timeSeparator;
    metric_ = locale.metric;
    return 1;
}

int CLocaleNames::WeekdayIndex(int column) const {
    if (column < 0 || column > 6) return column;
    return (firstDayOfWeek_ + column - 1) % 7;
}
