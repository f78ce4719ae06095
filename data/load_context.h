#pragma once

// What a load has read so far: references resolve only to records of the
// same load, so groups come before their members and both before bookings.

#include <climits>
#include <cstdint>
#include <unordered_map>

class CResourceGroup;
class CResource;
class CTaskGroup;
class CTask;

struct LoadContext {
    std::unordered_map<int32_t, CResourceGroup*> resourceGroups;
    std::unordered_map<int32_t, CResource*> resources;
    std::unordered_map<int32_t, CTaskGroup*> taskGroups;
    std::unordered_map<int32_t, CTask*> tasks;

    template <class Record>
    static Record* Find(const std::unordered_map<int32_t, Record*>& map, int32_t id) {
        auto found = map.find(id);
        return found == map.end() ? nullptr : found->second;
    }
};

// Ids in a file must be positive, below the largest value (the next id must
// still fit) and, within a kind, distinct.
inline bool IsUsableFileId(int32_t id) { return id > 0 && id < INT32_MAX; }
