#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <functional>

#include "painted_image.h"
#include "ui/painter.h"

namespace {

using painttest::CountPainted;
using painttest::kWhite;

// Paints on a white 24 x 24 image and hands back the pixels.
QImage Paint(const std::function<void(QelDC&)>& draw) { return painttest::PaintImage(24, 24, draw); }

QRect Painted(const QImage& image) { return painttest::PaintedBox(image); }

QFont TestFont() {
    QFont font("DejaVu Sans");
    font.setPixelSize(12);
    return font;
}

TEST(Painter, RectanglesExcludeTheirRightAndBottomEdge) {
    const QImage filled = Paint([](QelDC& dc) { dc.FillSolidRect({0, 0, 10, 10}, 0); });
    EXPECT_EQ(Painted(filled), QRect(0, 0, 10, 10));
    EXPECT_EQ(CountPainted(filled), 100);

    // Outline in the pen colour on the rectangle's inside, brush within.
    const QImage framed = Paint([](QelDC& dc) {
        dc.SelectPen(ui::MakeColorRef(0, 0, 255));
        dc.SelectSolidBrush(ui::MakeColorRef(255, 0, 0));
        dc.Rectangle({2, 2, 12, 8});
    });
    EXPECT_EQ(Painted(framed), QRect(2, 2, 10, 6));
    EXPECT_EQ(framed.pixelColor(2, 2), QColor(0, 0, 255));
    EXPECT_EQ(framed.pixelColor(11, 7), QColor(0, 0, 255));
    EXPECT_EQ(framed.pixelColor(3, 3), QColor(255, 0, 0));
}

struct LineCase {
    QPoint from, to;
    QPoint lastDrawn, leftOut;
    int pixels;
};

class PainterLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(PainterLine, LeavesOutItsLastPixel) {
    const LineCase& c = GetParam();
    const QImage image = Paint([&](QelDC& dc) {
        dc.SelectPen(0);
        dc.MoveTo(c.from.x(), c.from.y());
        dc.LineTo(c.to.x(), c.to.y());
    });
    EXPECT_EQ(CountPainted(image), c.pixels);
    EXPECT_EQ(image.pixel(c.leftOut), kWhite);
    if (c.pixels == 0) return;
    EXPECT_NE(image.pixel(c.from), kWhite);
    EXPECT_NE(image.pixel(c.lastDrawn), kWhite);
}

INSTANTIATE_TEST_SUITE_P(
    Directions, PainterLine,
    ::testing::Values(LineCase{{0, 0}, {10, 0}, {9, 0}, {10, 0}, 10},
                      LineCase{{10, 3}, {0, 3}, {1, 3}, {0, 3}, 10},
                      LineCase{{4, 0}, {4, 6}, {4, 5}, {4, 6}, 6},
                      LineCase{{0, 0}, {5, 5}, {4, 4}, {5, 5}, 5},
                      LineCase{{6, 6}, {6, 6}, {6, 6}, {7, 6}, 0}));

TEST(Painter, LineToContinuesFromTheLastEnd) {
    const QImage image = Paint([](QelDC& dc) {
        dc.SelectPen(0);
        dc.MoveTo(0, 0);
        dc.LineTo(5, 0);
        dc.LineTo(5, 5);
    });
    EXPECT_NE(image.pixel(5, 0), kWhite);   // the second line's first pixel
    EXPECT_EQ(image.pixel(5, 5), kWhite);
    EXPECT_EQ(CountPainted(image), 10);
}

TEST(Painter, ColoursAreBlueGreenRed) {
    const QImage image = Paint([](QelDC& dc) { dc.FillSolidRect({0, 0, 1, 1}, 0x00336699); });
    EXPECT_EQ(image.pixelColor(0, 0), QColor(0x99, 0x66, 0x33));
    EXPECT_EQ(ui::ToColorRef(QColor(0x99, 0x66, 0x33)), 0x00336699u);
    EXPECT_EQ(ui::ToQColor(ui::MakeColorRef(1, 2, 3)), QColor(1, 2, 3));
}

TEST(Painter, TextIsPlacedByItsTop) {
    const QFont font = TestFont();
    int height = 0;
    const QImage image = Paint([&](QelDC& dc) {
        dc.SelectFont(font);
        dc.SetBkMode(ui::TRANSPARENT);
        dc.TextOut(2, 5, "Hg");
        height = dc.GetTextExtent("Hg").height();
    });
    const QRect ink = Painted(image);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.top(), 5);
    EXPECT_LE(ink.top(), 5 + height / 2);   // the capital reaches near the top
    EXPECT_LT(ink.bottom(), 5 + height);
}

TEST(Painter, InvertTwiceRestoresAndPatternsTakeTheTextColours) {
    const QImage inverted = Paint([](QelDC& dc) {
        dc.FillSolidRect({0, 0, 4, 4}, ui::MakeColorRef(10, 20, 30));
        dc.InvertRect({0, 0, 2, 4});
        dc.InvertRect({0, 0, 1, 4});
    });
    EXPECT_EQ(inverted.pixelColor(0, 0), QColor(10, 20, 30));
    EXPECT_EQ(inverted.pixelColor(1, 0), QColor(245, 235, 225));

    // Row 0x80: the leftmost bit is set (background colour), the rest clear.
    const ui::Pattern8 pattern{0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80};
    const auto paintPattern = [&](unsigned rop) {
        return Paint([&](QelDC& dc) {
            dc.SetTextColor(ui::MakeColorRef(255, 0, 0));
            dc.SetBkColor(ui::MakeColorRef(0, 0, 255));
            dc.SelectPatternBrush(pattern);
            dc.PatBlt({0, 0, 8, 1}, rop);
        });
    };
    const QImage copied = paintPattern(ui::PATCOPY);
    EXPECT_EQ(copied.pixelColor(0, 0), QColor(0, 0, 255));
    EXPECT_EQ(copied.pixelColor(1, 0), QColor(255, 0, 0));
    const QImage notCopied = paintPattern(ui::NOTPATCOPY);
    EXPECT_EQ(notCopied.pixelColor(0, 0), QColor(255, 255, 0));
    EXPECT_EQ(notCopied.pixelColor(1, 0), QColor(0, 255, 255));
    EXPECT_EQ(notCopied.pixel(0, 1), kWhite);
}

TEST(Painter, DrawTextAlignsInTheBoxAndMeasures) {
    const QFont font = TestFont();
    int width = 0;
    const QImage image = Paint([&](QelDC& dc) {
        dc.SelectFont(font);
        dc.SetBkMode(ui::TRANSPARENT);
        width = dc.GetTextExtent("W").width();
        ui::Rect box{0, 0, 24, 24};
        dc.DrawText("W", box, ui::DT_RIGHT | ui::DT_SINGLELINE | ui::DT_VCENTER);
        ui::Rect measured{3, 4, 3, 4};
        EXPECT_GT(dc.DrawText("W", measured, ui::DT_CALCRECT | ui::DT_SINGLELINE), 0);
        EXPECT_EQ(measured.width(), width);
    });
    const QRect ink = Painted(image);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), 24 - width - 1);
    EXPECT_LE(ink.right(), 23);
    EXPECT_GT(ink.top(), 2);   // centred, not at the top
}

}  // namespace
