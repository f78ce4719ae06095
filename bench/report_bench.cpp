// The booking-list report over 100,000 bookings (10,000 resources, 2,000
// tasks, one year): the model alone, the model and the HTML page written to a file, and the
// printed report laid out in the report document (what the preview needs to
// count its pages). Each run reports the pages or bytes and the peak memory.
// QEL_BENCH_SIZE=small runs the same on a plan a thousand times smaller.

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include <unistd.h>

#include <cstdio>
#include <memory>
#include <string>

#include "no_history.h"
#include "peak_memory.h"
#include "plan_generator.h"
#include "plan_root.h"
#include "qt_bench_main.h"
#include "qt_device.h"
#include "report_document_impl.h"
#include "reports/booking_list_html.h"
#include "reports/booking_list_print.h"
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

}  // namespace

int main(int argc, char** argv) { return RunQtBenchmarks(argc, argv, [] { Plan(); }); }
