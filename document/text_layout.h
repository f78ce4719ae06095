#pragma once

// Measuring and placing text in document units, over an abstract measure so
// that layout tests run without fonts.

#include <string>
#include <string_view>
#include <vector>

#include "draw_ops.h"

namespace doc {

class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    // Width of one line of text (no line feeds).
    virtual int Width(const FontStyle& font, std::string_view line) = 0;
    virtual int LineHeight(const FontStyle& font) = 0;
};

struct WrapRule {
    int width = 0;          // 0 or less: no wrapping
    bool wordBreak = true;  // break at blanks
    bool charBreak = false; // break inside words wider than the width
};

// The text's lines: split at line feeds (a carriage return before one is
// dropped), then wrapped by the rule. Blanks at a wrap point are dropped.
std::vector<std::string> BreakLines(TextMeasure& measure, const FontStyle& font,
                                    std::string_view text, const WrapRule& rule);

struct Extent {
    int width = 0;
    int height = 0;
};

Extent MeasureLines(TextMeasure& measure, const FontStyle& font,
                    const std::vector<std::string>& lines);

struct Placement {
    int alignment = kReportAlignLeft;  // ReportAlignment
    bool centerVertically = false;
};

// The lines placed in the box: aligned left, centred or right, from the top
// or centred in the box's height.
std::vector<TextLine> PlaceLines(TextMeasure& measure, const FontStyle& font,
                                 std::vector<std::string> lines, const Box& box,
                                 const Placement& placement);

}  // namespace doc
