#include <random>

#include "plan_fixture.h"

namespace {

// The owner indexes are kept by every commit, undo and redo; on random
// plans and edits each owner's bookings in a period must be exactly those
// a plain scan of all bookings finds, in the collection's order.
class OwnerIndexTest : public PlanTest {
protected:
    static int64_t Key(int32_t day, int16_t minutes) { return int64_t{day} * 2000 + minutes; }

    OwnerIndexTest() {
        for (const char* name : {"A", "B", "C", "D"}) resources.push_back(AddResource(name));
        for (const char* name : {"X", "Y", "Z"}) tasks.push_back(AddTask(name));
    }

    template <class Owner>
    static std::vector<CBooking*> Query(Owner* owner, int32_t sDay, int16_t sMin, int32_t eDay, int16_t eMin) {
        std::vector<CBooking*> got(static_cast<std::size_t>(owner->GetBookingCount(sDay, sMin, eDay, eMin)));
        EXPECT_EQ(owner->GetBookings(got.data(), sDay, sMin, eDay, eMin), static_cast<int32_t>(got.size()));
        return got;
    }

    // Every resource and task over random periods, against a scan.
    void CheckAgainstScan(const std::string& when) {
        const std::vector<CBooking*> all = AllBookings();
        for (int query = 0; query < 20; ++query) {
            const auto sDay = static_cast<int32_t>(random() % 40);
            const auto sMin = static_cast<int16_t>(random() % 1440);
            const int32_t eDay = sDay + static_cast<int32_t>(random() % 6);
            const auto eMin = static_cast<int16_t>(random() % 1440);
            const int64_t s = Key(sDay, sMin), e = Key(eDay, eMin);
            const auto overlaps = [&](const CBooking* b) {
                const int64_t bs = Key(b->startDay, b->startMinutes), be = Key(b->endDay, b->endMinutes);
                return e >= s && ((bs < s && be > s) || (bs >= s && bs < e));
            };
            const auto scan = [&](auto owns) {
                std::vector<CBooking*> before, inside;
                for (CBooking* b : all) {
                    if (!owns(b) || !overlaps(b)) continue;
                    (Key(b->startDay, b->startMinutes) < s ? before : inside).push_back(b);
                }
                before.insert(before.end(), inside.begin(), inside.end());
                return before;
            };
            for (CResource* r : resources)
                ASSERT_EQ(Query(r, sDay, sMin, eDay, eMin), scan([&](CBooking* b) { return b->resource == r; }))
                    << when << ", resource " << r->name << ", query " << query;
            for (CTask* t : tasks)
                ASSERT_EQ(Query(t, sDay, sMin, eDay, eMin), scan([&](CBooking* b) { return b->task == t; }))
                    << when << ", task " << t->name << ", query " << query;
        }
    }

    template <class T>
    T* Pick(const std::vector<T*>& from) { return from[random() % from.size()]; }

    void AddRandom() {
        // Coarse starts, so that many bookings share one.
        const auto day = static_cast<int32_t>(random() % 40);
        const auto minutes = static_cast<int16_t>(random() % 3 * 480);
        // Mostly short, some long, some of no length.
        const int64_t length = random() % 4 == 0 ? random() % 20000 : random() % 3 == 0 ? 0 : random() % 600;
        const int64_t end = day * 1440 + minutes + length;
        ASSERT_EQ(root.bookings->Add(NewBooking(Pick(resources), Pick(tasks), day, minutes,
                                                static_cast<int32_t>(end / 1440), static_cast<int16_t>(end % 1440))),
                  kDataOk);
    }

    // One random edit of booking: delete, or change start, end, resource, task or several.
    void EditRandom(CBooking* booking) {
        const unsigned what = random() % 6;
        if (what == 0) {
            booking->Delete();
            return;
        }
        booking->BeginChange();
        if (what == 1 || what == 5) booking->startDay = static_cast<int32_t>(random() % 40);
        if (what == 2 || what == 5) booking->endDay = booking->startDay + static_cast<int32_t>(random() % 4);
        if (what == 3 || what == 5) booking->resource = Pick(resources);
        if (what == 4 || what == 5) booking->task = Pick(tasks);
    }

    std::mt19937 random{11};
    std::vector<CResource*> resources;
    std::vector<CTask*> tasks;
};

TEST_F(OwnerIndexTest, AgreesWithAScanThroughEditsUndoAndRedo) {
    Begin("Fill");
    for (int i = 0; i < 200; ++i) AddRandom();
    root.CommitTransaction();
    CheckAgainstScan("filled");   // builds the indexes: from here on they are kept

    for (int step = 0; step < 30; ++step) {
        std::vector<CBooking*> all = AllBookings();
        Begin("Edit");
        for (int i = 0; i < 10; ++i) AddRandom();
        for (int i = 0; i < 15; ++i) EditRandom(Pick(all));
        root.CommitTransaction();
        const std::string when = "step " + std::to_string(step);
        CheckAgainstScan(when);
        if (step % 3 == 1) {
            ASSERT_TRUE(history.Undo());
            CheckAgainstScan(when + " undone");
        }
        if (step % 6 == 1) {
            ASSERT_TRUE(history.Redo());
            CheckAgainstScan(when + " redone");
        }
    }
}

TEST_F(OwnerIndexTest, KeepsAnOwnersBookingsThroughItsDeletionAndUndo) {
    Begin("Fill");
    for (int i = 0; i < 100; ++i) AddRandom();
    root.CommitTransaction();
    CheckAgainstScan("filled");
    CResource* gone = resources.back();
    const std::vector<CBooking*> before = Query(gone, 0, 0, 60, 0);
    ASSERT_FALSE(before.empty());

    Begin("Delete");
    ASSERT_EQ(gone->Delete(), kDataOk);
    root.CommitTransaction();
    resources.pop_back();
    CheckAgainstScan("deleted");

    ASSERT_TRUE(history.Undo());
    resources.push_back(gone);
    EXPECT_EQ(Query(gone, 0, 0, 60, 0), before);
    CheckAgainstScan("undone");
}

TEST_F(OwnerIndexTest, AnOpenTransactionSeesTheOwnersItsBookingsHaveNow) {
    CBooking* booking = AddBooking(resources[0], tasks[0], 10, 0, 11, 0);
    EXPECT_EQ(Query(resources[0], 10, 0, 11, 0).size(), 1u);   // the index is built
    Begin("Move");
    booking->BeginChange();
    booking->resource = resources[1];
    booking->task = tasks[1];
    EXPECT_TRUE(Query(resources[0], 10, 0, 11, 0).empty());
    EXPECT_EQ(Query(resources[1], 10, 0, 11, 0), std::vector<CBooking*>{booking});
    EXPECT_EQ(Query(tasks[1], 10, 0, 11, 0), std::vector<CBooking*>{booking});
    root.CancelTransaction();
    EXPECT_EQ(Query(resources[0], 10, 0, 11, 0), std::vector<CBooking*>{booking});
    EXPECT_TRUE(Query(tasks[1], 10, 0, 11, 0).empty());
}

}  // namespace
