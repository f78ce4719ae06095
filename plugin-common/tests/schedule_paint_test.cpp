#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <functional>

#include "drawing.h"
#include "painted_image.h"
#include "schedule_fixture.h"
#include "time_scale.h"

namespace {

using painttest::PaintImage;

ui::COLORREF At(const QImage& image, int x, int y) { return ui::ToColorRef(image.pixelColor(x, y)); }

// Each boundary's offset, and the first date-time shown after it, which
// names the segment: a boundary in hidden time is followed by the next
// shown column.
TEST_F(ScheduleTest, TimeScaleBoundariesTable) {
    struct Start { int day, minutes; };
    struct Case {
        const char* name;
        int unit;
        bool hide;
        int width;
        int startDay, startMinutes, limit;
        std::vector<int> offsets;
        std::vector<Start> starts;
    };
    const Case cases[] = {
        {"months over days", 4, false, 10, 6, 0, 60, {260, 540}, {{Day(1, 2), 0}, {Day(1, 3), 0}}},
        {"months over working days; the 1st on a hidden Saturday", 4, true, 10, 6, 0, 60, {200, 400},
         {{Day(3, 2), 0}, {Day(3, 3), 0}}},
        {"days over hidden nights and a weekend", 3, true, 10, 10, 480, 20, {90, 180},
         {{Day(13), 480}, {Day(14), 480}}},
        {"hours over quarter hours across a hidden night", 2, true, 5, 6, 990, 10, {10, 30, 50},
         {{Day(7), 480}, {Day(7), 540}, {Day(7), 600}}},
        {"months over weeks", 5, false, 70, 6, 0, 10, {260, 540}, {{Day(1, 2), 0}, {Day(1, 3), 0}}},
        {"years over months", 6, false, 30, 1, 0, 30, {360, 720}, {{Day(1, 1, 2026), 0}, {Day(1, 1, 2027), 0}}},
        {"years over years", 7, false, 40, 1, 0, 3, {40, 80, 120},
         {{Day(1, 1, 2026), 0}, {Day(1, 1, 2027), 0}, {Day(1, 1, 2028), 0}}},
        {"hours over quarter hours from an unaligned start", 2, false, 5, 6, 470, 10, {5, 25, 45},
         {{Day(6), 485}, {Day(6), 545}, {Day(6), 605}}},
    };
    SetPlan(Day(1), Day(28, 2));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        model.baseUnit = c.unit;
        model.hideNonWorkingTime = c.hide;
        model.columnWidth = c.width;
        model.BuildDayTable();
        CTimeScaleIterator iterator(model, CDateTime(CDate::FromJulianDay(Day(c.startDay)), CTimeOfDay(c.startMinutes)),
                                    c.limit);
        std::vector<int> offsets;
        std::vector<CDateTime> starts;
        CDateTime segmentStart;
        int offset;
        while (iterator.Run(segmentStart, offset) && offsets.size() < 100) {
            offsets.push_back(offset);
            starts.push_back(segmentStart);
        }
        EXPECT_EQ(offsets, c.offsets);
        std::vector<CDateTime> expected;
        for (const Start& start : c.starts)
            expected.emplace_back(CDate::FromJulianDay(start.day), CTimeOfDay(start.minutes));
        EXPECT_EQ(starts, expected);
    }
}

TEST_F(ScheduleTest, NextUnitStartTable) {
    const CDateTime t(CDate::FromJulianDay(Day(8)), CTimeOfDay(10 * 60 + 25));   // Wednesday 10:25
    struct Case { int unit, firstDay; CDateTime expected; };
    const Case cases[] = {
        {3, 1, CDateTime(CDate::FromJulianDay(Day(8)), CTimeOfDay(11 * 60))},
        {4, 1, CDateTime(CDate::FromJulianDay(Day(9)))},
        {5, 1, CDateTime(CDate::FromJulianDay(Day(13)))},
        {5, 3, CDateTime(CDate::FromJulianDay(Day(15)))},   // a Wednesday week starts next Wednesday
        {6, 1, CDateTime(CDate::FromJulianDay(Day(1, 2)))},
        {7, 1, CDateTime(CDate::FromJulianDay(Day(1, 1, 2026)))},
        {2, 1, t},
    };
    for (const Case& c : cases) EXPECT_EQ(NextUnitStart(t, c.unit, c.firstDay), c.expected) << c.unit;
    EXPECT_EQ(NextUnitStart(CDateTime(CDate::FromJulianDay(Day(6)), CTimeOfDay(23 * 60 + 30)), 3, 1),
              CDateTime(CDate::FromJulianDay(Day(7))));
}

TEST_F(ScheduleTest, BackgroundColoursAndGridLines) {
    SetPlan(Day(1), Day(28, 2));
    model.weekdayColors[5] = 0x0000FF;   // Saturday
    model.baseUnit = 4;
    model.columnWidth = 10;
    model.BuildDayTable();
    const CDateTime start(CDate::FromJulianDay(Day(6)));
    const QImage image = PaintImage(300, 20, [&](QelDC& dc) { model.PaintBackground(dc, {0, 0, 300, 20}, start); });
    // Monday 6th onwards; today is Wednesday the 8th.
    struct Case { int column; ui::COLORREF fill; };
    for (const Case c : {Case{0, 0xFFFFFF}, Case{2, 0x80C0FF}, Case{5, 0x0000FF}, Case{6, 0xD4D4D4}, Case{7, 0xFFFFFF}}) {
        EXPECT_EQ(At(image, c.column * 10 + 4, 10), c.fill) << c.column;
        EXPECT_EQ(At(image, c.column * 10 + 9, 10), 0x808080u) << c.column;
    }
    // The major line of 1 February ends the column of 31 January.
    EXPECT_EQ(At(image, 259, 10), 0u);
    EXPECT_EQ(At(image, 249, 10), 0x808080u);

    // Finer than a day, non-working cells keep their shade over the weekday colour.
    model.baseUnit = 3;
    model.weekdayColors[0] = 0x00FF00;
    model.BuildDayTable();
    const QImage hours = PaintImage(300, 20, [&](QelDC& dc) { model.PaintBackground(dc, {0, 0, 300, 20}, start); });
    EXPECT_EQ(At(hours, 7 * 10 + 4, 10), 0xD4D4D4u);   // 7:00
    EXPECT_EQ(At(hours, 8 * 10 + 4, 10), 0x00FF00u);   // 8:00
    EXPECT_EQ(At(hours, 23 * 10 + 9, 10), 0u);         // midnight
}

TEST_F(ScheduleTest, BarsOfALine) {
    SetPlan(Day(6), Day(20));
    CResource* resource = Resource("R", 0);
    CTask* task = Task("i", 0);
    CBooking* booking = AddBooking(resource, task, Day(7), 480, Day(9), 600);
    Begin();
    booking->BeginChange();
    booking->color2 = 0x00FF00;
    root.CommitTransaction();
    Layout(4, 10, false, 20);
    ASSERT_EQ(model.BarsOfLine(0).size(), 1u);
    EXPECT_EQ(model.BarsOfLine(0)[0].left, 20);
    EXPECT_EQ(model.BarsOfLine(0)[0].right, 79);

    const ui::Rect line{0, 10, 200, 30};
    const auto draw = [&](const ui::Rect& clip, const CBooking* selected) {
        return PaintImage(200, 40, [&](QelDC& dc) {
            dc.SelectPen(0xFF0000);
            DrawBookingRow(dc, 0, line, clip, model, selected, 10, 12);
        });
    };
    const QImage plain = draw({0, 0, 200, 40}, nullptr);
    // Bar 10..69 (shifted left by 10), 12 high centred in 10..30: 14..25.
    EXPECT_EQ(At(plain, 60, 20), 0x00FF00u);
    EXPECT_EQ(At(plain, 10, 20), 0xFF0000u);
    EXPECT_EQ(At(plain, 69, 20), 0xFF0000u);
    EXPECT_EQ(At(plain, 60, 14), 0xFF0000u);
    EXPECT_EQ(At(plain, 60, 25), 0xFF0000u);
    EXPECT_EQ(At(plain, 60, 13), 0xFFFFFFu);
    EXPECT_EQ(At(plain, 70, 20), 0xFFFFFFu);

    // Clipped on the right: no right side of the frame.
    const QImage clipped = draw({0, 0, 50, 40}, nullptr);
    EXPECT_EQ(At(clipped, 49, 20), 0x00FF00u);
    EXPECT_EQ(At(clipped, 50, 20), 0xFFFFFFu);

    // Selected: the hatch runs around the bar.
    const QImage selected = draw({0, 0, 200, 40}, booking);
    for (int y = 12; y < 28; ++y)
        for (int x : {8, 9, 70, 71})
            EXPECT_EQ(At(selected, x, y), (x + y) % 4 == 3 ? 0u : 0xFFFFFFu) << x << "," << y;

    // A line off the clip paints nothing.
    const QImage off = draw({0, 100, 200, 140}, booking);
    EXPECT_EQ(off.pixel(60, 20), QColor(Qt::white).rgb());
}

}  // namespace
