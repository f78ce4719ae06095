#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "support/calendar_values.h"

// A plan's working time: day start and end in minutes (an end of 0 counts
// as 1440) and one working-day flag per weekday, Monday first.
struct WorkingTime {
    std::int16_t dayStart = 480;
    std::int16_t dayEnd = 1020;
    std::array<std::uint8_t, 7> workingDays = {1, 1, 1, 1, 1, 0, 0};

    bool IsWorkingDay(const CDate& date) const;
    bool HasWorkingDay() const;
    // The end with 0 counted as 1440.
    int End() const { return dayEnd == 0 ? CTimeOfDay::kMinutesPerDay : dayEnd; }
    // End() - dayStart; 0 or less for a working day without working time.
    int Length() const { return End() - dayStart; }
};

class CPlanProperties;
// The working time kept in a document's properties.
WorkingTime WorkingTimeOf(const CPlanProperties& properties);

// Duration styles and input units of FormatDuration.
enum DurationStyle { kDurationMinutes = 1, kDurationHours = 2, kDurationDays = 3,
                     kDurationHoursMinutes = 4 };
enum DurationUnit { kUnitMinutes = 0, kUnitHours = 1, kUnitDays = 2 };

// The resource formats of styles 1..4, and the built-in ones used when the
// resource library gives none.
inline constexpr unsigned kDurationMinutesString = 430;
inline constexpr unsigned kDurationHoursString = 427;
inline constexpr unsigned kDurationDaysString = 428;
inline constexpr unsigned kDurationHoursMinutesString = 429;
inline constexpr const char* kDefaultMinutesFormat = "%d min";
inline constexpr const char* kDefaultHoursFormat = "%.2f h";
inline constexpr const char* kDefaultDaysFormat = "%.2f d";
inline constexpr const char* kDefaultHoursMinutesFormat = "%d:%02d h";

// Working days from first to last inclusive; 0 when last is before first.
int CountWorkingDays(const WorkingTime& wt, const CDate& first, const CDate& last);
// The next working day after the given date, time unchanged; the next
// calendar day when the week has no working day.
CDateTime NextWorkingDay(const WorkingTime& wt, const CDateTime& dateTime);
// trunc(x * 10^n + 0.5) / 10^n for n > 0 (so -1.234 gives -1.22); x itself
// for n <= 0.
double RoundTo(double x, int n);
std::string FormatDuration(const WorkingTime& wt, double value, int style, int unit);
// The working day's length in the given style.
std::string FormatWorkingDayLength(const WorkingTime& wt, int style);
// The working length of a booking in minutes (resultUnit 0), hours (1) or
// working days (2); with realTime every minute counts and a day is 1440.
// 0 when the working day has no length or end is not after start.
double BookingWorkingMinutes(const WorkingTime& wt, const CDateTime& start, const CDateTime& end,
                             int resultUnit, bool realTime);
// The date-time reached after n working minutes from start; start itself
// when n < 1, the working day has no length or no weekday is a working day.
CDateTime AddWorkingMinutes(const WorkingTime& wt, const CDateTime& start, int n);
// Where a booking from start to end ends once it starts at newStart: its
// working length kept (keepWorkingTime), else its real length. A booking
// with a real length but no working minutes (an evening, a day off) keeps
// its real length either way, never shrinking to nothing. A booking that
// does not end after its start gets no length.
CDateTime MovedBookingEnd(const WorkingTime& wt, const CDateTime& start, const CDateTime& end,
                          const CDateTime& newStart, bool keepWorkingTime);
