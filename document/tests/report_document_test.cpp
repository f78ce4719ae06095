#include <gtest/gtest.h>

#include <cstring>

#include "fixed_backend.h"

namespace doc {
namespace {

using testing::MakeDocument;
using testing::OpsOn;
using testing::StringsOn;
using testing::TextsOn;

const Paper kPaper{2100, 2970, {30, 40, 50, 60}};

TEST(ReportDocumentPagesTest, DrawingGoesToTheCurrentPage) {
    auto document = MakeDocument(kPaper);
    EXPECT_EQ(document->GetPageCount(), 1);
    EXPECT_EQ(document->currentPage, 1);
    document->DrawText("one", 0, 0, 500, 100, 0, 0, 0, 0);
    document->NewPage();
    document->NewPage();
    EXPECT_EQ(document->currentPage, 3);

    // Back to the first page, then a new page still comes after the last.
    document->currentPage = 1;
    document->DrawText("one again", 0, 200, 500, 100, 0, 0, 0, 0);
    document->NewPage();
    EXPECT_EQ(document->currentPage, 4);
    document->DrawText("four", 0, 0, 500, 100, 0, 0, 0, 0);

    EXPECT_EQ(StringsOn(*document, 1), (std::vector<std::string>{"one", "one again"}));
    EXPECT_TRUE(StringsOn(*document, 2).empty());
    EXPECT_EQ(StringsOn(*document, 4), std::vector<std::string>{"four"});
}

TEST(ReportDocumentPagesTest, PageOutsideTheDocumentDrawsNothing) {
    auto document = MakeDocument(kPaper);
    for (const int page : {0, -1, 2}) {
        document->currentPage = page;
        document->DrawText("lost", 0, 0, 500, 100, 0, 0, 0, 0);
        document->SetBrush(0xFF, 0);
        document->FillRect(0, 0, 10, 10);
        EXPECT_EQ(document->AddTable(0, 0, 100, 100, 0), 1);
    }
    EXPECT_EQ(document->GetPageCount(), 1);
    EXPECT_TRUE(document->Pages().At(1)->ops.empty());
    EXPECT_EQ(document->PrintPage(nullptr, nullptr, 1), 1);  // no painter
}

TEST(ReportDocumentPagesTest, BeginPrintingStartsAFreshFill) {
    auto document = MakeDocument(kPaper);
    document->NewPage();
    document->DrawText("old", 0, 0, 500, 100, 0, 0, 0, 0);
    document->SetFont(160, 1, 0, 0, 1, 1);
    document->marginLeft = 500;
    ASSERT_EQ(document->AddTable(0, 0, 100, 100, 0), 0);

    document->BeginPrinting(nullptr, nullptr);
    EXPECT_EQ(document->GetPageCount(), 1);
    EXPECT_EQ(document->currentPage, 1);
    EXPECT_TRUE(document->Pages().At(1)->ops.empty());
    EXPECT_EQ(document->fontSize, 100);
    EXPECT_EQ(document->fontBold, 0);
    EXPECT_EQ(document->marginLeft, 30);
    EXPECT_EQ(document->EndTable(), 1);  // the old table is gone
}

struct MarginCase {
    const char* name;
    Margins requested;
    int width;
    int height;
};

class ReportDocumentMarginsTest : public ::testing::TestWithParam<MarginCase> {};

TEST_P(ReportDocumentMarginsTest, PrintableAreaIsThePaperLessTheMargins) {
    auto document = MakeDocument(kPaper);
    const Margins& m = GetParam().requested;
    document->marginLeft = m.left;
    document->marginTop = m.top;
    document->marginRight = m.right;
    document->marginBottom = m.bottom;
    EXPECT_EQ(document->GetPageWidth(), GetParam().width);
    EXPECT_EQ(document->GetPageHeight(), GetParam().height);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReportDocumentMarginsTest,
    ::testing::Values(MarginCase{"UnprintableBorder", {30, 40, 50, 60}, 2020, 2870},
                      MarginCase{"Requested", {100, 100, 100, 100}, 1900, 2770},
                      // The unprintable border is the least a margin can be.
                      MarginCase{"BelowTheBorder", {0, 0, 0, 0}, 2020, 2870},
                      MarginCase{"WiderThanThePaper", {2000, 3000, 200, 0}, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReportDocumentPagesTest, BeginPrintingSetsMarginsToTheUnprintableBorder) {
    auto document = MakeDocument(kPaper);
    EXPECT_EQ(document->marginLeft, 30);
    EXPECT_EQ(document->marginTop, 40);
    EXPECT_EQ(document->marginRight, 50);
    EXPECT_EQ(document->marginBottom, 60);
}

TEST(ReportDocumentDrawTextTest, AlignmentAndFlagsPlaceTheText) {
    // Size 100: characters 18 wide, lines 42 high.
    auto document = MakeDocument(kPaper);
    struct Case {
        int alignment;
        int centerVertically;
        int x;
        int y;
    };
    for (const Case c : {Case{0, 0, 100, 50}, Case{1, 0, 164, 50}, Case{2, 0, 228, 50},
                         Case{0, 1, 100, 79}, Case{3, 0, 164, 79}}) {
        document->BeginPrinting(nullptr, nullptr);
        document->textAlignment = c.alignment;
        document->DrawText("abcd", 100, 50, 200, 100, 0, 0, c.centerVertically, 0);
        const auto texts = TextsOn(*document, 1);
        ASSERT_EQ(texts.size(), 1u) << c.alignment;
        EXPECT_EQ(texts[0].x, c.x) << c.alignment;
        EXPECT_EQ(texts[0].y, c.y) << c.alignment;
    }
}

TEST(ReportDocumentDrawTextTest, WrapClipAndFill) {
    auto document = MakeDocument(kPaper);
    document->textColor = 0x0000FF;
    document->SetBrush(0x00FF00, 0);
    document->DrawText("ab cd", 10, 20, 54, 100, 1, 1, 0, 1);

    const auto fills = OpsOn<FillOp>(*document, 1);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].fill, 0x00FF00u);
    EXPECT_FALSE(fills[0].outline.Visible());
    const auto texts = OpsOn<TextOp>(*document, 1);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].colour, 0x0000FFu);
    EXPECT_TRUE(texts[0].clipped);
    EXPECT_EQ(texts[0].clip.width, 54);
    EXPECT_EQ(StringsOn(*document, 1), (std::vector<std::string>{"ab", "cd"}));
    EXPECT_EQ(TextsOn(*document, 1)[1].y, 62);
}

TEST(ReportDocumentDrawTextTest, BoxWithoutWidthOrHeightDrawsNothing) {
    auto document = MakeDocument(kPaper);
    document->DrawText("x", 0, 0, -40, 100, 0, 1, 0, 1);
    document->DrawText("x", 0, 0, 100, 0, 0, 1, 0, 1);
    document->DrawText(nullptr, 0, 0, 100, 100, 0, 1, 0, 1);
    document->FillRect(0, 0, 0, 10);
    EXPECT_TRUE(document->Pages().At(1)->ops.empty());
}

TEST(ReportDocumentDrawTest, PenAndBrushGoIntoLinesAndFills) {
    auto document = MakeDocument(kPaper);
    document->SetPen(0, 0xFF);
    document->DrawLine(0, 0, 100, 0);  // width 0: no line
    document->SetPen(3, 0xFF);
    document->DrawLine(0, 0, 100, 0);
    document->SetBrush(0xABCDEF, 2);  // the outline keeps the pen's colour
    document->FillRect(10, 10, 50, 50);
    const ReportPoint triangle[] = {{0, 0}, {20, 0}, {10, 10}};
    document->Polygon(triangle, 2);
    document->Polygon(triangle, 3);

    const auto lines = OpsOn<LineOp>(*document, 1);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].pen.width, 3);
    EXPECT_EQ(lines[0].pen.colour, 0xFFu);
    const auto fills = OpsOn<FillOp>(*document, 1);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].fill, 0xABCDEFu);
    EXPECT_EQ(fills[0].outline.width, 2);
    EXPECT_EQ(fills[0].outline.colour, 0xFFu);
    const auto polygons = OpsOn<PolygonOp>(*document, 1);
    ASSERT_EQ(polygons.size(), 1u);
    EXPECT_EQ(polygons[0].points.size(), 3u);
}

TEST(ReportDocumentFontTest, SetFontAndFieldsMakeTheFont) {
    auto document = MakeDocument(kPaper);
    document->SetFont(120, 1, kReportFontCondensed, 1, 0, 1);
    EXPECT_EQ(document->fontSize, 120);
    EXPECT_EQ(document->fontBold, 1);
    EXPECT_EQ(document->fontUnderline, 1);
    // A face that fills the field without its terminating 0 is read bounded.
    std::memset(document->fontFace, 'F', sizeof document->fontFace);
    document->fontItalic = 1;  // fields count at the moment of the call
    document->DrawText("x", 0, 0, 100, 100, 0, 0, 0, 0);

    const FontStyle font = OpsOn<TextOp>(*document, 1).at(0).font;
    EXPECT_EQ(font.size, 120);
    EXPECT_TRUE(font.bold && font.italic && font.underline && font.strikeOut);
    EXPECT_EQ(font.Stretch(), 75);
    EXPECT_EQ(font.face, std::string(32, 'F'));

    document->SetFont(0, 0, 0, 0, 0, 0);
    EXPECT_EQ(document->fontSize, 1);
}

TEST(ReportDocumentExtentTest, ExtentOfLinesAndWrappedText) {
    auto document = MakeDocument(kPaper);
    int cx = -1;
    int cy = -1;
    document->GetTextExtent(&cx, &cy, "");
    EXPECT_EQ(cx, 0);
    EXPECT_EQ(cy, 0);
    document->GetTextExtent(&cx, &cy, "ab\nabcd");
    EXPECT_EQ(cx, 72);
    EXPECT_EQ(cy, 84);
    document->GetTextExtentWrapped(&cx, &cy, "ab cd ef", 90, 1, 0);
    EXPECT_EQ(cx, 90);
    EXPECT_EQ(cy, 84);
    document->GetTextExtent(nullptr, &cy, "abc");
    EXPECT_EQ(cy, 42);
}

}  // namespace
}  // namespace doc
