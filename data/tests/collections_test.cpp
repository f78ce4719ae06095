#include <algorithm>
#include <random>

#include "plan_fixture.h"

namespace {

using CollectionsTest = PlanTest;

TEST_F(CollectionsTest, IdsStartAtOneAndAreNeverReused) {
    CResource* first = AddResource("Anna");
    CResource* second = AddResource("Ben");
    EXPECT_EQ(first->id, 1);
    EXPECT_EQ(second->id, 2);
    Begin();
    second->Delete();
    root.CommitTransaction();
    EXPECT_EQ(AddResource("Cleo")->id, 3);
    root.Close();
    EXPECT_EQ(AddResource("Dora")->id, 4);   // the counter outlives the document
    EXPECT_EQ(AddTask("Build")->id, 1);       // one counter per kind
}

TEST_F(CollectionsTest, GetByGroupWithNullGivesTheUngrouped) {
    CResourceGroup* group = AddResourceGroup("Crew");
    AddResource("Anna", group);
    CResource* loose = AddResource("Ben");
    EXPECT_EQ(root.resources->GetGroupMemberCount(nullptr), 1);
    CResource* found[1] = {};
    EXPECT_EQ(root.resources->GetByGroup(nullptr, found), 1);
    EXPECT_EQ(found[0], loose);
    EXPECT_EQ(root.resources->GetGroupMemberCount(group), 1);
}

TEST_F(CollectionsTest, IndexLookupsStopAtTheEnd) {
    CResource* anna = AddResource("Anna");
    CTask* task = AddTask("Build");
    CBooking* booking = AddBooking(anna, task, 5, 0, 6, 0);
    EXPECT_EQ(root.resources->GetAt(0), anna);
    EXPECT_EQ(root.resources->GetAt(1), nullptr);
    EXPECT_EQ(root.bookings->GetAt(0), booking);
    EXPECT_EQ(root.bookings->GetAt(-1), nullptr);
    EXPECT_EQ(root.bookings->GetAt(1), nullptr);
    EXPECT_TRUE(root.resources->Contains(anna));
    EXPECT_FALSE(root.resources->Contains(nullptr));
    EXPECT_FALSE(root.tasks->Contains(reinterpret_cast<CTask*>(anna)));
}

TEST_F(CollectionsTest, PeriodQueryTakesExactlyTheOverlappingBookingsInStartOrder) {
    CResource* anna = AddResource("Anna");
    CTask* task = AddTask("Build");
    const int32_t day = 1000;
    struct Case {
        const char* text;
        int32_t startDay;
        int16_t startMinutes;
        int32_t endDay;
        int16_t endMinutes;
        bool taken;
    };
    // The period is 9:00 to 10:00 of day 1000.
    const Case cases[] = {
        {"ends at the start", day, 480, day, 540, false},
        {"ends a minute in", day, 480, day, 541, true},
        {"starts at the end", day, 600, day, 660, false},
        {"starts at the start", day, 540, day, 560, true},
        {"starts at the start, empty", day, 540, day, 540, true},
        {"inside", day, 550, day, 560, true},
        {"spans the period", day - 1, 0, day + 1, 0, true},
        {"day before", day - 1, 540, day - 1, 600, false},
        {"starts a minute before the end", day, 599, day + 3, 0, true},
        {"inverted, starts before", day, 500, day, 400, false},
    };
    for (const Case& c : cases)
        AddBooking(anna, task, c.startDay, c.startMinutes, c.endDay, c.endMinutes, c.text);

    std::vector<std::string> got;
    for (CBooking* booking : Period(day, 540, day, 600)) got.push_back(booking->text);
    // First the bookings reaching in from before, then those starting inside.
    const std::vector<std::string> expected = {"spans the period", "ends a minute in",
                                               "starts at the start", "starts at the start, empty",
                                               "inside", "starts a minute before the end"};
    EXPECT_EQ(got, expected);
    EXPECT_EQ(anna->GetBookingCount(day, 540, day, 600), 6);
    EXPECT_EQ(task->GetBookingCount(day, 540, day, 600), 6);
    EXPECT_EQ(root.bookings->GetCountInPeriod(day, 600, day, 540), 0);   // inverted period
}

TEST_F(CollectionsTest, EqualStartsKeepTheOrderTheyWereAdded) {
    CResource* anna = AddResource("Anna");
    CTask* task = AddTask("Build");
    CBooking* later = AddBooking(anna, task, 50, 0, 51, 0, "later");
    CBooking* first = AddBooking(anna, task, 10, 0, 11, 0, "first");
    CBooking* second = AddBooking(anna, task, 10, 0, 12, 0, "second");
    EXPECT_EQ(AllBookings(), (std::vector<CBooking*>{first, second, later}));
    // A booking moved to the same start goes behind the ones already there.
    Begin("Move");
    later->BeginChange();
    later->startDay = 10;
    root.CommitTransaction();
    EXPECT_EQ(AllBookings(), (std::vector<CBooking*>{first, second, later}));
    Begin("Move");
    first->BeginChange();
    first->startMinutes = 1;
    root.CommitTransaction();
    EXPECT_EQ(AllBookings(), (std::vector<CBooking*>{second, later, first}));
}

TEST_F(CollectionsTest, OwnerQueriesAreFreshAfterChangeAndCancel) {
    CResource* anna = AddResource("Anna");
    CResource* ben = AddResource("Ben");
    CTask* task = AddTask("Build");
    CBooking* booking = AddBooking(anna, task, 10, 0, 11, 0);
    EXPECT_EQ(anna->GetBookingCount(10, 0, 11, 0), 1);

    Begin("Reassign");
    booking->BeginChange();
    booking->resource = ben;
    root.CommitTransaction();
    EXPECT_EQ(anna->GetBookingCount(10, 0, 11, 0), 0);
    EXPECT_EQ(ben->GetBookingCount(10, 0, 11, 0), 1);

    Begin("Reassign");
    booking->BeginChange();
    booking->resource = anna;
    EXPECT_EQ(anna->GetBookingCount(10, 0, 11, 0), 1);   // asked while the change is open
    root.CancelTransaction();
    EXPECT_EQ(anna->GetBookingCount(10, 0, 11, 0), 0);
    CBooking* found[1] = {};
    EXPECT_EQ(ben->GetBookings(found, 10, 0, 11, 0), 1);
    EXPECT_EQ(found[0], booking);
}

// The index must agree with the plain rule on any plan: overlap is
// start < E and end > S, or start == S; order is the start order, those
// starting before S first.
class RandomPlanTest : public PlanTest {
protected:
    static int64_t Key(int32_t day, int16_t minutes) { return int64_t{day} * 2000 + minutes; }

    void CheckAgainstNaiveScan(std::mt19937& random, CResource* const (&resources)[3], int round) {
        std::vector<CBooking*> all = AllBookings();
        ASSERT_TRUE(std::is_sorted(all.begin(), all.end(), [&](CBooking* a, CBooking* b) {
            return Key(a->startDay, a->startMinutes) < Key(b->startDay, b->startMinutes);
        }));
        for (int query = 0; query < 50; ++query) {
            int32_t sDay = static_cast<int32_t>(random() % 60);
            auto sMin = static_cast<int16_t>(random() % 1440);
            int32_t eDay = sDay + static_cast<int32_t>(random() % 5);
            auto eMin = static_cast<int16_t>(random() % 1440);
            int64_t s = Key(sDay, sMin), e = Key(eDay, eMin);
            std::vector<CBooking*> before, inside;
            if (e >= s) {
                for (CBooking* b : all) {
                    int64_t bs = Key(b->startDay, b->startMinutes), be = Key(b->endDay, b->endMinutes);
                    if (bs < s && be > s) before.push_back(b);
                    if (bs >= s && bs < e) inside.push_back(b);
                }
            }
            before.insert(before.end(), inside.begin(), inside.end());
            ASSERT_EQ(Period(sDay, sMin, eDay, eMin), before) << "round " << round << " query " << query;
            CResource* owner = resources[query % 3];
            std::vector<CBooking*> own;
            for (CBooking* b : before)
                if (b->resource == owner) own.push_back(b);
            std::vector<CBooking*> got(own.size() + 1);
            ASSERT_EQ(owner->GetBookings(got.data(), sDay, sMin, eDay, eMin),
                      static_cast<int32_t>(own.size()));
            got.resize(own.size());
            ASSERT_EQ(got, own);
        }
    }
};

TEST_F(RandomPlanTest, PeriodQueryAgreesWithANaiveScan) {
    std::mt19937 random(7);
    CResource* const resources[3] = {AddResource("A"), AddResource("B"), AddResource("C")};
    CTask* task = AddTask("T");
    for (int round = 0; round < 4; ++round) {
        Begin();
        for (int i = 0; i < 300; ++i) {
            int32_t startDay = static_cast<int32_t>(random() % 60);
            auto startMinutes = static_cast<int16_t>(random() % 1440);
            int32_t length = static_cast<int32_t>(random() % (round == 3 ? 40000 : 3000)) - 100;
            int64_t end = startDay * 1440 + startMinutes + length;
            CBooking* booking = NewBooking(resources[random() % 3], task, startDay, startMinutes,
                                           static_cast<int32_t>(end / 1440),
                                           static_cast<int16_t>(end % 1440));
            ASSERT_EQ(root.bookings->Add(booking), kDataOk);
        }
        root.CommitTransaction();
        // Some deletions and moves between rounds.
        std::vector<CBooking*> all = AllBookings();
        Begin();
        for (int i = 0; i < 40; ++i) {
            CBooking* booking = all[random() % all.size()];
            if (i % 2) {
                booking->Delete();
            } else {
                booking->BeginChange();
                booking->startDay = static_cast<int32_t>(random() % 60);
            }
        }
        root.CommitTransaction();

        CheckAgainstNaiveScan(random, resources, round);
        // Ends alone change: the index is updated in place.
        all = AllBookings();
        Begin();
        for (int i = 0; i < 30; ++i) {
            CBooking* booking = all[random() % all.size()];
            booking->BeginChange();
            booking->endDay = booking->startDay + static_cast<int32_t>(random() % (round + 2));
        }
        root.CommitTransaction();
        CheckAgainstNaiveScan(random, resources, round);
    }
}

}  // namespace
