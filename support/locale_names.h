#pragma once

#include <array>
#include <string>

// The names and conventions of the user's locale that the system's own
// formatting needs. Weekday index 0 is Monday, 6 Sunday; index 7 is the
// holiday entry.
class CLocaleNames {
public:
    static constexpr int kHoliday = 7;

    // Sets the process's standard-library locale to the user's default,
    // reads the current platform locale and the holiday names (strings 5010
    // and 5011) from module, or from the running program when module is null.
    int Load(void* module);

    // The weekday shown in a column when the week starts on the first day;
    // a column outside 0..6 is returned unchanged.
    int WeekdayIndex(int column) const;

    const std::array<std::string, 8>& DayInitials() const { return dayInitials_; }
    const std::array<std::string, 8>& ShortDayNames() const { return shortDayNames_; }
    const std::array<std::string, 8>& DayNames() const { return dayNames_; }
    const std::array<std::string, 12>& MonthNames() const { return monthNames_; }
    const std::array<std::string, 12>& ShortMonthNames() const { return shortMonthNames_; }
    // 1 = Monday ... 7 = Sunday.
    int FirstDayOfWeek() const { return firstDayOfWeek_; }
    int LastDayOfWeek() const { return lastDayOfWeek_; }
    bool Is24Hour() const { return hour24_; }
    // 0 month-day-year, 1 day-month-year, 2 year-month-day.
    int DateOrder() const { return dateOrder_; }
    const std::string& DateSeparator() const { return dateSeparator_; }
    const std::string& TimeSeparator() const { return timeSeparator_; }
    bool IsMetric() const { return metric_; }

private:
    std::array<std::string, 8> dayInitials_;
    std::array<std::string, 8> shortDayNames_;
    std::array<std::string, 8> dayNames_;
    std::array<std::string, 12> monthNames_;
    std::array<std::string, 12> shortMonthNames_;
    int firstDayOfWeek_ = 1;
    int lastDayOfWeek_ = 7;
    bool hour24_ = true;
    int dateOrder_ = 0;
    std::string dateSeparator_;
    std::string timeSeparator_;
    bool metric_ = true;
};

// The deliverable's one instance, filled once at start-up.
extern CLocaleNames g_localeNames;
