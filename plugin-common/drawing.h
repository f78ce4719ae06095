#pragma once

// Painting tools shared by the views and the reports, on the painter
// wrapper of the platform layer: off-screen painting, the hatched frame of
// a selected booking, text placed in a rectangle, fonts with a fallback and
// frames drawn only where they survive clipping.

#include <QFont>
#include <QImage>
#include <QPainter>
#include <memory>
#include <string_view>

#include "ui/painter.h"

// A diagonal hatch: a pixel is set where (x + y) mod 4 = 3.
inline constexpr ui::Pattern8 kHatchPattern = {0x11, 0x22, 0x44, 0x88, 0x11, 0x22, 0x44, 0x88};

// Text alignments of DrawTextInRect.
inline constexpr int kAlignLeft = 0;
inline constexpr int kAlignCenter = 1;
inline constexpr int kAlignRight = 2;

// Paints into an image of rect's size whose origin is rect's top-left
// corner; the destructor copies it onto the target at rect.
class CMemDC {
public:
    CMemDC(QPainter& target, const ui::Rect& rect);
    ~CMemDC();
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;

    QelDC& dc() { return *dc_; }
    bool IsActive() const { return active_; }

private:
    QPainter& target_;
    ui::Rect rect_;
    QImage image_;
    QPainter painter_;
    std::unique_ptr<QelDC> dc_;
    bool active_ = false;
};

// A hatched frame 2 pixels wide around rect, outside it: the inverse of the
// hatch in the text and background colours, aligned to the device origin.
void FillRectPattern(QelDC& dc, const ui::Rect& rect);

// Writes text in box, clipped to clip: left, centred or right (any other
// alignment counts as left), centred vertically. With keepInside the text
// never starts left of the box. Nothing when either rectangle is empty.
void DrawTextInRect(QelDC& dc, std::string_view text, const ui::Rect& box, const ui::Rect& clip,
                    int align, bool keepInside);

// A font of size pixels of character height in the face (cut to 31 bytes)
// and weight (100..900; 0 is normal). A size below 1 gives the toolkit's
// default face and size instead.
QFont CreateSizedFont(int size, std::string_view face, int weight);
// A font of tenths of a point on a device of dpiY pixels per inch.
QFont CreatePointFont(int dpiY, int tenthsOfPoint, std::string_view face, int weight);

// The sides of frame that lie on the edge of frame intersected with clip,
// with the current pen; the right and bottom sides on the frame's last
// column and row.
void DrawClippedFrame(QelDC& dc, const ui::Rect& frame, const ui::Rect& clip);
