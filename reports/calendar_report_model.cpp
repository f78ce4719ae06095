#include "reports/calendar_report_model.h"

#include <algorithm>
#include <utility>

#include "plat/resource_strings.h"
#include "reports/calendar_report_pages.h"
#include "reports/report_period.h"
#include "reports/report_strings.h"
#include "support/time_bar_labels.h"
#include "support/working_time.h"

CCalendarReport::CCalendarReport(PlanContext context) : CCalendarModel(std::move(context)) {
    LoadSettings();
    UpdateVisibleWeekdays();
}

std::string CCalendarReport::GetTitle(const SettingGetter& get) {
    if (GetBoolSetting(get, "ReportsCalendarTitleEmpty", false)) return {};
    std::string title = GetStringSetting(get, "ReportsCalendarTitle", "");
    return title.empty() ? plat::LoadResString(kStrCalendarTitle) : title;
}

void CCalendarReport::LoadSettings() {
    CCalendarModel::LoadSettings();
    const SettingGetter& get = Context().settings;
    if (!get) return;
    ReadReportPeriod(get, "ReportsCalendarDateRange", firstDate, lastDate);
    showAdditional = GetBoolSetting(get, "ReportsCalendarShowAdditionalBookings", true);
    groupByDay = GetBoolSetting(get, "ReportsCalendarGroupBookingsByDay", false);
}

int CCalendarReport::WidenPeriod(CDate& first, CDate& last) {
    first = firstDate;
    last = lastDate;
    periodCut = false;
    if (!first.IsValid() || !last.IsValid() || last < first) return 0;
    GetWeekBounds(first, last);
    const std::int64_t fullWeeks =
        (static_cast<std::int64_t>(last.GetJulianDay()) - first.GetJulianDay()) / 7 + 1;
    const int weeks = CalendarWeekCount(first.GetJulianDay(), last.GetJulianDay());
    if (fullWeeks > weeks) {
        periodCut = true;
        last = AddDays(first, 7 * weeks - 1);
    }
    return weeks;
}

std::string CCalendarReport::RangeCaption() const {
    if (Cells().empty()) return {};
    return FormatRangeCaption(Cells().front().start.date, Cells().back().start.date);
}

std::vector<std::string> CCalendarReport::ColumnNames() const {
    std::vector<int> weekdays;
    GetVisibleWeekdays(weekdays);
    const CLocaleNames& names = Context().localeNames != nullptr ? *Context().localeNames : g_localeNames;
    std::vector<std::string> result;
    for (int weekday : weekdays) result.push_back(names.DayNames()[static_cast<std::size_t>(weekday)]);
    return result;
}

bool CCalendarReport::IsWorkingWeekday(int weekday) const {
    const CPlanData* plan = Context().plan;
    const WorkingTime workingTime =
        plan != nullptr && plan->properties != nullptr ? WorkingTimeOf(*plan->properties) : WorkingTime{};
    return workingTime.workingDays[static_cast<std::size_t>(weekday)] != 0;
}

ui::COLORREF CCalendarReport::ColumnColor(int weekday, ui::COLORREF workingColor) const {
    const ui::COLORREF own = weekdayColors[static_cast<std::size_t>(weekday)];
    if (own != 0xFFFFFF) return own;
    return IsWorkingWeekday(weekday) ? workingColor : nonWorkingColor;
}

bool CCalendarReport::CellOverflows(const CalendarDayCell& cell, int bookingsPerDay) {
    return cell.highestLine >= bookingsPerDay;
}

void CCalendarReport::CollectAdditional(const CalendarWeek& week, int bookingsPerDay) {
    if (!showAdditional) return;
    for (const CalendarSegment& segment : week.segments) {
        if (segment.line < bookingsPerDay) continue;
        const CalendarDayCell& cell = Cells()[static_cast<std::size_t>(week.firstCell + segment.firstDay)];
        additional_.push_back({cell.start.date, segment.booking});
    }
}

std::vector<CalendarAdditionalBooking> CCalendarReport::TakeAdditional() {
    std::vector<CalendarAdditionalBooking> list = std::move(additional_);
    additional_.clear();
    // A booking that overflows in several weeks is listed once (once per
    // day when grouping by day).
    const auto sameEntry = [this](const CalendarAdditionalBooking& a, const CalendarAdditionalBooking& b) {
        return a.booking == b.booking && (!groupByDay || a.day == b.day);
    };
    std::sort(list.begin(), list.end(), [this](const CalendarAdditionalBooking& a, const CalendarAdditionalBooking& b) {
        if (groupByDay && a.day != b.day) return a.day < b.day;
        return a.booking < b.booking;
    });
    list.erase(std::unique(list.begin(), list.end(), sameEntry), list.end());
    std::stable_sort(list.begin(), list.end(), [this](const CalendarAdditionalBooking& a, const CalendarAdditionalBooking& b) {
        if (groupByDay && a.day != b.day) return a.day < b.day;
        return CompareCalendarBookings(a.booking, b.booking, 0, true);
    });
    return list;
}

std::string FormatAdditionalStart(const CBooking& booking) {
    return FormatTimeBarLabel(BookingMoment(booking.startDay, booking.startMinutes), 2, false);
}

std::string FormatAdditionalEnd(const CBooking& booking) {
    return FormatTimeBarLabel(BookingMoment(booking.endDay, booking.endMinutes), 2, true);
}

std::string FormatAdditionalDay(const CDate& day) { return FormatTimeBarLabel(CDateTime(day), 4, false); }

std::string NotesOnOneLine(const char* text) {
    std::string line = text != nullptr ? text : "";
    std::replace(line.begin(), line.end(), '\n', ' ');
    line.erase(std::remove(line.begin(), line.end(), '\r'), line.end());
    return line;
}
