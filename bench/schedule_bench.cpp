// The schedule's figures on a large plan: 10,000 resources, 2,000 tasks and
// 1,000,000 bookings over one year, plus one resource with 5,000
// overlapping bookings in the visible stretch. Day unit, 40 columns:
// LayoutRows, one horizontal scroll step (new stretch, layout and paint),
// and painting one 1920 x 1080 chart window (background, grid and bars)
// into an offscreen image, at the top and at the crowded resource.
// QEL_BENCH_SIZE=small runs the same on a plan a thousand times smaller.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <vector>

#include "drawing.h"
#include "schedule_model.h"
#include "year_plan.h"

namespace {

constexpr int kColumns = 40;
constexpr int kWindowWidth = 1920;
constexpr int kWindowHeight = 1080;
constexpr int kLineHeight = 20;
constexpr int kBarHeight = 14;

// One resource whose bookings all overlap the stretch from the middle.
struct BenchPlan : YearPlan {
    BenchPlan() {
        root.BeginTransaction(nullptr);
        crowded = root.resources->Create();
        crowded->SetName("Crowded");
        crowded->orderIndex = -1;
        root.resources->Add(crowded);
        root.CommitTransaction();
        AddBookings(crowded, root.tasks->GetAt(0), shape.bookings / 200, [&](CBooking& booking, int i) {
            booking.startDay = middle + i % 30;
            booking.startMinutes = static_cast<int16_t>(480 + 15 * (i % 32));
            booking.endDay = booking.startDay + 1 + i % 9;
            booking.endMinutes = 1020;
        });
    }

    CResource* crowded = nullptr;
};

BenchPlan& Plan() {
    static BenchPlan plan;
    return plan;
}

CScheduleModel MakeModel() {
    CScheduleModel model(Plan().Context());
    model.baseUnit = 4;
    model.columnWidth = kWindowWidth / kColumns;
    model.BuildDayTable();
    return model;
}

CDateTime Middle() { return CDateTime(CDate::FromJulianDay(Plan().middle)); }

void PaintWindow(const CScheduleModel& model, QImage& image, int firstLine, const CDateTime& start) {
    QPainter painter(&image);
    QelDC dc(painter);
    dc.SelectFont(CreateSizedFont(12, "DejaVu Sans", 400));
    const ui::Rect window{0, 0, kWindowWidth, kWindowHeight};
    model.PaintBackground(dc, window, start);
    dc.SelectPen(0);
    for (int line = firstLine, y = 0; y < kWindowHeight && line < model.GetTotalLines(); ++line, y += kLineHeight)
        DrawBookingRow(dc, line, {0, y, kWindowWidth, y + kLineHeight}, window, model, nullptr, 0, kBarHeight);
}

int CrowdedFirstLine(const CScheduleModel& model) {
    for (const ScheduleRow& row : model.Rows())
        if (row.item.resource == Plan().crowded) return row.firstLine;
    return 0;
}

void BM_LayoutRows(benchmark::State& state) {
    CScheduleModel model = MakeModel();
    for (auto _ : state) model.LayoutRows(Middle(), kColumns);
    std::size_t bars = 0;
    for (int line = 0; line < model.GetTotalLines(); ++line) bars += model.BarsOfLine(line).size();
    state.counters["rows"] = static_cast<double>(model.Rows().size());
    state.counters["bars"] = static_cast<double>(bars);
    state.counters["lines"] = model.GetTotalLines();
}
BENCHMARK(BM_LayoutRows)->Unit(benchmark::kMillisecond);

void BM_PaintChart(benchmark::State& state, bool atCrowded) {
    CScheduleModel model = MakeModel();
    model.LayoutRows(Middle(), kColumns);
    const int firstLine = atCrowded ? CrowdedFirstLine(model) : 0;
    QImage image(kWindowWidth, kWindowHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        PaintWindow(model, image, firstLine, Middle());
    }
}
BENCHMARK_CAPTURE(BM_PaintChart, top, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PaintChart, crowded, true)->Unit(benchmark::kMillisecond);

void BM_ScrollStep(benchmark::State& state) {
    CScheduleModel model = MakeModel();
    QImage image(kWindowWidth, kWindowHeight, QImage::Format_RGB32);
    CDateTime start = Middle();
    for (auto _ : state) {
        start = model.StepUnits(start, 1);
        model.LayoutRows(start, kColumns);
        image.fill(Qt::white);
        PaintWindow(model, image, 0, start);
    }
}
BENCHMARK(BM_ScrollStep)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    Plan();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
