#include "plat/utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Utf8, Validity) {
    struct Case {
        std::string bytes;
        bool valid;
    };
    const Case cases[] = {
        {"", true},
        {"plain ASCII", true},
        {"M\u00e4rz \u20ac \U0001F600", true},
        {"\xF4\x8F\xBF\xBF", true},            // U+10FFFF
        {std::string("a\0b", 3), true},
        {"\xC0\xAF", false},                    // overlong '/'
        {"\xE0\x80\xAF", false},                // overlong, three bytes
        {"\xF0\x80\x80\xAF", false},            // overlong, four bytes
        {"\xED\xA0\x80", false},                // surrogate U+D800
        {"\xED\xBF\xBF", false},                // surrogate U+DFFF
        {"\xF4\x90\x80\x80", false},            // above U+10FFFF
        {"\xF8\x88\x80\x80\x80", false},        // five-byte form
        {"\x80", false},                        // stray continuation
        {"\xC3", false},                        // cut short at the end
        {"\xE2\x82", false},
        {"\xC3(", false},                       // continuation missing
        {"M\xE4rz", false},                     // Windows-1252
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.bytes));
        EXPECT_EQ(plat::IsValidUtf8(c.bytes), c.valid);
    }
}

TEST(Utf8, Windows1252Mapping) {
    struct Case {
        std::string cp1252;
        std::string utf8;
    };
    const Case cases[] = {
        {"\x80", "\u20ac"},
        {"\x8A", "\u0160"},
        {"\x9F", "\u0178"},
        {"\x96\x97", "\u2013\u2014"},
        {"\xA0", "\u00a0"},
        {"\xE4", "\u00e4"},
        {"\xFF", "\u00ff"},
        // The five bytes the code page leaves undefined keep their number.
        {"\x81\x8D\x8F\x90\x9D", "\u0081\u008d\u008f\u0090\u009d"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.cp1252));
        EXPECT_EQ(plat::Cp1252ToUtf8(c.cp1252), c.utf8);
        std::string back;
        ASSERT_TRUE(plat::Utf8ToCp1252(c.utf8, back));
        EXPECT_EQ(back, c.cp1252);
    }
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    std::string back;
    ASSERT_TRUE(plat::Utf8ToCp1252(plat::Cp1252ToUtf8(all), back));
    EXPECT_EQ(back, all);
}

TEST(Utf8, ToCp1252RefusesWhatItCannotHold) {
    std::string out;
    EXPECT_FALSE(plat::Utf8ToCp1252("\u0142", out));      // Polish l with stroke
    EXPECT_FALSE(plat::Utf8ToCp1252("\U0001F600", out));
    EXPECT_FALSE(plat::Utf8ToCp1252("\xC3", out));         // not UTF-8 at all
}

TEST(Utf8, ToUtf8KeepsValidTextAndReadsTheRestAsWindows1252) {
    EXPECT_EQ(plat::ToUtf8("M\u00e4rz"), "M\u00e4rz");
    EXPECT_EQ(plat::ToUtf8("M\xE4rz \x80"), "M\u00e4rz \u20ac");
}

TEST(Utf8, CutNeverSplitsACharacter) {
    const std::string text = "a\u00e4\u20ac\U0001F600";   // 1 + 2 + 3 + 4 bytes
    struct Case {
        std::size_t max;
        std::size_t kept;
    };
    const Case cases[] = {{0, 0}, {1, 1}, {2, 1}, {3, 3}, {4, 3}, {5, 3}, {6, 6}, {9, 6}, {10, 10}, {99, 10}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.max);
        EXPECT_EQ(plat::CutUtf8(text, c.max), text.substr(0, c.kept));
    }
    // Bytes that start no character are cut one by one.
    EXPECT_EQ(plat::CutUtf8("\x80\x80\x80", 2), "\x80\x80");
    EXPECT_EQ(plat::CutUtf8("ab\xE2\x82", 3), "ab\xE2");
}

TEST(Utf8, Utf16InBothByteOrders) {
    struct Case {
        std::string bytes;
        bool bigEndian;
        std::string text;
    };
    const Case cases[] = {
        {std::string("M\0\xFC\0\x3D\xD8\x00\xDE", 8), false, "M\xC3\xBC\xF0\x9F\x98\x80"},
        {std::string("\0M\0\xFC\xD8\x3D\xDE\x00", 8), true, "M\xC3\xBC\xF0\x9F\x98\x80"},
        {std::string("\x00\xDCM", 3), false, "\xEF\xBF\xBD\xEF\xBF\xBD"},   // lone low surrogate, odd byte
        {std::string("\x3D\xD8M\0", 4), false, "\xEF\xBF\xBDM"},             // high surrogate without its pair
        {"", false, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(plat::Utf16ToUtf8(c.bytes, c.bigEndian), c.text);
}

TEST(Utf8, CopyBoundedTerminatesAndCutsOnABoundary) {
    char buffer[8];
    buffer[0] = 'x';
    plat::CopyBounded(buffer, 0, "abc");
    EXPECT_EQ(buffer[0], 'x');

    plat::CopyBounded(buffer, 1, "abc");
    EXPECT_STREQ(buffer, "");

    plat::CopyBounded(buffer, 3, "a\u00e4");   // 3 bytes of text do not fit in 2
    EXPECT_STREQ(buffer, "a");

    plat::CopyBounded(buffer, sizeof buffer, "short");
    EXPECT_STREQ(buffer, "short");

    plat::CopyBounded(buffer, sizeof buffer, std::string_view());   // no data pointer
    EXPECT_STREQ(buffer, "");

    plat::CopyBounded(buffer, sizeof buffer, "exactly");
    EXPECT_STREQ(buffer, "exactly");

    plat::CopyBounded(buffer, sizeof buffer, "longer than eight");
    EXPECT_STREQ(buffer, "longer ");
}

TEST(Utf8, FirstCodePoint) {
    EXPECT_EQ(plat::FirstCodePoint(""), "");
    EXPECT_EQ(plat::FirstCodePoint("Monday"), "M");
    EXPECT_EQ(plat::FirstCodePoint("\u015broda"), "\u015b");
    EXPECT_EQ(plat::FirstCodePoint("\U0001F600!"), "\U0001F600");
    EXPECT_EQ(plat::FirstCodePoint("\xE4rger"), "\xE4");
}

}  // namespace
