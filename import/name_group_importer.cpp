#include "import/name_group_importer.h"

#include <algorithm>
#include <string>
#include <unordered_map>

#include "plat/resource_strings.h"
#include "plat/utf8.h"
#include "string_ids.h"

namespace {

using Record = CNameGroupImportRecord;

// Releases a record the collection never took.
template <class R>
void Release(R* record) {
    if (record) record->Delete();
}

}  // namespace

int CNameGroupImporter::GetFieldList(std::vector<ImportField>& list) {
    list = {{plat::LoadResString(ids::IMPORT_FIELD_NAME), true},
            {plat::LoadResString(ids::IMPORT_FIELD_GROUP), false}};
    return Record::kFieldCount;
}

bool CNameGroupImporter::SetField(CImportRecord& record, int field, std::string_view text) {
    auto& named = static_cast<Record&>(record);
    if (field == Record::kName) {
        named.name = text;
    } else if (field == Record::kGroup) {
        named.group = text;
    } else {
        return false;
    }
    return true;
}

std::size_t CNameGroupImporter::ValidateRows(ImportErrorList& errors, ImportErrorList&) {
    const std::size_t before = errors.Total();
    for (std::size_t i = 0; i < records.size(); ++i)
        if (records[i].name.empty()) errors.Add(Error(i, Record::kName, "", ids::IMPORT_VALUE_MISSING));
    return errors.Total() - before;
}

template <class GroupCollection, class ItemCollection>
int CNameGroupImporter::CommitInto(GroupCollection* groups, ItemCollection* items) {
    using Group = std::remove_pointer_t<decltype(groups->Create())>;
    using Item = std::remove_pointer_t<decltype(items->Create())>;
    if (!root || !groups || !items) return 1;
    if (root->BeginTransaction(TransactionName().c_str()) != kDataOk) return 1;
    auto fail = [this](auto*... unowned) {
        (Release(unowned), ...);
        root->CancelTransaction();
        return 1;
    };

    // Groups by their stored name (the later of equal names); the highest
    // order index per group, and at the top level (nullptr) over groups and
    // ungrouped items together.
    std::unordered_map<std::string, Group*> groupByName;
    std::unordered_map<const Group*, int32_t> nextOrder;
    int32_t top = -1;
    for (uint32_t i = 0; Group* group = groups->GetAt(i); ++i) {
        groupByName[group->name] = group;
        nextOrder.try_emplace(group, -1);
        top = std::max(top, group->orderIndex);
    }
    for (uint32_t i = 0; Item* item = items->GetAt(i); ++i) {
        if (item->group) {
            auto [it, added] = nextOrder.try_emplace(item->group, item->orderIndex);
            if (!added) it->second = std::max(it->second, item->orderIndex);
        } else {
            top = std::max(top, item->orderIndex);
        }
    }
    nextOrder[nullptr] = top;

    for (const Record& record : records) {
        Item* item = items->Create();
        if (!item) return fail();
        Group* group = nullptr;
        if (!record.group.empty()) {
            // Looked up by the name as it would be stored, so that long
            // group texts find the group an earlier line created.
            const std::string key(plat::CutUtf8(record.group, sizeof item->name - 1));
            if (auto it = groupByName.find(key); it != groupByName.end()) {
                group = it->second;
            } else {
                group = groups->Create();
                if (!group) return fail(item);
                group->SetName(key);
                group->orderIndex = ++nextOrder[nullptr];
                if (groups->Add(group) != kDataOk) return fail(item, group);
                groupByName[group->name] = group;
                nextOrder[group] = -1;
            }
        }
        item->SetName(record.name);
        item->group = group;
        item->orderIndex = ++nextOrder[group];
        if (items->Add(item) != kDataOk) return fail(item);
    }
    return root->CommitTransaction() == kDataOk ? 0 : 1;
}

int CResourceImporter::Commit() {
    return CommitInto(root ? root->resourceGroups : nullptr, root ? root->resources : nullptr);
}

int CTaskImporter::Commit() {
    return CommitInto(root ? root->taskGroups : nullptr, root ? root->tasks : nullptr);
}
