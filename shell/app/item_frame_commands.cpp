#include <memory>

#include "app_ids.h"
#include "frame_commands.h"
#include "item_dialogs_adapter.h"
#include "item_list_dialog.h"
#include "main_frame.h"
#include "settings_store.h"

namespace {

// The commands of the open document, shared by the frame's handlers.
struct ItemCommandSet {
    ItemCommandSet(CPlanData* data, QWidget* frame)
        : dialogs(data, frame), resources(data, dialogs), tasks(data, dialogs),
          resourceList(data, resources), taskList(data, tasks) {}
    CItemDialogsAdapter dialogs;
    CResourceCommands resources;
    CTaskCommands tasks;
    CItemListCommands<ResourceKind> resourceList;
    CItemListCommands<TaskKind> taskList;
};

SettingGetter Settings() {
    return [](std::string_view key) { return SettingsStore().GetSetting(key); };
}

// The named commands of the plugins. Each returns true once it ran, whatever
// the user chose in its dialog, and false when it could not run: a change
// asked of a write-protected document, a record that is not in it. None
// shows a message of its own; a delete still asks first.
template <class Add>
CNamedCommandTable::Handler Adding(std::shared_ptr<ItemCommandSet> set, Add add) {
    return [set, add](void*) {
        if (set->resources.WriteProtected()) return false;
        add(*set);
        return true;
    };
}

// changes: refused on a write-protected document (editing only shows there).
template <class Commands, class Record>
CNamedCommandTable::Handler OnRecord(std::shared_ptr<ItemCommandSet> set, Commands ItemCommandSet::*commands,
                                     bool (Commands::*operation)(Record*), bool changes) {
    return [set, commands, operation, changes](void* arg) {
        Commands& c = (*set).*commands;
        auto* record = static_cast<Record*>(arg);
        if ((changes && c.WriteProtected()) || !c.Contains(record)) return false;
        (c.*operation)(record);
        return true;
    };
}

}  // namespace

void RegisterItemFrameCommands(CMainFrame& frame) {
    auto set = std::make_shared<ItemCommandSet>(frame.Data(), &frame);
    CNamedCommandTable& named = frame.NamedCommands();
    CMainFrame* window = &frame;
    constexpr auto resources = &ItemCommandSet::resources;
    constexpr auto tasks = &ItemCommandSet::tasks;
    named.Set(HostCommand::AddResource, Adding(set, [](ItemCommandSet& s) { s.resources.AddItem(nullptr, -1, -1); }));
    named.Set(HostCommand::AddTask, Adding(set, [](ItemCommandSet& s) { s.tasks.AddItem(nullptr, -1, -1); }));
    named.Set(HostCommand::AddResourceGroup, Adding(set, [](ItemCommandSet& s) { s.resources.AddGroup(-1); }));
    named.Set(HostCommand::AddTaskGroup, Adding(set, [](ItemCommandSet& s) { s.tasks.AddGroup(-1); }));
    named.Set(HostCommand::EditResource, OnRecord(set, resources, &CResourceCommands::EditItem, false));
    named.Set(HostCommand::EditTask, OnRecord(set, tasks, &CTaskCommands::EditItem, false));
    named.Set(HostCommand::EditResourceGroup, OnRecord(set, resources, &CResourceCommands::EditGroup, false));
    named.Set(HostCommand::EditTaskGroup, OnRecord(set, tasks, &CTaskCommands::EditGroup, false));
    named.Set(HostCommand::DeleteResource, OnRecord(set, resources, &CResourceCommands::DeleteItem, true));
    named.Set(HostCommand::DeleteTask, OnRecord(set, tasks, &CTaskCommands::DeleteItem, true));
    named.Set(HostCommand::DeleteResourceGroup, OnRecord(set, resources, &CResourceCommands::DeleteGroup, true));
    named.Set(HostCommand::DeleteTaskGroup, OnRecord(set, tasks, &CTaskCommands::DeleteGroup, true));

    frame.FrameCommands().Set(app_ids::ID_RESOURCE_LIST, {[set, window] {
                                                     CItemListDlg dialog(kResourceListTexts, set->resourceList,
                                                                         Settings(), window);
                                                     dialog.DoModal();
                                                 },
                                                 {},
                                                 {}});
    frame.FrameCommands().Set(app_ids::ID_TASK_LIST, {[set, window] {
                                                 CItemListDlg dialog(kTaskListTexts, set->taskList, Settings(), window);
                                                 dialog.DoModal();
                                             },
                                             {},
                                             {}});
}
