#pragma once

// Builds believable plans: groups of resources and tasks with real-sounding
// names and bookings on working days around a centre date. The same seed
// gives the same plan.

#include <cstdint>

class CPlanData;

struct PlanShape {
    int32_t resourceGroups = 3;
    int32_t resources = 12;
    int32_t taskGroups = 3;
    int32_t tasks = 10;
    int32_t bookings = 300;
    uint32_t seed = 1;
    int32_t centreDay = 0;   // Julian day the bookings gather around; 0: today
    int32_t spanDays = 0;    // days the bookings cover; 0: about a thousand bookings a day
};

// True when QEL_BENCH_SIZE is "small": the benchmarks run once on small data
// so that a test run keeps them building and working.
bool IsSmallBenchRun();

// The benchmarks' plan: 10,000 resources, 2,000 tasks and 1,000,000
// bookings, or one a thousand times smaller when QEL_BENCH_SIZE is "small".
PlanShape BenchPlanShape();

// Replaces nothing: adds the records to the root's document in one unnamed
// transaction and sets the document period to cover the bookings.
// Returns the status of the first refused step, 0 on success.
int32_t GeneratePlan(CPlanData& root, const PlanShape& shape);
