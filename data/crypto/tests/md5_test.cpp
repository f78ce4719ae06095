#include "data/crypto/md5.h"

#include <string>

#include <gtest/gtest.h>

#include "tool_oracle.h"

namespace {

std::string DigestHex(const std::string& text) {
    const MD5DigestBytes d = MD5Digest(text.data(), text.size());
    return ToHex(Bytes(d.begin(), d.end()));
}

TEST(Md5, Rfc1321TestSuite) {
    const struct {
        const char* text;
        const char* digest;
    } kSuite[] = {
        {"", "D41D8CD98F00B204E9800998ECF8427E"},
        {"a", "0CC175B9C0F1B6A831C399E269772661"},
        {"abc", "900150983CD24FB0D6963F7D28E17F72"},
        {"message digest", "F96B697D7CB7938D525A2F31AAF161D0"},
        {"abcdefghijklmnopqrstuvwxyz", "C3FCD3D76192E4007DFB496CCA67E13B"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
         "D174AB98D277D9F5A5611C2C9F419D9F"},
        {"1234567890123456789012345678901234567890123456789012345678901234567890123456"
         "7890",
         "57EDF4A22BE3C955AC49DA2E2107B67A"},
    };
    for (const auto& row : kSuite)
        EXPECT_EQ(DigestHex(row.text), row.digest) << '"' << row.text << '"';
}

// Lengths around the padding boundaries (55 leaves room for the length in
// the last block, 56 does not) against an independent implementation.
TEST(Md5, MatchesPythonAroundBlockBoundaries) {
    const char kCommand[] = "python3 -c \"import hashlib,sys;"
                            "sys.stdout.write(hashlib.md5(sys.stdin.buffer.read()).hexdigest().upper())\"";
    for (std::size_t n : {55, 56, 57, 63, 64, 65, 119, 120, 128, 1000}) {
        SCOPED_TRACE(n);
        const Bytes data = RandomBytes(n, std::uint32_t(n));
        const auto expected = RunTool(kCommand, data);
        ASSERT_TRUE(expected.has_value()) << "python3 not available";
        const MD5DigestBytes d = MD5Digest(data.data(), data.size());
        EXPECT_EQ(ToHex(Bytes(d.begin(), d.end())), std::string(expected->begin(), expected->end()));
    }
}

TEST(Md5, PiecesGiveTheSameDigestAsOneCall) {
    const Bytes data = RandomBytes(200, 11);
    const MD5DigestBytes whole = MD5Digest(data.data(), data.size());
    for (std::size_t split = 0; split <= data.size(); ++split) {
        MD5Context context;
        MD5Init(context);
        MD5Update(context, data.data(), split);
        MD5Update(context, nullptr, 0);
        MD5Update(context, data.data() + split, data.size() - split);
        ASSERT_EQ(MD5Final(context), whole) << "split at " << split;
        // The context starts over after the digest.
        MD5Update(context, data.data(), data.size());
        ASSERT_EQ(MD5Final(context), whole) << "reused after split at " << split;
    }
}

}  // namespace
