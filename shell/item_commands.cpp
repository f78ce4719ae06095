#include "item_commands.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "plat/resource_strings.h"
#include "string_ids.h"
#include "support/comparators.h"

namespace {

struct KindIds {
    unsigned addItem, editItem, deleteItem, moveItem;
    unsigned addGroup, editGroup, moveGroup, deleteGroup, sort;
    unsigned confirmItem, confirmGroup;
};

constexpr KindIds kResourceIds{ids::UNDO_ADD_RESOURCE,         ids::UNDO_EDIT_RESOURCE,
                               ids::UNDO_DELETE_RESOURCE,      ids::UNDO_MOVE_RESOURCE,
                               ids::UNDO_ADD_RESOURCE_GROUP,   ids::UNDO_EDIT_RESOURCE_GROUP,
                               ids::UNDO_MOVE_RESOURCE_GROUP,  ids::UNDO_DELETE_RESOURCE_GROUP,
                               ids::UNDO_SORT_RESOURCES,       ids::CONFIRM_DELETE_RESOURCE,
                               ids::CONFIRM_DELETE_RESOURCE_GROUP};
constexpr KindIds kTaskIds{ids::UNDO_ADD_TASK,        ids::UNDO_EDIT_TASK,        ids::UNDO_DELETE_TASK,
                           ids::UNDO_MOVE_TASK,       ids::UNDO_ADD_TASK_GROUP,   ids::UNDO_EDIT_TASK_GROUP,
                           ids::UNDO_MOVE_TASK_GROUP, ids::UNDO_DELETE_TASK_GROUP, ids::UNDO_SORT_TASKS,
                           ids::CONFIRM_DELETE_TASK,  ids::CONFIRM_DELETE_TASK_GROUP};

// What differs between the two instances.
template <class Kind>
struct Traits;

template <>
struct Traits<ResourceKind> {
    static constexpr const KindIds& ids = kResourceIds;
    static CResourceGroupCollection* Groups(CPlanData* d) { return d->resourceGroups; }
    static CResourceCollection* Items(CPlanData* d) { return d->resources; }
    static bool RunItem(IItemDialogs& dialogs, ResourceFields& f) { return dialogs.RunResourceDialog(f); }
    static bool RunGroup(IItemDialogs& dialogs, GroupFields<CResourceGroup>& f) {
        return dialogs.RunResourceGroupDialog(f);
    }
    static void CopyOwn(CResource&, const ResourceFields&) {}
    static void LoadOwn(const CResource&, ResourceFields&) {}
};

template <>
struct Traits<TaskKind> {
    static constexpr const KindIds& ids = kTaskIds;
    static CTaskGroupCollection* Groups(CPlanData* d) { return d->taskGroups; }
    static CTaskCollection* Items(CPlanData* d) { return d->tasks; }
    static bool RunItem(IItemDialogs& dialogs, TaskFields& f) { return dialogs.RunTaskDialog(f); }
    static bool RunGroup(IItemDialogs& dialogs, GroupFields<CTaskGroup>& f) { return dialogs.RunTaskGroupDialog(f); }
    static void CopyOwn(CTask& task, const TaskFields& f) {
        task.color1 = f.color1;
        task.color2 = f.color2;
    }
    static void LoadOwn(const CTask& task, TaskFields& f) {
        f.color1 = task.color1;
        f.color2 = task.color2;
    }
};

bool InRange(std::int32_t i, std::int32_t from, std::int32_t to) { return from <= i && (to == -1 || i <= to); }

template <class Record>
bool Reindex(Record* record, std::int32_t index) {
    if (record->BeginChange() != kDataOk) return false;
    record->orderIndex = index;
    return true;
}

}  // namespace

template <class Kind>
bool CItemCommands<Kind>::WriteProtected() const {
    return data_->properties->IsWriteProtected();
}

template <class Kind>
bool CItemCommands<Kind>::Contains(const Item* item) const {
    return item != nullptr && Traits<Kind>::Items(data_)->Contains(item);
}

template <class Kind>
bool CItemCommands<Kind>::Contains(const Group* group) const {
    return group != nullptr && Traits<Kind>::Groups(data_)->Contains(group);
}

template <class Kind>
bool CItemCommands<Kind>::Begin(unsigned nameId) {
    return data_->BeginTransaction(plat::LoadResString(nameId).c_str()) == kDataOk;
}

template <class Kind>
bool CItemCommands<Kind>::Cancel() {
    data_->CancelTransaction();
    return false;
}

template <class Kind>
std::vector<typename Kind::Group*> CItemCommands<Kind>::AllGroups() const {
    auto* groups = Traits<Kind>::Groups(data_);
    std::vector<Group*> all(static_cast<std::size_t>(std::max(groups->GetCount(), 0)));
    all.resize(static_cast<std::size_t>(std::clamp(groups->GetAll(all.data()), 0, std::int32_t(all.size()))));
    return all;
}

template <class Kind>
std::vector<typename Kind::Item*> CItemCommands<Kind>::CollectGroupItems(const Group* group) const {
    auto* items = Traits<Kind>::Items(data_);
    std::vector<Item*> found(static_cast<std::size_t>(std::max(items->GetGroupMemberCount(group), 0)));
    found.resize(static_cast<std::size_t>(
        std::clamp(items->GetByGroup(group, found.data()), 0, std::int32_t(found.size()))));
    return found;
}

template <class Kind>
std::int32_t CItemCommands<Kind>::EndOfSequence(const Group* group) const {
    std::int32_t highest = -1;
    for (const Item* item : CollectGroupItems(group)) highest = std::max(highest, item->orderIndex);
    if (group == nullptr) {
        for (const Group* g : AllGroups()) highest = std::max(highest, g->orderIndex);
    }
    return highest;
}

template <class Kind>
std::int32_t CItemCommands<Kind>::RenumberOrder(std::int32_t delta, std::int32_t from, Group* group, std::int32_t to) {
    if (delta == 0) return kDataOk;
    if (group == nullptr) {
        auto* groups = Traits<Kind>::Groups(data_);
        for (std::uint32_t i = 0; Group* g = groups->GetAt(i); ++i) {
            if (!InRange(g->orderIndex, from, to)) continue;
            if (const std::int32_t status = g->BeginChange(); status != kDataOk) return status;
            g->orderIndex += delta;
        }
    }
    for (Item* item : CollectGroupItems(group)) {
        if (!InRange(item->orderIndex, from, to)) continue;
        if (const std::int32_t status = item->BeginChange(); status != kDataOk) return status;
        item->orderIndex += delta;
    }
    return kDataOk;
}

template <class Kind>
bool CItemCommands<Kind>::CloseGap(std::int32_t index, Group* group) {
    return RenumberOrder(-1, index + 1, group, -1) == kDataOk;
}

template <class Kind>
typename Kind::Item* CItemCommands<Kind>::AddItem(Group* group, std::int32_t k, std::int32_t m) {
    if (WriteProtected() || (group != nullptr && !Contains(group))) return nullptr;
    typename Kind::Fields fields;
    fields.group = group;
    if (!Traits<Kind>::RunItem(dialogs_, fields)) return nullptr;
    Group* chosen = fields.group;
    if (chosen != nullptr && !Contains(chosen)) return nullptr;

    if (!Begin(Traits<Kind>::ids.addItem)) return nullptr;
    auto* items = Traits<Kind>::Items(data_);
    Item* item = items->Create();
    if (item == nullptr) {
        Cancel();
        return nullptr;
    }
    item->SetName(fields.name);
    item->SetDescription(fields.notes);
    item->group = chosen;
    Traits<Kind>::CopyOwn(*item, fields);

    std::int32_t position = -1;
    if (chosen == group) position = chosen != nullptr ? m : k;
    else if (chosen == nullptr) position = k;
    if (position >= 0) {
        if (RenumberOrder(+1, position, chosen, -1) != kDataOk) {
            item->Delete();
            Cancel();
            return nullptr;
        }
        item->orderIndex = position;
    } else {
        item->orderIndex = EndOfSequence(chosen) + 1;
    }
    // A refused Add leaves the record with us; it is freed, not leaked.
    if (items->Add(item) != kDataOk) {
        item->Delete();
        Cancel();
        return nullptr;
    }
    data_->CommitTransaction();
    return item;
}

template <class Kind>
bool CItemCommands<Kind>::EditItem(Item* item) {
    if (!Contains(item)) return false;
    typename Kind::Fields fields;
    fields.readOnly = WriteProtected();
    fields.edited = item;
    fields.group = item->group;
    fields.name = item->name;
    fields.notes.assign(item->description, ::strnlen(item->description, sizeof item->description));
    Traits<Kind>::LoadOwn(*item, fields);
    if (!Traits<Kind>::RunItem(dialogs_, fields) || fields.readOnly) return false;
    // The dialog runs modally: the document may have changed meanwhile.
    Group* chosen = fields.group;
    if (!Contains(item) || (chosen != nullptr && !Contains(chosen))) return false;

    if (!Begin(Traits<Kind>::ids.editItem)) return false;
    if (item->BeginChange() != kDataOk) return Cancel();
    Group* oldGroup = item->group;
    const std::int32_t oldIndex = item->orderIndex;
    std::int32_t newIndex = oldIndex;
    if (chosen != oldGroup) {
        if (chosen != nullptr) {
            std::int32_t highest = -1;
            for (const Item* other : CollectGroupItems(chosen)) highest = std::max(highest, other->orderIndex);
            newIndex = highest + 1;
        } else {
            newIndex = oldGroup->orderIndex + 1;
            // The item still counts in its old group here, so it is not moved itself.
            if (RenumberOrder(+1, newIndex, nullptr, -1) != kDataOk) return Cancel();
        }
    }
    item->SetName(fields.name);
    item->SetDescription(fields.notes);
    Traits<Kind>::CopyOwn(*item, fields);
    item->group = chosen;
    item->orderIndex = newIndex;
    if (chosen != oldGroup && !CloseGap(oldIndex, oldGroup)) return Cancel();
    data_->CommitTransaction();
    return true;
}

template <class Kind>
bool CItemCommands<Kind>::DeleteItem(Item* item) {
    if (WriteProtected() || !Contains(item)) return false;
    if (!dialogs_.ConfirmDelete(Traits<Kind>::ids.confirmItem, item->name)) return false;
    if (!Begin(Traits<Kind>::ids.deleteItem)) return false;
    Group* group = item->group;
    const std::int32_t index = item->orderIndex;
    if (item->Delete() != kDataOk) return Cancel();
    if (!CloseGap(index, group)) return Cancel();
    data_->CommitTransaction();
    return true;
}

template <class Kind>
bool CItemCommands<Kind>::MoveItem(Item* item, std::int32_t k, Group* group) {
    if (WriteProtected() || !Contains(item) || k < 0 || (group != nullptr && !Contains(group))) return false;
    if (item->group == group && item->orderIndex == k) return false;
    if (!Begin(Traits<Kind>::ids.moveItem)) return false;
    if (item->BeginChange() != kDataOk) return Cancel();
    const std::int32_t m = item->orderIndex;
    std::int32_t status = kDataOk;
    if (item->group == group) {
        status = m < k ? RenumberOrder(-1, m, group, k) : RenumberOrder(+1, k, group, m);
    } else {
        status = RenumberOrder(-1, m, item->group, -1);
        if (status == kDataOk) status = RenumberOrder(+1, k, group, -1);
    }
    if (status != kDataOk) return Cancel();
    item->group = group;
    item->orderIndex = k;
    data_->CommitTransaction();
    return true;
}

template <class Kind>
typename Kind::Group* CItemCommands<Kind>::AddGroup(std::int32_t position) {
    if (WriteProtected()) return nullptr;
    GroupFields<Group> fields;
    if (!Traits<Kind>::RunGroup(dialogs_, fields)) return nullptr;
    if (!Begin(Traits<Kind>::ids.addGroup)) return nullptr;
    auto* groups = Traits<Kind>::Groups(data_);
    Group* group = groups->Create();
    if (group == nullptr) {
        Cancel();
        return nullptr;
    }
    group->SetName(fields.name);
    if (position >= 0) {
        if (RenumberOrder(+1, position, nullptr, -1) != kDataOk) {
            group->Delete();
            Cancel();
            return nullptr;
        }
        group->orderIndex = position;
    } else {
        group->orderIndex = EndOfSequence(nullptr) + 1;
    }
    if (groups->Add(group) != kDataOk) {
        group->Delete();
        Cancel();
        return nullptr;
    }
    data_->CommitTransaction();
    return group;
}

template <class Kind>
bool CItemCommands<Kind>::EditGroup(Group* group) {
    if (!Contains(group)) return false;
    GroupFields<Group> fields;
    fields.readOnly = WriteProtected();
    fields.edited = group;
    fields.name = group->name;
    if (!Traits<Kind>::RunGroup(dialogs_, fields) || fields.readOnly || !Contains(group)) return false;
    if (!Begin(Traits<Kind>::ids.editGroup)) return false;
    if (group->BeginChange() != kDataOk) return Cancel();
    group->SetName(fields.name);
    data_->CommitTransaction();
    return true;
}

template <class Kind>
bool CItemCommands<Kind>::MoveGroup(Group* group, std::int32_t k) {
    if (WriteProtected() || !Contains(group) || k < 0 || group->orderIndex == k) return false;
    if (!Begin(Traits<Kind>::ids.moveGroup)) return false;
    if (group->BeginChange() != kDataOk) return Cancel();
    const std::int32_t m = group->orderIndex;
    if ((m < k ? RenumberOrder(-1, m, nullptr, k) : RenumberOrder(+1, k, nullptr, m)) != kDataOk) return Cancel();
    group->orderIndex = k;
    data_->CommitTransaction();
    return true;
}

template <class Kind>
bool CItemCommands<Kind>::DeleteGroup(Group* group) {
    if (WriteProtected() || !Contains(group)) return false;
    if (!dialogs_.ConfirmDelete(Traits<Kind>::ids.confirmGroup, group->name)) return false;
    if (!Begin(Traits<Kind>::ids.deleteGroup)) return false;
    std::vector<Item*> members = CollectGroupItems(group);
    std::stable_sort(members.begin(), members.end(),
                     [](const Item* a, const Item* b) { return a->orderIndex < b->orderIndex; });
    const std::int32_t index = group->orderIndex;
    const auto count = static_cast<std::int32_t>(members.size());
    // Room is made while the members still belong to the group, so they are not moved with the rest.
    if (RenumberOrder(count - 1, index + 1, nullptr, -1) != kDataOk) return Cancel();
    if (group->Delete() != kDataOk) return Cancel();
    for (std::int32_t j = 0; j < count; ++j) {
        Item* item = members[static_cast<std::size_t>(j)];
        if (!Reindex(item, index + j)) return Cancel();
        item->group = nullptr;
    }
    data_->CommitTransaction();
    return true;
}

template <class Kind>
bool CItemCommands<Kind>::SortByName() {
    if (WriteProtected()) return false;
    if (!Begin(Traits<Kind>::ids.sort)) return false;
    std::vector<std::pair<Group*, Item*>> top;
    for (Group* group : AllGroups()) top.emplace_back(group, nullptr);
    for (Item* item : CollectGroupItems(nullptr)) top.emplace_back(nullptr, item);
    std::sort(top.begin(), top.end(), CompareGroupItemPairsByName<Group, Item>);

    bool changed = false;
    const auto place = [&changed](auto* record, std::int32_t index) {
        if (record->orderIndex == index) return true;
        changed = true;
        return Reindex(record, index);
    };
    const auto byName = [](const Item* a, const Item* b) { return CompareNames(a->name, b->name) < 0; };
    std::int32_t j = 0;
    for (const auto& [group, item] : top) {
        if (item != nullptr) {
            if (!place(item, j++)) return Cancel();
            continue;
        }
        if (!place(group, j++)) return Cancel();
        std::vector<Item*> members = CollectGroupItems(group);
        std::sort(members.begin(), members.end(), byName);
        for (std::size_t i = 0; i < members.size(); ++i) {
            if (!place(members[i], static_cast<std::int32_t>(i))) return Cancel();
        }
    }
    // An unchanged order is still one step, so that the listeners hear of the sort.
    if (!changed) {
        auto* items = Traits<Kind>::Items(data_);
        auto* groups = Traits<Kind>::Groups(data_);
        if (Item* first = items->GetAt(0)) {
            if (first->BeginChange() != kDataOk) return Cancel();
        } else if (Group* firstGroup = groups->GetAt(0)) {
            if (firstGroup->BeginChange() != kDataOk) return Cancel();
        }
    }
    data_->CommitTransaction();
    return true;
}

template class CItemCommands<ResourceKind>;
template class CItemCommands<TaskKind>;
