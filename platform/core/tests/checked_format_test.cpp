#include "plat/checked_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "testing/fake_locales.h"

namespace {

using plat::FormatChecked;

TEST(FormatChecked, MatchingArguments) {
    testing::ScopedLocale us(testing::EnglishUnitedStates());
    struct Case {
        std::string got;
        const char* expected;
    };
    const Case cases[] = {
        {FormatChecked("%d days", {42}), "42 days"},
        {FormatChecked("%i|%5d|%-5d|%05d|%+d|% d", {-7, 42, 42, 42, 42, 42}), "-7|   42|42   |00042|+42| 42"},
        {FormatChecked("%u %x %X %#x %o", {3000000000u, 255, 255, 255, 8}), "3000000000 ff FF 0xff 10"},
        {FormatChecked("%lld %I64d", {9000000000LL, -9000000000LL}), "9000000000 -9000000000"},
        {FormatChecked("%hd %hhu", {70000, 300}), "4464 44"},
        {FormatChecked("%.2f|%8.3f|%e|%g", {3.14159, 2.5, 1234.5, 0.0001}), "3.14|   2.500|1.234500e+03|0.0001"},
        {FormatChecked("%s and %s", {"one", std::string("two")}), "one and two"},
        {FormatChecked("[%6s|%-6s|%.2s]", {"ab", "ab", "abc"}), "[    ab|ab    |ab]"},
        {FormatChecked("%c%c", {'A', 0x20AC}), "A\u20ac"},
        {FormatChecked("100%% sure", {}), "100% sure"},
        {FormatChecked("no specifiers", {1, 2}), "no specifiers"},
        {FormatChecked("", {}), ""},
    };
    for (const Case& c : cases) EXPECT_EQ(c.got, c.expected);
}

TEST(FormatChecked, MismatchedKindsAreConverted) {
    testing::ScopedLocale us(testing::EnglishUnitedStates());
    EXPECT_EQ(FormatChecked("%s", {5}), "5");
    EXPECT_EQ(FormatChecked("%s", {2.5}), "2.5");
    EXPECT_EQ(FormatChecked("[%4s]", {7}), "[   7]");
    EXPECT_EQ(FormatChecked("%d", {"text"}), "0");
    EXPECT_EQ(FormatChecked("%d", {2.9}), "2");
    EXPECT_EQ(FormatChecked("%d", {-1e300}), std::to_string(std::numeric_limits<long long>::min()));
    EXPECT_EQ(FormatChecked("%d", {std::nan("")}), "0");
    EXPECT_EQ(FormatChecked("%f", {"text"}), "0.000000");
    EXPECT_EQ(FormatChecked("%.1f", {3}), "3.0");
    EXPECT_EQ(FormatChecked("%c", {"\u00e4bc"}), "\u00e4");
    EXPECT_EQ(FormatChecked("[%c]", {0}), "[]");
    EXPECT_EQ(FormatChecked("[%c]", {0xD800}), "[]");
    EXPECT_EQ(FormatChecked("%s", {static_cast<const char*>(nullptr)}), "");
}

TEST(FormatChecked, MissingArgumentsAndUnknownSpecifiersAreHarmless) {
    testing::ScopedLocale us(testing::EnglishUnitedStates());
    EXPECT_EQ(FormatChecked("%d of %d", {3}), "3 of ");
    EXPECT_EQ(FormatChecked("%s%s%s%s", {}), "");
    // %n never writes, %p and other letters are copied and take no argument.
    EXPECT_EQ(FormatChecked("%n%d", {5}), "%n5");
    EXPECT_EQ(FormatChecked("%p %y %d", {5}), "%p %y 5");
    EXPECT_EQ(FormatChecked("%*d", {5}), "%*d");
    EXPECT_EQ(FormatChecked("50%", {1}), "50%");
    EXPECT_EQ(FormatChecked("%5", {1}), "%5");
    EXPECT_EQ(FormatChecked("%l", {1}), "%l");
    EXPECT_EQ(FormatChecked(std::string_view("%d\0%d", 5), {1, 2}), std::string("1\0" "2", 3));
}

TEST(FormatChecked, ExtremeWidthsAndPrecisionsAreBounded) {
    testing::ScopedLocale us(testing::EnglishUnitedStates());
    EXPECT_EQ(FormatChecked("%999999999d", {1}).size(), 256u);
    EXPECT_EQ(FormatChecked("%99999999999999999999d", {1}).size(), 256u);
    EXPECT_EQ(FormatChecked("%.999999999f", {1.0}).size(), 102u);
    EXPECT_EQ(FormatChecked("%999999999s", {"x"}).size(), 256u);
    EXPECT_EQ(FormatChecked("%.999999999s", {"whole"}), "whole");
    EXPECT_EQ(FormatChecked("%f", {1e308}).size(), 316u);
    EXPECT_EQ(FormatChecked("%f", {std::numeric_limits<double>::infinity()}), "inf");
    EXPECT_EQ(FormatChecked("%.1s", {"\u00e4x"}), "");   // precision never splits a character
    EXPECT_EQ(FormatChecked("%#d|%#s", {5, "s"}), "5|s");
}

TEST(FormatChecked, RealNumbersUseTheLocaleDecimalSeparator) {
    testing::ScopedLocale de(testing::GermanGermany());
    EXPECT_EQ(FormatChecked("%.2f h", {1.5}), "1,50 h");
    EXPECT_EQ(FormatChecked("%g", {0.25}), "0,25");
    EXPECT_EQ(FormatChecked("%s", {0.5}), "0,5");
    EXPECT_EQ(FormatChecked("%d", {1500}), "1500");
}

}  // namespace
