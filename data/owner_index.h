#pragma once

// The committed bookings of each resource (or each task) in the collection's
// order, kept so that one owner's bookings in a period cost a look at a
// short summary and a scan of about what overlaps, not a pass over all the
// bookings of the period. An owner's bookings lie in one array in start
// order; each block of kBlock of them has a summary of its first start and
// the furthest it reaches, so blocks that end before the period or start
// after it are passed over unread. Built on the first query, kept by every
// commit after it.

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "booking_order.h"

class OwnerIndex {
public:
    explicit OwnerIndex(bool byResource) : byResource_(byResource) {}

    // items: all committed bookings in the collection's order.
    void BuildIfNeeded(const BookingOrder::Bookings& items);
    void Clear();

    // A commit in two steps: leaving bookings go while they still hold the
    // keys and owners they were indexed under; incoming ones join once the
    // collection has given them their new keys and owners.
    void Leave(const BookingOrder::Bookings& leaving);
    void Join(const BookingOrder::Bookings& incoming);

    // Appends owner's bookings that overlap [start, end) in the collection's
    // order, as BookingOrder::Query does for all of them.
    void Query(const void* owner, int64_t start, int64_t end, std::vector<BookingRecord*>& out) const;

private:
    static constexpr std::size_t kBlock = 16;
    struct Entry {
        int64_t start;
        int64_t end;
        BookingRecord* booking;
    };
    struct Block {
        int64_t firstStart;
        int64_t reach;   // beyond this no booking of the block is taken
    };
    // One owner's place in an open-addressed table, its arrays beside its
    // key so that a query waits for one load before it reads them. An owner
    // keeps its place when it loses its bookings.
    struct Owned {
        const void* owner = nullptr;
        std::vector<Entry> entries;
        std::vector<Block> blocks;
        void Summarize();
    };

    const void* OwnerOf(const BookingRecord& booking) const;
    std::size_t SlotOf(const void* owner) const;   // its slot, or the empty one it would take
    Owned* Find(const void* owner);
    const Owned* Find(const void* owner) const;
    Owned& Insert(const void* owner);
    void Add(const BookingOrder::Bookings& bookings);

    bool byResource_;
    bool built_ = false;
    std::vector<Owned> table_;   // a power of two long, at most half used
    std::size_t used_ = 0;
};
