#include "item_list_logic.h"

namespace {

const ListEntry* At(const std::vector<ListEntry>& entries, int index) {
    return index >= 0 && index < static_cast<int>(entries.size()) ? &entries[static_cast<std::size_t>(index)]
                                                                   : nullptr;
}

ListMove Item(const ListEntry& entry, std::int32_t index, CNamedRecord* group) {
    return {ListMove::Kind::Item, entry.item, index, group};
}

ListMove Group(const ListEntry& entry, std::int32_t index) {
    return {ListMove::Kind::Group, entry.group, index, nullptr};
}

int TopLevelAtOrAbove(const std::vector<ListEntry>& entries, int from) {
    for (int i = from; i >= 0; --i)
        if (entries[static_cast<std::size_t>(i)].IsTopLevel()) return i;
    return -1;
}

int TopLevelAtOrBelow(const std::vector<ListEntry>& entries, int from) {
    for (int i = from; i < static_cast<int>(entries.size()); ++i)
        if (entries[static_cast<std::size_t>(i)].IsTopLevel()) return i;
    return -1;
}

ListMove GroupTo(const std::vector<ListEntry>& entries, const ListEntry& moved, int found) {
    if (found < 0) return {};
    return Group(moved, entries[static_cast<std::size_t>(found)].Position());
}

}  // namespace

ListMove MoveUp(const std::vector<ListEntry>& entries, int selected) {
    const ListEntry* entry = At(entries, selected);
    const ListEntry* above = At(entries, selected - 1);
    if (entry == nullptr || above == nullptr) return {};
    if (entry->IsGroup()) return GroupTo(entries, *entry, TopLevelAtOrAbove(entries, selected - 1));
    if (entry->group != nullptr) {
        if (above->IsGroup()) return Item(*entry, above->group->orderIndex, nullptr);
        return Item(*entry, above->item->orderIndex, entry->group);
    }
    if (above->IsGroup()) return Item(*entry, 0, above->group);
    if (above->group != nullptr) return Item(*entry, above->item->orderIndex + 1, above->group);
    return Item(*entry, above->item->orderIndex, nullptr);
}

ListMove MoveDown(const std::vector<ListEntry>& entries, int selected) {
    const ListEntry* entry = At(entries, selected);
    if (entry == nullptr) return {};
    const ListEntry* below = At(entries, selected + 1);
    if (entry->IsGroup()) return GroupTo(entries, *entry, TopLevelAtOrBelow(entries, selected + 1));
    if (entry->group != nullptr) {
        if (below == nullptr || below->IsTopLevel()) return Item(*entry, entry->group->orderIndex + 1, nullptr);
        return Item(*entry, below->item->orderIndex, entry->group);
    }
    if (below == nullptr) return {};
    if (below->IsGroup()) return Item(*entry, 0, below->group);
    return Item(*entry, below->item->orderIndex, nullptr);
}

ListMove MoveIntoGroupAbove(const std::vector<ListEntry>& entries, int selected) {
    const ListEntry* entry = At(entries, selected);
    const ListEntry* above = At(entries, selected - 1);
    if (entry == nullptr || above == nullptr || entry->IsGroup() || entry->group != nullptr) return {};
    if (above->IsGroup()) return Item(*entry, 0, above->group);
    if (above->group != nullptr) return Item(*entry, above->item->orderIndex + 1, above->group);
    return {};
}

ListMove MoveOutOfGroup(const std::vector<ListEntry>& entries, int selected) {
    const ListEntry* entry = At(entries, selected);
    if (entry == nullptr || entry->IsGroup() || entry->group == nullptr) return {};
    return Item(*entry, entry->group->orderIndex + 1, nullptr);
}

ListMove Drop(const std::vector<ListEntry>& entries, int source, int target) {
    const ListEntry* moved = At(entries, source);
    const ListEntry* onto = At(entries, target);
    if (moved == nullptr || onto == nullptr || source == target) return {};
    const ListEntry* above = At(entries, target - 1);
    if (source < target) {
        if (moved->IsGroup()) return GroupTo(entries, *moved, TopLevelAtOrAbove(entries, target - 1));
        if (above->IsGroup()) return Item(*moved, 0, above->group);
        const bool sameGroup = above->group == moved->group;
        return Item(*moved, above->item->orderIndex + (sameGroup ? 0 : 1), above->group);
    }
    if (moved->IsGroup()) return GroupTo(entries, *moved, TopLevelAtOrBelow(entries, target));
    if (above == nullptr || above->group == nullptr) return Item(*moved, onto->Position(), nullptr);
    if (!onto->IsTopLevel()) return Item(*moved, onto->item->orderIndex, onto->group);
    if (!above->IsGroup()) return Item(*moved, above->item->orderIndex + 1, above->group);
    return Item(*moved, 0, above->group);
}

AddPlace AddPlaceOf(const std::vector<ListEntry>& entries, int selected) {
    const ListEntry* entry = At(entries, selected);
    if (entry == nullptr) return {};
    if (entry->IsGroup()) {
        const std::int32_t next = entry->group->orderIndex + 1;
        return {entry->group, next, 0, next};
    }
    if (entry->group != nullptr) {
        const std::int32_t next = entry->group->orderIndex + 1;
        return {entry->group, next, entry->item->orderIndex + 1, next};
    }
    const std::int32_t next = entry->item->orderIndex + 1;
    return {nullptr, next, -1, next};
}

ListButtons ListButtonStates(const std::vector<ListEntry>& entries, int selected, bool readOnly) {
    ListButtons b;
    const ListEntry* entry = At(entries, selected);
    const ListEntry* above = At(entries, selected - 1);
    const bool rw = !readOnly;
    b.add = rw;
    b.edit = entry != nullptr;
    b.remove = rw && entry != nullptr;
    b.sort = rw && entries.size() >= 2;
    b.up = rw && entry != nullptr && selected > 0;
    if (entry == nullptr || !rw) return b;
    b.intoGroup = !entry->IsGroup() && entry->group == nullptr && above != nullptr && above->group != nullptr;
    b.outOfGroup = !entry->IsGroup() && entry->group != nullptr;
    if (entry->IsGroup()) b.down = TopLevelAtOrBelow(entries, selected + 1) >= 0;
    else b.down = selected + 1 < static_cast<int>(entries.size()) || entry->group != nullptr;
    return b;
}
