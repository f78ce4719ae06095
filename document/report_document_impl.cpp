#include "report_document_impl.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "table_layout.h"

namespace doc {
namespace {

constexpr char kDefaultFace[] = "DejaVu Sans";
constexpr ReportColor kWhite = 0xFFFFFF;

int ClampFontSize(int size) { return std::clamp(size, 1, int{std::numeric_limits<short>::max()}); }

}  // namespace

ReportDocument::ReportDocument(std::unique_ptr<DeviceBackend> backend) : backend_(std::move(backend)) {
    ResetState();
    marginLeft = marginRight = marginTop = marginBottom = 0;
}

void ReportDocument::ResetState() {
    currentPage = 1;
    std::memset(fontFace, 0, sizeof fontFace);
    std::memcpy(fontFace, kDefaultFace, sizeof kDefaultFace);
    fontSize = 100;
    fontBold = fontItalic = fontUnderline = 0;
    textColor = 0;
    textAlignment = kReportAlignLeft;
    lineWidth = 0;
    outlineColor = 0;
    polygonOutline = kWhite;
    fontCode_ = 0;
    fontStrikeOut_ = false;
    table_.reset();
}

FontStyle ReportDocument::CurrentFont() const {
    FontStyle font;
    font.face.assign(fontFace, strnlen(fontFace, sizeof fontFace));
    font.size = ClampFontSize(fontSize);
    font.bold = fontBold != 0;
    font.italic = fontItalic != 0;
    font.underline = fontUnderline != 0;
    font.strikeOut = fontStrikeOut_;
    font.code = fontCode_;
    return font;
}

bool ReportDocument::Record(DrawOp op) {
    Page* page = pages_.At(currentPage);
    if (page == nullptr) return false;
    page->ops.push_back(std::move(op));
    return true;
}

void ReportDocument::BeginPrinting(ReportDC dc, ReportAttribDC attribDc) {
    paper_ = backend_->Bind(dc, attribDc);
    ResetState();
    marginLeft = paper_.unprintable.left;
    marginTop = paper_.unprintable.top;
    marginRight = paper_.unprintable.right;
    marginBottom = paper_.unprintable.bottom;
    pages_.Clear();
    pages_.Append();
}

void ReportDocument::EndPrinting() {
    if (table_) EndTable();
}

int ReportDocument::PrintPage(ReportDC dc, ReportAttribDC attribDc, int page) {
    const Page* recorded = pages_.At(page);
    if (dc == nullptr || recorded == nullptr) return 1;
    return backend_->Replay(*recorded, dc, attribDc, RequestedMargins());
}

int ReportDocument::GetPageWidth() {
    const Margins margins = EffectiveMargins(RequestedMargins(), paper_);
    return std::max(0, paper_.width - margins.left - margins.right);
}

int ReportDocument::GetPageHeight() {
    const Margins margins = EffectiveMargins(RequestedMargins(), paper_);
    return std::max(0, paper_.height - margins.top - margins.bottom);
}

int ReportDocument::GetPageCount() { return pages_.Count(); }

void ReportDocument::NewPage() {
    pages_.Append();
    currentPage = pages_.Count();
}

Box ReportDocument::ClampedBox(int x, int y, int width, int height) {
    return {ClampCoordinate(x), ClampCoordinate(y), std::min(width, kMaxCoordinate),
            std::min(height, kMaxCoordinate)};
}

void ReportDocument::DrawText(const char* text, int x, int y, int width, int height, int wrap,
                              int clip, int centerVertically, int fill) {
    const Box box = ClampedBox(x, y, width, height);
    if (text == nullptr || box.Empty() || pages_.At(currentPage) == nullptr) return;
    if (fill) Record(FillOp{box, polygonOutline, {}});
    const FontStyle font = CurrentFont();
    TextMeasure& measure = backend_->Measure();
    std::vector<std::string> lines = BreakLines(measure, font, text, {wrap ? width : 0, true, false});
    Placement placement{textAlignment, centerVertically != 0};
    if (textAlignment == kReportAlignCenterBoth) placement = {kReportAlignCenter, true};
    TextOp op;
    op.font = font;
    op.colour = textColor;
    op.clipped = clip != 0;
    op.clip = box;
    op.lines = PlaceLines(measure, font, std::move(lines), box, placement);
    if (!op.lines.empty()) Record(std::move(op));
}

void ReportDocument::DrawLine(int x1, int y1, int x2, int y2) {
    const Pen pen = CurrentPen();
    if (pen.Visible())
        Record(LineOp{ClampCoordinate(x1), ClampCoordinate(y1), ClampCoordinate(x2), ClampCoordinate(y2), pen});
}

void ReportDocument::FillRect(int x, int y, int width, int height) {
    const Box box = ClampedBox(x, y, width, height);
    if (!box.Empty()) Record(FillOp{box, polygonOutline, CurrentPen()});
}

void ReportDocument::Polygon(const ReportPoint* points, int count) {
    if (points == nullptr || count < 3) return;
    PolygonOp op{std::vector<ReportPoint>(points, points + count), polygonOutline, CurrentPen()};
    for (ReportPoint& point : op.points) point = {ClampCoordinate(point.x), ClampCoordinate(point.y)};
    Record(std::move(op));
}

void ReportDocument::GetTextExtent(int* cx, int* cy, const char* text) {
    GetTextExtentWrapped(cx, cy, text, 0, 0, 0);
}

void ReportDocument::GetTextExtentWrapped(int* cx, int* cy, const char* text, int width,
                                          int wordBreak, int charBreak) {
    Extent extent;
    if (text != nullptr) {
        const FontStyle font = CurrentFont();
        TextMeasure& measure = backend_->Measure();
        extent = MeasureLines(measure, font,
                              BreakLines(measure, font, text, {width, wordBreak != 0, charBreak != 0}));
    }
    if (cx != nullptr) *cx = extent.width;
    if (cy != nullptr) *cy = extent.height;
}

void ReportDocument::SetPen(int width, ReportColor colour) {
    lineWidth = width;
    outlineColor = colour;
}

void ReportDocument::SetBrush(ReportColor colour, int outlineWidth) {
    polygonOutline = colour;
    lineWidth = outlineWidth;
}

void ReportDocument::SetFont(int size, int bold, int code, int strikeOut, int italic, int underline) {
    fontSize = static_cast<short>(ClampFontSize(size));
    fontBold = bold != 0;
    fontItalic = italic != 0;
    fontUnderline = underline != 0;
    fontCode_ = code;
    fontStrikeOut_ = strikeOut != 0;
}

int ReportDocument::AddTable(int x, int top, int width, int bottomLimit, int topLater) {
    if (table_ || pages_.At(currentPage) == nullptr) return 1;
    table_.emplace(TableFrame{ClampCoordinate(x), ClampCoordinate(top), std::min(width, kMaxCoordinate),
                              ClampCoordinate(bottomLimit), ClampCoordinate(topLater)});
    tableStartPage_ = currentPage;
    return 0;
}

int ReportDocument::EndTable() {
    if (!table_) return 1;
    const TableLayoutResult result = LayOutTable(*table_, backend_->Measure(), pages_, tableStartPage_);
    table_.reset();
    if (result.status == 0) currentPage = result.lastPage;
    return result.status;
}

int ReportDocument::SetColumnWidths(int kind, int count, const int* widths) {
    return table_ ? table_->AddRow(kind, count, widths, CurrentTextStyle()) : 0;
}

int ReportDocument::GroupRows(int /*group*/, int first, int last) {
    return table_ && table_->AddGroup(first, last) ? 0 : 1;
}

void ReportDocument::SetTableModeFirst(int mode) {
    if (table_) table_->repeatHeaders = mode != 0;
}

void ReportDocument::SetTableModeSecond(int mode) {
    if (table_) table_->keepTitleWithNext = mode == 0;
}

void ReportDocument::SetHeaderGridIndent(int vertical, int horizontal) {
    if (!table_) return;
    table_->paddingVertical = ClampLength(vertical);
    table_->paddingHorizontal = ClampLength(horizontal);
}

TableRow* ReportDocument::Row(int kind, int id) { return table_ ? table_->Row(kind, id) : nullptr; }

TableCell* ReportDocument::Cell(int kind, int id, int column) {
    return table_ ? table_->Cell(kind, id, column) : nullptr;
}

int ReportDocument::SetRowFont(int kind, int id) {
    TableRow* row = Row(kind, id);
    if (row == nullptr) return 1;
    row->style = CurrentTextStyle();
    return 0;
}

int ReportDocument::SetRowLines(int kind, int id, int flags) {
    TableRow* row = Row(kind, id);
    if (row == nullptr) return 1;
    row->lines = {flags, CurrentPen()};
    return 0;
}

int ReportDocument::SetRowSpaceAfter(int kind, int id, int amount) {
    TableRow* row = Row(kind, id);
    if (row == nullptr) return 1;
    row->spaceAfter = ClampLength(amount);
    return 0;
}

int ReportDocument::SetRowSpaceBefore(int kind, int id, int amount) {
    TableRow* row = Row(kind, id);
    if (row == nullptr) return 1;
    row->spaceBefore = ClampLength(amount);
    return 0;
}

int ReportDocument::MarkGroupRow(int kind, int id, int mark) {
    TableRow* row = Row(kind, id);
    if (row == nullptr || mark != 0) return 1;
    row->groupTitle = true;
    return 0;
}

int ReportDocument::SpanCells(int kind, int id, int firstColumn, int count) {
    return table_ && table_->Span(kind, id, firstColumn, count) ? 0 : 1;
}

int ReportDocument::SetCellFont(int kind, int id, int column) {
    TableCell* cell = Cell(kind, id, column);
    if (cell == nullptr) return 1;
    cell->style = CurrentTextStyle();
    return 0;
}

int ReportDocument::SetCellLines(int kind, int id, int column, int flags) {
    TableCell* cell = Cell(kind, id, column);
    if (cell == nullptr) return 1;
    cell->lines = {flags, CurrentPen()};
    return 0;
}

int ReportDocument::SetCellText(int kind, int id, int column, const char* text) {
    TableCell* cell = Cell(kind, id, column);
    if (cell == nullptr) return 1;
    cell->text = text != nullptr ? text : "";
    return 0;
}

int ReportDocument::SetCellAlignment(int kind, int id, int column, int alignment) {
    TableCell* cell = Cell(kind, id, column);
    if (cell == nullptr) return 1;
    cell->alignment = alignment == kReportAlignCenter || alignment == kReportAlignCenterBoth
                          ? kReportAlignCenter
                      : alignment == kReportAlignRight ? kReportAlignRight
                                                       : kReportAlignLeft;
    return 0;
}

int ReportDocument::SetCellOption(int kind, int id, int column, int option, int value) {
    TableCell* cell = Cell(kind, id, column);
    if (cell == nullptr || option != kReportCellWrap) return 1;
    cell->wrap = value != 0;
    return 0;
}

}  // namespace doc
