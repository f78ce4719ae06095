#pragma once

#include <cstdint>
#include <deque>
#include <string>

// Tables of HTML reports. Attributes left at their defaults are not
// written. Rows and cells live in deques, so the references AddRow and the
// Add...Cell functions return stay valid while more are added.

enum HtmlAlign : int { kHtmlAlignNone, kHtmlAlignLeft, kHtmlAlignRight, kHtmlAlignCenter, kHtmlAlignJustify };
enum HtmlVAlign : int { kHtmlVAlignNone, kHtmlVAlignTop, kHtmlVAlignBaseline, kHtmlVAlignMiddle, kHtmlVAlignBottom };

inline constexpr std::uint32_t kHtmlNoBackground = 0xFFFFFF;

class CHtmlCell {
public:
    // Appends the cell: th in a header row, td otherwise. An empty text
    // writes "&#160;" so that the cell keeps its borders.
    void Write(std::string& out, bool header, const std::string& rowCellClass) const;

    short widthPercent = -1;
    int alignment = kHtmlAlignNone;   // HtmlAlign
    std::string cssClass;
    std::string link;
    std::uint32_t fontColor = 0;      // 0: none
    std::uint32_t background = kHtmlNoBackground;
    short colspan = 1;
    short rowspan = 1;
    // Written only when no percent width is set (a cell has one width).
    short widthPixels = -1;
    int stringId = -1;                // when set, the text is that resource string
    std::string text;
    bool nonBreaking = false;
    bool bold = false;
    short borderLeft = -1;            // border widths in points; -1 none
    short borderRight = -1;
    short borderTop = -1;
    short borderBottom = -1;
    bool nowrap = false;
    bool ruleNoshade = false;
    short ruleSize = -1;              // -1 no rule; 2 the default size
};

class CHtmlRow {
public:
    CHtmlCell& AddEmptyCell();
    CHtmlCell& AddTextCell(std::string text, int alignment, bool bold);
    CHtmlCell& AddCell(int stringId, int alignment, bool bold);
    // Gives every cell already in the row this background.
    void SetBackground(std::uint32_t colour);
    void Write(std::string& out) const;

    int verticalAlignment = kHtmlVAlignNone;  // HtmlVAlign
    std::string cssClass;
    std::string cellClass;  // given to every cell of the row; empty none
    bool header = false;    // th cells instead of td
    std::deque<CHtmlCell> cells;
};

class CHtmlTable {
public:
    enum BorderCollapse : int { kNone, kCollapse, kSeparate };

    CHtmlRow& AddRow();
    void Write(std::string& out) const;
    // The table's opening and closing tags alone, for a table whose rows
    // are written one by one as they are made.
    void WriteStart(std::string& out) const;
    static void WriteEnd(std::string& out);

    int borderCollapse = kNone;
    short widthPercent = -1;
    short border = -1;
    short cellSpacing = -1;
    short cellPadding = -1;
    std::string cssClass;
    std::deque<CHtmlRow> rows;
};
