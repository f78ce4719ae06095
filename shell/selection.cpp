#include "selection.h"

#include <algorithm>
#include <array>
#include <vector>

#include "support/comparators.h"

namespace {

template <class T>
void Allocate(T**& array, std::int32_t& capacity, std::int32_t count) {
    capacity = count > 0 ? count : 0;
    array = new T*[static_cast<std::size_t>(capacity)]();
}

int Sign(std::int64_t difference) { return difference < 0 ? -1 : (difference > 0 ? 1 : 0); }

int CompareName(const char* a, const char* b) {
    return CompareNames(a != nullptr ? a : "", b != nullptr ? b : "");
}

int CompareResources(const CBooking* a, const CBooking* b) {
    return CompareName(a->resource ? a->resource->name : nullptr, b->resource ? b->resource->name : nullptr);
}

int CompareTasks(const CBooking* a, const CBooking* b) {
    return CompareName(a->task ? a->task->name : nullptr, b->task ? b->task->name : nullptr);
}

int CompareStarts(const CBooking* a, const CBooking* b) {
    if (a->startDay != b->startDay) return Sign(std::int64_t(a->startDay) - b->startDay);
    return Sign(a->startMinutes - b->startMinutes);
}

int CompareEnds(const CBooking* a, const CBooking* b) {
    if (a->endDay != b->endDay) return Sign(std::int64_t(a->endDay) - b->endDay);
    return Sign(a->endMinutes - b->endMinutes);
}

}  // namespace

CSelection::CSelection(CPlanData* data, bool withArrays) : record_(new SelectionRecord{}) {
    if (!withArrays) return;
    const bool have = data != nullptr;
    Allocate(record_->bookings, record_->bookingCapacity, have ? data->bookings->GetCount() : 0);
    Allocate(record_->resourceGroups, record_->resourceGroupCapacity,
             have ? data->resourceGroups->GetCount() : 0);
    Allocate(record_->resources, record_->resourceCapacity, have ? data->resources->GetCount() : 0);
    Allocate(record_->taskGroups, record_->taskGroupCapacity, have ? data->taskGroups->GetCount() : 0);
    Allocate(record_->tasks, record_->taskCapacity, have ? data->tasks->GetCount() : 0);
}

CSelection::~CSelection() {
    delete[] record_->bookings;
    delete[] record_->resourceGroups;
    delete[] record_->resources;
    delete[] record_->taskGroups;
    delete[] record_->tasks;
    delete record_;
}

bool CSelection::HasBookings() const { return record_->bookingCount > 0; }

bool CSelection::HasItems() const { return record_->startDate != 0; }

namespace {

// The first count entries of an array the view filled, never more than it holds.
template <class T>
std::int32_t Filled(T** array, std::int32_t count, std::int32_t capacity) {
    if (array == nullptr || count <= 0) return 0;
    return count < capacity ? count : capacity;
}

template <class Group, class Item>
void AddMembers(Group* group, std::set<Item*>& out, std::int32_t (Group::*countOf)(),
                std::int32_t (Group::*membersOf)(Item**)) {
    if (group == nullptr) return;
    std::vector<Item*> members(static_cast<std::size_t>(std::max((group->*countOf)(), 0)));
    const std::int32_t n = (group->*membersOf)(members.data());
    members.resize(static_cast<std::size_t>(std::clamp<std::int32_t>(n, 0, std::int32_t(members.size()))));
    for (Item* item : members)
        if (item != nullptr) out.insert(item);
}

}  // namespace

bool CSelection::ExpandToItems(std::set<CResource*>& resources, std::set<CTask*>& tasks) const {
    const SelectionRecord& r = *record_;
    for (std::int32_t i = 0; i < Filled(r.resources, r.resourceCount, r.resourceCapacity); ++i)
        if (r.resources[i] != nullptr) resources.insert(r.resources[i]);
    for (std::int32_t i = 0; i < Filled(r.resourceGroups, r.resourceGroupCount, r.resourceGroupCapacity); ++i)
        AddMembers(r.resourceGroups[i], resources, &CResourceGroup::GetResourceCount,
                   &CResourceGroup::GetResources);
    for (std::int32_t i = 0; i < Filled(r.tasks, r.taskCount, r.taskCapacity); ++i)
        if (r.tasks[i] != nullptr) tasks.insert(r.tasks[i]);
    for (std::int32_t i = 0; i < Filled(r.taskGroups, r.taskGroupCount, r.taskGroupCapacity); ++i)
        AddMembers(r.taskGroups[i], tasks, &CTaskGroup::GetTaskCount, &CTaskGroup::GetTasks);
    return !resources.empty() || !tasks.empty();
}

CTask* CSelection::FirstTask() const {
    const SelectionRecord& r = *record_;
    for (std::int32_t i = 0; i < Filled(r.tasks, r.taskCount, r.taskCapacity); ++i)
        if (r.tasks[i] != nullptr) return r.tasks[i];
    for (std::int32_t i = 0; i < Filled(r.taskGroups, r.taskGroupCount, r.taskGroupCapacity); ++i) {
        std::set<CTask*> members;
        AddMembers(r.taskGroups[i], members, &CTaskGroup::GetTaskCount, &CTaskGroup::GetTasks);
        const auto first = std::min_element(members.begin(), members.end(), [](const CTask* a, const CTask* b) {
            return a->orderIndex < b->orderIndex;
        });
        if (first != members.end()) return *first;
    }
    return nullptr;
}

namespace {

// One step of the order; EndMinutesReversed puts the greater end minutes first.
enum class Step { Resource, Task, Start, End, StartMinutes, EndMinutes, EndMinutesReversed, None };

int Compare(Step step, const CBooking* a, const CBooking* b) {
    switch (step) {
    case Step::Resource: return CompareResources(a, b);
    case Step::Task: return CompareTasks(a, b);
    case Step::Start: return CompareStarts(a, b);
    case Step::End: return CompareEnds(a, b);
    case Step::StartMinutes: return Sign(a->startMinutes - b->startMinutes);
    case Step::EndMinutes: return Sign(a->endMinutes - b->endMinutes);
    case Step::EndMinutesReversed: return Sign(b->endMinutes - a->endMinutes);
    case Step::None: break;
    }
    return 0;
}

using Steps = std::array<Step, 4>;

// Names are compared only when the steps before them tie.
Steps StepsOf(std::int32_t column) {
    using enum Step;
    switch (column) {
    case 0: return {Resource, Task, Start, End};
    case 1: return {Task, Resource, Start, End};
    case 2: return {Start, Resource, Task, None};
    case 3: return {StartMinutes, Resource, Task, None};
    case 4: return {End, Resource, Task, None};
    case 5: return {EndMinutes, Resource, Task, None};
    case 6: return {Start, EndMinutesReversed, Resource, Task};
    default: return {Resource, Task, None, None};
    }
}

}  // namespace

bool CompareBookings::operator()(const CBooking* a, const CBooking* b) const {
    // A null entry goes last, in either direction.
    if (a == nullptr || b == nullptr) return a != nullptr;
    for (Step step : StepsOf(column_)) {
        const int order = Compare(step, a, b);
        if (order != 0) return (ascending_ ? order : -order) < 0;
    }
    return false;
}
