#include "name_ranks.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "plan_records.h"
#include "support/comparators.h"

namespace {

struct Named : CNamedRecord {};

std::vector<const CNamedRecord*> Pointers(const std::vector<Named>& records) {
    std::vector<const CNamedRecord*> pointers;
    for (const Named& r : records) pointers.push_back(&r);
    return pointers;
}

// Every pair of places compares as CompareNames compares the names; null
// ranks as an empty name.
void ExpectRanksFollowNames(const NameRanks& ranks, const std::vector<Named>& records) {
    const auto sign = [](int v) { return (v > 0) - (v < 0); };
    for (const Named& a : records) {
        ASSERT_GE(ranks.Find(&a), 0) << a.name;
        EXPECT_EQ(sign(ranks.Find(&a) - ranks.Find(nullptr)), sign(CompareNames(a.name, ""))) << a.name;
        for (const Named& b : records)
            EXPECT_EQ(sign(ranks.Find(&a) - ranks.Find(&b)), sign(CompareNames(a.name, b.name)))
                << a.name << " / " << b.name;
    }
}

TEST(NameRanks, PlacesFollowTheNameOrderThroughRenamesAndNewRecords) {
    const char* names[] = {"beta", "Alpha", "ALPHA", "alpha 2", "", "Zoë", "zoe", "Émile", "emile", "b"};
    std::mt19937 random(3);
    std::vector<Named> records(40);
    for (Named& r : records) r.SetName(names[random() % std::size(names)]);
    NameRanks ranks;
    EXPECT_EQ(ranks.Find(&records[0]), -1);   // nothing ranked yet
    std::vector<const CNamedRecord*> pointers = Pointers(records);
    ranks.Update(pointers.data(), pointers.size());
    ExpectRanksFollowNames(ranks, records);

    // A rename is seen at the next update.
    records[3].SetName("aaa");
    records[7].SetName("zzz");
    ranks.Update(pointers.data(), pointers.size());
    ExpectRanksFollowNames(ranks, records);

    // A record the update did not name is not found; once named, it is.
    Named extra;
    extra.SetName("alpha");
    EXPECT_EQ(ranks.Find(&extra), -1);
    records.push_back(extra);
    pointers = Pointers(records);
    ranks.Update(pointers.data(), pointers.size());
    ExpectRanksFollowNames(ranks, records);
}

}  // namespace
