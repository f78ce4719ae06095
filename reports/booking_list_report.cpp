#include "reports/booking_list_report.h"

#include <algorithm>

#include "plat/checked_format.h"
#include "plat/resource_strings.h"
#include "reports/report_item_lists.h"
#include "reports/report_period.h"
#include "reports/report_strings.h"
#include "schedule_rows.h"
#include "string_ids.h"
#include "support/time_bar_labels.h"

namespace {

// 24:00 counts as 0:00 of the next day when measuring.
CDateTime MomentForDuration(std::int32_t day, std::int16_t minutes) {
    if (minutes >= CTimeOfDay::kMinutesPerDay) return CDateTime(CDate::FromJulianDay(day + 1));
    return CDateTime(CDate::FromJulianDay(day), CTimeOfDay(minutes));
}

}  // namespace

const char* BookingListGroup::Name() const {
    if (resource != nullptr) return resource->name;
    return task != nullptr ? task->name : "";
}

void CBookingListReport::ReadRange(const SettingGetter& get, CDate& first, CDate& last) {
    ReadReportPeriod(get, "ReportsBookingListDateRange", first, last);
}

std::string CBookingListReport::ReportTitle(const SettingGetter& get) {
    if (GetBoolSetting(get, "ReportsBookingListTitleEmpty", false)) return {};
    std::string title = GetStringSetting(get, "ReportsBookingListTitle", "");
    return title.empty() ? plat::LoadResString(kStrBookingListTitle) : title;
}

void CBookingListReport::ReadSettings(const SettingGetter& get) {
    groupByResources = GetBoolSetting(get, "ReportsBookingListGroupByResources", true);
    dateFormat = GetIntSetting(get, "ReportsBookingListDateFormat", 2);
    dateAlignmentRight = GetBoolSetting(get, "ReportsBookingListDateAlignment", true);
    showNotes = GetBoolSetting(get, "ReportsBookingListDateShowNotes", false);
    showDuration = GetBoolSetting(get, "ReportsBookingListDateShowDuration", true);
    showDurationTotal = showDuration && GetBoolSetting(get, "ReportsBookingListDateShowDurationTotal", true);
    durationRealTime = GetBoolSetting(get, "DurationRealTime", false);
    durationFormat = GetIntSetting(get, "ViewFormatDuration", 4);
}

int CBookingListReport::BuildModel(const PlanContext& context) {
    groups.clear();
    const SettingGetter& get = context.settings;
    ReadRange(get, rangeStart, rangeEnd);
    ReadSettings(get);
    subtitle = plat::FormatChecked(plat::LoadResString(ids::REPORT_BOOKING_LIST_SUBTITLE),
                                   {FormatTimeBarLabel(CDateTime(rangeStart), 3, false),
                                    FormatTimeBarLabel(CDateTime(rangeEnd), 3, false)});
    CPlanData* plan = context.plan;
    if (plan == nullptr) return 0;

    const WorkingTime wt = plan->properties != nullptr ? WorkingTimeOf(*plan->properties) : WorkingTime{};
    CFilter* filter = GetBoolSetting(get, "ViewFilterActive", false) ? context.publicFilter : nullptr;
    std::vector<ReportItemRow> rows;
    if (groupByResources)
        BuildResourceItemList(plan, rows);
    else
        BuildTaskItemList(plan, rows);
    std::vector<CBooking*> found, passed;
    for (const ReportItemRow& row : rows) {
        if (row.item == nullptr) continue;
        CResource* resource = groupByResources ? static_cast<CResource*>(row.item) : nullptr;
        CTask* task = groupByResources ? nullptr : static_cast<CTask*>(row.item);
        if (IsExcludedByFilter(ScheduleRowItem{nullptr, resource, nullptr, task}, filter)) continue;
        AddGroup(filter, wt, resource, task, found, passed);
    }
    return static_cast<int>(groups.size());
}

void CBookingListReport::AddGroup(CFilter* filter, const WorkingTime& wt, CResource* resource, CTask* task,
                                  std::vector<CBooking*>& found, std::vector<CBooking*>& passed) {
    const std::int32_t first = rangeStart.GetJulianDay();
    const std::int32_t end = AddDays(rangeEnd, 1).GetJulianDay();
    const int count = resource != nullptr ? resource->GetBookingCount(first, 0, end, 0)
                                          : task->GetBookingCount(first, 0, end, 0);
    found.resize(static_cast<std::size_t>(std::max(0, count)));
    const int got = resource != nullptr ? resource->GetBookings(found.data(), first, 0, end, 0)
                                        : task->GetBookings(found.data(), first, 0, end, 0);
    passed.clear();
    FilterObjects(found.data(), std::clamp(got, 0, count), passed, filter);

    BookingListGroup& group = groups.emplace_back();
    group.resource = resource;
    group.task = task;
    group.bookings.reserve(passed.size());
    const CDateTime from(rangeStart), to(AddDays(rangeEnd, 1));
    double total = 0;
    for (std::size_t i = 0; i < passed.size(); ++i) {
        // Bookings lie all over memory; asking for a few ahead hides the wait.
        if (i + 8 < passed.size()) __builtin_prefetch(passed[i + 8]);
        CBooking* booking = passed[i];
        CDateTime start = MomentForDuration(booking->startDay, booking->startMinutes);
        CDateTime stop = MomentForDuration(booking->endDay, booking->endMinutes);
        if (restrictDurations) {
            start = std::max(start, from);
            stop = std::min(stop, to);
        }
        const double minutes = BookingWorkingMinutes(wt, start, stop, kUnitMinutes, durationRealTime);
        total += minutes;
        group.bookings.push_back({booking, FormatDuration(wt, minutes, durationFormat, kUnitMinutes)});
    }
    group.total = FormatDuration(wt, total, durationFormat, kUnitMinutes);
}

const char* CBookingListReport::OtherName(const CBooking& booking) const {
    const CNamedRecord* other = groupByResources ? static_cast<const CNamedRecord*>(booking.task)
                                                 : static_cast<const CNamedRecord*>(booking.resource);
    return other != nullptr ? other->name : "";
}


std::string CBookingListReport::FormatStart(const CBooking& booking) const {
    return FormatTimeBarLabel(BookingMoment(booking.startDay, booking.startMinutes), dateFormat, false);
}

std::string CBookingListReport::FormatEnd(const CBooking& booking) const {
    return FormatTimeBarLabel(BookingMoment(booking.endDay, booking.endMinutes), dateFormat, true);
}

bool CBookingListReport::ShowsTotal(const BookingListGroup& group) const {
    return showDuration && showDurationTotal && group.bookings.size() >= 2;
}
