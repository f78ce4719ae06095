#include "data/crypto/crc32.h"

#include <string>

#include <gtest/gtest.h>

#include "tool_oracle.h"

namespace {

TEST(Crc32, CheckValue) {
    EXPECT_EQ(Crc32("123456789", 9), 0xCBF43926u);
    EXPECT_EQ(Crc32(nullptr, 0), 0u);
}

TEST(Crc32, MatchesPythonZlib) {
    const char kCommand[] = "python3 -c \"import zlib,sys;print(zlib.crc32(sys.stdin.buffer.read()))\"";
    for (std::size_t n : {0, 1, 2, 3, 4, 255, 256, 1001, 65536}) {
        SCOPED_TRACE(n);
        const Bytes data = RandomBytes(n, std::uint32_t(n) + 20);
        const auto expected = RunTool(kCommand, data);
        ASSERT_TRUE(expected.has_value()) << "python3 not available";
        EXPECT_EQ(Crc32(data.data(), data.size()), std::stoul(std::string(expected->begin(), expected->end())));
    }
}

TEST(Crc32, ContinuesAcrossBuffers) {
    const Bytes data = RandomBytes(100, 12);
    const std::uint32_t whole = Crc32(data.data(), data.size());
    for (std::size_t split : {0, 1, 50, 99, 100}) {
        const std::uint32_t first = Crc32(data.data(), split);
        EXPECT_EQ(Crc32(data.data() + split, data.size() - split, first), whole) << "split at " << split;
    }
}

}  // namespace
