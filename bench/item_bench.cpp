// The list commands on large lists, each with its undo: sorting 10,000
// resources by name, regrouping them (a group of 10,000 deleted, its members
// moved to the top level), and deleting a resource that has 1,000 bookings.
// QEL_BENCH_SIZE=small runs the same on lists a thousand times smaller.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "item_commands.h"
#include "plan_generator.h"
#include "plan_root.h"
#include "plat/resource_strings.h"
#include "resource_library.h"
#include "testing/fake_history.h"

namespace {

int Scaled(int count) { return IsSmallBenchRun() ? count / 1000 : count; }

// Every dialog says OK, every question Yes, and nothing is changed in them.
class AcceptingDialogs : public IItemDialogs {
public:
    bool RunResourceDialog(ResourceFields&) override { return true; }
    bool RunTaskDialog(TaskFields&) override { return true; }
    bool RunResourceGroupDialog(GroupFields<CResourceGroup>&) override { return true; }
    bool RunTaskGroupDialog(GroupFields<CTaskGroup>&) override { return true; }
    bool ConfirmDelete(unsigned, const std::string&) override { return true; }
};

// Resources named in reverse order, all in one group or all ungrouped, and
// bookings of the first resource.
struct ItemPlan {
    explicit ItemPlan(bool grouped, int bookings = 0) : root(&history) {
        root.BeginTransaction("setup");
        if (grouped) {
            group = root.resourceGroups->Create();
            group->SetName("All");
            group->orderIndex = 0;
            root.resourceGroups->Add(group);
        }
        const int count = Scaled(10000);
        CTask* task = root.tasks->Create();
        task->SetName("Task");
        root.tasks->Add(task);
        for (int i = 0; i < count; ++i) {
            CResource* r = root.resources->Create();
            r->SetName("Resource " + std::to_string(100000 - i));
            r->orderIndex = i + (grouped ? 0 : 1);
            r->group = group;
            root.resources->Add(r);
            if (i == 0) first = r;
        }
        for (int i = 0; i < bookings; ++i) {
            CBooking* b = root.bookings->Create();
            b->resource = first;
            b->task = task;
            b->startDay = b->endDay = 2460000 + i;
            b->endMinutes = 60;
            root.bookings->Add(b);
        }
        root.CommitTransaction();
        history.Clear();
    }

    FakeHistory history;
    PlanRoot root;
    AcceptingDialogs dialogs;
    CResourceCommands commands{&root, dialogs};
    CResourceGroup* group = nullptr;
    CResource* first = nullptr;
};

bool UndoOneStep(ItemPlan& plan) { return plan.history.undoList.size() == 1 && plan.history.Undo(); }

void BM_SortResources(benchmark::State& state) {
    ItemPlan plan(false);
    for (auto _ : state) {
        if (!plan.commands.SortByName() || !UndoOneStep(plan)) state.SkipWithError("sort or undo failed");
    }
}
BENCHMARK(BM_SortResources)->Unit(benchmark::kMillisecond);

void BM_RegroupResources(benchmark::State& state) {
    ItemPlan plan(true);
    for (auto _ : state) {
        if (!plan.commands.DeleteGroup(plan.group) || !UndoOneStep(plan))
            state.SkipWithError("regroup or undo failed");
    }
}
BENCHMARK(BM_RegroupResources)->Unit(benchmark::kMillisecond);

void BM_DeleteResourceWithBookings(benchmark::State& state) {
    ItemPlan plan(false, IsSmallBenchRun() ? 10 : 1000);
    for (auto _ : state) {
        if (!plan.commands.DeleteItem(plan.first) || !UndoOneStep(plan))
            state.SkipWithError("delete or undo failed");
    }
}
BENCHMARK(BM_DeleteResourceWithBookings)->Unit(benchmark::kMillisecond);

}  // namespace

// Undo steps are named from the resource library; an unnamed change keeps no step.
int main(int argc, char** argv) {
    plat::SetResourceStringSource(QELRes_GetString);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
