#pragma once

// What a load has read so far: references resolve only to records of the
// same load, so groups come before their members and both before bookings.

#include <climits>
#include <cstdint>

#include "id_table.h"

class CResourceGroup;
class CResource;
class CTaskGroup;
class CTask;

struct LoadContext {
    IdTable<CResourceGroup> resourceGroups;
    IdTable<CResource> resources;
    IdTable<CTaskGroup> taskGroups;
    IdTable<CTask> tasks;
};

// Ids in a file must be positive, below the largest value (the next id must
// still fit) and, within a kind, distinct.
inline bool IsUsableFileId(int32_t id) { return id > 0 && id < INT32_MAX; }
