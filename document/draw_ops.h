#pragma once

// The recording of a report: per page, a list of drawing operations in
// document units relative to the printable area. Nothing here knows how a
// page is painted.

#include <algorithm>
#include <string>
#include <variant>
#include <vector>

#include "report_document.h"

namespace doc {

// What callers pass is held to these bounds, so that sums of coordinates
// and lengths cannot overflow.
constexpr int kMaxCoordinate = 10'000'000;  // 1 km
constexpr int kMaxLength = 1'000'000;       // 100 m

inline int ClampCoordinate(int value) { return std::clamp(value, -kMaxCoordinate, kMaxCoordinate); }
inline int ClampLength(int value) { return std::clamp(value, 0, kMaxLength); }

struct Box {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool Empty() const { return width <= 0 || height <= 0; }
    int Right() const { return x + width; }
    int Bottom() const { return y + height; }
};

struct FontStyle {
    std::string face;
    int size = 100;  // tenths of a point, at least 1
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int code = 0;    // ReportFontCode

    // Width in per cent of the face's normal width.
    int Stretch() const {
        if (code == kReportFontSemiCondensed) return 87;
        if (code == kReportFontCondensed) return 75;
        return 100;
    }
    bool operator==(const FontStyle&) const = default;
};

struct Pen {
    int width = 0;
    ReportColor colour = 0;

    bool Visible() const { return width > 0; }
};

struct FillOp {
    Box box;
    ReportColor fill = 0;
    Pen outline;
};

struct LineOp {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    Pen pen;
};

struct PolygonOp {
    std::vector<ReportPoint> points;
    ReportColor fill = 0;
    Pen outline;
};

// One line of text, placed by the top-left corner of its line box.
struct TextLine {
    int x = 0;
    int y = 0;
    std::string text;
};

struct TextOp {
    FontStyle font;
    ReportColor colour = 0;
    bool clipped = false;
    Box clip;
    std::vector<TextLine> lines;
};

using DrawOp = std::variant<FillOp, LineOp, PolygonOp, TextOp>;

struct Page {
    std::vector<DrawOp> ops;
};

}  // namespace doc
