#include "data/crypto/md5.h"

#include <cstring>

#include "data/crypto/tables.h"

namespace {

std::uint32_t RotateLeft(std::uint32_t x, int n) {
    return (x << n) | (x >> (32 - n));
}

// Shift amounts of the four rounds, four per round.
constexpr int kShift[4][4] = {{7, 12, 17, 22}, {5, 9, 14, 20}, {4, 11, 16, 23}, {6, 10, 15, 21}};

}  // namespace

void MD5Init(MD5Context& context) {
    context.state[0] = 0x67452301;
    context.state[1] = 0xEFCDAB89;
    context.state[2] = 0x98BADCFE;
    context.state[3] = 0x10325476;
    context.bitCount = 0;
    std::memset(context.buffer, 0, sizeof context.buffer);
}

void MD5Transform(std::uint32_t state[4], const std::uint8_t block[64]) {
    std::uint32_t x[16];
    for (int i = 0; i < 16; ++i) {
        const std::uint8_t* b = block + 4 * i;
        x[i] = std::uint32_t(b[0]) | (std::uint32_t(b[1]) << 8) | (std::uint32_t(b[2]) << 16) |
               (std::uint32_t(b[3]) << 24);
    }
    std::uint32_t a = state[0], b = state[1], c = state[2], d = state[3];
    for (int i = 0; i < 64; ++i) {
        const int round = i / 16;
        std::uint32_t f;
        int word;
        switch (round) {
        case 0:
            f = (b & c) | (~b & d);
            word = i;
            break;
        case 1:
            f = (b & d) | (c & ~d);
            word = (5 * i + 1) % 16;
            break;
        case 2:
            f = b ^ c ^ d;
            word = (3 * i + 5) % 16;
            break;
        default:
            f = c ^ (b | ~d);
            word = (7 * i) % 16;
            break;
        }
        const std::uint32_t rotated =
            b + RotateLeft(a + f + x[word] + qel_crypto_tables::kMd5Sine[i], kShift[round][i % 4]);
        a = d;
        d = c;
        c = b;
        b = rotated;
    }
    state[0] += a;
    state[1] += b;
    state[2] += c;
    state[3] += d;
}

void MD5Update(MD5Context& context, const void* data, std::size_t n) {
    if (n == 0)
        return;
    const auto* in = static_cast<const std::uint8_t*>(data);
    std::size_t used = (context.bitCount / 8) % 64;
    context.bitCount += std::uint64_t(n) * 8;
    if (used > 0) {
        const std::size_t take = n < 64 - used ? n : 64 - used;
        std::memcpy(context.buffer + used, in, take);
        in += take;
        n -= take;
        used += take;
        if (used < 64)
            return;
        MD5Transform(context.state, context.buffer);
    }
    for (; n >= 64; in += 64, n -= 64)
        MD5Transform(context.state, in);
    if (n > 0)
        std::memcpy(context.buffer, in, n);
}

MD5DigestBytes MD5Final(MD5Context& context) {
    std::uint8_t length[8];
    for (int i = 0; i < 8; ++i)
        length[i] = std::uint8_t(context.bitCount >> (8 * i));
    const std::size_t used = (context.bitCount / 8) % 64;
    const std::size_t padding = used < 56 ? 56 - used : 120 - used;
    static const std::uint8_t kPadding[64] = {0x80};
    MD5Update(context, kPadding, padding);
    MD5Update(context, length, sizeof length);

    MD5DigestBytes digest;
    for (int i = 0; i < 16; ++i)
        digest[i] = std::uint8_t(context.state[i / 4] >> (8 * (i % 4)));
    MD5Init(context);
    return digest;
}

MD5DigestBytes MD5Digest(const void* data, std::size_t n) {
    MD5Context context;
    MD5Init(context);
    MD5Update(context, data, n);
    return MD5Final(context);
}
