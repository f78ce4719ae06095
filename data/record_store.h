#pragma once

// The records of one collection in their order, with the id counter and the
// lookups by id and by pointer. The lookups are built on first use and then
// kept up to date, so loading a large plan does not pay for them.

#include <algorithm>
#include <climits>
#include <cstdint>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "record_core.h"

template <class Rec>
class RecordStore {
public:
    ~RecordStore() { FreeAll(); }

    const std::vector<Rec*>& Items() const { return items_; }
    std::vector<Rec*>& MutableItems() { return items_; }

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

    void Joined(Rec* record) {
        record->inCollection = true;
        if (indexed_) {
            byId_[record->id] = record;
            members_.insert(record);
        }
    }
    void Left(Rec* record) {
        record->inCollection = false;
        if (indexed_) {
            auto found = byId_.find(record->id);
            if (found != byId_.end() && found->second == record) byId_.erase(found);
            members_.erase(record);
        }
    }

    // Removed records leave (order kept), added ones are appended.
    void Apply(const std::vector<RecordCore*>& added, const std::vector<RecordCore*>& removed) {
        if (!removed.empty()) {
            for (RecordCore* record : removed) Left(static_cast<Rec*>(record));
            std::erase_if(items_, [](Rec* record) { return !record->inCollection; });
        }
        for (RecordCore* record : added) {
            items_.push_back(static_cast<Rec*>(record));
            Joined(static_cast<Rec*>(record));
        }
    }

    Rec* FindById(int32_t id) {
        BuildIndex();
        auto found = byId_.find(id);
        return found == byId_.end() ? nullptr : found->second;
    }
    bool Contains(const void* record) {
        if (!record) return false;
        BuildIndex();
        return members_.count(record) != 0;
    }

    void FreeAll() {
        for (Rec* record : items_) delete static_cast<RecordCore*>(record);
        items_.clear();
        byId_.clear();
        members_.clear();
        indexed_ = false;
    }

private:
    void BuildIndex() {
        if (indexed_) return;
        byId_.reserve(items_.size());
        members_.reserve(items_.size());
        for (Rec* record : items_) {
            byId_[record->id] = record;
            members_.insert(record);
        }
        indexed_ = true;
    }

    std::vector<Rec*> items_;
    int32_t nextId_ = 1;
    bool indexed_ = false;
    std::unordered_map<int32_t, Rec*> byId_;
    std::unordered_set<const void*> members_;
};
