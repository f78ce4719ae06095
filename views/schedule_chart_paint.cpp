#include "schedule_chart_paint.h"

#include <algorithm>

#include "schedule_model.h"

void DrawDragFrame(QelDC& dc, const ui::Rect& r) {
    if (r.IsEmpty()) return;
    constexpr int kWidth = 2;
    const int side = std::min({kWidth, r.width(), r.height()});
    dc.InvertRect({r.left, r.top, r.right, r.top + side});
    if (r.height() > side) dc.InvertRect({r.left, std::max(r.top + side, r.bottom - side), r.right, r.bottom});
    const int top = r.top + side, bottom = std::max(top, r.bottom - side);
    if (bottom <= top) return;
    dc.InvertRect({r.left, top, r.left + side, bottom});
    if (r.width() > side) dc.InvertRect({std::max(r.left + side, r.right - side), top, r.right, bottom});
}

void PaintScheduleChart(QelDC& dc, const CScheduleModel& model, const ChartPaintGeometry& g, const ui::Rect& clip,
                        const ChartMarks& marks) {
    const ui::Rect area = ui::Intersect(g.client, clip);
    if (area.IsEmpty()) return;
    dc.FillSolidRect(area, 0xFFFFFF);
    if (model.Columns().empty()) return;
    model.PaintBackground(dc, g.client, model.Columns().front().start);
    const int lineHeight = std::max(1, g.lineHeight);
    const int firstLine = std::max(0, g.firstLine + (area.top - g.client.top) / lineHeight);
    const int width = model.ColumnWidth();
    dc.SelectPen(g.barFrameColor);
    for (int line = firstLine; line < model.GetTotalLines(); ++line) {
        const int top = g.client.top + (line - g.firstLine) * lineHeight;
        if (top >= area.bottom) break;
        const ui::Rect lineRect{g.client.left, top, g.client.right, top + lineHeight};
        int row = 0, lineInRow = 0;
        bool isLast = false;
        const bool known = model.RowFromLine(line, row, lineInRow, isLast);
        if (known && isLast) {
            dc.SelectPen(model.horzGridColor);
            dc.MoveTo(area.left, lineRect.bottom - 1);
            dc.LineTo(area.right, lineRect.bottom - 1);
            dc.SelectPen(g.barFrameColor);
        }
        if (known && marks.cells != nullptr && row >= marks.cells->LowRow() && row <= marks.cells->HighRow()) {
            const ColumnPixels columns = SelectedColumnPixels(*marks.cells, width, g.client.width());
            dc.InvertRect(ui::Intersect(
                {g.client.left + columns.left, top, g.client.left + columns.right, lineRect.bottom}, area));
        }
        DrawBookingRow(dc, line, lineRect, area, model, marks.selected, 0, g.barHeight);
    }
    DrawDragFrame(dc, marks.feedback);
}
