#include "tooltip_markup.h"

#include <algorithm>
#include <climits>
#include <cstddef>

#include "text_split.h"

namespace {

constexpr std::string_view kLineBreak = "\n";
constexpr std::string_view kRuleTag = "<!l>";
constexpr std::string_view kBreakTag = "<!&>";
constexpr std::string_view kFormatTag = "<!f";

// Leading blanks, a sign and the digits that follow; saturates instead of
// overflowing, 0 without digits.
long long ReadDecimal(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = std::min<long long>(value * 10 + (text[i] - '0'), INT_MAX);
    }
    return negative ? -value : value;
}

void ApplyOptions(std::string_view options, TooltipCell& cell) {
    for (std::size_t slash = options.find('/'); slash != std::string_view::npos;) {
        const std::size_t next = options.find('/', slash + 1);
        const std::string_view option =
            options.substr(slash + 1, next == std::string_view::npos ? std::string_view::npos : next - slash - 1);
        slash = next;
        if (option.empty()) continue;
        const long long value = ReadDecimal(option.substr(1));
        switch (option[0]) {
        case 'c': cell.colour = static_cast<ui::COLORREF>(value) & 0xFFFFFF; break;
        case 'm': cell.span = static_cast<int>(std::clamp<long long>(value, 1, kTooltipMaxSpan)); break;
        case 'o': cell.format = static_cast<int>(value); break;
        case 'w': cell.bold = value == 1; break;
        default: break;
        }
    }
}

TooltipCell ParseCell(std::string_view text, ui::COLORREF defaultColour) {
    TooltipCell cell;
    cell.colour = defaultColour;
    const std::size_t tag = text.find(kFormatTag);
    const std::size_t close = tag == std::string_view::npos ? tag : text.find('>', tag + kFormatTag.size());
    if (close == std::string_view::npos) {
        cell.text = std::string(text);
        return cell;
    }
    ApplyOptions(text.substr(tag + kFormatTag.size(), close - tag - kFormatTag.size()), cell);
    cell.text = std::string(text.substr(close + 1));
    return cell;
}

// The extra pixels of item i when extra is spread over count items from first.
int ExtraOf(int i, int extra, int first, int count) {
    if (i < first || count <= 0) return 0;
    return extra / count + (i - first < extra % count ? 1 : 0);
}

}  // namespace

std::string FormatTooltipFontTag(int alignment, int weight, int span, ui::COLORREF colour) {
    return "<!f /o " + std::to_string(alignment) + " /m " + std::to_string(span) + " /w " + std::to_string(weight) +
           " /c " + std::to_string(colour) + ">";
}

std::string_view TooltipRunBreakTag() { return kBreakTag; }

void AppendTooltipLine(std::string& markup, std::string_view label, std::string_view value, bool bold,
                       ui::COLORREF colour) {
    markup += FormatTooltipFontTag(kTooltipAlignLeft, 0, 1, 0);
    markup += label;
    markup += kBreakTag;
    markup += FormatTooltipFontTag(kTooltipAlignLeft, bold ? 1 : 0, 1, colour);
    markup += TooltipPlainText(value);
    markup += kLineBreak;
}

std::string TooltipPlainText(std::string_view text) {
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        plain += text[i] == '\n' ? ' ' : text[i];
        if (text[i] == '<' && i + 1 < text.size() && text[i + 1] == '!') plain += "\xE2\x81\xA0";   // U+2060
    }
    return plain;
}

TooltipTable ParseTooltipMarkup(std::string_view text, ui::COLORREF defaultColour) {
    TooltipTable table;
    std::vector<std::string> lineTexts, pieces, cellTexts;
    SplitString(lineTexts, text, kLineBreak);
    for (const std::string& lineText : lineTexts) {
        TooltipLine line;
        std::string kept;
        SplitString(pieces, lineText, kRuleTag);
        for (const std::string& piece : pieces) kept += piece;
        line.rule = kept.size() != lineText.size();
        int column = 0;
        SplitString(cellTexts, kept, kBreakTag);
        for (const std::string& cellText : cellTexts) {
            TooltipCell cell = ParseCell(cellText, defaultColour);
            cell.firstColumn = column;
            column += cell.span;
            line.cells.push_back(std::move(cell));
        }
        if (table.lines.empty()) table.columns = column;
        std::erase_if(line.cells, [&](const TooltipCell& c) { return c.firstColumn >= table.columns; });
        for (TooltipCell& cell : line.cells) cell.span = std::min(cell.span, table.columns - cell.firstColumn);
        table.lines.push_back(std::move(line));
    }
    return table;
}

std::string TooltipReadableText(const TooltipTable& table) {
    std::string text;
    for (const TooltipLine& line : table.lines) {
        if (!text.empty()) text += '\n';
        // A label that ends with its own blank needs no other.
        for (std::size_t i = 0; i < line.cells.size(); ++i) {
            if (i > 0 && !line.cells[i - 1].text.ends_with(' ')) text += ' ';
            text += line.cells[i].text;
        }
    }
    while (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
}

void MeasureTooltip(TooltipTable& table, const TooltipMeasure& measure) {
    struct Extent {
        int last, first, width;
    };
    std::vector<Extent> extents;
    int top = 0;
    for (TooltipLine& line : table.lines) {
        int height = 0;
        for (TooltipCell& cell : line.cells) {
            const ui::Point size = measure(cell.text, cell.bold);
            cell.rect = {0, 0, size.x + 2, size.y + 2};
            height = std::max(height, size.y + 2);
            extents.push_back({cell.firstColumn + cell.span - 1, cell.firstColumn, size.x + 2});
        }
        line.top = top;
        line.bottom = top + height;
        top = line.bottom;
    }
    table.contentHeight = top;

    std::sort(extents.begin(), extents.end(), [](const Extent& a, const Extent& b) { return a.last < b.last; });
    table.columnRight.assign(static_cast<std::size_t>(table.columns), 0);
    auto leftOf = [&](int column) { return column > 0 ? table.columnRight[static_cast<std::size_t>(column - 1)] : 0; };
    std::size_t next = 0;
    for (int column = 0; column < table.columns; ++column) {
        // A column no cell ends in keeps the edge of the one before.
        int right = leftOf(column);
        for (; next < extents.size() && extents[next].last == column; ++next) {
            right = std::max(right, leftOf(extents[next].first) + extents[next].width);
        }
        table.columnRight[static_cast<std::size_t>(column)] = right;
    }
    table.contentWidth = table.columns > 0 ? table.columnRight.back() : 0;
    for (TooltipLine& line : table.lines) {
        for (TooltipCell& cell : line.cells) {
            cell.rect = {leftOf(cell.firstColumn), line.top,
                         table.columnRight[static_cast<std::size_t>(cell.firstColumn + cell.span - 1)], line.bottom};
        }
    }
}

TooltipSize SizeTooltip(TooltipTable& table, TooltipSize minimum, int stretchColumn, ui::Point border) {
    const int w = 2 * border.x + table.contentWidth;
    const int h = 2 * border.y + table.contentHeight;
    const TooltipSize size{std::max(minimum.width, w), std::max(minimum.height, h)};

    const int first = std::clamp(stretchColumn, 0, table.columns);
    std::vector<int> right(table.columnRight.size());
    for (int column = 0, extra = 0; column < table.columns; ++column) {
        extra += ExtraOf(column, size.width - w, first, table.columns - first);
        right[static_cast<std::size_t>(column)] = table.columnRight[static_cast<std::size_t>(column)] + extra;
    }
    table.columnRight = right;
    const int lines = static_cast<int>(table.lines.size());
    for (int i = 0, extra = 0; i < lines; ++i) {
        TooltipLine& line = table.lines[static_cast<std::size_t>(i)];
        line.top += extra + border.y;
        extra += ExtraOf(i, size.height - h, 0, lines);
        line.bottom += extra + border.y;
        for (TooltipCell& cell : line.cells) {
            const int last = cell.firstColumn + cell.span - 1;
            cell.rect = {(cell.firstColumn > 0 ? right[static_cast<std::size_t>(cell.firstColumn - 1)] : 0) + border.x,
                         line.top, right[static_cast<std::size_t>(last)] + border.x, line.bottom};
        }
    }
    return size;
}

ui::Point PlaceTooltip(int x, int y, int flags, TooltipSize size, const ui::Rect& screen, const ui::Rect& avoid) {
    if ((flags & kTooltipCentreX) != 0) x -= size.width / 2;
    if ((flags & kTooltipRightAtX) != 0) x -= size.width;
    if ((flags & kTooltipBottomAtY) != 0) y -= size.height;
    if (x + size.width > screen.right) x = screen.right - size.width;
    if (y + size.height > screen.bottom) y = screen.bottom - size.height;
    if (y < screen.top) y = screen.top;
    if (x < screen.left) x = screen.left;
    if (!avoid.IsEmpty() && y < avoid.bottom && y + size.height > avoid.top) {
        // Above the rectangle; below it when the screen has no room above.
        y = avoid.top - size.height;
        if (y < screen.top) y = std::min(avoid.bottom, screen.bottom - size.height);
    }
    return {x, y};
}
