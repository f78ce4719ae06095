#include <gtest/gtest.h>

#include <QColor>
#include <QPainter>

#include <string>

#include "checkers.h"
#include "plat/files.h"
#include "report_test_support.h"
#include "reports/html_page.h"
#include "reports/png_image.h"
#include "testing/temp_directory.h"
#include "ui/scripted_prompts.h"

namespace {

using ::testing::ReadFile;
using ::testing::TempDirectory;

// A distinct colour for every pixel, so that a row or channel out of place shows.
QImage PatternImage(int width, int height) {
    QImage image = CreateDib24(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(40 * x + 1, 100 * y + 2, 7 * (x + y) + 3));
    return image;
}

struct Header {
    std::uint32_t width, height;
    int bitDepth, colourType, interlace;
};

std::uint32_t BigEndian(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// The IHDR chunk, which a PNG file holds right after its 8-byte signature.
Header ReadHeader(const std::string& png) {
    if (png.size() < 29 || png.compare(12, 4, "IHDR") != 0) return {};
    return {BigEndian(png, 16), BigEndian(png, 20), png[24], png[25], png[28]};
}

TEST(Dib24Test, RowsArePaddedToFourBytes) {
    const int strides[][2] = {{1, 4}, {2, 8}, {3, 12}, {4, 12}, {5, 16}, {8, 24}, {9, 28}};
    for (const auto& [width, stride] : strides) {
        EXPECT_EQ(Dib24Stride(width), stride) << width;
        EXPECT_EQ(CreateDib24(width, 1).convertToFormat(QImage::Format_RGB888).bytesPerLine(), stride) << width;
    }
}

TEST(Dib24Test, CreatesABlackImageAt96DpiOrNothing) {
    const QImage image = CreateDib24(3, 2);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(image.pixel(2, 1), qRgb(0, 0, 0));
    EXPECT_EQ(image.dotsPerMeterX(), 3780);
    EXPECT_EQ(image.dotsPerMeterY(), 3780);
    EXPECT_TRUE(CreateDib24(0, 5).isNull());
    EXPECT_TRUE(CreateDib24(5, -1).isNull());
}

TEST(SavePngTest, OnePixelComesOutRedGreenBlue) {
    TempDirectory dir;
    QImage image = CreateDib24(1, 1);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    const std::string path = dir.File("red.png");
    std::string error;
    ASSERT_TRUE(SavePng(path, image, &error)) << error;
    EXPECT_EQ(reports_test::PngProblems(path), "");
    const Header header = ReadHeader(ReadFile(path));
    EXPECT_EQ(header.width, 1u);
    EXPECT_EQ(header.height, 1u);
    EXPECT_EQ(header.bitDepth, 8);
    EXPECT_EQ(header.colourType, 2);  // RGB
    EXPECT_EQ(header.interlace, 0);
    const QImage back(QString::fromStdString(path));
    ASSERT_FALSE(back.isNull());
    EXPECT_EQ(back.pixel(0, 0), qRgb(255, 0, 0));
}

// Widths whose rows carry padding bytes, and heights that show the row order.
TEST(SavePngTest, EveryPixelReadsBackWhateverThePadding) {
    TempDirectory dir;
    for (const auto& [width, height] : {std::pair{1, 3}, {2, 2}, {3, 1}, {5, 2}, {7, 4}, {64, 33}}) {
        const QImage image = PatternImage(width, height);
        const std::string path = dir.File("pattern.png");
        std::string error;
        ASSERT_TRUE(SavePng(path, image, &error)) << width << "x" << height << ": " << error;
        EXPECT_EQ(reports_test::PngProblems(path), "") << width << "x" << height;
        const QImage back = QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(back.size(), image.size());
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                ASSERT_EQ(back.pixel(x, y), image.pixel(x, y)) << width << "x" << height << " at " << x << "," << y;
    }
}

TEST(SavePngTest, PaintedImageIsWrittenAsPainted) {
    TempDirectory dir;
    QImage image = CreateDib24(40, 20);
    {
        QPainter painter(&image);
        painter.fillRect(0, 0, 40, 20, Qt::white);
        painter.fillRect(10, 5, 20, 10, QColor(0, 0, 255));
    }
    const std::string path = dir.File("painted.png");
    ASSERT_TRUE(SavePng(path, image, nullptr));
    EXPECT_EQ(reports_test::PngProblems(path), "");
    const QImage back(QString::fromStdString(path));
    EXPECT_EQ(back.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(back.pixel(15, 10), qRgb(0, 0, 255));
}

TEST(SavePngTest, FailuresLeaveNoFileUnderTheName) {
    TempDirectory dir;
    const QImage image = PatternImage(4, 4);
    std::string error;
    EXPECT_FALSE(SavePng(dir.File("missing/image.png"), image, &error));
    EXPECT_NE(error.find("missing"), std::string::npos) << error;
    EXPECT_FALSE(SavePng(dir.File("null.png"), QImage(), &error));
    EXPECT_FALSE(error.empty());

    const std::string path = dir.Write("old.png", "older image");
    plat::SetWriteFailureForTesting(10);
    const bool saved = SavePng(path, image, &error);
    plat::SetWriteFailureForTesting(-1);
    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadFile(path), "older image");
    EXPECT_EQ(plat::ReadDirectory(dir.path()).size(), 1u);
}

TEST(EncodePngTest, SinkFailuresEndWithLibpngsMessage) {
    const QImage image = PatternImage(30, 30);
    std::string bytes;
    const auto take = [&](const unsigned char* data, std::size_t length) {
        bytes.append(reinterpret_cast<const char*>(data), length);
        return true;
    };
    std::string error;
    ASSERT_TRUE(EncodePng(image, take, &error)) << error;
    EXPECT_EQ(bytes.compare(0, 8, "\x89PNG\r\n\x1a\n"), 0);

    // Refused at once, and refused after the header went out.
    for (const std::size_t accepted : {std::size_t{0}, std::size_t{40}}) {
        std::size_t written = 0;
        const auto limited = [&](const unsigned char*, std::size_t length) {
            written += length;
            return written <= accepted;
        };
        EXPECT_FALSE(EncodePng(image, limited, &error)) << accepted;
        EXPECT_EQ(error, "Read Error") << accepted;
    }
}

TEST(PngCheckerTest, FlagsATruncatedFile) {
    TempDirectory dir;
    const std::string path = dir.File("whole.png");
    ASSERT_TRUE(SavePng(path, PatternImage(8, 8), nullptr));
    const std::string png = ReadFile(path);
    EXPECT_NE(reports_test::PngProblems(dir.Write("cut.png", png.substr(0, png.size() - 20))), "");
}

class ImagePage : public CHtmlPage {
public:
    using CHtmlPage::CHtmlPage;
    int Render(const std::string& path) override {
        std::string out;
        WriteHead(out, "", "", true);
        for (int index = 0; index < imageCount; ++index)
            if (WriteImage(out, path, index, PatternImage(10 + index, 5)) != 0) return kWriteFailed;
        WriteFooter(out);
        return WriteFile(out, path);
    }
};

class HtmlImageTest : public ::testing::Test {
protected:
    reports_test::ReportEnvironment environment_;
    reports_test::Settings settings_;
    TempDirectory dir_;
};

TEST_F(HtmlImageTest, OneImageStandsInAParagraph) {
    ImagePage page(settings_.Getter());
    page.imageCount = 1;
    const std::string path = dir_.File("plan.html");
    ASSERT_EQ(page.Render(path), 0);
    EXPECT_NE(ReadFile(path).find("\r\n<p><img src=\"plan.png\" alt=\"\" width=\"10\" height=\"5\"></p>\r\n"),
              std::string::npos);
    EXPECT_EQ(page.WrittenFiles(), (std::vector<std::string>{dir_.File("plan.png"), path}));
    EXPECT_EQ(reports_test::PngProblems(dir_.File("plan.png")), "");
    EXPECT_EQ(reports_test::HtmlProblems(path), "");
}

TEST_F(HtmlImageTest, SeveralImagesAreNumberedInATable) {
    ImagePage page(settings_.Getter());
    page.imageCount = 3;
    const std::string path = dir_.File("plan.week.html");
    ASSERT_EQ(page.Render(path), 0);
    EXPECT_NE(ReadFile(path).find("\r\n<table border=0 cellpadding=0 cellspacing=0>\r\n"
                                  "<tr>\r\n<td><img src=\"plan.week1.png\" alt=\"\" width=\"10\" height=\"5\"></td>\r\n</tr>\r\n"
                                  "<tr>\r\n<td><img src=\"plan.week2.png\" alt=\"\" width=\"11\" height=\"5\"></td>\r\n</tr>\r\n"
                                  "<tr>\r\n<td><img src=\"plan.week3.png\" alt=\"\" width=\"12\" height=\"5\"></td>\r\n</tr>\r\n"
                                  "</table>\r\n"),
              std::string::npos)
        << ReadFile(path);
    EXPECT_EQ(page.WrittenFiles().size(), 4u);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(reports_test::PngProblems(dir_.File("plan.week" + std::to_string(i) + ".png")), "");
    EXPECT_EQ(reports_test::HtmlProblems(path), "");
}

// A file name may hold anything a URL gives a meaning to.
TEST_F(HtmlImageTest, ImageNamesAreEncodedInTheLink) {
    ImagePage page(settings_.Getter());
    page.imageCount = 1;
    const std::string path = dir_.File("my \"plan\" #1?&\xC3\xA9.html");
    ASSERT_EQ(page.Render(path), 0);
    EXPECT_NE(ReadFile(path).find("<img src=\"my%20%22plan%22%20%231%3F%26%C3%A9.png\""), std::string::npos);
    EXPECT_EQ(plat::GetPathKind(dir_.File("my \"plan\" #1?&\xC3\xA9.png")), plat::PathKind::File);
    EXPECT_EQ(reports_test::HtmlProblems(path), "");
}

TEST_F(HtmlImageTest, AnImageThatCannotBeSavedStopsThePage) {
    ui::ScriptedPrompts prompts;
    ImagePage page(settings_.Getter());
    page.imageCount = 2;
    const std::string path = dir_.File("plan.html");
    plat::SetWriteFailureForTesting(50);
    const int result = page.Render(path);
    plat::SetWriteFailureForTesting(-1);
    EXPECT_EQ(result, CHtmlPage::kWriteFailed);
    EXPECT_TRUE(page.WrittenFiles().empty());
    EXPECT_TRUE(plat::ReadDirectory(dir_.path()).empty());
    EXPECT_EQ(prompts.asked().size(), 1u);
}

}  // namespace
