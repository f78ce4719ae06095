#pragma once

// The report document: printed reports are drawn into it page by page, and
// the print and preview code replays one page at a time onto a printer, a
// preview, a PDF file or an image.
//
// Units
// - Coordinates, sizes, margins and pen widths are in hundredths of a
//   centimetre (0.1 mm). Drawing coordinates start at the top-left corner of
//   the printable area (inside the margins); y grows downwards.
// - Font sizes are in tenths of a point (100 = 10 pt).
// - Colours are 0x00BBGGRR.
//
// Boxes and lines
// - A box (x, y, width, height) covers [x, x + width) x [y, y + height); a
//   box without width or height draws nothing.
// - A line or an outline of width 0 or less is not drawn. A line is centred
//   on its coordinates and ends at its end points (no caps).
//
// Text
// - Text is UTF-8. A line feed always starts a new line (a carriage return
//   before it is ignored). Text boxes place the first line at the top of the
//   box unless they centre vertically. Lines are as high as the font's line
//   height; GetTextExtent reports that height times the number of lines.
// - In a program without a GUI application, text is measured with fixed
//   metrics: a character is 18 % of the font size wide, a line 42 % of it
//   high (size 100: 18 and 42 units).
//
// Fields are read at the moment of each call: setting a field and calling
// an operation is the same as passing the value. Fonts and lines of table
// rows and cells take what SetFont and SetPen selected just before.
//
// Device contexts: the output context is the painter to draw on (already
// begun on its device), the attribute context the device whose resolution,
// paper and printable area count. Either may be null: a null attribute
// context means the painter's device; with both null a fill uses an A4
// portrait page at 254 dpi without unprintable margins. PrintPage draws on
// the painter's current page only; the caller starts each device page
// (QPrinter::newPage and the like).

#include <cstdint>

#include "qel_export.h"

class QPainter;
class QPaintDevice;

using ReportColor = std::uint32_t;
using ReportDC = QPainter*;
using ReportAttribDC = QPaintDevice*;

struct ReportPoint {
    int x;
    int y;
};

// textAlignment values; also the cell alignments of SetCellAlignment.
enum ReportAlignment : int {
    kReportAlignLeft = 0,
    kReportAlignCenter = 1,
    kReportAlignRight = 2,
    // Centred horizontally and vertically in the box (captions).
    kReportAlignCenterBoth = 3,
};

// Row kinds of the table operations.
enum ReportRowKind : int {
    kReportRowHeader = 0,  // column header: repeated at the top of every page of the table
    kReportRowGroup = 1,   // group title or totals
    kReportRowData = 2,
};

// Line flags of SetRowLines and SetCellLines (bits, combined).
enum ReportLineFlags : int {
    kReportLineTop = 1,
    kReportLineBottom = 2,
    kReportLineLeft = 4,
    kReportLineRight = 8,
};

// SetFont codes: the width of the face. Any other code is the normal width
// (the reports use 0 and 3 for it).
enum ReportFontCode : int {
    kReportFontSemiCondensed = 4,  // 87 % of the normal width
    kReportFontCondensed = 5,      // 75 % of the normal width
};

// SetCellOption options.
enum ReportCellOption : int {
    // Value 0 keeps the cell's text on its own lines, cut at the cell's
    // edge; any other value wraps it at blanks to the cell's width (every
    // cell wraps until told otherwise).
    kReportCellWrap = 7,
};

class CReportDocument {
public:
    // Public fields, in this order.
    int currentPage;        // page that drawing goes to, from 1
    char fontFace[32];      // face of the current font, NUL-terminated
    short fontSize;         // current font size (tenths of a point)
    unsigned char fontBold;
    unsigned char fontItalic;
    unsigned char fontUnderline;
    ReportColor textColor;  // colour of text
    int textAlignment;      // a ReportAlignment; any other value is left
    int lineWidth;          // width of lines and of outlines of fills
    ReportColor outlineColor;    // colour of lines and of outlines of fills
    ReportColor polygonOutline;  // fill colour of FillRect, Polygon and filled text boxes
    int marginLeft;         // margins from the paper's edges; never less than
    int marginRight;        // the device's unprintable border, which is what
    int marginTop;          // BeginPrinting sets them to
    int marginBottom;

    // Starts a fill: drops every page and table, resets the drawing state
    // (the default face at size 100, plain, black text and lines, white
    // fill, line width 0, left alignment, margins at the device's
    // unprintable border) and
    // makes one empty page, the current page 1. Text is measured for the
    // attribute context's resolution until the next BeginPrinting.
    virtual void BeginPrinting(ReportDC dc, ReportAttribDC attribDc) = 0;
    // Ends a fill; a table still open is laid out as EndTable would.
    virtual void EndPrinting() = 0;
    // Draws page `page` (from 1) onto the painter, clipped to the printable
    // area of the attribute context. 0 drawn; 1 no painter or no such page.
    virtual int PrintPage(ReportDC dc, ReportAttribDC attribDc, int page) = 0;

    // The printable area: the paper less the margins (never below 0).
    virtual int GetPageWidth() = 0;
    virtual int GetPageHeight() = 0;
    // Pages so far (0 before the first BeginPrinting).
    virtual int GetPageCount() = 0;
    // Appends a page after the last one and makes it the current page.
    virtual void NewPage() = 0;

    // Drawing on the current page; a current page outside 1..GetPageCount()
    // draws nothing.
    //
    // Text in the box, aligned by textAlignment, in textColor and the
    // current font. wrap: break lines at blanks to the box's width. clip:
    // nothing shows outside the box. centerVertically: the lines are centred
    // in the box's height. fill: the box is first filled with polygonOutline.
    virtual void DrawText(const char* text, int x, int y, int width, int height,
                          int wrap, int clip, int centerVertically, int fill) = 0;
    // A line of lineWidth in outlineColor.
    virtual void DrawLine(int x1, int y1, int x2, int y2) = 0;
    // The box filled with polygonOutline, outlined inside its edges with
    // lineWidth in outlineColor when lineWidth is above 0.
    virtual void FillRect(int x, int y, int width, int height) = 0;
    // A closed polygon, filled and outlined as FillRect; fewer than 3 points
    // draw nothing.
    virtual void Polygon(const ReportPoint* points, int count) = 0;

    // Width of the widest line and height of all lines of the text in the
    // current font, without wrapping ("" gives 0 and 0). Null outputs are
    // skipped.
    virtual void GetTextExtent(int* cx, int* cy, const char* text) = 0;
    // The same for the text as DrawText wraps it into `width`. wordBreak:
    // break at blanks (0: only at line feeds); charBreak: a word wider than
    // `width` is broken between characters (0: it sticks out). A width of 0
    // or less does not wrap.
    virtual void GetTextExtentWrapped(int* cx, int* cy, const char* text, int width,
                                      int wordBreak, int charBreak) = 0;

    // lineWidth := width, outlineColor := colour.
    virtual void SetPen(int width, ReportColor colour) = 0;
    // polygonOutline := colour, lineWidth := outlineWidth (0: fills without
    // outline).
    virtual void SetBrush(ReportColor colour, int outlineWidth) = 0;
    // fontSize, fontBold, fontItalic, fontUnderline := the arguments; code is
    // a ReportFontCode; strikeOut draws a line through the text. The face is
    // fontFace. Sizes below 1 count as 1.
    virtual void SetFont(int size, int bold, int code, int strikeOut, int italic,
                         int underline) = 0;

    // Tables. A table starts on the current page at `top` and lays its rows
    // out when it ends: the header rows (kind 0) first, then the other rows
    // in the order they were added, flowing onto the next page (an existing
    // later page, else a new one) whenever the next row would pass
    // `bottomLimit`; later pages start at `topLater`, with the header rows
    // again. A row too tall for any page is cut at the limit, and every page
    // holds at least one row, so a table always ends. After EndTable the
    // current page is the table's last page.
    //
    // Starts a table; 0, or 1 when a table is already open or the current
    // page does not exist (nothing changes).
    virtual int AddTable(int x, int top, int width, int bottomLimit, int topLater) = 0;
    // Lays the open table out. 0 done; 1 no table is open; 2 the table has
    // no width or a later page would leave its rows no height (nothing is
    // drawn).
    virtual int EndTable() = 0;
    // Appends a row of `count` cells with these widths (negative widths count
    // 0), in the current font and textColor. Returns the row's id: header
    // rows count 1, 2, ... on their own, the rows of kinds 1 and 2 share one
    // count from 1. 0 when no table is open, the kind is unknown or count is
    // not within 1..256.
    virtual int SetColumnWidths(int kind, int count, const int* widths) = 0;
    // Rows first..last (kinds 1 and 2) form group `group`. The row added just
    // before this call is the group's continuation title: it is not printed
    // in the flow, only at the top of a page (below the header rows) on
    // which the group continues after a page break inside it. 0, or 1 when
    // the range is not a range of such rows.
    virtual int GroupRows(int group, int first, int last) = 0;
    // 1: the header rows repeat on every page of the table (the default);
    // 0: they print on its first page only.
    virtual void SetTableModeFirst(int mode) = 0;
    // 0: a group title row (MarkGroupRow) goes to the next page together with
    // the row after it rather than end a page alone (the default); 1: rows
    // may break anywhere.
    virtual void SetTableModeSecond(int mode) = 0;
    // Padding between a cell's grid box and its text: `vertical` above and
    // below, `horizontal` left and right, for every cell (defaults 0 and 10).
    virtual void SetHeaderGridIndent(int vertical, int horizontal) = 0;

    // Row operations; each returns 0, or 1 for an unknown row (nothing
    // changes).
    // The row's font and text colour become the current ones.
    virtual int SetRowFont(int kind, int id) = 0;
    // Lines (ReportLineFlags) along the row's box over all its cells, with
    // the current pen; 0 removes them.
    virtual int SetRowLines(int kind, int id, int flags) = 0;
    // Space below the row's box (after its bottom line).
    virtual int SetRowSpaceAfter(int kind, int id, int amount) = 0;
    // Space above the row's box (before its top line).
    virtual int SetRowSpaceBefore(int kind, int id, int amount) = 0;
    // mark 0: the row is a group title (see SetTableModeSecond); any other
    // mark returns 1.
    virtual int MarkGroupRow(int kind, int id, int mark) = 0;
    // Joins `count` cells from `firstColumn` into one cell (its text,
    // alignment, font and lines are those of firstColumn). 1 when the cells
    // are not within the row or would overlap another join.
    virtual int SpanCells(int kind, int id, int firstColumn, int count) = 0;

    // Cell operations (columns from 0); each returns 0, or 1 for an unknown
    // row or column.
    // The cell's font and text colour become the current ones.
    virtual int SetCellFont(int kind, int id, int column) = 0;
    // Lines (ReportLineFlags) along the cell's box, with the current pen.
    virtual int SetCellLines(int kind, int id, int column, int flags) = 0;
    virtual int SetCellText(int kind, int id, int column, const char* text) = 0;
    // A ReportAlignment (3 counts as centre, unknown values as left); the
    // default is left.
    virtual int SetCellAlignment(int kind, int id, int column, int alignment) = 0;
    // A ReportCellOption; 1 also for an unknown option.
    virtual int SetCellOption(int kind, int id, int column, int option, int value) = 0;

protected:
    CReportDocument() = default;
    // Freed by DllFreeDocument only.
    ~CReportDocument() = default;
};

// The one report document; `version` must be 0 (null otherwise). Later calls
// return the same object.
QEL_API CReportDocument* DllGetDocument(int version);
// Frees the report document; a later DllGetDocument makes a new one.
QEL_API void DllFreeDocument(void);
