#pragma once

#include <cstdint>
#include <string_view>
#include <utility>

#include "plan_records.h"

// The name order of every sorted list: the locale's order without regard
// to case. -1, 0 or 1.
int CompareNames(std::string_view a, std::string_view b);

// x before y for pairs of two record pointers, one of which may be null:
// by the first record's name when it is set, else the second's; of equal
// names the pair without a first record comes first.
template <class First, class Second>
bool CompareGroupItemPairsByName(const std::pair<First*, Second*>& x,
                                 const std::pair<First*, Second*>& y) {
    const auto displayName = [](const std::pair<First*, Second*>& p) -> std::string_view {
        if (p.first != nullptr) return p.first->name;
        if (p.second != nullptr) return p.second->name;
        return {};
    };
    const int order = CompareNames(displayName(x), displayName(y));
    if (order != 0) return order < 0;
    return x.first == nullptr && y.first != nullptr;
}

// What the tree order needs of a (group, item) row.
struct TreeOrderKey {
    bool isGroupRow = false;
    bool hasGroup = false;       // an item that belongs to a group
    std::int32_t ownIndex = -1;  // the item's order index, or the group's for a group row
    std::int32_t groupIndex = -1;  // the order index of the item's group
    std::int32_t groupId = 0;    // the row's group, or the item's group
    std::int32_t itemId = 0;
};

// Groups and ungrouped items by order index, each group's items right after
// it by theirs. Repeated indexes (new records have -1) are broken by id so
// that this stays a strict weak order: at one index ungrouped items come
// before groups, groups keep their items together.
bool TreeOrderLess(const TreeOrderKey& x, const TreeOrderKey& y);

template <class Group, class Item>
TreeOrderKey MakeTreeOrderKey(const Group* group, const Item* item) {
    TreeOrderKey key;
    if (item == nullptr) {
        key.isGroupRow = true;
        if (group != nullptr) {
            key.ownIndex = group->orderIndex;
            key.groupId = group->id;
        }
        return key;
    }
    key.ownIndex = item->orderIndex;
    key.itemId = item->id;
    if (item->group != nullptr) {
        key.hasGroup = true;
        key.groupIndex = item->group->orderIndex;
        key.groupId = item->group->id;
    }
    return key;
}

using TaskTreePair = std::pair<CTaskGroup*, CTask*>;
using ResourceTreePair = std::pair<CResourceGroup*, CResource*>;

bool CompareTaskTreeOrder(const TaskTreePair& x, const TaskTreePair& y);
bool CompareResourceTreeOrder(const ResourceTreePair& x, const ResourceTreePair& y);
