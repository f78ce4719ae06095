#pragma once

// The device context the drawing code was written against, over QPainter:
// rectangles exclude their right and bottom edge, a line leaves out its last
// pixel, text is placed by its top, colours are 0x00BBGGRR, monochrome
// pattern brushes take the text and background colours, and the raster
// operations invert. XOR and inversion need a raster device (QImage, QPixmap).

#include <QFont>
#include <QPainter>
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "ui/win_types.h"

namespace ui {

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    QRect ToQRect() const { return QRect(left, top, width(), height()); }
    // Qt's rectangles include their right and bottom edge.
    static Rect FromQRect(const QRect& r) { return {r.left(), r.top(), r.right() + 1, r.bottom() + 1}; }
    friend bool operator==(const Rect&, const Rect&) = default;
};
Rect Intersect(const Rect& a, const Rect& b);

struct Point {
    int x = 0, y = 0;
};

QColor ToQColor(COLORREF c);
COLORREF ToColorRef(const QColor& c);

// Background modes.
inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

// Raster operations of PatBlt.
inline constexpr unsigned PATCOPY = 0x00F00021;
inline constexpr unsigned PATINVERT = 0x005A0049;
inline constexpr unsigned DSTINVERT = 0x00550009;
inline constexpr unsigned BLACKNESS = 0x00000042;
inline constexpr unsigned WHITENESS = 0x00FF0062;
inline constexpr unsigned NOTPATCOPY = 0x000F0001;

// DrawText formats.
inline constexpr unsigned DT_LEFT = 0x0;
inline constexpr unsigned DT_CENTER = 0x1;
inline constexpr unsigned DT_RIGHT = 0x2;
inline constexpr unsigned DT_VCENTER = 0x4;
inline constexpr unsigned DT_BOTTOM = 0x8;
inline constexpr unsigned DT_WORDBREAK = 0x10;
inline constexpr unsigned DT_SINGLELINE = 0x20;
inline constexpr unsigned DT_NOCLIP = 0x100;
inline constexpr unsigned DT_CALCRECT = 0x400;
inline constexpr unsigned DT_NOPREFIX = 0x800;
inline constexpr unsigned DT_END_ELLIPSIS = 0x8000;

// An 8 x 8 one-bit pattern, one byte a row, most significant bit leftmost.
using Pattern8 = std::array<std::uint8_t, 8>;

}  // namespace ui

class QelDC {
public:
    explicit QelDC(QPainter& painter);
    QelDC(const QelDC&) = delete;
    QelDC& operator=(const QelDC&) = delete;

    QPainter& painter() { return painter_; }

    ui::COLORREF SetTextColor(ui::COLORREF c);
    ui::COLORREF SetBkColor(ui::COLORREF c);
    int SetBkMode(int mode);
    void SelectFont(const QFont& font);
    const QFont& font() const { return s_.font; }

    // A solid pen; width 0 is one pixel, as GDI draws it.
    void SelectPen(ui::COLORREF c, int width = 1);
    void SelectNullPen();
    void SelectSolidBrush(ui::COLORREF c);
    void SelectPatternBrush(const ui::Pattern8& pattern);
    void SelectNullBrush();
    void SetBrushOrigin(int x, int y);

    void FillSolidRect(const ui::Rect& r, ui::COLORREF c);
    void FillRect(const ui::Rect& r);   // with the current brush
    // Outline with the pen inside the rectangle, interior with the brush.
    void Rectangle(const ui::Rect& r);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polygon(const ui::Point* points, int count);
    void InvertRect(const ui::Rect& r);
    void PatBlt(const ui::Rect& r, unsigned rop);

    void TextOut(int x, int y, std::string_view text);
    // Clipped to clip unless it is null.
    void ExtTextOut(int x, int y, const ui::Rect* clip, std::string_view text);
    QSize GetTextExtent(std::string_view text) const;
    // Returns the height of the text; with DT_CALCRECT it only measures into r.
    int DrawText(std::string_view text, ui::Rect& r, unsigned format);

    void IntersectClipRect(const ui::Rect& r);
    void Save();
    void Restore();

private:
    enum class BrushKind { Null, Solid, Pattern };
    struct State {
        QFont font;
        ui::COLORREF textColor = 0;
        ui::COLORREF bkColor = 0xFFFFFF;
        int bkMode = ui::OPAQUE;
        BrushKind brushKind = BrushKind::Solid;
        ui::COLORREF brushColor = 0xFFFFFF;
        ui::Pattern8 pattern{};
        QPoint brushOrigin;
        bool hasPen = true;
        ui::COLORREF penColor = 0;
        int penWidth = 1;
    };
    QBrush CurrentBrush(bool inverted) const;
    QPen CurrentPen() const;
    void FillWithBrush(const QRect& r, const QBrush& brush);

    QPainter& painter_;
    State s_;
    std::vector<State> saved_;
    QPoint current_;
};
