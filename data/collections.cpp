#include "collections.h"

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

int32_t BookingCollection::GetInPeriod(CBooking** buffer, int32_t startDay, int16_t startMinutes,
                                       int32_t endDay, int16_t endMinutes) {
    std::vector<BookingRecord*> found;
    order_.Query(store_.Items(), PeriodKey(startDay, startMinutes), PeriodKey(endDay, endMinutes),
                 found);
    if (buffer) std::copy(found.begin(), found.end(), buffer);
    return static_cast<int32_t>(found.size());
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
    incoming.reserve(added.size());
    for (RecordCore* record : removed) {
        auto* booking = static_cast<BookingRecord*>(record);
        store_.Left(booking);
        leaving.push_back(booking);
    }
    for (RecordCore* record : added) incoming.push_back(static_cast<BookingRecord*>(record));
    // A booking whose start moved leaves its place and comes back after the
    // bookings of its new start; it stays a member throughout.
    for (RecordCore* record : changed) {
        auto* booking = static_cast<BookingRecord*>(record);
        if (StartKeyOf(*booking) == booking->sortKey) {
            resized.push_back(booking);
        } else {
            leaving.push_back(booking);
            incoming.push_back(booking);
        }
    }
    order_.Apply(store_.MutableItems(), leaving, {}, resized);
    for (BookingRecord* booking : incoming) {
        booking->sortKey = StartKeyOf(*booking);
        booking->sequence = nextSequence_++;
    }
    order_.Apply(store_.MutableItems(), {}, std::move(incoming), {});
    store_.Expect(added.size());
    for (RecordCore* record : added) store_.Joined(static_cast<BookingRecord*>(record));
    DocumentChanged();
}

void BookingCollection::DocumentChanged() {
    if (!cacheValid_) return;
    cacheValid_ = false;
    byResource_.clear();
    byTask_.clear();
}

void BookingCollection::FreeAll() {
    DocumentChanged();
    order_.Clear();
    store_.FreeAll();
}

const std::vector<CBooking*>& BookingCollection::OwnerBookings(const void* owner, bool byResource,
                                                               int64_t start, int64_t end) {
    if (!cacheValid_ || cacheStart_ != start || cacheEnd_ != end) {
        byResource_.clear();
        byTask_.clear();
        std::vector<BookingRecord*> found;
        order_.Query(store_.Items(), start, end, found);
        for (BookingRecord* booking : found) {
            byResource_[booking->resource].push_back(booking);
            byTask_[booking->task].push_back(booking);
        }
        cacheValid_ = true;
        cacheStart_ = start;
        cacheEnd_ = end;
    }
    static const std::vector<CBooking*> none;
    auto& map = byResource ? byResource_ : byTask_;
    auto found = map.find(owner);
    return found == map.end() ? none : found->second;
}
