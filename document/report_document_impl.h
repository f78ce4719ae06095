#pragma once

#include <algorithm>
#include <memory>
#include <optional>

#include "device_backend.h"
#include "page_store.h"
#include "report_document.h"
#include "table_model.h"

namespace doc {

// The report document: records every call onto its pages and leaves the
// painting to the backend.
class ReportDocument final : public CReportDocument {
public:
    explicit ReportDocument(std::unique_ptr<DeviceBackend> backend);

    void BeginPrinting(ReportDC dc, ReportAttribDC attribDc) override;
    void EndPrinting() override;
    int PrintPage(ReportDC dc, ReportAttribDC attribDc, int page) override;
    int GetPageWidth() override;
    int GetPageHeight() override;
    int GetPageCount() override;
    void NewPage() override;
    void DrawText(const char* text, int x, int y, int width, int height, int wrap, int clip,
                  int centerVertically, int fill) override;
    void DrawLine(int x1, int y1, int x2, int y2) override;
    void FillRect(int x, int y, int width, int height) override;
    void Polygon(const ReportPoint* points, int count) override;
    void GetTextExtent(int* cx, int* cy, const char* text) override;
    void GetTextExtentWrapped(int* cx, int* cy, const char* text, int width, int wordBreak,
                              int charBreak) override;
    void SetPen(int width, ReportColor colour) override;
    void SetBrush(ReportColor colour, int outlineWidth) override;
    void SetFont(int size, int bold, int code, int strikeOut, int italic, int underline) override;
    int AddTable(int x, int top, int width, int bottomLimit, int topLater) override;
    int EndTable() override;
    int SetColumnWidths(int kind, int count, const int* widths) override;
    int GroupRows(int group, int first, int last) override;
    void SetTableModeFirst(int mode) override;
    void SetTableModeSecond(int mode) override;
    void SetHeaderGridIndent(int vertical, int horizontal) override;
    int SetRowFont(int kind, int id) override;
    int SetRowLines(int kind, int id, int flags) override;
    int SetRowSpaceAfter(int kind, int id, int amount) override;
    int SetRowSpaceBefore(int kind, int id, int amount) override;
    int MarkGroupRow(int kind, int id, int mark) override;
    int SpanCells(int kind, int id, int firstColumn, int count) override;
    int SetCellFont(int kind, int id, int column) override;
    int SetCellLines(int kind, int id, int column, int flags) override;
    int SetCellText(int kind, int id, int column, const char* text) override;
    int SetCellAlignment(int kind, int id, int column, int alignment) override;
    int SetCellOption(int kind, int id, int column, int option, int value) override;

    // The recording (tests read it).
    const PageStore& Pages() const { return pages_; }

private:
    void ResetState();
    FontStyle CurrentFont() const;
    TextStyle CurrentTextStyle() const { return {CurrentFont(), textColor}; }
    Pen CurrentPen() const { return {std::min(lineWidth, kMaxLength), outlineColor}; }
    static Box ClampedBox(int x, int y, int width, int height);
    Margins RequestedMargins() const { return {marginLeft, marginTop, marginRight, marginBottom}; }
    // Adds to the current page; false when there is none.
    bool Record(DrawOp op);
    TableRow* Row(int kind, int id);
    TableCell* Cell(int kind, int id, int column);

    std::unique_ptr<DeviceBackend> backend_;
    Paper paper_;
    PageStore pages_;
    int fontCode_ = 0;
    bool fontStrikeOut_ = false;
    std::optional<Table> table_;
    int tableStartPage_ = 0;
};

}  // namespace doc
