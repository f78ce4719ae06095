#include "reports/html_table.h"

#include "plat/resource_strings.h"
#include "reports/html_text.h"

namespace {

const char* AlignName(int alignment) {
    switch (alignment) {
    case kHtmlAlignLeft: return "left";
    case kHtmlAlignRight: return "right";
    case kHtmlAlignCenter: return "center";
    case kHtmlAlignJustify: return "justify";
    default: return nullptr;
    }
}

const char* VAlignName(int alignment) {
    switch (alignment) {
    case kHtmlVAlignTop: return "top";
    case kHtmlVAlignBaseline: return "baseline";
    case kHtmlVAlignMiddle: return "middle";
    case kHtmlVAlignBottom: return "bottom";
    default: return nullptr;
    }
}

void AppendBorder(std::string& style, const char* side, short width) {
    if (width < 0) return;
    style += "border-";
    style += side;
    style += "-width:" + std::to_string(width) + "pt; ";
}

}  // namespace

void CHtmlCell::Write(std::string& out, bool header, const std::string& rowCellClass) const {
    out += header ? "  <th " : "  <td ";
    if (rowspan > 1) out += "rowspan=" + std::to_string(rowspan) + " ";
    if (colspan > 1) out += "colspan=" + std::to_string(colspan) + " ";
    if (const char* align = AlignName(alignment)) out += std::string("align=") + align + " ";
    if (widthPercent != -1)
        out += "width=\"" + std::to_string(widthPercent) + "%\" ";
    else if (widthPixels >= 0)
        out += "width=\"" + std::to_string(widthPixels) + "\" ";
    if (background != kHtmlNoBackground) out += "bgcolor=" + FormatHtmlColor(background) + " ";
    if (nowrap) out += "nowrap ";
    const std::string& cls = rowCellClass.empty() ? cssClass : rowCellClass;
    if (!cls.empty()) out += "class=" + cls + " ";
    if (borderLeft >= 0 || borderRight >= 0 || borderTop >= 0 || borderBottom >= 0) {
        std::string style;
        AppendBorder(style, "left", borderLeft);
        AppendBorder(style, "top", borderTop);
        AppendBorder(style, "right", borderRight);
        AppendBorder(style, "bottom", borderBottom);
        out += "style=\"" + style + "\" ";
    }
    out += '>';
    if (ruleSize != -1) {
        out += "<hr ";
        if (ruleNoshade) out += "noshade ";
        if (ruleSize != 2) out += "size=" + std::to_string(ruleSize) + " ";
        out += '>';
    }
    const std::string source = stringId != -1 ? plat::LoadResString(static_cast<unsigned>(stringId)) : text;
    std::string content;
    if (source.empty())
        content = "&#160;";
    else if (bold)
        content = "<b>" + EscapeHtml(source, nonBreaking, true) + "</b>";
    else
        content = EscapeHtml(source, nonBreaking, true);
    if (fontColor != 0) content = "<font color=" + FormatHtmlColor(fontColor) + ">" + content + "</font>";
    if (!link.empty()) content = "<a href=\"" + EscapeHtml(link, false, false) + "\">" + content + "</a>";
    out += content;
    out += header ? "</th>\n" : "</td>\n";
}

CHtmlCell& CHtmlRow::AddEmptyCell() { return cells.emplace_back(); }

CHtmlCell& CHtmlRow::AddTextCell(std::string text, int alignment, bool bold) {
    CHtmlCell& cell = cells.emplace_back();
    cell.text = std::move(text);
    cell.alignment = alignment;
    cell.bold = bold;
    return cell;
}

CHtmlCell& CHtmlRow::AddCell(int stringId, int alignment, bool bold) {
    CHtmlCell& cell = cells.emplace_back();
    cell.stringId = stringId;
    cell.alignment = alignment;
    cell.bold = bold;
    return cell;
}

void CHtmlRow::SetBackground(std::uint32_t colour) {
    for (CHtmlCell& cell : cells) cell.background = colour;
}

void CHtmlRow::Write(std::string& out) const {
    out += " <tr ";
    if (const char* align = VAlignName(verticalAlignment)) out += std::string("valign=") + align + " ";
    if (!cssClass.empty()) out += "class=" + cssClass + " ";
    out += ">\n";
    for (const CHtmlCell& cell : cells) cell.Write(out, header, cellClass);
    out += " </tr>\n";
}

CHtmlRow& CHtmlTable::AddRow() { return rows.emplace_back(); }

void CHtmlTable::WriteStart(std::string& out) const {
    out += "\n<table ";
    if (borderCollapse == kCollapse) out += "style=\"border-collapse: collapse\" ";
    if (borderCollapse == kSeparate) out += "style=\"border-collapse: separate\" ";
    if (widthPercent != -1) out += "width=\"" + std::to_string(widthPercent) + "%\" ";
    if (border != -1) out += "border=" + std::to_string(border) + " ";
    if (cellSpacing != -1) out += "cellspacing=" + std::to_string(cellSpacing) + " ";
    if (cellPadding != -1) out += "cellpadding=" + std::to_string(cellPadding) + " ";
    if (!cssClass.empty()) out += "class=" + cssClass + " ";
    out += ">\n\n";
}

void CHtmlTable::WriteEnd(std::string& out) { out += "\n</table>\n\n"; }

void CHtmlTable::Write(std::string& out) const {
    WriteStart(out);
    for (const CHtmlRow& row : rows) row.Write(out);
    WriteEnd(out);
}
