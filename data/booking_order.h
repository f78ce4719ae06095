#pragma once

// The period index of the booking collection. Bookings stay in start order;
// beside them lies a slot per booking with its start, its place among equal
// starts and its end, so that commits and queries work on contiguous keys
// instead of visiting every record. A tree of the largest end over ranges of
// that order finds the bookings that start before a period and reach into
// it without looking at the others: a query costs O((k + 1) log n) for k
// bookings returned.

#include <cstdint>
#include <utility>
#include <vector>

#include "large_memory.h"

class BookingRecord;
class CBooking;

// (day, minutes) as one ordered key.
inline int64_t PeriodKey(int32_t day, int16_t minutes) {
    return static_cast<int64_t>(day) * 65536 + (static_cast<int32_t>(minutes) + 32768);
}
int64_t StartKeyOf(const CBooking& booking);
int64_t EndKeyOf(const CBooking& booking);

class BookingOrder {
public:
    using Bookings = LargeVector<BookingRecord*>;

    // Appends to out the bookings of items that overlap [start, end), by the
    // keys of their last commit: first those starting before start and
    // ending after it, then those starting in [start, end). Nothing when
    // end < start.
    void Query(const LargeVector<BookingRecord*>& items, int64_t start, int64_t end,
               std::vector<BookingRecord*>& out);
    // The same bookings without copying most of them: those starting before
    // start and ending after it are appended to before; those starting in
    // [start, end) are items[first, last) of the returned pair.
    std::pair<std::size_t, std::size_t> Split(const LargeVector<BookingRecord*>& items, int64_t start, int64_t end,
                                              std::vector<BookingRecord*>& before);

    // Applies a commit to items: leaving bookings (deleted, or moved to
    // another start) go, incoming ones (added, or moved; their sortKey and
    // sequence already set) join after the bookings of equal start, and
    // resized ones keep their place with a new end.
    void Apply(Bookings& items, const Bookings& leaving, Bookings incoming, const Bookings& resized);

    void Clear();

    // The collection's order: start, then the place among equal starts.
    static bool Before(const BookingRecord* a, const BookingRecord* b);

private:
    struct Slot {
        int64_t start;
        uint64_t sequence;
        int64_t end;
    };

    std::size_t Position(const BookingRecord& booking) const;
    void Build();
    void UpdateEnd(std::size_t position, int64_t end);
    void Collect(std::size_t node, std::size_t lo, std::size_t hi, std::size_t limit, int64_t start,
                 const LargeVector<BookingRecord*>& items, std::vector<BookingRecord*>& out) const;

    LargeVector<Slot> slots_;   // beside the items, in the same order
    bool treeValid_ = false;
    std::size_t leaves_ = 0;
    LargeVector<int64_t> maxEnd_;
};
