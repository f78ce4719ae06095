#include "plat/collate.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace {

// Collation reads the process locale: the plain one of a program that never
// set it, and the Unicode one every machine has.
class CompareNoCaseTest : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        const char* previous = std::setlocale(LC_ALL, nullptr);
        previous_ = previous != nullptr ? previous : "C";
        if (std::setlocale(LC_ALL, GetParam()) == nullptr) GTEST_SKIP() << "no locale " << GetParam();
    }
    void TearDown() override { std::setlocale(LC_ALL, previous_.c_str()); }

private:
    std::string previous_;
};

TEST_P(CompareNoCaseTest, IgnoresCaseAndOrders) {
    struct Case {
        const char* a;
        const char* b;
        int expected;
    };
    const Case cases[] = {
        {"abc", "ABC", 0},
        {"", "", 0},
        {"Apple", "banana", -1},
        {"banana", "Apple", 1},
        {"a", "ab", -1},
        {"", "a", -1},
        {"Item 2", "item 10", 1},
        {"\u00c4rger", "\u00e4RGER", 0},
        {"\u0141\u00f3d\u017a", "\u0142\u00d3D\u0179", 0},
        // Windows-1252 bytes read as their characters: "\xC4" is "Ä".
        {"\xC4rger", "\u00e4rger", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.a << " vs " << c.b);
        EXPECT_EQ(plat::CompareNoCase(c.a, c.b), c.expected);
        const int byKey = plat::NoCaseSortKey(c.a).compare(plat::NoCaseSortKey(c.b));
        EXPECT_EQ(byKey < 0 ? -1 : byKey > 0 ? 1 : 0, c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, CompareNoCaseTest, testing::Values("C", "C.UTF-8"));

}  // namespace
