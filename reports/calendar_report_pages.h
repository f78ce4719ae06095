#pragma once

// The calendar report's page and image arithmetic, over plain numbers.
// Every function guards against sizes that are not sizes (zero or negative
// heights, settings out of range), so no layout divides by zero, loops
// without end or asks for a huge image.

#include <cstdint>

#include "support/setting_ranges.h"

// The most weeks one report shows: ten years. A longer period is cut there.
inline constexpr int kCalendarMaxWeeks = 522;
// The highest weeks per page a user can ask for ("ReportsCalendarWeeksMax"
// is clamped to it).
inline constexpr int kCalendarMaxWeeksPerPage = 100;
// The largest image, in pixels, whatever "ReportsHtmlImageSizeMax" says
// (4096 x 4096).
inline constexpr std::int64_t kCalendarMaxImagePixels = kMaxImagePixelsSetting;
// Bookings per day above this are not bookings per day but a setting gone wrong.
inline constexpr int kCalendarMaxBookingsPerDay = 1000;

// "ReportsCalendarWeeks": below 1 counts as 1; above the dialog's limit
// weeksMax (itself 1..kCalendarMaxWeeksPerPage) as that limit.
int CalendarWeeksPerPage(int setting, int weeksMax);

// Whole weeks from firstDay to lastDay (Julian days, the period already
// widened to whole weeks), at most kCalendarMaxWeeks; 0 when lastDay lies
// before firstDay.
int CalendarWeekCount(std::int32_t firstDay, std::int32_t lastDay);

// Pages of weeksPerPage weeks that hold `weeks` weeks; 0 weeks print no page.
int CalendarPageCount(int weeks, int weeksPerPage);

// The printed page's heights: the week row from the room below the two
// headers, and the booking entries a day cell holds below its caption.
struct CalendarPrintLayout {
    int dayWidth = 0;
    int weekRowHeight = 0;
    int bookingsPerDay = 0;
};
// pageWidth across `days` columns; bodyHeight (bottom - top) less both
// headers over weeksPerPage rows; (row - dayHeader) / (entry + distance)
// entries, 0 when that divisor or room is not positive.
CalendarPrintLayout CalendarPrintGeometry(int pageWidth, int bodyHeight, int days, int weeksPerPage,
                                          int monthYearHeader, int weekdayHeader, int dayHeader,
                                          int entryHeight, int distance);

// The bookings per day of an HTML page: fixed when it is 0 or more, else
// the stored value (what the last print fitted), else, when that is
// negative, defaultValue. Clamped to 0..kCalendarMaxBookingsPerDay.
int CalendarHtmlBookingsPerDay(int stored, int defaultValue, int fixed);

// The HTML images' geometry for `days` columns.
struct CalendarImageLayout {
    int dayWidth = 0;
    int imageWidth = 0;         // dayWidth x days; 0: no images
    int weekRowHeight = 0;
    int bookingsPerDay = 0;     // lowered so that one week fits an image
    int weeksPerImage = 0;
};
// imageWidth is the setting; the image area is imageSizeMax, at most
// kCalendarMaxImagePixels. A week row is dayHeader + bookingsPerDay x
// (entry + 2 x distance); an image holds (area / width - headers) / row
// weeks, at least 1. No images (imageWidth 0) when there is no column or
// the width is below 1.
CalendarImageLayout CalendarImageGeometry(int imageWidth, int days, std::int64_t imageSizeMax, int headers,
                                          int dayHeader, int entryHeight, int distance, int bookingsPerDay);

// Images of weeksPerImage weeks that hold `weeks` weeks.
int CalendarImageCount(int weeks, int weeksPerImage);
