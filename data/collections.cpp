#include "collections.h"

#include <algorithm>

#include "plan_root.h"

int32_t AddRecord(PlanRoot& root, CRecordList& list, RecordCore* record) {
    if (!root.Undo().IsOpen()) return kDataRefused;
    if (record->added || record->inCollection || record->deleted) return kDataRefused;
    if (!record->IsValid()) {
        root.CancelTransaction();
        return kDataInvalidRecord;
    }
    list.AssignId(*record);
    return root.Undo().RegisterAdded(*record);
}

int32_t BookingCollection::Add(CBooking* booking) {
    if (!booking || booking->owner != this) return kDataInvalidRecord;
    return AddRecord(RootOf(root_), *this, BookingRecord::From(booking));
}

int32_t BookingCollection::GetCountInPeriod(int32_t startDay, int16_t startMinutes, int32_t endDay,
                                            int16_t endMinutes) {
    return GetInPeriod(nullptr, startDay, startMinutes, endDay, endMinutes);
}

// Only the few bookings that reach in from before the period are gathered;
// the others are copied straight from the start order.
int32_t BookingCollection::GetInPeriod(CBooking** buffer, int32_t startDay, int16_t startMinutes,
                                       int32_t endDay, int16_t endMinutes) {
    found_.clear();
    const auto [first, last] =
        order_.Split(store_.Items(), PeriodKey(startDay, startMinutes), PeriodKey(endDay, endMinutes), found_);
    if (buffer) {
        buffer = std::copy(found_.begin(), found_.end(), buffer);
        std::copy(store_.Items().begin() + static_cast<std::ptrdiff_t>(first),
                  store_.Items().begin() + static_cast<std::ptrdiff_t>(last), buffer);
    }
    return static_cast<int32_t>(found_.size() + (last - first));
}

int32_t BookingCollection::GetAll(CBooking** buffer) {
    if (buffer) std::copy(store_.Items().begin(), store_.Items().end(), buffer);
    return GetCount();
}

CBooking* BookingCollection::GetAt(int32_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= store_.Items().size()) return nullptr;
    return store_.Items()[static_cast<std::size_t>(index)];
}

void BookingCollection::ApplyCommit(const RecordPointers& added, const RecordPointers& changed,
                                    const RecordPointers& removed) {
    if (added.empty() && changed.empty() && removed.empty()) return;
    BookingOrder::Bookings leaving, incoming, resized;
    // In the owner indexes every changed booking leaves and comes back: its
    // owner, its start or its length may have changed.
    BookingOrder::Bookings ownerLeaving, ownerIncoming;
    incoming.reserve(added.size());
    for (RecordCore* record : removed) {
        auto* booking = static_cast<BookingRecord*>(record);
        store_.Left(booking);
        leaving.push_back(booking);
        ownerLeaving.push_back(booking);
    }
    for (RecordCore* record : added) {
        incoming.push_back(static_cast<BookingRecord*>(record));
        ownerIncoming.push_back(static_cast<BookingRecord*>(record));
    }
    // A booking whose start moved leaves its place and comes back after the
    // bookings of its new start; it stays a member throughout.
    for (RecordCore* record : changed) {
        auto* booking = static_cast<BookingRecord*>(record);
        const bool startMoved = StartKeyOf(*booking) != booking->sortKey;
        if (startMoved) {
            leaving.push_back(booking);
            incoming.push_back(booking);
        } else {
            resized.push_back(booking);
        }
        ownerLeaving.push_back(booking);
        ownerIncoming.push_back(booking);
    }
    for (OwnerIndex* index : {&byResource_, &byTask_}) index->Leave(ownerLeaving);
    order_.Apply(store_.MutableItems(), leaving, {}, resized);
    for (BookingRecord* booking : incoming) {
        booking->sortKey = StartKeyOf(*booking);
        booking->sequence = nextSequence_++;
    }
    for (BookingRecord* booking : ownerIncoming) {
        booking->indexedResource = booking->resource;
        booking->indexedTask = booking->task;
    }
    order_.Apply(store_.MutableItems(), {}, std::move(incoming), {});
    for (OwnerIndex* index : {&byResource_, &byTask_}) index->Join(ownerIncoming);
    store_.Expect(added.size());
    for (RecordCore* record : added) store_.Joined(static_cast<BookingRecord*>(record));
    DocumentChanged();
}

void BookingCollection::DocumentChanged() {
    lastValid_ = false;
    if (!cacheValid_) return;
    cacheValid_ = false;
    pendingByResource_.clear();
    pendingByTask_.clear();
}

void BookingCollection::FreeAll() {
    DocumentChanged();
    byResource_.Clear();
    byTask_.Clear();
    order_.Clear();
    store_.FreeAll();
}

const std::vector<CBooking*>& BookingCollection::OwnerBookings(const void* owner, bool byResource,
                                                               int64_t start, int64_t end) {
    if (RootOf(root_).Undo().HasPending(kKindBooking)) return PendingOwnerBookings(owner, byResource, start, end);
    // A count and then the bookings are asked one after the other.
    if (lastValid_ && lastOwner_ == owner && lastByResource_ == byResource && lastStart_ == start &&
        lastEnd_ == end)
        return last_;
    OwnerIndex& index = byResource ? byResource_ : byTask_;
    index.BuildIfNeeded(store_.Items());
    found_.clear();
    index.Query(owner, start, end, found_);
    last_.assign(found_.begin(), found_.end());
    lastValid_ = true;
    lastOwner_ = owner;
    lastByResource_ = byResource;
    lastStart_ = start;
    lastEnd_ = end;
    return last_;
}

const std::vector<CBooking*>& BookingCollection::PendingOwnerBookings(const void* owner, bool byResource,
                                                                      int64_t start, int64_t end) {
    if (!cacheValid_ || cacheStart_ != start || cacheEnd_ != end) {
        pendingByResource_.clear();
        pendingByTask_.clear();
        found_.clear();
        order_.Query(store_.Items(), start, end, found_);
        for (BookingRecord* booking : found_) {
            pendingByResource_[booking->resource].push_back(booking);
            pendingByTask_[booking->task].push_back(booking);
        }
        cacheValid_ = true;
        cacheStart_ = start;
        cacheEnd_ = end;
    }
    static const std::vector<CBooking*> none;
    auto& map = byResource ? pendingByResource_ : pendingByTask_;
    auto found = map.find(owner);
    return found == map.end() ? none : found->second;
}
