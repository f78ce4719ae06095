#include "plat/ascii.h"

#include <gtest/gtest.h>

namespace {

TEST(Ascii, EqualsIgnoringAsciiCase) {
    struct Case {
        const char* a;
        const char* b;
        bool equal;
    };
    const Case cases[] = {
        {"", "", true},
        {".QEL", ".qel", true},
        {"Section One", "sECTION oNE", true},
        {"off", "of", false},
        {"[", "{", false},             // 0x5B and 0x7B differ by the case bit only
        {"\xC3\x84", "\xC3\xA4", false},   // letters beyond ASCII keep their case
        {"i", "I", true},
    };
    for (const Case& c : cases) EXPECT_EQ(plat::EqualsIgnoringAsciiCase(c.a, c.b), c.equal) << c.a << " / " << c.b;
}

}  // namespace
