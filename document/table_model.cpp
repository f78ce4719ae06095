#include "table_model.h"

#include <utility>

namespace doc {
namespace {

constexpr int kMaxColumns = 256;

}  // namespace

int Table::AddRow(int kind, int count, const int* widths, const TextStyle& style) {
    if (kind < kReportRowHeader || kind > kReportRowData) return 0;
    if (count < 1 || count > kMaxColumns || widths == nullptr) return 0;
    TableRow row;
    row.kind = kind;
    row.style = style;
    row.cells.resize(static_cast<std::size_t>(count));
    for (int c = 0; c < count; ++c) row.cells[static_cast<std::size_t>(c)].width = ClampLength(widths[c]);
    std::vector<TableRow>& rows = kind == kReportRowHeader ? headers : body;
    rows.push_back(std::move(row));
    lastKind_ = kind;
    lastId_ = static_cast<int>(rows.size());
    return lastId_;
}

TableRow* Table::Row(int kind, int id) {
    if (kind < kReportRowHeader || kind > kReportRowData) return nullptr;
    std::vector<TableRow>& rows = kind == kReportRowHeader ? headers : body;
    if (id < 1 || id > static_cast<int>(rows.size())) return nullptr;
    TableRow& row = rows[static_cast<std::size_t>(id - 1)];
    return row.kind == kind ? &row : nullptr;
}

TableCell* Table::Cell(int kind, int id, int column) {
    TableRow* row = Row(kind, id);
    if (row == nullptr || column < 0 || column >= static_cast<int>(row->cells.size())) return nullptr;
    return &row->cells[static_cast<std::size_t>(column)];
}

bool Table::AddGroup(int first, int last) {
    if (first < 1 || last < first || last > static_cast<int>(body.size())) return false;
    TableGroup group{first, last, 0};
    if (lastKind_ != kReportRowHeader && lastId_ >= 1 && (lastId_ < first || lastId_ > last)) {
        group.continuation = lastId_;
        body[static_cast<std::size_t>(lastId_ - 1)].continuationTitle = true;
    }
    groups.push_back(group);
    return true;
}

bool Table::Span(int kind, int id, int firstColumn, int count) {
    TableRow* row = Row(kind, id);
    if (row == nullptr || count < 1 || firstColumn < 0) return false;
    const int columns = static_cast<int>(row->cells.size());
    if (firstColumn >= columns || count > columns - firstColumn) return false;
    TableCell& first = row->cells[static_cast<std::size_t>(firstColumn)];
    if (first.covered) return false;
    // Joins do not overlap; the cell's own earlier join may change.
    for (int c = firstColumn + first.span; c < firstColumn + count; ++c) {
        const TableCell& cell = row->cells[static_cast<std::size_t>(c)];
        if (cell.covered || cell.span > 1) return false;
    }
    for (int c = firstColumn + 1; c < firstColumn + first.span; ++c)
        row->cells[static_cast<std::size_t>(c)].covered = false;
    first.span = count;
    for (int c = firstColumn + 1; c < firstColumn + count; ++c)
        row->cells[static_cast<std::size_t>(c)].covered = true;
    return true;
}

}  // namespace doc
