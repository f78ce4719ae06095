#include "support/calendar_values.h"

#include <algorithm>

#include "plat/clock.h"
#include "plat/datetime_format.h"
#include "plat/locale_info.h"

namespace {

constexpr int kMonthLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// The day number of a valid date of years 1..9999, without the two-digit
// year rule; 0 otherwise. 64-bit so that no year can overflow it.
std::int32_t JulianDayOf(std::int64_t month, std::int64_t day, std::int64_t year) {
    if (year < 1 || year > 9999 || !IsValidDate(static_cast<int>(month), static_cast<int>(day),
                                                 static_cast<int>(year)))
        return 0;
    std::int64_t m;
    if (month < 3) {
        year -= 1;
        m = month + 9;
    } else {
        m = month - 3;
    }
    const std::int64_t cy = year / 100;
    const std::int64_t ya = year % 100;
    return static_cast<std::int32_t>((146097 * cy) / 4 + (1461 * ya) / 4 + (153 * m + 2) / 5 + day +
                                     1721119);
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

}  // namespace

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int month, int year) {
    if (month < 1 || month > 12) return 0;
    return kMonthLengths[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

bool IsValidDate(int month, int day, int year) {
    if (day <= 0 || month <= 0 || month > 12) return false;
    return day <= DaysInMonth(month, year);
}

std::int32_t DateToJulianDay(int month, int day, int year) {
    if (year >= 0 && year < 100) year += 1900;
    return JulianDayOf(month, day, year);
}

CDate::CDate() {
    const plat::LocalDateTime now = plat::Now();
    dayNumber_ = DateToJulianDay(now.month, now.day, now.year);
}

CDate::CDate(int day, int month, int year) : dayNumber_(DateToJulianDay(month, day, year)) {}

CDate CDate::FromJulianDay(std::int32_t dayNumber) {
    return CDate(FromNumber{}, dayNumber);
}

void CDate::GetYMD(int& month, int& day, int& year) const {
    if (!IsValid()) {
        month = day = year = 0;
        return;
    }
    std::uint32_t j = (static_cast<std::uint32_t>(dayNumber_) - 1721119u) * 4u;
    const std::uint32_t cy = (j - 1u) / 146097u;
    j = ((j - 1u - 146097u * cy) / 4u) * 4u;
    const std::uint32_t ya = (j + 3u) / 1461u;
    j = ((j + 3u - 1461u * ya + 4u) / 4u) * 5u;
    const std::uint32_t m = (j - 3u) / 153u;
    day = static_cast<int>(((j - 3u) % 153u + 5u) / 5u);
    year = static_cast<int>(100u * cy + ya);
    if (m > 9u) {
        month = static_cast<int>(m - 9u);
        year += 1;
    } else {
        month = static_cast<int>(m + 3u);
    }
}

int CDate::GetDay() const {
    int m, d, y;
    GetYMD(m, d, y);
    return d;
}

int CDate::GetMonth() const {
    int m, d, y;
    GetYMD(m, d, y);
    return m;
}

int CDate::GetYear() const {
    int m, d, y;
    GetYMD(m, d, y);
    return y;
}

int CDate::GetDayOfWeek() const {
    const std::uint32_t j = static_cast<std::uint32_t>(dayNumber_);
    return static_cast<int>(((j + 1u) % 7u + 6u) % 7u + 1u);
}

int CDate::GetWeekOfYear() const {
    const std::uint32_t j = static_cast<std::uint32_t>(dayNumber_);
    const std::uint32_t d4 = (((j - (j % 7u) + 31741u) % 146097u) % 36524u) % 1461u;
    const std::uint32_t l = d4 / 1460u;
    const std::uint32_t d1 = ((d4 - l) % 365u) + l;
    return static_cast<int>(d1 / 7u + 1u);
}

int CDate::GetDaysInMonth() const {
    int m, d, y;
    GetYMD(m, d, y);
    return DaysInMonth(m, y);
}

void CDate::SetEndOfMonth(int month, int year) {
    if (year >= 0 && year < 100) year += 1900;
    dayNumber_ = JulianDayOf(month, DaysInMonth(month, year), year);
}

std::string CDate::Format(unsigned flags, const char* picture) const {
    if (dayNumber_ == kEmpty) return "";
    if (dayNumber_ == kInvalid) return "invalid";
    plat::CalendarDate date;
    GetYMD(date.month, date.day, date.year);
    date.dayOfWeek = GetDayOfWeek() % 7;
    return plat::FormatDate(date, flags, picture);
}

void CDate::ShiftMonths(std::int64_t months) {
    if (!IsValid() || months == 0) return;
    int m, d, y;
    GetYMD(m, d, y);
    const std::int64_t index = static_cast<std::int64_t>(y) * 12 + (m - 1) + months;
    const std::int64_t year = FloorDiv(index, 12);
    const std::int64_t month = index - year * 12 + 1;
    if (year < 1 || year > 9999) {
        dayNumber_ = kInvalid;
        return;
    }
    const int length = DaysInMonth(static_cast<int>(month), static_cast<int>(year));
    dayNumber_ = JulianDayOf(month, std::min(d, length), year);
}

void CDate::ShiftYears(std::int64_t years) {
    ShiftMonths(years * 12);
}

void CDate::AddMonths(int n) {
    ShiftMonths(n);
}

void CDate::SubtractMonths(int n) {
    ShiftMonths(-static_cast<std::int64_t>(n));
}

void CDate::AddYears(int n) {
    ShiftYears(n);
}

void CDate::SubtractYears(int n) {
    ShiftYears(-static_cast<std::int64_t>(n));
}

int CDate::MoveToWeekday(int weekday, bool forward) {
    if (!IsValid() || weekday < 0 || weekday > 6) return 0;
    const int g = GetDayOfWeek();
    const int days = forward ? (weekday - g + 8) % 7 : -((g - weekday + 6) % 7);
    *this = AddDays(*this, days);
    return days;
}

CDate AddDays(const CDate& date, int n) {
    const std::int32_t number = date.GetJulianDay();
    if (number == CDate::kInvalid || number == CDate::kEmpty) return date;
    const std::int64_t moved = static_cast<std::int64_t>(number) + n;
    // Far outside the calendar the result is invalid rather than wrapped.
    if (moved <= CDate::kEmpty || moved > INT32_MAX) return CDate::FromJulianDay(CDate::kInvalid);
    return CDate::FromJulianDay(static_cast<std::int32_t>(moved));
}

CTimeOfDay::CTimeOfDay() {
    const plat::LocalDateTime now = plat::Now();
    SetHourMinute(now.hour, now.minute);
}

CTimeOfDay CTimeOfDay::EndOfDay() {
    CTimeOfDay t(0);
    t.minutes_ = kMinutesPerDay;
    return t;
}

void CTimeOfDay::Set(std::int64_t minutes) {
    std::int64_t r = minutes % kMinutesPerDay;
    if (r < 0) r += kMinutesPerDay;
    minutes_ = static_cast<std::int32_t>(r);
    empty_ = 0;
}

void CTimeOfDay::SetHourMinute(int hour, int minute) {
    Set(static_cast<std::int64_t>(hour) * 60 + minute);
}

void CTimeOfDay::SetEmpty(bool empty) {
    empty_ = empty ? 1 : 0;
    if (empty) minutes_ = 0;
}

void CTimeOfDay::TruncateToHour() {
    minutes_ -= minutes_ % 60;
}

std::string CTimeOfDay::Format(unsigned flags, const char* picture) const {
    if (IsEmpty()) return "";
    int hour = minutes_ / 60;
    const int minute = minutes_ % 60;
    if (hour == 24 && (picture == nullptr || (flags & plat::TIME_FORCE24HOURFORMAT) != 0)) {
        if ((flags & plat::TIME_FORCE24HOURFORMAT) != 0 || plat::CurrentLocale().hour24)
            return "24:00";
        hour = 0;
    }
    return plat::FormatTime(hour, minute, 0, flags, picture);
}

CDateTime CDateTime::AddMinutes(int n) {
    date = AddDays(date, n / CTimeOfDay::kMinutesPerDay);
    const int r = n % CTimeOfDay::kMinutesPerDay;
    if (r == 0) return *this;
    const int t = time.GetMinutes();
    if (r < 0 && -r > t)
        date = AddDays(date, -1);
    else if (r + t >= CTimeOfDay::kMinutesPerDay)
        date = AddDays(date, 1);
    time.Set(static_cast<std::int64_t>(t) + r);
    return *this;
}

std::int64_t CDateTime::DiffMinutes(const CDateTime& later, int& days, int& minutes) const {
    const int s = time.GetMinutes();
    int e = later.time.GetMinutes();
    std::int64_t laterDay = later.date.GetJulianDay();
    if (e == 0) {
        laterDay -= 1;
        e = CTimeOfDay::kMinutesPerDay;
    }
    std::int64_t dayCount = laterDay - date.GetJulianDay();
    if (s > e) {
        minutes = e - s + CTimeOfDay::kMinutesPerDay;
        dayCount -= 1;
    } else {
        minutes = e - s;
    }
    days = static_cast<int>(dayCount);
    return dayCount * CTimeOfDay::kMinutesPerDay + minutes;
}
