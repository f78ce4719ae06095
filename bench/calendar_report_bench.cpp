// The calendar report of one year as an HTML page with its PNG images, on
// the benchmarks' plan of 1,000,000 bookings over that year, without the
// additional-bookings table. Each image is painted, written and dropped
// before the next; the run reports the images, the bytes written and the
// peak memory. QEL_BENCH_SIZE=small runs the same on a plan a thousand
// times smaller.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "peak_memory.h"
#include "qt_bench_main.h"
#include "reports/calendar_report_html.h"
#include "year_plan.h"

namespace {

struct BenchPlan : YearPlan {
    BenchPlan() {
        const auto day = [](std::int32_t julian) { return CDate::FromJulianDay(julian).Format(0, "yyyyMMdd"); };
        first = day(root.properties->periodStart);
        last = day(root.properties->periodEnd);
    }

    PlanContext ReportContext() {
        return PlanContext{&root, nullptr, nullptr, [this](std::string_view key) -> std::string {
                               if (key == "ReportsCalendarDateRangeFixed") return "1";
                               if (key == "ReportsCalendarDateRangeFixedStart") return first;
                               if (key == "ReportsCalendarDateRangeFixedEnd") return last;
                               if (key == "ReportsCalendarShowAdditionalBookings") return "0";
                               return {};
                           }};
    }

    std::string first, last;
};

BenchPlan& Plan() {
    static BenchPlan plan;
    return plan;
}

void BM_CalendarReportYearHtml(benchmark::State& state) {
    const std::string path = "/tmp/qel-calendar-bench-" + std::to_string(getpid()) + ".html";
    const double planMegabytes = PeakMegabytes();
    int images = 0, weeksPerImage = 0, rowPixels = 0;
    double bytes = 0;
    for (auto _ : state) {
        CCalendarHtml page(Plan().ReportContext());
        if (page.Render(path) != 0) state.SkipWithError("page not written");
        images = page.imageCount;
        weeksPerImage = page.images.weeksPerImage;
        rowPixels = page.images.weekRowHeight;
        state.PauseTiming();
        bytes = 0;
        for (const std::string& file : page.WrittenFiles()) {
            bytes += static_cast<double>(std::filesystem::file_size(file));
            std::remove(file.c_str());
        }
        state.ResumeTiming();
    }
    state.counters["images"] = images;
    state.counters["weeks_per_image"] = weeksPerImage;
    state.counters["week_px"] = rowPixels;
    state.counters["plan_MB"] = planMegabytes;
    state.counters["written_MB"] = bytes / 1e6;
    state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(BM_CalendarReportYearHtml)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) { return RunQtBenchmarks(argc, argv, [] { Plan(); }); }
