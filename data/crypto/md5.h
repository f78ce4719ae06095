#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// The MD5 message digest (RFC 1321).
struct MD5Context {
    std::uint32_t state[4];
    std::uint64_t bitCount;
    std::uint8_t buffer[64];
};

using MD5DigestBytes = std::array<std::uint8_t, 16>;

void MD5Init(MD5Context& context);
void MD5Update(MD5Context& context, const void* data, std::size_t n);
// Pads and returns the digest; the context starts over, as after MD5Init.
MD5DigestBytes MD5Final(MD5Context& context);
// Folds one 64-byte block into the four state words.
void MD5Transform(std::uint32_t state[4], const std::uint8_t block[64]);

// The digest of n bytes in one call.
MD5DigestBytes MD5Digest(const void* data, std::size_t n);
