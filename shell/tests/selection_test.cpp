#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "data_library.h"
#include "plan_builder.h"
#include "selection.h"

namespace {

constexpr int32_t kMonday = 2460000;

class SelectionTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(data, nullptr) << library.error(); }

    dlgtest::DataLibrary library;
    CPlanData* data = library.data();
    dlgtest::PlanBuilder plan{data};
};

// What a view does with the record: full counts always, entries only into
// arrays that are there, never more than their capacities.
template <class T>
void Report(T** array, int32_t capacity, int32_t& count, const std::vector<T*>& items) {
    count = int32_t(items.size());
    if (array == nullptr) return;
    std::copy_n(items.begin(), std::min<std::size_t>(items.size(), std::size_t(capacity)), array);
}

TEST_F(SelectionTest, RecordWithoutArraysStillCounts) {
    CResource* crane = plan.Resource("Crane", 0);
    CTask* lift = plan.Task("Lift", 0);
    CBooking* first = plan.Booking(crane, lift, kMonday, 480, kMonday, 600);
    CBooking* second = plan.Booking(crane, lift, kMonday + 1, 480, kMonday + 1, 600);

    for (const bool withArrays : {false, true}) {
        CSelection selection(data, withArrays);
        SelectionRecord* r = selection.Record();
        EXPECT_EQ(r->bookingCount, 0);
        EXPECT_EQ(r->startDate, 0);
        EXPECT_FALSE(selection.HasBookings());
        EXPECT_FALSE(selection.HasItems());
        EXPECT_EQ(r->bookings != nullptr, withArrays);
        EXPECT_EQ(r->bookingCapacity, withArrays ? 2 : 0);
        EXPECT_EQ(r->resourceCapacity, withArrays ? 1 : 0);

        Report(r->bookings, r->bookingCapacity, r->bookingCount, {first, second});
        r->startDate = kMonday;
        r->endDate = kMonday;
        EXPECT_TRUE(selection.HasBookings()) << withArrays;
        EXPECT_TRUE(selection.HasItems()) << withArrays;
        if (withArrays) {
            EXPECT_EQ(r->bookings[1], second);
        }
    }
}

TEST_F(SelectionTest, ExpandsGroupsIntoTheirMembers) {
    CResourceGroup* site = plan.ResourceGroup("Site", 0);
    CResource* crane = plan.Resource("Crane", 1, site);
    CResource* digger = plan.Resource("Digger", 2, site);
    CResource* truck = plan.Resource("Truck", 3);
    plan.Resource("Van", 4);
    CTaskGroup* build = plan.TaskGroup("Build", 0);
    CTask* wall = plan.Task("Wall", 1, build);
    CTask* roof = plan.Task("Roof", 2);
    plan.TaskGroup("Empty", 3);

    CSelection selection(data, true);
    SelectionRecord* r = selection.Record();
    std::set<CResource*> resources;
    std::set<CTask*> tasks;
    EXPECT_FALSE(selection.ExpandToItems(resources, tasks));

    // A resource both selected and a member of a selected group is there once.
    Report(r->resourceGroups, r->resourceGroupCapacity, r->resourceGroupCount, {site});
    Report(r->resources, r->resourceCapacity, r->resourceCount, {crane, truck});
    EXPECT_TRUE(selection.ExpandToItems(resources, tasks));
    EXPECT_EQ(resources, (std::set<CResource*>{crane, digger, truck}));
    EXPECT_TRUE(tasks.empty());

    resources.clear();
    Report(r->resourceGroups, r->resourceGroupCapacity, r->resourceGroupCount, {});
    Report(r->resources, r->resourceCapacity, r->resourceCount, {});
    Report(r->taskGroups, r->taskGroupCapacity, r->taskGroupCount, {build});
    Report(r->tasks, r->taskCapacity, r->taskCount, {roof});
    EXPECT_TRUE(selection.ExpandToItems(resources, tasks));
    EXPECT_TRUE(resources.empty());
    EXPECT_EQ(tasks, (std::set<CTask*>{wall, roof}));
}

// The task a new booking starts with: a selected task before any group's,
// and of the groups the first that has tasks, by their order index (not the
// order the group lists them in).
TEST_F(SelectionTest, FirstTaskIsTheFirstOfTheTasksCollected) {
    CTaskGroup* build = plan.TaskGroup("Build", 0);
    CTask* wall = plan.Task("Wall", 2, build);
    CTask* floor = plan.Task("Floor", 1, build);
    CTaskGroup* empty = plan.TaskGroup("Empty", 1);
    CTaskGroup* finish = plan.TaskGroup("Finish", 2);
    CTask* paint = plan.Task("Paint", 0, finish);
    CTask* roof = plan.Task("Roof", 3);
    struct Case {
        const char* what;
        std::vector<CTask*> tasks;
        std::vector<CTaskGroup*> groups;
        CTask* expected;
    } cases[] = {
        {"nothing", {}, {}, nullptr},
        {"a selected task comes first", {roof, wall}, {finish}, roof},
        {"a group alone: its first task by order index", {}, {build}, floor},
        {"the first selected group", {}, {finish, build}, paint},
        {"an empty group is passed over", {}, {empty, build}, floor},
        {"only empty groups", {}, {empty}, nullptr},
    };
    for (const Case& c : cases) {
        CSelection selection(data, true);
        SelectionRecord* r = selection.Record();
        Report(r->tasks, r->taskCapacity, r->taskCount, c.tasks);
        Report(r->taskGroups, r->taskGroupCapacity, r->taskGroupCount, c.groups);
        EXPECT_EQ(selection.FirstTask(), c.expected) << c.what;
    }
    EXPECT_EQ(CSelection(data, false).FirstTask(), nullptr);
}

TEST_F(SelectionTest, CountsAboveTheCapacityReadOnlyWhatTheArraysHold) {
    CResource* crane = plan.Resource("Crane", 0);
    CSelection selection(data, true);
    SelectionRecord* r = selection.Record();
    r->resources[0] = crane;
    r->resourceCount = 5;   // a view that reports more than fits
    std::set<CResource*> resources;
    std::set<CTask*> tasks;
    EXPECT_TRUE(selection.ExpandToItems(resources, tasks));
    EXPECT_EQ(resources, (std::set<CResource*>{crane}));

    CSelection counting(data, false);
    counting.Record()->resourceCount = 3;
    resources.clear();
    EXPECT_FALSE(counting.ExpandToItems(resources, tasks));
}

struct Times {
    int32_t startDay;
    int16_t startMinutes;
    int32_t endDay;
    int16_t endMinutes;
};

class CompareBookingsTest : public SelectionTest {
protected:
    CBooking* Make(CResource* resource, CTask* task, Times t) {
        return plan.Booking(resource, task, t.startDay, t.startMinutes, t.endDay, t.endMinutes);
    }
};

TEST_F(CompareBookingsTest, EachColumnDecidesInItsOrder) {
    CResource* anna = plan.Resource("anna", 0);   // the name order ignores case
    CResource* bert = plan.Resource("Bert", 1);
    CTask* alpha = plan.Task("Alpha", 0);
    CTask* beta = plan.Task("beta", 1);

    struct Case {
        const char* what;
        int column;
        CBooking* a;
        CBooking* b;
        bool ascendingBefore;    // a before b ascending
        bool descendingBefore;   // a before b descending
    };
    CBooking* early = Make(anna, beta, {kMonday, 480, kMonday, 600});
    CBooking* earlyShorter = Make(anna, beta, {kMonday, 480, kMonday, 540});
    CBooking* bertAlpha = Make(bert, alpha, {kMonday, 420, kMonday, 480});
    CBooking* eightLater = Make(bert, alpha, {kMonday + 3, 480, kMonday + 3, 700});
    CBooking* nineEarlier = Make(anna, alpha, {kMonday, 540, kMonday, 560});
    CBooking* endsTen = Make(bert, beta, {kMonday, 480, kMonday + 2, 600});
    CBooking* endsEleven = Make(anna, alpha, {kMonday, 480, kMonday, 660});
    CBooking* twin = Make(anna, beta, {kMonday, 480, kMonday, 600});
    CBooking* annaLaterTen = Make(anna, beta, {kMonday, 480, kMonday + 4, 600});
    CBooking* annaAlphaTen = Make(anna, alpha, {kMonday + 1, 480, kMonday + 5, 600});
    const Case cases[] = {
        {"same resource and task: the end decides", 0, earlyShorter, early, true, false},
        {"resource before task", 0, early, bertAlpha, true, false},
        {"task before resource", 1, bertAlpha, early, true, false},
        {"start first", 2, bertAlpha, early, true, false},
        {"08:00 on a later day before 09:00", 3, eightLater, nineEarlier, true, false},
        {"start minutes tie: the resource decides", 3, early, eightLater, true, false},
        {"end first", 4, earlyShorter, early, true, false},
        {"end minutes only", 5, bertAlpha, endsTen, true, false},
        {"10:00 two days later before 11:00", 5, endsTen, endsEleven, true, false},
        {"end minutes tie: the resource decides, not the end day", 5, annaLaterTen, endsTen, true, false},
        {"end minutes and resource tie: the task decides", 5, annaAlphaTen, early, true, false},
        {"equal starts: 11:00 before 10:00, whatever the end days", 6, endsEleven, endsTen, true, false},
        {"equal starts, reversed ends descending", 6, endsTen, endsEleven, false, true},
        {"column 6: start still first", 6, bertAlpha, endsEleven, true, false},
        {"other columns: resource, task only", 9, bertAlpha, early, false, true},
        {"other columns ignore the times", -1, earlyShorter, early, false, false},
        {"all equal: neither first", 0, early, twin, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CompareBookings(true, c.column)(c.a, c.b), c.ascendingBefore) << c.what;
        EXPECT_EQ(CompareBookings(false, c.column)(c.a, c.b), c.descendingBefore) << c.what;
    }
}

TEST_F(CompareBookingsTest, SortsAListAndPutsNullLast) {
    CResource* crane = plan.Resource("Crane", 0);
    CTask* lift = plan.Task("Lift", 0);
    CBooking* ten = Make(crane, lift, {kMonday, 480, kMonday + 1, 600});
    CBooking* eleven = Make(crane, lift, {kMonday, 480, kMonday, 660});
    CBooking* later = Make(crane, lift, {kMonday + 1, 0, kMonday + 1, 60});
    for (const bool ascending : {true, false}) {
        std::vector<CBooking*> list{later, nullptr, ten, eleven};
        std::stable_sort(list.begin(), list.end(), CompareBookings(ascending, 6));
        const std::vector<CBooking*> expected =
            ascending ? std::vector<CBooking*>{eleven, ten, later, nullptr}
                      : std::vector<CBooking*>{later, ten, eleven, nullptr};
        EXPECT_EQ(list, expected) << ascending;
    }
}

}  // namespace
