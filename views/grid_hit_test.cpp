#include "grid_hit_test.h"

#include <algorithm>

#include "schedule_geometry.h"

ui::Rect BarRectOf(const ScheduleBar& bar, const GridGeometry& g) {
    const int lineHeight = std::max(1, g.lineHeight);
    const int height = std::clamp(g.barHeight, 1, lineHeight);
    const int top = (bar.line - g.firstLine) * lineHeight + (lineHeight - height) / 2;
    return {bar.left, top, bar.right + 1, top + height};
}

int GripWidth(int width, int borderDetect) { return std::max(0, std::min(width / 4, borderDetect)); }

BarPart PartOfBar(const ui::Rect& rect, int x, bool startGrip, bool endGrip, int borderDetect) {
    const int grip = GripWidth(rect.width(), borderDetect);
    BarPart part = BarPart::Body;
    if (startGrip && x - rect.left < grip) part = BarPart::Start;
    if (endGrip && rect.right - 1 - x < grip) part = BarPart::End;
    return part;
}

GridHit HitTestBooking(const CScheduleModel& model, const GridGeometry& g, int x, int y, int borderDetect) {
    if (x > g.clientWidth || g.lineHeight <= 0) return {};
    const int line = LineFromY(y, g.firstLine, g.lineHeight);
    if (line < 0) return {};
    for (const ScheduleBar& bar : model.BarsOfLine(line)) {
        const ui::Rect rect = BarRectOf(bar, g);
        if (x < rect.left || x >= rect.right || y < rect.top || y >= rect.bottom) continue;
        return {&bar, PartOfBar(rect, x, bar.startGrip, bar.endGrip, borderDetect), rect};
    }
    return {};
}

namespace {

int DayInColumn(const ScheduleColumn& column, int inside) {
    if (column.days <= 0 || column.pixelsPerDay <= 0) return 0;
    return std::clamp(inside / column.pixelsPerDay, 0, column.days - 1);
}

}  // namespace

bool CellAtX(const CScheduleModel& model, int x, int clientWidth, GridCell& cell) {
    const int width = model.ColumnWidth();
    const int column = ColumnFromX(x, clientWidth, width);
    if (column < 0 || column >= static_cast<int>(model.Columns().size())) return false;
    cell = {column, DayInColumn(model.Columns()[static_cast<std::size_t>(column)], x + 1 - column * width)};
    return true;
}

GridCell ClampedCellAtX(const CScheduleModel& model, int x, int clientWidth) {
    GridCell cell;
    if (CellAtX(model, x, clientWidth, cell) || x < 0 || model.Columns().empty()) return cell;
    return {static_cast<int>(model.Columns().size()) - 1, 0};
}

int RowAtY(const CScheduleModel& model, const GridGeometry& g, int y) {
    const int line = LineFromY(y, g.firstLine, g.lineHeight);
    int row = 0, lineInRow = 0;
    bool isLast = false;
    return line >= 0 && model.RowFromLine(line, row, lineInRow, isLast) ? row : -1;
}

const ScheduleBar* FindBarById(const CScheduleModel& model, int id, int hintLine) {
    // Between a commit and the next layout the bars may hold freed bookings
    // (the host asks for the selection in between): ask the collection,
    // which never dereferences, before reading an id.
    CPlanData* plan = model.Context().plan;
    const auto matches = [&](const ScheduleBar& bar) {
        return bar.booking != nullptr && (plan == nullptr || plan->bookings->Contains(bar.booking)) &&
               bar.booking->id == id;
    };
    for (const ScheduleBar& bar : model.BarsOfLine(hintLine))
        if (matches(bar)) return &bar;
    for (int line = 0; line < model.GetTotalLines(); ++line)
        for (const ScheduleBar& bar : model.BarsOfLine(line))
            if (matches(bar)) return &bar;
    return nullptr;
}
