#include "schedule_geometry.h"

#include <algorithm>

#include "schedule_model.h"
#include "ui/scroll_bar.h"

int ScrollMaxFor(int total, int page) { return page < total ? total - 1 : 0; }

int LastScrollPosition(int max, int page) { return std::max(0, max - std::max(1, page) + 1); }

int ScrollTarget(int code, const ScrollState& s, int thumbPos) {
    const int max = std::max(0, s.max);
    const int page = std::max(1, s.page);
    int pos = std::clamp(s.pos, 0, max);
    switch (code) {
    case ui::SB_LINEUP: if (pos > 0) --pos; break;
    case ui::SB_LINEDOWN: if (pos < max) ++pos; break;
    case ui::SB_PAGEUP: if (pos > 0) pos = std::max(0, pos - page); break;
    case ui::SB_PAGEDOWN: if (pos < max) pos = std::min(max, pos + page); break;
    case ui::SB_TOP: pos = 0; break;
    case ui::SB_BOTTOM: pos = max; break;
    case ui::SB_THUMBPOSITION: pos = std::clamp(thumbPos, 0, max); break;
    default: break;
    }
    return pos;
}

int SnapToRowStart(const CScheduleModel& model, int line, const ScrollState& state) {
    if (line == state.max - state.page + 1) return line;
    int row = 0, lineInRow = 0;
    bool isLast = false;
    if (!model.RowFromLine(line, row, lineInRow, isLast)) return line;
    return line - lineInRow;
}

int ClampDivider(int x, int left, int right) {
    if (x > right) x = right;
    if (x < left) x = left;
    return x;
}

int ClampColumnWidthMin(int value) { return std::clamp(value, 0, 1 << 16); }

int ColumnWidthFor(int clientWidth, int units, int columnWidthMin) {
    units = std::max(1, units);
    int width = clientWidth / units;
    if (width <= 0) width = 1;
    return std::max(columnWidthMin, width);
}

int ColumnFromX(int x, int clientWidth, int columnWidth) {
    if (x < 0 || x > clientWidth || columnWidth <= 0) return -1;
    return (x + 1) / columnWidth;
}

int WholeUnits(int length, int size) { return size < 1 || length < 0 ? 0 : length / size; }

int LineFromY(int y, int firstLine, int lineHeight) {
    if (y < 0) return -1;
    return firstLine + y / std::max(1, lineHeight);
}

int TimeBarBandAt(int y, int bandHeight) {
    if (y < 0 || y >= 2 * bandHeight) return -1;
    return y < bandHeight ? 0 : 1;
}

int TimeBarBandHeight(int heightFactor, int fontHeight) { return std::max(1, heightFactor * fontHeight / 100); }

int ExpanderSize(int rowHeight, int rowHeightFactor) {
    const int factor = rowHeightFactor == 0 ? 120 : rowHeightFactor;
    const int b = rowHeight * 60 / factor;
    return std::max(1, b % 2 != 0 ? b : b + 1);
}

bool OnExpander(int x, int indent, int expanderSize) { return x >= indent && x <= indent + expanderSize; }

int GridLineHeight(int barHeight, int lineHeightFactor, bool notes) {
    int height = lineHeightFactor * (barHeight / (notes ? 2 : 1)) / 100;
    if (notes) height += barHeight / 2;
    return std::max(1, height);
}

bool ColumnSpanPeriod(const CScheduleModel& model, const WorkingTime& wt, int lowColumn, int highColumn,
                      bool realTime, BookingRange& period) {
    const int columns = static_cast<int>(model.Columns().size());
    if (columns == 0) return false;
    const GridCell low{std::clamp(std::min(lowColumn, highColumn), 0, columns - 1), 0};
    GridCell last{std::clamp(std::max(lowColumn, highColumn), 0, columns - 1), 0};
    period.start = model.AdjustToWorkingDay(CellStart(model, low), std::min(model.baseUnit, 4),
                                            model.hideNonWorkingTime, realTime);
    if (model.IsMultiDayUnit())
        last.day = std::max(0, model.Columns()[static_cast<std::size_t>(last.column)].days - 1);
    period.end = CellEnd(model, wt, last, realTime);
    return true;
}
