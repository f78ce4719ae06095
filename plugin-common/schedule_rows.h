#pragma once

// The rows of a schedule before layout: groups and their members in tree
// order, and what the public filter lets through.

#include <vector>

#include "plan_records.h"
#include "support/comparators.h"

// A group row holds only its group, an item row only its item; resource
// mode uses the first two references, task mode the last two.
struct ScheduleRowItem {
    CResourceGroup* resourceGroup = nullptr;
    CResource* resource = nullptr;
    CTaskGroup* taskGroup = nullptr;
    CTask* task = nullptr;

    bool IsGroup() const { return resourceGroup != nullptr || taskGroup != nullptr; }
    friend bool operator==(const ScheduleRowItem&, const ScheduleRowItem&) = default;
};

// (group, none) for every group, (none, item) for every item of a listed
// group or of none, in tree order: groups and ungrouped items by order
// index, each group's items right after it by theirs.
void BuildResourceRowList(const std::vector<CResourceGroup*>& groups,
                          const std::vector<CResource*>& resources,
                          std::vector<ResourceTreePair>& pairs);
void BuildTaskRowList(const std::vector<CTaskGroup*>& groups, const std::vector<CTask*>& tasks,
                      std::vector<TaskTreePair>& pairs);

// True when filter (null: none) excludes the row's resource group,
// resource, task group or task.
bool IsExcludedByFilter(const ScheduleRowItem& row, CFilter* filter);

// Appends the bookings to list: all of them when filter is null, else those
// its booking filter lets through. Returns the list's length.
int FilterObjects(CBooking* const* bookings, int count, std::vector<CBooking*>& list, CFilter* filter);
