#include "item_dialogs_adapter.h"

#include <algorithm>

#include "booking_dialog.h"
#include "item_dialogs.h"
#include "settings_store.h"
#include "tree_rows.h"
#include "ui/prompts.h"

namespace {

SettingGetter Settings() {
    return [](std::string_view key) { return SettingsStore().GetSetting(key); };
}

template <class Collection>
auto AllOf(Collection* collection) {
    std::vector<std::remove_pointer_t<decltype(collection->GetAt(0))>*> all(
        static_cast<std::size_t>(std::max(collection->GetCount(), 0)));
    all.resize(static_cast<std::size_t>(std::clamp(collection->GetAll(all.data()), 0, std::int32_t(all.size()))));
    return all;
}

template <class Collection>
std::vector<std::string> NamesOf(Collection* collection) {
    std::vector<std::string> names;
    for (const auto* record : AllOf(collection)) names.emplace_back(record->name);
    return names;
}

// Groups by order index; equal indexes keep the collection's order.
template <class Collection>
std::vector<GroupChoice> GroupChoices(Collection* collection) {
    auto groups = AllOf(collection);
    std::stable_sort(groups.begin(), groups.end(),
                     [](const auto* a, const auto* b) { return a->orderIndex < b->orderIndex; });
    std::vector<GroupChoice> choices;
    for (auto* group : groups) choices.push_back({group->name, group});
    return choices;
}

template <class Fields, class Collection, class Groups>
bool RunItem(CItemDlg& dialog, Fields& fields, Collection* items, Groups* groups) {
    if (fields.edited != nullptr) dialog.editedName = fields.edited->name;
    dialog.names = NamesOf(items);
    dialog.groups = GroupChoices(groups);
    dialog.name = fields.name;
    dialog.notes = fields.notes;
    dialog.group = fields.group;
    if (dialog.DoModal() != ui::IDOK) return false;
    fields.name = dialog.name;
    fields.notes = dialog.notes;
    fields.group = static_cast<decltype(fields.group)>(dialog.group);
    return true;
}

template <class Fields, class Groups>
bool RunGroup(const GroupDialogTexts& texts, Fields& fields, Groups* groups, QWidget* parent) {
    CGroupDlg dialog(texts, fields.readOnly, Settings(), parent);
    if (fields.edited != nullptr) dialog.editedName = fields.edited->name;
    dialog.names = NamesOf(groups);
    dialog.name = fields.name;
    if (dialog.DoModal() != ui::IDOK) return false;
    fields.name = dialog.name;
    return true;
}

}  // namespace

bool CItemDialogsAdapter::RunResourceDialog(ResourceFields& fields) {
    CItemDlg dialog(kResourceDialogTexts, false, fields.readOnly, Settings(), parent_);
    return RunItem(dialog, fields, data_->resources, data_->resourceGroups);
}

bool CItemDialogsAdapter::RunTaskDialog(TaskFields& fields) {
    CItemDlg dialog(kTaskDialogTexts, true, fields.readOnly, Settings(), parent_);
    const BookingDialogMemory& memory = BookingDialogState();
    if (fields.edited == nullptr && memory.haveLastColors &&
        GetBoolSetting(Settings(), "DlgBookingsColorsKeepLast", false)) {
        fields.color1 = memory.lastColor1;
        fields.color2 = memory.lastColor2;
    }
    dialog.color1 = fields.color1;
    dialog.color2 = fields.color2;
    if (!RunItem(dialog, fields, data_->tasks, data_->taskGroups)) return false;
    fields.color1 = dialog.color1;
    fields.color2 = dialog.color2;
    return true;
}

bool CItemDialogsAdapter::RunResourceGroupDialog(GroupFields<CResourceGroup>& fields) {
    return RunGroup(kResourceGroupDialogTexts, fields, data_->resourceGroups, parent_);
}

bool CItemDialogsAdapter::RunTaskGroupDialog(GroupFields<CTaskGroup>& fields) {
    return RunGroup(kTaskGroupDialogTexts, fields, data_->taskGroups, parent_);
}

bool CItemDialogsAdapter::ConfirmDelete(unsigned stringId, const std::string& name) {
    return ui::MessageBoxById(parent_, stringId, ui::MB_YESNO | ui::MB_ICONEXCLAMATION | ui::MB_DEFBUTTON2,
                              {name.c_str()}) == ui::IDYES;
}

CTask* RunAddTask(CPlanData* data, QWidget* parent) {
    CItemDialogsAdapter dialogs(data, parent);
    return CTaskCommands(data, dialogs).AddItem(nullptr, -1, -1);
}

namespace {

template <class Kind>
auto TreeRows(CPlanData* data) {
    if constexpr (std::is_same_v<Kind, ResourceKind>) return ResourceTreeRows(data);
    else return TaskTreeRows(data);
}

}  // namespace

template <class Kind>
std::vector<ListEntry> CItemListCommands<Kind>::Entries() {
    std::vector<ListEntry> entries;
    for (const auto& [group, item] : TreeRows<Kind>(data_)) entries.push_back({group, item});
    return entries;
}

template <class Kind>
CNamedRecord* CItemListCommands<Kind>::AddItem(const AddPlace& place) {
    return commands_.AddItem(static_cast<typename Kind::Group*>(place.group), place.k, place.m);
}

template <class Kind>
bool CItemListCommands<Kind>::Edit(const ListEntry& entry) {
    if (entry.IsGroup()) return commands_.EditGroup(static_cast<typename Kind::Group*>(entry.group));
    return commands_.EditItem(static_cast<typename Kind::Item*>(entry.item));
}

template <class Kind>
bool CItemListCommands<Kind>::Delete(const ListEntry& entry) {
    if (entry.IsGroup()) return commands_.DeleteGroup(static_cast<typename Kind::Group*>(entry.group));
    return commands_.DeleteItem(static_cast<typename Kind::Item*>(entry.item));
}

template <class Kind>
bool CItemListCommands<Kind>::Move(const ListMove& move) {
    if (move.kind == ListMove::Kind::Group)
        return commands_.MoveGroup(static_cast<typename Kind::Group*>(move.record), move.index);
    if (move.kind == ListMove::Kind::Item)
        return commands_.MoveItem(static_cast<typename Kind::Item*>(move.record), move.index,
                                  static_cast<typename Kind::Group*>(move.group));
    return false;
}

template class CItemListCommands<ResourceKind>;
template class CItemListCommands<TaskKind>;
