#include "testing/fake_locales.h"

namespace testing {

plat::LocaleInfo EnglishUnitedStates() {
    plat::LocaleInfo l;
    l.dayNames = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
    l.abbrevDayNames = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    l.monthNames = {"January", "February", "March",     "April",   "May",      "June",
                    "July",    "August",   "September", "October", "November", "December"};
    l.abbrevMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    l.genitiveMonthNames = l.monthNames;
    l.abbrevGenitiveMonthNames = l.abbrevMonthNames;
    l.firstDayOfWeek = 6;
    l.hour24 = false;
    l.amText = "AM";
    l.pmText = "PM";
    l.dateOrder = 0;
    l.dateSeparator = "/";
    l.timeSeparator = ":";
    l.shortDatePicture = "M/d/yyyy";
    l.longDatePicture = "dddd, MMMM d, yyyy";
    l.timePicture = "h:mm:ss tt";
    l.decimalSeparator = ".";
    l.groupSeparator = ",";
    l.metric = false;
    return l;
}

plat::LocaleInfo GermanGermany() {
    plat::LocaleInfo l;
    l.dayNames = {"Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag", "Sonntag"};
    l.abbrevDayNames = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
    l.monthNames = {"Januar", "Februar", "M\u00e4rz",    "April",   "Mai",      "Juni",
                    "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
    l.abbrevMonthNames = {"Jan", "Feb", "M\u00e4r", "Apr", "Mai", "Jun",
                          "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
    l.genitiveMonthNames = l.monthNames;
    l.abbrevGenitiveMonthNames = l.abbrevMonthNames;
    l.firstDayOfWeek = 0;
    l.hour24 = true;
    l.amText = "";
    l.pmText = "";
    l.dateOrder = 1;
    l.dateSeparator = ".";
    l.timeSeparator = ":";
    l.shortDatePicture = "dd.MM.yyyy";
    l.longDatePicture = "dddd, d. MMMM yyyy";
    l.timePicture = "HH:mm:ss";
    l.decimalSeparator = ",";
    l.groupSeparator = ".";
    l.metric = true;
    return l;
}

ScopedLocale::ScopedLocale(const plat::LocaleInfo& locale) {
    if (const plat::LocaleInfo* installed = plat::InstalledLocale()) previous_ = *installed;
    plat::SetCurrentLocale(locale);
}

ScopedLocale::~ScopedLocale() {
    if (previous_) {
        plat::SetCurrentLocale(*previous_);
    } else {
        plat::ResetCurrentLocale();
    }
}

}  // namespace testing
