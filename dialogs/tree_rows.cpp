#include "tree_rows.h"

#include <algorithm>

namespace {

template <class Group, class Item, class Groups, class Items, class Less>
std::vector<std::pair<Group*, Item*>> Rows(Groups* groups, Items* items, Less less) {
    std::vector<std::pair<Group*, Item*>> rows;
    if (groups == nullptr || items == nullptr) return rows;
    std::vector<Group*> allGroups(static_cast<std::size_t>(std::max(groups->GetCount(), 0)));
    allGroups.resize(static_cast<std::size_t>(std::clamp(groups->GetAll(allGroups.data()), 0, int32_t(allGroups.size()))));
    std::vector<Item*> allItems(static_cast<std::size_t>(std::max(items->GetCount(), 0)));
    allItems.resize(static_cast<std::size_t>(std::clamp(items->GetAll(allItems.data()), 0, int32_t(allItems.size()))));
    for (Group* group : allGroups) rows.emplace_back(group, nullptr);
    for (Item* item : allItems) rows.emplace_back(item->group, item);
    std::stable_sort(rows.begin(), rows.end(), less);
    return rows;
}

}  // namespace

std::vector<ResourceTreePair> ResourceTreeRows(CPlanData* data) {
    if (data == nullptr) return {};
    return Rows<CResourceGroup, CResource>(data->resourceGroups, data->resources, CompareResourceTreeOrder);
}

std::vector<TaskTreePair> TaskTreeRows(CPlanData* data) {
    if (data == nullptr) return {};
    return Rows<CTaskGroup, CTask>(data->taskGroups, data->tasks, CompareTaskTreeOrder);
}
