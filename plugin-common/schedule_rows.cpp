#include "schedule_rows.h"

#include <algorithm>
#include <unordered_set>

namespace {

template <class Group, class Item>
void BuildRowList(const std::vector<Group*>& groups, const std::vector<Item*>& items,
                  std::vector<std::pair<Group*, Item*>>& pairs) {
    pairs.clear();
    pairs.reserve(groups.size() + items.size());
    const std::unordered_set<const Group*> listed(groups.begin(), groups.end());
    for (Group* group : groups)
        if (group != nullptr) pairs.emplace_back(group, nullptr);
    for (Item* item : items)
        if (item != nullptr && (item->group == nullptr || listed.count(item->group) != 0))
            pairs.emplace_back(nullptr, item);
    // The tree order's key puts a group's members right after the group.
    std::stable_sort(pairs.begin(), pairs.end(), [](const auto& x, const auto& y) {
        return TreeOrderLess(MakeTreeOrderKey(x.first, x.second), MakeTreeOrderKey(y.first, y.second));
    });
}

}  // namespace

void BuildResourceRowList(const std::vector<CResourceGroup*>& groups,
                          const std::vector<CResource*>& resources,
                          std::vector<ResourceTreePair>& pairs) {
    BuildRowList(groups, resources, pairs);
}

void BuildTaskRowList(const std::vector<CTaskGroup*>& groups, const std::vector<CTask*>& tasks,
                      std::vector<TaskTreePair>& pairs) {
    BuildRowList(groups, tasks, pairs);
}

bool IsExcludedByFilter(const ScheduleRowItem& row, CFilter* filter) {
    if (filter == nullptr) return false;
    if (row.resourceGroup != nullptr && filter->IsResourceGroupExcluded(row.resourceGroup)) return true;
    if (row.resource != nullptr && filter->IsResourceExcluded(row.resource)) return true;
    if (row.taskGroup != nullptr && filter->IsTaskGroupExcluded(row.taskGroup)) return true;
    return row.task != nullptr && filter->IsTaskExcluded(row.task);
}

int FilterObjects(CBooking* const* bookings, int count, std::vector<CBooking*>& list, CFilter* filter) {
    if (bookings == nullptr || count <= 0) return static_cast<int>(list.size());
    const std::size_t before = list.size();
    if (filter == nullptr) {
        list.insert(list.end(), bookings, bookings + count);
    } else {
        list.resize(before + static_cast<std::size_t>(count));
        const int passed = filter->FilterBookings(const_cast<CBooking**>(bookings), count, list.data() + before);
        list.resize(before + static_cast<std::size_t>(std::clamp(passed, 0, count)));
    }
    return static_cast<int>(list.size());
}
