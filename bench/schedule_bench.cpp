// The schedule's figures on a large plan: 10,000 resources, 2,000 tasks and
// 1,000,000 bookings over one year, plus one resource with 5,000
// overlapping bookings in the visible stretch. Day unit, 40 columns:
// LayoutRows, one horizontal scroll step (new stretch, layout and paint),
// and painting one 1920 x 1080 chart window (background, grid and bars)
// into an offscreen image, at the top and at the crowded resource.
// The booking grid: a hit test under the mouse, one step of a move drag
// (new range and frame, no layout), and a drop (transaction, commit,
// listener, layout of the stretch, paint).
// QEL_BENCH_SIZE=small runs the same on a plan a thousand times smaller.

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <vector>

#include "booking_drag.h"
#include "booking_placement.h"
#include "drawing.h"
#include "grid_hit_test.h"
#include "no_history.h"
#include "plan_generator.h"
#include "plan_root.h"
#include "plat/resource_strings.h"
#include "qt_bench_main.h"
#include "schedule_chart_paint.h"
#include "schedule_model.h"
#include "string_ids.h"

namespace {

constexpr int kColumns = 40;
constexpr int kWindowWidth = 1920;
constexpr int kWindowHeight = 1080;
constexpr int kLineHeight = 20;
constexpr int kBarHeight = 14;

struct BenchPlan {
    BenchPlan() : root(&history) {
        PlanShape shape = BenchPlanShape();
        shape.spanDays = 365;
        GeneratePlan(root, shape);
        middle = (root.properties->periodStart + root.properties->periodEnd) / 2;
        AddCrowdedResource(shape.bookings / 200);
    }

    // One resource whose bookings all overlap the stretch from the middle.
    void AddCrowdedResource(int count) {
        root.BeginTransaction(nullptr);
        crowded = root.resources->Create();
        crowded->SetName("Crowded");
        crowded->orderIndex = -1;
        root.resources->Add(crowded);
        CTask* task = root.tasks->GetAt(0);
        for (int i = 0; i < count; ++i) {
            CBooking* booking = root.bookings->Create();
            booking->resource = crowded;
            booking->task = task;
            booking->startDay = middle + i % 30;
            booking->startMinutes = static_cast<int16_t>(480 + 15 * (i % 32));
            booking->endDay = booking->startDay + 1 + i % 9;
            booking->endMinutes = 1020;
            root.bookings->Add(booking);
        }
        root.CommitTransaction();
    }

    NoHistory history;
    PlanRoot root;
    CResource* crowded = nullptr;
    int32_t middle = 0;
};

BenchPlan& Plan() {
    static BenchPlan plan;
    return plan;
}

CScheduleModel MakeModel() {
    CScheduleModel model(PlanContext{&Plan().root, nullptr, nullptr, [](std::string_view) { return std::string(); }});
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

// The same step as the schedule view's chart paints it: row lines included,
// and only the lines on screen.
void BM_ChartScrollStep(benchmark::State& state, bool atCrowded) {
    CScheduleModel model = MakeModel();
    QImage image(kWindowWidth, kWindowHeight, QImage::Format_RGB32);
    CDateTime start = Middle();
    model.LayoutRows(start, kColumns);
    const int firstLine = atCrowded ? CrowdedFirstLine(model) : 0;
    for (auto _ : state) {
        start = model.StepUnits(start, 1);
        model.LayoutRows(start, kColumns);
        QPainter painter(&image);
        QelDC dc(painter);
        dc.SelectFont(CreateSizedFont(12, "DejaVu Sans", 400));
        const ui::Rect window{0, 0, kWindowWidth, kWindowHeight};
        PaintScheduleChart(dc, model, {window, firstLine, kLineHeight, kBarHeight}, window);
    }
}
BENCHMARK_CAPTURE(BM_ChartScrollStep, top, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ChartScrollStep, crowded, true)->Unit(benchmark::kMillisecond);

GridGeometry CrowdedGeometry(const CScheduleModel& model) {
    return {kWindowWidth, kWindowHeight, CrowdedFirstLine(model), kLineHeight, kBarHeight};
}

// Points over the crowded resource's lines, on bars and between them.
void BM_GridHitTest(benchmark::State& state) {
    CScheduleModel model = MakeModel();
    model.LayoutRows(Middle(), kColumns);
    const GridGeometry g = CrowdedGeometry(model);
    int i = 0, found = 0;
    for (auto _ : state) {
        const int x = (i * 37) % kWindowWidth, y = (i * 13) % kWindowHeight;
        found += HitTestBooking(model, g, x, y, 4).bar != nullptr ? 1 : 0;
        ++i;
        benchmark::DoNotOptimize(found);
    }
    state.counters["hits"] = benchmark::Counter(found, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_GridHitTest)->Unit(benchmark::kMicrosecond);

// The last laid-out bar, moved to another cell at every step; the window
// finds the booking again by its id (and the line it was seen on) at each step.
void BM_DragMoveStep(benchmark::State& state) {
    CScheduleModel model = MakeModel();
    model.LayoutRows(Middle(), kColumns);
    int last = model.GetTotalLines() - 1;
    while (last > 0 && model.BarsOfLine(last).empty()) --last;
    const ScheduleBar* bar = model.BarsOfLine(last).data();
    const BookingRange range = RangeOf(*bar->booking);
    const WorkingTime wt = WorkingTimeOf(*Plan().root.properties);
    const GridCell pressed = CellOfStart(model, range.start);
    const int minWidth = MinFeedbackWidth(model.baseUnit, model.ColumnWidth());
    int i = 0;
    for (auto _ : state) {
        const GridCell cell{i++ % kColumns, 0};
        benchmark::DoNotOptimize(FindBarById(model, bar->booking->id, bar->line));
        const BookingRange moved = MovedRange(model, wt, range, pressed, cell, DragRules{});
        const ui::Rect frame = MoveFeedback(model, CellOfStart(model, moved.start), CellOfEnd(model, moved.end), 200,
                                            400, kBarHeight, kWindowHeight, minWidth);
        benchmark::DoNotOptimize(frame);
    }
}
BENCHMARK(BM_DragMoveStep)->Unit(benchmark::kMicrosecond);

CScheduleModel* g_dropModel = nullptr;
QImage* g_dropImage = nullptr;

// What the program does after a commit: a new layout of the stretch and a paint.
void RelayoutAndPaint(uint32_t) {
    if (g_dropModel == nullptr) return;
    g_dropModel->LayoutRows(Middle(), kColumns);
    QPainter painter(g_dropImage);
    QelDC dc(painter);
    dc.SelectFont(CreateSizedFont(12, "DejaVu Sans", 400));
    const ui::Rect window{0, 0, kWindowWidth, kWindowHeight};
    PaintScheduleChart(dc, *g_dropModel, {window, 0, kLineHeight, kBarHeight}, window);
}

// A booking of the first row dropped one day later, then back.
void BM_Drop(benchmark::State& state) {
    plat::SetResourceStringSource([](unsigned) { return "Move Booking"; });
    CScheduleModel model = MakeModel();
    QImage image(kWindowWidth, kWindowHeight, QImage::Format_RGB32);
    model.LayoutRows(Middle(), kColumns);
    CBooking* booking = nullptr;
    for (int line = 0; line < model.GetTotalLines() && booking == nullptr; ++line)
        if (!model.BarsOfLine(line).empty()) booking = model.BarsOfLine(line)[0].booking;
    if (booking == nullptr) {
        state.SkipWithError("no booking in the stretch");
        return;
    }
    static bool listening = false;
    if (!listening) listening = Plan().root.AddListener(&RelayoutAndPaint);
    g_dropModel = &model;
    g_dropImage = &image;
    const BookingRange home = RangeOf(*booking);
    BookingRange later = home;
    later.start.date = AddDays(later.start.date, 1);
    later.end.date = AddDays(later.end.date, 1);
    int i = 0;
    for (auto _ : state) {
        const BookingRange& to = i++ % 2 == 0 ? later : home;
        WriteBookingPlacement(Plan().root, booking, {to.start, to.end, booking->resource, booking->task}, ids::UNDO_MOVE_BOOKING, {});
    }
    g_dropModel = nullptr;
    g_dropImage = nullptr;
    plat::SetResourceStringSource(nullptr);
}
BENCHMARK(BM_Drop)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunQtBenchmarks(argc, argv, [] { Plan(); }); }
