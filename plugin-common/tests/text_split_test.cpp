#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plat/utf8.h"
#include "text_split.h"

namespace {

using Lines = std::vector<std::string>;

TEST(SplitAny, FieldsTable) {
    struct Case { std::string text, delimiters; Lines expected; };
    const Case cases[] = {
        {"a,,b", ",", {"a", "", "b"}},
        {",a", ",", {"", "a"}},
        {"a,", ",", {"a"}},
        {"", ",", {""}},
        {",,", ",", {"", ""}},
        {"a;b,c", ",;", {"a", "b", "c"}},
        {"abc", "", {"abc"}},
        // Multi-byte text and a multi-byte delimiter: whole characters only.
        {"gr\xC3\xBC\xC3\x9F" "e\xE2\x80\xA2" "\xE2\x82\xAC" "5", "\xE2\x80\xA2",
         {"gr\xC3\xBC\xC3\x9F" "e", "\xE2\x82\xAC" "5"}},
        {"\xC3\xA4,\xC3\xB6,,\xF0\x9F\x98\x80", ",", {"\xC3\xA4", "\xC3\xB6", "", "\xF0\x9F\x98\x80"}},
        // A delimiter byte that is part of another character does not split it.
        {"\xE2\x82\xAC", "\x82", {"\xE2\x82\xAC"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Lines list = {"stale"};
        EXPECT_EQ(SplitAny(list, c.text, c.delimiters), static_cast<int>(c.expected.size()));
        EXPECT_EQ(list, c.expected);
    }
}

TEST(SplitString, PiecesTable) {
    struct Case { std::string text, separator; Lines expected; };
    const Case cases[] = {
        {"a, b, c", ", ", {"a", "b", "c"}},
        {"a--b--", "--", {"a", "b", ""}},
        {"--", "--", {"", ""}},
        {"", ";", {""}},
        {"a;b", "", {"a;b"}},
        {"\xC3\xA4\xE2\x86\x92\xC3\xB6\xE2\x86\x92", "\xE2\x86\x92", {"\xC3\xA4", "\xC3\xB6", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Lines list;
        EXPECT_EQ(SplitString(list, c.text, c.separator), static_cast<int>(c.expected.size()));
        EXPECT_EQ(list, c.expected);
    }
}

std::size_t Characters(const std::string& text) {
    std::size_t n = 0;
    for (unsigned char c : text) n += (c & 0xC0) != 0x80;
    return n;
}

TEST(WrapText, CasesTable) {
    struct Case { std::string text; int width, lookBack; Lines expected; };
    const Case cases[] = {
        {"abcd efgh", 6, 4, {"abcd ", "efgh"}},
        {"abcdefghijk", 4, 4, {"abcd", "efgh", "ijk"}},
        {"short", 10, 3, {"short"}},
        {"one\ntwo\r\n\nthree", 10, 3, {"one", "two", "", "three"}},
        {"ab cdefgh", 5, 4, {"ab ", "cdefg", "h"}},
        // A look-back wider than the width cuts hard instead of looping.
        {"abcdefgh", 3, 9, {"abc", "def", "gh"}},
        {"abcdef", 0, 2, {"abcdef"}},
        {"ab   cd", 3, 2, {"ab ", "cd"}},
        {"abc   ", 3, 2, {"abc"}},
        // Two- to four-byte characters are counted as one each.
        {"\xC3\xA4\xC3\xB6\xC3\xBC \xC3\x84\xC3\x96\xC3\x9C", 5, 4,
         {"\xC3\xA4\xC3\xB6\xC3\xBC ", "\xC3\x84\xC3\x96\xC3\x9C"}},
        {"\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC", 2, 2,
         {"\xE2\x82\xAC\xE2\x82\xAC", "\xE2\x82\xAC\xE2\x82\xAC", "\xE2\x82\xAC"}},
        {"\xF0\x9F\x98\x80-\xF0\x9F\x98\x80\xF0\x9F\x98\x80", 3, 2,
         {"\xF0\x9F\x98\x80-", "\xF0\x9F\x98\x80\xF0\x9F\x98\x80"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Lines list;
        EXPECT_EQ(WrapText(list, c.text, c.width, c.lookBack), static_cast<int>(c.expected.size()));
        EXPECT_EQ(list, c.expected);
    }
}

// Whatever the width: every piece is valid, fits, and the pieces are the
// text in order with only blanks left out between them.
TEST(WrapText, NoCharacterLostRepeatedOrSplit) {
    const std::string text =
        "Pr\xC3\xBC" "fung der Stra\xC3\x9F" "enbahn \xE2\x82\xAC" "12,50 "
        "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xE3\x81\xAE\xE3\x83\x86\xE3\x82\xAD\xE3\x82\xB9\xE3\x83\x88 "
        "emoji\xF0\x9F\x98\x80\xF0\x9F\x98\x80 end";
    for (int width = 1; width <= 12; ++width) {
        for (int lookBack = 0; lookBack <= 14; lookBack += 2) {
            SCOPED_TRACE(::testing::Message() << width << "/" << lookBack);
            Lines list;
            WrapText(list, text, width, lookBack);
            std::size_t at = 0;
            for (const std::string& piece : list) {
                ASSERT_FALSE(piece.empty());
                EXPECT_TRUE(plat::IsValidUtf8(piece));
                EXPECT_LE(Characters(piece), static_cast<std::size_t>(width));
                while (text.compare(at, piece.size(), piece) != 0) {
                    ASSERT_LT(at, text.size());
                    ASSERT_EQ(text[at], ' ') << "a character went missing";
                    ++at;
                }
                at += piece.size();
            }
            EXPECT_EQ(at, text.size());
        }
    }
}

}  // namespace
