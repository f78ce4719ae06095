#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include "qt_device.h"
#include "report_document_impl.h"

namespace doc {
namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;

QImage WhiteImage(int width, int height, int dpi) {
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(std::lround(dpi / 0.0254)));
    image.setDotsPerMeterY(static_cast<int>(std::lround(dpi / 0.0254)));
    image.fill(kWhite);
    return image;
}

// The smallest rectangle holding every pixel of `colour`, and their count.
struct Ink {
    QRect bounds;
    int pixels = 0;
};

template <typename Match>
Ink InkWhere(const QImage& image, Match match) {
    Ink ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (match(image.pixel(x, y))) {
                ink.bounds = ink.bounds.united(QRect(x, y, 1, 1));
                ++ink.pixels;
            }
    return ink;
}

Ink InkOf(const QImage& image, QRgb colour) {
    return InkWhere(image, [colour](QRgb pixel) { return pixel == colour; });
}

Ink InkOtherThan(const QImage& image, QRgb background) {
    return InkWhere(image, [background](QRgb pixel) { return pixel != background; });
}

// Fills the document on the image, then replays page `page` onto it.
template <typename Draw>
QImage Render(QImage image, Draw draw, int page = 1) {
    ReportDocument document(std::make_unique<QtDevice>());
    QPainter painter(&image);
    document.BeginPrinting(&painter, &image);
    draw(document);
    document.EndPrinting();
    EXPECT_EQ(document.PrintPage(&painter, &image, page), 0);
    painter.end();
    return image;
}

struct FillCase {
    int dpi;
    int marginLeft;
    QRect expected;  // device pixels of FillRect (100, 100, 100, 100)
};

class FillRectReplayTest : public ::testing::TestWithParam<FillCase> {};

TEST_P(FillRectReplayTest, CoversExactlyItsPixels) {
    const FillCase& c = GetParam();
    const QImage image = Render(WhiteImage(600, 600, c.dpi), [&](ReportDocument& d) {
        d.marginLeft = c.marginLeft;
        d.SetBrush(0x0000FF, 0);
        d.FillRect(100, 100, 100, 100);
    });
    const Ink red = InkOf(image, qRgb(255, 0, 0));
    EXPECT_EQ(red.bounds, c.expected);
    EXPECT_EQ(red.pixels, c.expected.width() * c.expected.height());
    EXPECT_EQ(InkOtherThan(image, kWhite).pixels, red.pixels);
}

INSTANTIATE_TEST_SUITE_P(Resolutions, FillRectReplayTest,
                         ::testing::Values(FillCase{254, 0, QRect(100, 100, 100, 100)},
                                           FillCase{254, 50, QRect(150, 100, 100, 100)},
                                           FillCase{127, 0, QRect(50, 50, 50, 50)},
                                           FillCase{600, 0, QRect(236, 236, 236, 236)}),
                         [](const auto& info) {
                             return "Dpi" + std::to_string(info.param.dpi) + "Margin" +
                                    std::to_string(info.param.marginLeft);
                         });

TEST(ReplayTest, OutlineLiesInsideTheFilledBox) {
    const QImage image = Render(WhiteImage(300, 300, 254), [](ReportDocument& d) {
        d.SetPen(0, 0xFF0000);  // blue outline
        d.SetBrush(0x00FF00, 3);
        d.FillRect(50, 50, 100, 100);
    });
    EXPECT_EQ(InkOtherThan(image, kWhite).bounds, QRect(50, 50, 100, 100));
    EXPECT_EQ(InkOf(image, qRgb(0, 255, 0)).bounds, QRect(53, 53, 94, 94));
    EXPECT_EQ(InkOf(image, qRgb(0, 0, 255)).pixels, 100 * 100 - 94 * 94);
}

TEST(ReplayTest, LinesAreCentredAndEndAtTheirEndPoints) {
    const QImage image = Render(WhiteImage(300, 300, 254), [](ReportDocument& d) {
        d.SetPen(3, 0);
        d.DrawLine(10, 50, 110, 50);
        d.DrawLine(200, 10, 200, 60);
    });
    const Ink ink = InkOf(image, qRgb(0, 0, 0));
    EXPECT_EQ(ink.pixels, 100 * 3 + 3 * 50);
    EXPECT_EQ(InkOf(image.copy(0, 0, 150, 300), qRgb(0, 0, 0)).bounds, QRect(10, 49, 100, 3));
    EXPECT_EQ(InkOf(image.copy(150, 0, 150, 300), qRgb(0, 0, 0)).bounds, QRect(49, 10, 3, 50));
}

// As the preview shows a page: replayed at the device's resolution through
// a painter that shrinks it five times and smooths. Lines of 0.6 pixels on
// the screen must all stay visible, so the replay keeps the caller's hints.
TEST(ReplayTest, LinesShrunkBelowAPixelStayWhenTheCallerSmooths) {
    constexpr int kLines = 50;
    QImage page = WhiteImage(1000, 500, 254);
    QImage screen = WhiteImage(200, 100, 254);
    ReportDocument document(std::make_unique<QtDevice>());
    QPainter painter(&screen);
    document.BeginPrinting(&painter, &page);
    document.SetPen(3, 0);
    for (int i = 0; i < kLines; ++i) document.DrawLine(10 + 20 * i, 0, 10 + 20 * i, 400);
    document.EndPrinting();
    painter.scale(0.2, 0.2);
    painter.setRenderHint(QPainter::Antialiasing);
    ASSERT_EQ(document.PrintPage(&painter, &page, 1), 0);
    painter.end();
    for (int i = 0; i < kLines; ++i) {
        // Line i lands in the screen pixels [4i, 4i + 4).
        const Ink ink = InkOtherThan(screen.copy(4 * i, 10, 4, 1), kWhite);
        EXPECT_GT(ink.pixels, 0) << "line " << i;
    }
}

TEST(ReplayTest, ClippedTextStaysInItsBox) {
    const QRect box(40, 40, 60, 30);
    const QImage image = Render(WhiteImage(300, 200, 254), [&](ReportDocument& d) {
        d.SetFont(200, 1, 0, 0, 0, 0);
        d.DrawText("Clipped text that is far too long", box.x(), box.y(), box.width(), box.height(),
                   0, 1, 0, 0);
    });
    const Ink ink = InkOtherThan(image, kWhite);
    EXPECT_GT(ink.pixels, 0);
    EXPECT_TRUE(box.contains(ink.bounds)) << ink.bounds.x() << "," << ink.bounds.y() << " "
                                          << ink.bounds.width() << "x" << ink.bounds.height();
}

TEST(ReplayTest, MeasuredTextMatchesThePaintedText) {
    int width = 0;
    int height = 0;
    const QImage image = Render(WhiteImage(1200, 300, 254), [&](ReportDocument& d) {
        d.SetFont(200, 0, 0, 0, 0, 0);
        d.GetTextExtent(&width, &height, "HHHHHHHHHH");
        d.textAlignment = kReportAlignRight;
        d.DrawText("HHHHHHHHHH", 0, 0, 1000, 300, 0, 0, 0, 0);
    });
    // 20 pt is about 70 pixels at 254 dpi; ten capitals end at the box's edge.
    EXPECT_GT(height, 60);
    EXPECT_LT(height, 110);
    const Ink ink = InkOtherThan(image, kWhite);
    EXPECT_NEAR(ink.bounds.right() + 1, 1000, 12);
    EXPECT_NEAR(ink.bounds.left(), 1000 - width, 12);
}

TEST(ReplayTest, OnlyTheAskedPageIsPainted) {
    const QImage image = Render(
        WhiteImage(300, 300, 254),
        [](ReportDocument& d) {
            d.SetBrush(0x0000FF, 0);
            d.FillRect(0, 0, 100, 100);
            d.NewPage();
            d.SetBrush(0x00FF00, 0);
            d.FillRect(100, 100, 50, 50);
        },
        2);
    EXPECT_EQ(InkOf(image, qRgb(255, 0, 0)).pixels, 0);
    EXPECT_EQ(InkOf(image, qRgb(0, 255, 0)).bounds, QRect(100, 100, 50, 50));
}

TEST(ReplayTest, NothingIsPaintedOutsideThePrintableArea) {
    const QImage image = Render(WhiteImage(300, 300, 254), [](ReportDocument& d) {
        d.marginLeft = d.marginTop = d.marginRight = d.marginBottom = 50;
        d.SetBrush(0, 0);
        d.FillRect(-100, -100, 1000, 1000);
    });
    EXPECT_EQ(InkOtherThan(image, kWhite).bounds, QRect(50, 50, 200, 200));
}

}  // namespace
}  // namespace doc
