#include "text_layout.h"

#include <algorithm>

namespace doc {
namespace {

std::size_t NextCodePoint(std::string_view text, std::size_t at) {
    ++at;
    while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) ++at;
    return at;
}

std::string_view TrimBlanksRight(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// The longest prefix of `word` (at least one character) within `width`.
std::size_t FittingPrefix(TextMeasure& measure, const FontStyle& font, std::string_view word,
                          int width) {
    std::size_t end = NextCodePoint(word, 0);
    while (end < word.size()) {
        const std::size_t next = NextCodePoint(word, end);
        if (measure.Width(font, word.substr(0, next)) > width) break;
        end = next;
    }
    return std::min(end, word.size());
}

void WrapParagraph(TextMeasure& measure, const FontStyle& font, std::string_view rest,
                   const WrapRule& rule, std::vector<std::string>& out) {
    while (true) {
        if (measure.Width(font, rest) <= rule.width) {
            out.emplace_back(rest);
            return;
        }
        // The last blank before which the line still fits.
        std::size_t cut = std::string_view::npos;
        if (rule.wordBreak) {
            for (std::size_t blank = rest.find(' '); blank != std::string_view::npos;
                 blank = rest.find(' ', blank + 1)) {
                const std::string_view line = TrimBlanksRight(rest.substr(0, blank));
                if (line.empty()) continue;
                if (measure.Width(font, line) > rule.width) break;
                cut = blank;
            }
        }
        std::string_view line;
        if (cut != std::string_view::npos) {
            line = TrimBlanksRight(rest.substr(0, cut));
        } else {
            // Leading blanks stay with the first word.
            const std::size_t wordEnd =
                rule.wordBreak ? std::min(rest.find(' ', rest.find_first_not_of(' ')), rest.size())
                               : rest.size();
            const std::string_view word = rest.substr(0, wordEnd);
            line = rule.charBreak ? word.substr(0, FittingPrefix(measure, font, word, rule.width))
                                  : word;
        }
        out.emplace_back(line);
        rest.remove_prefix(line.size());
        while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
        if (rest.empty()) return;
    }
}

}  // namespace

std::vector<std::string> BreakLines(TextMeasure& measure, const FontStyle& font,
                                    std::string_view text, const WrapRule& rule) {
    std::vector<std::string> lines;
    if (text.empty()) return lines;
    const bool wraps = rule.width > 0 && (rule.wordBreak || rule.charBreak);
    std::size_t start = 0;
    while (true) {
        const std::size_t feed = text.find('\n', start);
        std::string_view paragraph = text.substr(start, feed == std::string_view::npos
                                                            ? std::string_view::npos
                                                            : feed - start);
        if (!paragraph.empty() && paragraph.back() == '\r') paragraph.remove_suffix(1);
        if (wraps && !paragraph.empty())
            WrapParagraph(measure, font, paragraph, rule, lines);
        else
            lines.emplace_back(paragraph);
        if (feed == std::string_view::npos) break;
        start = feed + 1;
    }
    return lines;
}

Extent MeasureLines(TextMeasure& measure, const FontStyle& font,
                    const std::vector<std::string>& lines) {
    Extent extent;
    for (const std::string& line : lines) extent.width = std::max(extent.width, measure.Width(font, line));
    extent.height = static_cast<int>(lines.size()) * measure.LineHeight(font);
    return extent;
}

std::vector<TextLine> PlaceLines(TextMeasure& measure, const FontStyle& font,
                                 std::vector<std::string> lines, const Box& box,
                                 const Placement& placement) {
    const int lineHeight = measure.LineHeight(font);
    int y = box.y;
    if (placement.centerVertically)
        y += (box.height - static_cast<int>(lines.size()) * lineHeight) / 2;
    std::vector<TextLine> placed;
    placed.reserve(lines.size());
    for (std::string& line : lines) {
        int x = box.x;
        if (placement.alignment == kReportAlignCenter || placement.alignment == kReportAlignRight) {
            const int width = measure.Width(font, line);
            x = placement.alignment == kReportAlignCenter ? box.x + (box.width - width) / 2
                                                          : box.Right() - width;
        }
        if (!line.empty()) placed.push_back({x, y, std::move(line)});
        y += lineHeight;
    }
    return placed;
}

}  // namespace doc
