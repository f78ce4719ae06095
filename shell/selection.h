#pragma once

// The current selection as the host keeps it, and the order of bookings in
// the booking lists.

#include <cstdint>
#include <set>

#include "plan_data.h"
#include "plugin_records.h"

// Owns a SelectionRecord for the visible view to fill. With arrays, each is
// as large as its collection, so any selection of the document fits; without
// arrays the view reports counts and the period only.
class CSelection {
public:
    CSelection(CPlanData* data, bool withArrays);
    ~CSelection();
    CSelection(const CSelection&) = delete;
    CSelection& operator=(const CSelection&) = delete;

    SelectionRecord* Record() { return record_; }
    const SelectionRecord* Record() const { return record_; }

    bool HasBookings() const;
    // A period is selected.
    bool HasItems() const;
    // Adds the selected resources and the members of the selected resource
    // groups, and likewise the tasks; true when either set is not empty then.
    bool ExpandToItems(std::set<CResource*>& resources, std::set<CTask*>& tasks) const;
    // The first of the tasks ExpandToItems collects: the first selected task,
    // else the first task by order index of the first selected task group
    // that has one; null when there is none.
    CTask* FirstTask() const;

private:
    SelectionRecord* record_;
};

// The booking lists' order. Columns: 0 resource, task, start, end; 1 task,
// resource, start, end; 2 start, resource, task; 3 start minutes of the day,
// resource, task; 4 end, resource, task; 5 end minutes of the day, resource,
// task; 6 start, greater end minutes first, resource, task; others resource,
// task. Descending negates every step.
class CompareBookings {
public:
    CompareBookings(bool ascending, std::int32_t column) : ascending_(ascending), column_(column) {}
    bool operator()(const CBooking* a, const CBooking* b) const;

private:
    bool ascending_;
    std::int32_t column_;
};
