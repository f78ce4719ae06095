#pragma once

// Every record of a document as text, to compare a document before a change
// with the same document after the change was undone.

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "plan_data.h"

namespace dlgtest {

template <class Record, class Collection>
std::vector<Record*> All(Collection* collection) {
    std::vector<Record*> records(static_cast<std::size_t>(collection->GetCount()));
    collection->GetAll(records.data());
    return records;
}

// Named records by id: where the store keeps them is not part of the
// document (a deletion undone puts a record back at the store's end); the
// user's order is the order index, which the dump holds.
template <class Record, class Collection>
std::vector<Record*> ById(Collection* collection) {
    std::vector<Record*> records = All<Record>(collection);
    std::sort(records.begin(), records.end(), [](const Record* a, const Record* b) { return a->id < b->id; });
    return records;
}

inline int32_t IdOf(const CRecord* record) { return record != nullptr ? record->id : 0; }

inline std::string Bytes(const uint8_t* bytes, std::size_t size) { return std::string(bytes, bytes + size); }

// Every record of the document with every field, references by id.
inline std::string Dump(CPlanData* data) {
    std::ostringstream out;
    const CPlanProperties& p = *data->properties;
    out << "properties " << p.periodStart << ' ' << p.periodEnd << ' ' << p.dayStartMinutes << ' '
        << p.dayEndMinutes << ' ' << Bytes(p.workingDays, 7) << '\n';
    for (CResourceGroup* g : ById<CResourceGroup>(data->resourceGroups))
        out << "resource group " << g->id << ' ' << g->name << ' ' << g->orderIndex << ' ' << g->description << '\n';
    for (CResource* r : ById<CResource>(data->resources))
        out << "resource " << r->id << ' ' << r->name << ' ' << r->orderIndex << ' ' << IdOf(r->group) << ' '
            << r->description << '\n';
    for (CTaskGroup* g : ById<CTaskGroup>(data->taskGroups))
        out << "task group " << g->id << ' ' << g->name << ' ' << g->orderIndex << '\n';
    for (CTask* t : ById<CTask>(data->tasks))
        out << "task " << t->id << ' ' << t->name << ' ' << t->orderIndex << ' ' << IdOf(t->group) << ' '
            << t->color1 << ' ' << t->color2 << '\n';
    for (CBooking* b : All<CBooking>(data->bookings))
        out << "booking " << b->id << ' ' << b->startDay << ' ' << b->startMinutes << ' ' << b->endDay << ' '
            << b->endMinutes << ' ' << IdOf(b->resource) << ' ' << IdOf(b->task) << ' ' << b->color1 << ' '
            << b->color2 << ' ' << int(b->flag) << " [" << b->text << "] " << Bytes(b->reserved, 50) << '\n';
    return out.str();
}

}  // namespace dlgtest
