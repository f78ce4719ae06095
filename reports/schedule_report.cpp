#include "reports/schedule_report.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "date_setting.h"
#include "plat/resource_strings.h"
#include "reports/report_strings.h"
#include "support/setting_ranges.h"

namespace {

// The ids listed in the setting that name a group of the collection.
template <class Group, class Collection, class Mark>
void MarkListedGroups(const SettingGetter& get, std::string_view key, Collection* collection, Mark mark) {
    std::vector<std::string> ids;
    if (collection == nullptr || GetListSetting(get, key, ids, " ") == 0) return;
    std::vector<Group*> groups(static_cast<std::size_t>(std::max(0, collection->GetCount())));
    groups.resize(static_cast<std::size_t>(
        std::clamp(collection->GetAll(groups.data()), 0, static_cast<int>(groups.size()))));
    std::unordered_map<std::int32_t, Group*> byId;
    for (Group* group : groups)
        if (group != nullptr) byId.emplace(group->id, group);
    for (const std::string& text : ids) {
        const auto found = byId.find(ParseInt(text, 0));
        if (found != byId.end()) mark(found->second);
    }
}

}  // namespace

CScheduleReport::CScheduleReport(PlanContext context) : CScheduleModel(std::move(context)) {
    firstDate = lastDate = CDate::Today();
    markToday = false;
    LoadParameters();
}

void CScheduleReport::LoadParameters() {
    const SettingGetter& get = Context().settings;
    if (!get) return;
    CScheduleLabelSettings::LoadSettings(get);
    CScheduleModel::LoadSettings();
    CScheduleTimeBarSettings::LoadSettings(get);

    if (GetBoolSetting(get, "ReportsScheduleDateRangeFixed", false)) {
        firstDate = GetDateSetting(get, "ReportsScheduleDateRangeFixedStartDate", firstDate);
        lastDate = GetDateSetting(get, "ReportsScheduleDateRangeFixedEndDate", lastDate);
        firstTime = GetIntSetting(get, "ReportsScheduleTimeRangeFixedStartTime", firstTime.GetMinutes());
        lastTime = GetIntSetting(get, "ReportsScheduleTimeRangeFixedEndTime", lastTime.GetMinutes());
    } else {
        firstDate = GetDateSetting(get, "ViewVisibleDateFirst", firstDate);
        firstTime = GetIntSetting(get, "ViewVisibleTimeFirst", firstTime.GetMinutes());
        lastDate = GetDateSetting(get, "ViewVisibleDateLast", lastDate);
        lastTime = GetIntSetting(get, "ViewVisibleTimeLast", lastTime.GetMinutes());
    }
    const int pageMax = std::clamp(GetIntSetting(get, "ReportsSchedulePageMax", 100), 1, kMaxPagesAcross);
    pagesAcross = std::clamp(GetIntSetting(get, "ReportsSchedulePages", 1), 1, pageMax);
    labelColumnWidth = GetIntSettingIn(get, "ReportsSchedulePrinterWidthLabelColumn", 400, 0, kMaxPrintedWidthSetting);
    resourceMode = GetIntSetting(get, "ViewActive", 0) != 1;
    LoadCollapsedGroups();
}

void CScheduleReport::LoadCollapsedGroups() {
    const PlanContext& context = Context();
    if (context.plan == nullptr) return;
    MarkListedGroups<CResourceGroup>(context.settings, "ViewGroupsCollapsedResources", context.plan->resourceGroups,
                                     [this](CResourceGroup* group) { SetResourceGroupCollapsed(group, true); });
    MarkListedGroups<CTaskGroup>(context.settings, "ViewGroupsCollapsedTasks", context.plan->taskGroups,
                                 [this](CTaskGroup* group) { SetTaskGroupCollapsed(group, true); });
}

std::string CScheduleReport::GetTitle(const SettingGetter& get) {
    if (GetBoolSetting(get, "ReportsScheduleTitleEmpty", false)) return {};
    std::string title = GetStringSetting(get, "ReportsScheduleTitle", "");
    return title.empty() ? plat::LoadResString(kStrScheduleTitle) : title;
}

int CScheduleReport::CountColumns() const {
    if (IsEmptyAxis()) return 0;
    const CDateTime end = PeriodEnd();
    CDateTime position = PeriodStart();
    int count = 0;
    while (position < end && count < kMaxColumns) {
        const CDateTime next = StepUnits(position, 1);
        if (!(position < next)) return 0;
        position = next;
        ++count;
    }
    return count;
}

std::string CScheduleReport::HeaderText() const {
    return plat::LoadResString(resourceMode ? kStrScheduleHeaderResources : kStrScheduleHeaderTasks);
}

const char* CScheduleReport::BarName(const CBooking& booking) const {
    if (resourceMode) return booking.task != nullptr ? booking.task->name : "";
    return booking.resource != nullptr ? booking.resource->name : "";
}
