#include "reports/report_item_lists.h"

#include <algorithm>

#include "schedule_rows.h"

namespace {

template <class Record, class Collection>
std::vector<Record*> AllOf(Collection* collection) {
    std::vector<Record*> records;
    if (collection == nullptr) return records;
    records.resize(static_cast<std::size_t>(std::max(0, collection->GetCount())));
    records.resize(static_cast<std::size_t>(std::max(0, collection->GetAll(records.data()))));
    return records;
}

// The row builder orders groups and items; members then carry their group.
template <class Group, class Item>
int ToItemRows(const std::vector<std::pair<Group*, Item*>>& pairs, std::vector<ReportItemRow>& rows) {
    rows.reserve(pairs.size());
    for (const auto& [group, item] : pairs)
        rows.push_back(ReportItemRow{group != nullptr ? group : item->group, item});
    return static_cast<int>(rows.size());
}

}  // namespace

int BuildResourceItemList(CPlanData* plan, std::vector<ReportItemRow>& rows) {
    rows.clear();
    if (plan == nullptr) return 0;
    std::vector<ResourceTreePair> pairs;
    BuildResourceRowList(AllOf<CResourceGroup>(plan->resourceGroups), AllOf<CResource>(plan->resources), pairs);
    return ToItemRows(pairs, rows);
}

int BuildTaskItemList(CPlanData* plan, std::vector<ReportItemRow>& rows) {
    rows.clear();
    if (plan == nullptr) return 0;
    std::vector<TaskTreePair> pairs;
    BuildTaskRowList(AllOf<CTaskGroup>(plan->taskGroups), AllOf<CTask>(plan->tasks), pairs);
    return ToItemRows(pairs, rows);
}
