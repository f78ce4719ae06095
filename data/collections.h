#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "booking_order.h"
#include "owner_index.h"
#include "plan_collections.h"
#include "record_store.h"
#include "records.h"

class PlanRoot;

// Add of any kind: inside the open transaction, refused with 2 (and the
// transaction cancelled) when the record is not valid.
int32_t AddRecord(PlanRoot& root, CRecordList& list, RecordCore* record);

// What every collection of named records does.
template <class Rec, class Pub, class PubCollection>
class CollectionBase : public PubCollection, public CRecordList {
public:
    CollectionBase(CPlanData* root, RecordKind kind) : root_(root), kind_(kind) {}

    Pub* Create() override { return new Rec(root_, this); }
    int32_t Add(Pub* record) override {
        if (!record || record->owner != this) return kDataInvalidRecord;
        return AddRecord(RootOf(root_), *this, Rec::From(record));
    }
    int32_t GetCount() override { return static_cast<int32_t>(store_.Items().size()); }
    int32_t GetAll(Pub** buffer) override {
        if (buffer) std::copy(store_.Items().begin(), store_.Items().end(), buffer);
        return GetCount();
    }
    Pub* GetAt(uint32_t index) override {
        return index < store_.Items().size() ? store_.Items()[index] : nullptr;
    }
    bool Contains(const Pub* record) override { return store_.Contains(record); }

    RecordKind Kind() const override { return kind_; }
    void ApplyCommit(const RecordPointers& added, const RecordPointers&,
                     const RecordPointers& removed) override {
        store_.Apply(added, removed);
    }
    RecordCore* FindById(int32_t id) override { return store_.FindById(id); }
    void DocumentChanged() override {}
    void FreeAll() override { store_.FreeAll(); }
    void AssignId(RecordCore& record) override { store_.AssignId(static_cast<Rec&>(record).id); }

    const LargeVector<Rec*>& Items() const { return store_.Items(); }

protected:
    ~CollectionBase() override = default;

private:
    CPlanData* root_;
    RecordKind kind_;
    RecordStore<Rec> store_;
};

// Resource groups, task groups and filters.
template <class Rec, class Pub, class PubCollection>
class SimpleCollection final : public CollectionBase<Rec, Pub, PubCollection> {
public:
    using CollectionBase<Rec, Pub, PubCollection>::CollectionBase;
};

// Resources and tasks.
template <class Rec, class Pub, class Group, class PubCollection>
class GroupedCollection final : public CollectionBase<Rec, Pub, PubCollection> {
public:
    using CollectionBase<Rec, Pub, PubCollection>::CollectionBase;

    int32_t GetGroupMemberCount(const Group* group) override { return GetByGroup(group, nullptr); }
    int32_t GetByGroup(const Group* group, Pub** buffer) override {
        int32_t count = 0;
        for (Rec* record : this->Items()) {
            if (record->group != group) continue;
            if (buffer) buffer[count] = record;
            ++count;
        }
        return count;
    }
};

using ResourceGroupCollection =
    SimpleCollection<ResourceGroupRecord, CResourceGroup, CResourceGroupCollection>;
using TaskGroupCollection = SimpleCollection<TaskGroupRecord, CTaskGroup, CTaskGroupCollection>;
using FilterCollection = SimpleCollection<FilterRecord, CFilter, CFilterCollection>;
using ResourceCollection =
    GroupedCollection<ResourceRecord, CResource, CResourceGroup, CResourceCollection>;
using TaskCollection = GroupedCollection<TaskRecord, CTask, CTaskGroup, CTaskCollection>;

// Bookings in start order, with the period queries.
class BookingCollection final : public CBookingCollection, public CRecordList {
public:
    explicit BookingCollection(CPlanData* root) : root_(root) {}
    ~BookingCollection() override = default;

    CBooking* Create() override { return new BookingRecord(root_, this); }
    int32_t Add(CBooking* booking) override;
    int32_t GetCountInPeriod(int32_t startDay, int16_t startMinutes, int32_t endDay,
                             int16_t endMinutes) override;
    int32_t GetCount() override { return static_cast<int32_t>(store_.Items().size()); }
    int32_t GetInPeriod(CBooking** buffer, int32_t startDay, int16_t startMinutes, int32_t endDay,
                        int16_t endMinutes) override;
    int32_t GetAll(CBooking** buffer) override;
    CBooking* GetAt(int32_t index) override;
    bool Contains(const CBooking* booking) override { return store_.Contains(booking); }

    RecordKind Kind() const override { return kKindBooking; }
    void ApplyCommit(const RecordPointers& added, const RecordPointers& changed,
                     const RecordPointers& removed) override;
    RecordCore* FindById(int32_t id) override { return store_.FindById(id); }
    void DocumentChanged() override;
    void FreeAll() override;
    void AssignId(RecordCore& record) override {
        store_.AssignId(static_cast<BookingRecord&>(record).id);
    }

    const LargeVector<BookingRecord*>& Items() const { return store_.Items(); }

    // The bookings of one resource or task in a period, by the owner indexes.
    const std::vector<CBooking*>& OwnerBookings(const void* owner, bool byResource, int64_t start,
                                                int64_t end);

private:
    // While an open transaction holds bookings, they are grouped by the
    // owners they have now, over the period's bookings.
    const std::vector<CBooking*>& PendingOwnerBookings(const void* owner, bool byResource, int64_t start,
                                                       int64_t end);

    CPlanData* root_;
    RecordStore<BookingRecord> store_;
    BookingOrder order_;
    uint64_t nextSequence_ = 1;

    OwnerIndex byResource_{true}, byTask_{false};
    std::vector<BookingRecord*> found_;
    bool lastValid_ = false;
    const void* lastOwner_ = nullptr;
    bool lastByResource_ = false;
    int64_t lastStart_ = 0, lastEnd_ = 0;
    std::vector<CBooking*> last_;

    bool cacheValid_ = false;
    int64_t cacheStart_ = 0, cacheEnd_ = 0;
    std::unordered_map<const void*, std::vector<CBooking*>> pendingByResource_, pendingByTask_;
};
