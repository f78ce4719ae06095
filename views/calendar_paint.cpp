#include "calendar_paint.h"

#include <algorithm>

#include "drawing.h"

namespace {

constexpr ui::COLORREF kWhite = 0xFFFFFF;

void Line(QelDC& dc, int x1, int y1, int x2, int y2) {
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
}

void PaintHeaders(QelDC& dc, const CCalendarModel& model, const CalendarPaintState& s, const CalendarFonts& fonts) {
    const CalendarGeometry& g = s.geometry;
    const int month = g.monthHeaderHeight;
    const int header = g.HeaderHeight();
    const ui::Rect monthBand{0, 0, g.clientWidth, month};
    dc.FillSolidRect(monthBand, model.monthHeaderBackgroundColor);
    dc.SelectPen(0);
    Line(dc, 0, month - 1, g.clientWidth, month - 1);
    if (!model.Cells().empty()) {
        dc.SelectFont(fonts.header);
        dc.SetTextColor(model.monthHeaderTextColor);
        DrawTextInRect(dc, model.FormatRangeCaption(model.Cells().front().start.date, model.Cells().back().start.date),
                       monthBand, monthBand, kAlignCenter, false);
    }
    dc.FillSolidRect({0, month, g.clientWidth, header}, model.dayNameHeaderBackgroundColor);
    dc.SelectFont(fonts.weekdayHeader);
    dc.SetTextColor(model.dayNameHeaderTextColor);
    const int gridRight = g.GridWidth();
    for (int k = g.firstColumn; k < g.columnCount && g.ColumnLeft(k) < g.clientWidth; ++k) {
        const int left = g.ColumnLeft(k);
        const std::size_t column = static_cast<std::size_t>(k);
        const ui::Rect band{left, month, left + g.dayWidth, header};
        if (column < s.weekdayNames.size()) DrawTextInRect(dc, s.weekdayNames[column], band, band, kAlignCenter, false);
        if (column < s.weekdays.size()) {
            const int weekday = s.weekdays[column];
            const ui::COLORREF fill =
                CalendarColumnColor(model, weekday, s.workingDays[static_cast<std::size_t>(weekday)]);
            if (fill != kWhite) dc.FillSolidRect({left, header, left + g.dayWidth, g.clientHeight}, fill);
        }
        dc.SelectPen(model.vertGridColor);
        Line(dc, left + g.dayWidth - 1, month, left + g.dayWidth - 1, g.clientHeight);
    }
    dc.SelectPen(0);
    Line(dc, 0, header - 1, gridRight, header - 1);
    if (gridRight < g.clientWidth) dc.FillSolidRect({gridRight, month, g.clientWidth, g.clientHeight}, model.emptyBackgroundColor);
}

void PaintCell(QelDC& dc, const CCalendarModel& model, const CalendarPaintState& s, const CalendarFonts& fonts,
               int row, int column, const CalendarDayCell& cell) {
    const CalendarGeometry& g = s.geometry;
    const ui::Rect rect = g.CellRect(row, column);
    const ui::Rect strip{rect.left, rect.top, rect.right, rect.top + g.dayHeaderHeight};
    const CDate& day = cell.start.date;
    if (model.markToday && model.todayColor != kWhite && day == s.today) {
        dc.FillSolidRect(rect, model.todayColor);
    } else {
        dc.FillSolidRect(strip, model.dayHeaderBackgroundColor);
    }
    const bool marker = HasOverflowMarker(cell, g.fullLines);
    if (marker) {
        const int k = (2 * g.dayHeaderHeight) / 9;
        const int y = rect.top + (g.dayHeaderHeight - k) / 2;
        const ui::Point points[3] = {{rect.left + 4, y}, {rect.left + 4 + 2 * k, y}, {rect.left + 4 + k, y + k}};
        dc.SelectPen(0);
        dc.SelectSolidBrush(0);
        dc.Polygon(points, 3);
    }
    bool firstOfMonth = false;
    const std::string caption = CCalendarModel::FormatDayCaption(day, firstOfMonth);
    dc.SelectFont(firstOfMonth ? fonts.dayHeaderBold : fonts.dayHeader);
    dc.SetTextColor(model.dayNameHeaderTextColor);
    const ui::Rect box{rect.left + (marker ? 10 : 0), rect.top, rect.right - 2, strip.bottom};
    DrawTextInRect(dc, caption, box, box, kAlignRight, true);
    if (s.hasDaySelection && !(day < s.selectionFirst) && !(s.selectionLast < day))
        dc.InvertRect({rect.left, rect.top - 1, rect.right, rect.bottom});
}

std::string OneLine(const char* text) {
    std::string line;
    for (const char* p = text; *p != '\0'; ++p) line += *p == '\n' ? ' ' : *p;
    return line;
}

void PaintBar(QelDC& dc, const CCalendarModel& model, const CalendarPaintState& s, int row,
              const CalendarSegment& segment, const ui::Rect& clip) {
    const CalendarGeometry& g = s.geometry;
    const int top = g.LineTop(row, segment.line);
    const ui::Rect frame{g.ColumnLeft(segment.firstDay), top, g.ColumnLeft(segment.lastDay + 1) - 1, top + g.barHeight};
    const ui::Rect visible =
        ui::Intersect(frame, {0, frame.top, g.clientWidth, std::min(g.clientHeight, g.RowTop(row + 1))});
    if (visible.IsEmpty() || ui::Intersect(visible, clip).IsEmpty()) return;
    const CBooking& booking = *segment.booking;
    dc.FillSolidRect(visible, booking.color2);
    dc.SelectPen(0);
    DrawClippedFrame(dc, frame, visible);
    dc.SetTextColor(booking.color1);
    const int n = model.notesOnBookings ? 3 : 2;
    const int y1 = top + g.barHeight / n;
    const int y2 = model.notesOnBookings ? y1 + g.barHeight / n : frame.bottom;
    const int left = frame.left + 2;
    if (booking.resource != nullptr)
        DrawTextInRect(dc, booking.resource->name, {left, top, frame.right, y1}, visible, kAlignLeft, false);
    if (booking.task != nullptr)
        DrawTextInRect(dc, booking.task->name, {left, y1, frame.right, y2}, visible, kAlignLeft, false);
    if (model.notesOnBookings)
        DrawTextInRect(dc, OneLine(booking.text), {left, y2, frame.right, frame.bottom}, visible, kAlignLeft, false);
    if (&booking == s.selectedBooking) FillRectPattern(dc, visible);
}

}  // namespace

ui::COLORREF CalendarColumnColor(const CCalendarModel& model, int weekday, bool workingDay) {
    const ui::COLORREF set = model.weekdayColors[static_cast<std::size_t>(std::clamp(weekday, 0, 6))];
    if (set != kWhite) return set;
    return workingDay ? kWhite : model.nonWorkingColor;
}

bool HasOverflowMarker(const CalendarDayCell& cell, int fullLines) {
    return cell.highestLine >= 0 && cell.highestLine >= fullLines;
}

void PaintCalendar(QelDC& dc, const CCalendarModel& model, const CalendarPaintState& s, const CalendarFonts& fonts,
                   const ui::Rect& clip) {
    const CalendarGeometry& g = s.geometry;
    if (g.clientWidth <= 0 || g.clientHeight <= 0) return;
    dc.SetBkMode(ui::TRANSPARENT);
    dc.FillSolidRect({0, 0, g.clientWidth, g.clientHeight}, model.backgroundColor);
    PaintHeaders(dc, model, s, fonts);
    const int rows = std::min<int>(g.RowsInView(), static_cast<int>(model.Weeks().size()));
    for (int row = 0; row < rows; ++row) {
        if (g.RowTop(row) > clip.bottom || g.RowTop(row + 1) < clip.top) continue;
        const CalendarWeek& week = model.Weeks()[static_cast<std::size_t>(row)];
        int lastRight = 0;
        for (int k = g.firstColumn; k < week.cellCount; ++k) {
            const int left = g.ColumnLeft(k);
            if (left > clip.right || left >= g.clientWidth) break;
            lastRight = left + g.dayWidth;
            if (lastRight < clip.left) continue;
            PaintCell(dc, model, s, fonts, row, k, model.Cells()[static_cast<std::size_t>(week.firstCell + k)]);
        }
        dc.SelectFont(fonts.booking);
        for (const CalendarSegment& segment : week.segments) {
            if (segment.line < 0 || segment.line >= g.lines || segment.lastDay < g.firstColumn) continue;
            PaintBar(dc, model, s, row, segment, clip);
        }
        const int stripLine = g.RowTop(row) + 1 + g.dayHeaderHeight;
        dc.SelectPen(model.dayHeaderGridColor);
        Line(dc, 0, stripLine, lastRight, stripLine);
        dc.SelectPen(0);
        Line(dc, 0, g.RowTop(row + 1), lastRight, g.RowTop(row + 1));
    }
}

void InvertFrame(QelDC& dc, const ui::Rect& r) {
    if (r.IsEmpty()) return;
    constexpr int kWidth = 2;
    if (r.width() <= 2 * kWidth || r.height() <= 2 * kWidth) {
        dc.InvertRect(r);
        return;
    }
    dc.InvertRect({r.left, r.top, r.right, r.top + kWidth});
    dc.InvertRect({r.left, r.bottom - kWidth, r.right, r.bottom});
    dc.InvertRect({r.left, r.top + kWidth, r.left + kWidth, r.bottom - kWidth});
    dc.InvertRect({r.right - kWidth, r.top + kWidth, r.right, r.bottom - kWidth});
}
