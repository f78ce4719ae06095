#pragma once

#include <cstdint>
#include <vector>

#include "item_list_logic.h"

namespace dlgtest {

// A list kept in memory: two groups, one with two items, and an ungrouped item.
class FakeListCommands : public IItemListCommands {
public:
    FakeListCommands() {
        g1.orderIndex = 0;
        a.orderIndex = 0;
        b.orderIndex = 1;
        c.orderIndex = 1;
        g2.orderIndex = 2;
        entries = {{&g1, nullptr}, {&g1, &a}, {&g1, &b}, {nullptr, &c}, {&g2, nullptr}};
    }
    std::vector<ListEntry> Entries() override { return entries; }
    bool ReadOnly() override { return readOnly; }
    CNamedRecord* AddItem(const AddPlace&) override { return nullptr; }
    CNamedRecord* AddGroup(std::int32_t) override { return nullptr; }
    bool Edit(const ListEntry&) override { return false; }
    // A group's items go to the top level; nothing is renumbered here.
    bool Delete(const ListEntry& entry) override {
        std::vector<ListEntry> left;
        for (const ListEntry& e : entries) {
            if (e == entry) continue;
            left.push_back(entry.IsGroup() && e.group == entry.group ? ListEntry{nullptr, e.item} : e);
        }
        entries = left;
        return true;
    }
    bool Move(const ListMove& move) override {
        moves.push_back(move);
        return false;
    }
    bool Sort() override { return false; }

    CNamedRecord g1, g2, a, b, c;
    std::vector<ListEntry> entries;
    std::vector<ListMove> moves;
    bool readOnly = false;
};

}  // namespace dlgtest
