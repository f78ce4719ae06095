#pragma once

// A table as the caller builds it: rows of cells with widths, fonts, lines
// and texts, and the groups whose continuation titles repeat after a page
// break. Laying it out onto pages is table_layout's work.

#include <optional>
#include <string>
#include <vector>

#include "draw_ops.h"

namespace doc {

struct TextStyle {
    FontStyle font;
    ReportColor colour = 0;
};

struct CellLines {
    int flags = 0;  // ReportLineFlags
    Pen pen;
};

struct TableCell {
    int width = 0;
    std::string text;
    int alignment = kReportAlignLeft;
    bool wrap = true;
    std::optional<TextStyle> style;  // the row's when not set
    CellLines lines;
    int span = 1;         // cells this one covers, itself included
    bool covered = false; // joined into a cell on its left
};

struct TableRow {
    int kind = kReportRowData;
    std::vector<TableCell> cells;
    TextStyle style;
    CellLines lines;
    int spaceBefore = 0;
    int spaceAfter = 0;
    bool groupTitle = false;
    bool continuationTitle = false;
};

struct TableGroup {
    int first = 0;         // body row ids
    int last = 0;
    int continuation = 0;  // body row id of its continuation title, 0 for none
};

struct TableFrame {
    int x = 0;
    int top = 0;
    int width = 0;
    int bottomLimit = 0;
    int topLater = 0;
};

class Table {
public:
    explicit Table(const TableFrame& frame) : frame(frame) {}

    // The row's id (header rows and body rows counted apart), 0 when refused.
    int AddRow(int kind, int count, const int* widths, const TextStyle& style);
    // Null for an unknown row.
    TableRow* Row(int kind, int id);
    TableCell* Cell(int kind, int id, int column);
    bool AddGroup(int first, int last);
    bool Span(int kind, int id, int firstColumn, int count);

    TableFrame frame;
    bool repeatHeaders = true;
    bool keepTitleWithNext = true;
    int paddingVertical = 0;
    int paddingHorizontal = 10;
    std::vector<TableRow> headers;
    std::vector<TableRow> body;
    std::vector<TableGroup> groups;

private:
    int lastKind_ = -1;
    int lastId_ = 0;
};

}  // namespace doc
