// Dates and times typed or stored as text.

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string>

#include "plat/locale_info.h"
#include "support/calendar_values.h"

namespace {

// Longer texts are beyond what a date can be; they give the invalid date.
constexpr std::size_t kMaxDateText = 1023;
constexpr std::size_t kMaxTimeText = 50;
// Digit runs saturate here, far above any day, month or year, so that long
// runs cannot overflow.
constexpr int kNumberCap = 1000000000;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Leading blanks, then digits up to the first other character; 0 without digits.
int ReadNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    std::int64_t value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        value = std::min<std::int64_t>(kNumberCap, value * 10 + (text[i] - '0'));
    return static_cast<int>(value);
}

int ExpandYear(int year) {
    if (year <= 40) return year + 2000;
    if (year < 100) return year + 1900;
    if (year <= 1000) return year + 1000;
    return year;
}

std::string Upper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

// hours adjusted by the AM or PM designator found in text.
int Apply12HourDesignator(std::string_view text, int hours, const plat::LocaleInfo& locale) {
    const std::string upperText = Upper(text);
    const std::string am = Upper(locale.amText);
    const std::string pm = Upper(locale.pmText);
    bool isAm = !am.empty() && upperText.find(am) != std::string::npos;
    bool isPm = !pm.empty() && upperText.find(pm) != std::string::npos;
    if (!isAm && !isPm && !am.empty() && !pm.empty() && am[0] == 'A' && pm[0] == 'P') {
        isAm = upperText.find('A') != std::string::npos;
        isPm = upperText.find('P') != std::string::npos;
    }
    if (hours <= 11 && isPm) return hours + 12;
    if (hours == 12 && isAm) return 0;
    return hours;
}

}  // namespace

void CDate::ParseText(std::string_view text) {
    if (text.empty()) {
        dayNumber_ = kEmpty;
        return;
    }
    if (text.size() > kMaxDateText) {
        dayNumber_ = kInvalid;
        return;
    }
    const plat::LocaleInfo& locale = plat::CurrentLocale();
    std::string delimiters = "/.-\n";
    if (!locale.dateSeparator.empty() &&
        locale.dateSeparator.find_first_of(delimiters) == std::string::npos)
        delimiters += locale.dateSeparator;

    int pieces[3] = {0, 0, 0};
    int n = 0;
    std::size_t pos = text.find_first_not_of(delimiters);
    while (pos != std::string_view::npos && n < 3) {
        const std::size_t end = text.find_first_of(delimiters, pos);
        pieces[n++] = ReadNumber(text.substr(pos, end == std::string_view::npos ? end : end - pos));
        pos = end == std::string_view::npos ? end : text.find_first_not_of(delimiters, end);
    }

    // Only forms that leave a part out need today.
    int month = 0, day = 0, year = 0;
    if (n < 3) {
        const CDate today = Today();
        today.GetYMD(month, day, year);
    }
    const bool dayFirst = locale.dateOrder == 1;
    switch (n) {
    case 1:
        if (text.size() == 8) {
            year = ReadNumber(text.substr(0, 4));
            month = ReadNumber(text.substr(4, 2));
            day = ReadNumber(text.substr(6, 2));
        } else {
            day = pieces[0];
        }
        break;
    case 2:
        day = dayFirst ? pieces[0] : pieces[1];
        month = dayFirst ? pieces[1] : pieces[0];
        break;
    case 3:
        if (dayFirst) {
            day = pieces[0], month = pieces[1], year = pieces[2];
        } else if (locale.dateOrder == 2) {
            year = pieces[0], month = pieces[1], day = pieces[2];
        } else {
            month = pieces[0], day = pieces[1], year = pieces[2];
        }
        break;
    default:
        break;
    }
    dayNumber_ = DateToJulianDay(month, day, ExpandYear(year));
}

bool CTimeOfDay::ParseText(std::string_view text) {
    if (text.empty()) {
        SetEmpty(true);
        return true;
    }
    text = text.substr(0, kMaxTimeText);
    const auto firstDigit = std::find_if(text.begin(), text.end(), IsDigit);
    if (firstDigit == text.end()) {
        Set(0);
        return false;
    }
    const auto runEnd = std::find_if_not(firstDigit, text.end(), IsDigit);
    const std::string_view run(firstDigit, runEnd);
    int hours = 0, minutes = 0;
    if (run.size() <= 2) {
        hours = ReadNumber(run);
        const auto next = std::find_if(runEnd, text.end(), IsDigit);
        const auto nextEnd = std::find_if_not(next, text.end(), IsDigit);
        minutes = ReadNumber(std::string_view(next, nextEnd).substr(0, 2));
    } else if (run.size() == 3) {
        hours = ReadNumber(run.substr(0, 1));
        minutes = ReadNumber(run.substr(1, 2));
    } else {
        hours = ReadNumber(run.substr(0, 2));
        minutes = ReadNumber(run.substr(2, 2));
    }
    const plat::LocaleInfo& locale = plat::CurrentLocale();
    if (!locale.hour24) hours = Apply12HourDesignator(text, hours, locale);
    if (hours == 24 && minutes == 0) {
        *this = EndOfDay();
        return true;
    }
    SetHourMinute(hours, minutes);
    return hours < 24 && minutes < 60;
}
