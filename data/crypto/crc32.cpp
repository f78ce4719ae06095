#include "data/crypto/crc32.h"

#include <array>
#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace {

// table[0] is the one-table method's table; table[k][b] is the CRC of byte
// b followed by k zero bytes, so eight bytes are folded in at once
// ("slicing by 8").
using Tables = std::array<std::array<std::uint32_t, 256>, 8>;

constexpr Tables MakeTables() {
    Tables tables{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t c = i;
        for (int bit = 0; bit < 8; ++bit) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        tables[0][i] = c;
    }
    for (std::size_t k = 1; k < 8; ++k)
        for (std::size_t i = 0; i < 256; ++i)
            tables[k][i] = (tables[k - 1][i] >> 8) ^ tables[0][tables[k - 1][i] & 0xFF];
    return tables;
}

constexpr Tables kTables = MakeTables();

// c is the running register (not complemented).
std::uint32_t SliceBy8(std::uint32_t c, const std::uint8_t* in, std::size_t n) {
    while (n >= 8) {
        std::uint32_t low, high;
        std::memcpy(&low, in, 4);
        std::memcpy(&high, in + 4, 4);
#if __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
        low = __builtin_bswap32(low);
        high = __builtin_bswap32(high);
#endif
        low ^= c;
        c = kTables[7][low & 0xFF] ^ kTables[6][(low >> 8) & 0xFF] ^ kTables[5][(low >> 16) & 0xFF] ^
            kTables[4][low >> 24] ^ kTables[3][high & 0xFF] ^ kTables[2][(high >> 8) & 0xFF] ^
            kTables[1][(high >> 16) & 0xFF] ^ kTables[0][high >> 24];
        in += 8;
        n -= 8;
    }
    while (n--) c = kTables[0][(c ^ *in++) & 0xFF] ^ (c >> 8);
    return c;
}

#if defined(__x86_64__)

#define QEL_CLMUL __attribute__((target("pclmul,sse4.1")))

QEL_CLMUL inline __m128i Load(const std::uint8_t* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

// x carried 128 (or 512) bits forward and added to what lies there.
QEL_CLMUL inline __m128i Fold(__m128i x, __m128i k, __m128i next) {
    return _mm_xor_si128(_mm_xor_si128(_mm_clmulepi64_si128(x, k, 0x00), _mm_clmulepi64_si128(x, k, 0x11)),
                         next);
}

// Folding with carry-less multiplication: four 128-bit lanes are carried
// 512 bits forward at a time by multiplying with x^(512±32) mod P, then
// folded into one lane, reduced to 64 bits and to 32 by Barrett reduction.
// The constants are those powers of x modulo the polynomial, bit-reflected
// as the CRC is. Takes at least 64 bytes, a multiple of 16.
QEL_CLMUL std::uint32_t FoldBy4(std::uint32_t c, const std::uint8_t* in, std::size_t n) {
    const __m128i k1k2 = _mm_set_epi64x(0x01c6e41596, 0x0154442bd4);
    const __m128i k3k4 = _mm_set_epi64x(0x00ccaa009e, 0x01751997d0);
    const __m128i k5 = _mm_set_epi64x(0, 0x0163cd6124);
    const __m128i poly = _mm_set_epi64x(0x01f7011641, 0x01db710641);
    const __m128i low32 = _mm_setr_epi32(~0, 0, ~0, 0);
    __m128i x1 = _mm_xor_si128(Load(in), _mm_cvtsi32_si128(static_cast<int>(c)));
    __m128i x2 = Load(in + 16), x3 = Load(in + 32), x4 = Load(in + 48);
    in += 64;
    n -= 64;
    while (n >= 64) {
        x1 = Fold(x1, k1k2, Load(in));
        x2 = Fold(x2, k1k2, Load(in + 16));
        x3 = Fold(x3, k1k2, Load(in + 32));
        x4 = Fold(x4, k1k2, Load(in + 48));
        in += 64;
        n -= 64;
    }
    x1 = Fold(x1, k3k4, x2);
    x1 = Fold(x1, k3k4, x3);
    x1 = Fold(x1, k3k4, x4);
    while (n >= 16) {
        x1 = Fold(x1, k3k4, Load(in));
        in += 16;
        n -= 16;
    }
    // 128 to 64 bits.
    __m128i x2b = _mm_clmulepi64_si128(x1, k3k4, 0x10);
    x1 = _mm_xor_si128(_mm_srli_si128(x1, 8), x2b);
    x2b = _mm_srli_si128(x1, 4);
    x1 = _mm_xor_si128(_mm_clmulepi64_si128(_mm_and_si128(x1, low32), k5, 0x00), x2b);
    // Barrett reduction to 32 bits.
    x2b = _mm_clmulepi64_si128(_mm_and_si128(x1, low32), poly, 0x10);
    x2b = _mm_clmulepi64_si128(_mm_and_si128(x2b, low32), poly, 0x00);
    x1 = _mm_xor_si128(x1, x2b);
    return static_cast<std::uint32_t>(_mm_extract_epi32(x1, 1));
}

bool HaveCarrylessMultiply() {
    static const bool have = __builtin_cpu_supports("pclmul") && __builtin_cpu_supports("sse4.1");
    return have;
}

#endif

}  // namespace

std::uint32_t Crc32(const void* data, std::size_t n, std::uint32_t previous) {
    const auto* in = static_cast<const std::uint8_t*>(data);
    std::uint32_t c = ~previous;
#if defined(__x86_64__)
    if (n >= 64 && HaveCarrylessMultiply()) {
        std::size_t folded = n & ~static_cast<std::size_t>(15);
        c = FoldBy4(c, in, folded);
        in += folded;
        n -= folded;
    }
#endif
    return ~SliceBy8(c, in, n);
}
