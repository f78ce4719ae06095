#pragma once

// Records by id. Ids are mostly dense (1, 2, 3, ... as the collection hands
// them out), so a vector indexed by id answers with one load; an id far
// beyond the records there are (a crafted file, or few records left of
// many) goes to a hash map instead, so the table never grows past a small
// multiple of the record count.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "large_memory.h"

template <class Record>
class IdTable {
public:
    Record* Find(int32_t id) const {
        if (id >= 0 && static_cast<std::size_t>(id) < dense_.size()) return dense_[static_cast<std::size_t>(id)];
        if (sparse_.empty()) return nullptr;
        auto found = sparse_.find(id);
        return found == sparse_.end() ? nullptr : found->second;
    }

    // False when the id is taken already.
    bool Insert(int32_t id, Record* record) {
        if (id >= 0 && static_cast<std::size_t>(id) < DenseLimit()) {
            auto index = static_cast<std::size_t>(id);
            if (index >= dense_.size()) dense_.resize(std::max(index + 1, dense_.size() + dense_.size() / 2), nullptr);
            if (dense_[index]) return false;
            dense_[index] = record;
        } else if (!sparse_.emplace(id, record).second) {
            return false;
        }
        ++count_;
        return true;
    }

    // Removes the entry when it holds this record.
    void Erase(int32_t id, const Record* record) {
        if (id >= 0 && static_cast<std::size_t>(id) < dense_.size()) {
            Record*& slot = dense_[static_cast<std::size_t>(id)];
            if (slot != record) return;
            slot = nullptr;
        } else {
            auto found = sparse_.find(id);
            if (found == sparse_.end() || found->second != record) return;
            sparse_.erase(found);
        }
        --count_;
    }

    // About this many records are coming: their ids, when dense, need no
    // detour through the hash map while the table fills.
    void Expect(std::size_t records) { expected_ = std::max(expected_, records); }

    void Clear() {
        dense_ = {};
        sparse_ = {};
        count_ = 0;
        expected_ = 0;
    }

private:
    static std::size_t DenseLimit(std::size_t records) { return 2 * records + 1024; }
    std::size_t DenseLimit() const { return std::max(dense_.size(), DenseLimit(std::max(count_ + 1, expected_))); }

    LargeVector<Record*> dense_;
    std::unordered_map<int32_t, Record*> sparse_;
    std::size_t count_ = 0;
    std::size_t expected_ = 0;
};
