#include "data/crypto/crc32.h"

#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tool_oracle.h"

namespace {

TEST(Crc32, CheckValue) {
    EXPECT_EQ(Crc32("123456789", 9), 0xCBF43926u);
    EXPECT_EQ(Crc32(nullptr, 0), 0u);
}

// Every length from 0 to 64, then lengths around the 16- and 64-byte steps
// of the folding, each from a start that is not aligned, against zlib.
TEST(Crc32, MatchesPythonZlib) {
    std::vector<std::size_t> lengths;
    for (std::size_t n = 0; n <= 64; ++n) lengths.push_back(n);
    for (std::size_t n : {65, 79, 80, 127, 128, 129, 143, 255, 256, 1001, 4099, 65536, 1000003})
        lengths.push_back(n);
    // Each buffer as a 4-byte little-endian length and its bytes.
    Bytes input;
    std::vector<Bytes> buffers;
    for (std::size_t n : lengths) {
        buffers.push_back(RandomBytes(n + 3, static_cast<std::uint32_t>(n) + 20));
        for (int i = 0; i < 4; ++i) input.push_back(static_cast<std::uint8_t>(n >> (8 * i)));
        input.insert(input.end(), buffers.back().begin() + 3, buffers.back().end());
    }
    const char kCommand[] =
        "python3 -c \"import zlib,sys,struct\n"
        "d=sys.stdin.buffer.read();i=0\n"
        "while i<len(d):\n"
        " n=struct.unpack_from('<I',d,i)[0];print(zlib.crc32(d[i+4:i+4+n]));i+=4+n\"";
    const auto expected = RunTool(kCommand, input);
    ASSERT_TRUE(expected.has_value()) << "python3 not available";
    std::istringstream lines(std::string(expected->begin(), expected->end()));
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        SCOPED_TRACE(lengths[i]);
        unsigned long value = 0;
        ASSERT_TRUE(lines >> value);
        EXPECT_EQ(Crc32(buffers[i].data() + 3, lengths[i]), value);
    }
}

TEST(Crc32, ContinuesAcrossBuffers) {
    const Bytes data = RandomBytes(300, 12);
    const std::uint32_t whole = Crc32(data.data(), data.size());
    for (std::size_t split : {0, 1, 50, 64, 99, 100, 236, 300}) {
        const std::uint32_t first = Crc32(data.data(), split);
        EXPECT_EQ(Crc32(data.data() + split, data.size() - split, first), whole) << "split at " << split;
    }
}

}  // namespace
