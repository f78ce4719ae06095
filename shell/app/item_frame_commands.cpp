#include <memory>

#include "app_ids.h"
#include "frame_commands.h"
#include "item_dialogs_adapter.h"
#include "item_list_dialog.h"
#include "main_frame.h"
#include "settings_store.h"
#include "string_ids.h"
#include "ui/prompts.h"

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

// A change asked of a write-protected document is refused with a message.
bool Writable(CMainFrame& frame, const ItemCommandSet& set) {
    if (!set.resources.WriteProtected()) return true;
    ui::MessageBoxById(&frame, ids::ITEM_READ_ONLY, ui::MB_OK | ui::MB_ICONEXCLAMATION);
    return false;
}

}  // namespace

void RegisterItemFrameCommands(CMainFrame& frame) {
    auto set = std::make_shared<ItemCommandSet>(frame.Data(), &frame);
    CNamedCommandTable& named = frame.NamedCommands();
    CMainFrame* window = &frame;
    // Each returns true once it ran, whatever the user chose in its dialog.
    const auto change = [set, window](auto run) {
        return [set, window, run](void* arg) {
            if (Writable(*window, *set)) run(*set, arg);
            return true;
        };
    };
    named.Set(HostCommand::AddResource, change([](ItemCommandSet& s, void*) { s.resources.AddItem(nullptr, -1, -1); }));
    named.Set(HostCommand::AddTask, change([](ItemCommandSet& s, void*) { s.tasks.AddItem(nullptr, -1, -1); }));
    named.Set(HostCommand::AddResourceGroup, change([](ItemCommandSet& s, void*) { s.resources.AddGroup(-1); }));
    named.Set(HostCommand::AddTaskGroup, change([](ItemCommandSet& s, void*) { s.tasks.AddGroup(-1); }));
    // Editing shows the record on a write-protected document too.
    named.Set(HostCommand::EditResource, [set](void* arg) {
        set->resources.EditItem(static_cast<CResource*>(arg));
        return true;
    });
    named.Set(HostCommand::EditTask, [set](void* arg) {
        set->tasks.EditItem(static_cast<CTask*>(arg));
        return true;
    });
    named.Set(HostCommand::EditResourceGroup, [set](void* arg) {
        set->resources.EditGroup(static_cast<CResourceGroup*>(arg));
        return true;
    });
    named.Set(HostCommand::EditTaskGroup, [set](void* arg) {
        set->tasks.EditGroup(static_cast<CTaskGroup*>(arg));
        return true;
    });
    named.Set(HostCommand::DeleteResource,
              change([](ItemCommandSet& s, void* arg) { s.resources.DeleteItem(static_cast<CResource*>(arg)); }));
    named.Set(HostCommand::DeleteTask,
              change([](ItemCommandSet& s, void* arg) { s.tasks.DeleteItem(static_cast<CTask*>(arg)); }));
    named.Set(HostCommand::DeleteResourceGroup, change([](ItemCommandSet& s, void* arg) {
                  s.resources.DeleteGroup(static_cast<CResourceGroup*>(arg));
              }));
    named.Set(HostCommand::DeleteTaskGroup, change([](ItemCommandSet& s, void* arg) {
                  s.tasks.DeleteGroup(static_cast<CTaskGroup*>(arg));
              }));

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
