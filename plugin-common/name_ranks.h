#pragma once

// The places of a collection's records in name order (CompareNames), for
// sorting many bookings by resource or task name with integer compares.
// The table is kept between layouts and checked against the collection on
// each use: collating every name anew per layout is too slow on large plans.

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

class CNamedRecord;

class NameRanks {
public:
    // Makes the table answer for records (a collection's, in its order) and
    // for null, which ranks as an empty name. Rebuilt only when a record or
    // a name differs from the last call; unchanged names keep their keys.
    void Update(const CNamedRecord* const* records, std::size_t count);
    // The place of record among those of the last update (equal names share
    // one); -1 for a record the table does not hold.
    int Find(const CNamedRecord* record) const;

private:
    struct Entry {
        const CNamedRecord* record;
        std::string name;
        std::wstring key;
        int rank;
    };

    bool Matches(const CNamedRecord* const* records, std::size_t count) const;
    void Rebuild(const CNamedRecord* const* records, std::size_t count);
    void Index();
    std::size_t SlotOf(const CNamedRecord* record) const;

    std::vector<Entry> entries_;   // the records of the last update, in their order
    int nullRank_ = 0;
    // The ranks by record address, in an open table with linear probing.
    struct Slot {
        const CNamedRecord* record;
        int rank;
    };
    std::vector<Slot> slots_;
    int shift_ = 60;
};
