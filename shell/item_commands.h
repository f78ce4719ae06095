#pragma once

// The operations on resources, tasks and their groups: add, edit, delete,
// move and sort. Resources with resource groups and tasks with task groups
// share one implementation. Each change is one named undo step, refused on a
// write-protected document; a refusal or a failure leaves the document as
// it was.
//
// Order: groups and ungrouped items share one sequence of order indexes
// (the top level); the items of a group have a sequence of their own.

#include <cstdint>
#include <string>
#include <vector>

#include "plan_data.h"

// What an item's properties dialog shows and gives back after OK.
template <class Group, class Item>
struct ItemFields {
    bool readOnly = false;         // the document is write-protected: view only
    Item* edited = nullptr;        // null for a new item
    Group* group = nullptr;        // preselected; after OK the chosen one
    std::string name;
    std::string notes;
    std::uint32_t color1 = 0;      // tasks only
    std::uint32_t color2 = 0x0080FFFF;
};
using ResourceFields = ItemFields<CResourceGroup, CResource>;
using TaskFields = ItemFields<CTaskGroup, CTask>;

template <class Group>
struct GroupFields {
    bool readOnly = false;
    Group* edited = nullptr;
    std::string name;
};

// The dialogs the operations need; each returns true for OK (Yes).
class IItemDialogs {
public:
    virtual ~IItemDialogs() = default;
    virtual bool RunResourceDialog(ResourceFields& fields) = 0;
    virtual bool RunTaskDialog(TaskFields& fields) = 0;
    virtual bool RunResourceGroupDialog(GroupFields<CResourceGroup>& fields) = 0;
    virtual bool RunTaskGroupDialog(GroupFields<CTaskGroup>& fields) = 0;
    // The confirmation stringId formatted with the name; Yes and No, No the default.
    virtual bool ConfirmDelete(unsigned stringId, const std::string& name) = 0;
};

struct ResourceKind;
struct TaskKind;

template <class Kind>
class CItemCommands {
public:
    using Group = typename Kind::Group;
    using Item = typename Kind::Item;

    CItemCommands(CPlanData* data, IItemDialogs& dialogs) : data_(data), dialogs_(dialogs) {}

    // The dialog starts with group; the new item goes to position m inside
    // the chosen group when that is group, to k at the top level, else to
    // the end of its sequence (-1: the end). Null when nothing was added.
    Item* AddItem(Group* group, std::int32_t k, std::int32_t m);
    // True when the item was changed; a write-protected document only shows it.
    bool EditItem(Item* item);
    bool DeleteItem(Item* item);
    // Moves the item to index k of group's sequence (null: the top level).
    bool MoveItem(Item* item, std::int32_t k, Group* group);
    Group* AddGroup(std::int32_t position);
    bool EditGroup(Group* group);
    bool MoveGroup(Group* group, std::int32_t k);
    // The group's items go to the top level at the group's place, in their order.
    bool DeleteGroup(Group* group);
    bool SortByName();

    // Adds delta to the order index of every record of the sequence of group
    // (null: the groups and the ungrouped items) whose index lies in
    // [from, to] (to -1: no upper bound). 0, or the refusing status.
    std::int32_t RenumberOrder(std::int32_t delta, std::int32_t from, Group* group, std::int32_t to);
    // The items of group in collection order (null: the ungrouped items).
    std::vector<Item*> CollectGroupItems(const Group* group) const;

    bool WriteProtected() const;
    bool Contains(const Item* item) const;
    bool Contains(const Group* group) const;

private:
    bool Begin(unsigned nameId);
    bool Cancel();
    std::vector<Group*> AllGroups() const;
    std::int32_t EndOfSequence(const Group* group) const;
    // Records of the sequence above index move down by one.
    bool CloseGap(std::int32_t index, Group* group);

    CPlanData* data_;
    IItemDialogs& dialogs_;
};

struct ResourceKind {
    using Group = CResourceGroup;
    using Item = CResource;
    using Fields = ResourceFields;
};
struct TaskKind {
    using Group = CTaskGroup;
    using Item = CTask;
    using Fields = TaskFields;
};

using CResourceCommands = CItemCommands<ResourceKind>;
using CTaskCommands = CItemCommands<TaskKind>;

extern template class CItemCommands<ResourceKind>;
extern template class CItemCommands<TaskKind>;
