#pragma once

// The period index of the booking collection: bookings stay in start order,
// and a tree of the largest end key over ranges of that order finds the
// bookings that start before a period and reach into it without looking at
// the others. A query costs O((k + 1) log n) for k bookings returned.

#include <cstdint>
#include <vector>

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
    void Invalidate() { valid_ = false; }

    // Appends to out the bookings of items (in start order by their sort key)
    // that overlap [start, end): first those starting before start and ending
    // after it, then those starting in [start, end). Nothing when end < start.
    void Query(const std::vector<BookingRecord*>& items, int64_t start, int64_t end,
               std::vector<BookingRecord*>& out);

    // Puts moved and added bookings into items at their start (after equal
    // starts) and drops the ones that left; each record's sortKey and
    // sequence must already be set.
    static void Merge(std::vector<BookingRecord*>& items, std::vector<BookingRecord*> incoming);

private:
    void Build(const std::vector<BookingRecord*>& items);
    void Collect(const std::vector<BookingRecord*>& items, std::size_t node, std::size_t lo,
                 std::size_t hi, std::size_t limit, int64_t start,
                 std::vector<BookingRecord*>& out) const;

    bool valid_ = false;
    std::size_t leaves_ = 0;
    std::vector<int64_t> maxEnd_;
};
