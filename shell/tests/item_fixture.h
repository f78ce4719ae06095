#pragma once

// A real document with two resource groups among ungrouped resources, and
// item dialogs that answer from a script.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "data_library.h"
#include "item_commands.h"
#include "plan_builder.h"
#include "plat/checked_format.h"
#include "plat/dynlib.h"
#include "plat/resource_strings.h"
#include "string_ids.h"
#include "testing/fake_history.h"

namespace itemtest {

constexpr int32_t kDay = 2460003;

// The dialogs answer from a script and remember what they were asked.
class ScriptedItemDialogs : public IItemDialogs {
public:
    bool RunResourceDialog(ResourceFields& f) override {
        resourceDialogs.push_back(f);
        return onResource && onResource(f);
    }
    bool RunTaskDialog(TaskFields& f) override {
        taskDialogs.push_back(f);
        return onTask && onTask(f);
    }
    bool RunResourceGroupDialog(GroupFields<CResourceGroup>& f) override {
        ++groupDialogs;
        return onGroup && onGroup(f.name);
    }
    bool RunTaskGroupDialog(GroupFields<CTaskGroup>& f) override {
        ++groupDialogs;
        return onGroup && onGroup(f.name);
    }
    bool ConfirmDelete(unsigned stringId, const std::string& name) override {
        questions.push_back(plat::FormatChecked(plat::LoadResString(stringId), {name.c_str()}));
        return confirm;
    }

    std::function<bool(ResourceFields&)> onResource;
    std::function<bool(TaskFields&)> onTask;
    std::function<bool(std::string&)> onGroup;
    bool confirm = true;
    std::vector<ResourceFields> resourceDialogs;
    std::vector<TaskFields> taskDialogs;
    int groupDialogs = 0;
    std::vector<std::string> questions;
};

template <class Record, class Collection>
std::vector<Record*> All(Collection* collection) {
    std::vector<Record*> records(static_cast<std::size_t>(collection->GetCount()));
    collection->GetAll(records.data());
    return records;
}

// The resource lists as the user sees their order: top-level records by
// index as "name:index", a group's items in brackets after it.
inline std::string Order(CPlanData* data) {
    struct Top {
        int32_t index;
        std::string text;
    };
    std::vector<Top> top;
    const auto groups = All<CResourceGroup>(data->resourceGroups);
    const auto resources = All<CResource>(data->resources);
    for (CResourceGroup* g : groups) {
        std::vector<CResource*> members;
        for (CResource* r : resources)
            if (r->group == g) members.push_back(r);
        std::stable_sort(members.begin(), members.end(),
                         [](auto* a, auto* b) { return a->orderIndex < b->orderIndex; });
        std::string text = std::string(g->name) + ":" + std::to_string(g->orderIndex) + "(";
        for (CResource* r : members) text += (text.back() == '(' ? "" : " ") + std::string(r->name) + ":" + std::to_string(r->orderIndex);
        top.push_back({g->orderIndex, text + ")"});
    }
    for (CResource* r : resources)
        if (r->group == nullptr) top.push_back({r->orderIndex, std::string(r->name) + ":" + std::to_string(r->orderIndex)});
    std::stable_sort(top.begin(), top.end(), [](const Top& a, const Top& b) { return a.index < b.index; });
    std::string text;
    for (const Top& t : top) text += (text.empty() ? "" : " ") + t.text;
    return text;
}

// Every record of the lists with every field, references by name.
inline std::string Snapshot(CPlanData* data) {
    std::vector<std::string> lines;
    for (CResourceGroup* g : All<CResourceGroup>(data->resourceGroups))
        lines.push_back("group " + std::to_string(g->id) + " " + g->name + " " + std::to_string(g->orderIndex));
    for (CResource* r : All<CResource>(data->resources))
        lines.push_back("resource " + std::to_string(r->id) + " " + r->name + " " + std::to_string(r->orderIndex) +
                        " " + (r->group ? r->group->name : "-") + " " + r->description);
    for (CBooking* b : All<CBooking>(data->bookings))
        lines.push_back("booking " + std::to_string(b->id) + " " + b->resource->name + " " + b->task->name + " " +
                        std::to_string(b->startDay));
    std::sort(lines.begin(), lines.end());
    std::string text;
    for (const auto& line : lines) text += line + "\n";
    return text;
}

class ItemCommandsTest : public ::testing::Test {
public:
    void SetUp() override {
        static void* resources = plat::LoadLibrary("libQELRes.so");
        plat::SetResourceModule(resources);
        ASSERT_NE(data, nullptr) << library.error();
        a = plan.Resource("A", 0);
        g1 = plan.ResourceGroup("G1", 1);
        g1a = plan.Resource("g1a", 0, g1);
        g1b = plan.Resource("g1b", 1, g1);
        g1c = plan.Resource("g1c", 2, g1);
        b = plan.Resource("B", 2);
        g2 = plan.ResourceGroup("G2", 3);
        g2a = plan.Resource("g2a", 0, g2);
        c = plan.Resource("C", 4);
        history.Clear();
    }

    std::string LastStep() const { return history.undoList.empty() ? "" : history.undoList.back().name; }
    // The resource dialog answers OK with this name and group.
    void Answer(const char* name, CResourceGroup* group) {
        dialogs.onResource = [=](ResourceFields& f) {
            f.name = name;
            f.group = group;
            return true;
        };
    }

    FakeHistory history;
    dlgtest::DataLibrary library{&history};
    CPlanData* data = library.data();
    dlgtest::PlanBuilder plan{data};
    ScriptedItemDialogs dialogs;
    CResourceCommands commands{data, dialogs};
    CResource *a = nullptr, *b = nullptr, *c = nullptr, *g1a = nullptr, *g1b = nullptr, *g1c = nullptr,
              *g2a = nullptr;
    CResourceGroup *g1 = nullptr, *g2 = nullptr;
};

// The fixture's lists as Order shows them.
inline constexpr const char* kStart = "A:0 G1:1(g1a:0 g1b:1 g1c:2) B:2 G2:3(g2a:0) C:4";

}  // namespace itemtest
