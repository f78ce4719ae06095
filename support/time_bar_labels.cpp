#include "support/time_bar_labels.h"

#include "plat/clock.h"
#include "plat/datetime_format.h"
#include "plat/utf8.h"
#include "support/locale_names.h"

namespace {

// A locale separator as a picture literal; an empty one is left out, since
// '' would print a quote.
std::string Quoted(const std::string& text) {
    if (text.empty()) return "";
    std::string out = "'";
    for (char c : text) {
        out += c;
        if (c == '\'') out += '\'';
    }
    out += '\'';
    return out;
}

// part + gap, or nothing when part is empty.
std::string Before(const std::string& part, const std::string& gap) {
    return part.empty() ? "" : part + gap;
}

// gap + part, or nothing when part is empty.
std::string After(const std::string& gap, const std::string& part) {
    return part.empty() ? "" : gap + part;
}

void TrimTrailingBlanks(std::string& text) {
    const std::size_t end = text.find_last_not_of(" \t");
    text.erase(end == std::string::npos ? 0 : end + 1);
}

std::string ShortDate(const CDate& date) {
    return date.Format(plat::DATE_SHORTDATE, nullptr);
}

std::string Time(const CTimeOfDay& time, const char* picture) {
    return time.Format(plat::TIME_NOSECONDS, picture);
}

std::string Time(const CTimeOfDay& time, const std::string& picture) {
    return Time(time, picture.c_str());
}

std::string Date(const CDate& date, const std::string& picture) {
    return date.Format(0, picture.c_str());
}

std::string ClockPicture() {
    const std::string separator = Quoted(g_localeNames.TimeSeparator());
    return g_localeNames.Is24Hour() ? "HH" + separator + "mm" : "hh" + separator + "mm tt";
}

std::string Week(const CDate& date) {
    return "W " + std::to_string(date.GetWeekOfYear());
}

std::string FirstCharacter(const std::string& text) {
    return std::string(plat::FirstCodePoint(text));
}

}  // namespace

std::string BuildDatePicture(int dayStyle, int monthStyle, int yearStyle) {
    const std::string day = dayStyle == 1 ? "d" : dayStyle == 2 ? "dd" : "";
    const char* const months[] = {"", "M", "MM", "MMM", "MMMM"};
    const std::string month = (monthStyle >= 1 && monthStyle <= 4) ? months[monthStyle] : "";
    const std::string year = yearStyle == 1 ? "yy" : yearStyle == 2 ? "yyyy" : "";
    const bool name = monthStyle == 3 || monthStyle == 4;
    const std::string separator = Quoted(g_localeNames.DateSeparator());

    // A month name is set off by blanks, numbers by the separator.
    const std::string gap = name ? " " : separator;
    std::string picture;
    switch (g_localeNames.DateOrder()) {
    case 1:   // "d'.' MMMM yyyy", "d'.'M'.'yy"
        picture = Before(day, name ? separator + " " : separator) + month + After(gap, year);
        break;
    case 2:   // "yyyy MMMM d", "yyyy'-'MM'-'dd"
        picture = Before(year, gap) + month + After(gap, day);
        break;
    default:  // "MMMM d, yyyy", "M'/'d'/'yy"
        picture = month + After(gap, day) + After(name ? ", " : separator, year);
        break;
    }
    TrimTrailingBlanks(picture);
    return picture;
}

std::string BuildTimePicture(int hourStyle, int minuteStyle) {
    const bool hour24 = g_localeNames.Is24Hour();
    const char* hour = "";
    if (hourStyle == 1) hour = hour24 ? "H" : "h";
    if (hourStyle == 2) hour = hour24 ? "HH" : "hh";
    const char* minute = minuteStyle == 1 ? "m" : minuteStyle == 2 ? "mm" : "";

    std::string picture = hour;
    if (*hour != '\0' && *minute != '\0') picture += g_localeNames.TimeSeparator();
    picture += minute;
    if (!hour24 && *hour != '\0') picture += " tt";
    return picture;
}

std::string GetWeekdayName(const CDate& date, int style) {
    const int index = date.GetDayOfWeek() - 1;
    switch (style) {
    case 1:
        return g_localeNames.DayInitials()[index];
    case 2:
        return g_localeNames.ShortDayNames()[index];
    case 3:
        return g_localeNames.DayNames()[index];
    default:
        return "";
    }
}

namespace {

// Codes whose label is the label date in a fixed picture.
struct FixedPicture {
    int code;
    const char* picture;
};
constexpr FixedPicture kFixedPictures[] = {
    {13, "d"},         {14, "dddd"},    {15, "ddd"},      {20, "ddd d"},  {22, "MMM d"},
    {23, "MMMM yyyy"}, {24, "MMMM yy"}, {25, "MMM yyyy"}, {26, "MMM yy"}, {27, "MMMM"},
    {28, "MMM"},       {29, "yy"},      {30, "yyyy"},
};

// Codes whose label is the label date in a picture of the locale's order.
struct BuiltPicture {
    int code;
    int dayStyle, monthStyle, yearStyle;
};
constexpr BuiltPicture kBuiltPictures[] = {
    {5, 2, 2, 2}, {7, 1, 4, 2}, {8, 1, 4, 1}, {9, 1, 3, 1}, {10, 1, 4, 0}, {11, 1, 3, 0}, {12, 1, 1, 0},
};

}  // namespace

std::string FormatTimeBarLabel(const CDateTime& dateTime, int code, bool endFlag) {
    const CDate& d0 = dateTime.date;
    const CDate d = (endFlag && dateTime.time.GetMinutes() == 0) ? AddDays(d0, -1) : d0;
    const CTimeOfDay& time = dateTime.time;

    for (const FixedPicture& fixed : kFixedPictures) {
        if (fixed.code == code) return Date(d, fixed.picture);
    }
    for (const BuiltPicture& built : kBuiltPictures) {
        if (built.code == code)
            return Date(d, BuildDatePicture(built.dayStyle, built.monthStyle, built.yearStyle));
    }
    switch (code) {
    case 0:
        return "";
    case 1:
        return Date(d0, "ddd ") + ShortDate(d0) + ", " + Time(time, ClockPicture());
    case 2:
        return ShortDate(d0) + ", " + Time(time, ClockPicture());
    case 3:
        return Date(d, "ddd ") + ShortDate(d);
    case 4:
        return ShortDate(d);
    case 6:
        return FormatTimeBarLabel(dateTime, 5, false) + ", " + FormatTimeBarLabel(dateTime, 34, false);
    case 16:
        return FirstCharacter(Date(d, "ddd"));
    case 17:
        return GetWeekdayName(d, 2) + " " + Date(d, BuildDatePicture(1, 4, 1));
    case 18:
        return GetWeekdayName(d, 2) + " " + Date(d, BuildDatePicture(1, 3, 0));
    case 19:
        return GetWeekdayName(d, 2) + " " + Date(d, BuildDatePicture(1, 1, 0));
    case 21:
        return FirstCharacter(Date(d, "ddd")) + Date(d, " d");
    case 31:
        return Date(d, BuildDatePicture(1, 1, 0)) + ", " + Time(time, BuildTimePicture(1, 0));
    case 32:
        return Date(d, BuildDatePicture(1, 3, 0)) + ", " + Time(time, BuildTimePicture(1, 0));
    case 33:
        return Time(time, nullptr);
    case 34:
        return Time(time, BuildTimePicture(2, 2));
    case 35:
        return Time(time, g_localeNames.Is24Hour() ? "H" : "h tt");
    case 36:
        return Time(time, "m");
    case 37:
        return ShortDate(d0) + " ( " + Week(d0) + ")";
    case 38:
        return Week(d0);
    default:
        return ShortDate(d0) + ", " + Time(time, nullptr);
    }
}

std::string FormatSampleLabel(int code, bool withMinutes) {
    const CDateTime sample(CDate(31, 1, plat::Now().year), CTimeOfDay(11, withMinutes ? 45 : 0));
    return FormatTimeBarLabel(sample, code, false);
}

std::string FormatDateForUnit(const CDateTime& dateTime, int unit) {
    switch (unit) {
    case 3: {
        CDateTime hour = dateTime;
        hour.time.TruncateToHour();
        return FormatTimeBarLabel(hour, 1, false);
    }
    case 4:
    case 5:
        return FormatTimeBarLabel(dateTime, 3, false);
    case 6:
        return FormatTimeBarLabel(dateTime, 23, false);
    case 7:
        return FormatTimeBarLabel(dateTime, 30, false);
    default:
        return FormatTimeBarLabel(dateTime, 1, false);
    }
}
