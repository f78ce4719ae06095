#pragma once

#include <compare>
#include <cstdint>
#include <string>
#include <string_view>

// Dates as Julian day numbers, times as minutes of the day, and the pair of
// both. Day number 0 means "invalid", 1 means "empty"; neither is changed by
// date arithmetic.

bool IsLeapYear(int year);
// 0 for a month outside 1..12.
int DaysInMonth(int month, int year);
bool IsValidDate(int month, int day, int year);
// Years 0..99 count as 1900..1999; a date that is not valid, or a year
// outside 1..9999, gives 0.
std::int32_t DateToJulianDay(int month, int day, int year);

class CDate {
public:
    static constexpr std::int32_t kInvalid = 0;
    static constexpr std::int32_t kEmpty = 1;
    // The first and last day numbers that name a day (1 March of year 0 and
    // 31 December 9999); others read as 0/0/0.
    static constexpr std::int32_t kFirstDay = 1721120;
    static constexpr std::int32_t kLastDay = 5373484;

    // Today, by the local clock.
    CDate();
    CDate(int day, int month, int year);

    static CDate Today() { return CDate(); }
    static CDate FromJulianDay(std::int32_t dayNumber);

    std::int32_t GetJulianDay() const { return dayNumber_; }
    void SetJulianDay(std::int32_t dayNumber) { dayNumber_ = dayNumber; }
    // True for a day number that names a day (neither reserved nor out of range).
    bool IsValid() const { return dayNumber_ >= kFirstDay && dayNumber_ <= kLastDay; }

    // 0/0/0 for a day number that names no day.
    void GetYMD(int& month, int& day, int& year) const;
    int GetDay() const;
    int GetMonth() const;
    int GetYear() const;
    // 1 = Monday ... 7 = Sunday.
    int GetDayOfWeek() const;
    // ISO 8601 week, 1..53.
    int GetWeekOfYear() const;
    int GetDaysInMonth() const;

    bool IsEmpty() const { return dayNumber_ == kEmpty; }
    void SetEmpty() { dayNumber_ = kEmpty; }
    void SetEndOfMonth(int month, int year);

    // Reads a date typed or stored as text, in the locale's date order:
    // "" gives the empty date; one, two or three numbers between "/", ".",
    // "-", line feed or the locale's separator give the date (missing parts
    // are today's; years 0..40 are 2000.., 41..99 1941.., 100..1000 get
    // 1000 added); eight characters without delimiter are yyyyMMdd. A day
    // that does not exist, or a text of 1024 bytes or more, gives 0.
    void ParseText(std::string_view text);

    // "" for an empty date, "invalid" for day number 0; otherwise the
    // locale's date formatter with the given flags and picture (null: the
    // locale's own form).
    std::string Format(unsigned flags, const char* picture) const;

    // The day of month is kept and clamped to the new month's length.
    void AddMonths(int n);
    void SubtractMonths(int n);
    void AddYears(int n);
    void SubtractYears(int n);
    // weekday 0 = Monday ... 6 = Sunday; returns the signed number of days moved.
    int MoveToWeekday(int weekday, bool forward);

    friend bool operator==(const CDate&, const CDate&) = default;
    friend auto operator<=>(const CDate&, const CDate&) = default;

private:
    struct FromNumber {};
    CDate(FromNumber, std::int32_t dayNumber) : dayNumber_(dayNumber) {}
    void ShiftMonths(std::int64_t months);
    void ShiftYears(std::int64_t years);

    std::int32_t dayNumber_;
};

// The date n days later; reserved day numbers stay as they are.
CDate AddDays(const CDate& date, int n);

class CTimeOfDay {
public:
    static constexpr std::int32_t kMinutesPerDay = 1440;

    // The current local time (hour and minute).
    CTimeOfDay();
    CTimeOfDay(int minutes) { Set(minutes); }
    CTimeOfDay(int hour, int minute) { SetHourMinute(hour, minute); }
    // 24:00, the end of a day, which no setter produces.
    static CTimeOfDay EndOfDay();

    CTimeOfDay& operator=(int minutes) {
        Set(minutes);
        return *this;
    }

    std::int32_t GetMinutes() const { return minutes_; }
    bool IsEmpty() const { return empty_ != 0; }

    // Wraps into 0..1439 and clears the empty flag.
    void Set(std::int64_t minutes);
    void SetHourMinute(int hour, int minute);
    void SetEmpty(bool empty);
    void TruncateToHour();

    // Reads a time typed as text: "9", "9:30", "9.30", "9 30", "930" or
    // "0930", with the locale's AM/PM designators on a 12-hour locale; only
    // the first 50 bytes count. "" gives the empty time; "24:00" gives
    // EndOfDay(). Returns false, with the time wrapped as the digits say,
    // for a text without a digit or with an hour above 24 or minutes
    // above 59.
    bool ParseText(std::string_view text);

    // "" when empty. 24:00 without a picture (or with TIME_FORCE24HOURFORMAT)
    // prints "24:00" on a 24-hour locale or with that flag, else midnight;
    // with a picture, hour 24 prints "24" for H/HH and midnight for h/hh.
    std::string Format(unsigned flags, const char* picture) const;

    friend bool operator==(const CTimeOfDay&, const CTimeOfDay&) = default;
    friend auto operator<=>(const CTimeOfDay&, const CTimeOfDay&) = default;

private:
    std::int32_t minutes_ = 0;
    std::uint8_t empty_ = 0;
};

class CDateTime {
public:
    // Today at the current local time.
    CDateTime() = default;
    CDateTime(const CDate& d, const CTimeOfDay& t) : date(d), time(t) {}
    // That date at 0:00.
    explicit CDateTime(const CDate& d) : date(d), time(0) {}

    // Adds n minutes in place, carrying whole days; returns the result.
    CDateTime AddMinutes(int n);
    // Minutes from this value to later, split into whole days and the
    // remaining minutes; a later 0:00 counts as 24:00 of the day before.
    std::int64_t DiffMinutes(const CDateTime& later, int& days, int& minutes) const;

    friend bool operator==(const CDateTime&, const CDateTime&) = default;
    friend auto operator<=>(const CDateTime&, const CDateTime&) = default;

    CDate date;
    CTimeOfDay time;
};
