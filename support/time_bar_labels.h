#pragma once

#include <string>

#include "support/calendar_values.h"

// Label format codes 0..38: one vocabulary for the time bar, the calendar's
// day captions, tooltips, status texts and report headers. With endFlag set
// and a time of 0:00 the date parts name the day before (the last day an
// end at midnight covers). Codes outside 0..38 give the short date and time.
std::string FormatTimeBarLabel(const CDateTime& dateTime, int code, bool endFlag);

// The options dialog's preview of a code: 31 January of this year at 11:45
// (withMinutes) or 11:00.
std::string FormatSampleLabel(int code, bool withMinutes);

// The scroll status text of a base unit.
std::string FormatDateForUnit(const CDateTime& dateTime, int unit);

// The weekday of date from g_localeNames: style 1 initial, 2 short name,
// 3 full name, any other "".
std::string GetWeekdayName(const CDate& date, int style);

// A date picture by the locale's date order and separator. dayStyle 1 "d",
// 2 "dd"; monthStyle 1 "M" ... 4 "MMMM"; yearStyle 1 "yy", 2 "yyyy"; any
// other style leaves the part out.
std::string BuildDatePicture(int dayStyle, int monthStyle, int yearStyle);
// hourStyle 1 "H"/"h", 2 "HH"/"hh" (24-/12-hour locale, " tt" appended on a
// 12-hour one); minuteStyle 1 "m", 2 "mm".
std::string BuildTimePicture(int hourStyle, int minuteStyle);
