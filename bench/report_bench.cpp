// The booking-list report over 100,000 bookings (10,000 resources, 2,000
// tasks, one year): the model alone, the model and the HTML page written to a file, and the
// printed report laid out in the report document (what the preview needs to
// count its pages). Each run reports the pages or bytes and the peak memory.
// The schedule report of one month as HTML with its PNG images, on the plan
// of 1,000,000 bookings with a public filter that keeps 1,000 resources.
// QEL_BENCH_SIZE=small runs the same on a plan a thousand times smaller.

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "no_history.h"
#include "peak_memory.h"
#include "plan_generator.h"
#include "plan_root.h"
#include "qt_bench_main.h"
#include "qt_device.h"
#include "report_document_impl.h"
#include "reports/booking_list_html.h"
#include "reports/booking_list_print.h"
#include "reports/schedule_report_html.h"
#include "support/calendar_values.h"

namespace {

struct BenchPlan {
    BenchPlan() : root(&history) {
        PlanShape shape = BenchPlanShape();
        shape.bookings /= 10;
        shape.spanDays = 365;
        GeneratePlan(root, shape);
        const auto day = [](std::int32_t julian) { return CDate::FromJulianDay(julian).Format(0, "yyyyMMdd"); };
        first = day(root.properties->periodStart);
        last = day(root.properties->periodEnd);
    }

    PlanContext Context() {
        return PlanContext{&root, nullptr, nullptr, [this](std::string_view key) -> std::string {
                               if (key == "ReportsBookingListDateRangeFixed") return "1";
                               if (key == "ReportsBookingListDateRangeFixedStart") return first;
                               if (key == "ReportsBookingListDateRangeFixedEnd") return last;
                               if (key == "ReportsBookingListDateShowNotes") return "1";
                               return {};
                           }};
    }

    NoHistory history;
    PlanRoot root;
    std::string first, last;
};

BenchPlan& Plan() {
    static BenchPlan plan;
    return plan;
}

std::size_t Listed(const CBookingListReport& report) {
    std::size_t listed = 0;
    for (const BookingListGroup& group : report.groups) listed += group.bookings.size();
    return listed;
}

// The model alone, which both forms share.
void BM_BookingListModel(benchmark::State& state) {
    std::size_t listed = 0;
    for (auto _ : state) {
        CBookingListReport report(true);
        report.BuildModel(Plan().Context());
        listed = Listed(report);
    }
    state.counters["bookings"] = static_cast<double>(listed);
}
BENCHMARK(BM_BookingListModel)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_BookingListHtml(benchmark::State& state) {
    const std::string path = "/tmp/qel-report-bench-" + std::to_string(getpid()) + ".html";
    std::size_t listed = 0;
    for (auto _ : state) {
        const PlanContext context = Plan().Context();
        CBookingListHtml page(context.settings);
        page.BuildModel(context);
        if (page.Render(path) != 0) state.SkipWithError("page not written");
        listed = Listed(page);
    }
    std::remove(path.c_str());
    state.counters["bookings"] = static_cast<double>(listed);
    state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(BM_BookingListHtml)->Unit(benchmark::kMillisecond)->Iterations(1);

// A4 at 100 dpi: the document measures text for the device it is given.
void BM_BookingListLayout(benchmark::State& state) {
    QImage device(827, 1169, QImage::Format_RGB32);
    int pages = 0;
    for (auto _ : state) {
        QPainter painter(&device);
        doc::ReportDocument document(std::make_unique<doc::QtDevice>());
        const PlanContext context = Plan().Context();
        CBookingListPrint report(context.settings);
        report.BuildModel(context);
        if (report.Print(document, &painter, &device) != 0) state.SkipWithError("layout failed");
        pages = document.GetPageCount();
    }
    state.counters["pages"] = pages;
    state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(BM_BookingListLayout)->Unit(benchmark::kMillisecond)->Iterations(1);

// The full plan and a public filter that keeps every tenth resource.
struct FilteredPlan {
    FilteredPlan() : root(&history) {
        GeneratePlan(root, BenchPlanShape());
        std::vector<CResource*> resources(static_cast<std::size_t>(root.resources->GetCount()));
        root.resources->GetAll(resources.data());
        std::vector<CResource*> excluded;
        for (std::size_t i = 0; i < resources.size(); ++i)
            if (i % 10 != 0) excluded.push_back(resources[i]);
        kept = static_cast<int>(resources.size() - excluded.size());
        filter = root.filters->Create();
        filter->SetExcludedResources(excluded.data(), static_cast<std::int32_t>(excluded.size()));
        // The month in the middle of the plan.
        CDate start = CDate::FromJulianDay((root.properties->periodStart + root.properties->periodEnd) / 2);
        start = CDate(1, start.GetMonth(), start.GetYear());
        CDate end = start;
        end.AddMonths(1);
        first = start.Format(0, "yyyyMMdd");
        last = end.Format(0, "yyyyMMdd");
    }
    ~FilteredPlan() { filter->Delete(); }

    PlanContext Context() {
        return PlanContext{&root, filter, nullptr, [this](std::string_view key) -> std::string {
                               if (key == "ViewFilterActive") return "1";
                               if (key == "ViewScheduleBaseUnit") return "4";
                               if (key == "ViewVisibleDateFirst") return first;
                               if (key == "ViewVisibleDateLast") return last;
                               if (key == "ReportsErrorMessage") return "0";
                               return {};
                           }};
    }

    NoHistory history;
    PlanRoot root;
    CFilter* filter = nullptr;
    int kept = 0;
    std::string first, last;
};

void BM_ScheduleHtmlMonth(benchmark::State& state) {
    static FilteredPlan plan;
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("qel-schedule-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    int images = 0, lines = 0;
    for (auto _ : state) {
        CScheduleHtmlRenderer page(plan.Context());
        if (page.Render((folder / "schedule.html").string()) != 0) state.SkipWithError("page not written");
        images = page.imageCount;
        lines = page.GetTotalLines();
    }
    std::filesystem::remove_all(folder);
    state.counters["resources"] = plan.kept;
    state.counters["lines"] = lines;
    state.counters["images"] = images;
    state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(BM_ScheduleHtmlMonth)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) { return RunQtBenchmarks(argc, argv, [] { Plan(); }); }
