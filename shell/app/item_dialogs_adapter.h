#pragma once

// The item commands' dialogs as the program shows them, and the commands
// the list dialogs run, over the open document.

#include <QWidget>

#include "item_commands.h"
#include "item_list_logic.h"

class CItemDialogsAdapter : public IItemDialogs {
public:
    CItemDialogsAdapter(CPlanData* data, QWidget* parent) : data_(data), parent_(parent) {}
    bool RunResourceDialog(ResourceFields& fields) override;
    bool RunTaskDialog(TaskFields& fields) override;
    bool RunResourceGroupDialog(GroupFields<CResourceGroup>& fields) override;
    bool RunTaskGroupDialog(GroupFields<CTaskGroup>& fields) override;
    bool ConfirmDelete(unsigned stringId, const std::string& name) override;

private:
    CPlanData* data_;
    QWidget* parent_;
};

// The add-task command with no group and no place, for the booking
// dialog's new-task button: the new task, or null.
CTask* RunAddTask(CPlanData* data, QWidget* parent);

template <class Kind>
class CItemListCommands : public IItemListCommands {
public:
    CItemListCommands(CPlanData* data, CItemCommands<Kind>& commands) : data_(data), commands_(commands) {}
    std::vector<ListEntry> Entries() override;
    bool ReadOnly() override { return commands_.WriteProtected(); }
    CNamedRecord* AddItem(const AddPlace& place) override;
    CNamedRecord* AddGroup(std::int32_t position) override { return commands_.AddGroup(position); }
    bool Edit(const ListEntry& entry) override;
    bool Delete(const ListEntry& entry) override;
    bool Move(const ListMove& move) override;
    bool Sort() override { return commands_.SortByName(); }

private:
    CPlanData* data_;
    CItemCommands<Kind>& commands_;
};

extern template class CItemListCommands<ResourceKind>;
extern template class CItemListCommands<TaskKind>;
