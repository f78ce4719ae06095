#pragma once

#include <string>
#include <vector>

#include "report_document.h"

// A row of a printed table: its kind (ReportRowKind) and the id the
// document gave it.
struct PrintRow {
    int kind = kReportRowData;
    int id = 0;
};

// Builds one table of a printed report in the report document. Fonts and
// lines select the document's font or pen first, as the document takes
// them from the current selection.
class CPrintTable {
public:
    explicit CPrintTable(CReportDocument& document) : document_(document) {}

    // Column widths in document units; fractions are kept until a row is
    // made.
    std::vector<double> widths;

    // Scales the widths to fill tableWidth in their proportions (when they
    // add up to nothing they are only multiplied by it) and returns their
    // sum, each addition truncated to an integer.
    int ScaleWidths(int tableWidth);
    // Appends a row of this kind with the widths truncated to integers.
    PrintRow SetColumnWidths(int kind);

    int AddTable(int x, int top, int width, int bottom, int topLater);
    int EndTable();
    int SpanCells(PrintRow row, int firstColumn, int count);
    // Only group title and totals rows (kind 1) can be marked; 1 otherwise.
    int MarkGroupRow(PrintRow row);
    int SetRowLines(PrintRow row, int flags, int penWidth);
    int SetRowFont(PrintRow row, int size, bool bold);

    int SetCellText(PrintRow row, int column, const std::string& text);
    int SetCellAlignment(PrintRow row, int column, int alignment);
    int SetCellFont(PrintRow row, int column, int size, bool bold);
    int SetCellLines(PrintRow row, int column, int flags, int penWidth);
    int SetCellOption(PrintRow row, int column, int option, int value);

private:
    CReportDocument& document_;
};
