#pragma once

// The rules of the resource and task list dialogs over plain data: which
// entries the list shows, which buttons are enabled, and where the add, move
// and drop gestures put a record. No window is needed to run them.

#include <cstdint>
#include <vector>

#include "plan_records.h"

// One line of the list: a group entry (no item), or an item with its group
// (none when it is ungrouped).
struct ListEntry {
    CNamedRecord* group = nullptr;
    CNamedRecord* item = nullptr;

    bool IsGroup() const { return item == nullptr; }
    bool IsTopLevel() const { return item == nullptr || group == nullptr; }
    // The order index of the entry's own record.
    std::int32_t Position() const { return item != nullptr ? item->orderIndex : group->orderIndex; }
    bool operator==(const ListEntry&) const = default;
};

// A move for the item or group commands; kind None when there is nothing to do.
struct ListMove {
    enum class Kind { None, Item, Group };
    Kind kind = Kind::None;
    CNamedRecord* record = nullptr;
    std::int32_t index = -1;
    CNamedRecord* group = nullptr;   // an item's new group (null: the top level)

    bool operator==(const ListMove&) const = default;
};

ListMove MoveUp(const std::vector<ListEntry>& entries, int selected);
ListMove MoveDown(const std::vector<ListEntry>& entries, int selected);
ListMove MoveIntoGroupAbove(const std::vector<ListEntry>& entries, int selected);
ListMove MoveOutOfGroup(const std::vector<ListEntry>& entries, int selected);
// The entry at source dropped on the line at target (both existing entries).
ListMove Drop(const std::vector<ListEntry>& entries, int source, int target);

// Where a new item or group goes, from the selected entry: the preselected
// group, the top-level position k and the position m inside the group.
struct AddPlace {
    CNamedRecord* group = nullptr;
    std::int32_t k = -1;
    std::int32_t m = -1;
    std::int32_t groupPosition = -1;
};
AddPlace AddPlaceOf(const std::vector<ListEntry>& entries, int selected);

struct ListButtons {
    bool add = false, remove = false, edit = false, up = false, down = false;
    bool intoGroup = false, outOfGroup = false, sort = false;
    bool operator==(const ListButtons&) const = default;
};
ListButtons ListButtonStates(const std::vector<ListEntry>& entries, int selected, bool readOnly);

// What the list dialogs ask of the commands; each change is one undo step.
class IItemListCommands {
public:
    virtual ~IItemListCommands() = default;
    // The entries in the user's order: groups and ungrouped items by order
    // index, each group's items right after it.
    virtual std::vector<ListEntry> Entries() = 0;
    virtual bool ReadOnly() = 0;
    // The new record, or null.
    virtual CNamedRecord* AddItem(const AddPlace& place) = 0;
    virtual CNamedRecord* AddGroup(std::int32_t position) = 0;
    virtual bool Edit(const ListEntry& entry) = 0;
    virtual bool Delete(const ListEntry& entry) = 0;
    virtual bool Move(const ListMove& move) = 0;
    virtual bool Sort() = 0;
};
