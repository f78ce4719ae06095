#include <algorithm>
#include <string>

#include "drawing.h"
#include "schedule_model.h"
#include "time_scale.h"

namespace {

constexpr ui::COLORREF kWhite = 0xFFFFFF;

}  // namespace

void CScheduleModel::PaintBackground(QelDC& dc, const ui::Rect& rect, const CDateTime& start) const {
    PaintDayColumns(dc, rect, start);
    PaintGrid(dc, rect, start);
}

void CScheduleModel::PaintDayColumns(QelDC& dc, const ui::Rect& rect, const CDateTime& start) const {
    if (rect.IsEmpty() || emptyAxis_) return;
    const int width = ColumnWidth();
    const CDate today = CDate::Today();
    dc.SelectPen(minorGridColor);
    CDateTime position = start;
    for (int x = rect.left; x < rect.right; x += width) {
        ui::COLORREF shade = kWhite;
        if (!hideNonWorkingTime && nonWorkingColor != kWhite && IsNonWorkingCell(position)) shade = nonWorkingColor;
        if (baseUnit <= 4 && position.date.IsValid()) {
            ui::COLORREF day = weekdayColors[static_cast<std::size_t>(position.date.GetDayOfWeek() - 1)];
            if (markToday && todayColor != kWhite && position.date == today) day = todayColor;
            // Finer than a day, non-working time keeps its own shade.
            if (day != kWhite && !(baseUnit < 4 && shade == nonWorkingColor && shade != kWhite)) shade = day;
        }
        if (shade != kWhite) dc.FillSolidRect({x, rect.top, x + width + 1, rect.bottom}, shade);
        dc.MoveTo(x + width - 1, rect.top);
        dc.LineTo(x + width - 1, rect.bottom);
        const CDateTime next = StepUnits(position, 1);
        if (!(position < next)) break;
        position = next;
    }
}

void CScheduleModel::PaintGrid(QelDC& dc, const ui::Rect& rect, const CDateTime& start) const {
    if (rect.IsEmpty() || emptyAxis_) return;
    dc.SelectPen(majorGridColor);
    const int width = ColumnWidth();
    CTimeScaleIterator iterator(*this, start, (rect.width() + width - 1) / width);
    CDateTime boundary;
    int offset = 0;
    while (iterator.Run(boundary, offset)) {
        const int x = rect.left + offset - 1;
        if (x < rect.left || x >= rect.right) continue;
        dc.MoveTo(x, rect.top);
        dc.LineTo(x, rect.bottom);
    }
}

void DrawBookingRow(QelDC& dc, int line, const ui::Rect& lineRect, const ui::Rect& clip,
                    const CScheduleModel& model, const CBooking* selected, int scrollX, int barHeight) {
    const ui::Rect visible = ui::Intersect(lineRect, clip);
    if (visible.IsEmpty()) return;
    const int height = std::clamp(barHeight, 1, lineRect.height());
    const int top = lineRect.top + (lineRect.height() - height) / 2;
    for (const ScheduleBar& bar : model.BarsOfLine(line)) {
        const CBooking* booking = bar.booking;
        const ui::Rect barRect{lineRect.left + bar.left - scrollX, top, lineRect.left + bar.right - scrollX + 1,
                               top + height};
        if (barRect.right <= visible.left - 2 || barRect.left >= visible.right + 2) continue;
        const ui::Rect inside = ui::Intersect(barRect, visible);
        if (!inside.IsEmpty()) {
            dc.FillSolidRect(inside, booking->color2);
            DrawClippedFrame(dc, barRect, visible);
            dc.SetTextColor(booking->color1);
            const int oldMode = dc.SetBkMode(ui::TRANSPARENT);
            const char* name = model.resourceMode ? (booking->task ? booking->task->name : "")
                                                  : (booking->resource ? booking->resource->name : "");
            ui::Rect textBox{barRect.left + 2, barRect.top, barRect.right, barRect.bottom};
            if (model.notesOnBookings) {
                const int middle = barRect.top + barRect.height() / 2;
                std::string notes = booking->text;
                std::replace(notes.begin(), notes.end(), '\n', ' ');
                DrawTextInRect(dc, name, {textBox.left, textBox.top, textBox.right, middle}, inside, kAlignLeft, false);
                DrawTextInRect(dc, notes, {textBox.left, middle, textBox.right, textBox.bottom}, inside, kAlignLeft, false);
            } else {
                DrawTextInRect(dc, name, textBox, inside, kAlignLeft, false);
            }
            dc.SetBkMode(oldMode);
        }
        if (booking == selected) FillRectPattern(dc, barRect);
    }
}
