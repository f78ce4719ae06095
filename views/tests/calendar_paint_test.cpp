// The calendar painted into an image: weekday colours, today, the day
// selection inverted under normally painted bars, every bar framed, the
// overflow marker, and a crowded day that paints only the lines it shows.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "calendar_paint.h"
#include "tests/schedule_fixture.h"

namespace {

constexpr QRgb kBlack = 0x000000;

// January 2025 from Monday the 6th, cells 100 x 100, four booking lines a
// cell (three whole), as in the arithmetic tests.
class CalendarPaintTest : public ScheduleTest {
protected:
    CalendarPaintTest() : calendar(PlanContext{&root, nullptr, nullptr, settings.Getter()}) {
        CalendarGeometry& g = state.geometry;
        g.monthHeaderHeight = 20;
        g.weekdayHeaderHeight = 16;
        g.dayHeaderHeight = 14;
        g.barHeight = 20;
        g.distance = 2;
        g.dayWidth = 100;
        g.dayHeight = 100;
        g.clientWidth = 760;
        g.clientHeight = 36 + 3 * 100 + 50;
        g.lines = 4;
        g.fullLines = 3;
        for (QFont* font : {&fonts.header, &fonts.weekdayHeader, &fonts.dayHeader, &fonts.dayHeaderBold, &fonts.booking})
            font->setPixelSize(10);
        state.weekdays = {0, 1, 2, 3, 4, 5, 6};
        state.weekdayNames = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
        state.workingDays = {true, true, true, true, true, false, false};
        state.today = CDate::FromJulianDay(Day(8));
        resource = Resource("R", 0);
        task = Task("T", 0);
    }

    void SetUp() override { SetPlan(Day(6), Day(31)); }

    CBooking* Booking(int startDay, int endDay, uint32_t color2) {
        CBooking* booking = AddBooking(resource, task, startDay, 480, endDay, 1020);
        Begin();
        booking->BeginChange();
        booking->color2 = color2;
        root.CommitTransaction();
        return booking;
    }

    QImage Paint() {
        calendar.UpdateVisibleWeekdays();
        state.geometry.columnCount = calendar.ShownWeekdayCount();
        calendar.Layout(CDate::FromJulianDay(Day(6)), CDate::FromJulianDay(Day(6) + 7 * 4 - 1));
        QImage image(state.geometry.clientWidth, state.geometry.clientHeight, QImage::Format_RGB32);
        QPainter painter(&image);
        QelDC dc(painter);
        PaintCalendar(dc, calendar, state, fonts, {0, 0, image.width(), image.height()});
        return image;
    }
    static QRgb At(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }
    // A point inside a cell's body, right of the bars' text.
    int BodyY(int row) const { return state.geometry.RowTop(row) + 90; }

    CCalendarModel calendar;
    CalendarPaintState state;
    CalendarFonts fonts;
    CResource* resource = nullptr;
    CTask* task = nullptr;
};

TEST_F(CalendarPaintTest, ColumnColoursTodayAndTheDaySelection) {
    calendar.weekdayColors[6] = 0x00FF00;   // Sunday green, even as a working day
    state.workingDays[6] = true;
    state.hasDaySelection = true;
    state.selectionFirst = CDate::FromJulianDay(Day(14));
    state.selectionLast = CDate::FromJulianDay(Day(15));
    Booking(Day(15), Day(15), 0x0000FF);
    const QImage image = Paint();
    const int x = [](int column) { return column * 100 + 50; }(0);
    EXPECT_EQ(At(image, x, BodyY(0)), 0xFFFFFFu) << "a working Monday";
    EXPECT_EQ(At(image, 550, BodyY(0)), 0xD4D4D4u) << "Saturday, not working";
    EXPECT_EQ(At(image, 650, BodyY(0)), 0x00FF00u) << "Sunday's own colour";
    EXPECT_EQ(At(image, 250, BodyY(0)), 0xFFC080u) << "today";   // 0x80C0FF, blue first
    EXPECT_EQ(At(image, 150, BodyY(1)), kBlack) << "a selected day, inverted";
    EXPECT_EQ(At(image, 250, BodyY(1)), kBlack) << "the other selected day";
    // The selected Wednesday's bar is painted normally over the inversion.
    const int barY = state.geometry.LineTop(1, 0) + 10;
    EXPECT_EQ(At(image, 290, barY), 0xFF0000u);
    EXPECT_EQ(At(image, 350, BodyY(1)), 0xFFFFFFu) << "Thursday is not selected";
    EXPECT_EQ(At(image, 750, BodyY(0)), 0x707070u) << "right of the last column";
}

TEST_F(CalendarPaintTest, EveryBarIsFramedInEveryRow) {
    // Friday to Tuesday: two segments; a one-day bar on line 1.
    Booking(Day(10), Day(14), 0xFFFFFF);
    Booking(Day(10), Day(10), 0xFFFFFF);
    const QImage image = Paint();
    const CalendarGeometry& g = state.geometry;
    for (const CalendarWeek& week : calendar.Weeks()) {
        const int row = static_cast<int>(&week - calendar.Weeks().data());
        for (const CalendarSegment& segment : week.segments) {
            const int top = g.LineTop(row, segment.line);
            const int left = g.ColumnLeft(segment.firstDay), right = g.ColumnLeft(segment.lastDay + 1) - 1;
            const int middle = (left + right) / 2;
            EXPECT_EQ(At(image, middle, top), kBlack) << row;
            EXPECT_EQ(At(image, middle, top + g.barHeight - 1), kBlack) << row;
            EXPECT_EQ(At(image, left, top + 15), kBlack) << row;
            EXPECT_EQ(At(image, right - 1, top + 15), kBlack) << row;
        }
    }
    EXPECT_EQ(calendar.Weeks()[0].segments.size() + calendar.Weeks()[1].segments.size(), 3u);
}

TEST_F(CalendarPaintTest, OverflowMarkerOnlyWhereALineIsNotShownWhole) {
    // Four bookings on Tuesday: the fourth on the line the cell shows in part.
    for (int i = 0; i < 4; ++i) Booking(Day(7), Day(7), 0xFFFFFF);
    Booking(Day(9), Day(9), 0xFFFFFF);
    const QImage image = Paint();
    const CalendarGeometry& g = state.geometry;
    const int k = (2 * g.dayHeaderHeight) / 9;
    const int markerY = g.RowTop(0) + 1 + (g.dayHeaderHeight - k) / 2 + k / 2;
    EXPECT_TRUE(HasOverflowMarker(calendar.Cells()[1], g.fullLines));
    EXPECT_EQ(At(image, 100 + 4 + k, markerY), kBlack) << "Tuesday's marker";
    EXPECT_FALSE(HasOverflowMarker(calendar.Cells()[3], g.fullLines));
    EXPECT_NE(At(image, 300 + 4 + k, markerY), kBlack) << "Thursday has one line";
    EXPECT_FALSE(HasOverflowMarker(calendar.Cells()[0], g.fullLines)) << "an empty day";
}

TEST_F(CalendarPaintTest, CrowdedDayPaintsTheLinesItShowsAndNoMore) {
    // 5,000 bookings on one Tuesday: the bars stop at the row's bottom and
    // the next week's cells keep their colour.
    Begin();
    for (int i = 0; i < 5000; ++i) {
        CBooking* booking = NewBooking(resource, task, Day(7), 480, Day(7), 1020);
        booking->color2 = 0x0000FF;
        root.bookings->Add(booking);
    }
    root.CommitTransaction();
    const QImage image = Paint();
    const CalendarGeometry& g = state.geometry;
    EXPECT_EQ(calendar.Cells()[1].bookingCount, 5000);
    EXPECT_TRUE(HasOverflowMarker(calendar.Cells()[1], g.fullLines));
    EXPECT_EQ(At(image, 150, g.LineTop(0, 3) + 5), 0xFF0000u) << "the partly shown line";
    EXPECT_EQ(At(image, 150, g.RowTop(1)), kBlack) << "the row's bottom line";
    EXPECT_EQ(At(image, 150, g.RowTop(1) + 60), 0xFFFFFFu) << "the next week";
}

}  // namespace
