#include "booking_order.h"

#include <algorithm>
#include <climits>

#include "records.h"

int64_t StartKeyOf(const CBooking& booking) {
    return PeriodKey(booking.startDay, booking.startMinutes);
}

int64_t EndKeyOf(const CBooking& booking) { return PeriodKey(booking.endDay, booking.endMinutes); }

bool BookingOrder::Before(const BookingRecord* a, const BookingRecord* b) {
    if (a->sortKey != b->sortKey) return a->sortKey < b->sortKey;
    return a->sequence < b->sequence;
}

std::size_t BookingOrder::Position(const BookingRecord& booking) const {
    auto found = std::lower_bound(slots_.begin(), slots_.end(), booking, [](const Slot& slot, const BookingRecord& b) {
        return slot.start != b.sortKey ? slot.start < b.sortKey : slot.sequence < b.sequence;
    });
    return static_cast<std::size_t>(found - slots_.begin());
}

void BookingOrder::Build() {
    leaves_ = 1;
    while (leaves_ < slots_.size()) leaves_ *= 2;
    maxEnd_.assign(2 * leaves_, LLONG_MIN);
    for (std::size_t i = 0; i < slots_.size(); ++i) maxEnd_[leaves_ + i] = slots_[i].end;
    for (std::size_t node = leaves_ - 1; node >= 1; --node)
        maxEnd_[node] = std::max(maxEnd_[2 * node], maxEnd_[2 * node + 1]);
    treeValid_ = true;
}

void BookingOrder::UpdateEnd(std::size_t position, int64_t end) {
    slots_[position].end = end;
    if (!treeValid_) return;
    std::size_t node = leaves_ + position;
    maxEnd_[node] = end;
    for (node /= 2; node >= 1; node /= 2) maxEnd_[node] = std::max(maxEnd_[2 * node], maxEnd_[2 * node + 1]);
}

void BookingOrder::Collect(std::size_t node, std::size_t lo, std::size_t hi, std::size_t limit,
                           int64_t start, const LargeVector<BookingRecord*>& items,
                           std::vector<BookingRecord*>& out) const {
    if (lo >= limit || maxEnd_[node] <= start) return;
    if (hi - lo == 1) {
        out.push_back(items[lo]);
        return;
    }
    std::size_t mid = lo + (hi - lo) / 2;
    Collect(2 * node, lo, mid, limit, start, items, out);
    Collect(2 * node + 1, mid, hi, limit, start, items, out);
}

void BookingOrder::Query(const LargeVector<BookingRecord*>& items, int64_t start, int64_t end,
                         std::vector<BookingRecord*>& out) {
    const auto [first, last] = Split(items, start, end, out);
    out.insert(out.end(), items.begin() + static_cast<std::ptrdiff_t>(first),
               items.begin() + static_cast<std::ptrdiff_t>(last));
}

std::pair<std::size_t, std::size_t> BookingOrder::Split(const LargeVector<BookingRecord*>& items, int64_t start,
                                                        int64_t end, std::vector<BookingRecord*>& before) {
    if (end < start || slots_.empty()) return {0, 0};
    if (!treeValid_) Build();
    auto startBelow = [](const Slot& slot, int64_t key) { return slot.start < key; };
    auto first = std::lower_bound(slots_.begin(), slots_.end(), start, startBelow);
    auto last = std::lower_bound(first, slots_.end(), end, startBelow);
    auto split = static_cast<std::size_t>(first - slots_.begin());
    Collect(1, 0, leaves_, split, start, items, before);
    return {split, static_cast<std::size_t>(last - slots_.begin())};
}

void BookingOrder::Apply(Bookings& items, const Bookings& leaving, Bookings incoming,
                         const Bookings& resized) {
    if (!leaving.empty()) {
        std::vector<std::size_t> gone;
        gone.reserve(leaving.size());
        for (const BookingRecord* booking : leaving) gone.push_back(Position(*booking));
        std::sort(gone.begin(), gone.end());
        std::size_t kept = 0, next = 0;
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (next < gone.size() && gone[next] == i) {
                ++next;
                continue;
            }
            items[kept] = items[i];
            slots_[kept] = slots_[i];
            ++kept;
        }
        items.resize(kept);
        slots_.resize(kept);
        treeValid_ = false;
    }
    for (const BookingRecord* booking : resized) UpdateEnd(Position(*booking), EndKeyOf(*booking));
    if (incoming.empty()) return;

    // A load brings its bookings in start order already.
    if (!std::is_sorted(incoming.begin(), incoming.end(), Before))
        std::sort(incoming.begin(), incoming.end(), Before);
    // Merged from the back, in place: only the bookings after the first
    // incoming one move, and no second copy of the order is made.
    std::size_t kept = items.size();
    items.resize(kept + incoming.size());
    slots_.resize(kept + incoming.size());
    std::size_t write = items.size();
    std::size_t next = incoming.size();
    while (next > 0) {
        BookingRecord* booking = incoming[next - 1];
        const Slot& last = slots_[kept - (kept > 0 ? 1 : 0)];
        bool keptGoesAfter = kept > 0 && (last.start != booking->sortKey ? last.start > booking->sortKey
                                                                         : last.sequence > booking->sequence);
        --write;
        if (keptGoesAfter) {
            items[write] = items[kept - 1];
            slots_[write] = slots_[kept - 1];
            --kept;
        } else {
            items[write] = booking;
            slots_[write] = {booking->sortKey, booking->sequence, EndKeyOf(*booking)};
            --next;
        }
    }
    treeValid_ = false;
}

void BookingOrder::Clear() {
    slots_.clear();
    maxEnd_.clear();
    treeValid_ = false;
}
