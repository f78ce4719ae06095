#include "reports/report_settings_values.h"

#include <algorithm>
#include <cmath>

#include "date_setting.h"
#include "plat/resource_strings.h"
#include "reports/report_strings.h"
#include "support/setting_ranges.h"

namespace {

std::string TitleSetting(const SettingGetter& get, std::string_view titleKey, std::string_view emptyKey,
                         unsigned defaultTitle) {
    if (GetBoolSetting(get, emptyKey, false)) return {};
    std::string title = GetStringSetting(get, titleKey, "");
    return title.empty() ? plat::LoadResString(defaultTitle) : title;
}

void StoreTitle(const SettingSetter& set, std::string_view titleKey, std::string_view emptyKey,
                const std::string& title) {
    set(titleKey, title);
    SetBoolSetting(set, emptyKey, title.empty());
}

}  // namespace

void BookingListSettingsValues::Load(const SettingGetter& get) {
    const CDate today = CDate::Today();
    showHeader = GetBoolSetting(get, "ReportsBookingListShowHeader", true);
    title = TitleSetting(get, "ReportsBookingListTitle", "ReportsBookingListTitleEmpty", kStrBookingListTitle);
    fixedRange = GetBoolSetting(get, "ReportsBookingListDateRangeFixed", false);
    rangeStart = GetDateSetting(get, "ReportsBookingListDateRangeFixedStart", today);
    rangeEnd = GetDateSetting(get, "ReportsBookingListDateRangeFixedEnd", today);
    dateFormat = GetIntSetting(get, "ReportsBookingListDateFormat", 2);
    dateAlignment = GetIntSetting(get, "ReportsBookingListDateAlignment", 1);
    showFooter = GetBoolSetting(get, "ReportsBookingListShowFooter", true);
    footerNotice = GetStringSetting(get, "ReportsBookingListFooterNotice", "");
    groupByResources = GetBoolSetting(get, "ReportsBookingListGroupByResources", true);
    showNotes = GetBoolSetting(get, "ReportsBookingListDateShowNotes", false);
    showDuration = GetBoolSetting(get, "ReportsBookingListDateShowDuration", true);
    showDurationTotal = GetBoolSetting(get, "ReportsBookingListDateShowDurationTotal", true);
}

void BookingListSettingsValues::Store(const SettingSetter& set) const {
    SetBoolSetting(set, "ReportsBookingListShowHeader", showHeader);
    StoreTitle(set, "ReportsBookingListTitle", "ReportsBookingListTitleEmpty", title);
    SetBoolSetting(set, "ReportsBookingListDateRangeFixed", fixedRange);
    SetDateSetting(set, "ReportsBookingListDateRangeFixedStart", rangeStart);
    SetDateSetting(set, "ReportsBookingListDateRangeFixedEnd", rangeEnd);
    SetIntSetting(set, "ReportsBookingListDateFormat", dateFormat);
    SetIntSetting(set, "ReportsBookingListDateAlignment", dateAlignment);
    SetBoolSetting(set, "ReportsBookingListShowFooter", showFooter);
    set("ReportsBookingListFooterNotice", footerNotice);
    SetBoolSetting(set, "ReportsBookingListGroupByResources", groupByResources);
    SetBoolSetting(set, "ReportsBookingListDateShowNotes", showNotes);
    SetBoolSetting(set, "ReportsBookingListDateShowDuration", showDuration);
    SetBoolSetting(set, "ReportsBookingListDateShowDurationTotal", showDurationTotal);
}

void CalendarSettingsValues::Load(const SettingGetter& get) {
    const CDate today = CDate::Today();
    showHeader = GetBoolSetting(get, "ReportsCalendarShowHeader", true);
    title = TitleSetting(get, "ReportsCalendarTitle", "ReportsCalendarTitleEmpty", kStrCalendarTitle);
    fixedRange = GetBoolSetting(get, "ReportsCalendarDateRangeFixed", false);
    rangeStart = GetDateSetting(get, "ReportsCalendarDateRangeFixedStart", today);
    rangeEnd = GetDateSetting(get, "ReportsCalendarDateRangeFixedEnd", today);
    showFooter = GetBoolSetting(get, "ReportsCalendarShowFooter", true);
    footerNotice = GetStringSetting(get, "ReportsCalendarFooterNotice", "");
    showAdditionalBookings = GetBoolSetting(get, "ReportsCalendarShowAdditionalBookings", true);
    additionalAfterEveryPage = GetBoolSetting(get, "ReportsCalendarShowAdditionalBookingsAfterEveryPage", true);
    groupBookingsByDay = GetBoolSetting(get, "ReportsCalendarGroupBookingsByDay", false);
    weeksMax = std::max(1, GetIntSetting(get, "ReportsCalendarWeeksMax", 20));
    weeks = std::clamp(GetIntSetting(get, "ReportsCalendarWeeks", 4), 1, weeksMax);
}

void CalendarSettingsValues::Store(const SettingSetter& set) const {
    SetBoolSetting(set, "ReportsCalendarShowHeader", showHeader);
    StoreTitle(set, "ReportsCalendarTitle", "ReportsCalendarTitleEmpty", title);
    SetBoolSetting(set, "ReportsCalendarDateRangeFixed", fixedRange);
    SetDateSetting(set, "ReportsCalendarDateRangeFixedStart", rangeStart);
    SetDateSetting(set, "ReportsCalendarDateRangeFixedEnd", rangeEnd);
    SetBoolSetting(set, "ReportsCalendarShowFooter", showFooter);
    set("ReportsCalendarFooterNotice", footerNotice);
    SetBoolSetting(set, "ReportsCalendarShowAdditionalBookings", showAdditionalBookings);
    SetBoolSetting(set, "ReportsCalendarShowAdditionalBookingsAfterEveryPage", additionalAfterEveryPage);
    SetBoolSetting(set, "ReportsCalendarGroupBookingsByDay", groupBookingsByDay);
    SetIntSetting(set, "ReportsCalendarWeeks", weeks);
}

namespace {

constexpr double kInchesPerCentimetre = 0.39370078740157477;
constexpr double kCentimetresPerInch = 2.54;

}  // namespace

double LabelWidthShown(int stored, bool metric) {
    const double centimetres = stored / 100.0;
    return metric ? centimetres : centimetres * kInchesPerCentimetre;
}

int LabelWidthStored(double shown, bool metric) {
    const double centimetres = metric ? shown : shown * kCentimetresPerInch;
    return static_cast<int>(std::lround(std::clamp(centimetres * 100.0, 0.0, double{kMaxPrintedWidthSetting})));
}

void ScheduleReportSettingsValues::Load(const SettingGetter& get, bool metricLocale) {
    const CDate today = CDate::Today();
    metric = metricLocale;
    dayOrCoarser = GetIntSetting(get, "ViewScheduleBaseUnit", 4) > 3;
    pagesMax = std::clamp(GetIntSetting(get, "ReportsSchedulePageMax", 100), 1, 1000);
    pages = std::clamp(GetIntSetting(get, "ReportsSchedulePages", 1), 1, pagesMax);
    labelWidth = LabelWidthShown(GetIntSetting(get, "ReportsSchedulePrinterWidthLabelColumn", 500), metric);
    showHeader = GetBoolSetting(get, "ReportsScheduleShowHeader", true);
    title = TitleSetting(get, "ReportsScheduleTitle", "ReportsScheduleTitleEmpty", kStrScheduleTitle);
    showFooter = GetBoolSetting(get, "ReportsScheduleShowFooter", true);
    footerNotice = GetStringSetting(get, "ReportsScheduleFooterNotice", "");
    fixedRange = GetBoolSetting(get, "ReportsScheduleDateRangeFixed", false);
    rangeStart = GetDateSetting(get, "ReportsScheduleDateRangeFixedStartDate", today);
    rangeEnd = GetDateSetting(get, "ReportsScheduleDateRangeFixedEndDate", today);
    startTime = std::clamp(GetIntSetting(get, "ReportsScheduleTimeRangeFixedStartTime", 0), 0, 1439);
    endTime = std::clamp(GetIntSetting(get, "ReportsScheduleTimeRangeFixedEndTime", 0), 0, 1439);
    // The stored end is the moment after the last day; the dialog shows
    // that day, so that saving again does not move the end on.
    if (dayOrCoarser && endTime == 0 && rangeStart < rangeEnd) rangeEnd = AddDays(rangeEnd, -1);
}

bool ScheduleReportSettingsValues::RangeValid() const {
    if (!fixedRange) return true;
    if (dayOrCoarser) return !(rangeEnd < rangeStart);
    return CDateTime(rangeStart, CTimeOfDay(startTime)) < CDateTime(rangeEnd, CTimeOfDay(endTime));
}

void ScheduleReportSettingsValues::Store(const SettingSetter& set) const {
    SetBoolSetting(set, "ReportsScheduleShowHeader", showHeader);
    StoreTitle(set, "ReportsScheduleTitle", "ReportsScheduleTitleEmpty", title);
    SetBoolSetting(set, "ReportsScheduleShowFooter", showFooter);
    set("ReportsScheduleFooterNotice", footerNotice);
    CDate end = rangeEnd;
    int endMinutes = endTime;
    int startMinutes = startTime;
    if (dayOrCoarser) {
        end = AddDays(rangeEnd, 1);
        endMinutes = 0;
    }
    SetBoolSetting(set, "ReportsScheduleDateRangeFixed", fixedRange);
    SetDateSetting(set, "ReportsScheduleDateRangeFixedStartDate", rangeStart);
    SetDateSetting(set, "ReportsScheduleDateRangeFixedEndDate", end);
    SetIntSetting(set, "ReportsScheduleTimeRangeFixedStartTime", startMinutes);
    SetIntSetting(set, "ReportsScheduleTimeRangeFixedEndTime", endMinutes);
    SetIntSetting(set, "ReportsSchedulePages", std::clamp(pages, 1, pagesMax));
    SetIntSetting(set, "ReportsSchedulePrinterWidthLabelColumn", LabelWidthStored(labelWidth, metric));
}
