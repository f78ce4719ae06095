#pragma once

// One collection per record kind, reached through the root's members.
// Get operations that take a buffer fill it when it is not null and return
// the count; the caller sizes the buffer from the count.

#include <cstdint>

#include "plan_records.h"

// Resource groups, task groups and filters.
template <class Record>
class CSimpleCollection {
public:
    // A new record, owned by the caller until Add succeeds.
    virtual Record* Create() = 0;
    // Inside the open transaction; 2 (and the transaction cancelled) when not valid.
    virtual int32_t Add(Record* record) = 0;
    virtual int32_t GetCount() = 0;
    virtual int32_t GetAll(Record** buffer) = 0;
    virtual Record* GetAt(uint32_t index) = 0;
    // The pointer is a record of this collection (it is never dereferenced).
    virtual bool Contains(const Record* record) = 0;

protected:
    virtual ~CSimpleCollection() = default;
};

// Resources and tasks.
template <class Record, class Group>
class CGroupedCollection {
public:
    virtual Record* Create() = 0;
    virtual int32_t Add(Record* record) = 0;
    virtual int32_t GetCount() = 0;
    virtual int32_t GetAll(Record** buffer) = 0;
    virtual Record* GetAt(uint32_t index) = 0;
    virtual int32_t GetGroupMemberCount(const Group* group) = 0;
    // The records whose group is group; a null group gives the ungrouped ones.
    virtual int32_t GetByGroup(const Group* group, Record** buffer) = 0;
    virtual bool Contains(const Record* record) = 0;

protected:
    virtual ~CGroupedCollection() = default;
};

class CResourceGroupCollection : public CSimpleCollection<CResourceGroup> {};
class CTaskGroupCollection : public CSimpleCollection<CTaskGroup> {};
class CFilterCollection : public CSimpleCollection<CFilter> {};
class CResourceCollection : public CGroupedCollection<CResource, CResourceGroup> {};
class CTaskCollection : public CGroupedCollection<CTask, CTaskGroup> {};

// Bookings, kept in order of start (day, then minutes; equal starts in the
// order they were added).
class CBookingCollection {
public:
    virtual CBooking* Create() = 0;
    virtual int32_t Add(CBooking* booking) = 0;
    virtual int32_t GetCountInPeriod(int32_t startDay, int16_t startMinutes, int32_t endDay,
                                     int16_t endMinutes) = 0;
    virtual int32_t GetCount() = 0;
    // The bookings overlapping [S, E): first those starting before S and
    // ending after S, then those starting at or after S and before E, each
    // part in start order.
    virtual int32_t GetInPeriod(CBooking** buffer, int32_t startDay, int16_t startMinutes,
                                int32_t endDay, int16_t endMinutes) = 0;
    virtual int32_t GetAll(CBooking** buffer) = 0;
    virtual CBooking* GetAt(int32_t index) = 0;
    virtual bool Contains(const CBooking* booking) = 0;

protected:
    virtual ~CBookingCollection() = default;
};
