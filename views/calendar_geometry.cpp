#include "calendar_geometry.h"

#include <algorithm>
#include <cstdlib>

#include "ui/key_codes.h"
#include "ui/scroll_bar.h"

namespace {

int SafeDiv(int value, int size) { return size < 1 || value < 0 ? 0 : value / size; }

CDate DayNumber(std::int64_t julian) {
    return CDate::FromJulianDay(static_cast<std::int32_t>(
        std::clamp<std::int64_t>(julian, CDate::kFirstDay, CDate::kLastDay)));
}

}  // namespace

int CalendarGeometry::FullRows() const { return SafeDiv(clientHeight - HeaderHeight(), dayHeight); }

int CalendarGeometry::RowsInView() const {
    const int room = clientHeight - HeaderHeight();
    if (room <= 0 || dayHeight < 1) return 0;
    return room / dayHeight + (room % dayHeight != 0 ? 1 : 0);
}

int CalendarGeometry::FullColumns() const { return SafeDiv(clientWidth, dayWidth); }

int CalendarGeometry::GridWidth() const {
    const std::int64_t width = static_cast<std::int64_t>(std::max(0, columnCount - firstColumn)) * dayWidth;
    return static_cast<int>(std::clamp<std::int64_t>(width, 0, std::max(0, clientWidth)));
}

ui::Rect CalendarGeometry::CellRect(int row, int column) const {
    const int left = ColumnLeft(column);
    const int top = RowTop(row) + 1;
    return {left, top, left + dayWidth - 1, top + dayHeight - 1};
}

int ClampDayWidth(int dayWidth, int dayWidthMin, int workAreaWidth, int scrollBarWidth) {
    const int upper = std::max(1, workAreaWidth - scrollBarWidth - 5);
    const int lower = std::clamp(dayWidthMin, 1, upper);
    return std::clamp(dayWidth, lower, upper);
}

int ClampDayHeight(int dayHeight, int dayHeaderHeight, int visibleMin, int workAreaHeight, int scrollBarHeight,
                   int headerHeight) {
    const int upper = std::max(1, workAreaHeight - scrollBarHeight - headerHeight - 120);
    const std::int64_t least = static_cast<std::int64_t>(dayHeaderHeight) + visibleMin;
    const int lower = static_cast<int>(std::clamp<std::int64_t>(least, 1, upper));
    return std::clamp(dayHeight, lower, upper);
}

ScrollState WeekScrollState(const CalendarGeometry& g, int weekCount, int pos) {
    const int page = g.FullRows();
    return {pos, page, ScrollMaxFor(weekCount, page)};
}

ScrollState ColumnScrollState(const CalendarGeometry& g, int pos) {
    const int page = g.FullColumns();
    return {pos, page, ScrollMaxFor(g.columnCount, page)};
}

int CalendarScrollTarget(int code, const ScrollState& state, int thumbPos) {
    const int last = std::max(0, state.max - std::max(1, state.page) + 1);
    return std::min(ScrollTarget(code, state, thumbPos), last);
}

void VisibleDays(const CCalendarModel& model, int weekPos, int rows, CDate& first, CDate& last) {
    const std::int64_t start = model.firstDay.GetJulianDay();
    const std::int64_t end = model.lastDay.GetJulianDay();
    std::int64_t day = start + 7 * static_cast<std::int64_t>(std::max(0, weekPos));
    // Past the period's last week: its last week.
    if (day > end) day = start + 7 * ((end - start) / 7);
    first = DayNumber(day);
    last = DayNumber(day + 7 * static_cast<std::int64_t>(std::max(1, rows)) - 7);
    CDate weekStart = first;
    model.GetWeekBounds(weekStart, last);
    if (last > model.lastDay) last = model.lastDay;
    if (last < first) last = first;
}

int WeekPositionOf(const CCalendarModel& model, const CDate& date, int maxPos) {
    const std::int64_t days = static_cast<std::int64_t>(date.GetJulianDay()) - model.firstDay.GetJulianDay();
    if (days <= 0) return 0;
    return static_cast<int>(std::min<std::int64_t>(days / 7, std::max(0, maxPos)));
}

bool CellAt(const CalendarGeometry& g, int x, int y, int& row, int& column) {
    if (y < g.HeaderHeight() || y >= g.clientHeight || x < 0 || x >= g.GridWidth() || g.dayWidth < 1 ||
        g.dayHeight < 1)
        return false;
    row = (y - g.HeaderHeight()) / g.dayHeight;
    column = g.firstColumn + x / g.dayWidth;
    return column < g.columnCount;
}

const CalendarDayCell* DayCellAt(const CCalendarModel& model, int row, int column) {
    if (row < 0 || column < 0 || row >= static_cast<int>(model.Weeks().size())) return nullptr;
    const CalendarWeek& week = model.Weeks()[static_cast<std::size_t>(row)];
    if (column >= week.cellCount) return nullptr;
    return &model.Cells()[static_cast<std::size_t>(week.firstCell + column)];
}

CalendarBarHit HitTestBar(const CalendarGeometry& g, const CCalendarModel& model, int x, int y, int borderDetect) {
    CalendarBarHit hit;
    int row = 0, column = 0;
    const int pitch = g.Pitch();
    if (pitch < 1 || !CellAt(g, x, y, row, column) || DayCellAt(model, row, column) == nullptr) return hit;
    const int below = y - (g.RowTop(row) + g.dayHeaderHeight);
    if (below < 0) return hit;
    const int line = below / pitch;
    const int inLine = below % pitch;
    if (line >= g.lines || inLine < g.distance || inLine >= g.distance + g.barHeight) return hit;
    const CalendarWeek& week = model.Weeks()[static_cast<std::size_t>(row)];
    for (const CalendarSegment& segment : week.segments) {
        if (segment.line != line || segment.firstDay > column || segment.lastDay < column) continue;
        hit.segment = &segment;
        hit.row = row;
        const int top = g.LineTop(row, line);
        hit.bar = {std::max(0, g.ColumnLeft(segment.firstDay)), top,
                   std::min(g.GridWidth(), g.ColumnLeft(segment.lastDay + 1)),
                   std::min(top + g.barHeight, g.RowTop(row + 1))};
        const int grip = std::min(hit.bar.width() / 4, borderDetect);
        hit.part = kBarBody;
        if (x - hit.bar.left < grip && segment.starts) hit.part = kBarStart;
        if (hit.bar.right - x < grip && segment.ends) hit.part = kBarEnd;
        return hit;
    }
    return hit;
}

CalendarZone HitTestZone(const CalendarGeometry& g, const CCalendarModel& model, int x, int y, int sizingDetect,
                         int borderDetect) {
    if (y < g.monthHeaderHeight || x < 0 || x >= g.GridWidth() || g.dayWidth < 1 || g.dayHeight < 1) return {};
    if (HitTestBar(g, model, x, y, borderDetect).segment != nullptr) return {};
    const int columns = g.GridWidth() / g.dayWidth + 1;
    for (int i = 0; i < columns; ++i) {
        const int border = (i + 1) * g.dayWidth;
        if (std::abs(x - border) >= sizingDetect) continue;
        const int beyond = x < border ? border + 3 : border - 3;
        if (HitTestBar(g, model, beyond, y, borderDetect).segment != nullptr) return {};
        return {kColumnBorder, i};
    }
    for (int i = 0; i < g.FullRows(); ++i) {
        const int border = g.RowTop(i + 1);
        if (std::abs(y - border) < sizingDetect) return {kRowBorder, i};
    }
    return {};
}

SizingLimits CellSizingLimits(const CalendarGeometry& g, const CalendarZone& zone, int dayWidthMin, int visibleMin,
                              int reserveRight, int reserveBottom) {
    SizingLimits limits;
    limits.lowX = g.dayWidth * std::max(0, zone.index) + std::max(1, dayWidthMin);
    limits.highX = std::max(limits.lowX, g.clientWidth - reserveRight);
    limits.lowY = g.RowTop(std::max(0, zone.index)) + visibleMin + g.dayHeaderHeight;
    limits.highY = std::max(limits.lowY, g.clientHeight - 5 - reserveBottom);
    return limits;
}

int SizedDayWidth(const CalendarGeometry& g, int index, int lineX) { return lineX - g.dayWidth * index; }

int SizedDayHeight(const CalendarGeometry& g, int index, int lineY) {
    return lineY - g.HeaderHeight() - g.dayHeight * index;
}

namespace {

// Calls rowDays(row, from, to) for each laid-out row holding days of
// first..last, with the first and last of its columns that do.
template <class RowDays>
void ForEachRowOfDays(const CCalendarModel& model, const CDate& first, const CDate& last, RowDays rowDays) {
    const auto& cells = model.Cells();
    for (int row = 0; row < static_cast<int>(model.Weeks().size()); ++row) {
        const CalendarWeek& week = model.Weeks()[static_cast<std::size_t>(row)];
        int from = -1, to = -1;
        for (int d = 0; d < week.cellCount; ++d) {
            const CDate& day = cells[static_cast<std::size_t>(week.firstCell + d)].start.date;
            if (day < first || last < day) continue;
            if (from < 0) from = d;
            to = d;
        }
        if (from >= 0) rowDays(row, from, to);
    }
}

}  // namespace

std::vector<ui::Rect> DayRangeFrames(const CalendarGeometry& g, const CCalendarModel& model, const CDate& first,
                                     const CDate& last, const std::function<int(int row)>& topOf) {
    std::vector<ui::Rect> frames;
    ForEachRowOfDays(model, first, last, [&](int row, int from, int to) {
        const int stripBottom = g.RowTop(row) + g.dayHeaderHeight;
        const int rowBottom = g.RowTop(row + 1);
        int top = topOf(row);
        if (top + g.barHeight > rowBottom) top = rowBottom - g.barHeight;
        top = std::max(top, stripBottom);
        const ui::Rect frame{std::max(0, g.ColumnLeft(from) - 1), top, std::min(g.clientWidth, g.ColumnLeft(to + 1)),
                             std::min({top + g.barHeight, rowBottom, g.clientHeight})};
        if (!frame.IsEmpty()) frames.push_back(frame);
    });
    return frames;
}

ui::Rect DayRangeRect(const CalendarGeometry& g, const CCalendarModel& model, const CDate& first, const CDate& last) {
    ui::Rect box;
    bool any = false;
    ForEachRowOfDays(model, first, last, [&](int row, int from, int to) {
        const ui::Rect left = g.CellRect(row, from), right = g.CellRect(row, to);
        const ui::Rect cells{left.left, left.top - 1, right.right, right.bottom};
        box = any ? ui::Rect{std::min(box.left, cells.left), box.top, std::max(box.right, cells.right), cells.bottom}
                  : cells;
        any = true;
    });
    return ui::Intersect(box, {0, 0, g.GridWidth(), g.clientHeight});
}

bool CalendarKeyScroll(int virtualKey, int modifiers, bool& vertical, int& code) {
    constexpr int kAltBit = 0x10;
    if ((modifiers & kAltBit) != 0) return false;
    vertical = true;
    switch (virtualKey) {
    case ui::VK_PRIOR: code = ui::SB_PAGEUP; return true;
    case ui::VK_NEXT: code = ui::SB_PAGEDOWN; return true;
    case ui::VK_END: code = ui::SB_BOTTOM; return true;
    case ui::VK_HOME: code = ui::SB_TOP; return true;
    case ui::VK_UP: code = ui::SB_LINEUP; return true;
    case ui::VK_DOWN: code = ui::SB_LINEDOWN; return true;
    default: break;
    }
    vertical = false;
    if (virtualKey == ui::VK_LEFT) code = ui::SB_LINELEFT;
    else if (virtualKey == ui::VK_RIGHT) code = ui::SB_LINERIGHT;
    else return false;
    return true;
}
