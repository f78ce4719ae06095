#include "schedule_chart_paint.h"

#include <algorithm>

#include "schedule_model.h"

void PaintScheduleChart(QelDC& dc, const CScheduleModel& model, const ChartPaintGeometry& g, const ui::Rect& clip) {
    const ui::Rect area = ui::Intersect(g.client, clip);
    if (area.IsEmpty()) return;
    dc.FillSolidRect(area, 0xFFFFFF);
    if (model.Columns().empty()) return;
    model.PaintBackground(dc, g.client, model.Columns().front().start);
    const int lineHeight = std::max(1, g.lineHeight);
    const int firstLine = std::max(0, g.firstLine + (area.top - g.client.top) / lineHeight);
    dc.SelectPen(0);
    for (int line = firstLine; line < model.GetTotalLines(); ++line) {
        const int top = g.client.top + (line - g.firstLine) * lineHeight;
        if (top >= area.bottom) break;
        const ui::Rect lineRect{g.client.left, top, g.client.right, top + lineHeight};
        DrawBookingRow(dc, line, lineRect, area, model, nullptr, 0, g.barHeight);
        int row = 0, lineInRow = 0;
        bool isLast = false;
        if (model.RowFromLine(line, row, lineInRow, isLast) && isLast) {
            dc.SelectPen(model.horzGridColor);
            dc.MoveTo(area.left, lineRect.bottom - 1);
            dc.LineTo(area.right, lineRect.bottom - 1);
            dc.SelectPen(0);
        }
    }
}
