#pragma once

// The tooltips' text: a small table in markup. Lines are separated by "\n",
// cells by TooltipRunBreakTag(); a cell may open with a format tag
// (FormatTooltipFontTag) for colour, column span, alignment and weight, and
// "<!l>" anywhere in a line draws a rule under it. Parsing, measuring,
// sizing and placing are plain code; the window only paints the result.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/painter.h"

// Placement flags of a tooltip position.
inline constexpr int kTooltipCentreX = 1;   // centred horizontally on x
inline constexpr int kTooltipRightAtX = 2;  // right edge at x
inline constexpr int kTooltipBottomAtY = 8; // bottom edge at y

// DrawText alignments of a cell.
inline constexpr int kTooltipAlignLeft = 0;
inline constexpr int kTooltipAlignCentre = 1;
inline constexpr int kTooltipAlignRight = 2;

// A span above this counts as this; a table never has more columns per cell.
inline constexpr int kTooltipMaxSpan = 64;

struct TooltipCell {
    std::string text;
    bool bold = false;
    ui::COLORREF colour = 0;
    int span = 1;
    int format = kTooltipAlignCentre;
    int firstColumn = 0;   // set by the parser
    ui::Rect rect;         // set by measuring and sizing
};

struct TooltipLine {
    std::vector<TooltipCell> cells;
    bool rule = false;
    int top = 0, bottom = 0;
};

struct TooltipTable {
    std::vector<TooltipLine> lines;
    int columns = 0;               // the spans of the first line's cells
    std::vector<int> columnRight;  // right edge of each column, content coordinates
    int contentWidth = 0;
    int contentHeight = 0;
};

// "<!f /o <alignment> /m <span> /w <weight> /c <colour>>".
std::string FormatTooltipFontTag(int alignment, int weight, int span, ui::COLORREF colour);
std::string_view TooltipRunBreakTag();
// Appends a line of two left-aligned cells: the label, then the value as
// plain text, bold when bold, in colour.
void AppendTooltipLine(std::string& markup, std::string_view label, std::string_view value, bool bold = false,
                       ui::COLORREF colour = 0);
// A user's text as one cell's plain text: an invisible word joiner splits
// every "<!" and a line break becomes a blank, so no name or note opens a
// tag, a cell or a line.
std::string TooltipPlainText(std::string_view text);

// Cells take defaultColour unless their tag names one. Cells of a later
// line that start beyond the first line's columns are left out; a cell
// running past the last column ends there.
TooltipTable ParseTooltipMarkup(std::string_view text, ui::COLORREF defaultColour);

// The cells' texts, blank-separated, one line each; empty lines at the end
// left out. The window's accessible name.
std::string TooltipReadableText(const TooltipTable& table);

// Width and height of a text in the normal or the bold font.
using TooltipMeasure = std::function<ui::Point(std::string_view text, bool bold)>;

// Cells (with their 1-pixel margins), lines and columns from y = 0 and x = 0.
void MeasureTooltip(TooltipTable& table, const TooltipMeasure& measure);

struct TooltipSize {
    int width = 0, height = 0;
};

// The window's size from the measured table: at least minimum (the size
// while shown), the extra spread over the columns from stretchColumn and
// over all lines; cells move inside the border of border.x, border.y
// pixels on each side.
TooltipSize SizeTooltip(TooltipTable& table, TooltipSize minimum, int stretchColumn, ui::Point border);

// The top-left corner for a window of size placed at (x, y) with flags,
// kept inside screen, and moved above avoid when it would cover it (below
// it when there is no room above).
ui::Point PlaceTooltip(int x, int y, int flags, TooltipSize size, const ui::Rect& screen,
                       const ui::Rect& avoid);
