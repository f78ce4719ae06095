#pragma once

#include <cstdint>

// Constant tables of the ciphers and digests, written by make_tables.py.
namespace qel_crypto_tables {

// The fractional hexadecimal digits of pi: the first 18 words, then the next 1024.
extern const std::uint32_t kPiP[18];
extern const std::uint32_t kPiS[4][256];

// floor(|sin(i + 1)| * 2^32) for i = 0..63.
extern const std::uint32_t kMd5Sine[64];

}  // namespace qel_crypto_tables
