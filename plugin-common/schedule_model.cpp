#include "schedule_model.h"

#include <algorithm>


namespace {

constexpr int kCellMinutes[4] = {1, 5, 15, 60};
constexpr int kMinutesPerDay = CTimeOfDay::kMinutesPerDay;
constexpr const char* kWeekdayColorKeys[7] = {
    "ViewBkColorMonday", "ViewBkColorTuesday", "ViewBkColorWednesday", "ViewBkColorThursday",
    "ViewBkColorFriday", "ViewBkColorSaturday", "ViewBkColorSunday"};

CDate FirstOfMonth(const CDate& date) { return CDate(1, date.GetMonth(), date.GetYear()); }

}  // namespace

CScheduleModel::CScheduleModel(PlanContext context) : context_(std::move(context)) { SetDefaults(); }

CScheduleModel::~CScheduleModel() = default;

void CScheduleModel::SetDefaults() {
    resourceMode = true;
    columnWidth = 20;
    baseUnit = 4;
    GetDefaultUnitsOnScreen(unitsOnScreen);
    hideNonWorkingTime = false;
    nonWorkingColor = 0xD4D4D4;
    GetDefaultTimeBarFormats(majorLabelCodes, minorLabelCodes);
    durationStyle = 4;
    weekdayColors.fill(0xFFFFFF);
    majorGridColor = 0;
    minorGridColor = 0x808080;
    horzGridColor = 0;
    notesOnBookings = false;
    groupRows = true;
    minimumBarWidth = 0;
    markToday = true;
    todayColor = 0x80C0FF;
    dayStart_ = 0;
    dayEnd_ = kMinutesPerDay;
    firstDay_ = lastDay_ = CDate::Today();
}

void CScheduleModel::LoadSettings() {
    const SettingGetter& get = context_.settings;
    if (!get) return;
    baseUnit = GetIntSetting(get, "ViewScheduleBaseUnit", baseUnit);
    if (baseUnit < 0 || baseUnit > 7) baseUnit = 4;
    LoadUnitsOnScreen(get, unitsOnScreen);
    LoadTimeBarFormats(get, majorLabelCodes, minorLabelCodes);
    hideNonWorkingTime = GetBoolSetting(get, "ViewScheduleNonWorkingTimeHide", hideNonWorkingTime);
    nonWorkingColor = GetColorSetting(get, "ViewScheduleNonWorkingTimeColor", nonWorkingColor);
    durationStyle = GetIntSetting(get, "ViewFormatDuration", durationStyle);
    for (int i = 0; i < 7; ++i) weekdayColors[i] = GetColorSetting(get, kWeekdayColorKeys[i], weekdayColors[i]);
    majorGridColor = GetColorSetting(get, "ViewScheduleColorMajorGrid", majorGridColor);
    minorGridColor = GetColorSetting(get, "ViewScheduleColorMinorGrid", minorGridColor);
    horzGridColor = GetColorSetting(get, "ViewScheduleColorHorzGrid", horzGridColor);
    notesOnBookings = GetBoolSetting(get, "ViewShowNotesOnBookings", notesOnBookings);
    groupRows = GetBoolSetting(get, "ViewScheduleGroup", groupRows);
}

bool CScheduleModel::IsShownWeekday(const CDate& date) const {
    return date.IsValid() && shownWeekdays_[static_cast<std::size_t>(date.GetDayOfWeek() - 1)];
}

bool CScheduleModel::MoveToShownDay(CDate& date, bool forward) const {
    for (int i = 0; i < 7; ++i) {
        if (IsShownWeekday(date)) return true;
        date = AddDays(date, forward ? 1 : -1);
    }
    return false;
}

void CScheduleModel::BuildDayTable() {
    if (baseUnit < 0 || baseUnit > 7) baseUnit = 4;
    if (baseUnit >= 5) hideNonWorkingTime = false;
    CPlanProperties* properties =
        context_.plan != nullptr ? context_.plan->properties : nullptr;
    workingTime_ = properties != nullptr ? WorkingTimeOf(*properties) : WorkingTime{};
    emptyAxis_ = properties == nullptr;
    for (int i = 0; i < 7; ++i)
        shownWeekdays_[i] = !hideNonWorkingTime || workingTime_.workingDays[i] != 0;

    cellMinutes_ = baseUnit < 4 ? kCellMinutes[baseUnit] : 1;
    dayStart_ = 0;
    dayEnd_ = kMinutesPerDay;
    if (hideNonWorkingTime && baseUnit < 4) {
        const int start = std::clamp<int>(workingTime_.dayStart, 0, kMinutesPerDay);
        const int end = std::clamp(workingTime_.End(), 0, kMinutesPerDay);
        dayStart_ = start / cellMinutes_ * cellMinutes_;
        dayEnd_ = std::min(kMinutesPerDay, (end + cellMinutes_ - 1) / cellMinutes_ * cellMinutes_);
        // A working day without working time shows nothing.
        if (dayEnd_ - dayStart_ < cellMinutes_) emptyAxis_ = true;
    }

    firstDay_ = properties != nullptr ? CDate::FromJulianDay(properties->periodStart) : CDate::Today();
    lastDay_ = properties != nullptr ? CDate::FromJulianDay(properties->periodEnd) : firstDay_;
    if (!firstDay_.IsValid()) firstDay_ = CDate::Today();
    if (!lastDay_.IsValid() || lastDay_ < firstDay_) lastDay_ = firstDay_;
    switch (baseUnit) {
    case 5:
        firstDay_.MoveToWeekday(context_.FirstDayOfWeek() - 1, false);
        lastDay_.MoveToWeekday(context_.FirstDayOfWeek() - 1, true);
        break;
    case 6:
        firstDay_ = FirstOfMonth(firstDay_);
        lastDay_ = FirstOfMonth(lastDay_);
        lastDay_.AddMonths(1);
        break;
    case 7:
        firstDay_ = CDate(1, 1, firstDay_.GetYear());
        lastDay_ = CDate(1, 1, lastDay_.GetYear());
        lastDay_.AddYears(1);
        break;
    default:
        if (!MoveToShownDay(firstDay_, true) || !MoveToShownDay(lastDay_, false)) emptyAxis_ = true;
        break;
    }
    if (!firstDay_.IsValid() || !lastDay_.IsValid()) emptyAxis_ = true;

    majorUnit_ = MajorUnitOf(baseUnit);
    majorLabelCode_ = majorLabelCodes[static_cast<std::size_t>(majorUnit_)];
    minorLabelCode_ = minorLabelCodes[static_cast<std::size_t>(baseUnit)];
    visibleMinutes_ = dayEnd_ - dayStart_;
    cellsPerDay_ = std::max(1, visibleMinutes_ / cellMinutes_);
    unitClass_ = baseUnit >= 4 ? 3 : 1;
    if (emptyAxis_) {
        dayCount_ = 0;
    } else if (hideNonWorkingTime) {
        WorkingTime shown = workingTime_;
        for (int i = 0; i < 7; ++i) shown.workingDays[i] = shownWeekdays_[i] ? 1 : 0;
        dayCount_ = CountWorkingDays(shown, firstDay_, lastDay_);
    } else {
        dayCount_ = lastDay_.GetJulianDay() - firstDay_.GetJulianDay() + 1;
    }
    if (dayCount_ <= 0) {
        dayCount_ = 0;
        emptyAxis_ = true;
    }
    ClearLayout();
}

CDate CScheduleModel::AddWorkingDays(const CDate& date, int n) const {
    if (!hideNonWorkingTime || n == 0) return AddDays(date, n);
    const int shown = static_cast<int>(std::count(shownWeekdays_.begin(), shownWeekdays_.end(), true));
    if (shown == 0 || !date.IsValid()) return date;
    // The k-th shown day after a date is the r-th one after it plus q whole
    // weeks, with k = q * shown + r and r in 1..shown.
    const int direction = n > 0 ? 1 : -1;
    const long long k = n > 0 ? static_cast<long long>(n) : -static_cast<long long>(n);
    const long long weeks = (k - 1) / shown;
    int rest = static_cast<int>(k - weeks * shown);
    CDate moved = date;
    while (rest > 0) {
        moved = AddDays(moved, direction);
        if (!moved.IsValid()) return moved;
        if (IsShownWeekday(moved)) --rest;
    }
    const long long days = std::clamp(weeks * 7, 0LL, static_cast<long long>(CDate::kLastDay));
    return AddDays(moved, static_cast<int>(direction * days));
}

CDateTime CScheduleModel::StepUnits(const CDateTime& dateTime, int n) const {
    CDateTime moved = dateTime;
    switch (baseUnit) {
    case 4:
        moved.date = AddWorkingDays(dateTime.date, n);
        break;
    case 5:
        moved.date = AddDays(dateTime.date, static_cast<int>(std::clamp(7LL * n, -1LL * CDate::kLastDay,
                                                                         1LL * CDate::kLastDay)));
        break;
    case 6:
        moved.date.AddMonths(n);
        break;
    case 7:
        moved.date.AddYears(n);
        break;
    default: {
        if (emptyAxis_) return dateTime;
        const int wholeDays = n / cellsPerDay_;
        const long long rest = static_cast<long long>(n % cellsPerDay_) * cellMinutes_;
        long long m = rest + dateTime.time.GetMinutes() - dayStart_;
        long long extraDays = m / visibleMinutes_;
        m %= visibleMinutes_;
        if (m < 0) {
            moved.time = CTimeOfDay(static_cast<int>(m + dayEnd_));
            --extraDays;
        } else {
            moved.time = CTimeOfDay(static_cast<int>(m + dayStart_));
        }
        moved.date = AddWorkingDays(dateTime.date, wholeDays + static_cast<int>(extraDays));
        break;
    }
    }
    return moved;
}

int CScheduleModel::CellsFromMinutes(int minutes, bool roundDown) const {
    if (cellMinutes_ <= 0) return 0;
    return roundDown ? minutes / cellMinutes_ : (minutes + cellMinutes_ - 1) / cellMinutes_;
}

int CScheduleModel::GetUnitCount() const {
    if (emptyAxis_) return 0;
    switch (baseUnit) {
    case 4:
        return dayCount_;
    case 5:
        return (lastDay_.GetJulianDay() - firstDay_.GetJulianDay()) / 7 + 1;
    case 6:
        return (lastDay_.GetYear() - firstDay_.GetYear()) * 12 + lastDay_.GetMonth() - firstDay_.GetMonth() + 1;
    case 7:
        return lastDay_.GetYear() - firstDay_.GetYear() + 1;
    default: {
        const long long count = static_cast<long long>(dayCount_) * cellsPerDay_;
        return static_cast<int>(std::min<long long>(count, INT32_MAX));
    }
    }
}

bool CScheduleModel::IsNonWorkingCell(const CDateTime& dateTime) const {
    if (baseUnit >= 5) return false;
    if (!workingTime_.IsWorkingDay(dateTime.date)) return true;
    if (baseUnit == 4) return false;
    const int t = dateTime.time.GetMinutes();
    return t + cellMinutes_ <= workingTime_.dayStart || t >= workingTime_.End();
}

bool CScheduleModel::IsNonWorkingTime(const CDateTime& dateTime, bool isEnd) const {
    if (!hideNonWorkingTime) return true;
    CDate date = dateTime.date;
    int time = dateTime.time.GetMinutes();
    if (isEnd && time == 0) {
        date = AddDays(date, -1);
        time = kMinutesPerDay;
    }
    return IsShownWeekday(date) && dayStart_ <= time && time <= dayEnd_;
}

CDateTime CScheduleModel::AdjustToWorkingDay(const CDateTime& dateTime, int unit, bool toWorkingDay,
                                             bool atMidnight) const {
    CDateTime adjusted = dateTime;
    if (toWorkingDay) {
        for (int i = 0; i < 7 && !workingTime_.IsWorkingDay(adjusted.date); ++i)
            adjusted.date = AddDays(adjusted.date, 1);
    }
    if (unit >= 4) adjusted.time = CTimeOfDay(atMidnight ? 0 : std::clamp<int>(workingTime_.dayStart, 0, 1439));
    return adjusted;
}

void CScheduleModel::SetResourceGroupCollapsed(const CResourceGroup* group, bool collapsed) {
    if (group == nullptr) return;
    if (collapsed) collapsedResourceGroups_.insert(group->id);
    else collapsedResourceGroups_.erase(group->id);
}

void CScheduleModel::SetTaskGroupCollapsed(const CTaskGroup* group, bool collapsed) {
    if (group == nullptr) return;
    if (collapsed) collapsedTaskGroups_.insert(group->id);
    else collapsedTaskGroups_.erase(group->id);
}

bool CScheduleModel::IsResourceGroupCollapsed(const CResourceGroup* group) const {
    return group != nullptr && collapsedResourceGroups_.count(group->id) != 0;
}

bool CScheduleModel::IsTaskGroupCollapsed(const CTaskGroup* group) const {
    return group != nullptr && collapsedTaskGroups_.count(group->id) != 0;
}

void CScheduleModel::ClearCollapsedGroups(bool forResources) {
    (forResources ? collapsedResourceGroups_ : collapsedTaskGroups_).clear();
}

namespace {

template <class Collection, class Record>
std::set<std::int32_t> IdsOf(Collection* collection) {
    std::set<std::int32_t> ids;
    if (collection == nullptr) return ids;
    std::vector<Record*> records(static_cast<std::size_t>(std::max(0, collection->GetCount())));
    records.resize(static_cast<std::size_t>(std::max(0, collection->GetAll(records.data()))));
    for (Record* record : records) ids.insert(record->id);
    return ids;
}

template <class Set>
void KeepOnly(Set& set, const Set& existing) {
    std::erase_if(set, [&](std::int32_t id) { return existing.count(id) == 0; });
}

std::string JoinIds(const std::set<std::int32_t>& ids) {
    std::string text;
    for (std::int32_t id : ids) {
        if (!text.empty()) text += ' ';
        text += std::to_string(id);
    }
    return text;
}

}  // namespace

void CScheduleModel::PruneCollapsedGroups() {
    CPlanData* plan = context_.plan;
    if (plan == nullptr) return;
    KeepOnly(collapsedResourceGroups_, IdsOf<CResourceGroupCollection, CResourceGroup>(plan->resourceGroups));
    KeepOnly(collapsedTaskGroups_, IdsOf<CTaskGroupCollection, CTaskGroup>(plan->taskGroups));
}

void CScheduleModel::FormatCollapsedGroups(std::string& resourceText, std::string& taskText) const {
    resourceText = JoinIds(collapsedResourceGroups_);
    taskText = JoinIds(collapsedTaskGroups_);
}

int CScheduleModel::GetRowLabel(int row, std::string& text, bool& isGroup, bool& indented) const {
    isGroup = indented = false;
    text.clear();
    if (row < 0 || row >= static_cast<int>(rows_.size())) return -1;
    const ScheduleRowItem& item = rows_[static_cast<std::size_t>(row)].item;
    if (item.resourceGroup != nullptr || item.taskGroup != nullptr) {
        isGroup = true;
        text = item.resourceGroup != nullptr ? item.resourceGroup->name : item.taskGroup->name;
        const bool collapsed = item.resourceGroup != nullptr ? IsResourceGroupCollapsed(item.resourceGroup)
                                                             : IsTaskGroupCollapsed(item.taskGroup);
        return collapsed ? 2 : 1;
    }
    const void* group = nullptr;
    if (item.resource != nullptr) {
        text = item.resource->name;
        group = item.resource->group;
    } else if (item.task != nullptr) {
        text = item.task->name;
        group = item.task->group;
    }
    indented = groupRows && group != nullptr && shownRecords_.count(group) != 0;
    return 0;
}

bool CScheduleModel::FindRange(const ScheduleRowItem& item) const {
    const void* record = item.resourceGroup != nullptr ? static_cast<const void*>(item.resourceGroup)
                         : item.resource != nullptr    ? static_cast<const void*>(item.resource)
                         : item.taskGroup != nullptr   ? static_cast<const void*>(item.taskGroup)
                                                       : static_cast<const void*>(item.task);
    return record != nullptr && shownRecords_.count(record) != 0;
}
