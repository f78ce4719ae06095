#include <gtest/gtest.h>

#include "reports/html_text.h"

namespace {

struct EscapeCase {
    const char* text;
    bool nonBreaking;
    bool newlines;
    const char* expected;
};

TEST(EscapeHtmlTest, EscapesMarkupQuotesBlanksAndLines) {
    const EscapeCase cases[] = {
        {"a<b & c>d", false, false, "a&lt;b &amp; c&gt;d"},
        // An entity in the input is text: its ampersand is escaped again.
        {"&amp; &#160;", false, false, "&amp;amp; &amp;#160;"},
        {"say \"hi\"", false, false, "say &quot;hi&quot;"},
        {"a b  c", true, false, "a&#160;b&#160;&#160;c"},
        {"a b", false, true, "a b"},
        {"one\ntwo\r\nthree", false, true, "one<br>two<br>three"},
        {"one\ntwo", false, false, "one\ntwo"},
        {"", true, true, ""},
        // Bytes that are not UTF-8 are read as Windows-1252.
        {"caf\xE9 \x80", false, false, "caf\xC3\xA9 \xE2\x82\xAC"},
    };
    for (const EscapeCase& c : cases)
        EXPECT_EQ(EscapeHtml(c.text, c.nonBreaking, c.newlines), c.expected) << c.text;
}

TEST(EscapeHtmlTest, TitleHoldsNoMarkup) {
    EXPECT_EQ(EscapeHtmlTitle("Plan <2>\nsecond line\r\n"), "Plan &lt;2&gt; second line  ");
}

struct EncodeCase {
    const char* text;
    bool utf8;
    const char* expected;
};

TEST(EncodeHtmlPageTest, Latin1WithReferencesAboveFF) {
    const EncodeCase cases[] = {
        {"plain\n", false, "plain\r\n"},
        {"\xC3\xA9", false, "\xE9"},                      // e acute: one Latin-1 byte
        {"\xC3\xBF", false, "\xFF"},                      // U+00FF, the last Latin-1 character
        {"\xC4\x80", false, "&#256;"},                    // U+0100, the first beyond
        {"\xE2\x82\xAC", false, "&#8364;"},               // euro sign
        {"\xCE\xB1\xCE\xB2", false, "&#945;&#946;"},      // Greek
        {"\xE6\x97\xA5\xE6\x9C\xAC", false, "&#26085;&#26412;"},  // CJK
        {"\xF0\x9F\x98\x80", false, "&#128512;"},         // emoji beyond the BMP
        {"a\tb\rc", false, "a\tb\rc"},
        {"\x01\x7F", false, "&#65533;&#65533;"},          // controls HTML forbids
        {"\xC2\x85", false, "&#65533;"},                  // C1 control
        {"\xE2\x82\xAC\xC3\xA9\n", true, "\xE2\x82\xAC\xC3\xA9\r\n"},
        {"\xE9", true, "\xC3\xA9"},                       // Windows-1252 input
    };
    for (const EncodeCase& c : cases) EXPECT_EQ(EncodeHtmlPage(c.text, c.utf8), c.expected) << c.text;
}

TEST(EncodeHtmlPageTest, MetaLineChoosesUtf8) {
    EXPECT_TRUE(DeclaresUtf8("<meta http-equiv=\"content-type\" content=\"text/html; charset=UTF-8\">"));
    EXPECT_FALSE(DeclaresUtf8("<meta http-equiv=\"content-type\" content=\"text/html; charset=iso-8859-1\">"));
    EXPECT_FALSE(DeclaresUtf8(""));
}

TEST(HtmlColorTest, FormatsRedGreenBlue) {
    EXPECT_EQ(FormatHtmlColor(0x0000FF), "\"#ff0000\"");
    EXPECT_EQ(FormatHtmlColor(0x00FF00), "\"#00ff00\"");
    EXPECT_EQ(FormatHtmlColor(0x563412), "\"#123456\"");
    EXPECT_EQ(FormatHtmlColor(0xFF000000), "\"#000000\"");
}

struct ParseColorCase {
    const char* text;
    bool parsed;
    std::uint32_t colour;
};

TEST(HtmlColorTest, ReadsSixHexDigitsWithOrWithoutHash) {
    const ParseColorCase cases[] = {
        {"#00ff00", true, 0x00FF00}, {"00ff00", true, 0x00FF00}, {"123456", true, 0x563412},
        {"#ABCDEF", true, 0xEFCDAB}, {"#00ff0", false, 7},       {"00ff000", false, 7},
        {"#00fg00", false, 7},       {"", false, 7},             {"##00ff0", false, 7},
    };
    for (const ParseColorCase& c : cases) {
        std::uint32_t colour = 7;
        EXPECT_EQ(ParseHtmlColor(c.text, colour), c.parsed) << c.text;
        EXPECT_EQ(colour, c.colour) << c.text;
    }
}

TEST(PercentEncodeTest, KeepsUnreservedBytesOnly) {
    EXPECT_EQ(PercentEncode("plan-2024_v1.~x.png"), "plan-2024_v1.~x.png");
    EXPECT_EQ(PercentEncode("a b\"c#d?e%f&g"), "a%20b%22c%23d%3Fe%25f%26g");
    EXPECT_EQ(PercentEncode("\xC3\xA9t\xC3\xA9"), "%C3%A9t%C3%A9");
}

}  // namespace
