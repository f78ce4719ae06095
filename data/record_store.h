#pragma once

// The records of one collection in their order, with the id counter and the
// lookups by id and by pointer. The id table is kept as records join and
// leave, so the first undo after opening a large plan finds its records at
// once; the pointer set, needed only to check pointers handed in from
// outside, is built on first use.

#include <algorithm>
#include <climits>
#include <cstdint>
#include <unordered_set>
#include <vector>

#include "id_table.h"
#include "large_memory.h"
#include "record_core.h"

template <class Rec>
class RecordStore {
public:
    ~RecordStore() { FreeAll(); }

    const LargeVector<Rec*>& Items() const { return items_; }
    LargeVector<Rec*>& MutableItems() { return items_; }

    // Ids only grow: a new record takes the next id, one read from a file
    // moves the counter past it.
    void AssignId(int32_t& id) {
        if (id == 0) {
            id = nextId_;
            if (nextId_ < INT32_MAX) ++nextId_;
        } else if (id >= nextId_) {
            nextId_ = id < INT32_MAX ? id + 1 : INT32_MAX;
        }
    }

    // About this many records join now.
    void Expect(std::size_t joining) { byId_.Expect(items_.size() + joining); }
    void Joined(Rec* record) {
        record->inCollection = true;
        byId_.Insert(record->id, record);
        if (membersBuilt_) members_.insert(record);
    }
    void Left(Rec* record) {
        record->inCollection = false;
        byId_.Erase(record->id, record);
        if (membersBuilt_) members_.erase(record);
    }

    // Removed records leave (order kept), added ones are appended.
    void Apply(const RecordPointers& added, const RecordPointers& removed) {
        if (!removed.empty()) {
            for (RecordCore* record : removed) Left(static_cast<Rec*>(record));
            std::erase_if(items_, [](Rec* record) { return !record->inCollection; });
        }
        Expect(added.size());
        for (RecordCore* record : added) {
            items_.push_back(static_cast<Rec*>(record));
            Joined(static_cast<Rec*>(record));
        }
    }

    Rec* FindById(int32_t id) const { return byId_.Find(id); }
    bool Contains(const void* record) {
        if (!record) return false;
        if (!membersBuilt_) {
            members_.reserve(items_.size());
            members_.insert(items_.begin(), items_.end());
            membersBuilt_ = true;
        }
        return members_.count(record) != 0;
    }

    void FreeAll() {
        for (Rec* record : items_) delete static_cast<RecordCore*>(record);
        items_ = {};
        byId_.Clear();
        members_ = {};
        membersBuilt_ = false;
    }

private:
    LargeVector<Rec*> items_;
    int32_t nextId_ = 1;
    IdTable<Rec> byId_;
    bool membersBuilt_ = false;
    std::unordered_set<const void*> members_;
};
