#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "fixed_backend.h"

namespace doc {
namespace {

using testing::MakeDocument;
using testing::OpsOn;
using testing::StringsOn;
using testing::TextsOn;

// Font size 100 throughout: lines are 42 high, characters 18 wide.
constexpr int kLine = 42;
const Paper kShortPage{1000, 1000, {}};

class TableTest : public ::testing::Test {
protected:
    void SetUp() override { document_ = MakeDocument(kShortPage); }

    int Row(int kind, std::initializer_list<int> widths) {
        const std::vector<int> w(widths);
        return document_->SetColumnWidths(kind, static_cast<int>(w.size()), w.data());
    }
    int TextRow(int kind, const std::string& text, int column = 0) {
        const int id = Row(kind, {1000});
        document_->SetCellText(kind, id, column, text.c_str());
        return id;
    }

    std::unique_ptr<ReportDocument> document_;
};

// A booking-list table: two header rows, a group title, 50 bookings and the
// group's continuation title, from y 100 to 900 on every page.
TEST_F(TableTest, LongGroupRepeatsHeaderAndContinuationTitleOnEveryPage) {
    ASSERT_EQ(document_->AddTable(0, 100, 1000, 900, 100), 0);
    TextRow(kReportRowHeader, "Resources");
    const int titles = Row(kReportRowHeader, {100, 450, 450});
    document_->SetCellText(kReportRowHeader, titles, 1, "Task");
    document_->SetCellText(kReportRowHeader, titles, 2, "Start");
    const int title = Row(kReportRowGroup, {100, 450, 450});
    document_->SpanCells(kReportRowGroup, title, 0, 3);
    document_->SetCellText(kReportRowGroup, title, 0, "Alice");
    document_->MarkGroupRow(kReportRowGroup, title, 0);
    document_->SetRowSpaceBefore(kReportRowGroup, title, 25);
    document_->SetRowSpaceAfter(kReportRowGroup, title, 5);
    int last = 0;
    for (int i = 1; i <= 50; ++i) {
        last = Row(kReportRowData, {100, 450, 450});
        document_->SetCellText(kReportRowData, last, 1, ("Booking " + std::to_string(i)).c_str());
    }
    TextRow(kReportRowData, "Alice (continued)");
    ASSERT_EQ(document_->GroupRows(0, title, last), 0);
    document_->SetHeaderGridIndent(0, 10);
    document_->SetTableModeFirst(1);
    document_->SetTableModeSecond(0);
    ASSERT_EQ(document_->EndTable(), 0);

    // Page 1: headers to 184, the title to 256, 15 bookings; later pages:
    // headers and continuation title to 226, then 16 bookings each.
    ASSERT_EQ(document_->GetPageCount(), 4);
    EXPECT_EQ(document_->currentPage, 4);
    std::vector<std::string> bookings;
    for (int page = 1; page <= 4; ++page) {
        const std::vector<std::string> strings = StringsOn(*document_, page);
        ASSERT_GE(strings.size(), 4u);
        EXPECT_EQ(std::vector<std::string>(strings.begin(), strings.begin() + 4),
                  (std::vector<std::string>{"Resources", "Task", "Start",
                                            page == 1 ? "Alice" : "Alice (continued)"}))
            << "page " << page;
        for (std::size_t i = 4; i < strings.size(); ++i) bookings.push_back(strings[i]);
        for (const auto& text : TextsOn(*document_, page)) EXPECT_LE(text.y + kLine, 900) << text.text;
    }
    ASSERT_EQ(bookings.size(), 50u);
    for (int i = 1; i <= 50; ++i) EXPECT_EQ(bookings[i - 1], "Booking " + std::to_string(i));
    EXPECT_EQ(StringsOn(*document_, 4).size(), 4u + 3u);
}

TEST_F(TableTest, HeaderRowsOnlyOnTheFirstPageWhenNotRepeated) {
    ASSERT_EQ(document_->AddTable(0, 0, 1000, 420, 0), 0);
    TextRow(kReportRowHeader, "Header");
    for (int i = 0; i < 12; ++i) TextRow(kReportRowData, "row");
    document_->SetTableModeFirst(0);
    ASSERT_EQ(document_->EndTable(), 0);
    ASSERT_EQ(document_->GetPageCount(), 2);
    EXPECT_EQ(StringsOn(*document_, 1).front(), "Header");
    EXPECT_EQ(StringsOn(*document_, 2), std::vector<std::string>(3, "row"));
}

// 14 rows fill all but the last line of the page; a group title follows.
class GroupTitleTest : public TableTest, public ::testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(GroupTitleTest, TitleStaysWithTheRowAfterIt) {
    const auto [modeSecond, titlePage] = GetParam();
    ASSERT_EQ(document_->AddTable(0, 0, 1000, 15 * kLine, 0), 0);
    for (int i = 0; i < 14; ++i) TextRow(kReportRowData, "row");
    const int title = TextRow(kReportRowGroup, "Title");
    document_->MarkGroupRow(kReportRowGroup, title, 0);
    TextRow(kReportRowData, "first of group");
    document_->SetTableModeSecond(modeSecond);
    ASSERT_EQ(document_->EndTable(), 0);
    ASSERT_EQ(document_->GetPageCount(), 2);
    const auto strings = StringsOn(*document_, titlePage);
    EXPECT_NE(std::find(strings.begin(), strings.end(), "Title"), strings.end());
    EXPECT_EQ(StringsOn(*document_, 2).back(), "first of group");
}

INSTANTIATE_TEST_SUITE_P(Modes, GroupTitleTest,
                         ::testing::Values(std::pair{0, 2},   // kept with the next row
                                           std::pair{1, 1}),  // may end a page
                         [](const auto& info) { return "ModeSecond" + std::to_string(info.param.first); });

TEST_F(TableTest, RowTallerThanAPageIsCutAndTheTableEnds) {
    ASSERT_EQ(document_->AddTable(0, 0, 1000, 10 * kLine, 0), 0);
    TextRow(kReportRowData, "short 1");
    std::string tall = "tall";
    for (int i = 0; i < 30; ++i) tall += "\nline";
    TextRow(kReportRowData, tall);
    TextRow(kReportRowData, "short 2");
    ASSERT_EQ(document_->EndTable(), 0);

    ASSERT_EQ(document_->GetPageCount(), 3);
    EXPECT_EQ(StringsOn(*document_, 1), std::vector<std::string>{"short 1"});
    const auto cut = OpsOn<TextOp>(*document_, 2);
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_TRUE(cut[0].clipped);
    EXPECT_EQ(cut[0].clip.Bottom(), 10 * kLine);
    EXPECT_EQ(StringsOn(*document_, 3), std::vector<std::string>{"short 2"});
}

TEST_F(TableTest, TableThatCannotBePlacedDrawsNothing) {
    struct Case {
        const char* name;
        TableFrame frame;
        int headerLines;
    };
    for (const Case& c : {Case{"NoWidth", {0, 0, 0, 420, 0}, 0},
                          Case{"LaterPagesStartBelowTheLimit", {0, 0, 1000, 420, 420}, 0},
                          Case{"HeaderTallerThanAPage", {0, 0, 1000, 420, 0}, 11}}) {
        document_->BeginPrinting(nullptr, nullptr);
        const TableFrame& f = c.frame;
        ASSERT_EQ(document_->AddTable(f.x, f.top, f.width, f.bottomLimit, f.topLater), 0);
        for (int i = 0; i < c.headerLines; ++i) TextRow(kReportRowHeader, "header");
        for (int i = 0; i < 20; ++i) TextRow(kReportRowData, "row");
        EXPECT_EQ(document_->EndTable(), 2) << c.name;
        EXPECT_EQ(document_->GetPageCount(), 1) << c.name;
        EXPECT_TRUE(document_->Pages().At(1)->ops.empty()) << c.name;
    }
}

TEST_F(TableTest, TableWithoutRoomForItsFirstRowStartsOnTheNextPage) {
    document_->DrawText("above", 0, 0, 1000, 100, 0, 0, 0, 0);
    ASSERT_EQ(document_->AddTable(0, 350, 1000, 420, 0), 0);
    TextRow(kReportRowHeader, "Header");
    for (int i = 0; i < 3; ++i) TextRow(kReportRowData, "row");
    document_->SetTableModeFirst(0);  // the header still opens the table
    ASSERT_EQ(document_->EndTable(), 0);
    ASSERT_EQ(document_->GetPageCount(), 2);
    EXPECT_EQ(StringsOn(*document_, 1), std::vector<std::string>{"above"});
    EXPECT_EQ(StringsOn(*document_, 2), (std::vector<std::string>{"Header", "row", "row", "row"}));
}

TEST_F(TableTest, TableFlowsOntoTheNextExistingPage) {
    document_->NewPage();
    document_->NewPage();
    document_->currentPage = 1;
    ASSERT_EQ(document_->AddTable(0, 0, 1000, 10 * kLine, 0), 0);
    for (int i = 0; i < 15; ++i) TextRow(kReportRowData, "row");
    ASSERT_EQ(document_->EndTable(), 0);
    EXPECT_EQ(document_->GetPageCount(), 3);
    EXPECT_EQ(document_->currentPage, 2);
    EXPECT_EQ(StringsOn(*document_, 2).size(), 5u);
    EXPECT_TRUE(StringsOn(*document_, 3).empty());
}

TEST_F(TableTest, CellsOfARow) {
    ASSERT_EQ(document_->AddTable(0, 0, 600, 1000, 0), 0);
    const int row = Row(kReportRowData, {100, 200, 300});
    document_->SetHeaderGridIndent(5, 10);
    ASSERT_EQ(document_->SpanCells(kReportRowData, row, 0, 2), 0);
    document_->SetCellText(kReportRowData, row, 0, "abcd");
    document_->SetCellAlignment(kReportRowData, row, 0, kReportAlignRight);
    document_->SetCellText(kReportRowData, row, 1, "covered");
    document_->SetCellText(kReportRowData, row, 2, "aaaa bbbb cccc dddd");  // 280 wide: two lines
    document_->SetPen(5, 0x112233);
    document_->SetRowLines(kReportRowData, row, kReportLineTop | kReportLineBottom);
    document_->SetPen(2, 0);
    document_->SetCellLines(kReportRowData, row, 2, kReportLineLeft);
    document_->SetRowSpaceBefore(kReportRowData, row, 20);
    const int next = TextRow(kReportRowData, "next");
    document_->SetFont(200, 1, 0, 0, 0, 0);
    document_->textColor = 0xFF;
    document_->SetRowFont(kReportRowData, next);
    document_->SetCellOption(kReportRowData, row, 2, kReportCellWrap, 1);
    ASSERT_EQ(document_->EndTable(), 0);

    // The row's box starts at 20; text at 25; two lines end at 109, the box at 114.
    const auto texts = TextsOn(*document_, 1);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].text, "abcd");
    EXPECT_EQ(texts[0].x, 300 - 10 - 72);
    EXPECT_EQ(texts[0].y, 25);
    EXPECT_EQ(texts[1].text, "aaaa bbbb cccc");
    EXPECT_EQ(texts[1].x, 310);
    EXPECT_EQ(texts[2].y, 25 + kLine);
    EXPECT_EQ(texts[3].text, "next");
    EXPECT_EQ(texts[3].y, 114 + 5);

    const auto lines = OpsOn<LineOp>(*document_, 1);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0].x1, 300);  // the cell's left line
    EXPECT_EQ(lines[0].pen.width, 2);
    EXPECT_EQ(lines[1].y1, 20);   // the row's top and bottom over its cells
    EXPECT_EQ(lines[1].x2, 600);
    EXPECT_EQ(lines[1].pen.colour, 0x112233u);
    EXPECT_EQ(lines[2].y1, 114);

    const TextOp nextText = OpsOn<TextOp>(*document_, 1).back();
    EXPECT_EQ(nextText.font.size, 200);
    EXPECT_EQ(nextText.colour, 0xFFu);
}

TEST_F(TableTest, CellWithoutWrapKeepsItsLineAndIsCut) {
    ASSERT_EQ(document_->AddTable(0, 0, 100, 1000, 0), 0);
    const int row = TextRow(kReportRowData, "aaaa bbbb cccc");
    ASSERT_EQ(document_->SetCellOption(kReportRowData, row, 0, kReportCellWrap, 0), 0);
    ASSERT_EQ(document_->EndTable(), 0);
    const auto texts = OpsOn<TextOp>(*document_, 1);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].lines.size(), 1u);
    EXPECT_TRUE(texts[0].clipped);
    EXPECT_EQ(texts[0].clip.Right(), 100);
}

TEST_F(TableTest, RowIdsAndRefusedCalls) {
    EXPECT_EQ(Row(kReportRowData, {100}), 0);  // no table yet
    ASSERT_EQ(document_->AddTable(0, 0, 1000, 1000, 0), 0);
    EXPECT_EQ(Row(kReportRowHeader, {100}), 1);
    EXPECT_EQ(Row(kReportRowGroup, {100, 100}), 1);
    EXPECT_EQ(Row(kReportRowHeader, {100}), 2);
    EXPECT_EQ(Row(kReportRowData, {100, 100}), 2);
    EXPECT_EQ(Row(kReportRowData, {100}), 3);

    const std::vector<int> many(257, 1);
    struct Call {
        const char* name;
        std::function<int()> call;
        int result;
    };
    ReportDocument& d = *document_;
    for (const Call& c : std::vector<Call>{
             {"SecondTable", [&] { return d.AddTable(0, 0, 1, 1, 0); }, 1},
             {"UnknownKind", [&] { return d.SetColumnWidths(3, 1, many.data()); }, 0},
             {"NoColumns", [&] { return d.SetColumnWidths(2, 0, many.data()); }, 0},
             {"TooManyColumns", [&] { return d.SetColumnWidths(2, 257, many.data()); }, 0},
             {"NoWidths", [&] { return d.SetColumnWidths(2, 1, nullptr); }, 0},
             {"WrongKindForId", [&] { return d.SetCellText(kReportRowData, 1, 0, "x"); }, 1},
             {"UnknownId", [&] { return d.SetRowFont(kReportRowData, 9); }, 1},
             {"ColumnOutside", [&] { return d.SetCellText(kReportRowData, 2, 2, "x"); }, 1},
             {"NegativeColumn", [&] { return d.SetCellLines(kReportRowData, 2, -1, 1); }, 1},
             {"SpanPastTheRow", [&] { return d.SpanCells(kReportRowData, 2, 1, 2); }, 1},
             {"UnknownOption", [&] { return d.SetCellOption(kReportRowData, 2, 0, 6, 0); }, 1},
             {"OtherMark", [&] { return d.MarkGroupRow(kReportRowGroup, 1, 1); }, 1},
             {"GroupBackwards", [&] { return d.GroupRows(0, 3, 2); }, 1},
             {"GroupPastTheRows", [&] { return d.GroupRows(0, 1, 4); }, 1},
             {"GroupFromZero", [&] { return d.GroupRows(0, 0, 2); }, 1},
             {"Group", [&] { return d.GroupRows(0, 1, 2); }, 0},
             {"EndTable", [&] { return d.EndTable(); }, 0},
             {"EndTableAgain", [&] { return d.EndTable(); }, 1},
             {"RowAfterTheTable", [&] { return d.SetRowLines(kReportRowData, 2, 3); }, 1},
         })
        EXPECT_EQ(c.call(), c.result) << c.name;
}

TEST_F(TableTest, OverlappingJoinsAreRefused) {
    ASSERT_EQ(document_->AddTable(0, 0, 1000, 1000, 0), 0);
    const int row = Row(kReportRowData, {10, 10, 10, 10});
    EXPECT_EQ(document_->SpanCells(kReportRowData, row, 1, 2), 0);
    EXPECT_EQ(document_->SpanCells(kReportRowData, row, 0, 2), 1);  // would take in column 1's join
    EXPECT_EQ(document_->SpanCells(kReportRowData, row, 2, 2), 1);  // column 2 is covered
    EXPECT_EQ(document_->SpanCells(kReportRowData, row, 1, 3), 0);  // column 1's join grows
    EXPECT_EQ(document_->SpanCells(kReportRowData, row, 1, 1), 0);  // and shrinks again
    EXPECT_EQ(document_->SpanCells(kReportRowData, row, 2, 2), 0);
}

// Extreme values are held to bounds: no overflow, and the table still ends.
TEST_F(TableTest, ExtremeValuesDoNotOverflow) {
    constexpr int kBig = std::numeric_limits<int>::max();
    constexpr int kSmall = std::numeric_limits<int>::min();
    ASSERT_EQ(document_->AddTable(kSmall, kSmall, kBig, kBig, kSmall), 0);
    document_->SetHeaderGridIndent(kBig, kBig);
    const int row = Row(kReportRowData, {kBig, kBig, kBig});
    document_->SetRowSpaceBefore(kReportRowData, row, kBig);
    document_->SetRowSpaceAfter(kReportRowData, row, kBig);
    document_->SetCellText(kReportRowData, row, 0, "text");
    document_->SetPen(kBig, 0);
    document_->SetRowLines(kReportRowData, row, 15);
    TextRow(kReportRowData, "after");
    EXPECT_EQ(document_->EndTable(), 0);

    document_->SetBrush(0, kBig);
    document_->FillRect(kBig, kBig, kBig, kBig);
    document_->DrawText("x", kSmall, kSmall, kBig, kBig, 1, 1, 1, 1);
    document_->DrawLine(kSmall, kSmall, kBig, kBig);
    const ReportPoint points[] = {{kBig, kBig}, {kSmall, kBig}, {kSmall, kSmall}};
    document_->Polygon(points, 3);
    EXPECT_GE(document_->GetPageCount(), 1);
}

TEST_F(TableTest, EndPrintingLaysOutAnOpenTable) {
    ASSERT_EQ(document_->AddTable(0, 0, 1000, 1000, 0), 0);
    TextRow(kReportRowData, "kept");
    document_->EndPrinting();
    EXPECT_EQ(StringsOn(*document_, 1), std::vector<std::string>{"kept"});
    EXPECT_EQ(document_->EndTable(), 1);
}

}  // namespace
}  // namespace doc
