#include "owner_index.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "records.h"

const void* OwnerIndex::OwnerOf(const BookingRecord& booking) const {
    return byResource_ ? static_cast<const void*>(booking.indexedResource)
                       : static_cast<const void*>(booking.indexedTask);
}

std::size_t OwnerIndex::SlotOf(const void* owner) const {
    const std::size_t mask = table_.size() - 1;
    std::size_t slot = static_cast<std::size_t>((reinterpret_cast<uintptr_t>(owner) >> 4) * 0x9E3779B97F4A7C15ull >> 20) & mask;
    while (table_[slot].owner != owner && table_[slot].owner != nullptr) slot = (slot + 1) & mask;
    return slot;
}

const OwnerIndex::Owned* OwnerIndex::Find(const void* owner) const {
    if (table_.empty() || owner == nullptr) return nullptr;
    const Owned& owned = table_[SlotOf(owner)];
    return owned.owner == owner ? &owned : nullptr;
}

OwnerIndex::Owned* OwnerIndex::Find(const void* owner) {
    return const_cast<Owned*>(static_cast<const OwnerIndex*>(this)->Find(owner));
}

OwnerIndex::Owned& OwnerIndex::Insert(const void* owner) {
    if (Owned* owned = Find(owner)) return *owned;
    if (2 * (used_ + 1) > table_.size()) {
        std::vector<Owned> old = std::exchange(table_, std::vector<Owned>(std::max<std::size_t>(64, 2 * table_.size())));
        for (Owned& owned : old)
            if (owned.owner != nullptr) table_[SlotOf(owned.owner)] = std::move(owned);
    }
    Owned& owned = table_[SlotOf(owner)];
    owned.owner = owner;
    ++used_;
    return owned;
}

void OwnerIndex::Owned::Summarize() {
    blocks.clear();
    for (std::size_t first = 0; first < entries.size(); first += kBlock) {
        const std::size_t last = std::min(entries.size(), first + kBlock);
        // A booking is taken when it starts before the period's end and
        // ends after its start or starts inside it.
        int64_t reach = INT64_MIN;
        for (std::size_t i = first; i < last; ++i)
            reach = std::max({reach, entries[i].end, entries[i].start + 1});
        blocks.push_back({entries[first].start, reach});
    }
}

void OwnerIndex::Add(const BookingOrder::Bookings& bookings) {
    std::unordered_map<const void*, std::vector<BookingRecord*>> byOwner;
    // A booking without its owner cannot be asked for by it.
    for (BookingRecord* booking : bookings)
        if (OwnerOf(*booking) != nullptr) byOwner[OwnerOf(*booking)].push_back(booking);
    for (auto& [owner, joining] : byOwner) {
        // The collection's order; a booking that changed only its end keeps
        // its place among equal starts.
        if (!std::is_sorted(joining.begin(), joining.end(), BookingOrder::Before))
            std::sort(joining.begin(), joining.end(), BookingOrder::Before);
        Owned& owned = Insert(owner);
        const std::size_t before = owned.entries.size();
        for (BookingRecord* booking : joining) owned.entries.push_back({booking->sortKey, EndKeyOf(*booking), booking});
        const auto middle = owned.entries.begin() + static_cast<std::ptrdiff_t>(before);
        std::inplace_merge(owned.entries.begin(), middle, owned.entries.end(),
                           [](const Entry& a, const Entry& b) {
                               return a.start != b.start ? a.start < b.start : BookingOrder::Before(a.booking, b.booking);
                           });
        owned.Summarize();
    }
}

void OwnerIndex::BuildIfNeeded(const BookingOrder::Bookings& items) {
    if (built_) return;
    Add(items);
    built_ = true;
}

void OwnerIndex::Clear() {
    table_.clear();
    used_ = 0;
    built_ = false;
}

void OwnerIndex::Leave(const BookingOrder::Bookings& leaving) {
    if (!built_ || leaving.empty()) return;
    std::vector<Owned*> touched;
    for (BookingRecord* booking : leaving) {
        Owned* owned = Find(OwnerOf(*booking));
        if (owned == nullptr) continue;
        auto& entries = owned->entries;
        auto at = std::lower_bound(entries.begin(), entries.end(), booking->sortKey,
                                   [](const Entry& e, int64_t key) { return e.start < key; });
        while (at != entries.end() && at->start == booking->sortKey && at->booking != booking) ++at;
        if (at != entries.end() && at->booking == booking) at->booking = nullptr;
        touched.push_back(owned);
    }
    std::sort(touched.begin(), touched.end());
    touched.erase(std::unique(touched.begin(), touched.end()), touched.end());
    for (Owned* owned : touched) {
        std::erase_if(owned->entries, [](const Entry& e) { return e.booking == nullptr; });
        owned->Summarize();
    }
}

void OwnerIndex::Join(const BookingOrder::Bookings& incoming) {
    if (built_) Add(incoming);
}

void OwnerIndex::Query(const void* owner, int64_t start, int64_t end, std::vector<BookingRecord*>& out) const {
    if (end < start) return;
    const Owned* found = Find(owner);
    if (found == nullptr) return;
    const Owned& owned = *found;
    for (std::size_t b = 0; b < owned.blocks.size() && owned.blocks[b].firstStart < end; ++b) {
        if (owned.blocks[b].reach <= start) continue;
        const std::size_t first = b * kBlock, last = std::min(owned.entries.size(), first + kBlock);
        for (std::size_t i = first; i < last; ++i) {
            const Entry& entry = owned.entries[i];
            if (entry.start >= end) break;
            if (entry.start < start && entry.end <= start) continue;
            // The caller reads the record next; its fetch starts now.
            __builtin_prefetch(entry.booking);
            out.push_back(entry.booking);
        }
    }
}
