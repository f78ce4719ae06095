#include "booking_order.h"

#include <algorithm>
#include <climits>

#include "records.h"

int64_t StartKeyOf(const CBooking& booking) {
    return PeriodKey(booking.startDay, booking.startMinutes);
}

int64_t EndKeyOf(const CBooking& booking) { return PeriodKey(booking.endDay, booking.endMinutes); }

namespace {

bool Before(const BookingRecord* a, const BookingRecord* b) {
    if (a->sortKey != b->sortKey) return a->sortKey < b->sortKey;
    return a->sequence < b->sequence;
}

}  // namespace

void BookingOrder::Build(const std::vector<BookingRecord*>& items) {
    leaves_ = 1;
    while (leaves_ < items.size()) leaves_ *= 2;
    maxEnd_.assign(2 * leaves_, LLONG_MIN);
    for (std::size_t i = 0; i < items.size(); ++i) maxEnd_[leaves_ + i] = EndKeyOf(*items[i]);
    for (std::size_t node = leaves_ - 1; node >= 1; --node)
        maxEnd_[node] = std::max(maxEnd_[2 * node], maxEnd_[2 * node + 1]);
    valid_ = true;
}

void BookingOrder::Collect(const std::vector<BookingRecord*>& items, std::size_t node,
                           std::size_t lo, std::size_t hi, std::size_t limit, int64_t start,
                           std::vector<BookingRecord*>& out) const {
    if (lo >= limit || maxEnd_[node] <= start) return;
    if (hi - lo == 1) {
        out.push_back(items[lo]);
        return;
    }
    std::size_t mid = lo + (hi - lo) / 2;
    Collect(items, 2 * node, lo, mid, limit, start, out);
    Collect(items, 2 * node + 1, mid, hi, limit, start, out);
}

void BookingOrder::Query(const std::vector<BookingRecord*>& items, int64_t start, int64_t end,
                         std::vector<BookingRecord*>& out) {
    if (end < start || items.empty()) return;
    if (!valid_) Build(items);
    auto keyBelow = [](const BookingRecord* booking, int64_t key) { return booking->sortKey < key; };
    auto first = std::lower_bound(items.begin(), items.end(), start, keyBelow);
    std::size_t split = static_cast<std::size_t>(first - items.begin());
    Collect(items, 1, 0, leaves_, split, start, out);
    auto last = std::lower_bound(first, items.end(), end, keyBelow);
    out.insert(out.end(), first, last);
}

void BookingOrder::Merge(std::vector<BookingRecord*>& items, std::vector<BookingRecord*> incoming) {
    std::erase_if(items, [](const BookingRecord* booking) { return !booking->inCollection; });
    if (incoming.empty()) return;
    std::sort(incoming.begin(), incoming.end(), Before);
    std::size_t middle = items.size();
    items.insert(items.end(), incoming.begin(), incoming.end());
    std::inplace_merge(items.begin(), items.begin() + static_cast<std::ptrdiff_t>(middle),
                       items.end(), Before);
}
