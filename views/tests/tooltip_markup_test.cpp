#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tooltip_markup.h"

namespace {

// 6 pixels a character (7 bold), 10 high: cells are 2 wider and higher.
ui::Point Measure(std::string_view text, bool bold) { return {static_cast<int>(text.size()) * (bold ? 7 : 6), 10}; }

TooltipTable Measured(std::string_view text) {
    TooltipTable table = ParseTooltipMarkup(text, 0x123456);
    MeasureTooltip(table, Measure);
    return table;
}

struct MarkupCase {
    const char* markup;
    int columns;
    std::vector<std::vector<std::string>> cells;   // per line
    std::vector<bool> rules;
};

TEST(TooltipMarkup, ParsesLinesCellsAndRules) {
    const MarkupCase cases[] = {
        {"a<!&>b\nc<!&>d", 2, {{"a", "b"}, {"c", "d"}}, {false, false}},
        {"<!l>word", 1, {{"word"}}, {true}},
        {"wo<!l>rd<!l>", 1, {{"word"}}, {true}},
        {"", 1, {{""}}, {false}},
        {"a\n\nb\n", 1, {{"a"}, {""}, {"b"}, {""}}, {false, false, false, false}},
        {"<!f /m 2>wide\na<!&>b", 2, {{"wide"}, {"a", "b"}}, {false, false}},
        // Cells beyond the first line's columns are left out.
        {"a\nb<!&>c<!&>d", 1, {{"a"}, {"b"}}, {false, false}},
        {"lead<!f /w 1>text", 1, {{"text"}}, {false}},
        {"x<!f no close", 1, {{"x<!f no close"}}, {false}},
        {"<!&>", 2, {{"", ""}}, {false}},
    };
    for (const MarkupCase& c : cases) {
        const TooltipTable table = ParseTooltipMarkup(c.markup, 0);
        EXPECT_EQ(table.columns, c.columns) << c.markup;
        ASSERT_EQ(table.lines.size(), c.cells.size()) << c.markup;
        for (std::size_t i = 0; i < table.lines.size(); ++i) {
            std::vector<std::string> texts;
            for (const TooltipCell& cell : table.lines[i].cells) texts.push_back(cell.text);
            EXPECT_EQ(texts, c.cells[i]) << c.markup << " line " << i;
            EXPECT_EQ(table.lines[i].rule, c.rules[i]) << c.markup << " line " << i;
        }
    }
}

TEST(TooltipMarkup, FormatTagsSetTheCellsLook) {
    struct Case {
        std::string markup;
        bool bold;
        ui::COLORREF colour;
        int span;
        int format;
    } cases[] = {
        {"plain", false, 0x123456, 1, kTooltipAlignCentre},
        {"<!f /w 1 /c 255>red", true, 255, 1, kTooltipAlignCentre},
        {"<!f /w 2>x", false, 0x123456, 1, kTooltipAlignCentre},
        {"<!f /o 2 /q 5 /m 3>x", false, 0x123456, 3, kTooltipAlignRight},
        {"<!f /m 0>x", false, 0x123456, 1, kTooltipAlignCentre},
        {"<!f /m 99999999999999999999>x", false, 0x123456, kTooltipMaxSpan, kTooltipAlignCentre},
        {"<!f/c-1>x", false, 0xFFFFFF, 1, kTooltipAlignCentre},
        {FormatTooltipFontTag(kTooltipAlignLeft, 1, 2, 0xFF00) + "x", true, 0xFF00, 2, kTooltipAlignLeft},
    };
    for (const Case& c : cases) {
        const TooltipTable table = ParseTooltipMarkup(c.markup, 0x123456);
        const TooltipCell& cell = table.lines[0].cells[0];
        EXPECT_EQ(cell.bold, c.bold) << c.markup;
        EXPECT_EQ(cell.colour, c.colour) << c.markup;
        EXPECT_EQ(cell.span, c.span) << c.markup;
        EXPECT_EQ(cell.format, c.format) << c.markup;
    }
    EXPECT_EQ(FormatTooltipFontTag(0, 0, 1, 0), "<!f /o 0 /m 1 /w 0 /c 0>");
    EXPECT_EQ(TooltipRunBreakTag(), "<!&>");
}

TEST(TooltipMarkup, PlainTextOpensNoTagCellOrLine) {
    for (const char* hostile : {"a<!&>b", "<!l>ruled", "<!f /m 0 /w 1>x", "two\nlines", "<<!!f>"}) {
        const std::string plain = TooltipPlainText(hostile);
        const TooltipTable table = ParseTooltipMarkup("<!f /w 0>" + plain + "<!&>next", 0);
        ASSERT_EQ(table.lines.size(), 1u) << hostile;
        EXPECT_FALSE(table.lines[0].rule) << hostile;
        ASSERT_EQ(table.lines[0].cells.size(), 2u) << hostile;
        EXPECT_EQ(table.lines[0].cells[0].text, plain) << hostile;
    }
    EXPECT_EQ(TooltipPlainText("a < b ! c"), "a < b ! c");
}

TEST(TooltipMarkup, ReadableTextHasTheCellsWithoutTags) {
    EXPECT_EQ(TooltipReadableText(ParseTooltipMarkup("<!f /w 1>Start:<!&>Monday\n<!l>x<!&>\n\n", 0)),
              "Start: Monday\nx ");
    EXPECT_EQ(TooltipReadableText(ParseTooltipMarkup("", 0)), "");
    // A label that ends with its blank is read with that one blank.
    EXPECT_EQ(TooltipReadableText(ParseTooltipMarkup("Start: <!&>Monday", 0)), "Start: Monday");
}

TEST(TooltipMarkup, MeasuresColumnsOverAllLines) {
    // Column 0 is as wide as "long" (4 x 6 + 2), column 1 as "bb"; the
    // spanning cell reaches the last column's edge.
    const TooltipTable table = Measured("a<!&>bb\nlong<!&>c\n<!f /m 2>x\n<!f /w 1>b");
    EXPECT_EQ(table.columnRight, (std::vector<int>{26, 40}));
    EXPECT_EQ(table.contentWidth, 40);
    EXPECT_EQ(table.contentHeight, 48);
    EXPECT_EQ(table.lines[0].cells[1].rect, (ui::Rect{26, 0, 40, 12}));
    EXPECT_EQ(table.lines[2].cells[0].rect, (ui::Rect{0, 24, 40, 36}));
    // A cell spanning both columns wider than both widens the last one.
    EXPECT_EQ(Measured("a<!&>b\n<!f /m 2>wider text").columnRight, (std::vector<int>{8, 62}));
}

TEST(TooltipMarkup, SizeGrowsButNeverShrinksAndSpreadsTheExtra) {
    TooltipTable first = Measured("abc<!&>de\nx<!&>y");
    const TooltipSize size = SizeTooltip(first, {}, 0, {2, 2});
    EXPECT_EQ(size.width, 4 + 20 + 14);
    EXPECT_EQ(size.height, 4 + 24);
    EXPECT_EQ(first.lines[1].cells[1].rect, (ui::Rect{22, 14, 36, 26}));

    // A smaller text while shown keeps the size.
    TooltipTable second = Measured("a<!&>b\nc<!&>d");
    const TooltipSize kept = SizeTooltip(second, size, 0, {2, 2});
    EXPECT_EQ(kept.width, size.width);
    EXPECT_EQ(kept.height, size.height);
    // 5 extra pixels over two columns (3 + 2), 9 over two lines (5 + 4).
    TooltipTable spread = Measured("a<!&>b\nc<!&>d");
    const TooltipSize larger = SizeTooltip(spread, {25, 37}, 0, {2, 2});
    EXPECT_EQ(larger.width, 25);
    EXPECT_EQ(larger.height, 37);
    EXPECT_EQ(spread.lines[0].cells[0].rect, (ui::Rect{2, 2, 13, 19}));
    EXPECT_EQ(spread.lines[1].cells[1].rect, (ui::Rect{13, 19, 23, 35}));

    // From the stretch column only; a stretch column past the end spreads nothing.
    TooltipTable third = Measured("a<!&>b");
    SizeTooltip(third, {40, 0}, 1, {2, 2});
    EXPECT_EQ(third.lines[0].cells[0].rect.right, 10);
    EXPECT_EQ(third.lines[0].cells[1].rect.right, 38);
    TooltipTable fourth = Measured("a<!&>b");
    SizeTooltip(fourth, {40, 0}, 7, {2, 2});
    EXPECT_EQ(fourth.lines[0].cells[1].rect.right, 18);
    // Hidden again (minimum 0): the next text gets its own size.
    TooltipTable fifth = Measured("a");
    EXPECT_EQ(SizeTooltip(fifth, {}, 0, {2, 2}).width, 12);
}

TEST(TooltipMarkup, PlacementKeepsInsideTheScreenAndAvoidsTheRectangle) {
    const ui::Rect screen{0, 0, 1000, 800};
    const TooltipSize size{100, 40};
    struct Case {
        const char* name;
        int x, y, flags;
        ui::Rect avoid;
        int expectX, expectY;
    } cases[] = {
        {"plain", 10, 20, 0, {}, 10, 20},
        {"centred", 500, 20, kTooltipCentreX, {}, 450, 20},
        {"right at x", 500, 20, kTooltipRightAtX, {}, 400, 20},
        {"bottom at y", 500, 200, kTooltipBottomAtY, {}, 500, 160},
        {"right edge", 950, 20, 0, {}, 900, 20},
        {"bottom edge", 10, 790, 0, {}, 10, 760},
        {"negative", -30, -5, 0, {}, 0, 0},
        {"centred at the left edge", 10, 20, kTooltipCentreX, {}, 0, 20},
        {"over the rectangle", 300, 300, 0, {600, 290, 700, 320}, 300, 250},
        {"beside the rectangle", 300, 400, 0, {600, 290, 700, 320}, 300, 400},
        {"no room above: below", 300, 10, 0, {0, 5, 700, 30}, 300, 30},
    };
    for (const Case& c : cases) {
        const ui::Point at = PlaceTooltip(c.x, c.y, c.flags, size, screen, c.avoid);
        EXPECT_EQ(at.x, c.expectX) << c.name;
        EXPECT_EQ(at.y, c.expectY) << c.name;
    }
    // A screen with its origin elsewhere.
    const ui::Point at = PlaceTooltip(2990, 5, 0, size, {1000, 100, 3000, 900}, {});
    EXPECT_EQ(at.x, 2900);
    EXPECT_EQ(at.y, 100);
}

TEST(TooltipMarkup, HugeTextsAreMeasured) {
    const std::string oneCell(100000, 'x');
    std::string manyCells;
    for (int i = 0; i < 20000; ++i) manyCells += "<!f /m 64>ab" + std::string(TooltipRunBreakTag());
    std::string manyLines;
    for (int i = 0; i < 50000; ++i) manyLines += "a\n";
    for (const std::string* text : std::initializer_list<const std::string*>{&oneCell, &manyCells, &manyLines}) {
        TooltipTable table = Measured(*text);
        EXPECT_GT(SizeTooltip(table, {}, 0, {2, 2}).width, 0);
    }
}

}  // namespace
