#include "name_ranks.h"

#include <algorithm>
#include <cstring>

#include "plan_records.h"
#include "plat/collate.h"

void NameRanks::Update(const CNamedRecord* const* records, std::size_t count) {
    if (!Matches(records, count)) Rebuild(records, count);
}

int NameRanks::Find(const CNamedRecord* record) const {
    if (record == nullptr) return nullRank_;
    if (slots_.empty()) return -1;
    for (std::size_t i = SlotOf(record);; i = (i + 1) & (slots_.size() - 1)) {
        const Slot& slot = slots_[i];
        if (slot.record == record) return slot.rank;
        if (slot.record == nullptr) return -1;
    }
}

std::size_t NameRanks::SlotOf(const CNamedRecord* record) const {
    // Fibonacci hashing of the address: records lie at least 16 bytes apart.
    const auto address = reinterpret_cast<std::uintptr_t>(record) >> 4;
    return static_cast<std::size_t>((address * 0x9E3779B97F4A7C15ull) >> shift_);
}

bool NameRanks::Matches(const CNamedRecord* const* records, std::size_t count) const {
    if (count != entries_.size()) return false;
    for (std::size_t i = 0; i < count; ++i) {
        const Entry& entry = entries_[i];
        if (entry.record != records[i] || entry.name != records[i]->name) return false;
    }
    return true;
}

void NameRanks::Rebuild(const CNamedRecord* const* records, std::size_t count) {
    // Keys of the names that stayed, by record.
    std::unordered_map<const CNamedRecord*, Entry*> before;
    for (Entry& entry : entries_) before.emplace(entry.record, &entry);
    std::vector<Entry> entries;
    entries.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const CNamedRecord* record = records[i];
        const auto kept = before.find(record);
        if (kept != before.end() && kept->second->name == record->name) {
            entries.push_back({record, std::move(kept->second->name), std::move(kept->second->key), 0});
        } else {
            entries.push_back({record, record->name, plat::NoCaseSortKey(record->name), 0});
        }
    }
    entries_ = std::move(entries);

    std::vector<Entry*> byKey;
    byKey.reserve(entries_.size());
    for (Entry& entry : entries_) byKey.push_back(&entry);
    std::sort(byKey.begin(), byKey.end(), [](const Entry* x, const Entry* y) { return x->key < y->key; });
    // Null stands for an empty name, which sorts before every other key.
    const std::wstring empty;
    int rank = 0;
    nullRank_ = 0;
    for (std::size_t i = 0; i < byKey.size(); ++i) {
        const std::wstring& previous = i > 0 ? byKey[i - 1]->key : empty;
        if (byKey[i]->key != previous) ++rank;
        byKey[i]->rank = rank;
    }
    Index();
}

void NameRanks::Index() {
    // At most half full, so a search ends after a few slots.
    std::size_t size = 16;
    int bits = 4;
    while (size < 2 * entries_.size()) {
        size *= 2;
        ++bits;
    }
    shift_ = 64 - bits;
    slots_.assign(size, Slot{nullptr, 0});
    for (const Entry& entry : entries_) {
        std::size_t i = SlotOf(entry.record);
        while (slots_[i].record != nullptr && slots_[i].record != entry.record) i = (i + 1) & (size - 1);
        slots_[i] = {entry.record, entry.rank};
    }
}
