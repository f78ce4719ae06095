#pragma once

// A set of record pointers that keeps insertion order (so saves are
// deterministic) and answers membership in constant time. The pointers are
// compared, never dereferenced.

#include <algorithm>
#include <cstdint>
#include <unordered_set>
#include <vector>

template <class T>
class PointerSet {
public:
    bool Contains(const T* item) const { return lookup_.count(item) != 0; }
    int32_t Count() const { return static_cast<int32_t>(items_.size()); }
    const std::vector<T*>& Items() const { return items_; }

    void Insert(T* item) {
        if (item && lookup_.insert(item).second) items_.push_back(item);
    }
    bool Erase(const T* item) {
        if (lookup_.erase(item) == 0) return false;
        items_.erase(std::find(items_.begin(), items_.end(), item));
        return true;
    }
    void Clear() {
        items_.clear();
        lookup_.clear();
    }
    void Assign(T* const* items, int32_t count) {
        Clear();
        for (int32_t i = 0; items && i < count; ++i) Insert(items[i]);
    }
    template <class Keep>
    void KeepIf(Keep keep) {
        std::vector<T*> kept;
        for (T* item : items_)
            if (keep(item)) kept.push_back(item);
        Assign(kept.data(), static_cast<int32_t>(kept.size()));
    }
    int32_t CopyTo(T** buffer) const {
        if (buffer) std::copy(items_.begin(), items_.end(), buffer);
        return Count();
    }

private:
    std::vector<T*> items_;
    std::unordered_set<const T*> lookup_;
};
