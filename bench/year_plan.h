#pragma once

// The benchmarks' plan (BenchPlanShape) spread over one year, kept without
// an undo history, and a way to add a crowd of bookings to it.

#include <string>
#include <string_view>

#include "no_history.h"
#include "plan_context.h"
#include "plan_generator.h"
#include "plan_root.h"

struct YearPlan {
    YearPlan() : root(&history) {
        shape.spanDays = 365;
        GeneratePlan(root, shape);
        middle = (root.properties->periodStart + root.properties->periodEnd) / 2;
    }

    // count bookings of resource and task in one transaction; fill(booking, i) sets the times.
    template <class Fill>
    void AddBookings(CResource* resource, CTask* task, int count, Fill fill) {
        root.BeginTransaction(nullptr);
        for (int i = 0; i < count; ++i) {
            CBooking* booking = root.bookings->Create();
            booking->resource = resource;
            booking->task = task;
            fill(*booking, i);
            root.bookings->Add(booking);
        }
        root.CommitTransaction();
    }

    // The plan with no filter, locale or settings.
    PlanContext Context() {
        return PlanContext{&root, nullptr, nullptr, [](std::string_view) { return std::string(); }};
    }

    PlanShape shape = BenchPlanShape();
    NoHistory history;
    PlanRoot root;
    int32_t middle = 0;
};
