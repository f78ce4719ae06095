#include "reports/calendar_report_pages.h"

#include <algorithm>

namespace {

// The widest image a report makes, whatever the setting.
constexpr int kMaxImageWidth = 4096;

}  // namespace

int CalendarWeeksPerPage(int setting, int weeksMax) {
    const int limit = std::clamp(weeksMax, 1, kCalendarMaxWeeksPerPage);
    return std::clamp(setting, 1, limit);
}

int CalendarWeekCount(std::int32_t firstDay, std::int32_t lastDay) {
    if (lastDay < firstDay) return 0;
    const std::int64_t weeks = (static_cast<std::int64_t>(lastDay) - firstDay) / 7 + 1;
    return static_cast<int>(std::min<std::int64_t>(weeks, kCalendarMaxWeeks));
}

int CalendarPageCount(int weeks, int weeksPerPage) {
    if (weeks <= 0) return 0;
    return (weeks - 1) / std::max(1, weeksPerPage) + 1;
}

CalendarPrintLayout CalendarPrintGeometry(int pageWidth, int bodyHeight, int days, int weeksPerPage,
                                          int monthYearHeader, int weekdayHeader, int dayHeader,
                                          int entryHeight, int distance) {
    CalendarPrintLayout layout;
    if (days <= 0) return layout;
    layout.dayWidth = std::max(0, pageWidth) / days;
    const std::int64_t room = static_cast<std::int64_t>(bodyHeight) - monthYearHeader - weekdayHeader;
    layout.weekRowHeight = static_cast<int>(std::max<std::int64_t>(0, room / std::max(1, weeksPerPage)));
    const std::int64_t pitch = static_cast<std::int64_t>(entryHeight) + distance;
    const std::int64_t cell = static_cast<std::int64_t>(layout.weekRowHeight) - dayHeader;
    if (pitch > 0 && cell > 0 && entryHeight > 0)
        layout.bookingsPerDay = static_cast<int>(std::min<std::int64_t>(cell / pitch, kCalendarMaxBookingsPerDay));
    return layout;
}

int CalendarHtmlBookingsPerDay(int stored, int defaultValue, int fixed) {
    const int value = fixed >= 0 ? fixed : stored >= 0 ? stored : defaultValue;
    return std::clamp(value, 0, kCalendarMaxBookingsPerDay);
}

CalendarImageLayout CalendarImageGeometry(int imageWidth, int days, std::int64_t imageSizeMax, int headers,
                                          int dayHeader, int entryHeight, int distance, int bookingsPerDay) {
    CalendarImageLayout layout;
    if (days <= 0 || imageWidth < 1) return layout;
    layout.dayWidth = std::min(imageWidth, kMaxImageWidth) / days;
    if (layout.dayWidth < 1) return {};
    layout.imageWidth = layout.dayWidth * days;

    const std::int64_t area = std::clamp<std::int64_t>(imageSizeMax, 0, kCalendarMaxImagePixels);
    const std::int64_t weeksRoom = area / layout.imageWidth - std::max(0, headers);
    const std::int64_t header = std::max(0, dayHeader);
    const std::int64_t pitch = static_cast<std::int64_t>(entryHeight) + 2LL * distance;
    std::int64_t perDay = std::clamp(bookingsPerDay, 0, kCalendarMaxBookingsPerDay);
    if (pitch <= 0 || entryHeight <= 0)
        perDay = 0;
    else
        perDay = std::clamp<std::int64_t>((weeksRoom - header) / pitch, 0, perDay);
    layout.bookingsPerDay = static_cast<int>(perDay);
    layout.weekRowHeight = static_cast<int>(std::max<std::int64_t>(1, header + perDay * std::max<std::int64_t>(0, pitch)));
    layout.weeksPerImage = static_cast<int>(std::max<std::int64_t>(1, weeksRoom / layout.weekRowHeight));
    return layout;
}

int CalendarImageCount(int weeks, int weeksPerImage) {
    if (weeks <= 0) return 0;
    return (weeks - 1) / std::max(1, weeksPerImage) + 1;
}
