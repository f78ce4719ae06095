#pragma once

// Records added to a real document, each in a transaction of its own.

#include <gtest/gtest.h>

#include "plan_data.h"

namespace dlgtest {

class PlanBuilder {
public:
    explicit PlanBuilder(CPlanData* data) : data_(data) {}

    template <class Collection, class Fill = void (*)(void*)>
    auto Added(Collection* collection, const char* name, int order, Fill fill = [](void*) {}) {
        Begin();
        auto* record = collection->Create();
        record->SetName(name);
        record->orderIndex = order;
        fill(record);
        EXPECT_EQ(collection->Add(record), kDataOk);
        Commit();
        return record;
    }
    void Begin() { EXPECT_EQ(data_->BeginTransaction("Setup"), kDataOk); }
    void Commit() { EXPECT_EQ(data_->CommitTransaction(), kDataOk); }

    CResourceGroup* ResourceGroup(const char* name, int order) {
        return Added(data_->resourceGroups, name, order);
    }
    CTaskGroup* TaskGroup(const char* name, int order) { return Added(data_->taskGroups, name, order); }
    CResource* Resource(const char* name, int order, CResourceGroup* group = nullptr) {
        return Added(data_->resources, name, order, [group](CResource* r) { r->group = group; });
    }
    CTask* Task(const char* name, int order, CTaskGroup* group = nullptr, uint32_t color1 = 0,
                uint32_t color2 = 0x0080FFFF) {
        return Added(data_->tasks, name, order, [=](CTask* t) {
            t->group = group;
            t->color1 = color1;
            t->color2 = color2;
        });
    }
    void Period(int32_t startDay, int32_t endDay) {
        Begin();
        data_->properties->BeginChange();
        data_->properties->periodStart = startDay;
        data_->properties->periodEnd = endDay;
        Commit();
    }
    CBooking* Booking(CResource* resource, CTask* task, int32_t startDay, int16_t startMinutes,
                      int32_t endDay, int16_t endMinutes) {
        Begin();
        CBooking* booking = data_->bookings->Create();
        booking->resource = resource;
        booking->task = task;
        booking->startDay = startDay;
        booking->startMinutes = startMinutes;
        booking->endDay = endDay;
        booking->endMinutes = endMinutes;
        EXPECT_EQ(data_->bookings->Add(booking), kDataOk);
        Commit();
        return booking;
    }

private:
    CPlanData* data_;
};

}  // namespace dlgtest
