#include "reports/print_table.h"

#include <cmath>
#include <limits>

namespace {

constexpr double kNoWidth = 0.000001;

// Truncation towards zero, held within int (NaN counts 0).
int TruncateToInt(double value) {
    if (std::isnan(value)) return 0;
    if (value >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
    if (value <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

}  // namespace

int CPrintTable::ScaleWidths(int tableWidth) {
    double sum = 0;
    for (const double width : widths) sum += width;
    // Widths that add up to nothing are not divided, only multiplied.
    const bool divide = std::fabs(sum) >= kNoWidth;
    for (double& width : widths) width = (divide ? width / sum : width) * tableWidth;
    int total = 0;
    for (const double width : widths) total = TruncateToInt(total + width);
    return total;
}

PrintRow CPrintTable::SetColumnWidths(int kind) {
    std::vector<int> columns;
    columns.reserve(widths.size());
    for (const double width : widths) columns.push_back(TruncateToInt(width));
    return {kind, document_.SetColumnWidths(kind, static_cast<int>(columns.size()), columns.data())};
}

int CPrintTable::AddTable(int x, int top, int width, int bottom, int topLater) {
    return document_.AddTable(x, top, width, bottom, topLater);
}

int CPrintTable::EndTable() { return document_.EndTable(); }

int CPrintTable::SpanCells(PrintRow row, int firstColumn, int count) {
    return document_.SpanCells(row.kind, row.id, firstColumn, count);
}

int CPrintTable::MarkGroupRow(PrintRow row) {
    if (row.kind != kReportRowGroup) return 1;
    return document_.MarkGroupRow(row.kind, row.id, 0);
}

int CPrintTable::SetRowLines(PrintRow row, int flags, int penWidth) {
    document_.SetPen(penWidth, 0);
    return document_.SetRowLines(row.kind, row.id, flags);
}

int CPrintTable::SetRowFont(PrintRow row, int size, bool bold) {
    document_.SetFont(size, bold, 3, 0, 0, 0);
    return document_.SetRowFont(row.kind, row.id);
}

int CPrintTable::SetCellText(PrintRow row, int column, const std::string& text) {
    return document_.SetCellText(row.kind, row.id, column, text.c_str());
}

int CPrintTable::SetCellAlignment(PrintRow row, int column, int alignment) {
    return document_.SetCellAlignment(row.kind, row.id, column, alignment);
}

int CPrintTable::SetCellFont(PrintRow row, int column, int size, bool bold) {
    document_.SetFont(size, bold, 3, 0, 0, 0);
    return document_.SetCellFont(row.kind, row.id, column);
}

int CPrintTable::SetCellLines(PrintRow row, int column, int flags, int penWidth) {
    document_.SetPen(penWidth, 0);
    return document_.SetCellLines(row.kind, row.id, column, flags);
}

int CPrintTable::SetCellOption(PrintRow row, int column, int option, int value) {
    return document_.SetCellOption(row.kind, row.id, column, option, value);
}
