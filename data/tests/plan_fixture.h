#pragma once

// A root with a history that behaves like the host's, and helpers to build
// small plans in one transaction each.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plan_root.h"
#include "testing/fake_history.h"

class PlanTest : public ::testing::Test {
protected:
    PlanTest() { masks().clear(); root.AddListener(&PlanTest::Listen); }

    static std::vector<uint32_t>& masks() {
        static std::vector<uint32_t> received;
        return received;
    }
    static void Listen(uint32_t mask) { masks().push_back(mask); }

    template <class Collection, class Fill = void (*)(void*)>
    auto Added(Collection* collection, const char* name, Fill fill = [](void*) {}) {
        Begin();
        auto* record = collection->Create();
        record->SetName(name);
        fill(record);
        EXPECT_EQ(collection->Add(record), kDataOk);
        root.CommitTransaction();
        return record;
    }

    CResourceGroup* AddResourceGroup(const char* name) {
        return Added(root.resourceGroups, name);
    }
    CTaskGroup* AddTaskGroup(const char* name) { return Added(root.taskGroups, name); }
    template <class Collection, class Group>
    auto AddMember(Collection* collection, const char* name, Group* group) {
        return Added(collection, name, [&](auto* r) { r->group = group; });
    }
    CResource* AddResource(const char* name, CResourceGroup* group = nullptr) {
        return AddMember(root.resources, name, group);
    }
    CTask* AddTask(const char* name, CTaskGroup* group = nullptr) {
        return AddMember(root.tasks, name, group);
    }
    // Times as (day, minutes); one booking per transaction.
    CBooking* AddBooking(CResource* resource, CTask* task, int32_t startDay, int16_t startMinutes,
                         int32_t endDay, int16_t endMinutes, const char* text = "") {
        Begin();
        CBooking* booking = NewBooking(resource, task, startDay, startMinutes, endDay, endMinutes);
        booking->SetText(text);
        EXPECT_EQ(root.bookings->Add(booking), kDataOk);
        root.CommitTransaction();
        return booking;
    }
    CBooking* NewBooking(CResource* resource, CTask* task, int32_t startDay, int16_t startMinutes,
                         int32_t endDay, int16_t endMinutes) {
        CBooking* booking = root.bookings->Create();
        booking->resource = resource;
        booking->task = task;
        booking->startDay = startDay;
        booking->startMinutes = startMinutes;
        booking->endDay = endDay;
        booking->endMinutes = endMinutes;
        return booking;
    }
    void Begin(const char* name = "Edit") { ASSERT_EQ(root.BeginTransaction(name), kDataOk); }

    std::vector<CBooking*> Period(int32_t startDay, int16_t startMinutes, int32_t endDay,
                                  int16_t endMinutes) {
        std::vector<CBooking*> found(static_cast<std::size_t>(
            root.bookings->GetCountInPeriod(startDay, startMinutes, endDay, endMinutes)));
        int32_t n = root.bookings->GetInPeriod(found.data(), startDay, startMinutes, endDay, endMinutes);
        EXPECT_EQ(static_cast<std::size_t>(n), found.size());
        return found;
    }
    std::vector<CBooking*> AllBookings() {
        std::vector<CBooking*> all(static_cast<std::size_t>(root.bookings->GetCount()));
        root.bookings->GetAll(all.data());
        return all;
    }

    FakeHistory history;
    PlanRoot root{&history};
};
