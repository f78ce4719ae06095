#include "text_layout.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "device_backend.h"

namespace doc {
namespace {

// Size 100: every character 18 units wide, lines 42 high.
const FontStyle kFont{};

struct WrapCase {
    const char* name;
    std::string text;
    WrapRule rule;
    std::vector<std::string> lines;
};

class BreakLinesTest : public ::testing::TestWithParam<WrapCase> {};

TEST_P(BreakLinesTest, GivesTheLines) {
    FixedTextMeasure measure;
    EXPECT_EQ(BreakLines(measure, kFont, GetParam().text, GetParam().rule), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BreakLinesTest,
    ::testing::Values(
        WrapCase{"Empty", "", {90}, {}},
        WrapCase{"Fits", "abcde", {90}, {"abcde"}},
        WrapCase{"WrapsAtBlanks", "ab cd ef", {90}, {"ab cd", "ef"}},
        WrapCase{"DropsBlanksAtTheBreak", "ab   cd", {54}, {"ab", "cd"}},
        WrapCase{"LongWordSticksOut", "abcdefgh ij", {90}, {"abcdefgh", "ij"}},
        WrapCase{"LongWordBreaks", "abcdefgh ij", {90, true, true}, {"abcde", "fgh", "ij"}},
        WrapCase{"BreaksOnlyBetweenCharacters", "\xC3\xA9\xC3\xA9\xC3\xA9", {36, true, true},
                 {"\xC3\xA9\xC3\xA9", "\xC3\xA9"}},
        WrapCase{"NoWrapWithoutWidth", "ab cd ef gh", {0}, {"ab cd ef gh"}},
        WrapCase{"NoWrapWithoutBreaks", "ab cd ef gh", {36, false, false}, {"ab cd ef gh"}},
        WrapCase{"LineFeedsAlwaysBreak", "ab\r\ncd\n\nef", {0}, {"ab", "cd", "", "ef"}},
        WrapCase{"LineFeedsThenWrap", "ab cd\nef", {54}, {"ab", "cd", "ef"}}),
    [](const auto& info) { return std::string(info.param.name); });

std::string WithoutBlanks(std::string_view text) {
    std::string kept;
    for (const char c : text)
        if (c != ' ') kept += c;
    return kept;
}

std::size_t CodePoints(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// Whatever the width, wrapping loses no character, and a line wider than
// the width is one word (or, breaking words, one character).
TEST(WrapTest, WrappingKeepsEveryCharacter) {
    FixedTextMeasure measure;
    const std::string text = "  Ein sehr langer  Satz mit überlangen Wörtern: Donaudampfschifffahrt und kurze  ";
    for (const bool charBreak : {false, true})
        for (int width = 1; width <= 400; width += 7) {
            std::string joined;
            for (const std::string& line : BreakLines(measure, kFont, text, {width, true, charBreak})) {
                joined += line;
                if (measure.Width(kFont, line) <= width) continue;
                if (charBreak)
                    EXPECT_EQ(CodePoints(line), 1u) << width << ": " << line;
                else
                    EXPECT_EQ(line.find(' ', line.find_first_not_of(' ')), std::string::npos)
                        << width << ": " << line;
            }
            EXPECT_EQ(WithoutBlanks(joined), WithoutBlanks(text)) << width;
        }
}

struct PlaceCase {
    const char* name;
    Placement placement;
    int x;
    int y;
};

class PlaceLinesTest : public ::testing::TestWithParam<PlaceCase> {};

// "abcd" is 72 wide and 42 high in a box of 200 by 100 at (10, 20).
TEST_P(PlaceLinesTest, PutsTheLineInTheBox) {
    FixedTextMeasure measure;
    const std::vector<TextLine> lines =
        PlaceLines(measure, kFont, {"abcd"}, {10, 20, 200, 100}, GetParam().placement);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].x, GetParam().x);
    EXPECT_EQ(lines[0].y, GetParam().y);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlaceLinesTest,
    ::testing::Values(PlaceCase{"Left", {kReportAlignLeft, false}, 10, 20},
                      PlaceCase{"Centre", {kReportAlignCenter, false}, 74, 20},
                      PlaceCase{"Right", {kReportAlignRight, false}, 138, 20},
                      PlaceCase{"UnknownIsLeft", {9, false}, 10, 20},
                      PlaceCase{"CentredVertically", {kReportAlignLeft, true}, 10, 49}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MeasureLinesTest, WidestLineAndAllLines) {
    FixedTextMeasure measure;
    const Extent extent = MeasureLines(measure, kFont, {"ab", "abcd", ""});
    EXPECT_EQ(extent.width, 72);
    EXPECT_EQ(extent.height, 3 * 42);
}

}  // namespace
}  // namespace doc
