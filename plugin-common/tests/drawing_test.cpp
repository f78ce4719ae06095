#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <functional>

#include "drawing.h"
#include "painted_image.h"

namespace {

using painttest::kWhite;
constexpr QRgb kBlack = 0xFF000000;

QImage Paint(int width, int height, const std::function<void(QelDC&)>& draw) {
    return painttest::PaintImage(width, height, draw);
}

QRect Ink(const QImage& image) { return painttest::PaintedBox(image); }

bool Inside(const ui::Rect& r, int x, int y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

TEST(FillRectPattern, HatchedFrameAlignedToTheDeviceOrigin) {
    for (const ui::Rect r : {ui::Rect{5, 7, 15, 13}, ui::Rect{2, 2, 3, 3}, ui::Rect{10, 3, 30, 20}}) {
        SCOPED_TRACE(::testing::Message() << r.left << "," << r.top);
        const QImage image = Paint(34, 26, [&](QelDC& dc) {
            dc.SetBkColor(0xFFFFFF);
            dc.SetTextColor(0);
            FillRectPattern(dc, r);
        });
        const ui::Rect grown{r.left - 2, r.top - 2, r.right + 2, r.bottom + 2};
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const bool onFrame = Inside(grown, x, y) && !Inside(r, x, y);
                // Rows 0x11, 0x22, 0x44, 0x88: bit 7 - x mod 8 of row y mod 8.
                const bool patternBit = (kHatchPattern[y % 8] >> (7 - x % 8)) & 1;
                const QRgb expected = onFrame && patternBit ? kBlack : kWhite;
                ASSERT_EQ(image.pixel(x, y), expected) << x << "," << y;
            }
        }
    }
}

TEST(MemDC, CopiesItsRectangleOntoTheTarget) {
    QImage target(20, 20, QImage::Format_RGB32);
    target.fill(kWhite);
    {
        QPainter painter(&target);
        CMemDC mem(painter, {5, 6, 15, 12});
        ASSERT_TRUE(mem.IsActive());
        // Drawn in the target's coordinates, kept to the rectangle.
        mem.dc().FillSolidRect({0, 0, 20, 9}, 0);
    }
    EXPECT_EQ(Ink(target), QRect(5, 6, 10, 3));
    QImage other(4, 4, QImage::Format_RGB32);
    QPainter painter(&other);
    EXPECT_FALSE(CMemDC(painter, {3, 3, 3, 9}).IsActive());
}

QFont TestFont() { return CreateSizedFont(14, "DejaVu Sans", 400); }

TEST(DrawTextInRect, Placement) {
    const ui::Rect box{20, 10, 100, 40};
    const std::string text = "HHHH";
    struct Case { int align; bool keepInside; };
    for (const Case c : {Case{kAlignLeft, false}, Case{kAlignCenter, false}, Case{kAlignRight, false},
                         Case{7, false}, Case{kAlignCenter, true}}) {
        SCOPED_TRACE(c.align);
        QSize extent;
        const QImage image = Paint(120, 50, [&](QelDC& dc) {
            dc.SelectFont(TestFont());
            dc.SetBkMode(ui::TRANSPARENT);
            extent = dc.GetTextExtent(text);
            DrawTextInRect(dc, text, box, box, c.align, c.keepInside);
        });
        const QRect ink = Ink(image);
        ASSERT_FALSE(ink.isEmpty());
        const int left = c.align == kAlignCenter ? box.left + box.width() / 2 - extent.width() / 2
                         : c.align == kAlignRight ? box.right - extent.width()
                                                  : box.left;
        // Glyph side bearings are a pixel or two inside the advance.
        EXPECT_GE(ink.left(), left);
        EXPECT_LE(ink.left(), left + 3);
        EXPECT_LE(ink.right(), left + extent.width());
        EXPECT_GE(ink.right(), left + extent.width() - 4);
        const int top = box.top + box.height() / 2 - extent.height() / 2;
        EXPECT_GE(ink.top(), top);
        EXPECT_LT(ink.bottom(), top + extent.height());
    }
}

TEST(DrawTextInRect, ClipKeepInsideAndEmptyRectangles) {
    const std::string wide = "HHHHHHHHHHHHHHHHHHHH";
    for (int align : {kAlignLeft, kAlignCenter, kAlignRight}) {
        SCOPED_TRACE(align);
        const ui::Rect box{30, 5, 60, 30};
        const QImage image = Paint(120, 40, [&](QelDC& dc) {
            dc.SelectFont(TestFont());
            DrawTextInRect(dc, wide, box, {0, 0, 70, 40}, align, true);
        });
        const QRect ink = Ink(image);
        // Starts at the box's left edge whatever the alignment, cut at the clip.
        EXPECT_GE(ink.left(), box.left);
        EXPECT_LE(ink.left(), box.left + 3);
        EXPECT_EQ(ink.right(), 69);
    }
    for (const auto& [box, clip] : {std::pair{ui::Rect{10, 10, 10, 30}, ui::Rect{0, 0, 50, 50}},
                                    std::pair{ui::Rect{10, 10, 40, 30}, ui::Rect{5, 5, 5, 5}}}) {
        const QImage image = Paint(50, 50, [&](QelDC& dc) {
            dc.SelectFont(TestFont());
            DrawTextInRect(dc, "HH", box, clip, kAlignLeft, false);
        });
        EXPECT_TRUE(Ink(image).isEmpty());
    }
}

TEST(Fonts, SizeFaceWeightAndFallback) {
    const QFont sized = CreateSizedFont(20, "DejaVu Sans", 700);
    EXPECT_EQ(sized.pixelSize(), 20);
    EXPECT_EQ(sized.weight(), QFont::Bold);
    // A face that does not exist still gives a font that can be measured.
    const QFont missing = CreateSizedFont(12, "No Such Face Anywhere At All 1234567890", 400);
    EXPECT_EQ(missing.family().toUtf8().size(), 31);
    EXPECT_GT(QFontMetrics(missing).height(), 0);
    EXPECT_GT(QFontMetrics(CreateSizedFont(0, "x", 0)).height(), 0);
    // Tenths of a point: 10 pt on 96 and 120 dpi.
    EXPECT_EQ(CreatePointFont(96, 100, "DejaVu Sans", 400).pixelSize(), 13);
    EXPECT_EQ(CreatePointFont(120, 100, "DejaVu Sans", 400).pixelSize(), 17);
}

TEST(DrawClippedFrame, OnlyTheSidesThatSurviveTheClip) {
    const ui::Rect frame{4, 4, 14, 12};
    struct Case { ui::Rect clip; QRect ink; int pixels; };
    const Case cases[] = {
        {{0, 0, 30, 30}, QRect(4, 4, 10, 8), 2 * 10 + 2 * 6},
        // Right side clipped away: top, bottom and left remain.
        {{0, 0, 10, 30}, QRect(4, 4, 6, 8), 2 * 6 + 6},
        // Only the middle: no side lies on the clip's edge.
        {{6, 6, 10, 10}, QRect(), 0},
        {{20, 20, 30, 30}, QRect(), 0},
    };
    for (const Case& c : cases) {
        const QImage image = Paint(20, 20, [&](QelDC& dc) {
            dc.SelectPen(0);
            DrawClippedFrame(dc, frame, c.clip);
        });
        EXPECT_EQ(Ink(image), c.ink);
        int pixels = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x) pixels += image.pixel(x, y) != kWhite;
        EXPECT_EQ(pixels, c.pixels);
    }
}

}  // namespace
