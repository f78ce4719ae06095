// The delimited export of every booking of the benchmarks' plan (1,000,000
// bookings over one year, 10,000 resources, 2,000 tasks): the booking-list
// model, the text and the file written under a temporary name, as the export
// command runs them. Reports the bookings, the file's size and the peak
// memory. QEL_BENCH_SIZE=small runs the same on a plan a thousand times
// smaller.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <string>
#include <sys/stat.h>

#include "peak_memory.h"
#include "reports/delimited_export.h"
#include "reports/settings_dialogs.h"
#include "year_plan.h"

namespace {

YearPlan& Plan() {
    static YearPlan plan;
    return plan;
}

ExportChoice AllBookings(const std::string& path) {
    const CPlanProperties& properties = *Plan().root.properties;
    return ExportChoice{2, CDate::FromJulianDay(properties.periodStart), CDate::FromJulianDay(properties.periodEnd),
                        path};
}

// The part the export shares with the booking list: its model of every booking.
void BM_BookingListModelAllBookings(benchmark::State& state) {
    const ExportChoice choice = AllBookings("");
    const std::string first = choice.rangeStart.Format(0, "yyyyMMdd");
    const std::string last = choice.rangeEnd.Format(0, "yyyyMMdd");
    PlanContext context = Plan().Context();
    context.settings = [&](std::string_view key) -> std::string {
        if (key == "ReportsBookingListDateRangeFixed") return "1";
        if (key == "ReportsBookingListDateRangeFixedStart") return first;
        if (key == "ReportsBookingListDateRangeFixedEnd") return last;
        return {};
    };
    for (auto _ : state) {
        CBookingListReport model(false);
        model.BuildModel(context);
        benchmark::DoNotOptimize(model.groups.data());
    }
}
BENCHMARK(BM_BookingListModelAllBookings)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ExportAllBookings(benchmark::State& state) {
    YearPlan& plan = Plan();
    const std::string path = "/tmp/qel-export-bench-" + std::to_string(getpid()) + ".csv";
    const ExportChoice choice = AllBookings(path);
    const SettingSetter ignore = [](std::string_view, std::string_view) {};
    for (auto _ : state) {
        if (ExportChosen(plan.Context(), ignore, choice) != CExportFile::kWritten) state.SkipWithError("not written");
    }
    struct stat written {};
    ::stat(path.c_str(), &written);
    std::remove(path.c_str());
    state.counters["bookings"] = static_cast<double>(plan.root.bookings->GetCount());
    state.counters["file_MB"] = static_cast<double>(written.st_size) / (1024.0 * 1024.0);
    state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(BM_ExportAllBookings)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    Plan();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
