// The calendar's layout on a large plan: 10,000 resources, 2,000 tasks and
// 1,000,000 bookings over one year, plus one day with 5,000 bookings. Six
// visible weeks: laid out from the middle of the year, laid out over the
// crowded day, and one week's scroll step. Then the view's window, 1920 x
// 1080 offscreen: painted from the middle and over the crowded day, and one
// week's scroll step with its layout and paint.
// QEL_BENCH_SIZE=small runs the same on a plan a thousand times smaller.

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <algorithm>

#include "calendar_geometry.h"
#include "calendar_model.h"
#include "calendar_paint.h"
#include "drawing.h"
#include "qt_bench_main.h"
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

// The Monday of the week holding day.
CDate WeekOf(int32_t day) {
    CDate date = CDate::FromJulianDay(day);
    date.MoveToWeekday(0, false);
    return date;
}

// The calendar view's window: the fonts and heights the view builds from
// its default settings, cells spread over the width, 100 pixels high (two
// booking lines a day, as the view lays them out).
class CalendarWindow {
public:
    static constexpr int kWidth = 1920;
    static constexpr int kHeight = 1080;

    CalendarWindow() : model_(Plan().Context()), image_(kWidth, kHeight, QImage::Format_RGB32) {
        model_.UpdateVisibleWeekdays();
        fonts_.header = CreateSizedFont(15, "DejaVu Sans", 700);
        fonts_.weekdayHeader = CreateSizedFont(12, "DejaVu Sans", 400);
        fonts_.dayHeader = CreateSizedFont(12, "DejaVu Sans", 400);
        fonts_.dayHeaderBold = CreateSizedFont(12, "DejaVu Sans", 700);
        fonts_.booking = CreateSizedFont(12, "DejaVu Sans", 400);
        const auto height = [](const QFont& font) { return QFontMetrics(font).height(); };
        CalendarGeometry& g = state_.geometry;
        g.monthHeaderHeight = static_cast<int>(1.75 * height(fonts_.header));
        g.weekdayHeaderHeight = static_cast<int>(1.35 * height(fonts_.weekdayHeader));
        g.dayHeaderHeight = model_.dayHeaderHeight = static_cast<int>(1.35 * height(fonts_.dayHeader));
        model_.textLineHeight = static_cast<int>(1.15 * height(fonts_.booking));
        g.dayWidth = model_.dayWidth = kWidth / 7;
        g.dayHeight = model_.dayHeight = 100;
        g.distance = model_.bookingDistance = 5;
        g.barHeight = model_.GetBookingLineHeight();
        model_.GetLinesPerDay(g.lines, g.fullLines);
        model_.lineLimit = g.lines;
        g.clientWidth = kWidth;
        g.clientHeight = kHeight;
        g.columnCount = model_.ShownWeekdayCount();
        state_.weekdays = {0, 1, 2, 3, 4, 5, 6};
        state_.weekdayNames = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
        state_.workingDays = {true, true, true, true, true, false, false};
        state_.today = CDate::FromJulianDay(Plan().middle);
    }

    // The week position that shows day in the first row.
    int PositionOf(int32_t day) const { return WeekPositionOf(model_, CDate::FromJulianDay(day), 1 << 30); }
    void Show(int weekPos) {
        CDate first, last;
        VisibleDays(model_, weekPos, state_.geometry.RowsInView(), first, last);
        model_.Layout(first, last);
    }
    void Paint() {
        QPainter painter(&image_);
        QelDC dc(painter);
        PaintCalendar(dc, model_, state_, fonts_, {0, 0, kWidth, kHeight});
    }
    // Six weeks from first, as the view lays them out.
    void LayoutSixWeeks(const CDate& first) { model_.Layout(first, AddDays(first, 7 * kVisibleWeeks - 1)); }
    const CCalendarModel& Model() const { return model_; }

private:
    CCalendarModel model_;
    CalendarPaintState state_;
    CalendarFonts fonts_;
    QImage image_;
};

// The segments laid out, and the days whose bookings do not all find a line.
void Report(benchmark::State& state, const CCalendarModel& model) {
    std::size_t segments = 0, overflowing = 0;
    for (const CalendarWeek& week : model.Weeks()) segments += week.segments.size();
    for (const CalendarDayCell& cell : model.Cells()) overflowing += cell.highestLine >= model.lineLimit ? 1 : 0;
    state.counters["segments"] = static_cast<double>(segments);
    state.counters["overflowing_days"] = static_cast<double>(overflowing);
}

void BM_CalendarLayout(benchmark::State& state, bool atCrowdedDay) {
    CalendarWindow window;
    const CDate first = WeekOf(atCrowdedDay ? Plan().crowdedDay - 14 : Plan().middle);
    for (auto _ : state) window.LayoutSixWeeks(first);
    Report(state, window.Model());
}
BENCHMARK_CAPTURE(BM_CalendarLayout, middle, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CalendarLayout, crowded_day, true)->Unit(benchmark::kMillisecond);

void BM_CalendarScrollWeek(benchmark::State& state) {
    CalendarWindow window;
    const CDate start = WeekOf(Plan().middle);
    CDate first = start;
    for (auto _ : state) {
        // Back and forth over the busy half of the year.
        first = AddDays(first, 7);
        if (first > AddDays(start, 7 * 12)) first = start;
        window.LayoutSixWeeks(first);
    }
}
BENCHMARK(BM_CalendarScrollWeek)->Unit(benchmark::kMillisecond);

void BM_CalendarViewPaint(benchmark::State& state, bool atCrowdedDay) {
    CalendarWindow window;
    window.Show(window.PositionOf(atCrowdedDay ? Plan().crowdedDay - 14 : Plan().middle));
    for (auto _ : state) window.Paint();
    Report(state, window.Model());
}
BENCHMARK_CAPTURE(BM_CalendarViewPaint, middle, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CalendarViewPaint, crowded_day, true)->Unit(benchmark::kMillisecond);

// One week down and its paint, back and forth over the busy half of the year.
void BM_CalendarViewScrollWeek(benchmark::State& state) {
    CalendarWindow window;
    const int start = window.PositionOf(Plan().middle);
    int pos = start;
    for (auto _ : state) {
        pos = pos < start + 12 ? pos + 1 : start;
        window.Show(pos);
        window.Paint();
    }
}
BENCHMARK(BM_CalendarViewScrollWeek)->Unit(benchmark::kMillisecond);

}  // namespace

// The plan is built before the first benchmark's timed loop.
int main(int argc, char** argv) { return RunQtBenchmarks(argc, argv, [] { Plan(); }); }
