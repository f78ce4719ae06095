#include "support/comparators.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

// Records as the data store would hand them out; only the members the
// comparators read matter.
struct FakeTaskGroup : CTaskGroup {
    int32_t GetTaskCount() override { return 0; }
    int32_t GetTasks(CTask**) override { return 0; }
    int32_t BeginChange() override { return 0; }
    int32_t Delete() override { return 0; }
};
// CTask and CResource share their operations.
template <class Item>
struct FakeItem : Item {
    int32_t GetBookingCount(int32_t, int16_t, int32_t, int16_t) override { return 0; }
    int32_t GetBookings(CBooking**, int32_t, int16_t, int32_t, int16_t) override { return 0; }
    int32_t BeginChange() override { return 0; }
    int32_t Delete() override { return 0; }
};
using FakeTask = FakeItem<CTask>;
using FakeResource = FakeItem<CResource>;
struct FakeResourceGroup : CResourceGroup {
    int32_t GetResourceCount() override { return 0; }
    int32_t GetResources(CResource**) override { return 0; }
    int32_t BeginChange() override { return 0; }
    int32_t Delete() override { return 0; }
};
// Owns the records of one kind and builds (group, item) rows over them.
template <class Group, class Item, class FakeGroup, class FakeItem>
class Tree {
public:
    FakeGroup* AddGroup(const char* name, int32_t index) {
        groups_.push_back(std::make_unique<FakeGroup>());
        FakeGroup* g = groups_.back().get();
        g->SetName(name);
        g->orderIndex = index;
        g->id = ++lastId_;
        rows.emplace_back(g, nullptr);
        return g;
    }
    FakeItem* AddItem(const char* name, int32_t index, Group* group) {
        items_.push_back(std::make_unique<FakeItem>());
        FakeItem* item = items_.back().get();
        item->SetName(name);
        item->orderIndex = index;
        item->group = group;
        item->id = ++lastId_;
        rows.emplace_back(group, item);
        return item;
    }
    static std::string NameOf(const std::pair<Group*, Item*>& row) {
        return row.second != nullptr ? row.second->name : row.first->name;
    }

    std::vector<std::pair<Group*, Item*>> rows;

private:
    std::vector<std::unique_ptr<FakeGroup>> groups_;
    std::vector<std::unique_ptr<FakeItem>> items_;
    int32_t lastId_ = 0;
};
using TaskTree = Tree<CTaskGroup, CTask, FakeTaskGroup, FakeTask>;
using ResourceTree = Tree<CResourceGroup, CResource, FakeResourceGroup, FakeResource>;

template <class Row, class Less>
void ExpectStrictWeakOrder(const std::vector<Row>& rows, Less less) {
    const auto equivalent = [&](const Row& a, const Row& b) { return !less(a, b) && !less(b, a); };
    for (const Row& a : rows) {
        EXPECT_FALSE(less(a, a));
        for (const Row& b : rows) {
            if (less(a, b)) {
                EXPECT_FALSE(less(b, a));
            }
            for (const Row& c : rows) {
                if (less(a, b) && less(b, c)) {
                    EXPECT_TRUE(less(a, c));
                }
                if (equivalent(a, b) && equivalent(b, c)) {
                    EXPECT_TRUE(equivalent(a, c));
                }
            }
        }
    }
}

// Each group row is followed by exactly its own items, by their index.
template <class Row>
void ExpectItemsRightAfterTheirGroup(const std::vector<Row>& sorted) {
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        if (sorted[i].second == nullptr) {
            std::size_t j = i + 1;
            for (; j < sorted.size() && sorted[j].second != nullptr &&
                   sorted[j].second->group == sorted[i].first;
                 ++j) {
                if (j > i + 1) {
                    EXPECT_LE(sorted[j - 1].second->orderIndex, sorted[j].second->orderIndex);
                }
            }
            for (std::size_t k = j; k < sorted.size(); ++k)
                EXPECT_FALSE(sorted[k].second != nullptr && sorted[k].second->group == sorted[i].first)
                    << sorted[k].second->name << " is not under " << sorted[i].first->name;
        }
    }
}

TEST(TreeOrder, GroupsAndUngroupedItemsByIndexWithItemsAfterTheirGroup) {
    TaskTree tree;
    FakeTaskGroup* g = tree.AddGroup("G", 2);
    tree.AddItem("t1", 5, g);
    tree.AddItem("t0", 1, g);
    tree.AddItem("u", 3, nullptr);
    tree.AddGroup("H", 4);
    std::vector<TaskTreePair> rows = tree.rows;
    std::sort(rows.begin(), rows.end());   // every permutation, by pointer order
    do {
        std::vector<TaskTreePair> sorted = rows;
        std::sort(sorted.begin(), sorted.end(), CompareTaskTreeOrder);
        std::vector<std::string> names;
        for (const TaskTreePair& row : sorted) names.push_back(tree.NameOf(row));
        EXPECT_EQ(names, (std::vector<std::string>{"G", "t0", "t1", "u", "H"}));
    } while (std::next_permutation(rows.begin(), rows.end()));
}

// New records all carry -1, and renumbering can leave repeats: the order
// must stay a strict weak order and keep each group's items together.
TEST(TreeOrder, RepeatedIndexesStayAStrictWeakOrder) {
    ResourceTree tree;
    FakeResourceGroup* g1 = tree.AddGroup("G1", -1);
    FakeResourceGroup* g2 = tree.AddGroup("G2", -1);
    FakeResourceGroup* g3 = tree.AddGroup("G3", 0);
    tree.AddItem("a", 1, g1);
    tree.AddItem("b", 5, g2);
    tree.AddItem("c", 9, g1);
    tree.AddItem("d", -1, g2);
    tree.AddItem("e", -1, nullptr);
    tree.AddItem("f", 0, nullptr);
    tree.AddItem("g", -1, g3);
    tree.AddItem("h", -1, g3);
    tree.AddItem("i", 1, g3);
    ExpectStrictWeakOrder(tree.rows, CompareResourceTreeOrder);

    std::mt19937 random(7);
    std::vector<ResourceTreePair> rows = tree.rows;
    std::vector<std::string> first;
    for (int round = 0; round < 50; ++round) {
        std::shuffle(rows.begin(), rows.end(), random);
        std::vector<ResourceTreePair> sorted = rows;
        std::sort(sorted.begin(), sorted.end(), CompareResourceTreeOrder);
        ExpectItemsRightAfterTheirGroup(sorted);
        std::vector<std::string> names;
        for (const ResourceTreePair& row : sorted) names.push_back(tree.NameOf(row));
        if (round == 0) first = names;
        EXPECT_EQ(names, first);   // the same whatever the input order
    }
    // At one index ungrouped items come before groups.
    EXPECT_EQ(first, (std::vector<std::string>{"e", "G1", "a", "c", "G2", "d", "b", "f", "G3",
                                               "g", "h", "i"}));
}

TEST(TreeOrder, TaskKindIsAStrictWeakOrderToo) {
    TaskTree tree;
    FakeTaskGroup* g = tree.AddGroup("G", 1);
    FakeTaskGroup* h = tree.AddGroup("H", 1);
    tree.AddItem("x", 1, g);
    tree.AddItem("y", 1, h);
    tree.AddItem("z", 1, nullptr);
    ExpectStrictWeakOrder(tree.rows, CompareTaskTreeOrder);
}

TEST(NameOrder, CaseDoesNotCount) {
    struct Case {
        const char* a;
        const char* b;
        int expected;
    };
    for (const Case& c : {Case{"abc", "ABC", 0}, Case{"a", "B", -1}, Case{"b", "A", 1},
                          Case{"", "a", -1}, Case{"", "", 0}})
        EXPECT_EQ(CompareNames(c.a, c.b), c.expected) << c.a << " vs " << c.b;
}

TEST(NameOrder, GroupItemPairsTieWithoutAFirstRecordFirst) {
    TaskTree tree;
    FakeTaskGroup* alphaGroup = tree.AddGroup("Alpha", 0);
    FakeTaskGroup* betaGroup = tree.AddGroup("beta", 1);
    FakeTask* alphaTask = tree.AddItem("ALPHA", 2, nullptr);
    FakeTask* gammaTask = tree.AddItem("Gamma", 3, nullptr);
    const TaskTreePair groupAlpha(alphaGroup, nullptr), groupBeta(betaGroup, nullptr);
    const TaskTreePair itemAlpha(nullptr, alphaTask), itemGamma(nullptr, gammaTask);

    EXPECT_TRUE(CompareGroupItemPairsByName(itemAlpha, groupAlpha));
    EXPECT_FALSE(CompareGroupItemPairsByName(groupAlpha, itemAlpha));
    EXPECT_FALSE(CompareGroupItemPairsByName(groupAlpha, groupAlpha));
    EXPECT_TRUE(CompareGroupItemPairsByName(groupAlpha, groupBeta));
    EXPECT_TRUE(CompareGroupItemPairsByName(groupBeta, itemGamma));
    std::vector<TaskTreePair> rows = {itemGamma, groupBeta, groupAlpha, itemAlpha};
    ExpectStrictWeakOrder(rows, CompareGroupItemPairsByName<CTaskGroup, CTask>);
    std::sort(rows.begin(), rows.end(), CompareGroupItemPairsByName<CTaskGroup, CTask>);
    EXPECT_EQ(rows, (std::vector<TaskTreePair>{itemAlpha, groupAlpha, groupBeta, itemGamma}));
}

}  // namespace
