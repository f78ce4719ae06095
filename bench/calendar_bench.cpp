// The calendar's layout on a large plan: 10,000 resources, 2,000 tasks and
// 1,000,000 bookings over one year, plus one day with 5,000 bookings. Six
// visible weeks: laid out from the middle of the year, laid out over the
// crowded day, and one week's scroll step.
// QEL_BENCH_SIZE=small runs the same on a plan a thousand times smaller.

#include <benchmark/benchmark.h>

#include <algorithm>

#include "calendar_model.h"
#include "year_plan.h"

namespace {

constexpr int kVisibleWeeks = 6;

// One day with many bookings, overlapping one another.
struct BenchPlan : YearPlan {
    BenchPlan() {
        crowdedDay = middle + 70;
        AddBookings(root.resources->GetAt(0), root.tasks->GetAt(0), shape.bookings / 200,
                    [&](CBooking& booking, int i) {
                        booking.startDay = booking.endDay = crowdedDay;
                        booking.startMinutes = static_cast<int16_t>(480 + i % 240);
                        booking.endMinutes = static_cast<int16_t>(960 + i % 240);
                    });
    }

    int32_t crowdedDay = 0;
};

BenchPlan& Plan() {
    static BenchPlan plan;
    return plan;
}

CCalendarModel MakeModel() {
    CCalendarModel model(Plan().Context());
    model.UpdateVisibleWeekdays();
    return model;
}

// The Monday of the week holding day.
CDate WeekOf(int32_t day) {
    CDate date = CDate::FromJulianDay(day);
    date.MoveToWeekday(0, false);
    return date;
}

void LayoutSixWeeks(CCalendarModel& model, const CDate& first) {
    model.Layout(first, AddDays(first, 7 * kVisibleWeeks - 1));
}

void Report(benchmark::State& state, const CCalendarModel& model) {
    std::size_t segments = 0;
    int highestLine = -1;
    for (const CalendarWeek& week : model.Weeks()) segments += week.segments.size();
    for (const CalendarDayCell& cell : model.Cells()) highestLine = std::max(highestLine, cell.highestLine);
    state.counters["segments"] = static_cast<double>(segments);
    state.counters["lines"] = highestLine + 1;
}

void BM_CalendarLayout(benchmark::State& state, bool atCrowdedDay) {
    CCalendarModel model = MakeModel();
    const CDate first = WeekOf(atCrowdedDay ? Plan().crowdedDay - 14 : Plan().middle);
    for (auto _ : state) LayoutSixWeeks(model, first);
    Report(state, model);
}
BENCHMARK_CAPTURE(BM_CalendarLayout, middle, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CalendarLayout, crowded_day, true)->Unit(benchmark::kMillisecond);

void BM_CalendarScrollWeek(benchmark::State& state) {
    CCalendarModel model = MakeModel();
    const CDate start = WeekOf(Plan().middle);
    CDate first = start;
    for (auto _ : state) {
        // Back and forth over the busy half of the year.
        first = AddDays(first, 7);
        if (first > AddDays(start, 7 * 12)) first = start;
        LayoutSixWeeks(model, first);
    }
}
BENCHMARK(BM_CalendarScrollWeek)->Unit(benchmark::kMillisecond);

}  // namespace

// The plan is built by the first benchmark, before its timed loop.
BENCHMARK_MAIN();
